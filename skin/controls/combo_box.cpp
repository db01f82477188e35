// Skinned combo boxes: the combo half of the per-window pass, the subclass
// procedure and the face painter.
#include "skin/controls/combo_box.h"

#include <string>

#include "skin/controls/control_paint.h"
#include "skin/base/look.h"
#include "skin/base/look_cache.h"
#include "skin/base/skin_state.h"
#include "skin/base/focus_cues.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

namespace gp = Gdiplus;

unsigned long ComboStyle(HWND combo) {
    return static_cast<unsigned long>(GetWindowLongA(combo, GWL_STYLE));
}
unsigned long ComboType(HWND combo) { return ComboStyle(combo) & 3; }
bool HasDropButton(HWND combo) { return (ComboType(combo) & CBS_DROPDOWN) != 0; }
bool IsDropDownList(HWND combo) { return ComboType(combo) == CBS_DROPDOWNLIST; }
bool IsOwnerDrawn(HWND combo) {
    return (ComboStyle(combo) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

// The selected item's text becomes the window text the painter shows.
void RefreshTextFromSelection(HWND combo) {
    const LRESULT i = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (i < 0) return;
    const LRESULT n = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (n < 0) return;
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string WindowText(HWND window) {
    const int n = GetWindowTextLengthA(window);
    if (n <= 0) return {};
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), n + 1)));
    return text;
}

// The combo box's own children (edit field, simple list) stay as they draw
// themselves: their areas are cleared to the key colour the copy skips.
void CutOutChildren(gfx::GfxGraphics& g, HWND combo) {
    RECT self{};
    GetWindowRect(combo, &self);
    const bool all = (ComboType(combo) & 1) != 0;
    for (HWND child : ChildrenOfClass(combo, nullptr)) {
        RECT r{};
        GetWindowRect(child, &r);
        OffsetRect(&r, -self.left, -self.top);
        if (IsClass(child, "ComboLBox")) InflateRect(&r, -2, -2);
        g.SetClipRectI(r.left, r.top, r.right - r.left, r.bottom - r.top);
        g.Clear(Argb(255, kKeyColour));
        if (!all) break;
    }
    g.ResetClip();
}

void DrawDropButton(gfx::GfxGraphics& g, float W, float H, bool listStyle, bool hovered,
                    COLORREF accent) {
    const float bw = listStyle ? 17.0f : 18.0f, bx = W - bw - 2, by = 2, bh = H - 4;
    Outline(g, RoundPath(bx, by, bw - 1, bh - 1, 4),
            hovered ? Argb(200, accent) : Argb(80, kBlack));
    FillLinear(g, RoundPath(bx + 1, by + 1, bw - 2, bh - 2, 1), {bx + 1, by}, {bx + 1, by + bh - 2},
               hovered ? Argb(100, kWhite) : Argb(30, accent),
               hovered ? Argb(150, accent) : Argb(100, accent));
    const SIZE a = ArrowSize(Arrow::kDown);
    DrawArrow(g, Arrow::kDown, static_cast<int>(bx + (bw - a.cx) / 2),
              static_cast<int>(by + (bh - a.cy) / 2));
}

// A focused drop-down list shows its choice selected, as Windows does: the
// text white on an accent band (not while the list is open over it).
bool ShowsSelectedText(HWND combo, bool focused) {
    return focused && IsDropDownList(combo) && !SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0);
}

void DrawFaceText(gfx::GfxGraphics& g, HWND combo, float W, float H, bool selected) {
    const std::string text = WindowText(combo);
    if (text.empty()) return;
    gfx::GfxFont font;
    if (!font.CreateOrSansSerif("宋体", 12, 0, gp::UnitPixel)) return;
    COLORREF colour = static_cast<COLORREF>(GetIntProp(combo, prop::kTextColour));
    if (selected) {
        FillSolid(g, RectPath(3, 3, W - 17 - 8, H - 6), Argb(190, State().accentColour));
        colour = kWhite;
    }
    gfx::GfxSolidBrush brush;
    brush.Create(Argb(255, colour));
    g.DrawString(text, font, brush, gp::RectF(2, (H - 12) / 2, W - 17, H - 4), nullptr);
}

// ---- The subclass procedure's handlers.

LRESULT OnMove(const Msg& m) {
    PaintCombo(m.window, false);
    return CallPrevious(m);
}

LRESULT OnFocus(const Msg& m, ComboRecord& c, int focused) {
    c.focused = focused;
    if (focused) PaintCombo(m.window, false, true);
    const LRESULT result = CallPrevious(m);
    // Losing the focus takes the focus look away.
    if (!focused && IsWindow(m.window)) PaintCombo(m.window, false);
    return result;
}

LRESULT OnSetText(const Msg& m) {
    if (FindWindowExA(m.window, nullptr, "Edit", nullptr)) InvalidateRect(m.window, nullptr, TRUE);
    return CallPrevious(m);
}

LRESULT OnPaint(const Msg& m) {
    {
        const WholePaintScope painting(m.window);
        gdi::PaintScope paint(m.window);
        PaintCombo(m.window, false);
    }
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}

