// Time from the button's click to the handler's return, against starting a
// do-nothing program and waiting for it, measured alternately in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/brightness.h"
#include "app/runtime.h"
#include "bench/common/timing.h"

using bench::Median;
using bench::NowMs;

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
    const std::string dir = app::RunDirectory();
    const std::string noop = app::QuotedForCommandLine(dir + "\\noop.exe");
    const std::string screenNoop = app::QuotedForCommandLine(dir + "\\screen_noop.exe");
    const std::string tool = dir + app::kGammaToolName;

    // One of each first: the first start of anything under Wine is slow.
    app::RunProgram(noop, true);
    app::RestoreBrightness();

    std::vector<double> base, screen, click;
    int leftBehind = 0;
    for (int i = 0; i < rounds; ++i) {
        double t0 = NowMs();
        app::RunProgram(noop, true);
        double t1 = NowMs();
        app::RestoreBrightness();
        double t2 = NowMs();
        app::RunProgram(screenNoop, true);
        double t3 = NowMs();
        base.push_back(t1 - t0);
        click.push_back(t2 - t1);
        screen.push_back(t3 - t2);
        if (GetFileAttributesA(tool.c_str()) != INVALID_FILE_ATTRIBUTES) ++leftBehind;
    }
    double b = Median(base), c = Median(click);
    std::printf("baseline (start and wait for a do-nothing program): median %.1f ms\n", b);
    std::printf(
        "reference (do-nothing program that opens the screen DC): median %.1f ms, "
        "click / reference %.2f\n",
        Median(screen), c / Median(screen));
    std::printf("click handler: median %.1f ms; helper file left after return: %d of %d\n", c,
                leftBehind, rounds);
    std::printf("click / baseline: %.2f\n", c / b);
    return leftBehind ? 1 : 0;
}
