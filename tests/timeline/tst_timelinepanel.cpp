// The timeline panel driven as a user would: clicks, the calendar, the buttons and the files.
#include "TestFolder.h"

#include "base/Clock.h"
#include "base/Messages.h"
#include "base/RecordFile.h"
#include "timeline/GridBackgroundMenu.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"

#include <QAction>
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
struct Host
{
    QWidget window;
    TimelinePanel* panel;
    Host()
    {
        auto* layout = new QVBoxLayout(&window);
        panel = new TimelinePanel(&window);
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

QByteArray rowFields(const QStringList& five)
{
    QByteArray bytes;
    for (const QString& f : five)
        bytes += "\"" + f.toLatin1() + "\"\r\n";
    return bytes;
}

QByteArray gridFile(const QList<QStringList>& rows)
{
    QByteArray bytes;
    for (int r = 0; r < 500; ++r)
        bytes += rowFields(r < rows.size() ? rows.at(r) : QStringList({"", "", "", "", ""}));
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
    void opensWithHeadingsAndWritesNothing();
    void pickingADateWritesItsTextAndMarksChanged();
    void dateCellWithTextOpensCalendarOnIt();
    void dateBeforeAnyItemIsRefused();
    void clearGridThenDecliningToSaveKeepsTheFiles();
    void headerSortKeepsUsedRowsFirst();
    void deleteRowQuestionsAndNoChangesNothing();
    void deleteRowRedIsRemovedOverAPicture();
    void deleteRowYesRemovesTheRow();
    void insertRowKeeps500ItemRows();
    void itemBoxRules();
    void knownItemsListAndRemoval();
    void failedSaveIsReportedAndStaysChanged();
    void backgroundChoiceAppliesToEveryGridAndIsRemembered();
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

void TestTimelinePanel::opensWithHeadingsAndWritesNothing()
{
    TestFolder folder;
    Host host;
    QCOMPARE(host.panel->findChild<QLabel*>("timelineHeadingLabel")->text(), QString("Project Timeline/To Do List"));
    QCOMPARE(host.panel->findChild<QLabel*>("dateLabel")->text(), QString("Date: January 5, 2004"));
    const QStringList captions = {
        "E&xit", "&Delete Item fm File", "&Add to To Do Grid", "&Delete Item from Grid", "&Print",
        "&Save", "&Clear Grid"};
    for (int b = 0; b < TimelinePanel::ButtonCount; ++b)
        QCOMPARE(host.button(TimelinePanel::Button(b))->text(), captions.at(b));
    QCOMPARE(host.grid().rowCount(), 501);
    QCOMPARE(host.grid().usedRowCount(), 0);
    QHeaderView* header = host.panel->gridView()->horizontalHeader();
    QCOMPARE(host.grid().headerData(5, Qt::Horizontal).toString(), QString("Next Review Date"));
    int total = 0;
    for (int c = 0; c < 6; ++c)
        total += header->sectionSize(c);
    QCOMPARE(total, host.panel->gridView()->viewport()->width());
    QCOMPARE(header->sectionSize(1), qRound(0.355 * total) - qRound(0.015 * total));
    QCOMPARE(header->sectionSize(4), qRound(0.76 * total) - qRound(0.755 * total));
    QVERIFY(!host.calendar()->isVisible());
    QVERIFY(!host.panel->isSaveEnabled());
    QVERIFY(host.panel->clearGridAction()->isEnabled());
    QVERIFY(!host.panel->isChanged());
    QVERIFY(host.panel->saveTimeline());
    QVERIFY(!QFile::exists(folder.filePath("TODOActv.FIL")));
    QVERIFY(!QFile::exists(folder.filePath("TODONAME.FIL")));
}

void TestTimelinePanel::pickingADateWritesItsTextAndMarksChanged()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"Risk analysis", "", "", "", ""}}));
    Host host;
    host.panel->setPrintAvailable(true);
    QSignalSpy changed(host.panel, &TimelinePanel::changed);
    host.clickCell(1, 2);
    QVERIFY(host.calendar()->isVisible());
    QCOMPARE(host.calendar()->x(), int(0.575 * host.panel->width()));
    QCOMPARE(host.calendar()->selectedDate(), kToday);
    QTRY_VERIFY(host.button(TimelinePanel::PrintButton)->hasFocus());
    host.pickDate(QDate(2004, 2, 3));
    QCOMPARE(host.grid().text(1, 2), QString("Tue - Feb 3, 04"));
    QVERIFY(host.panel->isChanged());
    QCOMPARE(changed.count(), 1);
    QVERIFY(host.panel->isSaveEnabled());
    QVERIFY(host.calendar()->isVisible());

    host.clickCell(1, 3);
    QCOMPARE(host.calendar()->x(), int(0.28 * host.panel->width()));
    host.pickDate(QDate(2004, 3, 1));
    host.clickCell(1, 5);
    QCOMPARE(host.calendar()->x(), int(0.485 * host.panel->width()));
    host.pickDate(QDate(2005, 3, 1));
    QCOMPARE(host.grid().text(1, 3), QString("Mon - Mar 1, 04"));
    QCOMPARE(host.grid().text(1, 5), QString("Tue - Mar 1, 05"));
    host.clickCell(1, 1);
    QVERIFY(!host.calendar()->isVisible());
    QVERIFY(Messages::takeShown().isEmpty());

    QVERIFY(host.panel->saveTimeline());
    QVERIFY(!host.panel->isChanged());
    QVERIFY(!host.panel->isSaveEnabled());
    QCOMPARE(folder.read("TODOActv.FIL"),
             gridFile({{"Risk analysis", "Tue - Feb 3, 04", "Mon - Mar 1, 04", "", "Tue - Mar 1, 05"}}));
}

