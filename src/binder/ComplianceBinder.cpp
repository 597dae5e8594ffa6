#include "binder/ComplianceBinder.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "catalog/ReferenceTexts.h"
#include "catalog/SafeguardCatalog.h"
#include "printing/PrintSettings.h"
#include "printing/SafeguardReport.h"
#include "printing/TimelineReport.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"
#include "worksheets/RecoveryPlanFiles.h"
#include "worksheets/StatusStore.h"
#include "worksheets/WorksheetTitles.h"

#include <QFileInfo>
#include <QLocale>

namespace {

constexpr double kMargin = 1080; // three quarters of an inch all round
const QString kFont = QStringLiteral("Times New Roman");
const QString kDateFormat = QStringLiteral("MMMM d, yyyy");

const struct
{
    WorksheetPane pane;
    const char* caption;
} kDocuments[] = {{WorksheetPane::ActionTaken, "Action Taken"},
                  {WorksheetPane::CommentsNotes, "Comments/Notes"},
                  {WorksheetPane::PoliciesProcedures, "Policies and Procedures"}};

// The colours of the summary's chart, one for each of summaryStatuses().
const QColor kStatusColours[] = {QColor(0xe0, 0xa0, 0x30), QColor(0x40, 0x80, 0xc0), QColor(0x30, 0xa0, 0x50),
                                 QColor(0x90, 0x60, 0xb0), QColor(0xc0, 0x40, 0x40), QColor(0xc8, 0xc8, 0xc8)};

QString dateText(const QDate& date)
{
    return QLocale(QLocale::English).toString(date, kDateFormat);
}

QString decisionText(const AddressableDecision& decision)
{
    if (decision.choice == AddressableDecision::Undecided)
        return QStringLiteral("Addressable decision: none recorded.");
    QString text = QStringLiteral("Addressable decision: ") + AddressableDecisions::choiceText(decision.choice);
    if (!decision.explanation.trimmed().isEmpty())
        text += QStringLiteral(". ") + decision.explanation.trimmed();
    if (!decision.decidedBy.trimmed().isEmpty())
        text += QStringLiteral("\nDecided by ") + decision.decidedBy.trimmed();
    if (decision.decided.isValid())
        text += (decision.decidedBy.trimmed().isEmpty() ? QStringLiteral("\nDecided on ") : QStringLiteral(" on ")) +
                dateText(decision.decided);
    if (decision.nextReview.isValid())
        text += QStringLiteral("; next review ") + dateText(decision.nextReview);
    return text + QLatin1Char('.');
}

QString lastChanged(const QString& fileName)
{
    const QFileInfo file(DataFolder::path(fileName));
    return file.exists() ? dateText(file.lastModified().date()) : QStringLiteral("not written yet");
}

} // namespace

ComplianceBinder::ComplianceBinder(QString practiceName, const QDate& today, const QPageLayout& paper)
    : m_practice(std::move(practiceName)), m_today(today), m_paper(paper)
{
}

QString ComplianceBinder::title() const
{
    return QStringLiteral("Compliance Binder: ") + practiceName();
}

QString ComplianceBinder::practiceName() const
{
    return m_practice.trimmed().isEmpty() ? QStringLiteral("[Practice Name]") : m_practice.trimmed();
}

const QStringList& ComplianceBinder::summaryStatuses()
{
    static const QStringList statuses{QStringLiteral("Pending"),         QStringLiteral("Working"),
                                      QStringLiteral("Completed"),       QStringLiteral("Review"),
                                      QStringLiteral("Not Implemented"), QStringLiteral("Not set")};
    return statuses;
}

QVector<int> ComplianceBinder::countStatuses(const QStringList& statusSlots, int groupCode)
{
    QVector<int> counts(summaryStatuses().size(), 0);
    const SafeguardGroup* group = SafeguardCatalog::group(groupCode);
    for (int i = 0; group && i < group->entryCount; ++i) {
        const SafeguardEntry* entry = SafeguardCatalog::entry(groupCode, i);
        const QString status = statusSlots.value(SafeguardCatalog::statusRecord(entry->number)).trimmed();
        const int found = summaryStatuses().indexOf(status);
        ++counts[found < 0 || found == counts.size() - 1 ? counts.size() - 1 : found];
    }
    return counts;
}

