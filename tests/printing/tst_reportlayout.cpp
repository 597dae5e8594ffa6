// The printouts' layout, checked on the engine's recorded operations.
#include "TestFolder.h"
#include "printing/GuideLineChoice.h"
#include "printing/ReferencePrintout.h"
#include "printing/ReportPrinter.h"
#include "printing/SafeguardReport.h"
#include "printing/TimelineReport.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

Q_DECLARE_METATYPE(SafeguardReport::Boxes)

namespace {

QVector<PrintOperation> ops(const ReportPrinter& printer, int page, PrintOperation::Kind kind)
{
    QVector<PrintOperation> found;
    for (const PrintOperation& op : printer.document().pages().at(page).operations)
        if (op.kind == kind)
            found.append(op);
    return found;
}

const PrintOperation* textOp(const ReportPrinter& printer, const QString& text)
{
    for (const PrintedPage& page : printer.document().pages())
        for (const PrintOperation& op : page.operations)
            if (op.kind == PrintOperation::Text && op.text == text)
                return &op;
    return nullptr;
}

int pageOf(const ReportPrinter& printer, const QString& text)
{
    for (int p = 0; p < printer.document().pageCount(); ++p)
        for (const PrintOperation& op : printer.document().pages().at(p).operations)
            if (op.kind == PrintOperation::Text && op.text == text)
                return p;
    return -1;
}

double slices0Height(const ReportPrinter& printer)
{
    return ops(printer, 0, PrintOperation::Document).value(0).document->size().height();
}

TimelineReport::Rows timelineRows(const QList<int>& used)
{
    TimelineReport::Rows rows(500);
    for (int r : used)
        rows[r - 1] = {
            QString(), QStringLiteral("Item %1").arg(r), QStringLiteral("Mon - Jan 5, 26"), QString(), QString(),
            QString()};
    return rows;
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT
private slots:
    void physicalFollowsAdministrative();
    void everyCellKeepsItsRowLevel();
    void checkBoxRule_data();
    void checkBoxRule();
    void tablesNeverRunPastTheMargin();
    void timelineRow500Only();
    void timelineRepeatsHeadingOnEveryPage_data();
    void timelineRepeatsHeadingOnEveryPage();
    void referenceTextsJoinTickedBoxes();
    void guideLineChoiceIsRecord11();
    void longParagraphGoesOnOverPages();
};

void TestReportLayout::physicalFollowsAdministrative()
{
    ReportPrinter printer;
    QStringList statuses(71);
    SafeguardReport report(printer, statuses, Qt::black);
    report.build({false, true, true, false});
    QCOMPARE(printer.document().pageCount(), 1);
    QCOMPARE(report.tables().size(), 2);
    QCOMPARE(report.tables()[1].titleRule, report.tables()[0].bottom + 60);
    const QVector<PrintOperation> titles = [&] {
        QVector<PrintOperation> t;
        for (const auto& op : ops(printer, 0, PrintOperation::Text))
            if (op.text == SafeguardReportTables::kTitle)
                t.append(op);
        return t;
    }();
    QCOMPARE(titles.size(), 1);
    QVERIFY(!textOp(printer, SafeguardReportTables::kPoliciesHeading));
    report.build({true, false, false, false});
    QCOMPARE(report.tables().size(), 3);
    QVERIFY(textOp(printer, QStringLiteral("ADMINISTRATIVE SAFEGUARDS \u00a7164.308")));
    // The legend is never alone on a page: it stays with the last heading.
    QVERIFY(pageOf(printer, SafeguardReportTables::kPoliciesHeading) >= 0);
    QCOMPARE(pageOf(printer, SafeguardReportTables::kLegend), pageOf(printer, SafeguardReportTables::kPoliciesHeading));
    // Nothing ticked prints nothing.
    report.build({});
    QCOMPARE(printer.document().pageCount(), 0);
}

void TestReportLayout::everyCellKeepsItsRowLevel()
{
    ReportPrinter printer;
    QStringList statuses(71);
    statuses[23] = QStringLiteral(" Working ");
    SafeguardReport report(printer, statuses, Qt::black);
    report.build({false, true, false, false});
    const double top = report.tables()[0].top;
    const double line = (report.tables()[0].bottom - top) / 24;
    // Row 23 holds five cells side by side: Standards, Section, specification, mark, status.
    int row23 = 0;
    for (const auto& op : ops(printer, 0, PrintOperation::Text))
        row23 += qFuzzyCompare(op.at.y(), top + 22 * line) ? 1 : 0;
    QCOMPARE(row23, 5);
    QCOMPARE(textOp(printer, QStringLiteral("Working"))->at.y(), top + 22 * line);
    QCOMPARE(textOp(printer, QStringLiteral("Other Arrangements"))->at.y(), top + 23 * line);
    // Rules above the nine rows where a Standards entry begins, none above row 24, and the bottom rule.
    QList<double> rules;
    for (const auto& op : ops(printer, 0, PrintOperation::Line))
        if (op.at.y() == op.to.y() && op.at.y() >= top)
            rules.append(op.at.y());
    QCOMPARE(rules.size(), 10);
    QVERIFY(!rules.contains(top + 23 * line));
    QCOMPARE(rules.last(), top + 24 * line);
}

void TestReportLayout::checkBoxRule_data()
{
    QTest::addColumn<SafeguardReport::Boxes>("before");
    QTest::addColumn<int>("changed");
    QTest::addColumn<SafeguardReport::Boxes>("after");
    QTest::newRow("all clears the groups")
        << SafeguardReport::Boxes{true, true, false, true} << 0 << SafeguardReport::Boxes{true, false, false, false};
    QTest::newRow("a group clears all") << SafeguardReport::Boxes{true, false, false, true} << 3
                                        << SafeguardReport::Boxes{false, false, false, true};
    QTest::newRow("groups together") << SafeguardReport::Boxes{false, true, true, false} << 2
                                     << SafeguardReport::Boxes{false, true, true, false};
    QTest::newRow("a cleared box changes nothing")
        << SafeguardReport::Boxes{true, false, false, false} << 1 << SafeguardReport::Boxes{true, false, false, false};
}

void TestReportLayout::checkBoxRule()
{
    QFETCH(SafeguardReport::Boxes, before);
    QFETCH(int, changed);
    QFETCH(SafeguardReport::Boxes, after);
    QVERIFY(SafeguardReport::afterToggle(before, changed) == after);
}

void TestReportLayout::tablesNeverRunPastTheMargin()
{
    ReportPrinter printer;
    printer.setOrientation(ReportPrinter::Landscape);
    QStringList statuses(71);
    SafeguardReport(printer, statuses, Qt::black).build({true, false, false, false});
    QVERIFY(printer.document().pageCount() > 1);
    for (const PrintedPage& page : printer.document().pages())
        for (const PrintOperation& op : page.operations) {
            const double bottom = op.kind == PrintOperation::Text ? op.at.y() + printer.lineHeight() : op.to.y();
            QVERIFY(bottom <= printer.pageHeight() - printer.marginBottom() + 1);
        }
}

void TestReportLayout::timelineRow500Only()
{
    ReportPrinter printer;
    PrintSettings settings;
    TimelineReport(printer, settings, {false, true, {}}).build(timelineRows({500}));
    QCOMPARE(printer.document().pageCount(), 1);
    QVERIFY(textOp(printer, QStringLiteral("Item 500").leftJustified(45)));
    // The grid's vertical lines run down to the lower limit, well below the one row.
    double lowest = 0;
    for (const PrintOperation& line : ops(printer, 0, PrintOperation::Line))
        lowest = qMax(lowest, qMax(line.at.y(), line.to.y()));
    QVERIFY2(lowest > printer.pageHeight() - 1000, qPrintable(QString::number(lowest)));
    QVERIFY(!TimelineReport::hasEntries(TimelineReport::Rows(500)));
}

// Every page repeats the title, the date when asked for and the column headings; the grid
// lines come only when asked for.
void TestReportLayout::timelineRepeatsHeadingOnEveryPage_data()
{
    QTest::addColumn<bool>("asOfDate");
    QTest::addColumn<bool>("gridLines");
    QTest::newRow("date and lines") << true << true;
    QTest::newRow("neither") << false << false;
}

void TestReportLayout::timelineRepeatsHeadingOnEveryPage()
{
    QFETCH(bool, asOfDate);
    QFETCH(bool, gridLines);
    ReportPrinter printer;
    PrintSettings settings;
    QList<int> used;
    for (int r = 1; r <= 120; ++r)
        used.append(r);
    TimelineReport(printer, settings, {asOfDate, gridLines, QDate(2026, 3, 7)}).build(timelineRows(used));
    QVERIFY(printer.document().pageCount() >= 2);
    for (int p = 0; p < printer.document().pageCount(); ++p) {
        QStringList texts;
        for (const auto& op : ops(printer, p, PrintOperation::Text))
            texts.append(op.text);
        QCOMPARE(texts.value(0), TimelineReport::kTitle);
        QCOMPARE(texts.contains(QStringLiteral("As of  March 07, 2026")), asOfDate);
        QCOMPARE(texts.value(1), asOfDate ? QStringLiteral("As of  March 07, 2026") : QString());
        QCOMPARE(texts.value(2), QStringLiteral("To Do Item"));
        QCOMPARE(ops(printer, p, PrintOperation::Line).isEmpty(), !gridLines);
    }
}

void TestReportLayout::referenceTextsJoinTickedBoxes()
{
    PrintSettings settings;
    settings.fontName = QStringLiteral("Courier New");
    settings.fontSize = 11;
    const QStringList texts = {QStringLiteral("Specification on password management."), QStringLiteral("Rule"),
                               QStringLiteral("More on Password Management here.")};
    const auto document = ReferencePrintout::build(texts, {true, false, true}, settings, 15);
    QCOMPARE(document->toPlainText(), texts[0] + QStringLiteral("\n\n") + texts[2]);
    QTextCursor cursor(document.get());
    cursor.setPosition(2);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), settings.fontName);
    QCOMPARE(cursor.charFormat().fontPointSize(), 11.0);
    QVERIFY(cursor.charFormat().fontWeight() != QFont::Bold);
    cursor.setPosition(int(texts[0].indexOf(QLatin1String("password"))) + 2);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY(cursor.charFormat().fontUnderline());
    QVERIFY(ReferencePrintout::build(texts, {false, false, false}, settings, 15)->isEmpty());
}

