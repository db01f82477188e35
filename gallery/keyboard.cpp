// Tab and Shift+Tab move the focus between the gallery's controls as in a
// dialog, and from then on the controls show focus cues.
#include <windows.h>

#include <string>

#include "gallery/gallery.h"

namespace gallery {
namespace {

// The direct child of window that holds the focus (a combo box for its edit field).
HWND FocusedControl(HWND window) {
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != window) focus = GetParent(focus);
    return focus;
}

}  // namespace

bool HandleTabKey(HWND window, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    if (msg.hwnd != window && !IsChild(window, msg.hwnd)) return false;
    const bool back = GetKeyState(VK_SHIFT) < 0;
    if (HWND next = GetNextDlgTabItem(window, FocusedControl(window), back ? TRUE : FALSE))
        SetFocus(next);
    SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return true;
}

namespace {

std::string Rect(HWND window, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
}

}  // namespace

std::string ReportTabStops(HWND window) {
    std::string out;
    HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    for (HWND c = first; c; c = GetNextDlgTabItem(window, c, FALSE)) {
        char cls[64] = {};
        GetClassNameA(c, cls, sizeof cls);
        out += std::string("tabstop: ") + cls + " " + Rect(window, c) + "\n";
        if (GetNextDlgTabItem(window, c, FALSE) == first) break;
    }
    return out;
}

std::string ReportButtons(HWND window) {
    struct Walk {
        HWND window;
        std::string out;
        static BOOL CALLBACK Visit(HWND c, LPARAM lp) {
            auto* w = reinterpret_cast<Walk*>(lp);
            char cls[16] = {};
            GetClassNameA(c, cls, sizeof cls);
            const LONG type = GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK;
            // Shown once the window is (the window itself may not be yet).
            bool shown = true;
            for (HWND p = c; p && p != w->window; p = GetParent(p))
                shown = shown && (GetWindowLongA(p, GWL_STYLE) & WS_VISIBLE) != 0;
            if (lstrcmpiA(cls, "Button") != 0 || !shown || type == BS_GROUPBOX) return TRUE;
            const char* kind = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX         ? "check"
                               : type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON ? "radio"
                                                                                      : "push";
            w->out += std::string("button: ") + kind + " " + Rect(w->window, c) + "\n";
            return TRUE;
        }
    } walk{window, {}};
    EnumChildWindows(window, Walk::Visit, reinterpret_cast<LPARAM>(&walk));
    return walk.out;
}

}  // namespace gallery
