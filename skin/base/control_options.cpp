#include "skin/base/control_options.h"

#include "skin/base/window_table.h"

namespace skin {

void KeepNative(HWND control) {
    if (control) SetPropA(control, prop::kKeepNative, reinterpret_cast<HANDLE>(1));
}

bool IsKeptNative(HWND control) {
    // Up to the skinned window: a control on a kept-out container is kept out too.
    for (HWND w = control; w && FindWindowIndex(w) == 0; w = GetParent(w))
        if (GetPropA(w, prop::kKeepNative)) return true;
    return false;
}

void SetTextColour(HWND control, COLORREF colour) {
    if (!control) return;
    SetPropA(control, prop::kTextColour, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(colour)));
    SetPropA(control, prop::kTextColourSet, reinterpret_cast<HANDLE>(1));
    InvalidateRect(control, nullptr, TRUE);
}

}  // namespace skin
