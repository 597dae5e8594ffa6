// Time from launching a process to a visible start screen, leaving out the splash's pause.
//
// The parent launches itself as a child eleven times; each child starts the program's start
// screen exactly as the program does (same folder set-up, same load) with a clock that makes
// the splash's pause pass at once, and prints the monotonic time at which the screen was
// exposed. Run with QT_QPA_PLATFORM=offscreen or under a display.
#include "app/Startfrm.h"
#include "base/Clock.h"
#include "base/DataFolder.h"

#include <QApplication>
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

int runChild(int argc, char* argv[], const QString& folder)
{
    QApplication app(argc, argv);
    DataFolder::setRoot(folder);
    // Every reading moves the clock a second on: the splash's two pauses end at once.
    auto fake = std::make_shared<QDateTime>(QDateTime::currentDateTime());
    Clock::setSource([fake] {
        *fake = fake->addSecs(1);
        return *fake;
    });
    Startfrm screen;
    screen.show();
    screen.activate();
    while (!screen.windowHandle() || !screen.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    std::printf("%lld\n", monotonicMicros());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    std::vector<double> millis;
    for (int run = 0; run < 11; ++run) {
        QProcess child;
        const long long start = monotonicMicros();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), folder.path()});
        child.waitForFinished(30000);
        const long long shown = child.readAllStandardOutput().trimmed().toLongLong();
        if (child.exitCode() != 0 || shown == 0) {
            std::fprintf(stderr, "child failed: %s\n", child.readAllStandardError().constData());
            return 1;
        }
        millis.push_back((shown - start) / 1000.0);
    }
    std::sort(millis.begin(), millis.end());
    std::printf("launch to visible start screen (splash pause left out), %zu runs\n", millis.size());
    std::printf("  min %.1f ms   median %.1f ms   max %.1f ms   (target: under 300 ms)\n", millis.front(),
                millis[millis.size() / 2], millis.back());
    return 0;
}
