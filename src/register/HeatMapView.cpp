#include "register/HeatMapView.h"

#include "register/RiskRegister.h"

#include <QPainter>

using namespace RiskRegister;

HeatMapView::HeatMapView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("heatMap"));
    setMinimumSize(360, 260);
    setAccessibleName(QStringLiteral("Heat map of the risks by likelihood and impact"));
}

void HeatMapView::setCounts(const Counts& counts)
{
    m_counts = counts;
    QStringList cells;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            cells << QString::number(counts[r][c]);
    setAccessibleDescription(cells.join(QLatin1Char(' ')));
    update();
}

void HeatMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QStringList ratings{QStringLiteral("Low"), QStringLiteral("Moderate"), QStringLiteral("High")};
    const int labelWidth = fontMetrics().horizontalAdvance(QStringLiteral("Likelihood: Moderate")) + 12;
    const int headerHeight = fontMetrics().height() * 2 + 8;
    const int cellWidth = (width() - labelWidth) / 3;
    const int cellHeight = (height() - headerHeight) / 3;
    painter.drawText(QRect(labelWidth, 0, cellWidth * 3, fontMetrics().height() + 4), Qt::AlignCenter,
                     QStringLiteral("Impact"));
    QFont big = font();
    big.setPointSizeF(font().pointSizeF() * 1.8);
    big.setBold(true);
    for (int c = 0; c < 3; ++c)
        painter.drawText(
            QRect(labelWidth + c * cellWidth, fontMetrics().height() + 4, cellWidth, fontMetrics().height()),
            Qt::AlignCenter, ratings.at(c));
    for (int r = 0; r < 3; ++r) {
        const int y = headerHeight + r * cellHeight;
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, y, labelWidth - 6, cellHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Likelihood: ") + ratings.at(2 - r));
        for (int c = 0; c < 3; ++c) {
            const Rating level = riskLevel(Rating(3 - r), Rating(c + 1));
            const QColor colour = level == Rating::High       ? QColor(0xd9, 0x53, 0x4f)
                                  : level == Rating::Moderate ? QColor(0xf0, 0xad, 0x4e)
                                                              : QColor(0x5c, 0xb8, 0x5c);
            const QRect cell(labelWidth + c * cellWidth + 2, y + 2, cellWidth - 4, cellHeight - 4);
            painter.fillRect(cell, colour);
            painter.setPen(Qt::black);
            painter.setFont(big);
            painter.drawText(cell, Qt::AlignCenter, QString::number(m_counts[r][c]));
        }
    }
}
