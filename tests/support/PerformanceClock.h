#pragma once
// Milliseconds from the performance counter, for the GUI tests' timings and
// the paint benchmark (Windows only).
#include <windows.h>

inline double performanceMilliseconds() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
