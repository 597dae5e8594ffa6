// Time from launching a process to a visible start screen, leaving out the splash's pause.
//
// The parent launches itself as a child eleven times; each child starts the program's start
// screen exactly as the program does (same folder set-up, same load) with a clock that makes
// the splash's pause pass at once, and prints the monotonic time at which the screen was
// exposed. A bare Qt window that only shows itself is launched the same way, alternately, as
// the baseline: the ratio of the medians is what start-up costs beyond Qt's own. Run with
// QT_QPA_PLATFORM=offscreen or under a display.
#include "app/ProgramSetup.h"
#include "app/Startfrm.h"
#include "base/Clock.h"
#include "base/DataFolder.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long monotonicMicros()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

// Waits until the window is on the screen, then prints the time.
void printWhenExposed(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    std::printf("%lld\n", monotonicMicros());
}

// A bare window, or one that shows a line of text: any text makes Qt load the font database
// (fontconfig), which the bare window never does.
int runBare(int argc, char* argv[], bool withText)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    if (withText)
        (new QLabel(QStringLiteral("Tessaly"), &window))->move(20, 20);
    window.show();
    printWhenExposed(window);
    return 0;
}

int runChild(int argc, char* argv[], const QString& folder)
{
    QApplication app(argc, argv);
    DataFolder::setRoot(folder);
    ProgramSetup::configure();
    // Every reading moves the clock two seconds on: each of the splash's two pauses ends at its
    // first look at the clock, without the few milliseconds' sleep between two looks.
    auto fake = std::make_shared<QDateTime>(QDateTime::currentDateTime());
    Clock::setSource([fake] {
        *fake = fake->addSecs(2);
        return *fake;
    });
    Startfrm screen;
    screen.show();
    screen.activate();
    printWhenExposed(screen);
    return 0;
}

// Launches this program with arguments and returns the milliseconds to its window, or -1.
double launch(const QStringList& arguments)
{
    QProcess child;
    const long long start = monotonicMicros();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(30000);
    const long long shown = child.readAllStandardOutput().trimmed().toLongLong();
    if (child.exitCode() != 0 || shown == 0) {
        std::fprintf(stderr, "child failed: %s\n", child.readAllStandardError().constData());
        return -1;
    }
    return (shown - start) / 1000.0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && QByteArray(argv[1]).startsWith("--bare"))
        return runBare(argc, argv, QByteArray(argv[1]) == "--bare-text");

    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    std::vector<double> program, bare, text;
    for (int run = 0; run < 11; ++run) {
        const double p = launch({QStringLiteral("--child"), folder.path()});
        const double b = launch({QStringLiteral("--bare")});
        const double t = launch({QStringLiteral("--bare-text")});
        if (p < 0 || b < 0 || t < 0)
            return 1;
        program.push_back(p);
        bare.push_back(b);
        text.push_back(t);
    }
    std::sort(program.begin(), program.end());
    std::sort(bare.begin(), bare.end());
    std::sort(text.begin(), text.end());
    const double median = program[program.size() / 2];
    const double bareMedian = bare[bare.size() / 2];
    std::printf("launch to visible start screen (splash pause left out), %zu runs each\n", program.size());
    std::printf("  start screen  min %.1f ms   median %.1f ms   max %.1f ms\n", program.front(), median,
                program.back());
    std::printf("  bare window   min %.1f ms   median %.1f ms   max %.1f ms\n", bare.front(), bareMedian, bare.back());
    std::printf("  one label     min %.1f ms   median %.1f ms   max %.1f ms\n", text.front(), text[text.size() / 2],
                text.back());
    std::printf("  ratio of medians to the bare window %.2f (target: 1.3 or less), to the label %.2f\n",
                median / bareMedian, median / text[text.size() / 2]);
    return 0;
}
