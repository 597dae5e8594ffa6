#include "app/HelpWindow.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "richtext/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString kHelpFile = QStringLiteral("Tessaly.hlp");

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent), m_filter(new QLineEdit(this)), m_topicList(new QListWidget(this)),
      m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tessaly Help"));
    m_filter->setObjectName(QStringLiteral("helpTopicFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Find a topic"));
    m_filter->setClearButtonEnabled(true);
    m_topicList->setObjectName(QStringLiteral("helpTopics"));
    m_topicList->setAccessibleName(QStringLiteral("Help topics"));
    m_browser->setObjectName(QStringLiteral("helpText"));

    auto* contents = new QWidget(this);
    auto* contentsLayout = new QVBoxLayout(contents);
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    contentsLayout->addWidget(m_filter);
    contentsLayout->addWidget(m_topicList);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(960, 600);
    splitter->setSizes({260, 700});

    connect(m_filter, &QLineEdit::textChanged, this, &HelpWindow::filterTopics);
    connect(m_topicList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showTopicAt(item->data(Qt::UserRole).toInt()); });
    connect(m_topicList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showTopicAt(item->data(Qt::UserRole).toInt()); });
}

void HelpWindow::open(int context)
{
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow();
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (!window->loadHelpFile()) {
            delete window;
            Messages::show(nullptr,
                           QStringLiteral("The help file ") + kHelpFile + QStringLiteral(" could not be opened."),
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
    if (!RtfReader::read(bytes, m_browser->document()))
        return false;
    m_topics = takeHelpTopics(m_browser->document());
    for (const HelpTopic& topic : m_topics) {
        auto* item = new QListWidgetItem(topic.title, m_topicList);
        item->setData(Qt::UserRole, topic.position);
    }
    return true;
}

void HelpWindow::filterTopics(const QString& text)
{
    for (int row = 0; row < m_topicList->count(); ++row) {
        QListWidgetItem* item = m_topicList->item(row);
        item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
    }
}

bool HelpWindow::showContext(int context)
{
    if (context == 0) {
        m_browser->moveCursor(QTextCursor::Start);
        m_topicList->setFocus();
        return true;
    }
    for (const HelpTopic& topic : m_topics) {
        if (topic.context == context) {
            showTopicAt(topic.position);
            return true;
        }
    }
    m_browser->moveCursor(QTextCursor::Start);
    return false;
}

void HelpWindow::showTopicAt(int position)
{
    // The topic's heading goes to the top of the window.
    QTextCursor cursor(m_browser->document());
    cursor.setPosition(position);
    m_browser->setTextCursor(cursor);
    const QRectF heading = m_browser->document()->documentLayout()->blockBoundingRect(cursor.block());
    m_browser->verticalScrollBar()->setValue(int(heading.top()));
    for (int row = 0; row < m_topicList->count(); ++row) {
        if (m_topicList->item(row)->data(Qt::UserRole).toInt() == position)
            m_topicList->setCurrentRow(row);
    }
}
