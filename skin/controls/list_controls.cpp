// Skinned list-type controls: the pass over the six classes, the shared
// subclass procedure and the frame painter.
#include "skin/controls/list_controls.h"

#include <commctrl.h>

#include "skin/controls/control_paint.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/base/look.h"
#include "skin/base/look_cache.h"
#include "skin/base/skin_state.h"
#include "skin/base/focus_cues.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

enum class Bars { kNone, kBoth };

void SkinList(int index, HWND control, Bars bars) {
    WindowRecord* r = Table().At(index);
    if (!r || !control || r->listTypes.Find(control) || IsKeptNative(control)) return;
    ListRecord entry;
    if (bars == Bars::kBoth) {
        entry.overlays.vertical =
            CreateVerticalOverlay(control, HasStyle(control, WS_VSCROLL | WS_VISIBLE));
        entry.overlays.horizontal =
            CreateHorizontalOverlay(control, HasStyle(control, WS_HSCROLL | WS_VISIBLE));
    }
    const HWND vertical = entry.overlays.vertical, horizontal = entry.overlays.horizontal;
    if (AddAndSubclass(index, control, &WindowRecord::listTypes, std::move(entry), ListProc) == 0)
        for (HWND o : {vertical, horizontal})
            if (o) DestroyWindow(o);
}

bool HasBorder(HWND control) {
    const auto ex = static_cast<unsigned long>(GetWindowLongA(control, GWL_EXSTYLE));
    return HasStyle(control, WS_BORDER) || (ex & WS_EX_WINDOWEDGE) || (ex & WS_EX_CLIENTEDGE) ||
           (ex & WS_EX_DLGMODALFRAME) || HasFlag(ex, 0x188);
}

// ---- The subclass procedure's handlers.

LRESULT OnFocus(const Msg& m, ListRecord& l, int focused) {
    l.focused = focused;
    PaintListFrame(m.window);
    return CallPrevious(m);
}

LRESULT OnPaint(const Msg& m) {
    PaintListFrame(m.window);
    return CallPrevious(m);
}

// The default non-client painting first (with the system's region, untouched),
// then the ring over it. (The bars' overlays follow after every message.)
LRESULT OnNcPaint(const Msg& m) {
    CallPrevious(m);
    PaintListFrame(m.window);
    return 0;
}

bool IsArrowKey(WPARAM key) { return key >= VK_LEFT && key <= VK_DOWN; }

LRESULT OnKeyDown(const Msg& m, ListRecord& l) {
    if (IsArrowKey(m.wp)) l.keyHeld = 1;
    return CallPrevious(m);
}

LRESULT OnKeyUp(const Msg& m, ListRecord& l) {
    l.keyHeld = 0;
    return CallPrevious(m);
}

LRESULT OnMouseMove(const Msg& m, WindowRecord& owner, ListRecord& l, int position) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m.window, 0};
    TrackMouseEvent(&tme);
    if (owner.hover.MovedOver(position, kHoverList, GetParent(m.window))) {
        l.hovered = 1;
        PaintListFrame(m.window, true);
    }
    return CallPrevious(m);
}

// A part of the control took or lost the focus (an IP field's parts are edits
// of their own), or focus cues came or went: the frame follows.
void RepaintFrame(HWND control) { PaintListFrame(control); }

LRESULT OnCommand(const Msg& m) {
    const WORD code = HIWORD(m.wp);
    if (code == EN_SETFOCUS || code == EN_KILLFOCUS) return PassThenRepaint(m, RepaintFrame);
    return CallPrevious(m);
}

LRESULT OnMouseLeave(const Msg& m, WindowRecord& owner, ListRecord& l) {
    owner.hover.Left();
    l.hovered = 0;
    PaintListFrame(m.window, false);
    return CallPrevious(m);
}

