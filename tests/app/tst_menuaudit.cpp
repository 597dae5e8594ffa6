// Every menu command that is enabled where the user can reach it does something the user can
// see: a window, a message, a dialog, a file, the clipboard, a check mark or the program's end.
#include "FakeClock.h"
#include "TestFolder.h"

#include "actionarea/WorkArea1.h"
#include "app/ReaderScreens.h"
#include "app/Startfrm.h"
#include "base/HINFO1.h"
#include "base/Help.h"
#include "base/Messages.h"
#include "base/ProgramEnd.h"
#include "base/UtilityActions.h"
#include "base/WebLinks.h"
#include "readers/ReaderScreen.h"
#include "richtext/RichTextBox.h"
#include "worksheets/WorksheetPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

// The program's screens as main() wires them.
struct Screens
{
    Startfrm start;
    WorkArea1 area{&start};
    ReaderScreens readers{&area};
};

QStringList visibleWindows()
{
    QStringList titles;
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window->isVisible())
            titles << window->windowTitle();
    }
    return titles;
}

void collect(QMenu* menu, QList<QAction*>* into)
{
    emit menu->aboutToShow(); // menus that settle their items as they open
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (!action->isVisible() || !action->isEnabled() || action->isSeparator())
            continue;
        if (action->menu())
            collect(action->menu(), into);
        else
            into->append(action);
    }
}

} // namespace

class TestMenuAudit : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyEnabledCommandDoesSomething_data();
    void everyEnabledCommandDoesSomething();

private:
    // Puts the user where a row of the table says, and gives the window whose menus count.
    QMainWindow* enterScene(Screens& screens) const;
    // What the user can see and the program has done, as one text to compare.
    QString observable() const;
    void closeModalDialogs();

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FakeClock> m_clock;
    QStringList m_done; // seams the commands reached, dialogs they opened
    QTimer m_dialogCloser;
};

void TestMenuAudit::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_clock = std::make_unique<FakeClock>(QDateTime(QDate(2026, 12, 6), QTime(9, 30, 10)), 1000);
    Messages::setScripted(true);
    Messages::takeShown();
    m_done.clear();
    Help::setViewer([this](int context) { m_done << QStringLiteral("help %1").arg(context); });
    Help::setAboutBox([this](QWidget*) { m_done << QStringLiteral("about"); });
    WebLinks::setOpener([this](const QString& address) {
        m_done << address;
        return true;
    });
    UtilityActions::handlers() = {[this](UtilityActions::Utility u, QWidget*) { m_done << QString::number(int(u)); },
                                  {}};
    connect(&m_dialogCloser, &QTimer::timeout, this, &TestMenuAudit::closeModalDialogs);
    m_dialogCloser.start(20);
}

void TestMenuAudit::cleanup()
{
    m_dialogCloser.stop();
    m_dialogCloser.disconnect();
    Messages::setScripted(false);
    ProgramEnd::setTerminator(nullptr);
    Help::setViewer(nullptr);
    Help::setAboutBox(nullptr);
    WebLinks::setOpener(nullptr);
    UtilityActions::handlers() = {};
    m_clock.reset();
    m_folder.reset();
}

void TestMenuAudit::closeModalDialogs()
{
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        m_done << QStringLiteral("dialog ") + dialog->windowTitle();
        dialog->close();
    }
}

QString TestMenuAudit::observable() const
{
    QStringList seen = m_done;
    for (const Messages::Shown& m : Messages::shown())
        seen << m.text;
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        seen << window->windowTitle() + QStringLiteral(" at ") + QString::number(window->width()) + QLatin1Char('x') +
                    QString::number(window->height());
        const QList<QWidget*> parts = window->findChildren<QWidget*>();
        for (const QWidget* w : parts) {
            if (w->isVisible())
                seen << w->objectName() + QLatin1Char(w->isEnabled() ? '+' : '-');
        }
        const QList<QAction*> actions = window->findChildren<QAction*>();
        for (const QAction* a : actions)
            seen << a->text() + QLatin1Char(a->isChecked() ? '*' : ' ');
        for (const RichTextBox* editor : window->findChildren<RichTextBox*>())
            seen << editor->document()->toHtml();
    }
    if (const QMimeData* copied = QApplication::clipboard()->mimeData())
        seen << copied->formats().join(QLatin1Char(',')) + copied->text();
    QDirIterator files(m_folder->path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        QFile file(files.filePath());
        seen << files.fileName() +
                    (file.open(QIODevice::ReadOnly)
                         ? QString::fromLatin1(
                               QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex())
                         : QStringLiteral(" unreadable"));
    }
    return seen.join(QLatin1Char('\n'));
}

