#include "skin/entry/unskin.h"

#include "skin/frame/window_proc.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

// The skin's overlays over a control's native scroll bars go with the skin.
template <typename Entry>
void DropOverlays(Entry& entry) {
    if constexpr (requires { entry.overlays; }) {
        for (HWND overlay : {entry.overlays.vertical, entry.overlays.horizontal})
            if (overlay && IsWindow(overlay)) DestroyWindow(overlay);
        entry.overlays = {};
    }
}

void UnskinControls(WindowRecord& r) {
    r.ForEachControlList([](auto& list, ListKind kind) {
        for (auto& entry : list.entries()) {
            if (!entry.window) continue;
            const HWND control = entry.window;
            DropOverlays(entry);
            if constexpr (requires { entry.styleBefore; }) {
                // Push buttons were made owner-drawn: their own type comes back.
                if (entry.kind == kPushButton && entry.styleBefore)
                    SetWindowLongA(
                        control, GWL_STYLE,
                        (GetWindowLongA(control, GWL_STYLE) & ~0x0F) | (entry.styleBefore & 0x0F));
            }
            UninstallSubclass(control, PropsOf(kind));
            entry = {};
        }
    });
}

// The window's own frame, styles and shape, around the client area it has now.
void RestoreFrame(HWND window, LONG style, LONG exStyle) {
    RECT client{};
    GetClientRect(window, &client);
    SetWindowRgn(window, nullptr, FALSE);
    SetWindowLongA(window, GWL_STYLE, style);
    SetWindowLongA(window, GWL_EXSTYLE, exStyle);
    RECT outer = client;
    const bool menu = !(style & WS_CHILD) && GetMenu(window) != nullptr;
    AdjustWindowRectEx(&outer, static_cast<DWORD>(style), menu, static_cast<DWORD>(exStyle));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace

bool UnskinWindow(HWND window) {
    const int index = FindWindowIndex(window);
    WindowRecord* r = Table().At(index);
    if (!r) return false;
    KillTimer(window, reinterpret_cast<UINT_PTR>(window));
    if (GetCapture() == window) ReleaseCapture();
    UnskinControls(*r);
    const LONG style = r->styleBefore, exStyle = r->exStyleBefore;
    // A procedure the program put over the skin's keeps the skin's in the chain,
    // passing everything on: the window's own frame comes back either way.
    UninstallSubclass(window, kControlProps);
    for (const char* name : {prop::kFrameFirstBitmap, prop::kFrameBitmap})
        RemoveIntProp(window, name);
    // The record owns its pictures, DCs and tooltip: they go with it. Later
    // windows move down one place; their properties follow.
    if (const int now = FindWindowIndex(window)) Table().Remove(now);
    RenumberWindows();
    if (IsWindow(window)) RestoreFrame(window, style, exStyle);
    return true;
}

void UnskinAll() {
    while (Table().Count() > 0) {
        WindowRecord* first = Table().At(1);
        if (!first || !UnskinWindow(first->window)) Table().Remove(1);
    }
}

}  // namespace skin