LRESULT Handle(const Msg& m) {
    const Bound<ListRecord> found = FindRecord(m.window, &WindowRecord::listTypes);
    if (!found) return CallPrevious(m);
    ListRecord& l = *found;
    WindowRecord& owner = *found.owner;
    switch (m.message) {
        case WM_MOVE:
        case WM_SHOWWINDOW:
        case WM_GETMINMAXINFO:
        case WM_WINDOWPOSCHANGED: return RepositionOverlaysAfter(m);
        case WM_SETFOCUS: return OnFocus(m, l, 1);
        case WM_KILLFOCUS: return OnFocus(m, l, 0);
        case WM_PAINT: return OnPaint(m);
        case WM_NCPAINT: return OnNcPaint(m);
        case WM_NCMOUSEMOVE: return OnBarMouseMove(m);
        case WM_NCLBUTTONDOWN: return OnBarButtonDown(m);
        case WM_KEYDOWN: return OnKeyDown(m, l);
        case WM_KEYUP: return OnKeyUp(m, l);
        case WM_HSCROLL:
        case WM_VSCROLL: return OnBarScroll(m);
        case WM_MOUSEMOVE: return OnMouseMove(m, owner, l, found.position);
        case WM_MOUSELEAVE: return OnMouseLeave(m, owner, l);
        case WM_COMMAND: return OnCommand(m);
        case WM_UPDATEUISTATE: return PassThenRepaint(m, RepaintFrame);
        case WM_NCMOUSELEAVE: return OnOverlayMouseLeave(m);
        case WM_DESTROY: return OnOverlayOwnerDestroy(m);
        default: return CallPrevious(m);
    }
}

// Whatever the control did (keys, the wheel, items added, a node collapsed, a
// column widened), its overlays follow its bars afterwards.
LRESULT Dispatch(const Msg& m) { return FollowBarsAfter(m, Handle(m)); }

}  // namespace

void SkinListChildren(int index, HWND parent) {
    if (!State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, "ListBox")) SkinList(index, c, Bars::kBoth);
    for (HWND combo : ChildrenOfClass(parent, "ComboBox")) {
        HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
        if (list && !HasStyle(list, LBS_OWNERDRAWFIXED)) SkinList(index, list, Bars::kNone);
    }
    // For a list view 0x10 is "sort ascending"; its owner-drawn style is its own bit.
    for (HWND c : ChildrenOfClass(parent, WC_LISTVIEWA))
        if (!HasStyle(c, LVS_OWNERDRAWFIXED)) SkinList(index, c, Bars::kBoth);
    for (HWND c : ChildrenOfClass(parent, WC_TREEVIEWA)) SkinList(index, c, Bars::kBoth);
    for (HWND c : ChildrenOfClass(parent, WC_IPADDRESSA)) SkinList(index, c, Bars::kNone);
    for (HWND c : ChildrenOfClass(parent, DATETIMEPICK_CLASSA)) SkinList(index, c, Bars::kNone);
}

LRESULT CALLBACK ListProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(control, message, wParam, lParam);
}

void PaintListFrame(HWND control, std::optional<bool> hovered, std::optional<bool> focused) {
    const Bound<ListRecord> found = FindRecord(control, &WindowRecord::listTypes);
    if (!found) return;
    const bool isHovered = hovered.value_or(found->hovered != 0);
    const bool isFocused = focused.value_or((found->focused != 0 || FocusShown(control, true)) &&
                                            FocusCuesShown(control));
    const RECT box = WindowBox(control);
    const RECT client = ClientInWindow(control);
    // Without a frame the whole surface would be the key colour: nothing shows.
    if (IsClass(control, "ComboLBox") || !HasBorder(control)) return;
    ControlCanvas canvas(control, box);
    if (!canvas) return;
    const COLORREF accent = State().accentColour;
    const LookKey key = LookKey().Add(isHovered).Add(isFocused).Add(State().skinnerSwitchB != 0)
                            .Add(accent)
                            .AddBox(client.left, client.top, client.right, client.bottom);
    if (!canvas.Recall(key.value())) {
        gfx::GfxGraphics& g = canvas.graphics();
        const float W = static_cast<float>(box.right), H = static_cast<float>(box.bottom);
        // The ring white; the client area is left out of the copy below, so it
        // needs no key colour and the copy need not be a keyed one.
        WhiteRing(canvas.dc(), box, client);
        if (isHovered && State().skinnerSwitchB)
            OutlineRect(g, 1, 1, W - 2, H - 2, Argb(200, accent), 2);
        else if (isHovered || isFocused)
            OutlineRect(g, 0, 0, W - 1, H - 1, Argb(200, accent));
        else
            OutlineRect(g, 0, 0, W - 1, H - 1, Argb(90, kBlack));
        canvas.Keep();
    }
    canvas.CopyToScreen(Surface::kWindow, false, &client);
}

}  // namespace skin
