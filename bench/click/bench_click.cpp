// Time from the button's click to the handler's return, against starting a
// do-nothing program and waiting for it, and against a do-nothing program that
// opens the screen DC (the least a gamma helper must do), measured alternately in
// the same run. The handler is the window's own: it starts the helper and leaves
// its exit to a pool wait; collecting the outcome afterwards is not timed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/runtime.h"
#include "app/status_line.h"
#include "bench/common/timing.h"

using bench::Median;
using bench::NowMs;

namespace {

LRESULT CALLBACK OutcomeProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == app::kHelperDoneMessage) {
        app::OnHelperDone(h);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

// Lets the pool wait report the helper's exit, so the next click is not refused.
void CollectOutcome() {
    MSG msg;
    const double start = NowMs();
    while (app::RestorePending() && NowMs() - start < 15000) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
    const std::string dir = app::RunDirectory();
    const std::string noop = app::QuotedForCommandLine(dir + "\\noop.exe");
    const std::string screenNoop = app::QuotedForCommandLine(dir + "\\screen_noop.exe");
    const std::string tool = dir + app::kGammaToolName;

    WNDCLASSA wc{};
    wc.lpfnWndProc = OutcomeProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchClickOutcome";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    auto click = [&] {
        const double t0 = NowMs();
        app::OnRestoreClicked(window);
        const double t = NowMs() - t0;
        CollectOutcome();
        return t;
    };

    // One of each first: the first start of anything under Wine is slow.
    app::RunProgram(noop, true);
    click();

    std::vector<double> base, screen, clicks;
    int leftBehind = 0;
    for (int i = 0; i < rounds; ++i) {
        double t0 = NowMs();
        app::RunProgram(noop, true);
        base.push_back(NowMs() - t0);
        clicks.push_back(click());
        double t2 = NowMs();
        app::RunProgram(screenNoop, true);
        screen.push_back(NowMs() - t2);
        if (GetFileAttributesA(tool.c_str()) != INVALID_FILE_ATTRIBUTES) ++leftBehind;
    }
    DestroyWindow(window);
    const double b = Median(base), s = Median(screen), c = Median(clicks);
    std::printf("baseline (start and wait for a do-nothing program): median %.1f ms\n", b);
    std::printf(
        "click handler: median %.1f ms, click / baseline %.2f; helper file left: %d of %d\n", c,
        c / b, leftBehind, rounds);
    std::printf("reference (do-nothing program that opens the screen DC): median %.1f ms\n", s);
    std::printf("click / screen-DC program: %.2f\n", c / s);
    return leftBehind ? 1 : 0;
}
