#include "actionarea/SafeguardButtonPanel.h"

#include "base/ButtonLook.h"
#include "base/WrappingButton.h"
#include "catalog/SafeguardCatalog.h"
#include "worksheets/RiskWorksheetButtons.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Long rows wrap onto several lines of buttons.
int columnsFor(int count)
{
    return count > 12 ? 6 : (count > 4 ? 5 : count);
}

} // namespace

SafeguardButtonPanel::SafeguardButtonPanel(QWidget* parent) : QWidget(parent), m_caption(new QLabel(this))
{
    setObjectName(QStringLiteral("safeguardButtonPanel"));
    m_caption->setObjectName(QStringLiteral("safeguardPanelCaption"));
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_caption);

    for (int f = 0; f < kFrameCount; ++f) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("buttonFrame%1").arg(f));
        frame->setFrameShape(QFrame::StyledPanel);
        auto* grid = new QGridLayout(frame);
        grid->setContentsMargins(4, 4, 4, 4);
        grid->setSpacing(3);
        layout->addWidget(frame);
        m_frames.append(frame);
        if (f == kWorksheetFrame) {
            m_worksheetButtons = new RiskWorksheetButtons(frame);
            grid->addWidget(m_worksheetButtons, 0, 0);
            continue;
        }
        const int groupCode = SafeguardCatalog::kFirstGroupCode + f;
        QList<WrappingButton*> buttons;
        const SafeguardGroup* g = SafeguardCatalog::group(groupCode);
        const int columns = columnsFor(g->entryCount);
        for (int i = 0; i < g->entryCount; ++i) {
            const SafeguardEntry* entry = SafeguardCatalog::entry(groupCode, i);
            auto* button = new WrappingButton(entry->buttonCaption, frame);
            button->setObjectName(QStringLiteral("safeguardButton_%1_%2").arg(groupCode).arg(i));
            button->setToolTip(entry->fullTitle);
            button->setAccessibleName(SafeguardCatalog::displayText(entry->buttonCaption));
            QSizePolicy policy = button->sizePolicy();
            policy.setHorizontalPolicy(QSizePolicy::Ignored); // the columns' widths decide
            button->setSizePolicy(policy);
            button->setRoomForBold(true);
            grid->addWidget(button, i / columns, i % columns);
            connect(button, &QPushButton::clicked, this, [this, groupCode, i] { emit safeguardPressed(groupCode, i); });
            buttons.append(button);
        }
        for (int c = 0; c < columns; ++c)
            grid->setColumnStretch(c, 1);
        m_rows.append(buttons);
    }
    hideAllFrames();
    makeColumnsEven();
}

void SafeguardButtonPanel::makeColumnsEven()
{
    // Columns of one width, so that the buttons stay put when the chosen one turns bold; never
    // so narrow that the longest word of a caption is cut.
    for (int f = 0; f < m_rows.size(); ++f) {
        int widest = 0;
        for (const WrappingButton* button : m_rows.at(f))
            widest = qMax(widest, button->minimumSizeHint().width());
        auto* grid = static_cast<QGridLayout*>(m_frames.at(f)->layout());
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setColumnMinimumWidth(c, widest);
    }
}

void SafeguardButtonPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        makeColumnsEven();
}

void SafeguardButtonPanel::hideAllFrames()
{
    for (QFrame* frame : m_frames)
        frame->hide();
}

void SafeguardButtonPanel::showFrame(int frame)
{
    if (frame >= 0 && frame < m_frames.size())
        m_frames.at(frame)->show();
}

void SafeguardButtonPanel::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

QString SafeguardButtonPanel::caption() const
{
    return m_caption->text();
}

QPushButton* SafeguardButtonPanel::button(int groupCode, int index) const
{
    const int row = groupCode - SafeguardCatalog::kFirstGroupCode;
    if (row < 0 || row >= m_rows.size() || index < 0 || index >= m_rows.at(row).size())
        return nullptr;
    return m_rows.at(row).at(index);
}

QList<QAbstractButton*> SafeguardButtonPanel::row(int groupCode) const
{
    QList<QAbstractButton*> buttons;
    const int row = groupCode - SafeguardCatalog::kFirstGroupCode;
    if (row >= 0 && row < m_rows.size()) {
        for (QPushButton* b : m_rows.at(row))
            buttons.append(b);
    }
    return buttons;
}

void SafeguardButtonPanel::choose(int groupCode, int index)
{
    ButtonLook::chooseInRow(row(groupCode), button(groupCode, index), true);
}
