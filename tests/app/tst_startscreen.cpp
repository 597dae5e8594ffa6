// The start screen, the splash pause, the display switches and the background colour, driven offscreen.
#include "ActionAreaFixture.h"
#include "FakeClock.h"

#include "app/DialogSeams.h"
#include "app/Startfrm.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "base/ProgramEnd.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestStartScreen : public QObject, private ActionAreaFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void displayModeIsStoredAndSurvivesRestart();
    void unreadableSettingsGiveDefaults();
    void backgroundColourChoices();
    void pauseTwoSecondsAcrossTheMinute_data();
    void pauseTwoSecondsAcrossTheMinute();
    void optionsExitAndBegin();
    void screenTooSmall_data();
    void screenTooSmall();

private:
    QByteArray displayRecord() const { return m_folder->read(QStringLiteral("GColor3.Fil")).mid(680, 5); }

    std::unique_ptr<FakeClock> m_clock;
};

void TestStartScreen::init()
{
    prepareWorkbook(false);
    // Each reading moves the clock a second on, so the splash's pause passes at once.
    m_clock = std::make_unique<FakeClock>(QDateTime(QDate(2026, 12, 6), QTime(9, 30, 10)), 1000);
}

void TestStartScreen::cleanup()
{
    m_clock.reset();
    closeWorkbook();
}

// A first start is full screen and blue and writes nothing, nor does switching to the mode
// already on; the switches and resizing by hand store the mode, and a restart comes back in it.
void TestStartScreen::displayModeIsStoredAndSurvivesRestart()
{
    {
        Startfrm screen;
        screen.show();
        screen.activate();
        const int readingsAfterSplash = m_clock->readings();
        QVERIFY(screen.windowState() & Qt::WindowMaximized);
        QCOMPARE(HINFO1::state().displayMode, short(HINFO1::FullScreenDisplay));
        QCOMPARE(screen.backgroundColour(), QColor(0, 0, 255));
        QCOMPARE(HINFO1::state().splashShown, short(99));
        screen.switchToFullScreen();
        QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("GColor3.Fil"))));
        screen.showNormal();
        QTRY_COMPARE(HINFO1::state().displayMode, short(HINFO1::SmallerScreenDisplay));
        QCOMPARE(displayRecord(), QByteArray("\x03\x00Yes", 5));
        screen.showMaximized();
        QTRY_COMPARE(HINFO1::state().displayMode, short(HINFO1::FullScreenDisplay));
        QCOMPARE(displayRecord().left(4), QByteArray("\x02\x00No", 4));
        // A window manager may restore the window at the size it had: the state change alone
        // switches the display mode.
        screen.overrideWindowState(Qt::WindowNoState);
        QWindowStateChangeEvent restored(Qt::WindowMaximized);
        QCoreApplication::sendEvent(&screen, &restored);
        QCOMPARE(HINFO1::state().displayMode, short(HINFO1::SmallerScreenDisplay));
        screen.showMaximized();
        QTRY_COMPARE(HINFO1::state().displayMode, short(HINFO1::FullScreenDisplay));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("smallerScreenButton")), Qt::LeftButton);
        QCOMPARE(displayRecord(), QByteArray("\x03\x00Yes", 5));
        QCOMPARE(screen.size(), QSize(800, 600));
        QVERIFY(screen.findChild<QAction*>(QStringLiteral("mOPDSmall"))->isChecked());
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

void TestStartScreen::unreadableSettingsGiveDefaults()
{
    m_folder->write(QStringLiteral("GColor3.Fil"), QByteArray(2000, '\xFF'));
    m_folder->write(QStringLiteral("HINV3.Fil"), QByteArray(20, 'x') + QByteArray("\x08\0\x60\xEA", 4) + "Def");
    Startfrm screen;
    screen.show();
    QCOMPARE(HINFO1::state().displayMode, short(HINFO1::FullScreenDisplay));
    QVERIFY(screen.windowState() & Qt::WindowMaximized);
    QVERIFY(screen.backgroundColour() == QColor(0, 0, 255) || HINFO1::state().backgroundIsSystemDefault);
}

// Cancel changes nothing; No stores "Def" and takes the system colour; Yes offers the picker,
// and the colour picked is stored as a number for the next start.
void TestStartScreen::backgroundColourChoices()
{
    Startfrm screen;
    Messages::queueAnswer(Messages::Answer::Cancel);
    screen.chooseBackgroundColour();
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("HINV3.Fil"))));
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).buttons, Messages::Buttons::YesNoCancel);

    Messages::queueAnswer(Messages::Answer::No);
    screen.chooseBackgroundColour();
    QCOMPARE(m_folder->read(QStringLiteral("HINV3.Fil")).mid(20, 7), QByteArray("\x08\0\x03\0Def", 7));
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

    DialogSeams::colourChooser() = [](const QColor&, QWidget*) -> std::optional<QColor> { return std::nullopt; };
    Messages::queueAnswer(Messages::Answer::Yes);
    screen.chooseBackgroundColour();
    QCOMPARE(screen.backgroundColour(), QColor(0x12, 0x34, 0x56));
    QCOMPARE(Startfrm().backgroundColour(), QColor(0x12, 0x34, 0x56));
}

void TestStartScreen::pauseTwoSecondsAcrossTheMinute_data()
{
    QTest::addColumn<int>("startSecond");
    QTest::addColumn<int>("endSecond");
    QTest::newRow("10") << 10 << 12;
    QTest::newRow("59") << 59 << 1;
}

void TestStartScreen::pauseTwoSecondsAcrossTheMinute()
{
    QFETCH(int, startSecond);
    FakeClock clock(QDateTime(QDate(2026, 12, 6), QTime(9, 30, startSecond, 0)), 100);
    HINFO1::pauseTwoSeconds();
    // The reading that ended the wait is the last one taken.
    QTEST(clock.now().addMSecs(-100).time().second(), "endSecond");
    QCOMPARE(clock.readings(), 21);
}

void TestStartScreen::optionsExitAndBegin()
{
    Startfrm screen;
    screen.show();
    QTest::mouseClick(screen.findChild<QLabel*>(QStringLiteral("titleLabel")), Qt::RightButton);
    QTRY_VERIFY(screen.optionsMenu()->isVisible());
    screen.optionsMenu()->hide();

    QSignalSpy begin(&screen, &Startfrm::beginRequested);
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("beginButton")), Qt::LeftButton);
    screen.findChild<QAction*>(QStringLiteral("mOBegin"))->trigger();
    QCOMPARE(begin.size(), 2);
    screen.findChild<QAction*>(QStringLiteral("mOExit"))->trigger();
    QCOMPARE(m_ended, 1);
    QVERIFY(Messages::takeShown().isEmpty());
}

// Either dimension alone below 9945 by 7590 twips (663 by 506 pixels) is too small.
void TestStartScreen::screenTooSmall_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<bool>("tooSmall");
    QTest::newRow("800 by 600") << QSize(800, 600) << false;
    QTest::newRow("just enough") << QSize(663, 506) << false;
    QTest::newRow("narrow only") << QSize(662, 1200) << true;
    QTest::newRow("low only") << QSize(1920, 505) << true;
    QTest::newRow("both") << QSize(640, 480) << true;
}

void TestStartScreen::screenTooSmall()
{
    QFETCH(QSize, area);
    QTEST(Startfrm::screenIsTooSmall(area), "tooSmall");
}

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"
