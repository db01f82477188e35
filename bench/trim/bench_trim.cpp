// The working set right after the deactivation trim against just before it, with
// the program's skinned main window up and painted. Each round first touches the
// window again (a full repaint) so that the trim has something to give back.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/main_window.h"
#include "app/startup.h"
#include "app/trim.h"
#include "bench/common/first_paint.h"
#include "bench/common/timing.h"

using bench::Median;

namespace {

double WorkingSetBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.WorkingSetSize);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 5;
    app::StartUp();
    HWND main = app::CreateMainWindow(GetModuleHandleA(nullptr));
    if (!main) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    bench::PumpUntilPainted(main);

    std::vector<double> before, after, ratio;
    for (int i = 0; i < rounds; ++i) {
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        bench::PumpUntilPainted(main);
        const double b = WorkingSetBytes();
        app::TrimWorkingSet();  // what every deactivation runs
        const double a = WorkingSetBytes();
        before.push_back(b);
        after.push_back(a);
        if (b > 0) ratio.push_back(a / b);
    }
    DestroyWindow(main);
    std::printf("working set before the trim: median %.0f bytes (%.1f MB)\n", Median(before),
                Median(before) / 1048576);
    std::printf("working set right after it: median %.0f bytes (%.1f MB)\n", Median(after),
                Median(after) / 1048576);
    std::printf("after / before: %.2f\n", Median(ratio));
    return 0;
}