void TestTimelinePanel::dateCellWithTextOpensCalendarOnIt()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"Audit logs", "Wed - Jul 14, 10", "", "", ""}}));
    Host host;
    host.clickCell(1, 2);
    QCOMPARE(host.calendar()->selectedDate(), QDate(2010, 7, 14));
    QVERIFY(!host.panel->isChanged());
}

void TestTimelinePanel::dateBeforeAnyItemIsRefused()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"one", "", "", "", ""}, {"two", "", "", "", ""}}));
    Host host;
    host.clickCell(40, 3);
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QString("Please, enter an Item before any dates."));
    QCOMPARE(shown.at(0).title, QString("Item Grid"));
    QCOMPARE(shown.at(0).icon, Messages::Icon::Information);
    QCOMPARE(shown.at(0).buttons, Messages::Buttons::Ok);
    QVERIFY(!host.calendar()->isVisible());
    QCOMPARE(host.panel->gridView()->currentIndex(), host.grid().index(3, 1));
    QCOMPARE(host.panel->gridView()->rowAt(0), 3);
    QVERIFY(host.button(TimelinePanel::DeleteFromGridButton)->isEnabled());
    QVERIFY(!host.panel->isChanged());
    host.pickDate(QDate(2004, 1, 9)); // the calendar writes only into date columns
    QCOMPARE(host.grid().text(3, 1), QString());
}

void TestTimelinePanel::clearGridThenDecliningToSaveKeepsTheFiles()
{
    TestFolder folder;
    const QByteArray original = gridFile({{"Backup plan", "Mon - Jan 5, 04", "", "", ""}});
    folder.write("TODOActv.FIL", original);
    Host host;

    Messages::queueAnswer(Messages::Answer::No);
    host.panel->clearGrid();
    QCOMPARE(host.grid().usedRowCount(), 1);
    QVERIFY(!host.panel->isChanged());

    Messages::queueAnswer(Messages::Answer::Yes);
    QMetaObject::invokeMethod(host.panel->clearGridAction(), "trigger");
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(1).text, QString("Do you really want To Clear the Grid?"));
    QCOMPARE(shown.at(1).title, QString("Clear Grid"));
    QCOMPARE(shown.at(1).buttons, Messages::Buttons::YesNoCancel);
    QCOMPARE(shown.at(1).defaultAnswer, Messages::Answer::No);
    QCOMPARE(host.grid().usedRowCount(), 0);
    QCOMPARE(host.grid().rowCount(), 501);
    QVERIFY(host.panel->isChanged());
    QCOMPARE(folder.read("TODOActv.FIL"), original);

    // The host's save question answered No: the mark goes, nothing is written.
    host.panel->setChanged(false);
    QVERIFY(host.panel->saveTimeline());
    QCOMPARE(folder.read("TODOActv.FIL"), original);
    host.panel->loadTimeline();
    QCOMPARE(host.grid().text(1, 1), QString("Backup plan"));
}

