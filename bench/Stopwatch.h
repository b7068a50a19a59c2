#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include <time.h>

// Wall-clock and processor time over the timed parts of a benchmark, so that one benchmark can
// report its ratio to another measured earlier in the same run.
class Stopwatch {
public:
    void start()
    {
        m_wallStart = now(CLOCK_MONOTONIC);
        m_cpuStart = now(CLOCK_PROCESS_CPUTIME_ID);
    }
    void stop()
    {
        m_wall += now(CLOCK_MONOTONIC) - m_wallStart;
        m_cpu += now(CLOCK_PROCESS_CPUTIME_ID) - m_cpuStart;
    }
    double wallSeconds() const { return m_wall; }
    double cpuSeconds() const { return m_cpu; }

private:
    static double now(clockid_t clock)
    {
        timespec time{};
        clock_gettime(clock, &time);
        return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
    }

    double m_wallStart = 0, m_cpuStart = 0, m_wall = 0, m_cpu = 0;
};

// The time of one iteration of a benchmark, kept for those measured after it in the same run.
struct IterationTime {
    double wallSeconds = 0;
    double cpuSeconds = 0;

    static IterationTime of(const Stopwatch& watch, long iterations)
    {
        return {watch.wallSeconds() / double(iterations), watch.cpuSeconds() / double(iterations)};
    }
};

// The middle one of several runs' figures, so that one slow run does not decide.
template <typename T, typename Less = std::less<T>> T median(std::vector<T> values, Less less = {})
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end(), less);
    return *middle;
}
