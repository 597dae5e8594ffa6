// Printing from the Action Area, read back from the PDF by poppler's tools.
#include "ActionAreaFixture.h"
#include "RequiredTool.h"
#include "actionarea/ActionAreaPrinting.h"
#include "base/Messages.h"
#include "printing/PrintDialogSeams.h"
#include "printing/PrintPanel.h"
#include "richtext/RichTextBox.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"
#include "worksheets/WorksheetPanel.h"

#include <QCheckBox>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPrintPdf : public QObject, private ActionAreaFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void reportsOfTheHighlightedGroupToPdf();
    void timelineReportRepeatsItsHeading();
    void emptyTimelineHasNothingToPrint();
    void boldDocumentKeepsItsBoldFace();
    void enlargeAndNormalRestoreThePreview();
    void pageSetupToLandscapeRebuilds();

private:
    QString savePdf(const QString& name);
    PrintPanel* panel() const { return m_area->printing()->panel(); }
};

void TestPrintPdf::init()
{
    REQUIRE_TOOL(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "poppler-utils");
    prepareWorkbook();
    openActionArea();
}

void TestPrintPdf::cleanup()
{
    closeWorkbook();
}

QString TestPrintPdf::savePdf(const QString& name)
{
    QString proposed;
    PrintDialogSeams::pdfFileChooser() = [&](const QString& proposal, QWidget*) {
        proposed = QFileInfo(proposal).fileName();
        return m_folder->filePath(name);
    };
    QTest::mouseClick(panel()->pdfButton(), Qt::LeftButton);
    PrintDialogSeams::pdfFileChooser() = nullptr;
    return proposed;
}

void TestPrintPdf::reportsOfTheHighlightedGroupToPdf()
{
    QVERIFY(m_area->statuses().pick(1, QStringLiteral("Working")));
    m_area->actions().print->trigger();
    QVERIFY(panel()->isVisible());
    QVERIFY(panel()->optionBox(1)->isChecked());
    QVERIFY(!panel()->button(PrintPanel::PageSetupButton)->isEnabled());
    QCOMPARE(panel()->orientationBox()->text(), QStringLiteral("Portrait"));
    QCOMPARE(savePdf(QStringLiteral("report.pdf")), QStringLiteral("HIPAA Security Standards.pdf"));
    const QString text = runTool(QStringLiteral("pdftotext"), {m_folder->filePath("report.pdf"), "-"});
    QVERIFY(text.contains(QStringLiteral("HIPAA Security Standards")));
    QVERIFY(text.contains(QStringLiteral("ADMINISTRATIVE SAFEGUARDS \u00a7164.308")));
    QVERIFY(text.contains(QStringLiteral("Working")));
    QVERIFY(!text.contains(QStringLiteral("PHYSICAL SAFEGUARDS")));

    panel()->optionBox(0)->setChecked(true);
    QVERIFY(!panel()->optionBox(1)->isChecked());
}

void TestPrintPdf::timelineReportRepeatsItsHeading()
{
    QTest::mouseClick(m_area->leftHandButton(1), Qt::LeftButton);
    for (int r = 1; r <= 120; ++r)
        m_area->timeline()->grid()->setText(r, TimelineModel::kItemColumn, QStringLiteral("Task number %1").arg(r));
    QTest::mouseClick(m_area->timeline()->button(TimelinePanel::PrintButton), Qt::LeftButton);
    QVERIFY(panel()->timelineOptionsFrame()->isVisible());
    panel()->timelineOption(1)->setChecked(true);
    savePdf(QStringLiteral("timeline.pdf"));
    const QString info = runTool(QStringLiteral("pdfinfo"), {m_folder->filePath("timeline.pdf")});
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    QVERIFY(pages >= 2);
    const QString text = runTool(QStringLiteral("pdftotext"), {m_folder->filePath("timeline.pdf"), "-"});
    QCOMPARE(int(text.count(QStringLiteral("Project Timeline/To Do List"))), pages);
    QVERIFY(text.contains(QStringLiteral("Task number 120")));

    // Cleared while the printout shows, the grid leaves none of its old rows to print.
    m_area->timeline()->grid()->clear();
    for (const PrintedPage& page : panel()->printer().document().pages())
        for (const PrintOperation& op : page.operations)
            QVERIFY2(!op.text.startsWith(QStringLiteral("Task number")), qPrintable(op.text));
}

void TestPrintPdf::emptyTimelineHasNothingToPrint()
{
    QTest::mouseClick(m_area->leftHandButton(1), Qt::LeftButton);
    m_area->timeline()->grid()->clear();
    Messages::takeShown();
    QTest::mouseClick(m_area->timeline()->button(TimelinePanel::PrintButton), Qt::LeftButton);
    const auto shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("There are currently No Entries to Print!"));
    QCOMPARE(shown[0].title, QStringLiteral("Print"));
    QVERIFY(!panel()->isVisible());
}

