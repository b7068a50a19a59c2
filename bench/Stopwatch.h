#pragma once

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
