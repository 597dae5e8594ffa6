#include "readers/ReaderScreen.h"

#include "base/DisplaySettings.h"
#include "base/HINFO1.h"
#include "base/Help.h"
#include "base/Messages.h"
#include "base/OptionsPopup.h"
#include "base/ProgramEnd.h"
#include "base/WorkScreenMenus.h"
#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int kPrintPanelHelp = 1014;
}

ReaderScreen::ReaderScreen(int ownTab, QWidget* home) : m_ownTab(ownTab), m_home(home)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    QCoreApplication::processEvents();
    if (home) {
        resize(home->size());
        move(home->pos());
    }
    HINFO1::state().pendingScreenRequest = HINFO1::ActionAreaScreen;
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ReaderScreen::handleEscape);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &ReaderScreen::handleF1);
}

void ReaderScreen::buildShell(QWidget* body, const QString& exitCaption)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_tabs = new TabButtonRow(central);
    m_tabs->choose(m_ownTab);
    connect(m_tabs, &TabButtonRow::tabPressed, this, &ReaderScreen::pressTab);
    layout->addWidget(m_tabs);
    layout->addWidget(body, 1);
    setCentralWidget(central);
    central->setFont(DisplaySettings::screenFont(font(), HINFO1::DisplayMode(HINFO1::state().displayMode)));

    m_optionsMenu = menuBar()->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("mOptions"));
    for (int t = 0; t < HINFO1::ExitProgram; ++t) {
        if (t == m_ownTab)
            continue;
        QAction* item = m_optionsMenu->addAction(WorkScreenMenus::kTabCaptions.at(t));
        item->setObjectName(QStringLiteral("mOTab%1").arg(t));
        connect(item, &QAction::triggered, this, [this, t] { pressTab(t); });
    }
    QAction* exit = m_optionsMenu->addAction(exitCaption);
    exit->setObjectName(QStringLiteral("mOExit"));
    connect(exit, &QAction::triggered, this, [this] { pressTab(HINFO1::ExitProgram); });
}

void ReaderScreen::buildSharedMenus(const QString& utilitiesTitle, const QString& helpCaption)
{
    WorkScreenMenus::addUtilitiesMenu(menuBar(), utilitiesTitle, this);
    QMenu* help = WorkScreenMenus::addHelpMenu(menuBar(), this, QString(), 0);
    // The screen's own item follows "&Program Overview"; its context depends on the print panel.
    auto* own = new QAction(helpCaption, help);
    own->setObjectName(QStringLiteral("mHOwn"));
    help->insertAction(help->actions().value(2), own);
    connect(own, &QAction::triggered, this, [this] { Help::openContext(helpContext()); });
    connect(help, &QMenu::aboutToShow, this, [this] {
        if (printPanelOpen())
            Help::openContext(kPrintPanelHelp);
    });
}

void ReaderScreen::installOptionsPopup()
{
    QList<QWidget*> watched{centralWidget()};
    const QList<QWidget*> children = centralWidget()->findChildren<QWidget*>();
    for (QWidget* w : children) {
        bool insideDocument = false;
        for (QWidget* p = w; p; p = p->parentWidget())
            insideDocument = insideDocument || qobject_cast<QAbstractScrollArea*>(p);
        if (!insideDocument && (qobject_cast<QLabel*>(w) || qobject_cast<QFrame*>(w) ||
                                qobject_cast<QAbstractButton*>(w) || w->parentWidget() == centralWidget()))
            watched << w;
    }
    auto* popup = new OptionsPopup(m_optionsMenu, this);
    popup->watch(watched);
}

void ReaderScreen::open()
{
    show();
    raise();
    activateWindow();
    if (m_home)
        m_home->hide();
}

void ReaderScreen::pressTab(int t)
{
    if (t < 0 || t > HINFO1::ExitProgram)
        return;
    m_tabs->choose(t);
    HINFO1::state().pendingScreenRequest = static_cast<short>(t);
    if (t == m_ownTab)
        return;
    if (t < HINFO1::ExitProgram) {
        close();
    } else if (WorkScreenMenus::confirmExit(this)) {
        m_exitConfirmed = true;
        close();
    } else {
        pressTab(m_ownTab);
    }
    HINFO1::busyOff();
}

void ReaderScreen::handleEscape()
{
    if (!closeOwnPanel())
        pressTab(HINFO1::ExitProgram);
}

void ReaderScreen::handleF1()
{
    Help::openContext(helpContext());
}

bool ReaderScreen::loadDocument(RichTextBox* box, const QString& file)
{
    box->clear();
    QString error;
    const DocumentFile::Source source = DocumentFile::read(file, box->document(), &error);
    box->moveCursor(QTextCursor::Start);
    if (DocumentFile::isShown(source))
        return true;
    const QString reason = source == DocumentFile::Source::Missing
                               ? QStringLiteral("The document \"%1\" could not be found.").arg(file)
                               : QStringLiteral("The document \"%1\" could not be read.").arg(file);
    Messages::show(this, reason + QStringLiteral("\rPlease install the program's documents again."),
                   QStringLiteral("Document Missing"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
    return false;
}

void ReaderScreen::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // One work screen is visible at a time.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_home && m_home->isVisible())
        m_home->hide();
}

void ReaderScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_exitConfirmed || ProgramEnd::isEnding()) {
        ProgramEnd::endProgram();
        return;
    }
    if (!m_home)
        return;
    m_home->move(pos());
    m_home->show();
    m_home->raise();
    m_home->activateWindow();
    emit returnedHome();
}