bool ComplianceBinder::build(const Progress& progress)
{
    m_binder = PrintedDocument();
    m_outline.clear();
    StatusStore store;
    store.loadAll();
    m_statuses.clear();
    for (int n = 0; n < StatusStore::kSlotCount; ++n)
        m_statuses << store.slot(n);
    m_decisions = AddressableDecisions::readAll(SafeguardCatalog::kEntryCount);
    int done = 0;
    const std::function<bool()> step = [&] { return !progress || progress(++done, kSteps); };
    cover();
    summary();
    if (!step() || !safeguards(step) || !riskWorksheets(step))
        return false;
    plan();
    if (!step())
        return false;
    toDoList();
    if (!step())
        return false;
    documentDates();
    return step();
}

void ComplianceBinder::startPrinter(ReportPrinter& printer) const
{
    printer.setPageLayout(m_paper);
    printer.setMarginLeft(kMargin);
    printer.setMarginRight(kMargin);
    printer.setMarginTop(kMargin);
    printer.setMarginBottom(kMargin);
    printer.setFontName(kFont);
    printer.setFontSize(11);
    printer.startDoc();
    printer.setCurrentX(kMargin);
    printer.setCurrentY(kMargin);
}

void ComplianceBinder::beginPart(ReportPrinter& printer, const QString& title, int level)
{
    if (printer.document().pageCount() > 1 || printer.currentY() > kMargin)
        printer.newPage();
    printer.setCurrentY(kMargin);
    m_outline.append({title, level, m_partStart + printer.document().pageCount() - 1});
}

void ComplianceBinder::appendPart(const ReportPrinter& printer, const QString& title)
{
    if (!title.isEmpty())
        m_outline.append({title, 0, m_binder.pageCount()});
    m_binder.append(printer.document());
    m_partStart = m_binder.pageCount();
}

void ComplianceBinder::heading(ReportPrinter& printer, const QString& text, double points)
{
    printer.setFontSize(points);
    printer.setFontBold(true);
    printer.setCurrentX(kMargin);
    printer.paragraph(text);
    printer.setFontBold(false);
    printer.setFontSize(11);
    printer.setCurrentY(printer.currentY() + 80);
}

void ComplianceBinder::facts(ReportPrinter& printer, const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        printer.setCurrentX(kMargin);
        printer.paragraph(line);
    }
    printer.setCurrentY(printer.currentY() + 120);
}

void ComplianceBinder::documentText(ReportPrinter& printer, const QString& fileName)
{
    QByteArray rtf;
    if (readFileWithin(DataFolder::path(fileName), FileLimits::kDocument, &rtf) != ReadOutcome::Read ||
        rtf.trimmed().isEmpty()) {
        printer.setFontItalic(true);
        facts(printer, QStringLiteral("Nothing has been written here yet."));
        printer.setFontItalic(false);
        return;
    }
    printer.setCurrentX(kMargin);
    printer.paragraphRtf(rtf);
    printer.setCurrentY(printer.currentY() + 200);
}

void ComplianceBinder::cover()
{
    ReportPrinter printer;
    startPrinter(printer);
    printer.setCurrentY(printer.pageHeight() / 3);
    heading(printer, practiceName(), 26);
    heading(printer, QStringLiteral("HIPAA Security Rule Compliance Binder"), 18);
    facts(printer, QStringLiteral("45 CFR Part 164, Subpart C: Security Standards for the Protection of Electronic "
                                  "Protected Health Information"));
    facts(printer, QStringLiteral("As of ") + dateText(m_today));
    printer.setCurrentY(printer.pageHeight() - kMargin - 6 * printer.lineHeight());
    facts(printer, QStringLiteral("This binder holds the practice's security documentation as kept in Tessaly: the "
                                  "status of each safeguard, the decisions about the addressable implementation "
                                  "specifications, the policies, procedures and notes, the risk analysis, the "
                                  "disaster recovery plan and the project timeline. Keep it, and each earlier "
                                  "binder, for six years (45 CFR 164.316(b)(2)(i))."));
    printer.endDoc();
    appendPart(printer, QStringLiteral("Cover"));
}

