// Tab and Shift+Tab move the focus between the gallery's controls as in a
// dialog, and from then on the controls show focus cues.
#include <windows.h>

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

}  // namespace gallery
