// Tab and Shift+Tab move the focus between the gallery's controls as in a
// dialog, and from then on the controls show focus cues.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "gallery/gallery.h"

namespace gallery {
namespace {

// The control that holds the focus, as the dialog manager counts controls: a
// combo box for its edit field, but a control on a page (a child dialog,
// WS_EX_CONTROLPARENT) for itself, so Tab moves on inside the page.
HWND FocusedControl(HWND window) {
    HWND focus = GetFocus();
    for (HWND parent = focus ? GetParent(focus) : nullptr; focus && parent != window;
         parent = GetParent(focus)) {
        if (!parent) return nullptr;
        if (GetWindowLongA(parent, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) break;
        focus = parent;
    }
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

DWORD TabStopFor(const char* className) {
    for (const char* shows : {PROGRESS_CLASSA, STATUSCLASSNAMEA})
        if (lstrcmpiA(className, shows) == 0) return 0;
    return WS_TABSTOP;
}

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
