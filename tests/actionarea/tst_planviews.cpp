// The Risk Analysis worksheets, the Disaster Recovery Plan, the sample entry and Insert
// Template, driven offscreen through the Action Area.
#include "ActionAreaFixture.h"
#include "actionarea/SafeguardButtonPanel.h"

#include "base/Messages.h"
#include "richtext/RichTextBox.h"
#include "worksheets/RiskWorksheetButtons.h"
#include "worksheets/WorksheetDocument.h"
#include "worksheets/WorksheetPanel.h"
#include "worksheets/WorksheetTitleEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QStringList titles(const QList<Messages::Shown>& shown)
{
    QStringList list;
    for (const Messages::Shown& m : shown)
        list << m.title;
    return list;
}

} // namespace

class TestPlanViews : public QObject, private ActionAreaFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void worksheetTitlesAndMarks();
    void worksheetStatusFollowsItsText();
    void newWorksheetAsksOnlyOverAFile();
    void planStartsFromTheSample();
    void insertTemplateLoadsTheEntrysPolicy();
    void sampleEntryNoticesOnceAndCannotBeSaved();

private:
    void open();
    void pressLeft(int v) { QTest::mouseClick(m_area->leftHandButton(v), Qt::LeftButton); }
    WorksheetPanel* sheet() const { return m_area->worksheet(); }
    RichTextBox* editor() const { return sheet()->editor(); }
    RiskWorksheetButtons* buttons() const { return m_area->safeguardPanel()->worksheetButtons(); }
    void type(const QString& text)
    {
        editor()->setFocus();
        editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor(), text);
    }
    void save() { QTest::mouseClick(sheet()->saveButton(), Qt::LeftButton); }
};

void TestPlanViews::init()
{
    prepareWorkbook();
    open();
}

void TestPlanViews::open()
{
    openActionArea();
    Messages::takeShown();
}

void TestPlanViews::cleanup()
{
    closeWorkbook();
}

void TestPlanViews::worksheetTitlesAndMarks()
{
    pressLeft(7);
    QCOMPARE(buttons()->button(2)->text(), QStringLiteral("Risk Analysis # 3"));
    QCOMPARE(buttons()->button(9)->text(), QStringLiteral("Risk Analysis #10"));
    QCOMPARE(buttons()->button(20)->text(), QStringLiteral("Risk Analysis #21"));
    for (int n = 0; n < 21; ++n)
        QVERIFY(!buttons()->hasContent(n));

    m_area->actions().changeWorksheetTitle->trigger();
    auto* titleEditor = m_area->findChild<WorksheetTitleEditor*>();
    QVERIFY(titleEditor->isVisible());
    titleEditor->entry(2)->setText(QStringLiteral("Front desk PCs"));
    titleEditor->entry(4)->setText(QStringLiteral("  Server  "));
    // Esc closes without saving; what was typed waits for the next opening.
    QTest::keyClick(m_area.get(), Qt::Key_Escape);
    QVERIFY(!titleEditor->isVisible());
    QVERIFY(!QFileInfo(m_folder->filePath(QStringLiteral("RAList.Fil"))).size());
    m_area->actions().changeWorksheetTitle->trigger();
    QCOMPARE(titleEditor->entry(2)->text(), QStringLiteral("Front desk PCs"));
    QTest::mouseClick(titleEditor->saveButton(), Qt::LeftButton);

    const QByteArray file = m_folder->read(QStringLiteral("RAList.Fil"));
    QCOMPARE(file.mid(40, 16), QByteArray("\x0E\x00"
                                          "Front desk PCs",
                                          16));
    QCOMPARE(file.mid(80, 12), QByteArray("\x0A\x00  Server  ", 12));
    QCOMPARE(file.mid(0, 40), QByteArray(40, '\0')); // rows left empty keep their titles
    QCOMPARE(buttons()->button(4)->text(), QStringLiteral("Server"));
    pressLeft(2);
    pressLeft(7);
    QCOMPARE(buttons()->button(2)->text(), QStringLiteral("Front desk PCs"));
    QCOMPARE(buttons()->button(0)->text(), QStringLiteral("Risk Analysis # 1"));
}

void TestPlanViews::worksheetStatusFollowsItsText()
{
    pressLeft(7);
    QTest::mouseClick(buttons()->button(2), Qt::LeftButton);
    QCOMPARE(m_area->windowTitle(), QStringLiteral("Action Area - Risk Analysis Worksheets - Risk Analysis # 3"));
    type(QStringLiteral("Front desk PCs hold ePHI"));
    save();
    QComboBox* list = sheet()->statusList();
    QVERIFY(list->isVisible());
    list->setCurrentIndex(1);
    emit list->activated(1); // "Yes"
    QCOMPARE(m_folder->read(QStringLiteral("Stat1.Fil")).mid(980, 5), QByteArray("\x03\x00Yes", 5));

    // After a restart the worksheet is marked and keeps its text and status.
    open();
    pressLeft(7);
    QVERIFY(buttons()->hasContent(2));
    QTest::mouseClick(buttons()->button(2), Qt::LeftButton);
    QCOMPARE(editor()->text(), QStringLiteral("Front desk PCs hold ePHI"));
    QCOMPARE(sheet()->statusText(), QStringLiteral("Yes"));

    // Saved empty, it has no status left.
    editor()->selectAll();
    QTest::keyClick(editor(), Qt::Key_Delete);
    save();
    QCOMPARE(m_folder->read(QStringLiteral("Stat1.Fil")).mid(980, 20), QByteArray(20, '\0'));
    QCOMPARE(sheet()->statusText(), QString());
    pressLeft(7);
    QVERIFY(!buttons()->hasContent(2));
}

