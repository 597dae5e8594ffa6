// tessaly_icons: draws the application icon from the emblem as PNG files, one per size:
// tessaly_icons <folder> <size>... writes <folder>/<size>x<size>/org.tessaly.Tessaly.png.
#include "app/Emblem.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: tessaly_icons <folder> <size>...\n");
        return 2;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        const int size = sizeText.toInt();
        const QString folder = QDir(arguments.at(1)).filePath(QStringLiteral("%1x%1").arg(size));
        const QString file = QDir(folder).filePath(QStringLiteral("org.tessaly.Tessaly.png"));
        if (size <= 0 || !QDir().mkpath(folder) || !drawEmblem(size).toImage().save(file, "PNG")) {
            std::fprintf(stderr, "tessaly_icons: could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
