// Timing and memory readings shared by the benchmarks.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>

using BenchClock = std::chrono::steady_clock;

inline double millisecondsSince(BenchClock::time_point start) {
    return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

// The process's committed private memory in bytes.
inline size_t privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters);
    // Wine reports the committed private memory as the page-file usage.
    return std::max<size_t>(counters.PrivateUsage, counters.PagefileUsage);
}
