// What is due for review: the timeline's activities whose Next Review Date has come or comes
// within 30 days, the safeguards' policies not saved for a year or more (or within 30 days
// of that), and the Addressable decisions whose next review date is as near. Worked out from
// the grid, the policy files' dates and the decision records, never stored.
#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QVector>
#include <array>

namespace ReviewReminders {

constexpr int kDaysAhead = 30;
constexpr int kPolicyMonths = 12;

struct Reminder
{
    QString text;
    QDate due;
    int timelineRow = -1; // 1-500 for a timeline activity
    int entryNumber = -1; // 0-46 for a safeguard's policy or decision
    bool isDecision = false;
    bool isAssociate = false; // a business associate's contract review, kept in the risk register
    bool isOverdue(const QDate& today) const { return due < today; }
};

// rows are the timeline's item rows 1-500 as the grid holds them; policySaved gives, for each
// entry that has a policy document, the date it was last saved; decisionReviews, for each
// Addressable entry with a decision, its next review date; associateReviews, for each business
// associate of the risk register, the next review of its contract. Soonest first.
QList<Reminder> due(const QVector<std::array<QString, 6>>& rows, const QMap<int, QDate>& policySaved,
                    const QMap<int, QDate>& decisionReviews, const QDate& today,
                    const QMap<QString, QDate>& associateReviews = {});

// The dates the safeguards' policy documents were last saved, from the workbook's files.
QMap<int, QDate> policySaveDates();
// The next review dates of the Addressable decisions on record.
QMap<int, QDate> decisionReviewDates();
// The next contract review of each business associate in the risk register.
QMap<QString, QDate> associateReviewDates();

} // namespace ReviewReminders
