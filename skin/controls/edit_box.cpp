// Skinned edit boxes: the per-window pass (edit half), the subclass procedure
// and the ring painter.
#include "skin/controls/edit_box.h"

#include "skin/controls/combo_box.h"
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

void SkinEdit(int index, WindowRecord& r, HWND edit) {
    if (r.edits.Find(edit) || IsKeptNative(edit)) return;  // no overlays for a native edit
    const bool visible = HasStyle(edit, WS_VISIBLE);
    EditRecord entry;
    // Overlays first: they read the record through the edit's properties only
    // when painting, which comes after the subclassing below.
    if (HasStyle(edit, WS_VSCROLL)) entry.overlays.vertical = CreateVerticalOverlay(edit, visible);
    if (HasStyle(edit, WS_HSCROLL))
        entry.overlays.horizontal = CreateHorizontalOverlay(edit, visible);
    const HWND vertical = entry.overlays.vertical, horizontal = entry.overlays.horizontal;
    if (AddAndSubclass(index, edit, &WindowRecord::edits, std::move(entry), EditProc) == 0) {
        // Refused (it carries a skin procedure already): no orphan overlays.
        for (HWND o : {vertical, horizontal})
            if (o) DestroyWindow(o);
        return;
    }
    SetIntProp(edit, prop::kTextColour, 0);
}

// ---- The subclass procedure's handlers.

LRESULT OnSetFocus(const Msg& m, EditRecord& e) {
    e.focused = 1;
    const LRESULT result = CallPrevious(m);
    PaintEditFrame(m.window);
    return result;
}

LRESULT OnKillFocus(const Msg& m, EditRecord& e) {
    e.focused = 0;
    if (IsClass(GetParent(m.window), "ComboBox"))
        PaintEditFrame(m.window, std::nullopt, false);
    else
        InvalidateRect(m.window, nullptr, TRUE);
    return CallPrevious(m);
}

// After the edit's own painting: an edit with its border inside its client
// area draws that border here, and the ring goes over it.
LRESULT OnPaint(const Msg& m) {
    const LRESULT result = CallPrevious(m);
    if (IsWindow(m.window)) PaintEditFrame(m.window);
    return result;
}

// The update region in wParam belongs to the system (or is 1, the whole
// frame): it is handed on untouched, and the ring goes over what the default
// painting drew. (The bars' overlays follow after every message.)
LRESULT OnNcPaint(const Msg& m) {
    CallPrevious(m);
    PaintEditFrame(m.window);
    return 0;
}

LRESULT OnMouseMove(const Msg& m, WindowRecord& owner, EditRecord& e, int position) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m.window, 0};
    TrackMouseEvent(&tme);
    if (owner.hover.MovedOver(position, kHoverEdit, GetParent(m.window))) {
        e.hovered = 1;
        PaintEditFrame(m.window, std::nullopt, true);
    }
    if (e.buttonHeld && !HasStyle(m.window, WS_VSCROLL) && !HasStyle(m.window, WS_HSCROLL))
        InvalidateRect(m.window, nullptr, TRUE);
    return CallPrevious(m);
}

LRESULT OnButton(const Msg& m, EditRecord& e, int held) {
    e.buttonHeld = held;
    return CallPrevious(m);
}

// A press ended by a lost capture (a dialog, Alt+Tab) ends like a release.
LRESULT OnCaptureChanged(const Msg& m, EditRecord& e) {
    if (reinterpret_cast<HWND>(m.lp) != m.window) e.buttonHeld = 0;
    return CallPrevious(m);
}

// Focus cues shown or hidden (the keyboard came into use): the ring follows.
LRESULT OnUiState(const Msg& m, const EditRecord& e) {
    const bool focused = e.focused != 0;
    const LRESULT result = CallPrevious(m);
    if (focused && IsWindow(m.window)) PaintEditFrame(m.window);
    return result;
}

LRESULT OnMouseLeave(const Msg& m, WindowRecord& owner, EditRecord& e) {
    owner.hover.Left();
    e.hovered = 0;
    PaintEditFrame(m.window, std::nullopt, false);
    return CallPrevious(m);
}

