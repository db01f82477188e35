// Skinned up-down controls. The native control still does the work (capture,
// auto-repeat, the buddy's number); the skin only tracks hover and press to
// draw them.
#include "skin/controls/up_down.h"

#include <commctrl.h>

#include <vector>

#include "resources/skin_images.h"
#include "skin/controls/range_drawing.h"
#include "skin/base/look.h"
#include "skin/base/skin_state.h"
#include "skin/base/focus_cues.h"
#include "skin/base/skinner_kit.h"

namespace skin {
namespace {

using namespace range_draw;

SIZE WindowSize(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// An arrow picture kept as plain pixels, so no GDI+ object outlives GDI+ and no
// paint decodes a PNG.
struct Arrow {
    int width = 0, height = 0;
    std::vector<Gdiplus::ARGB> argb;
};

Arrow Decode(const res::ByteSpan& png) {
    Arrow a;
    gfx::GfxBitmap image;
    if (!image.LoadFromBytes({png.data, png.size})) return a;
    a.width = image.GetWidth();
    a.height = image.GetHeight();
    a.argb.reserve(static_cast<std::size_t>(a.width) * static_cast<std::size_t>(a.height));
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) a.argb.push_back(image.GetPixel(x, y));
    return a;
}

enum ArrowKind { kUp, kDown, kLeft, kRight };

const Arrow& ArrowImage(ArrowKind kind) {
    static const Arrow arrows[] = {Decode(res::arrow_up_png), Decode(res::arrow_down_png),
                                   Decode(res::arrow_left_png), Decode(res::arrow_right_png)};
    return arrows[kind];
}

void DrawArrow(gfx::GfxGraphics& g, ArrowKind kind, const Gdiplus::RectF& half) {
    const Arrow& a = ArrowImage(kind);
    if (a.argb.empty()) return;
    gfx::GfxBitmap image;
    if (!image.CreateFromScan0(a.width, a.height, a.width * 4, PixelFormat32bppARGB,
                               reinterpret_cast<BYTE*>(const_cast<Gdiplus::ARGB*>(a.argb.data()))))
        return;
    g.DrawImageStretched(image, half.X + (half.Width - static_cast<float>(a.width)) / 2,
                         half.Y + (half.Height - static_cast<float>(a.height)) / 2,
                         static_cast<float>(a.width), static_cast<float>(a.height));
}

struct Half {
    Gdiplus::RectF box;
    ArrowKind arrow;
    bool first;
};

void DrawHalf(gfx::GfxGraphics& g, const Half& h, bool lit, bool pressed, bool vertical,
              float width) {
    const COLORREF accent = State().accentColour;
    const gfx::GfxPath path = RoundRect(h.box.X, h.box.Y, h.box.Width, h.box.Height, 3);
    std::uint32_t pen, from, to;
    if (lit) {
        pen = Argb(200, accent);
        from = pressed ? Argb(100, accent) : Argb(100, kWhite);
        to = pressed ? Argb(150, kWhite) : Argb(150, accent);
    } else {
        pen = Argb(100, kBlack);
        from = Argb(vertical && h.first ? 60 : 20, kWhite);
        to = Argb(100, accent);
    }
    FillLinear(g, path, {0, 0}, {width - 1, 0}, from, to);
    DrawArrow(g, h.arrow, h.box);
    Outline(g, path, pen);
}

void Draw(gfx::GfxGraphics& g, const UpDownRecord& rec, float w, float h, bool hovered,
          bool pressed, int activeHalf) {
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    FillSolid(g, RoundRect(0, 0, w - 1, h - 1, 3), Argb(160, kWhite));
    const bool vertical = rec.horizontal == 0;
    Half halves[2];
    if (vertical) {
        const float half = std::floor(h / 2);
        halves[0] = {{0, 0, w - 1, half - 1}, kUp, true};
        halves[1] = {{0, half, w - 1, h - half - 1}, kDown, false};
    } else {
        const float half = std::floor(w / 2);
        halves[0] = {{0, 0, half - 1, h - 1}, kLeft, true};
        halves[1] = {{half, 0, w - half - 1, h - 1}, kRight, false};
    }
    for (int i = 0; i < 2; ++i)
        DrawHalf(g, halves[i], (hovered || pressed) && activeHalf == i, pressed, vertical, w);
}

// ---- The subclass procedure's handlers.

LRESULT OnMouseMove(const Msg& m, WindowRecord& owner, UpDownRecord& u, int position) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m.window, 0};
    TrackMouseEvent(&tme);
    const int half = UpDownHalfAt(m.window, m.lp);
    const bool moved = owner.hover.MovedOver(position, kHoverUpDown, GetParent(m.window));
    const bool repaint = moved || half != u.hoveredHalf || !u.hovered;
    u.hoveredHalf = half;
    u.hovered = 1;
    if (repaint) PaintUpDown(m.window, {true, std::nullopt, m.lp});
    return CallPrevious(m);
}

