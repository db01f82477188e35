// Timing helpers shared by the benchmarks.
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

inline double NowMs() {
    static const LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Mean time of one call over reps calls, in milliseconds.
template <typename F>
double TimeEach(int reps, F&& f) {
    const double t0 = NowMs();
    for (int i = 0; i < reps; ++i) f(i);
    return (NowMs() - t0) / reps;
}

}  // namespace bench