void TestReportLayout::guideLineChoiceIsRecord11()
{
    TestFolder folder(false);
    QCOMPARE(GuideLineChoice::load(), 0);
    QVERIFY(GuideLineChoice::store(1));
    const QByteArray bytes = folder.read(QStringLiteral("GColor3.Fil"));
    QCOMPARE(bytes.mid(200, 3), QByteArray("\x01\x00"
                                           "1",
                                           3));
    QCOMPARE(GuideLineChoice::load(), 1);
}

void TestReportLayout::longParagraphGoesOnOverPages()
{
    ReportPrinter printer;
    printer.setMarginTop(300);
    printer.setMarginBottom(100);
    printer.startDoc();
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines.append(QStringLiteral("Line %1 of a long policy").arg(i));
    printer.paragraph(lines.join(QLatin1Char('\n')));
    printer.endDoc();
    QVERIFY(printer.document().pageCount() >= 2);
    double previousBottom = 0;
    for (int p = 0; p < printer.document().pageCount(); ++p) {
        const QVector<PrintOperation> slices = ops(printer, p, PrintOperation::Document);
        QCOMPARE(slices.size(), 1);
        QCOMPARE(slices[0].sliceTop, previousBottom);
        QCOMPARE(slices[0].at.y(), 300.0);
        QVERIFY(slices[0].at.y() + slices[0].sliceBottom - slices[0].sliceTop <= printer.pageHeight() - 100);
        previousBottom = slices[0].sliceBottom;
    }
    QCOMPARE(previousBottom, slices0Height(printer));
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
