#include "app/Emblem.h"

#include <QPainter>
#include <QPainterPath>

QPixmap drawEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QPainterPath shield;
    shield.moveTo(0.5 * s, 0.04 * s);
    shield.lineTo(0.9 * s, 0.18 * s);
    shield.cubicTo(0.9 * s, 0.62 * s, 0.72 * s, 0.84 * s, 0.5 * s, 0.96 * s);
    shield.cubicTo(0.28 * s, 0.84 * s, 0.1 * s, 0.62 * s, 0.1 * s, 0.18 * s);
    shield.closeSubpath();
    QLinearGradient fill(0, 0, 0, s);
    fill.setColorAt(0, QColor(40, 110, 190));
    fill.setColorAt(1, QColor(15, 55, 120));
    p.setBrush(fill);
    p.setPen(QPen(QColor(230, 235, 245), s * 0.03));
    p.drawPath(shield);

    const QRectF page(0.33 * s, 0.26 * s, 0.34 * s, 0.44 * s);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(page, s * 0.02, s * 0.02);
    p.setPen(QPen(QColor(150, 160, 175), s * 0.018));
    for (int i = 0; i < 4; ++i) {
        const qreal y = page.top() + page.height() * (0.2 + 0.15 * i);
        p.drawLine(QPointF(page.left() + page.width() * 0.15, y), QPointF(page.right() - page.width() * 0.15, y));
    }
    p.setPen(QPen(QColor(30, 150, 70), s * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath check;
    check.moveTo(0.4 * s, 0.6 * s);
    check.lineTo(0.48 * s, 0.68 * s);
    check.lineTo(0.66 * s, 0.48 * s);
    p.drawPath(check);
    return pixmap;
}
