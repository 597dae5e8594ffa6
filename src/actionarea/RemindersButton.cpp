#include "actionarea/RemindersButton.h"

#include "base/Clock.h"
#include "timeline/TimelineFiles.h"
#include "timeline/TimelineModel.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString kDismissedKey = QStringLiteral("Reminders/dismissedOn");

} // namespace

RemindersButton::RemindersButton(QWidget* parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("remindersButton"));
    setFlat(true);
    setToolTip(QStringLiteral("Timeline reviews and policies that are due within 30 days or overdue"));
    connect(this, &QPushButton::clicked, this, &RemindersButton::showList);
    hide();
}

bool RemindersButton::dismissedToday()
{
    return QSettings().value(kDismissedKey).toDate() == Clock::today();
}

void RemindersButton::refresh()
{
    TimelineModel saved;
    TimelineFiles::loadGridRows(saved);
    m_reminders = ReviewReminders::due(saved.itemTexts(), ReviewReminders::policySaveDates(),
                                       ReviewReminders::decisionReviewDates(), Clock::today(),
                                       ReviewReminders::associateReviewDates());
    const QDate today = Clock::today();
    const auto overdue = std::count_if(m_reminders.cbegin(), m_reminders.cend(),
                                       [&today](const ReviewReminders::Reminder& r) { return r.isOverdue(today); });
    QString text = m_reminders.size() == 1 ? QStringLiteral("1 review due")
                                           : QStringLiteral("%1 reviews due").arg(m_reminders.size());
    if (overdue > 0)
        text += QStringLiteral(" (%1 overdue)").arg(overdue);
    setText(text);
    setVisible(!m_reminders.isEmpty() && !dismissedToday());
}

void RemindersButton::showList()
{
    QDialog dialog(window());
    dialog.setObjectName(QStringLiteral("remindersDialog"));
    dialog.setWindowTitle(QStringLiteral("Reviews Due"));
    auto* intro = new QLabel(QStringLiteral("Due within 30 days or overdue, soonest first. Choose one and press Go "
                                            "To, or double-click it."),
                             &dialog);
    intro->setWordWrap(true);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("remindersList"));
    const QDate today = Clock::today();
    for (const ReviewReminders::Reminder& r : m_reminders)
        list->addItem((r.isOverdue(today) ? QStringLiteral("Overdue: ") : QString()) + r.text);
    list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* goToButton = buttons->addButton(QStringLiteral("&Go To"), QDialogButtonBox::AcceptRole);
    QPushButton* dismiss = buttons->addButton(QStringLiteral("&Dismiss for Today"), QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(intro);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    dialog.resize(720, 360);

    int chosen = -1;
    connect(goToButton, &QPushButton::clicked, &dialog, [&] {
        chosen = list->currentRow();
        dialog.accept();
    });
    connect(list, &QListWidget::itemActivated, &dialog, [&] {
        chosen = list->currentRow();
        dialog.accept();
    });
    connect(dismiss, &QPushButton::clicked, &dialog, [&] {
        QSettings().setValue(kDismissedKey, today);
        dialog.reject();
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.exec();
    setVisible(!m_reminders.isEmpty() && !dismissedToday());
    if (chosen >= 0 && chosen < m_reminders.size())
        goTo(m_reminders.at(chosen));
}

void RemindersButton::goTo(const ReviewReminders::Reminder& reminder)
{
    if (reminder.timelineRow > 0)
        emit goToTimelineRow(reminder.timelineRow);
    else if (reminder.entryNumber >= 0)
        emit goToPolicy(reminder.entryNumber);
    else if (reminder.isAssociate)
        emit goToRiskRegister();
}
