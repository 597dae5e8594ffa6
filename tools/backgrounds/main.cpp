// Draws the eight grid background pictures WP1.jpg to WP8.jpg into a folder.
// They are light and low in contrast so that black grid text stays easy to read,
// and each repeats seamlessly when the grid tiles it.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>
#include <cstdio>

namespace {

constexpr int kSize = 256; // every pattern's period divides this, so tiles join without a seam

QImage canvas(const QColor& paper)
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(paper);
    return image;
}

// Pale parchment with fine diagonal hatching.
QImage parchment()
{
    QImage image = canvas(QColor(250, 246, 234));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(236, 228, 206), 1.2));
    for (int x = -kSize; x < 2 * kSize; x += 16)
        p.drawLine(x, 0, x + kSize, kSize);
    return image;
}

// Graph paper: thin blue lines every 16 pixels, a stronger one every 64.
QImage graphPaper()
{
    QImage image = canvas(QColor(248, 251, 255));
    QPainter p(&image);
    for (int i = 0; i < kSize; i += 16) {
        p.setPen(QColor(i % 64 == 0 ? QColor(205, 220, 240) : QColor(228, 236, 248)));
        p.drawLine(i, 0, i, kSize - 1);
        p.drawLine(0, i, kSize - 1, i);
    }
    return image;
}

// Soft dots on a warm grey, set in offset rows.
QImage dots()
{
    QImage image = canvas(QColor(247, 246, 243));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 226, 218));
    for (int y = 0; y < kSize; y += 32) {
        const int shift = (y / 32) % 2 ? 16 : 0;
        for (int x = -32; x < kSize + 32; x += 32)
            p.drawEllipse(QPointF(x + shift, y + 16), 3.5, 3.5);
    }
    return image;
}

// Gentle waves of pale blue.
QImage waves()
{
    QImage image = canvas(QColor(244, 249, 252));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(214, 230, 240), 2.0));
    for (int base = 0; base < kSize + 32; base += 32) {
        QPainterPath path;
        for (int x = 0; x <= kSize; x += 2) {
            const double y = base + 6.0 * qSin(2.0 * M_PI * x / 128.0);
            if (x == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.drawPath(path);
    }
    return image;
}

// Linen: fine woven cross-hatching in beige.
QImage linen()
{
    QImage image = canvas(QColor(245, 241, 232));
    QPainter p(&image);
    for (int i = 0; i < kSize; i += 4) {
        p.setPen(QColor(236, 230, 216, i % 8 == 0 ? 255 : 140));
        p.drawLine(i, 0, i, kSize - 1);
        p.drawLine(0, i, kSize - 1, i);
    }
    return image;
}

// Checks of two near-identical greens.
QImage checks()
{
    QImage image = canvas(QColor(243, 250, 243));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(233, 244, 233));
    for (int y = 0; y < kSize; y += 32) {
        for (int x = (y / 32) % 2 ? 32 : 0; x < kSize; x += 64)
            p.drawRect(x, y, 32, 32);
    }
    return image;
}

// Diamonds outlined in pale lavender.
QImage diamonds()
{
    QImage image = canvas(QColor(249, 247, 252));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(226, 220, 240), 1.5));
    for (int x = -kSize; x < 2 * kSize; x += 32) {
        p.drawLine(x, 0, x + kSize, kSize);
        p.drawLine(x, kSize, x + kSize, 0);
    }
    return image;
}

// Speckled stone: faint random flecks on light grey, the same every build.
QImage stone()
{
    QImage image = canvas(QColor(246, 246, 246));
    QRandomGenerator random(20040105);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int shade = 246 - int(random.bounded(9));
            image.setPixel(x, y, qRgb(shade, shade, shade - 1));
        }
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen: the tool runs during the build, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaly_backgrounds <program folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage pictures[] = {parchment(), graphPaper(), dots(), waves(), linen(), checks(), diamonds(), stone()};
    int n = 1;
    for (const QImage& picture : pictures) {
        const QString path = folder.filePath(QStringLiteral("WP%1.jpg").arg(n++));
        if (!picture.save(path, "JPG", 92)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