void ComplianceBinder::summary()
{
    ReportPrinter printer;
    startPrinter(printer);
    heading(printer, QStringLiteral("Status of the Safeguards by Group"), 16);
    const double width = printer.pageWidth() - 2 * kMargin;
    const double labelWidth = width * 0.42;
    const double barWidth = width - labelWidth;
    const double barHeight = 260;
    for (int code = SafeguardCatalog::kFirstGroupCode; code <= SafeguardCatalog::kLastGroupCode; ++code) {
        const SafeguardGroup* group = SafeguardCatalog::group(code);
        const QVector<int> counts = countStatuses(m_statuses, code);
        double y = printer.currentY();
        printer.setFontBold(true);
        printer.setCurrentX(kMargin);
        printer.text(SafeguardCatalog::displayText(group->caption).trimmed());
        printer.setFontBold(false);
        // One bar per group, its parts as wide as their share of the group's safeguards.
        double x = kMargin + labelWidth;
        for (int s = 0; s < counts.size(); ++s) {
            const double part = group->entryCount ? barWidth * counts.at(s) / group->entryCount : 0;
            if (part > 0)
                printer.fillBox(x, y, part, barHeight, kStatusColours[s]);
            x += part;
        }
        QStringList parts;
        for (int s = 0; s < counts.size(); ++s) {
            if (counts.at(s) > 0)
                parts << QStringLiteral("%1 %2").arg(counts.at(s)).arg(summaryStatuses().at(s));
        }
        printer.setCurrentY(qMax(printer.currentY(), y + barHeight) + 40);
        printer.setFontSize(9);
        printer.setCurrentX(kMargin);
        printer.text(QStringLiteral("%1 safeguards: %2").arg(group->entryCount).arg(parts.join(QStringLiteral(", "))));
        printer.setFontSize(11);
        printer.setCurrentY(printer.currentY() + 200);
    }
    // The legend: a swatch and a name for each status.
    printer.setFontSize(9);
    double x = kMargin;
    const double y = printer.currentY();
    for (int s = 0; s < summaryStatuses().size(); ++s) {
        printer.fillBox(x, y + 30, 140, 140, kStatusColours[s]);
        printer.setCurrentX(x + 200);
        printer.setCurrentY(y);
        printer.text(summaryStatuses().at(s));
        x += 200 + printer.textWidth(summaryStatuses().at(s)) + 300;
    }
    printer.endDoc();
    appendPart(printer, QStringLiteral("Status Summary"));

    ReportPrinter report;
    report.setPageLayout(m_paper);
    SafeguardReport(report, m_statuses, Qt::black).build({true, false, false, false});
    appendPart(report, QStringLiteral("Safeguards Report"));
}

bool ComplianceBinder::safeguards(const std::function<bool()>& step)
{
    for (int code = SafeguardCatalog::kFirstGroupCode; code <= SafeguardCatalog::kLastGroupCode; ++code) {
        const SafeguardGroup* group = SafeguardCatalog::group(code);
        ReportPrinter printer;
        startPrinter(printer);
        m_outline.append({SafeguardCatalog::displayText(group->caption).trimmed(), 0, m_partStart});
        for (int i = 0; i < group->entryCount; ++i) {
            const SafeguardEntry* entry = SafeguardCatalog::entry(code, i);
            const QString title = SafeguardCatalog::displayText(entry->fullTitle).trimmed();
            beginPart(printer, title, 1);
            printer.setFontSize(9);
            printer.setCurrentX(kMargin);
            printer.paragraph(SafeguardCatalog::displayText(group->caption).trimmed());
            heading(printer, title, 15);
            QStringList lines{SafeguardCatalog::standardLabel(*entry).trimmed(),
                              SafeguardCatalog::sectionLabel(*entry).trimmed(),
                              SafeguardCatalog::specificationLabel(*entry).trimmed()};
            lines.removeAll(QString());
            const QString status = m_statuses.value(SafeguardCatalog::statusRecord(entry->number)).trimmed();
            lines << QStringLiteral("Current Status: ") + (status.isEmpty() ? QStringLiteral("not set") : status);
            if (ReferenceTexts::isAddressable(entry->number))
                lines << decisionText(m_decisions.value(entry->number));
            facts(printer, lines.join(QLatin1Char('\n')));
            for (const auto& document : kDocuments) {
                const QString file = SafeguardCatalog::documentFileName(entry->number, document.pane);
                heading(printer, QString::fromLatin1(document.caption), 12);
                documentText(printer, file);
            }
            if (!step())
                return false;
        }
        printer.endDoc();
        appendPart(printer, QString());
    }
    return true;
}

