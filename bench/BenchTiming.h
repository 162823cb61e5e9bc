#pragma once
// The figure every benchmark prints: the median of several timed runs of an
// operation, each after its own untimed setup.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace Bench {

// Median in ms of `runs` timed calls of op, each after an untimed setup.
inline double MedianMs(int runs, const std::function<void()> &setup, const std::function<void()> &op)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        setup();
        QElapsedTimer e;
        e.start();
        op();
        t.push_back(static_cast<double>(e.nsecsElapsed()) / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

inline double MedianMs(int runs, const std::function<void()> &op)
{
    return MedianMs(runs, [] {}, op);
}

// The same for an operation on a shown view: the events the setup posts are
// handled before the clock starts, those of the operation within its time.
inline double MedianShownMs(int runs, const std::function<void()> &setup, const std::function<void()> &op)
{
    return MedianMs(
        runs,
        [&] {
            setup();
            QCoreApplication::processEvents();
        },
        [&] {
            op();
            QCoreApplication::processEvents();
        });
}

} // namespace Bench