void TestTimelinePanel::headerSortKeepsUsedRowsFirst()
{
    TestFolder folder;
    QList<QStringList> rows(60, QStringList({"", "", "", "", ""}));
    rows[4] = QStringList({"Train staff", "", "", "", ""});
    rows[17] = QStringList({"assign officer", "Mon - Jan 5, 04", "", "", ""});
    rows[59] = QStringList({"Backup plan", "", "", "", ""});
    folder.write("TODOActv.FIL", gridFile(rows));
    Host host;
    QHeaderView* header = host.panel->gridView()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    QCOMPARE(host.grid().rowCount(), 501);
    QCOMPARE(host.grid().text(1, 1), QString("assign officer"));
    QCOMPARE(host.grid().text(1, 2), QString("Mon - Jan 5, 04"));
    QCOMPARE(host.grid().text(2, 1), QString("Backup plan"));
    QCOMPARE(host.grid().text(3, 1), QString("Train staff"));
    QCOMPARE(host.grid().usedRowCount(), 3);
    QCOMPARE(host.grid().firstEmptyItemRow(), 4);
    QVERIFY(host.panel->isChanged());
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
}

void TestTimelinePanel::deleteRowQuestionsAndNoChangesNothing()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"Encrypt laptops", "Tue - Feb 3, 04", "", "", ""}}));
    Host host;
    QColor colourWhileAsked;
    connect(host.panel->grid(), &QAbstractItemModel::dataChanged, host.panel, [&](const QModelIndex& from) {
        if (from.row() == 1 && !colourWhileAsked.isValid())
            colourWhileAsked = host.grid().cellColour(1, 3);
    });
    host.clickCell(1, 1);
    QVERIFY(host.button(TimelinePanel::DeleteFromGridButton)->isEnabled());
    Messages::queueAnswer(Messages::Answer::No);
    QTest::mouseClick(host.button(TimelinePanel::DeleteFromGridButton), Qt::LeftButton);
    QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QString("Delete Activity and Dates for - \rEncrypt laptops, Tue - Feb 3, 04?"));
    QCOMPARE(shown.at(0).title, QString("Delete Row"));
    QCOMPARE(shown.at(0).icon, Messages::Icon::Question);
    QCOMPARE(shown.at(0).defaultAnswer, Messages::Answer::No);
    QCOMPARE(colourWhileAsked, QColor(255, 0, 0));
    for (int c = 0; c < 6; ++c)
        QVERIFY(!host.grid().cellColour(1, c).isValid());
    QCOMPARE(host.grid().text(1, 1), QString("Encrypt laptops"));
    QVERIFY(!host.panel->isChanged());
    QVERIFY(!host.button(TimelinePanel::DeleteFromGridButton)->isEnabled());
    QVERIFY(!host.panel->deleteItemAction()->isEnabled());

    host.clickCell(7, 1);
    Messages::queueAnswer(Messages::Answer::Cancel);
    host.panel->deleteItemFromGrid();
    shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QString("Delete This Row?"));
    QCOMPARE(host.grid().usedRowCount(), 1);
}