LRESULT OnEraseBackground(const Msg& m) {
    SetBkMode(reinterpret_cast<HDC>(m.wp), TRANSPARENT);
    return 1;
}

// The update region belongs to the system and goes on untouched; the face is
// painted over whatever the default painting drew.
LRESULT OnNcPaint(const Msg& m) {
    const LRESULT result = CallPrevious(m);
    if (NonClientPaintsWhole(m.window)) PaintCombo(m.window, false);
    return result;
}

// The combo box draws a new choice straight onto the screen: the face goes
// back over it.
void RepaintFace(HWND combo) { PaintCombo(combo, false); }

LRESULT OnMouseMove(const Msg& m, WindowRecord& owner, int position) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m.window, 0};
    TrackMouseEvent(&tme);
    if (owner.hover.MovedOver(position, kHoverCombo, GetParent(m.window)))
        PaintCombo(m.window, true);
    return CallPrevious(m);
}

LRESULT OnMouseLeave(const Msg& m, WindowRecord& owner) {
    PaintCombo(m.window, false);
    owner.hover.Left();
    return CallPrevious(m);
}

LRESULT Dispatch(const Msg& m) {
    const Bound<ComboRecord> found = FindRecord(m.window, &WindowRecord::combos);
    if (!found) return CallPrevious(m);
    switch (m.message) {
        case WM_MOVE: return OnMove(m);
        case WM_SETFOCUS: return OnFocus(m, *found, 1);
        case WM_KILLFOCUS: return OnFocus(m, *found, 0);
        case WM_SETTEXT: return OnSetText(m);
        case WM_PAINT: return OnPaint(m);
        case WM_ERASEBKGND: return OnEraseBackground(m);
        case WM_NCPAINT: return OnNcPaint(m);
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_MOUSEWHEEL:
        case CB_SETCURSEL:
        case WM_COMMAND:
        case WM_UPDATEUISTATE: return PassThenRepaint(m, RepaintFace);
        case WM_MOUSEMOVE: return OnMouseMove(m, *found.owner, found.position);
        case WM_MOUSELEAVE: return OnMouseLeave(m, *found.owner);
        default: return CallPrevious(m);
    }
}

}  // namespace

void SkinComboChildren(int index, HWND parent) {
    if (!State().controlBackground) return;
    for (HWND combo : ChildrenOfClass(parent, "ComboBox")) {
        WindowRecord* r = Table().At(index);
        if (!r || r->combos.Find(combo) || IsOwnerDrawn(combo)) continue;
        RefreshTextFromSelection(combo);
        AddAndSubclass(index, combo, &WindowRecord::combos, ComboRecord{}, ComboProc);
    }
}

LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(combo, message, wParam, lParam);
}

void PaintCombo(HWND combo, bool hovered, std::optional<bool> focused) {
    const Bound<ComboRecord> found = FindRecord(combo, &WindowRecord::combos);
    if (!found) return;
    // The focus may be in the combo box's edit field rather than on it.
    const bool isFocused =
        focused.value_or((found->focused != 0 || FocusShown(combo, true)) && FocusCuesShown(combo));
    const RECT box = WindowBox(combo);
    ControlCanvas canvas(combo, box);
    if (!canvas) return;
    const COLORREF accent = State().accentColour;
    const bool listStyle = IsDropDownList(combo), dropButton = HasDropButton(combo);
    const bool selected = ShowsSelectedText(combo, isFocused);
    // Only child cut-outs hold the key colour; without children a plain copy.
    const bool withChildren = FindWindowExA(combo, nullptr, nullptr, nullptr) != nullptr;
    LookKey key;
    key.Add(hovered).Add(isFocused).Add(accent).Add(listStyle).Add(dropButton).Add(selected);
    key.Add(static_cast<std::uint64_t>(ComboType(combo)));
    if (listStyle)
        key.Add(WindowText(combo)).Add(static_cast<std::uint64_t>(GetIntProp(combo, prop::kTextColour)));
    RECT self{};
    GetWindowRect(combo, &self);
    for (HWND child : ChildrenOfClass(combo, nullptr)) {
        RECT r{};
        GetWindowRect(child, &r);
        key.AddBox(r.left - self.left, r.top - self.top, r.right - self.left, r.bottom - self.top);
    }
    if (!canvas.Recall(key.value())) {
        gfx::GfxGraphics& g = canvas.graphics();
        const float W = static_cast<float>(box.right), H = static_cast<float>(box.bottom);
        g.Clear(Argb(255, kWhite));
        CutOutChildren(g, combo);
        OutlineRect(g, 0, 0, W - 1, H - 1,
                    hovered || isFocused ? Argb(200, accent) : Argb(80, kBlack));
        if (isFocused) DrawFocusRing(g, 0, 0, W - 1, H - 1);
        if (dropButton) DrawDropButton(g, W, H, listStyle, hovered, accent);
        // Only a drop-down list has no edit field of its own to show the text.
        if (listStyle) DrawFaceText(g, combo, W, H, selected);
        canvas.Keep();
    }
    canvas.CopyToScreen(Surface::kWindow, withChildren);
}

}  // namespace skin
