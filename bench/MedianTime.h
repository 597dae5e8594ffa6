// The median wall time, in milliseconds, of running a piece of work several times.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

// The median wall time of work, with prepare run untimed before each run.
template <typename P, typename F> double medianMs(int runs, P&& prepare, F&& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename F> double medianMs(int runs, F&& work)
{
    return medianMs(
        runs, [] {}, work);
}
