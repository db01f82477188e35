// The public entry: starting and stopping the engine, skinning a window with
// everything on it, and skinning every window and dialog a thread creates.
#include "tovik/skin.h"

#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

#include <vector>

#include "resources/skin_images.h"
#include "skin/controls/container.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/frame/skin_init.h"
#include "skin/base/skin_state.h"
#include "skin/entry/unskin.h"
#include "skin/entry/apply_skin.h"
#include "skin/base/control_options.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

constexpr char kDialogClass[] = "#32770";
constexpr COLORREF kDefaultAccent = 0x51AE51;

bool Running() { return State().gdiplusToken != 0; }

// Classes the skin draws by laying them over the picture, found anywhere on a
// skinned window.
bool IsComposedClass(HWND w) {
    for (const char* cls : {STATUSCLASSNAMEA, MONTHCAL_CLASSA, "RichEdit20A", "RichEdit20W",
                            "RICHEDIT50W", "RichEdit"})
        if (IsClass(w, cls)) return true;
    return false;
}

bool IsGroupBoxWindow(HWND w) {
    return IsClass(w, WC_BUTTONA) && (GetWindowLongA(w, GWL_STYLE) & 0x0F) == BS_GROUPBOX;
}

// Hands every container and composed control under parent to the skin, outer
// ones first, so that what lies on a container is skinned on its picture.
void RegisterDescendants(HWND parent) {
    for (HWND c : ChildrenOfClass(parent, nullptr)) {
        if (IsKeptNative(c)) continue;
        if (IsGroupBoxWindow(c) || IsClass(c, WC_TABCONTROLA))
            RegisterContainer(c);
        else if (IsComposedClass(c))
            RegisterToolbar(c);
        RegisterDescendants(c);
    }
}

// A window the thread-wide skinning takes: a dialog, or a window with a system
// caption or menu bar. Popups without them (menus, tooltips, drop-down lists,
// splash windows) are left as they are.
bool WantsSkin(HWND w) {
    const LONG style = GetWindowLongA(w, GWL_STYLE);
    if (style & WS_CHILD) return false;
    return IsClass(w, kDialogClass) || (style & WS_CAPTION) == WS_CAPTION || GetMenu(w) != nullptr;
}

bool SkinWhole(HWND window) {
    if (!window || !IsWindow(window) || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        return false;
    if (FindWindowIndex(window) > 0) return true;
    if (IsKeptNative(window)) return false;
    ApplySkin(window);
    if (FindWindowIndex(window) <= 0) return false;
    RegisterDescendants(window);
    return true;
}

// A page created after its window was skinned (a property sheet makes each
// page when its tab is first chosen): skinned like the window's own.
void SkinLatePage(HWND page) {
    HWND parent = GetParent(page);
    const int index = FindSkinnedAncestor(page);
    if (index <= 0 || IsKeptNative(page)) return;
    SkinChildDialogs(index, parent);
    RegisterDescendants(page);
}

// ---- Thread-wide skinning

struct ThreadHook {
    DWORD thread;
    HHOOK hook;
};
std::vector<ThreadHook>& Hooks() {
    static std::vector<ThreadHook> hooks;
    return hooks;
}

LRESULT CALLBACK AfterMessage(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && lp && Running()) {
        const CWPRETSTRUCT& m = *reinterpret_cast<const CWPRETSTRUCT*>(lp);
        // A dialog is whole once it has initialised; any other window once it
        // first shows, by which time the program has made its children.
        const bool dialogReady = m.message == WM_INITDIALOG;
        const bool shown = m.message == WM_SHOWWINDOW && m.wParam;
        if ((dialogReady || shown) && FindWindowIndex(m.hwnd) == 0) {
            if (!(GetWindowLongA(m.hwnd, GWL_STYLE) & WS_CHILD)) {
                if (WantsSkin(m.hwnd)) SkinWhole(m.hwnd);
            } else if (dialogReady && IsClass(m.hwnd, kDialogClass)) {
                SkinLatePage(m.hwnd);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void RemoveHooks() {
    for (const ThreadHook& h : Hooks()) UnhookWindowsHookEx(h.hook);
    Hooks().clear();
}

int PlacementMode(int placement) {
    switch (placement) {
        case 1: return 4;   // tiled, mirrored at the seams
        default: return 3;  // stretched over the window
    }
}

}  // namespace
}  // namespace skin

extern "C" {

int TOVIK_SKIN_CALL TovikSkinStart(const TovikSkinLook* look) {
    using namespace skin;
    try {
        const bool starting = !Running();
        if (starting) {
            Gdiplus::GdiplusStartupInput input;
            ULONG_PTR token = 0;
            if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok || !token) return 0;
            State().gdiplusToken = token;
            CreateWindowTable();
        }
        const std::uint8_t* bytes = res::background_jpg.data;
        std::size_t size = res::background_jpg.size;
        if (look && look->picture && look->pictureSize) {
            bytes = static_cast<const std::uint8_t*>(look->picture);
            size = look->pictureSize;
            // A picture that does not decode leaves nothing started.
            gfx::GfxBitmap probe;
            if (!probe.LoadFromBytes({bytes, size}) || probe.IsEmpty()) {
                if (starting) TovikSkinStop();
                return 0;
            }
        }
        SkinInitOptions init;
        init.imageData = {bytes, size};
        init.accentColour = look && look->accent ? look->accent : kDefaultAccent;
        init.imageMode = PlacementMode(look ? look->placement : 0);
        InitSkin(init);
        return 1;
    } catch (...) {
        return 0;
    }
}

void TOVIK_SKIN_CALL TovikSkinStop(void) {
    using namespace skin;
    try {
        RemoveHooks();
        UnskinAll();
        ReleaseSkinData();
        ShutdownGdiplus();
    } catch (...) {
    }
}

int TOVIK_SKIN_CALL TovikSkinWindow(HWND window) {
    try {
        return skin::Running() && skin::SkinWhole(window) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

int TOVIK_SKIN_CALL TovikSkinThreadWindows(void) {
    using namespace skin;
    try {
        if (!Running()) return 0;
        const DWORD thread = GetCurrentThreadId();
        for (const ThreadHook& h : Hooks())
            if (h.thread == thread) return 1;
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterMessage, nullptr, thread);
        if (!hook) return 0;
        Hooks().push_back({thread, hook});
        return 1;
    } catch (...) {
        return 0;
    }
}

void TOVIK_SKIN_CALL TovikSkinKeepNative(HWND control) { skin::KeepNative(control); }

void TOVIK_SKIN_CALL TovikSkinSetTextColour(HWND control, COLORREF colour) {
    skin::SetTextColour(control, colour);
}

int TOVIK_SKIN_CALL TovikSkinSetTint(HWND container, COLORREF colour, int alpha) {
    try {
        return skin::SetContainerTint(container, colour, alpha) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
