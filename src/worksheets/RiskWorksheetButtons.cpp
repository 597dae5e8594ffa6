#include "worksheets/RiskWorksheetButtons.h"

#include "base/ButtonLook.h"
#include "base/UtilityActions.h"
#include "worksheets/WorksheetTitles.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

constexpr int kColumns = 6;

} // namespace

RiskWorksheetButtons::RiskWorksheetButtons(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("riskWorksheetButtons"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    for (int n = 0; n < WorksheetTitles::kCount; ++n) {
        auto* button = new QPushButton(WorksheetTitles::defaultTitle(n), this);
        button->setObjectName(QStringLiteral("worksheetButton%1").arg(n));
        grid->addWidget(button, n / kColumns, n % kColumns);
        connect(button, &QPushButton::clicked, this, [this, n] { emit worksheetPressed(n); });
        m_buttons.append(button);
    }
    // Beside the free-text worksheets, the structured register of assets, risks and associates.
    auto* risks = new QPushButton(QStringLiteral("Risk Re&gister: Assets, Risks, Associates..."), this);
    risks->setObjectName(QStringLiteral("riskRegisterButton"));
    const int next = WorksheetTitles::kCount;
    grid->addWidget(risks, next / kColumns, next % kColumns, 1, kColumns - next % kColumns);
    connect(risks, &QPushButton::clicked, this, [this] {
        if (UtilityActions::handlers().run)
            UtilityActions::handlers().run(UtilityActions::Utility::RiskRegister, window());
    });
}

void RiskWorksheetButtons::setTitles(const QStringList& titles)
{
    for (int n = 0; n < titles.size() && n < m_buttons.size(); ++n)
        setTitle(n, titles.at(n));
}

void RiskWorksheetButtons::setTitle(int n, const QString& title)
{
    if (QPushButton* b = button(n)) {
        // A "&" in a title is shown as typed, not taken for a keyboard shortcut.
        b->setText(QString(title).replace(QLatin1Char('&'), QStringLiteral("&&")));
        b->setToolTip(title);
    }
}

QString RiskWorksheetButtons::title(int n) const
{
    return button(n) ? button(n)->toolTip() : QString();
}

QStringList RiskWorksheetButtons::titles() const
{
    QStringList list;
    for (int n = 0; n < m_buttons.size(); ++n)
        list << title(n);
    return list;
}

void RiskWorksheetButtons::setHasContent(int n, bool hasContent)
{
    if (QPushButton* b = button(n)) {
        QFont font = b->font();
        font.setUnderline(hasContent);
        b->setFont(font);
    }
}

bool RiskWorksheetButtons::hasContent(int n) const
{
    return button(n) && button(n)->font().underline();
}

void RiskWorksheetButtons::choose(int n)
{
    QList<QAbstractButton*> row;
    for (QPushButton* b : m_buttons)
        row.append(b);
    ButtonLook::chooseInRow(row, button(n), true);
}
