// Time from process start to the first complete paint of the main window: the
// program's skinned start against a plain unskinned window with the same label
// and button, started alternately in the same run. Each contender signals an
// event once nothing is left to paint and exits at once.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/runtime.h"
#include "bench/common/timing.h"

using bench::Median;
using bench::NowMs;

namespace {

// Milliseconds from CreateProcess to the contender's signal; negative on failure.
double TimeToFirstPaint(const std::string& exe, int round) {
    char name[64];
    std::snprintf(name, sizeof name, "TovikFirstPaint-%lu-%d", GetCurrentProcessId(), round);
    app::FileHandle painted(CreateEventA(nullptr, TRUE, FALSE, name));
    if (!painted) return -1;
    const double t0 = NowMs();
    app::ProcessHandle process = app::StartProgram(app::QuotedForCommandLine(exe) + " " + name);
    if (!process) return -1;
    const HANDLE both[] = {painted.get(), process.get()};
    const DWORD which = WaitForMultipleObjects(2, both, FALSE, 30000);
    const double t = NowMs() - t0;
    WaitForSingleObject(process.get(), 10000);
    return which == WAIT_OBJECT_0 ? t : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
    const std::string dir = app::RunDirectory();
    const std::string skinned = dir + "\\startup_skinned.exe", plain = dir + "\\startup_plain.exe";

    // One of each first: the first start of anything under Wine is slow.
    TimeToFirstPaint(plain, 0);
    TimeToFirstPaint(skinned, 0);

    std::vector<double> s, p;
    int failed = 0;
    for (int i = 1; i <= rounds; ++i) {
        const double a = TimeToFirstPaint(plain, i), b = TimeToFirstPaint(skinned, i);
        if (a < 0 || b < 0) {
            ++failed;
            continue;
        }
        p.push_back(a);
        s.push_back(b);
    }
    if (s.empty()) {
        std::printf("no contender signalled its first paint\n");
        return 1;
    }
    std::printf("plain window, start to first complete paint: median %.1f ms\n", Median(p));
    std::printf("skinned window, start to first complete paint: median %.1f ms (%d failed)\n",
                Median(s), failed);
    std::printf("skinned / plain: %.2f\n", Median(s) / Median(p));
    return failed ? 1 : 0;
}