void TestTimelinePanel::deleteRowRedIsRemovedOverAPicture()
{
    TestFolder folder;
    QVERIFY(QFile::exists(folder.filePath("WP3.jpg")));
    folder.write("TODOActv.FIL", gridFile({{"a", "", "", "", ""}, {"b", "Mon - Jan 5, 04", "", "", ""}}));
    Host host;
    host.panel->gridBackgroundMenu()->choiceAction(3)->trigger();
    QVERIFY(host.panel->gridBackgroundMenu()->isPictureBackground());
    QVERIFY(!host.panel->gridView()->viewport()->palette().brush(QPalette::Base).textureImage().isNull());
    host.clickCell(2, 1);
    Messages::queueAnswer(Messages::Answer::No);
    host.panel->deleteItemFromGrid();
    for (int r = 1; r <= 500; ++r)
        for (int c = 0; c < 6; ++c)
            QVERIFY(!host.grid().cellColour(r, c).isValid());
    QCOMPARE(host.grid().text(1, 1), QString("a"));
    QCOMPARE(host.grid().text(2, 2), QString("Mon - Jan 5, 04"));
    QCOMPARE(host.grid().text(0, 1), QString("To Do Item"));
    QVERIFY(!host.panel->gridView()->viewport()->palette().brush(QPalette::Base).textureImage().isNull());
    QVERIFY(host.panel->gridView()->isRowHidden(0));
    QVERIFY(!host.panel->isChanged());
}

void TestTimelinePanel::deleteRowYesRemovesTheRow()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"a", "", "", "", ""}, {"b", "", "", "", ""}, {"c", "", "", "", ""}}));
    Host host;
    QSignalSpy changed(host.panel, &TimelinePanel::changed);
    host.clickCell(2, 1);
    Messages::queueAnswer(Messages::Answer::Yes);
    host.panel->deleteItemFromGrid();
    QCOMPARE(host.grid().rowCount(), 501);
    QCOMPARE(host.grid().text(1, 1), QString("a"));
    QCOMPARE(host.grid().text(2, 1), QString("c"));
    QCOMPARE(host.grid().usedRowCount(), 2);
    QVERIFY(!host.grid().cellColour(2, 1).isValid());
    QVERIFY(host.panel->isChanged());
    QVERIFY(changed.count() >= 1);
    QTRY_VERIFY(host.button(TimelinePanel::ExitButton)->hasFocus());
}

void TestTimelinePanel::insertRowKeeps500ItemRows()
{
    TestFolder folder;
    folder.write("TODOActv.FIL", gridFile({{"a", "", "", "", ""}, {"b", "", "", "", ""}}));
    Host host;
    host.clickCell(2, 1);
    host.panel->insertRowAction()->trigger();
    QCOMPARE(host.grid().rowCount(), 501);
    QCOMPARE(host.grid().text(2, 1), QString());
    QCOMPARE(host.grid().text(3, 1), QString("b"));
    QVERIFY(host.panel->isChanged());

    // A used last row is never pushed out.
    host.grid().setText(500, 1, "last");
    host.clickCell(1, 1);
    host.panel->insertRow();
    QCOMPARE(host.grid().text(500, 1), QString("last"));
    QCOMPARE(host.grid().text(1, 1), QString("a"));
    QCOMPARE(Messages::takeShown().size(), 1);
}

void TestTimelinePanel::itemBoxRules()
{
    TestFolder folder;
    Host host;
    QLineEdit* box = host.panel->itemBox();
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 192));
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
    QVERIFY(host.panel->isChanged());
    QCOMPARE(host.panel->itemNames().names(), QStringList({"Policy review"}));
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
    QVERIFY(host.button(TimelinePanel::DeleteFromFileButton)->isEnabled());
    QTest::mouseClick(host.button(TimelinePanel::DeleteFromFileButton), Qt::LeftButton);
    QCOMPARE(list->count(), 1);
    QCOMPARE(folder.read("TODONAME.FIL"), QByteArray("\"Access control\"\r\n"));
    QVERIFY(box->text().isEmpty());

    // A name typed in another letter case is not added twice.
    host.addItem("ACCESS CONTROL ");
    QCOMPARE(list->count(), 1);
    QCOMPARE(host.grid().text(1, 1), QString("ACCESS CONTROL "));
    host.addItem("Workforce security");
    QCOMPARE(list->count(), 2);
    QCOMPARE(host.grid().text(2, 1), QString("Workforce security"));

    // Enter in the list's own text field registers what was typed there.
    list->lineEdit()->setFocus();
    list->lineEdit()->setText("Sanction policy");
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    QCOMPARE(list->count(), 3);
    QVERIFY(folder.read("TODONAME.FIL").endsWith("\"Sanction policy\"\r\n"));
    QVERIFY(box->text().isEmpty());

    // An item typed into a cell in place joins the known names.
    QVERIFY(host.grid().setData(host.grid().index(5, 1), "Facility access"));
    QCOMPARE(list->count(), 4);
    QVERIFY(host.panel->itemNames().contains("facility ACCESS"));
    QVERIFY(host.grid().setData(host.grid().index(5, 2), "next week"));
    QCOMPARE(list->count(), 4);
}