// The screen (-1 the start screen, 0 the Action Area, 1-3 a reader), and for the Action Area
// the view and the pane open (-1 none).
void TestMenuAudit::everyEnabledCommandDoesSomething_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("pane");
    QTest::newRow("start screen") << -1 << 0 << -1;
    QTest::newRow("standards overview") << 0 << int(StandardsOverviewView) << -1;
    QTest::newRow("timeline") << 0 << int(TimelineView) << -1;
    QTest::newRow("safeguard, no pane") << 0 << int(AdministrativeView) << -1;
    QTest::newRow("safeguard, Action Taken") << 0 << int(AdministrativeView) << int(WorksheetPane::ActionTaken);
    QTest::newRow("safeguard, References in Rule") << 0 << int(TechnicalView) << int(WorksheetPane::ReferencesInRule);
    QTest::newRow("risk analysis worksheets") << 0 << int(RiskAnalysisView) << -1;
    QTest::newRow("disaster recovery plan") << 0 << int(DisasterRecoveryView) << -1;
    QTest::newRow("sample entry") << 0 << int(SampleView) << -1;
    QTest::newRow("Information Advisor") << 1 << 0 << -1;
    QTest::newRow("Security Rule") << 2 << 0 << -1;
    QTest::newRow("Miscellaneous") << 3 << 0 << -1;
}

QMainWindow* TestMenuAudit::enterScene(Screens& screens) const
{
    QFETCH(int, screen);
    QFETCH(int, view);
    QFETCH(int, pane);
    if (screen < 0) {
        screens.area.hide(); // until the user begins
        connect(&screens.start, &Startfrm::beginRequested, &screens.area, &QWidget::show, Qt::UniqueConnection);
        return &screens.start;
    }
    if (screen > 0) {
        screens.area.pressTab(screen);
        return screens.readers.current();
    }
    screens.area.pressLeftHandButton(view);
    if (pane >= 0) {
        WorksheetPanel* sheet = screens.area.worksheet();
        QTest::mouseClick(sheet->paneButton(WorksheetPane(pane)), Qt::LeftButton);
        if (isDocumentPane(WorksheetPane(pane)))
            QTest::keyClicks(sheet->editor(), QStringLiteral("We review access every month."));
        sheet->editor()->selectAll();
    }
    return &screens.area;
}

void TestMenuAudit::everyEnabledCommandDoesSomething()
{
    // Each command is tried from the scene; the screens are made afresh after a command that
    // moved the user to other windows.
    std::unique_ptr<Screens> screens;
    int count = 0;
    for (int index = 0;; ++index) {
        if (!screens) {
            // Windows the last screens let go of are gone before new ones start.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ProgramEnd::setTerminator([this] { m_done << QStringLiteral("ended"); }); // and not ending now
            HINFO1::state() = HINFO1::State();                                        // no screen asked for
            screens = std::make_unique<Screens>();
            screens->start.show();
            screens->start.activate();
            screens->area.show();
            screens->area.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&screens->area));
        }
        QMainWindow* window = enterScene(*screens);
        QVERIFY(window);
        QList<QAction*> commands;
        for (QAction* top : window->menuBar()->actions()) {
            if (top->menu() && top->isVisible() && top->isEnabled())
                collect(top->menu(), &commands);
        }
        if (index >= commands.size())
            break;
        QAction* command = commands.at(index);
        const QString name = command->text(); // a command may close the window that holds it
        const QStringList windowsBefore = visibleWindows();
        const QString before = observable();
        command->trigger();
        QTRY_VERIFY2(observable() != before, qPrintable(QStringLiteral("\"%1\" did nothing").arg(name)));
        if (visibleWindows() != windowsBefore || ProgramEnd::isEnding())
            screens.reset();
        Messages::takeShown();
        m_done.clear();
        ++count;
    }
    QVERIFY(count > 0);
}

QTEST_MAIN(TestMenuAudit)
#include "tst_menuaudit.moc"