LRESULT OnButton(const Msg& m, UpDownRecord& u, int pressed) {
    u.pressed = pressed;
    u.lastPoint = m.lp;
    return CallPrevious(m);
}

// A press ends when the capture goes, whether or not a button-up arrives.
LRESULT OnCaptureChanged(const Msg& m, UpDownRecord& u) {
    const bool wasPressed = u.pressed != 0;
    u.pressed = 0;
    if (wasPressed) PaintUpDown(m.window);
    return CallPrevious(m);
}

LRESULT OnMouseLeave(const Msg& m, WindowRecord& owner, UpDownRecord& u) {
    owner.hover.Left();
    u.hovered = 0;
    PaintUpDown(m.window, {false, std::nullopt, std::nullopt});
    return CallPrevious(m);
}

LRESULT Dispatch(const Msg& m) {
    const Bound<UpDownRecord> found = FindRecord(m.window, &WindowRecord::upDowns);
    if (!found) return CallPrevious(m);
    switch (m.message) {
        case WM_MOVE: return RepaintAndPass(m, [](HWND w) { return PaintUpDown(w); });
        case WM_PAINT: return PaintWhole(m, [](HWND w) { return PaintUpDown(w); });
        case WM_ERASEBKGND: return EraseNothing(m);
        case WM_NCPAINT: return 1;
        case WM_MOUSEMOVE: return OnMouseMove(m, *found.owner, *found, found.position);
        case WM_LBUTTONDOWN: return OnButton(m, *found, 1);
        case WM_LBUTTONUP: return OnButton(m, *found, 0);
        case WM_CAPTURECHANGED: return OnCaptureChanged(m, *found);
        case WM_MOUSELEAVE: return OnMouseLeave(m, *found.owner, *found);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE: return PassThenRepaint(m, [](HWND w) { return PaintUpDown(w); });
        default: return CallPrevious(m);
    }
}

}  // namespace

LRESULT CALLBACK UpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(window, message, wParam, lParam);
}

int UpDownHalfAt(HWND control, LPARAM point) {
    const SIZE size = WindowSize(control);
    const bool horizontal = (GetWindowLongA(control, GWL_STYLE) & UDS_HORZ) != 0;
    return horizontal ? (size.cx / 2 < MouseX(point) ? 1 : 0)
                      : (size.cy / 2 < MouseY(point) ? 1 : 0);
}

void SkinUpDownChildren(int index, HWND parent) {
    if (!Table().At(index) || !State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, UPDOWN_CLASSA)) {
        UpDownRecord rec;
        rec.horizontal = (GetWindowLongA(c, GWL_STYLE) & UDS_HORZ) ? 1 : 0;
        if (AddAndSubclass(index, c, &WindowRecord::upDowns, rec, UpDownProc))
            RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

bool PaintUpDown(HWND control, const UpDownLook& look, HDC target) {
    const Bound<UpDownRecord> found = FindRecord(control, &WindowRecord::upDowns);
    if (!found) return false;
    const UpDownRecord rec = *found;
    const bool hovered = look.hovered.value_or(rec.hovered != 0);
    const bool pressed = look.pressed.value_or(rec.pressed != 0);
    const int half = look.point ? UpDownHalfAt(control, *look.point)
                     : pressed  ? UpDownHalfAt(control, rec.lastPoint)
                                : rec.hoveredHalf;
    const SIZE size = WindowSize(control);
    const RECT rect{0, 0, size.cx, size.cy};
    ControlCanvas canvas(control, rect);
    if (!canvas) return false;
    Draw(canvas.graphics(), rec, static_cast<float>(size.cx), static_cast<float>(size.cy), hovered,
         pressed, half);
    if (FocusShown(control))
        DrawFocusRing(canvas.graphics(), 0, 0, static_cast<float>(size.cx - 1),
                      static_cast<float>(size.cy - 1), 3);
    if (target)
        canvas.CopyTo(target);
    else
        canvas.CopyToScreen(Surface::kWindow);
    return true;
}

}  // namespace skin
