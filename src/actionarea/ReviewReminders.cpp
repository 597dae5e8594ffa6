#include "actionarea/ReviewReminders.h"

#include "base/DataFolder.h"
#include "catalog/ReferenceTexts.h"
#include "catalog/SafeguardCatalog.h"
#include "register/RegisterFile.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"
#include "worksheets/AddressableDecisions.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {

QString shown(const QDate& date)
{
    return QLocale::c().toString(date, QStringLiteral("MMMM d, yyyy"));
}

} // namespace

namespace ReviewReminders {

QList<Reminder> due(const QVector<std::array<QString, 6>>& rows, const QMap<int, QDate>& policySaved,
                    const QMap<int, QDate>& decisionReviews, const QDate& today,
                    const QMap<QString, QDate>& associateReviews)
{
    const QDate horizon = today.addDays(kDaysAhead);
    QList<Reminder> found;
    for (int r = 0; r < rows.size(); ++r) {
        const QString item = rows.at(r)[TimelineModel::kItemColumn].trimmed();
        const QDate review = TimelineDate::fromCellText(rows.at(r)[TimelineModel::kReviewDateColumn]);
        if (item.isEmpty() || !review.isValid() || review > horizon)
            continue;
        Reminder reminder;
        reminder.text = QStringLiteral("Timeline: review \"%1\" (next review %2)").arg(item, shown(review));
        reminder.due = review;
        reminder.timelineRow = r + 1;
        found.append(reminder);
    }
    for (auto it = policySaved.cbegin(); it != policySaved.cend(); ++it) {
        const SafeguardEntry* entry = SafeguardCatalog::entry(it.key());
        const QDate review = it.value().addMonths(kPolicyMonths);
        if (!entry || entry->isOverview || !it.value().isValid() || review > horizon)
            continue;
        Reminder reminder;
        reminder.text = QStringLiteral("Policy: review the Policies & Procedures of %1 (last saved %2)")
                            .arg(entry->fullTitle, shown(it.value()));
        reminder.due = review;
        reminder.entryNumber = it.key();
        found.append(reminder);
    }
    for (auto it = decisionReviews.cbegin(); it != decisionReviews.cend(); ++it) {
        const SafeguardEntry* entry = SafeguardCatalog::entry(it.key());
        if (!entry || !it.value().isValid() || it.value() > horizon)
            continue;
        Reminder reminder;
        reminder.text = QStringLiteral("Decision: review the Addressable decision on %1 (next review %2)")
                            .arg(entry->fullTitle, shown(it.value()));
        reminder.due = it.value();
        reminder.entryNumber = it.key();
        reminder.isDecision = true;
        found.append(reminder);
    }
    for (auto it = associateReviews.cbegin(); it != associateReviews.cend(); ++it) {
        if (!it.value().isValid() || it.value() > horizon)
            continue;
        Reminder reminder;
        reminder.text = QStringLiteral("Business associate: review the contract with %1 (next review %2)")
                            .arg(it.key(), shown(it.value()));
        reminder.due = it.value();
        reminder.isAssociate = true;
        found.append(reminder);
    }
    std::stable_sort(found.begin(), found.end(), [](const Reminder& a, const Reminder& b) { return a.due < b.due; });
    return found;
}

QMap<int, QDate> policySaveDates()
{
    QMap<int, QDate> dates;
    for (int n = 0; n < SafeguardCatalog::kEntryCount; ++n) {
        const QFileInfo file(
            DataFolder::path(SafeguardCatalog::documentFileName(n, WorksheetPane::PoliciesProcedures)));
        if (file.isFile())
            dates.insert(n, file.lastModified().date());
    }
    return dates;
}

QMap<int, QDate> decisionReviewDates()
{
    QMap<int, QDate> dates;
    const QVector<AddressableDecision> decisions = AddressableDecisions::readAll(SafeguardCatalog::kEntryCount);
    for (int n = 0; n < SafeguardCatalog::kEntryCount; ++n) {
        if (!ReferenceTexts::isAddressable(n))
            continue;
        const AddressableDecision& decision = decisions.at(n);
        if (decision.choice != AddressableDecision::Undecided && decision.nextReview.isValid())
            dates.insert(n, decision.nextReview);
    }
    return dates;
}

QMap<QString, QDate> associateReviewDates()
{
    QMap<QString, QDate> dates;
    for (const RiskRegister::Associate& associate : RegisterFile::read().data.associates) {
        if (!associate.name.trimmed().isEmpty() && associate.nextReview.isValid())
            dates.insert(associate.name.trimmed(), associate.nextReview);
    }
    return dates;
}

} // namespace ReviewReminders
