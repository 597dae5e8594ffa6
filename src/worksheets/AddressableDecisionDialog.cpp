#include "worksheets/AddressableDecisionDialog.h"

#include "base/WorkbookAccess.h"

#include "base/Clock.h"
#include "base/LoginName.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A decision is looked at again a year on, unless the practice chooses otherwise.
constexpr int kReviewMonths = 12;

QDateEdit* makeDateEdit(const QDate& date, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    return edit;
}

} // namespace

AddressableDecisionDialog::AddressableDecisionDialog(const QString& specification, const AddressableDecision& current,
                                                     QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("addressableDecisionDialog"));
    setWindowTitle(QStringLiteral("Addressable Decision - %1").arg(specification));

    auto* intro = new QLabel(
        QStringLiteral("An Addressable specification is assessed, not skipped: say whether the practice implements it "
                       "as specified, meets it by an equivalent alternative measure, or finds it not reasonable and "
                       "appropriate, and why (45 CFR 164.306(d)(3))."),
        this);
    intro->setWordWrap(true);

    m_choices = new QButtonGroup(this);
    auto* choiceColumn = new QVBoxLayout;
    const struct
    {
        AddressableDecision::Choice choice;
        const char* caption;
    } choices[] = {
        {AddressableDecision::AsSpecified, "&Implemented as specified"},
        {AddressableDecision::AlternativeMeasure, "&Alternative measure"},
        {AddressableDecision::NotReasonable, "&Not reasonable and appropriate"},
    };
    for (const auto& c : choices) {
        auto* radio = new QRadioButton(QString::fromLatin1(c.caption), this);
        radio->setObjectName(QStringLiteral("decisionChoice%1").arg(int(c.choice)));
        m_choices->addButton(radio, int(c.choice));
        choiceColumn->addWidget(radio);
        radio->setChecked(current.choice == c.choice);
    }

    m_prompt = new QLabel(this);
    m_explanation = new QPlainTextEdit(current.explanation, this);
    m_explanation->setObjectName(QStringLiteral("decisionExplanation"));
    m_explanation->setTabChangesFocus(true);
    m_prompt->setBuddy(m_explanation);

    m_decidedBy = new QLineEdit(current.decidedBy.isEmpty() ? loginName() : current.decidedBy, this);
    m_decidedBy->setObjectName(QStringLiteral("decisionDecidedBy"));
    m_decidedBy->setMaxLength(AddressableDecisions::kDecidedByLength);
    const QDate today = Clock::today();
    m_decided = makeDateEdit(current.decided.isValid() ? current.decided : today, this);
    m_decided->setObjectName(QStringLiteral("decisionDate"));
    m_nextReview =
        makeDateEdit(current.nextReview.isValid() ? current.nextReview : today.addMonths(kReviewMonths), this);
    m_nextReview->setObjectName(QStringLiteral("decisionNextReview"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Decided &by:"), m_decidedBy);
    form->addRow(QStringLiteral("&Date of decision:"), m_decided);
    form->addRow(QStringLiteral("Next &review:"), m_nextReview);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("&Save"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(choiceColumn);
    layout->addWidget(m_prompt);
    layout->addWidget(m_explanation, 1);
    layout->addLayout(form);
    // A copy that has the workbook read-only shows the decision but cannot change it.
    if (WorkbookAccess::isReadOnly()) {
        auto* readOnly = new QLabel(QStringLiteral("This decision can be read here but not changed: ") +
                                        WorkbookAccess::readOnlyReason(),
                                    this);
        readOnly->setObjectName(QStringLiteral("decisionReadOnly"));
        readOnly->setWordWrap(true);
        layout->addWidget(readOnly);
    }
    layout->addWidget(m_buttons);

    connect(m_choices, &QButtonGroup::idClicked, this, &AddressableDecisionDialog::choiceChanged);
    connect(m_explanation, &QPlainTextEdit::textChanged, this, &AddressableDecisionDialog::choiceChanged);
    choiceChanged();
    resize(520, 460);
}

AddressableDecision AddressableDecisionDialog::decision() const
{
    AddressableDecision d;
    d.choice = m_choices->checkedId() < 0 ? AddressableDecision::Undecided
                                          : AddressableDecision::Choice(m_choices->checkedId());
    d.explanation = m_explanation->toPlainText().trimmed().left(AddressableDecisions::kExplanationLength);
    d.decidedBy = m_decidedBy->text().trimmed();
    d.decided = m_decided->date();
    d.nextReview = m_nextReview->date();
    return d;
}

void AddressableDecisionDialog::choiceChanged()
{
    const auto choice = AddressableDecision::Choice(qMax(0, m_choices->checkedId()));
    m_prompt->setText(AddressableDecisions::explanationPrompt(choice));
    // An alternative or a refusal is only a decision with its reason written down.
    const bool needsReason =
        choice == AddressableDecision::AlternativeMeasure || choice == AddressableDecision::NotReasonable;
    const bool complete =
        choice != AddressableDecision::Undecided && (!needsReason || !m_explanation->toPlainText().trimmed().isEmpty());
    m_buttons->button(QDialogButtonBox::Save)->setEnabled(complete && !WorkbookAccess::isReadOnly());
}

AddressableDecisionDialog::Editor& AddressableDecisionDialog::editor()
{
    static Editor show = [](const QString& specification, const AddressableDecision& current,
                            QWidget* parent) -> std::optional<AddressableDecision> {
        AddressableDecisionDialog dialog(specification, current, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.decision();
    };
    return show;
}
