#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace CommandLine {

void answerWithoutWindow(int& argc, char** argv)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A workbook that guides a small health-care practice through the HIPAA Security Rule and keeps its "
        "compliance documentation.\nWithout options, Tessaly opens its start screen."));
    // "-reverse" and the other options of the window system are long options, not runs of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    if (!parser.isSet(help) && !parser.isSet(version) && !parser.isSet(QStringLiteral("help-all")))
        return;
    // Printing the answer needs the application object, but not a window system.
    QCoreApplication textOnly(argc, argv);
    parser.process(textOnly);
}

} // namespace CommandLine
