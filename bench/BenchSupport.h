#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <unistd.h>
#include <sys/resource.h>

// Every benchmark prints one line "time_ms=T peak_kb=K" that bench/run.sh reads.
inline long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The resident memory now (not the peak), from /proc.
inline long residentKilobytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

inline void report(double milliseconds)
{
    std::printf("time_ms=%.1f peak_kb=%ld\n", milliseconds, peakKilobytes());
    std::fflush(stdout);
}

template <typename Work>
double millisecondsOf(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The longest time the work went without calling back to the window (a
// progress step, a repaint tick or a page report), from its start to its end.
class PauseClock {
public:
    void beat()
    {
        const auto now = std::chrono::steady_clock::now();
        longest_ = std::max(longest_, std::chrono::duration<double, std::milli>(now - last_).count());
        last_ = now;
    }
    double longestMilliseconds()
    {
        beat(); // the stretch after the last call back counts too
        return longest_;
    }

private:
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
    double longest_ = 0;
};
