#pragma once
// The figure every benchmark prints: the median of several timed runs of an
// operation, each after its own untimed setup; and the median and spread of
// figures taken otherwise.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace Bench {

// The median of figures with their lowest and highest (0s for none).
struct Spread {
    double median = 0;
    double lo = 0;
    double hi = 0;
};

inline Spread SpreadOf(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

// The figure below which the fraction `p` of them lie (0 for none).
inline double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(static_cast<double>(v.size()) * p))];
}

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
