#include "app/HelpWindow.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString kHelpFile = QStringLiteral("Tessaly.hlp");

// Each topic of the help file carries a line "Help context <n>" under its heading.
QString contextMarker(int context)
{
    return QStringLiteral("Help context %1").arg(context);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tessaly Help"));
    m_browser->setObjectName(QStringLiteral("helpText"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    resize(720, 560);
}

void HelpWindow::open(int context)
{
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow();
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (!window->loadHelpFile()) {
            delete window;
            Messages::show(nullptr, QStringLiteral("The help file ") + kHelpFile + QStringLiteral(" could not be opened."),
                           QStringLiteral("Help"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
            return;
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->showContext(context);
}

bool HelpWindow::loadHelpFile()
{
    QByteArray bytes;
    if (readFileWithin(DataFolder::path(kHelpFile), FileLimits::kDocument, &bytes) != ReadOutcome::Read)
        return false;
    return RtfReader::read(bytes, m_browser->document());
}

bool HelpWindow::showContext(int context)
{
    m_browser->moveCursor(QTextCursor::Start);
    if (context == 0)
        return true;
    const bool found = m_browser->find(contextMarker(context));
    // The topic's heading, just above its context line, goes to the top of the window.
    QTextCursor cursor = m_browser->textCursor();
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.clearSelection();
    m_browser->setTextCursor(cursor);
    const QRectF heading = m_browser->document()->documentLayout()->blockBoundingRect(cursor.block());
    m_browser->verticalScrollBar()->setValue(int(heading.top()));
    return found;
}
