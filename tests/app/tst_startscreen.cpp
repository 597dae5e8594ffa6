// The start screen, the splash, the display switches and the background colour, driven offscreen.
#include "FakeClock.h"
#include "TestFolder.h"

#include "app/About1.h"
#include "app/DialogSeams.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "base/ProgramEnd.h"
#include "app/Splash1.h"
#include "app/Startfrm.h"
#include "base/WorkScreenMenus.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

QStringList menuCaptions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

QMenu* topMenu(QMainWindow* window, const QString& title)
{
    for (QAction* action : window->menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

} // namespace

class TestStartScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStartIsFullScreenAndBlue();
    void menusCarryEveryCaption();
    void splashAndAboutShowTheVersion();
    void smallerScreenIsStoredAndSurvivesRestart();
    void switchingToTheCheckedModeDoesNothing();
    void resizingByHandSwitchesTheMode();
    void brokenSettingsFilesGiveDefaults_data();
    void brokenSettingsFilesGiveDefaults();
    void backgroundColourPrompt();
    void pauseTwoSecondsAcrossTheMinute_data();
    void pauseTwoSecondsAcrossTheMinute();
    void rightClickPopsUpOptions();
    void exitEndsTheProgram();
    void beginAsksForTheActionArea();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FakeClock> m_clock;
    int m_ended = 0;
};

void TestStartScreen::init()
{
    m_folder = std::make_unique<TestFolder>(false);
    // Each reading moves the clock a second on, so the splash's pause passes at once.
    m_clock = std::make_unique<FakeClock>(QDateTime(QDate(2026, 12, 6), QTime(9, 30, 10)), 1000);
    HINFO1::state() = HINFO1::State();
    Messages::setScripted(true);
    Messages::takeShown();
    m_ended = 0;
    ProgramEnd::setTerminator([this] { ++m_ended; });
}

void TestStartScreen::cleanup()
{
    Messages::setScripted(false);
    ProgramEnd::setTerminator(nullptr);
    m_clock.reset();
    m_folder.reset();
}

void TestStartScreen::firstStartIsFullScreenAndBlue()
{
    Startfrm screen;
    screen.show();
    screen.activate();
    QCOMPARE(screen.windowTitle(), QStringLiteral("Tessaly - Start Screen"));
    QVERIFY(screen.windowState() & Qt::WindowMaximized);
    QCOMPARE(HINFO1::state().displayMode, short(HINFO1::FullScreenDisplay));
    QCOMPARE(screen.backgroundColour(), QColor(0, 0, 255));
    QCOMPARE(HINFO1::state().splashShown, short(99));
    QVERIFY(screen.findChild<QWidget*>(QStringLiteral("centralPanel"))->isVisible());
    QVERIFY(screen.findChild<QPushButton*>(QStringLiteral("beginButton"))->hasFocus() || !screen.isActiveWindow());
    // A first start writes nothing.
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("GColor3.Fil"))));
    QVERIFY(Messages::takeShown().isEmpty());
}

void TestStartScreen::menusCarryEveryCaption()
{
    Startfrm screen;
    QMenu* options = topMenu(&screen, QStringLiteral("&Options"));
    QVERIFY(options);
    QCOMPARE(menuCaptions(options),
             (QStringList{"&Background Color", "&Program Display", "-", "&Begin Program", "-", "E&xit"}));
    QMenu* display = options->actions().at(1)->menu();
    QCOMPARE(menuCaptions(display), (QStringList{"&Full Screen Display", "&Smaller Screen Display"}));
    QMenu* utilities = topMenu(&screen, QStringLiteral("Utilities"));
    QVERIFY(utilities);
    QCOMPARE(menuCaptions(utilities), (QStringList{"&Backup User Created Files", "&Restore User Created Files"}));
    QMenu* help = topMenu(&screen, QStringLiteral("&Help"));
    QVERIFY(help);
    const QStringList helpItems = menuCaptions(help);
    QCOMPARE(helpItems.mid(0, 5), (QStringList{"&Help Contents", "&Program Overview", "-", "&About Tessaly", "-"}));
    QCOMPARE(helpItems.size(), 6);
    for (const char* name : {"fullScreenButton", "smallerScreenButton", "beginButton"})
        QVERIFY(screen.findChild<QPushButton*>(QString::fromLatin1(name)));
    QCOMPARE(screen.findChild<QPushButton*>(QStringLiteral("beginButton"))->text(),
             QStringLiteral("&Click Here to Begin Program"));
}

