// For the start-up benchmark's contenders: pump until a window and its children
// have nothing left to paint, then tell the benchmark through the event whose name
// is the first command-line argument.
#pragma once
#include <windows.h>

#include <cstdlib>

namespace bench {

inline bool NeedsPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c) && GetUpdateRect(c, nullptr, FALSE)) return true;
    return false;
}

// Dispatches messages until every pending paint of window and its children is
// done and the queue is empty (at most 10 s).
inline void PumpUntilPainted(HWND window) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < 10000) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!NeedsPaint(window)) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    GdiFlush();
}

// Signals the benchmark and leaves at once: tearing down is not part of a start.
[[noreturn]] inline void SignalPaintedAndExit(const char* eventName) {
    if (HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName)) {
        SetEvent(done);
        CloseHandle(done);
    }
    ExitProcess(0);
}

}  // namespace bench
