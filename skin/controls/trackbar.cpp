// Skinned trackbars. The painter reads position, range, selection, channel and
// thumb from the trackbar itself on every paint, so what it shows is what the
// control holds.
#include "skin/controls/trackbar.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "skin/controls/range_drawing.h"
#include "skin/base/look.h"
#include "skin/base/skin_state.h"
#include "skin/base/focus_cues.h"
#include "skin/base/skinner_kit.h"

namespace skin {
namespace {

using namespace range_draw;

// A rectangle measured along the bar (the direction the knob travels) and across it.
struct Span {
    float along = 0, across = 0, length = 0, thickness = 0;
};

struct Geometry {
    bool vertical = false;
    // A rectangle in along/across terms as an x/y rectangle.
    Gdiplus::RectF ToRect(const Span& s) const {
        return vertical ? Gdiplus::RectF{s.across, s.along, s.thickness, s.length}
                        : Gdiplus::RectF{s.along, s.across, s.length, s.thickness};
    }
    Span FromRect(const RECT& r) const {
        const float x = static_cast<float>(r.left), y = static_cast<float>(r.top);
        const float w = static_cast<float>(r.right - r.left),
                    h = static_cast<float>(r.bottom - r.top);
        return vertical ? Span{y, x, h, w} : Span{x, y, w, h};
    }
};

RECT ItemRect(HWND trackbar, UINT message) {
    RECT r{};
    SendMessageA(trackbar, message, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

// comctl32 reports a vertical trackbar's channel as if the bar lay on its side
// (long side across); put it the right way round so it runs down the bar.
RECT UprightChannel(HWND trackbar, bool vertical) {
    RECT r = ItemRect(trackbar, TBM_GETCHANNELRECT);
    if (vertical && r.right - r.left > r.bottom - r.top) r = {r.top, r.left, r.bottom, r.right};
    return r;
}

// Where value v lies along a channel of `length`, 0 at the range's minimum;
// 64-bit so that wide 32-bit ranges cannot overflow.
float MapOnChannel(long long v, long long low, long long high, float length) {
    v = std::clamp(v, low, high);
    return static_cast<float>(static_cast<double>(v - low) * length /
                              static_cast<double>(high - low));
}

void DrawBody(gfx::GfxGraphics& g, float w, float h, bool vertical) {
    Outline(g, RoundRect(0, 0, w - 1, h - 1, 5), Argb(30, kBlack));
    const Gdiplus::PointF end = vertical ? Gdiplus::PointF{w - 1, 0} : Gdiplus::PointF{0, h - 1};
    FillLinear(g, RoundRect(1, 1, w - 2, h - 2, 3), {0, 0}, end, Argb(160, kWhite),
               Argb(30, kBlack));
}

struct TrackbarState {
    long long pos, low, high, selStart, selEnd;
};

TrackbarState ReadState(HWND t) {
    return {SendMessageA(t, TBM_GETPOS, 0, 0), SendMessageA(t, TBM_GETRANGEMIN, 0, 0),
            SendMessageA(t, TBM_GETRANGEMAX, 0, 0), SendMessageA(t, TBM_GETSELSTART, 0, 0),
            SendMessageA(t, TBM_GETSELEND, 0, 0)};
}

// The selection band, mapped through the range onto the channel; none for an
// empty range or selection.
void DrawSelection(gfx::GfxGraphics& g, const Geometry& geo, const Span& band,
                   const TrackbarState& s) {
    if (s.high <= s.low) return;
    long long from = std::min(s.selStart, s.selEnd), to = std::max(s.selStart, s.selEnd);
    from = std::clamp(from, s.low, s.high);
    to = std::clamp(to, s.low, s.high);
    if (to <= from) return;
    const float a = band.along + MapOnChannel(from, s.low, s.high, band.length);
    const float b = band.along + MapOnChannel(to, s.low, s.high, band.length);
    const Span sel{a + 1, band.across + 1, std::max(b - a - 3, 0.0f), band.thickness - 3};
    const Gdiplus::RectF r = geo.ToRect(sel);
    OutlineRect(g, r.X, r.Y, r.Width, r.Height, Argb(200, kWhite));
}

void DrawKnob(gfx::GfxGraphics& g, float x, float y, float d) {
    const gfx::GfxPath circle = Circle(x, y, d);
    FillSolid(g, circle, Argb(255, kWhite));
    FillRadial(g, circle, Argb(32, kWhite), Argb(60, kBlack));
    Outline(g, circle, Argb(60, kBlack));
}

void Draw(gfx::GfxGraphics& g, HWND t, const TrackbarRecord& rec, float w, float h) {
    const Geometry geo{rec.vertical != 0};
    if (State().skinnerSwitchA) DrawBody(g, w, h, geo.vertical);

    Span channel = geo.FromRect(UprightChannel(t, geo.vertical));
    if (rec.selectionRange) {
        channel.across += std::floor((channel.thickness - 4) / 2);
        channel.thickness = 4;
    }
    const Gdiplus::RectF c = geo.ToRect(channel);
    const Gdiplus::PointF cEnd =
        geo.vertical ? Gdiplus::PointF{c.X + c.Width, c.Y} : Gdiplus::PointF{c.X, c.Y + c.Height};
    FillLinear(g, RoundRect(c.X, c.Y, c.Width, c.Height, 1), {c.X, c.Y}, cEnd, Argb(50, kBlack),
               Argb(40, kBlack));

    const TrackbarState s = ReadState(t);
    if (rec.selectionRange) DrawSelection(g, geo, channel, s);

    const Span thumb = geo.FromRect(ItemRect(t, TBM_GETTHUMBRECT));
    const float centre = thumb.along + std::floor(thumb.length / 2);
    const float channelEnd = channel.along + channel.length - 1;
    float travelEnd = thumb.along + (s.pos >= s.high ? 10.0f : 0.0f);
    travelEnd = std::min(travelEnd, channelEnd);
    const float travelStart = channel.along + 1;
    if (travelEnd > travelStart) {
        const float mid = channel.across + std::floor((channel.thickness - 1) / 2);
        const Gdiplus::RectF r = geo.ToRect({travelStart, mid, travelEnd - travelStart, 1});
        OutlineRect(g, r.X, r.Y, r.Width, r.Height, Argb(200, State().accentColour));
    }

    const bool hovered = rec.hovered != 0;
    const float d = hovered ? 11.0f : 6.0f;
    float lead = centre - (hovered ? 4.0f : 1.5f);
    // At either end the knob is kept inside the control.
    const float barLength = geo.vertical ? h : w;
    lead = std::clamp(lead, 0.0f, std::max(barLength - d - 1, 0.0f));
    const float shift = rec.tickPlacement == 0 ? 2.0f : rec.tickPlacement == 2 ? 1.0f : 0.0f;
    const float across = thumb.across + shift;
    if (geo.vertical)
        DrawKnob(g, across, lead, d);
    else
        DrawKnob(g, lead, across, d);
    if (FocusShown(t)) DrawFocusRing(g, 0, 0, w - 1, h - 1, 5);
}

// ---- The subclass procedure's handlers.

LRESULT OnNcPaint(const Msg& m) {
    if (NonClientPaintsWhole(m.window)) PaintTrackbar(m.window);
    return 1;
}

LRESULT OnMouseMove(const Msg& m, WindowRecord& owner, TrackbarRecord& t, int position) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m.window, 0};
    TrackMouseEvent(&tme);
    if (owner.hover.MovedOver(position, kHoverTrackbar, GetParent(m.window))) {
        t.hovered = 1;
        PaintTrackbar(m.window);
    }
    return CallPrevious(m);
}

LRESULT OnMouseLeave(const Msg& m, WindowRecord& owner, TrackbarRecord& t) {
    owner.hover.Left();
    t.hovered = 0;
    PaintTrackbar(m.window);
    return CallPrevious(m);
}

LRESULT Dispatch(const Msg& m) {
    const Bound<TrackbarRecord> found = FindRecord(m.window, &WindowRecord::trackbars);
    if (!found) return CallPrevious(m);
    switch (m.message) {
        case WM_MOVE: return RepaintAndPass(m, [](HWND w) { return PaintTrackbar(w); });
        case WM_PAINT: return PaintWhole(m, [](HWND w) { return PaintTrackbar(w); });
        case WM_ERASEBKGND: return EraseNothing(m);
        case WM_NCPAINT: return OnNcPaint(m);
        case WM_MOUSEMOVE: return OnMouseMove(m, *found.owner, *found, found.position);
        case WM_MOUSELEAVE: return OnMouseLeave(m, *found.owner, *found);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE: return PassThenRepaint(m, [](HWND w) { return PaintTrackbar(w); });
        default: return CallPrevious(m);
    }
}

}  // namespace

LRESULT CALLBACK TrackbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(window, message, wParam, lParam);
}

