// The timeline panel driven as a user would: clicks, the calendar, the buttons and the files.
#include "TestFolder.h"

#include "base/Clock.h"
#include "base/Messages.h"
#include "timeline/GridBackgroundMenu.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QDate kToday(2004, 1, 5);

// A window standing in for the Action Area's view area.
// It also stands for the document owner: it counts the changes reported and saves when asked.
struct Host
{
    QWidget window;
    TimelinePanel* panel;
    int changes = 0;
    Host()
    {
        auto* layout = new QVBoxLayout(&window);
        panel = new TimelinePanel(&window);
        QObject::connect(panel, &TimelinePanel::changed, [this] { ++changes; });
        QObject::connect(panel, &TimelinePanel::saveRequested, [this] { panel->saveTimeline(); });
        layout->addWidget(panel);
        window.resize(1100, 720);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        panel->loadTimeline();
        panel->refreshOnActivate();
    }
    TimelineModel& grid() { return *panel->grid(); }
    QCalendarWidget* calendar() { return panel->findChild<QCalendarWidget*>("timelineCalendar"); }
    QPushButton* button(TimelinePanel::Button b) { return panel->button(b); }
    void clickCell(int row, int column)
    {
        QTableView* view = panel->gridView();
        const QModelIndex index = grid().index(row, column);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    void pickDate(const QDate& date) { emit calendar()->clicked(date); }
    void addItem(const QString& text)
    {
        panel->itemBox()->setFocus();
        QTest::keyClicks(panel->itemBox(), text);
        QTest::mouseClick(button(TimelinePanel::AddToGridButton), Qt::LeftButton);
    }
};

// TODOActv.FIL as written for these rows: five quoted fields a row, missing ones empty.
QByteArray gridFile(const QList<QStringList>& rows)
{
    QByteArray bytes;
    for (int field = 0; field < 2500; ++field)
        bytes += "\"" + rows.value(field / 5).value(field % 5).toLatin1() + "\"\r\n";
    return bytes;
}

} // namespace

class TestTimelinePanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void datesArePickedFromTheCalendar();
    void dateBeforeAnyItemIsRefused();
    void deleteRowAnsweredNoChangesNothing();
    void insertRowNeverPushesOutAnItem();
    void itemBoxRules();
    void knownItemsListAndRemoval();
    void thirtyActivitiesSortDeleteSaveAndReload();
};

void TestTimelinePanel::initTestCase()
{
    Messages::setScripted(true);
    Clock::setSource([] { return QDateTime(kToday, QTime(9, 30)); });
}

void TestTimelinePanel::init()
{
    Messages::takeShown();
}

void TestTimelinePanel::cleanupTestCase()
{
    Clock::setSource({});
}

// A date cell opens the calendar on the cell's date (today when empty); a date picked is
// written into the cell, and only into date cells.
void TestTimelinePanel::datesArePickedFromTheCalendar()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"Risk analysis", "", "", "", "Wed - Jul 14, 10"}}));
    Host host;
    host.panel->setPrintAvailable(true);
    QSignalSpy changed(host.panel, &TimelinePanel::changed);
    host.clickCell(1, 5);
    QCOMPARE(host.calendar()->selectedDate(), QDate(2010, 7, 14));
    QCOMPARE(host.changes, 0);
    host.clickCell(1, 2);
    QVERIFY(host.calendar()->isVisible());
    QCOMPARE(host.calendar()->selectedDate(), kToday);
    QTRY_VERIFY(host.button(TimelinePanel::PrintButton)->hasFocus());
    host.pickDate(QDate(2004, 2, 3));
    QCOMPARE(host.grid().text(1, 2), QString("Tue - Feb 3, 04"));
    QVERIFY(host.changes > 0);
    QCOMPARE(changed.count(), 1);
    QVERIFY(host.panel->isSaveEnabled());

    host.clickCell(1, 3);
    host.pickDate(QDate(2004, 3, 1));
    host.clickCell(1, 1);
    QVERIFY(!host.calendar()->isVisible());
    QVERIFY(Messages::takeShown().isEmpty());
    QVERIFY(host.panel->saveTimeline());
    QVERIFY(!host.panel->isSaveEnabled());
    QCOMPARE(folder.read("TODOActv.FIL"),
             gridFile({{"Risk analysis", "Tue - Feb 3, 04", "Mon - Mar 1, 04", "", "Wed - Jul 14, 10"}}));
}

