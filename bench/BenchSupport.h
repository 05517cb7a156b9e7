#pragma once

#include "sheet/RecordSheet.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

// Every benchmark prints one line "time_ms=T peak_kb=K" that bench/run.sh reads.
inline long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <typename Work>
double millisecondsOf(Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The longest time the work went without calling back to the window (a
// progress step or a repaint tick), from its start to its end.
class PauseClock {
public:
    PauseClock() : last_(std::chrono::steady_clock::now()) {}
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
    std::chrono::steady_clock::time_point last_;
    double longest_ = 0;
};

inline void report(double milliseconds)
{
    std::printf("time_ms=%.1f peak_kb=%ld\n", milliseconds, peakKilobytes());
}

// A sheet of rowCount rows whose first `records` rows hold realistic records
// with all ten columns filled, the same every run.
RecordSheet realisticSheet(int records, int rowCount);
// Clipboard text of `records` tab-separated record lines, numbered from the end
// so that a sort has real work to do.
QString realisticClipboard(int records);
