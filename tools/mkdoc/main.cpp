// tessaly_mkdoc input.md output: writes the Markdown document as RTF.
#include "MarkdownDocument.h"

#include "base/AtomicFile.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Qt's start-up warnings (no runtime folder, no display) would clutter every build; errors still show.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tessaly_mkdoc: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietMessages);
    // Fonts need a GUI application; the offscreen platform needs no display at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: tessaly_mkdoc input.md output\n");
        return 2;
    }
    QFile input(arguments.at(1));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tessaly_mkdoc: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QString markdown = QString::fromUtf8(input.readAll());
    QString error;
    if (!writeFileAtomically(arguments.at(2), MarkdownDocument::toRtf(markdown), &error)) {
        std::fprintf(stderr, "tessaly_mkdoc: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
