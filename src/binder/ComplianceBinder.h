// The compliance binder: one printout for an auditor of what the workbook holds. A cover with
// the practice's name and the date; the Current Status of the safeguards by group, counted and
// charted; the safeguards report; every safeguard with its status, its addressable decision
// and its three documents; the Risk Analysis worksheets; the disaster recovery plan; the To Do
// list; and the date each document last changed. Its sections are listed for the PDF outline.
#pragma once

#include "binder/PdfOutline.h"
#include "printing/ReportPrinter.h"
#include "worksheets/AddressableDecisions.h"

#include <QDate>
#include <QStringList>
#include <functional>

class ComplianceBinder
{
public:
    // Called as each part is laid out, with how much is done of kSteps; false stops the work.
    using Progress = std::function<bool(int done, int total)>;
    // One for the opening parts, one per safeguard and worksheet, one each for the plan, the
    // To Do list and the dates.
    static constexpr int kSteps = 1 + 47 + 21 + 3;

    ComplianceBinder(QString practiceName, const QDate& today, const QPageLayout& paper);

    // Reads the workbook and lays the binder out; false when progress asked to stop.
    bool build(const Progress& progress = {});

    const PrintedDocument& document() const { return m_binder; }
    const QVector<PdfOutline::Entry>& outline() const { return m_outline; }
    // "Compliance Binder: " and the practice's name.
    QString title() const;

    // The statuses counted in the summary, in its order; the last stands for none picked.
    static const QStringList& summaryStatuses();
    // How many safeguards of group code (2-6) have each of summaryStatuses().
    static QVector<int> countStatuses(const QStringList& statusSlots, int groupCode);

private:
    // Begins a part of the binder on a new page, listed in the outline.
    void beginPart(ReportPrinter& printer, const QString& title, int level);
    // Adds a finished printout's pages after the binder's.
    void appendPart(const ReportPrinter& printer, const QString& title);
    void startPrinter(ReportPrinter& printer) const;
    QString practiceName() const;

    void cover();
    void summary();
    // step is called after each safeguard or worksheet; false from it stops the part and the binder.
    bool safeguards(const std::function<bool()>& step);
    bool riskWorksheets(const std::function<bool()>& step);
    void plan();
    void toDoList();
    void documentDates();

    // A heading, a line of facts, a document's text.
    void heading(ReportPrinter& printer, const QString& text, double points);
    void facts(ReportPrinter& printer, const QString& text);
    void documentText(ReportPrinter& printer, const QString& fileName);

    QString m_practice;
    QDate m_today;
    QPageLayout m_paper;
    QStringList m_statuses;                   // the status slots 0-70
    QVector<AddressableDecision> m_decisions; // by catalog entry
    PrintedDocument m_binder;
    QVector<PdfOutline::Entry> m_outline;
    // While a part is laid out: where its pages begin in the binder.
    int m_partStart = 0;
};