LRESULT Handle(const Msg& m) {
    const Bound<EditRecord> found = FindRecord(m.window, &WindowRecord::edits);
    if (!found) return CallPrevious(m);
    EditRecord& e = *found;
    WindowRecord& owner = *found.owner;
    switch (m.message) {
        case WM_MOVE:
        case WM_SHOWWINDOW:
        case WM_GETMINMAXINFO:
        case WM_WINDOWPOSCHANGED: return RepositionOverlaysAfter(m);
        case WM_SETFOCUS: return OnSetFocus(m, e);
        case WM_KILLFOCUS: return OnKillFocus(m, e);
        case WM_PAINT: return OnPaint(m);
        case WM_NCPAINT: return OnNcPaint(m);
        case WM_NCMOUSEMOVE: return OnBarMouseMove(m);
        case WM_NCLBUTTONDOWN: return OnBarButtonDown(m);
        case WM_HSCROLL:
        case WM_VSCROLL: return OnBarScroll(m);
        case WM_MOUSEMOVE: return OnMouseMove(m, owner, e, found.position);
        case WM_LBUTTONDOWN: return OnButton(m, e, 1);
        case WM_LBUTTONUP: return OnButton(m, e, 0);
        case WM_CAPTURECHANGED: return OnCaptureChanged(m, e);
        case WM_MOUSELEAVE: return OnMouseLeave(m, owner, e);
        case WM_UPDATEUISTATE: return OnUiState(m, e);
        case WM_NCMOUSELEAVE: return OnOverlayMouseLeave(m);
        case WM_DESTROY: return OnOverlayOwnerDestroy(m);
        default: return CallPrevious(m);
    }
}

// Whatever the edit did (typing, keys, the wheel, a program's message), its
// overlays follow its bars afterwards.
LRESULT Dispatch(const Msg& m) { return FollowBarsAfter(m, Handle(m)); }

// An edit made with WS_BORDER and no client edge has no frame outside its
// client area: it draws a one-pixel border inside it and keeps its text two
// pixels in. The ring then lies on that border.
bool HasInnerBorder(HWND edit, const RECT& box, const RECT& client) {
    if (!EqualRect(&box, &client)) return false;
    RECT format{};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return format.top >= 2;
}

}  // namespace

void SkinEditAndComboChildren(int index, HWND parent) {
    if (!State().controlBackground) return;
    WindowRecord* r = Table().At(index);
    if (!r) return;
    for (HWND edit : ChildrenOfClass(parent, "Edit")) {
        // A nested message may have moved the table; fetch the record again.
        if (WindowRecord* now = Table().At(index)) SkinEdit(index, *now, edit);
    }
    SkinComboChildren(index, parent);
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(edit, message, wParam, lParam);
}

void PaintEditFrame(HWND edit, std::optional<bool> focused, std::optional<bool> hovered) {
    const Bound<EditRecord> found = FindRecord(edit, &WindowRecord::edits);
    if (!found) return;
    const bool isFocused = focused.value_or(found->focused != 0 && FocusCuesShown(edit));
    const bool isHovered = hovered.value_or(found->hovered != 0);
    const RECT box = WindowBox(edit);
    RECT client = ClientInWindow(edit);
    if (HasInnerBorder(edit, box, client)) InflateRect(&client, -1, -1);
    ControlCanvas canvas(edit, box);
    if (!canvas) return;
    const COLORREF accent = State().accentColour;
    const LookKey key = LookKey().Add(isHovered).Add(isFocused).Add(accent)
                            .AddBox(client.left, client.top, client.right, client.bottom);
    if (!canvas.Recall(key.value())) {
        gfx::GfxGraphics& g = canvas.graphics();
        const float W = static_cast<float>(box.right), H = static_cast<float>(box.bottom);
        // Only the ring between the window and client edges is drawn.
        g.SetClipRectI(0, 0, box.right, box.bottom);
        g.SetClipRectI(client.left, client.top, client.right - client.left,
                       client.bottom - client.top, Gdiplus::CombineModeXor);
        WhiteRing(canvas.dc(), box, client);
        if (isHovered) {
            OutlineRect(g, 0, 0, W - 1, H - 1, Argb(60, kWhite));
            OutlineRect(g, 0, 0, W - 1, H - 1, Argb(90, accent));
            OutlineRect(g, 1, 1, W - 3, H - 3, Argb(180, accent));
        } else if (isFocused) {
            OutlineRect(g, 0, 0, W - 1, H - 1, Argb(180, accent));
        } else {
            OutlineRect(g, 0, 0, W - 1, H - 1, Argb(80, kBlack));
        }
        g.ResetClip();
        canvas.Keep();
    }
    canvas.CopyToScreen(Surface::kWindow, false, &client);
}

}  // namespace skin
