#include "actionarea/StandardsOverviewPanel.h"

#include "actionarea/StandardsOverview.h"
#include "base/ButtonLook.h"
#include "catalog/SafeguardCatalog.h"
#include "worksheets/StatusStore.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumnCount = 5;
const double kColumnShares[] = {0.3, 0.12, 0.36, 0.04};

} // namespace

StandardsOverviewPanel::StandardsOverviewPanel(const StatusStore& statuses, QWidget* parent)
    : QWidget(parent), m_statuses(statuses), m_groupLabel(new QLabel(this)),
      m_legendLabel(new QLabel(StandardsOverview::kLegend, this)), m_grid(new QTableWidget(0, kColumnCount, this))
{
    setObjectName(QStringLiteral("standardsOverviewPanel"));
    auto* frame = new QGroupBox(QStringLiteral("Security Standard Safeguards"), this);
    frame->setObjectName(QStringLiteral("overviewButtonFrame"));
    auto* buttons = new QHBoxLayout(frame);
    for (int g = 0; g < StandardsOverview::kButtonCaptions.size(); ++g) {
        auto* button = new QPushButton(StandardsOverview::kButtonCaptions.at(g), frame);
        button->setObjectName(QStringLiteral("overviewButton%1").arg(g));
        connect(button, &QPushButton::clicked, this, [this, g] { pressOverviewButton(g); });
        buttons->addWidget(button);
        m_buttons.append(button);
    }

    m_groupLabel->setObjectName(QStringLiteral("overviewGroupLabel"));
    QFont bold = m_groupLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_groupLabel->setFont(bold);
    m_legendLabel->setObjectName(QStringLiteral("overviewLegendLabel"));

    m_grid->setObjectName(QStringLiteral("VSGd2"));
    m_grid->setAccessibleName(QStringLiteral("Security standards overview"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only a standard's name wraps: the other columns keep their texts one to a line.
    m_grid->setWordWrap(true);
    m_grid->verticalHeader()->hide();
    // The columns are fitted to the grid's width, which a scroll bar coming and going would change.
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->addWidget(m_groupLabel);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_legendLabel);
}

void StandardsOverviewPanel::enter()
{
    fillRows(0);
    pressOverviewButton(0);
}

void StandardsOverviewPanel::pressOverviewButton(int group)
{
    if (group < 0 || group >= m_buttons.size())
        return;
    QList<QAbstractButton*> row(m_buttons.begin(), m_buttons.end());
    ButtonLook::chooseInRow(row, m_buttons.at(group));
    emit titleChanged(QStringLiteral("Action Area - HIPAA Security Standards - ") + m_buttons.at(group)->text());

    m_grid->setRowCount(0);
    m_grid->setCurrentCell(-1, -1);
    if (!m_grid->horizontalHeaderItem(0))
        m_grid->setHorizontalHeaderLabels(StandardsOverview::kHeaders);
    m_groupLabel->setText(StandardsOverview::groupLabel(group));
    m_groupLabel->show();
    m_legendLabel->show();
    m_grid->show();
    fillRows(group);
}

void StandardsOverviewPanel::fillRows(int group)
{
    m_group = group;
    const QList<QStringList> rows = StandardsOverview::rows(
        group, [this](int entryNumber) { return m_statuses.slot(SafeguardCatalog::statusRecord(entryNumber)); });
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < kColumnCount; ++c) {
            // The cells keep CR LF between lines; the grid shows each as one line.
            auto* item =
                new QTableWidgetItem(QString(rows[r][c]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            const bool leftAligned = c == 0 || c == 2;
            item->setTextAlignment(Qt::AlignTop | (leftAligned ? Qt::AlignLeft : Qt::AlignHCenter));
            item->setData(Qt::UserRole, rows[r][c]);
            m_grid->setItem(r, c, item);
        }
    }
    applyLayout();
}

void StandardsOverviewPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyLayout();
}

int StandardsOverviewPanel::textMargin() const
{
    // The room a cell keeps on either side of its text, and the grid line.
    return 2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 1;
}

int StandardsOverviewPanel::widestLine(int column) const
{
    // With a character to spare: the grid lays its text out a little wider than measured here.
    const QFontMetrics metrics = m_grid->fontMetrics();
    int widest = m_grid->horizontalHeader()->sectionSizeHint(column);
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const QStringList lines = m_grid->item(r, column)->text().split(QLatin1Char('\n'));
        for (const QString& line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line) + textMargin() + metrics.averageCharWidth());
    }
    return widest;
}

void StandardsOverviewPanel::applyLayout()
{
    // The first four columns take their shares of the width. The section, the specifications,
    // their marks and their statuses never get less than their longest line: a narrow window
    // takes what they need from the standard's name, which wraps.
    const int width = m_grid->viewport()->width();
    int widths[4];
    for (int c = 0; c < 4; ++c)
        widths[c] = int(kColumnShares[c] * width);
    for (int c = 1; c < 4; ++c)
        widths[c] = qMax(widths[c], widestLine(c));
    const int statusWidth = widestLine(4);
    const int spare = width - widths[0] - widths[1] - widths[2] - widths[3] - statusWidth;
    if (spare < 0)
        widths[0] = qMax(widths[0] + spare, m_grid->fontMetrics().averageCharWidth() * 12);
    for (int c = 0; c < 4; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    const int height = m_grid->height();
    const int nameRoom = qMax(1, widths[0] - textMargin());
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const int lines = int(m_grid->item(r, 2)->text().count(QLatin1Char('\n'))) + 1;
        const double share = StandardsOverview::rowHeightFraction(m_group, lines);
        const int defaultHeight = m_grid->verticalHeader()->defaultSectionSize();
        // Never shorter than its text: the standard's own name may need more lines than its
        // specifications, the more so where it wraps.
        const int specificationsHeight = m_grid->fontMetrics().lineSpacing() * lines;
        const int nameHeight =
            m_grid->fontMetrics()
                .boundingRect(QRect(0, 0, nameRoom, 10000), Qt::TextWordWrap, m_grid->item(r, 0)->text())
                .height();
        const int needed = qMax(defaultHeight, qMax(specificationsHeight, nameHeight) + 6);
        m_grid->setRowHeight(r, qMax(int(share * height), needed));
    }
}
