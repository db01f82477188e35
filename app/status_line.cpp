#include "app/status_line.h"

#include "app/runtime.h"
#include "skin/frame/frame_painter.h"
#include "skin/base/window_table.h"

namespace app {
namespace {

constexpr COLORREF kFine = RGB(255, 255, 255);
constexpr COLORREF kWrong = RGB(255, 220, 0);

HelperRunner& Runner() {
    static HelperRunner runner;
    return runner;
}

// The click whose helper has not been collected yet.
struct PendingRestore {
    bool active = false;
    RestoreRun run;
    WaitRegistration wait;
};

PendingRestore& Pending() {
    static PendingRestore pending;
    return pending;
}

// Pool thread: only posts; the window's thread does the rest.
void CALLBACK HelperSignalled(void* window, BOOLEAN) {
    PostMessageA(static_cast<HWND>(window), kHelperDoneMessage, 0, 0);
}

}  // namespace

const char* StateText(RampState state) {
    switch (state) {
        case RampState::kNormal: return "亮度正常";
        case RampState::kAltered: return "亮度被改动";
        case RampState::kUnknown: return "亮度未知";
    }
    return "亮度未知";
}

const char* OutcomeText(RestoreOutcome outcome) {
    switch (outcome) {
        case RestoreOutcome::kRestored: return "亮度已恢复";
        case RestoreOutcome::kCalibrated: return "校准已恢复";
        case RestoreOutcome::kNotRestored: return "显示器拒绝";
        case RestoreOutcome::kNotWritten: return "无法写入";
        case RestoreOutcome::kNotStarted: return "无法启动";
        case RestoreOutcome::kNoAnswer: return "恢复超时";
    }
    return "恢复超时";
}

COLORREF StateColour(RampState state) { return state == RampState::kAltered ? kWrong : kFine; }

COLORREF OutcomeColour(RestoreOutcome outcome) {
    return outcome == RestoreOutcome::kRestored || outcome == RestoreOutcome::kCalibrated ? kFine
                                                                                          : kWrong;
}

void SetHelperRunner(HelperRunner runner) { Runner() = std::move(runner); }

void ShowStartState(HWND window) {
    const RampState state = ClassifyRamps(CurrentDisplayRamps());
    ShowStatus(window, StateText(state), StateColour(state));
}

void OnRestoreClicked(HWND window) {
    PendingRestore& p = Pending();
    if (p.active) return;
    p.run = Runner() ? Runner()() : StartRestore();
    p.active = true;
    // A helper that never ran has its outcome already; otherwise a pool thread
    // waits for the exit (or the limit) and posts. Without that wait the result is
    // collected now, as far as it is known.
    if (p.run.failed ||
        !p.wait.Register(p.run.process.get(), HelperSignalled, window, kHelperExitLimitMs))
        OnHelperDone(window);
}

void OnHelperDone(HWND window) {
    PendingRestore& p = Pending();
    if (!p.active) return;
    p.wait.reset();
    const RestoreResult result = FinishRestore(p.run);
    p.active = false;
    ShowStatus(window, OutcomeText(result.outcome), OutcomeColour(result.outcome));
}

void AbandonRestore() {
    PendingRestore& p = Pending();
    if (!p.active) return;
    p.wait.reset();
    // The helper is nearly always done within the second; a stuck one is ended.
    WaitForExit(p.run.process.get(), 1000);
    FinishRestore(p.run);
    p.active = false;
}

bool RestorePending() { return Pending().active; }

void ShowStatus(HWND window, const std::string& text, COLORREF colour) {
    const int index = skin::FindWindowIndex(window);
    skin::WindowRecord* r = skin::Table().At(index);
    if (!r || r->panels.empty()) return;
    r->panels[0].text = text;
    r->panels[0].option = static_cast<int>(colour);
    // Only the panel's box, from the bar snapshot; before the first render there
    // is nothing to redraw and the render draws the text.
    skin::DrawPanel(index, nullptr, false, 1);
}

std::string StatusText(HWND window) {
    skin::WindowRecord* r = skin::Table().At(skin::FindWindowIndex(window));
    return r && !r->panels.empty() ? r->panels[0].text : std::string{};
}

}  // namespace app
