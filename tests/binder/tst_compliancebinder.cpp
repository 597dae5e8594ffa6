// The compliance binder made from a small workbook: its bookmarks read back through qpdf, its
// pages' text through poppler's pdftotext.
#include "RequiredTool.h"
#include "TestFolder.h"

#include "binder/ComplianceBinder.h"
#include "catalog/ReferenceTexts.h"
#include "catalog/SafeguardCatalog.h"
#include "worksheets/AddressableDecisions.h"
#include "worksheets/StatusStore.h"

#include <QProcess>
#include <QtTest>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace {

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pageText(const QString& pdf, int page)
{
    const QString number = QString::number(page + 1);
    return runTool(QStringLiteral("pdftotext"), {"-f", number, "-l", number, pdf, "-"}).simplified();
}

struct Bookmark
{
    QString title;
    int page;
    int children;
};

// The top-level bookmarks, and those below the one at index `under`.
QList<Bookmark> readOutline(const QByteArray& pdf, int under, QList<Bookmark>* below)
{
    QPDF document;
    document.processMemoryFile("binder", pdf.constData(), size_t(pdf.size()));
    QPDFOutlineDocumentHelper outline(document);
    const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
    const auto pageOf = [&pages](QPDFOutlineObjectHelper& item) {
        const QPDFObjGen target = item.getDestPage().getObjGen();
        for (size_t i = 0; i < pages.size(); ++i) {
            if (pages[i].getObjectHandle().getObjGen() == target)
                return int(i);
        }
        return -1;
    };
    QList<Bookmark> top;
    std::vector<QPDFOutlineObjectHelper> items = outline.getTopLevelOutlines();
    for (size_t i = 0; i < items.size(); ++i) {
        std::vector<QPDFOutlineObjectHelper> kids = items[i].getKids();
        top.append({QString::fromStdString(items[i].getTitle()), pageOf(items[i]), int(kids.size())});
        if (int(i) == under) {
            for (QPDFOutlineObjectHelper& kid : kids)
                below->append({QString::fromStdString(kid.getTitle()), pageOf(kid), 0});
        }
    }
    return top;
}

} // namespace

class TestComplianceBinder : public QObject
{
    Q_OBJECT
private slots:
    void binderOfASmallWorkbook();
    void cancelledAndBrokenOutlines();
};

void TestComplianceBinder::binderOfASmallWorkbook()
{
    REQUIRE_TOOL(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "poppler-utils");
    TestFolder folder(false);
    const SafeguardEntry* first = SafeguardCatalog::entry(SafeguardCatalog::kFirstGroupCode, 1);
    folder.write(SafeguardCatalog::documentFileName(first->number, WorksheetPane::ActionTaken),
                 "{\\rtf1\\ansi Sanction notices go out within seven days\\par}");
    StatusStore statuses;
    statuses.loadAll();
    QVERIFY(statuses.pick(SafeguardCatalog::statusRecord(first->number), "Completed"));
    int addressable = 0;
    while (!ReferenceTexts::isAddressable(addressable))
        ++addressable;
    QVERIFY(AddressableDecisions::write(addressable, {AddressableDecision::NotReasonable, "One room, no network",
                                                      "Dr. Okafor", QDate(2026, 11, 2), QDate(2027, 11, 2)}));

    ComplianceBinder binder("Riverside Family Clinic", QDate(2026, 12, 7),
                            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    int calls = 0;
    QVERIFY(binder.build([&calls](int done, int total) {
        ++calls;
        return done <= total;
    }));
    QCOMPARE(calls, ComplianceBinder::kSteps);
    QString error;
    const std::optional<QByteArray> pdf =
        PdfOutline::withOutline(binder.document().pdfBytes(), binder.outline(), binder.title(), &error);
    QVERIFY2(pdf, qPrintable(error));
    const QString path = folder.filePath("binder.pdf");
    folder.write("binder.pdf", *pdf);

    QList<Bookmark> group;
    const QList<Bookmark> top = readOutline(*pdf, 3, &group);
    QStringList titles;
    for (const Bookmark& b : top)
        titles << b.title;
    QCOMPARE(titles.mid(0, 4),
             QStringList({"Cover", "Status Summary", "Safeguards Report",
                          SafeguardCatalog::displayText(SafeguardCatalog::group(2)->caption).trimmed()}));
    QCOMPARE(titles.mid(titles.size() - 4), QStringList({"Risk Analysis Worksheets", "Disaster Recovery Plan",
                                                         "Project Timeline/To Do List", "Document Dates"}));
    QCOMPARE(titles.size(), 3 + SafeguardCatalog::kGroupCount + 4);
    QCOMPARE(top.at(top.size() - 4).children, 21);
    QCOMPARE(group.size(), SafeguardCatalog::group(2)->entryCount);
    QCOMPARE(group.at(1).title, SafeguardCatalog::displayText(first->fullTitle).trimmed());

    QVERIFY(pageText(path, 0).contains("Riverside Family Clinic"));
    QVERIFY(runTool("pdfinfo", {path}).simplified().contains("Title: Compliance Binder: Riverside Family Clinic"));
    QVERIFY(pageText(path, 0).contains("As of December 7, 2026"));
    QVERIFY(pageText(path, 1).contains("1 Completed"));
    const QString safeguardPage = pageText(path, group.at(1).page);
    QVERIFY2(safeguardPage.contains("Current Status: Completed"), qPrintable(safeguardPage));
    QVERIFY2(safeguardPage.contains("Sanction notices go out within seven days"), qPrintable(safeguardPage));
    bool decisionFound = false;
    for (int page = group.at(0).page; page < binder.document().pageCount() && !decisionFound; ++page)
        decisionFound = pageText(path, page)
                            .contains("Addressable decision: Not reasonable and appropriate. One room, no network "
                                      "Decided by Dr. Okafor on "
                                      "November 2, 2026; next review November 2, 2027.");
    QVERIFY(decisionFound);
    QVERIFY(pageText(path, top.last().page).contains("When Each Document Last Changed"));
}

void TestComplianceBinder::cancelledAndBrokenOutlines()
{
    TestFolder folder(false);
    ComplianceBinder binder("", QDate(2026, 12, 7),
                            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QVERIFY(!binder.build([](int done, int) { return done < 3; }));
    QString error;
    QVERIFY(!PdfOutline::withOutline("not a PDF", {}, QString(), &error));
    QVERIFY(!error.isEmpty());
    ReportPrinter one;
    one.startDoc();
    one.endDoc();
    QVERIFY(!PdfOutline::withOutline(one.document().pdfBytes(), {{"Beyond", 0, 5}}, QString(), &error));
    QVERIFY(error.contains("page 6"));
}

QTEST_MAIN(TestComplianceBinder)
#include "tst_compliancebinder.moc"