void TestTimelinePanel::dateBeforeAnyItemIsRefused()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"one"}, {"two"}}));
    Host host;
    host.clickCell(40, 3);
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).icon, Messages::Icon::Information);
    QVERIFY(!host.calendar()->isVisible());
    // The first empty item row is offered instead.
    QCOMPARE(host.panel->gridView()->currentIndex(), host.grid().index(3, 1));
    QCOMPARE(host.changes, 0);
    host.pickDate(QDate(2004, 1, 9));
    QCOMPARE(host.grid().text(3, 1), QString());
}

// The row is shown red while the question is open; No takes the red away, over a plain or
// a picture background, and changes nothing else.
void TestTimelinePanel::deleteRowAnsweredNoChangesNothing()
{
    TestFolder folder;
    const QByteArray original = gridFile({{"Encrypt laptops", "Tue - Feb 3, 04"}});
    folder.write("TODOActv.FIL", original);
    Host host;
    QColor colourWhileAsked;
    connect(host.panel->grid(), &QAbstractItemModel::dataChanged, host.panel, [&](const QModelIndex& from) {
        if (from.row() == 1 && !colourWhileAsked.isValid())
            colourWhileAsked = host.grid().cellColour(1, 3);
    });
    for (int background : {0, 3}) {
        host.panel->gridBackgroundMenu()->choiceAction(background)->trigger();
        host.clickCell(1, 1);
        QVERIFY(host.button(TimelinePanel::DeleteFromGridButton)->isEnabled());
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(host.button(TimelinePanel::DeleteFromGridButton), Qt::LeftButton);
        QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).defaultAnswer, Messages::Answer::No);
        QCOMPARE(colourWhileAsked, QColor(255, 0, 0));
        for (int c = 0; c < 6; ++c)
            QVERIFY(!host.grid().cellColour(1, c).isValid());
        QCOMPARE(host.changes, 0);
        QVERIFY(!host.button(TimelinePanel::DeleteFromGridButton)->isEnabled());
        QVERIFY(!host.panel->deleteItemAction()->isEnabled());
    }
    QVERIFY(!host.panel->gridView()->viewport()->palette().brush(QPalette::Base).textureImage().isNull());
    host.panel->saveTimeline();
    QCOMPARE(folder.read("TODOActv.FIL"), original);
}

// Inserting a row would push out a used last row: the user is told instead.
void TestTimelinePanel::insertRowNeverPushesOutAnItem()
{
    TestFolder folder;
    Host host;
    host.grid().setText(1, 1, "a");
    host.grid().setText(500, 1, "last");
    host.clickCell(1, 1);
    host.panel->insertRowAction()->trigger();
    QCOMPARE(host.grid().text(500, 1), QString("last"));
    QCOMPARE(host.grid().text(1, 1), QString("a"));
    QCOMPARE(Messages::takeShown().size(), 1);
}

// Opening writes nothing. The item box drops quotes and takes 45 characters at most.
void TestTimelinePanel::itemBoxRules()
{
    TestFolder folder;
    Host host;
    QCOMPARE(host.panel->findChild<QLabel*>("dateLabel")->text(), QString("Date: January 5, 2004"));
    QVERIFY(!host.panel->isSaveEnabled());
    QVERIFY(!QFile::exists(folder.filePath("TODOActv.FIL")));
    QLineEdit* box = host.panel->itemBox();
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClicks(box, "Say \"hello\" to staff");
    QCOMPARE(box->text(), QString("Say hello to staff"));
    QVERIFY(host.button(TimelinePanel::AddToGridButton)->isEnabled());
    box->clear();
    QTest::keyClicks(box, QString(60, QLatin1Char('x')));
    QCOMPARE(box->text().size(), 45);
    box->clear();
    QVERIFY(!host.button(TimelinePanel::AddToGridButton)->isEnabled());

    // Enter while a row is chosen writes the text and two blanks into the current cell.
    host.grid().setText(1, 1, "old");
    host.clickCell(1, 1);
    box->setFocus();
    QTest::keyClicks(box, "Policy review");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(host.grid().text(1, 1), QString("Policy review  "));
    QVERIFY(host.changes > 0);
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"Policy review\"\r\n"));
    QVERIFY(box->text().isEmpty());
}

