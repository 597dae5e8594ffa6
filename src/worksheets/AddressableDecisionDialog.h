// The practice's decision about one Addressable implementation specification: the choice,
// the measure or the reason, who decided, when, and when it is next reviewed.
#pragma once

#include "worksheets/AddressableDecisions.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class AddressableDecisionDialog : public QDialog
{
    Q_OBJECT
public:
    // specification names the entry in the title; current is what the record holds.
    AddressableDecisionDialog(const QString& specification, const AddressableDecision& current, QWidget* parent);

    AddressableDecision decision() const;

    // Shows the dialog and gives the decision the user confirmed, or nothing when cancelled.
    // Tests replace it.
    using Editor = std::function<std::optional<AddressableDecision>(
        const QString& specification, const AddressableDecision& current, QWidget* parent)>;
    static Editor& editor();

private:
    void choiceChanged();

    QButtonGroup* m_choices;
    QLabel* m_prompt;
    QPlainTextEdit* m_explanation;
    QLineEdit* m_decidedBy;
    QDateEdit* m_decided;
    QDateEdit* m_nextReview;
    QDialogButtonBox* m_buttons;
};