void TestStartScreen::splashAndAboutShowTheVersion()
{
    Splash1 splash;
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(), QStringLiteral("Version 6.0a"));
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("productNameLabel"))->text(), QStringLiteral("Tessaly"));
    About1 about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tessaly"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(), QStringLiteral("Version 6.0a"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("workbookFolderLabel"))->text(),
             QStringLiteral("Workbook folder: ") + m_folder->path());
    QString opened;
    WebLinks::setOpener([&opened](const QString& address) {
        opened = address;
        return true;
    });
    emit about.findChild<QLabel*>(QStringLiteral("webSiteLabel"))->linkActivated(WebLinks::kMakerWebSite);
    WebLinks::setOpener(nullptr);
    QCOMPARE(opened, WebLinks::kMakerWebSite);
}

void TestStartScreen::smallerScreenIsStoredAndSurvivesRestart()
{
    {
        Startfrm screen;
        screen.show();
        screen.activate();
        const int readingsAfterSplash = m_clock->readings();
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("smallerScreenButton")), Qt::LeftButton);
        const QByteArray bytes = m_folder->read(QStringLiteral("GColor3.Fil"));
        QCOMPARE(bytes.mid(680, 5), QByteArray("\x03\x00Yes", 5));
        QCOMPARE(HINFO1::state().displayMode, short(HINFO1::SmallerScreenDisplay));
        QVERIFY(!(screen.windowState() & Qt::WindowMaximized));
        QCOMPARE(screen.size(), QSize(800, 600));
        QVERIFY(screen.findChild<QAction*>(QStringLiteral("mOPDSmall"))->isChecked());
        QVERIFY(screen.findChild<QWidget*>(QStringLiteral("centralPanel"))->isVisible());
        QVERIFY(!screen.findChild<QAction*>(QStringLiteral("mOPDFull"))->isChecked());
        // Reloading the screen never shows the splash again: it would read the clock.
        QCOMPARE(m_clock->readings(), readingsAfterSplash);
    }
    HINFO1::state() = HINFO1::State();
    Startfrm again;
    again.show();
    QCOMPARE(HINFO1::state().displayMode, short(HINFO1::SmallerScreenDisplay));
    QVERIFY(!(again.windowState() & Qt::WindowMaximized));
    QCOMPARE(again.size(), QSize(800, 600));
    const QRect screenArea = again.screen()->geometry();
    QCOMPARE(again.pos(), QPoint((screenArea.width() - 800) / 2, (screenArea.height() - 600) / 2));
    QVERIFY(Messages::takeShown().isEmpty()); // 12000 x 9000 twips is large enough: no warning
}

void TestStartScreen::switchingToTheCheckedModeDoesNothing()
{
    Startfrm screen;
    screen.switchToFullScreen();
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("GColor3.Fil"))));
    screen.switchToSmallerScreen();
    const QByteArray once = m_folder->read(QStringLiteral("GColor3.Fil"));
    QFile::remove(m_folder->filePath(QStringLiteral("GColor3.Fil")));
    screen.switchToSmallerScreen();
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("GColor3.Fil"))));
    QCOMPARE(once.size(), 700);
}

void TestStartScreen::resizingByHandSwitchesTheMode()
{
    Startfrm screen;
    screen.show();
    screen.activate();
    screen.showNormal();
    QTRY_COMPARE(HINFO1::state().displayMode, short(HINFO1::SmallerScreenDisplay));
    QCOMPARE(m_folder->read(QStringLiteral("GColor3.Fil")).mid(680, 5), QByteArray("\x03\x00Yes", 5));
    screen.showMaximized();
    QTRY_COMPARE(HINFO1::state().displayMode, short(HINFO1::FullScreenDisplay));
    QCOMPARE(m_folder->read(QStringLiteral("GColor3.Fil")).mid(680, 4), QByteArray("\x02\x00No", 4));
}

void TestStartScreen::brokenSettingsFilesGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("grid");
    QTest::addColumn<QByteArray>("colour");
    QTest::newRow("seven bytes") << QByteArray("\x03\x00Yes\x00\x00", 7)
                                 << QByteArray("\x03\x00\xFF\x00\x00\x00\x00", 7);
    QTest::newRow("huge lengths") << (QByteArray(680, 'x') + QByteArray("\x60\xEA", 2))
                                  << (QByteArray(20, 'x') + QByteArray("\x08\x00\x60\xEA"
                                                                       "Def",
                                                                       7));
    QTest::newRow("nonsense") << QByteArray(2000, '\xFF') << QByteArray(30, '\xFF');
}