int TrackbarTickPlacement(LONG style) {
    if (style & TBS_NOTICKS) return 3;
    if (style & TBS_TOP) return 0;
    if (style & TBS_BOTH) return 2;
    return 1;
}

void SkinTrackbarChildren(int index, HWND parent) {
    if (!Table().At(index) || !State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, TRACKBAR_CLASSA)) {
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        TrackbarRecord rec;
        rec.vertical = (style & TBS_VERT) ? 1 : 0;
        rec.tickPlacement = TrackbarTickPlacement(style);
        rec.selectionRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
        if (AddAndSubclass(index, c, &WindowRecord::trackbars, rec, TrackbarProc))
            RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

bool PaintTrackbar(HWND trackbar, HDC target) {
    const Bound<TrackbarRecord> found = FindRecord(trackbar, &WindowRecord::trackbars);
    if (!found) return false;
    const TrackbarRecord rec = *found;  // the sends below may re-enter and move the list
    RECT wr{};
    GetWindowRect(trackbar, &wr);
    const RECT rect{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    ControlCanvas canvas(trackbar, rect);
    if (!canvas) return false;
    Draw(canvas.graphics(), trackbar, rec, static_cast<float>(rect.right),
         static_cast<float>(rect.bottom));
    if (target)
        canvas.CopyTo(target);
    else
        canvas.CopyToScreen(Surface::kWindow);
    return true;
}

}  // namespace skin