void TestTimelinePanel::knownItemsListAndRemoval()
{
    TestFolder folder;
    folder.write("TODONAME.FIL", "\"Access control\"\r\n\"Audit controls\"\r\n");
    Host host;
    auto* list = host.panel->findChild<QComboBox*>("knownItemsList");
    QCOMPARE(list->count(), 2);
    QLineEdit* box = host.panel->itemBox();
    box->setFocus();
    QTest::keyClicks(box, "au");
    QCOMPARE(list->currentText(), QString("Audit controls"));
    box->clear();

    emit list->activated(1);
    QCOMPARE(box->text(), QString("Audit controls"));
    QTest::mouseClick(host.button(TimelinePanel::DeleteFromFileButton), Qt::LeftButton);
    QCOMPARE(list->count(), 1);
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"Access control\"\r\n"));

    // A name typed in another letter case is not added twice.
    host.addItem("ACCESS CONTROL ");
    QCOMPARE(list->count(), 1);
    QCOMPARE(host.grid().text(1, 1), QString("ACCESS CONTROL "));
    // An item typed into a cell in place joins the known names; a date does not.
    QVERIFY(host.grid().setData(host.grid().index(5, 1), "Facility access"));
    QCOMPARE(list->count(), 2);
    QVERIFY(host.grid().setData(host.grid().index(5, 2), "next week"));
    QCOMPARE(list->count(), 2);
}

void TestTimelinePanel::thirtyActivitiesSortDeleteSaveAndReload()
{
    TestFolder folder;
    Host host;
    for (int i = 1; i <= 30; ++i) {
        // Added in an order the sort has to undo.
        const QString item = QStringLiteral("Activity %1").arg(31 - i, 2, 10, QLatin1Char('0'));
        host.addItem(item);
        const int row = host.grid().firstEmptyItemRow() - 1;
        QCOMPARE(host.grid().text(row, 1), item);
        host.clickCell(row, 2);
        host.pickDate(QDate(2004, 1, 1).addDays(31 - i));
        host.clickCell(row, 5);
        host.pickDate(QDate(2005, 1, 1).addDays(31 - i));
    }
    QCOMPARE(host.grid().usedRowCount(), 30);
    QVERIFY(Messages::takeShown().isEmpty());

    QHeaderView* header = host.panel->gridView()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    QCOMPARE(host.grid().text(1, 1), QString("Activity 01"));
    QCOMPARE(host.grid().text(30, 1), QString("Activity 30"));

    for (int row : {10, 4}) {
        host.clickCell(row, 1);
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(host.button(TimelinePanel::DeleteFromGridButton), Qt::LeftButton);
    }
    QCOMPARE(Messages::takeShown().size(), 2);
    QCOMPARE(host.grid().usedRowCount(), 28);
    QCOMPARE(host.grid().rowCount(), 501);

    QTest::mouseClick(host.button(TimelinePanel::SaveButton), Qt::LeftButton);
    QVERIFY(!host.panel->isSaveEnabled());

    QList<QStringList> left;
    for (int n = 1; n <= 30; ++n) {
        if (n == 4 || n == 10) // row 10 was deleted first, then row 4
            continue;
        left.append({QStringLiteral("Activity %1").arg(n, 2, 10, QLatin1Char('0')),
                     TimelineDate::cellText(QDate(2004, 1, 1).addDays(n)), "", "",
                     TimelineDate::cellText(QDate(2005, 1, 1).addDays(n))});
    }
    Host fresh;
    QCOMPARE(fresh.grid().usedRowCount(), 28);
    QCOMPARE(fresh.grid().text(28, 5), left.last().last());
    QCOMPARE(folder.read("TODOActv.FIL"), gridFile(left));
    QCOMPARE(fresh.panel->itemNames().count(), 30);
}

QTEST_MAIN(TestTimelinePanel)
#include "tst_timelinepanel.moc"