void TestStartScreen::brokenSettingsFilesGiveDefaults()
{
    QFETCH(QByteArray, grid);
    QFETCH(QByteArray, colour);
    m_folder->write(QStringLiteral("GColor3.Fil"), grid);
    m_folder->write(QStringLiteral("HINV3.Fil"), colour);
    Startfrm screen;
    screen.show();
    QCOMPARE(HINFO1::state().displayMode, short(HINFO1::FullScreenDisplay));
    QVERIFY(screen.windowState() & Qt::WindowMaximized);
    const QColor background = screen.backgroundColour();
    QVERIFY(background == QColor(0, 0, 255) || HINFO1::state().backgroundIsSystemDefault);
}

void TestStartScreen::backgroundColourPrompt()
{
    Startfrm screen;
    Messages::queueAnswer(Messages::Answer::Cancel);
    screen.chooseBackgroundColour();
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("HINV3.Fil"))));
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).title, QStringLiteral("Background Color"));
    QCOMPARE(shown.at(0).text,
             QStringLiteral("Select New Color or Use System Default Color?\r\rYes = Color Selection "
                            "Panel will appear.\rNo = Current System Default Color will be selected."));
    QCOMPARE(shown.at(0).buttons, Messages::Buttons::YesNoCancel);

    Messages::queueAnswer(Messages::Answer::No);
    screen.chooseBackgroundColour();
    QCOMPARE(m_folder->read(QStringLiteral("HINV3.Fil")).mid(20, 7), QByteArray("\x08\x00\x03\x00"
                                                                                "Def",
                                                                                7));
    QCOMPARE(screen.backgroundColour(), QApplication::palette().color(QPalette::Window));

    QColor offered;
    DialogSeams::colourChooser() = [&offered](const QColor& initial, QWidget*) -> std::optional<QColor> {
        offered = initial;
        return QColor(0x12, 0x34, 0x56);
    };
    Messages::queueAnswer(Messages::Answer::Yes);
    screen.chooseBackgroundColour();
    QCOMPARE(offered, QApplication::palette().color(QPalette::Window));
    QCOMPARE(m_folder->read(QStringLiteral("HINV3.Fil")).mid(20, 6), QByteArray("\x03\x00\x12\x34\x56\x00", 6));
    QCOMPARE(screen.backgroundColour(), QColor(0x12, 0x34, 0x56));

    // A cancelled picker changes nothing.
    DialogSeams::colourChooser() = [](const QColor&, QWidget*) -> std::optional<QColor> { return std::nullopt; };
    Messages::queueAnswer(Messages::Answer::Yes);
    screen.chooseBackgroundColour();
    QCOMPARE(screen.backgroundColour(), QColor(0x12, 0x34, 0x56));
}

void TestStartScreen::pauseTwoSecondsAcrossTheMinute_data()
{
    QTest::addColumn<int>("startSecond");
    QTest::addColumn<int>("endSecond");
    QTest::newRow("10") << 10 << 12;
    QTest::newRow("57") << 57 << 59;
    QTest::newRow("58") << 58 << 0;
    QTest::newRow("59") << 59 << 1;
}

void TestStartScreen::pauseTwoSecondsAcrossTheMinute()
{
    QFETCH(int, startSecond);
    QFETCH(int, endSecond);
    FakeClock clock(QDateTime(QDate(2026, 12, 6), QTime(9, 30, startSecond, 0)), 100);
    HINFO1::pauseTwoSeconds();
    // The reading that ended the wait is the last one taken.
    const QDateTime last = clock.now().addMSecs(-100);
    QCOMPARE(last.time().second(), endSecond);
    QCOMPARE(clock.readings(), 21);
}

void TestStartScreen::rightClickPopsUpOptions()
{
    Startfrm screen;
    screen.show();
    QLabel* title = screen.findChild<QLabel*>(QStringLiteral("titleLabel"));
    QTest::mouseClick(title, Qt::RightButton);
    QTRY_VERIFY(screen.optionsMenu()->isVisible());
    screen.optionsMenu()->hide();
}

void TestStartScreen::exitEndsTheProgram()
{
    Startfrm screen;
    screen.show();
    screen.findChild<QAction*>(QStringLiteral("mOExit"))->trigger();
    QCOMPARE(m_ended, 1);
    QVERIFY(Messages::takeShown().isEmpty());
}

void TestStartScreen::beginAsksForTheActionArea()
{
    Startfrm screen;
    screen.show();
    QSignalSpy begin(&screen, &Startfrm::beginRequested);
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("beginButton")), Qt::LeftButton);
    screen.findChild<QAction*>(QStringLiteral("mOBegin"))->trigger();
    QCOMPARE(begin.size(), 2);
}

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"