bool ComplianceBinder::riskWorksheets(const std::function<bool()>& step)
{
    ReportPrinter printer;
    startPrinter(printer);
    m_outline.append({QStringLiteral("Risk Analysis Worksheets"), 0, m_partStart});
    const QStringList titles = WorksheetTitles::read();
    for (int n = 0; n < WorksheetTitles::kCount; ++n) {
        beginPart(printer, titles.value(n), 1);
        heading(printer, titles.value(n), 15);
        const QString status = m_statuses.value(StatusStore::worksheetRecord(n)).trimmed();
        facts(printer, QStringLiteral("Compliance Status: ") + (status.isEmpty() ? QStringLiteral("not set") : status));
        documentText(printer, WorksheetTitles::documentFile(n));
        if (!step())
            return false;
    }
    printer.endDoc();
    appendPart(printer, QString());
    return true;
}

void ComplianceBinder::plan()
{
    ReportPrinter printer;
    startPrinter(printer);
    heading(printer, QStringLiteral("Disaster Recovery Plan"), 16);
    documentText(printer, RecoveryPlanFiles::kPlan);
    printer.endDoc();
    appendPart(printer, QStringLiteral("Disaster Recovery Plan"));
}

void ComplianceBinder::toDoList()
{
    TimelineModel grid;
    TimelineFiles::loadGridRows(grid);
    ReportPrinter printer;
    printer.setPageLayout(m_paper);
    const TimelineReport::Rows rows = grid.itemTexts();
    if (!TimelineReport::hasEntries(rows)) {
        startPrinter(printer);
        heading(printer, TimelineReport::kTitle, 16);
        facts(printer, QStringLiteral("The To Do list has no entries."));
        printer.endDoc();
    } else {
        const PrintSettings settings;
        TimelineReport(printer, settings, {true, true, m_today}).build(rows);
    }
    appendPart(printer, TimelineReport::kTitle);
}

void ComplianceBinder::documentDates()
{
    ReportPrinter printer;
    startPrinter(printer);
    heading(printer, QStringLiteral("When Each Document Last Changed"), 16);
    const double dateColumn = printer.pageWidth() - kMargin - 2600;
    const auto row = [&](const QString& document, const QString& date) {
        if (printer.currentY() + printer.lineHeight() > printer.pageHeight() - kMargin) {
            printer.newPage();
            printer.setCurrentY(kMargin);
        }
        const double y = printer.currentY();
        printer.setCurrentX(kMargin);
        printer.text(document);
        printer.setCurrentY(y);
        printer.setCurrentX(dateColumn);
        printer.text(date);
    };
    printer.setFontSize(10);
    for (int number = 0; number < SafeguardCatalog::kEntryCount; ++number) {
        const QString title = SafeguardCatalog::displayText(SafeguardCatalog::entry(number)->fullTitle).trimmed();
        for (const auto& document : kDocuments)
            row(title + QStringLiteral(": ") + QString::fromLatin1(document.caption),
                lastChanged(SafeguardCatalog::documentFileName(number, document.pane)));
    }
    const QStringList titles = WorksheetTitles::read();
    for (int n = 0; n < WorksheetTitles::kCount; ++n)
        row(titles.value(n), lastChanged(WorksheetTitles::documentFile(n)));
    row(QStringLiteral("Disaster Recovery Plan"), lastChanged(RecoveryPlanFiles::kPlan));
    row(TimelineReport::kTitle, lastChanged(TimelineFiles::kGridFileName));
    row(QStringLiteral("Addressable decisions"), lastChanged(AddressableDecisions::kFileName));
    printer.endDoc();
    appendPart(printer, QStringLiteral("Document Dates"));
}