void TestPlanViews::newWorksheetAsksOnlyOverAFile()
{
    pressLeft(7);
    QCOMPARE(sheet()->templateButton()->text(), QStringLiteral("New Worksheet"));
    QTest::mouseClick(buttons()->button(0), Qt::LeftButton);
    QTest::mouseClick(sheet()->templateButton(), Qt::LeftButton);
    QVERIFY(Messages::takeShown().isEmpty());
    QVERIFY(editor()->text().contains(QStringLiteral("Likelihood")));
    QVERIFY(sheet()->document()->isChanged());
    save();

    type(QStringLiteral(" my own notes"));
    const QString before = editor()->text();
    Messages::queueAnswer(Messages::Answer::No);
    QTest::mouseClick(sheet()->templateButton(), Qt::LeftButton);
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(titles(shown), QStringList{QStringLiteral("New Worksheet")});
    QVERIFY(shown.at(0).text.startsWith(QStringLiteral("The program has detected an existing Risk Analysis # 1 "
                                                       "worksheet!\r\r")));
    QCOMPARE(shown.at(0).defaultAnswer, Messages::Answer::No);
    QCOMPARE(editor()->text(), before);
}

void TestPlanViews::planStartsFromTheSample()
{
    pressLeft(8);
    QCOMPARE(titles(Messages::takeShown()), QStringList{QStringLiteral("Disaster Recovery Plan Information")});
    const QString sample = editor()->text();
    QVERIFY(sample.size() > 1000);
    QVERIFY(!sheet()->document()->isChanged());
    QVERIFY(sheet()->saveButton()->isEnabled());
    save();
    QVERIFY(m_folder->read(QStringLiteral("DRPln1.Fil")).startsWith("{\\rtf1"));
    pressLeft(2);
    pressLeft(8);
    QVERIFY(Messages::takeShown().isEmpty());
    QCOMPARE(editor()->text(), sample);

    // A plan of blanks is no plan.
    editor()->setText(QStringLiteral("    "));
    save();
    pressLeft(2);
    pressLeft(8);
    QCOMPARE(titles(Messages::takeShown()), QStringList{QStringLiteral("Disaster Recovery Plan Information")});
    // Insert Template over an empty plan asks nothing.
    QTest::mouseClick(sheet()->templateButton(), Qt::LeftButton);
    QVERIFY(Messages::takeShown().isEmpty());
}

void TestPlanViews::insertTemplateLoadsTheEntrysPolicy()
{
    pressLeft(2);
    QTest::mouseClick(m_area->safeguardPanel()->button(2, 14), Qt::LeftButton);
    QTest::mouseClick(sheet()->paneButton(WorksheetPane::PoliciesProcedures), Qt::LeftButton);
    QVERIFY(sheet()->templateButton()->isEnabled());
    QTest::mouseClick(sheet()->templateButton(), Qt::LeftButton);
    QVERIFY(Messages::takeShown().isEmpty()); // no policy document yet
    QVERIFY(editor()->text().startsWith(QStringLiteral("Password Management Policy and Procedure")));
    QVERIFY(sheet()->document()->isChanged());
    save();

    // Over an existing policy the question comes first, with No as the default.
    Messages::queueAnswer(Messages::Answer::Yes);
    QTest::mouseClick(sheet()->templateButton(), Qt::LeftButton);
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(titles(shown), QStringList{QStringLiteral("Insert Template")});
    QCOMPARE(shown.at(0).defaultAnswer, Messages::Answer::No);
    QCOMPARE(shown.at(0).icon, Messages::Icon::Exclamation);
}

// The sample entry's notices come once per load of the Action Area; its text can be edited
// but never saved, and leaving drops the edits without a question.
void TestPlanViews::sampleEntryNoticesOnceAndCannotBeSaved()
{
    for (int load = 0; load < 2; ++load) {
        for (int visit = 0; visit < 2; ++visit) {
            pressLeft(9);
            QTest::mouseClick(sheet()->paneButton(WorksheetPane::PoliciesProcedures), Qt::LeftButton);
            const QStringList expected = visit == 0 ? QStringList{QStringLiteral("Sample Safeguard Entry"),
                                                                  QStringLiteral("Policies and Procedures")}
                                                    : QStringList();
            QCOMPARE(titles(Messages::takeShown()), expected);
            QVERIFY(!editor()->isLocked());
            pressLeft(2);
        }
        open();
    }
    // The sample names its standard as the rule does; its template is Password Management's.
    pressLeft(9);
    QCOMPARE(sheet()->standardLabel()->text(), QStringLiteral(" Standard: Security Awareness and Training"));
    QCOMPARE(sheet()->specificationLabel()->text(), QStringLiteral(" Specification: Password Management (A)"));
    QCOMPARE(sheet()->statusText(), QStringLiteral("Completed"));
    QTest::mouseClick(sheet()->paneButton(WorksheetPane::PoliciesProcedures), Qt::LeftButton);
    Messages::takeShown();
    Messages::queueAnswer(Messages::Answer::Yes);
    QTest::mouseClick(sheet()->templateButton(), Qt::LeftButton);
    QVERIFY(editor()->text().startsWith(QStringLiteral("Password Management Policy and Procedure")));
    type(QStringLiteral("My own policy"));
    Messages::takeShown();
    save();
    const QList<Messages::Shown> refused = Messages::takeShown();
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.at(0).text, QStringLiteral("Unable to save changes to sample."));
    QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("SamplePol.Dat"))) ||
            !m_folder->read(QStringLiteral("SamplePol.Dat")).contains("My own policy"));
    pressLeft(2);
    QVERIFY(Messages::takeShown().isEmpty());
}

QTEST_MAIN(TestPlanViews)
#include "tst_planviews.moc"