void TestTimelinePanel::failedSaveIsReportedAndStaysChanged()
{
    TestFolder folder;
    Host host;
    host.addItem("Contingency plan");
    QVERIFY(host.panel->isChanged());
    QVERIFY(QDir(folder.path()).mkdir("TODOActv.FIL"));
    QVERIFY(!host.panel->saveTimeline());
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.at(0).text.startsWith("The To Do list could not be saved to TODOActv.FIL."));
    QVERIFY(host.panel->isChanged());
    QVERIFY(host.panel->isSaveEnabled());
}

void TestTimelinePanel::backgroundChoiceAppliesToEveryGridAndIsRemembered()
{
    TestFolder folder;
    QByteArray settings(700, '\0');
    settings.replace(200, 3,
                     QByteArray("\x01\x00"
                                "1",
                                3));
    settings.replace(680, 5,
                     QByteArray("\x03\x00"
                                "Yes",
                                5));
    folder.write("GColor3.Fil", settings);
    {
        Host host;
        GridBackgroundMenu* menu = host.panel->gridBackgroundMenu();
        QCOMPARE(menu->title(), QString("&Grid Background Selector"));
        QCOMPARE(menu->actions().size(), 9);
        QCOMPARE(menu->actions().at(0)->text(), QString("&None"));
        QCOMPARE(menu->actions().at(8)->text(), QString("&8"));
        QVERIFY(menu->choiceAction(0)->isChecked());
        menu->setPlainColour(QColor(240, 240, 230));
        QCOMPARE(host.panel->gridView()->viewport()->palette().color(QPalette::Base), QColor(240, 240, 230));

        QTableView overview;
        menu->addGrid(&overview);
        menu->choiceAction(3)->trigger();
        QVERIFY(menu->choiceAction(3)->isChecked());
        QVERIFY(!menu->choiceAction(0)->isChecked());
        QCOMPARE(menu->backgroundName(), QString("WP3"));
        QVERIFY(!overview.viewport()->palette().brush(QPalette::Base).textureImage().isNull());
        QByteArray expected = settings;
        expected.replace(20, 4, QByteArray("\x02\x00 3", 4));
        QCOMPARE(folder.read("GColor3.Fil"), expected);

        menu->choiceAction(0)->trigger();
        QVERIFY(overview.viewport()->palette().brush(QPalette::Base).textureImage().isNull());
        QCOMPARE(overview.viewport()->palette().color(QPalette::Base), QColor(240, 240, 230));
        menu->choiceAction(3)->trigger();
    }
    Host restarted;
    QVERIFY(restarted.panel->gridBackgroundMenu()->choiceAction(3)->isChecked());
    QVERIFY(!restarted.panel->gridView()->viewport()->palette().brush(QPalette::Base).textureImage().isNull());
}

void TestTimelinePanel::thirtyActivitiesSortDeleteSaveAndReload()
{
    TestFolder folder;
    Host host;
    QStringList expected;
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
    QVERIFY(!host.panel->isChanged());
    QCOMPARE(folder.read("TODOActv.FIL").count("\r\n"), 2500);

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
    for (int r = 0; r < left.size(); ++r) {
        for (int c = 0; c < 5; ++c)
            QCOMPARE(fresh.grid().text(r + 1, c + 1), left.at(r).at(c));
    }
    QCOMPARE(folder.read("TODOActv.FIL"), gridFile(left));
    QCOMPARE(fresh.panel->itemNames().count(), 30);
}

QTEST_MAIN(TestTimelinePanel)
#include "tst_timelinepanel.moc"
