#include "app/Emblem.h"

#include <QLabel>
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

QLabel* makeEmblemLabel(int size, QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("emblemPicture"));
    picture->setPixmap(drawEmblem(size));
    return picture;
}

QLabel* makeProductNameLabel(int pointSize, QWidget* parent)
{
    auto* name = new QLabel(QStringLiteral("Tessaly"), parent);
    name->setObjectName(QStringLiteral("productNameLabel"));
    QFont big = name->font();
    big.setPointSize(pointSize);
    big.setBold(true);
    name->setFont(big);
    return name;
}

QLabel* makeVersionLabel(QWidget* parent)
{
    auto* version = new QLabel(QStringLiteral("Version 6.0a"), parent);
    version->setObjectName(QStringLiteral("versionLabel"));
    return version;
}
