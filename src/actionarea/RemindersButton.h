// The reviews that are due, as a button in the Action Area's status bar: "3 reviews due (1
// overdue)". It never interrupts: the user opens the list when it suits, goes from it to the
// activity or policy, or puts it away until tomorrow.
#pragma once

#include "actionarea/ReviewReminders.h"

#include <QPushButton>

class QListWidget;

class RemindersButton : public QPushButton
{
    Q_OBJECT
public:
    explicit RemindersButton(QWidget* parent);

    // Works the list out again from the saved timeline and policies; hidden when nothing is
    // due or the list was put away today.
    void refresh();
    const QList<ReviewReminders::Reminder>& reminders() const { return m_reminders; }
    // The list as a dialog; returns when it is closed.
    void showList();

signals:
    void goToTimelineRow(int row);
    void goToPolicy(int entryNumber);
    void goToRiskRegister();

private:
    void goTo(const ReviewReminders::Reminder& reminder);
    static bool dismissedToday();

    QList<ReviewReminders::Reminder> m_reminders;
};