void TestPrintPdf::boldDocumentKeepsItsBoldFace()
{
    QTest::mouseClick(m_area->leftHandButton(2), Qt::LeftButton);
    QTest::mouseClick(m_area->worksheet()->paneButton(WorksheetPane::ActionTaken), Qt::LeftButton);
    m_area->worksheet()->editor()->setRtf("{\\rtf1\\ansi plain words {\\b bold words}\\par}");
    QTest::mouseClick(m_area->worksheet()->printButton(), Qt::LeftButton);
    QCOMPARE(m_area->printing()->mode(), ActionAreaPrinting::Mode::Document);
    QCOMPARE(savePdf(QStringLiteral("document.pdf")), QStringLiteral("Risk Analysis - Action Taken.pdf"));
    const QString fonts = runTool(QStringLiteral("pdffonts"), {m_folder->filePath("document.pdf")});
    QVERIFY2(fonts.contains(QStringLiteral("Bold")), qPrintable(fonts));
}

void TestPrintPdf::enlargeAndNormalRestoreThePreview()
{
    m_area->actions().print->trigger();
    const QRect normal = panel()->preview()->geometry();
    QTest::mouseClick(panel()->enlargeButton(), Qt::LeftButton);
    QCOMPARE(panel()->enlargeButton()->text(), QStringLiteral("Normal"));
    QVERIFY(panel()->preview()->width() > normal.width());
    // Enlarged, the preview shows the top of its page.
    auto* view = panel()->preview()->findChild<QGraphicsView*>();
    QVERIFY(view && view->verticalScrollBar()->maximum() > 0);
    QRectF page;
    for (QGraphicsItem* item : view->scene()->items())
        if (!item->parentItem() && (page.isNull() || item->y() < page.y()))
            page = item->sceneBoundingRect();
    QCOMPARE(view->mapFromScene(page.topLeft()).y(), 0);
    QTest::mouseClick(panel()->enlargeButton(), Qt::LeftButton);
    QCOMPARE(panel()->enlargeButton()->text(), QStringLiteral("Enlarge"));
    QCOMPARE(panel()->preview()->geometry(), normal);

    Messages::takeShown();
    QTest::mouseClick(panel()->button(PrintPanel::CopyPageButton), Qt::LeftButton);
    const auto shown = Messages::takeShown();
    QCOMPARE(shown.value(0).text, QStringLiteral("Current Page has been copied to the Windows Clipboard."));
    QCOMPARE(shown.value(0).title, QStringLiteral("Copy Option"));
}

void TestPrintPdf::pageSetupToLandscapeRebuilds()
{
    QTest::mouseClick(m_area->leftHandButton(2), Qt::LeftButton);
    QTest::mouseClick(m_area->worksheet()->paneButton(WorksheetPane::Specification), Qt::LeftButton);
    QTest::mouseClick(m_area->worksheet()->printButton(), Qt::LeftButton);
    QCOMPARE(m_area->printing()->mode(), ActionAreaPrinting::Mode::ReferenceTexts);
    QVERIFY(panel()->optionBox(0)->isChecked());
    // The dialog is offered the margins in points and hands its choice back the same way.
    const double leftBefore = m_area->printing()->settings().marginLeft;
    QMarginsF offered;
    PrintDialogSeams::pageSetup() = [&offered](QPageLayout& layout, QWidget*) {
        offered = layout.margins(QPageLayout::Point);
        layout.setOrientation(QPageLayout::Landscape);
        layout.setMargins(QMarginsF(36, 18, 36, 9)); // points
        return true;
    };
    QTest::mouseClick(panel()->button(PrintPanel::PageSetupButton), Qt::LeftButton);
    PrintDialogSeams::pageSetup() = nullptr;
    QCOMPARE(offered.left(), leftBefore / 20);
    QCOMPARE(panel()->orientationBox()->text(), QStringLiteral(" Landscape"));
    QCOMPARE(m_area->printing()->settings().marginLeft, 720.0);
    QCOMPARE(m_area->printing()->settings().marginBottom, 180.0);
    QCOMPARE(panel()->printer().marginTop(), 360.0);
    QVERIFY(panel()->printer().pageWidth() > panel()->printer().pageHeight());

    // The next document printout starts from the document margins again.
    QTest::mouseClick(panel()->button(PrintPanel::CancelButton), Qt::LeftButton);
    QTest::mouseClick(m_area->worksheet()->printButton(), Qt::LeftButton);
    QCOMPARE(m_area->printing()->settings().marginLeft, leftBefore);
    QCOMPARE(m_area->printing()->settings().marginBottom, 100.0);
}

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
