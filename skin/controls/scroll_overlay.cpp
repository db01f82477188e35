// Skinned scroll bars over the native ones: creation, the overlay procedure,
// the vertical and horizontal painters, the hit-test and re-positioning.
#include "skin/controls/scroll_overlay.h"

#include <algorithm>
#include <array>

#include "skin/controls/control_paint.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/look_cache.h"
#include "skin/base/skin_state.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

namespace gp = Gdiplus;

enum class Bar { kVertical, kHorizontal };

LONG BarObject(Bar bar) { return bar == Bar::kVertical ? OBJID_VSCROLL : OBJID_HSCROLL; }
DWORD BarStyle(Bar bar) { return bar == Bar::kVertical ? WS_VSCROLL : WS_HSCROLL; }

HWND& OverlayOf(OverlayState& s, Bar bar) {
    return bar == Bar::kVertical ? s.vertical : s.horizontal;
}
OverlayParts& PartsOf(OverlayState& s, Bar bar) {
    return bar == Bar::kVertical ? s.verticalParts : s.horizontalParts;
}

SCROLLBARINFO BarInfo(HWND control, Bar bar) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(control, BarObject(bar), &info)) info = {};
    return info;
}

// The bar's screen rectangle in the client coordinates of the overlay's parent.
RECT BarInParent(HWND control, HWND parent, Bar bar) {
    RECT r = BarInfo(control, bar).rcScrollBar;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int ScrollBarOf(Bar bar) { return bar == Bar::kVertical ? SB_VERT : SB_HORZ; }

BarShown& ShownOf(OverlayState& s, Bar bar) {
    return bar == Bar::kVertical ? s.verticalShown : s.horizontalShown;
}
bool& TrackingOf(OverlayState& s, Bar bar) {
    return bar == Bar::kVertical ? s.trackingVertical : s.trackingHorizontal;
}

// Every overlay checks its bar now and then, for what no message of the
// control tells: a program's SetScrollInfo, EnableScrollBar or drawing.
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchPeriodMs = 100;

// Asks an overlay to bring its control's bars up to date (posted, so that a
// run of changes paints once, and after the drawing that follows a scroll).
UINT RefreshMessage() {
    static const UINT message = RegisterWindowMessageA("TovikOverlayRefresh");
    return message;
}

HWND CreateOverlay(HWND control, bool visible, Bar bar) {
    HWND parent = GetParent(control);
    if (!control || !parent) return nullptr;
    // Clips its siblings so that nothing the neighbours draw lands on it.
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_CHILD | WS_DISABLED;
    RECT place{0, 0, 10, 10};
    if (visible) {
        style |= WS_VISIBLE;
        place = BarInParent(control, parent, bar);
    }
    const int w = place.right - place.left, h = place.bottom - place.top;
    HWND overlay = CreateWindowExA(0, "Static", "", style, place.left, place.top, w, h, parent,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!overlay) return nullptr;
    SetIntProp(overlay, prop::kOverlayTarget, reinterpret_cast<std::intptr_t>(control));
    RegisterSkinProcedure(OverlayProc);
    const LONG_PTR old =
        SetWindowLongPtrA(overlay, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OverlayProc));
    SetIntProp(overlay, prop::kPrevProc, old);
    SetWindowPos(overlay, HWND_TOP, place.left, place.top, w, h, SWP_NOACTIVATE);
    SetTimer(overlay, kWatchTimer, kWatchPeriodMs, nullptr);
    // The control's own frame and bar painting must not cover the overlay.
    const LONG_PTR controlStyle = GetWindowLongPtrA(control, GWL_STYLE);
    if (!(controlStyle & WS_CLIPSIBLINGS))
        SetWindowLongPtrA(control, GWL_STYLE, controlStyle | WS_CLIPSIBLINGS);
    return overlay;
}

// The whole bar, or both its arrows, unavailable (Wine reports a bar disabled by
// EnableScrollBar through its arrows only).
bool BarDisabled(const SCROLLBARINFO& info) {
    const auto off = [&](int i) { return (info.rgstate[i] & STATE_SYSTEM_UNAVAILABLE) != 0; };
    return off(0) || (off(1) && off(5));
}

struct BarGeometry {
    float W, H;    // overlay size
    float B;       // arrow-button thickness
    float T, end;  // thumb start and end along the bar
    bool disabled;
};

// The bar as it is now.
struct BarNow {
    bool visible = false;
    RECT bar{};
    bool disabled = false;
    int thumbStart = 0, thumbEnd = 0;
};

// While the thumb is dragged a control takes the new position when it likes
// (an edit only at the release): the thumb is drawn where the dragged
// position puts it, shifted from where the bar's own position puts it.
void FollowDraggedThumb(HWND control, Bar bar, BarNow& now) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL | SIF_TRACKPOS;
    if (!GetScrollInfo(control, ScrollBarOf(bar), &si)) return;
    const int length =
        bar == Bar::kVertical ? now.bar.bottom - now.bar.top : now.bar.right - now.bar.left;
    const int arrow = GetSystemMetrics(bar == Bar::kVertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    const int thumb = now.thumbEnd - now.thumbStart;
    const int free = length - 2 * arrow - thumb;
    const int page = si.nPage > 0 ? static_cast<int>(si.nPage) - 1 : 0;
    const int range = si.nMax - page - si.nMin;
    if (thumb <= 0 || free <= 0 || range <= 0) return;
    const int shift =
        MulDiv(free, si.nTrackPos - si.nMin, range) - MulDiv(free, si.nPos - si.nMin, range);
    const int start = std::clamp(now.thumbStart + shift, 0, length - thumb);
    now.thumbStart = start;
    now.thumbEnd = start + thumb;
}

BarNow ReadBar(HWND control, Bar bar, bool tracking) {
    const SCROLLBARINFO info = BarInfo(control, bar);
    BarNow now;
    now.visible = HasStyle(control, BarStyle(bar) | WS_VISIBLE);
    now.bar = info.rcScrollBar;
    now.disabled = BarDisabled(info);
    now.thumbStart = info.xyThumbTop;
    now.thumbEnd = info.xyThumbBottom;
    if (tracking && !now.disabled) FollowDraggedThumb(control, bar, now);
    return now;
}

bool SameAsShown(const BarNow& now, const BarShown& shown) {
    return shown.painted && now.visible == shown.visible && EqualRect(&now.bar, &shown.bar) &&
           now.disabled == shown.disabled && now.thumbStart == shown.thumbStart &&
           now.thumbEnd == shown.thumbEnd;
}

// Three points of an overlay of that size: the middle of each button and of the bar.
std::array<POINT, 3> SamplePoints(const RECT& box, Bar bar) {
    const int w = box.right, h = box.bottom;
    if (bar == Bar::kVertical) return {{{w / 2, 8}, {w / 2, h / 2}, {w / 2, h - 9}}};
    return {{{8, h / 2}, {w / 2, h / 2}, {w - 9, h / 2}}};
}

// True when the overlay no longer shows what its last paint left there:
// something (the native bar, typically) drew over it.
bool DrawnOver(HWND overlay, const BarShown& shown, Bar bar) {
    const RECT box = WindowBox(overlay);
    if (box.right < 18 || box.bottom < 18) return false;
    gdi::WindowDc dc(overlay);
    if (!dc) return false;
    const auto points = SamplePoints(box, bar);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const COLORREF now = GetPixel(dc.get(), points[i].x, points[i].y);
        if (now != CLR_INVALID && now != shown.samples[i]) return true;
    }
    return false;
}

void StoreParts(OverlayParts& parts, const BarGeometry& b, Bar bar) {
    const int W = static_cast<int>(b.W), H = static_cast<int>(b.H), B = static_cast<int>(b.B);
    const int T = static_cast<int>(b.T), end = static_cast<int>(b.end);
    if (bar == Bar::kVertical) {
        parts.firstButton = {1, 1, W - 2, 17};
        parts.secondButton = {1, H - 17, W - 2, H - 1};
        parts.thumb = {1, T, B + 1, end};
    } else {
        parts.firstButton = {1, 1, 17, H - 2};
        parts.secondButton = {W - 17, 1, W - 4, H - 1};
        parts.thumb = {T, 1, end, B + 1};
    }
}

// One arrow button: rounded outline, highlight when hot, inner light line, arrow.
struct ButtonShape {
    float x, y, w, h;      // outline
    float ix, iy, iw, ih;  // inner highlight
    gp::PointF from, to;   // highlight gradient
    Arrow arrow;
    int arrowX, arrowY;
};

void DrawButton(gfx::GfxGraphics& g, const ButtonShape& s, bool hot, COLORREF accent) {
    const gfx::GfxPath outline = RoundPath(s.x, s.y, s.w, s.h, 5);
    if (hot) FillLinear(g, outline, s.from, s.to, Argb(100, kWhite), Argb(150, accent));
    Outline(g, outline, Argb(60, kBlack));
    Outline(g, RoundPath(s.ix, s.iy, s.iw, s.ih, 3), Argb(150, kWhite));
    DrawArrow(g, s.arrow, s.arrowX, s.arrowY);
}

void DrawThumb(gfx::GfxGraphics& g, const gfx::GfxPath& thumb, gp::PointF from, gp::PointF to,
               bool hot, COLORREF accent) {
    if (hot) FillSolid(g, thumb, Argb(180, kWhite));
    FillLinear(g, thumb, from, to, Argb(150, kWhite), Argb(150, accent));
    FillLinear(g, thumb, from, to, Argb(0, kWhite), Argb(150, kWhite));
    Outline(g, thumb, Argb(100, kBlack));
}

void DrawVertical(gfx::GfxGraphics& g, const BarGeometry& b, int part, COLORREF accent) {
    const float W = b.W, H = b.H, B = b.B, T = b.T, L = b.end - b.T;
    FillLinear(g, RectPath(0, 0, W, H), {0, 0}, {W, 0}, Argb(40, accent), Argb(255, kWhite));
    if (!b.disabled)
        DrawThumb(g, RoundPath((W - B) / 2 + 1, T, B - 3, L - 1, 5), {1, T}, {B - 2, T},
                  part == kPartThumb, accent);
    const SIZE up = ArrowSize(Arrow::kUp), down = ArrowSize(Arrow::kDown);
    DrawButton(g,
               {1,
                1,
                B - 3,
                15,
                2,
                2,
                B - 5,
                12,
                {1, 1},
                {B - 2, 1},
                Arrow::kUp,
                static_cast<int>((B - up.cx) / 2),
                static_cast<int>((15 - up.cy) / 2.0f + 2)},
               part == kPartFirst && !b.disabled, accent);
    DrawButton(g,
               {1,
                H - 17,
                B - 3,
                15,
                2,
                H - 15,
                B - 5,
                12,
                {1, H - 17},
                {B - 2, H - 17},
                Arrow::kDown,
                static_cast<int>((B - down.cx) / 2),
                static_cast<int>((H - 15) + (15 - down.cy) / 2.0f)},
               part == kPartSecond && !b.disabled, accent);
}

void DrawHorizontal(gfx::GfxGraphics& g, const BarGeometry& b, int part, COLORREF accent) {
    const float W = b.W, H = b.H, B = b.B, T = b.T, L = b.end - b.T;
    FillLinear(g, RectPath(0, 0, W, H), {0, 0}, {0, H}, Argb(40, accent), Argb(255, kWhite));
    if (!b.disabled)
        DrawThumb(g, RoundPath(T, (H - B) / 2 + 1, L - 1, B - 3, 5), {T, 1}, {T, B - 2},
                  part == kPartThumb, accent);
    const SIZE left = ArrowSize(Arrow::kLeft), right = ArrowSize(Arrow::kRight);
    DrawButton(g,
               {1,
                1,
                15,
                B - 3,
                2,
                2,
                12,
                B - 5,
                {1, 1},
                {1, B - 2},
                Arrow::kLeft,
                static_cast<int>((15 - left.cx) / 2.0f + 2),
                static_cast<int>((B - left.cy) / 2)},
               part == kPartFirst && !b.disabled, accent);
    DrawButton(g,
               {W - 17,
                1,
                15,
                B - 3,
                W - 15,
                2,
                12,
                B - 5,
                {W - 17, 1},
                {W - 17, B - 2},
                Arrow::kRight,
                static_cast<int>((W - 17) + (15 - right.cx) / 2.0f),
                static_cast<int>((B - right.cy) / 2)},
               part == kPartSecond && !b.disabled, accent);
}

void PaintOverlay(HWND control, int part, Bar bar) {
    OverlayState* state = OverlaysOf(control);
    if (!state) return;
    HWND overlay = OverlayOf(*state, bar);
    if (!overlay || !IsWindow(overlay)) return;
    const RECT box = WindowBox(overlay);
    const BarNow now = ReadBar(control, bar, TrackingOf(*state, bar));
    // The bar's thickness sizes the buttons and the thumb across: dxyLineButton
    // is the thumb's length, not a button's size.
    const int thickness = bar == Bar::kVertical ? box.right : box.bottom;
    const BarGeometry b{static_cast<float>(box.right),    static_cast<float>(box.bottom),
                        static_cast<float>(thickness),    static_cast<float>(now.thumbStart),
                        static_cast<float>(now.thumbEnd), now.disabled};
    StoreParts(PartsOf(*state, bar), b, bar);
    ControlCanvas canvas(overlay, box);
    if (!canvas) return;
    const COLORREF accent = State().accentColour;
    const LookKey key = LookKey()
                            .Add(bar == Bar::kVertical)
                            .Add(static_cast<std::uint64_t>(thickness))
                            .Add(static_cast<std::uint64_t>(now.thumbStart))
                            .Add(static_cast<std::uint64_t>(now.thumbEnd))
                            .Add(now.disabled)
                            .Add(static_cast<std::uint64_t>(part))
                            .Add(accent);
    if (!canvas.Recall(key.value())) {
        if (bar == Bar::kVertical)
            DrawVertical(canvas.graphics(), b, part, accent);
        else
            DrawHorizontal(canvas.graphics(), b, part, accent);
        canvas.Keep();
    }
    canvas.CopyToScreen(Surface::kClient);
    BarShown shown{true,           now.visible,  now.bar, now.disabled,
                   now.thumbStart, now.thumbEnd, part,    {}};
    const auto points = SamplePoints(box, bar);
    for (std::size_t i = 0; i < points.size(); ++i)
        shown.samples[i] = GetPixel(canvas.dc(), points[i].x, points[i].y);
    // Painting may have sent messages that moved the record.
    if (OverlayState* again = OverlaysOf(control)) ShownOf(*again, bar) = shown;
}

bool Inside(const RECT& r, int x, int y) {
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

int HitTest(HWND control, LPARAM screenPoint, Bar bar) {
    OverlayState* state = OverlaysOf(control);
    if (!state || !OverlayOf(*state, bar)) return kPartNone;
    RECT o{};
    GetWindowRect(OverlayOf(*state, bar), &o);
    const int x = MouseX(screenPoint) - o.left, y = MouseY(screenPoint) - o.top;
    const OverlayParts& p = PartsOf(*state, bar);
    if (Inside(p.firstButton, x, y)) return kPartFirst;
    if (Inside(p.secondButton, x, y)) return kPartSecond;
    if (Inside(p.thumb, x, y)) return kPartThumb;
    return kPartNone;
}

void Reposition(HWND control, HWND overlay, Bar bar) {
    if (!overlay || !IsWindow(overlay)) return;
    HWND parent = GetParent(control);
    // A re-parented control takes its overlays along.
    if (parent && GetParent(overlay) != parent) SetParent(overlay, parent);
    const bool shown = HasStyle(control, BarStyle(bar) | WS_VISIBLE);
    ShowWindow(overlay, shown ? SW_SHOWNA : SW_HIDE);
    const RECT r = BarInParent(control, parent, bar);
    SetWindowPos(overlay, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE);
}

// Moves, shows or hides the overlay when its bar did.
void FollowPlace(HWND control, HWND overlay, Bar bar, const BarNow& now) {
    RECT placed{};
    GetWindowRect(overlay, &placed);
    const bool shown = (GetWindowLongA(overlay, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != now.visible || (now.visible && !EqualRect(&placed, &now.bar)))
        Reposition(control, overlay, bar);
}

// How much a check looks at: the bar's state only, or also the overlay's
// pixels (a few reads of the screen) for drawing that changed nothing.
enum class Look { kState, kStateAndPixels };

// True when the bar's overlay must be painted again: the bar changed, or
// something drew over the overlay. Moves the overlay first where the bar moved.
bool NeedsPaint(HWND control, Bar bar, Look look) {
    OverlayState* state = OverlaysOf(control);
    HWND overlay = state ? OverlayOf(*state, bar) : nullptr;
    if (!overlay || !IsWindow(overlay)) return false;
    const BarNow now = ReadBar(control, bar, TrackingOf(*state, bar));
    FollowPlace(control, overlay, bar, now);
    state = OverlaysOf(control);  // moving sends messages
    if (!state || !now.visible) return false;
    const BarShown& shown = ShownOf(*state, bar);
    if (!SameAsShown(now, shown)) return true;
    return look == Look::kStateAndPixels && DrawnOver(overlay, shown, bar);
}

void QueueRefresh(HWND control) {
    OverlayState* state = OverlaysOf(control);
    if (!state || state->refreshQueued) return;
    HWND target = state->vertical ? state->vertical : state->horizontal;
    if (target && IsWindow(target) && PostMessageA(target, RefreshMessage(), 0, 0))
        state->refreshQueued = true;
}

enum class When { kQueued, kNow };

// Brings both overlays of a control up to date with their bars.
void Follow(HWND control, When when, Look look = Look::kStateAndPixels) {
    const bool vertical = NeedsPaint(control, Bar::kVertical, look);
    const bool horizontal = NeedsPaint(control, Bar::kHorizontal, look);
    if (!vertical && !horizontal) return;
    if (when == When::kQueued) {
        QueueRefresh(control);
        return;
    }
    for (const Bar bar : {Bar::kVertical, Bar::kHorizontal}) {
        if (!(bar == Bar::kVertical ? vertical : horizontal)) continue;
        // Looked up again for each: painting sends messages.
        if (OverlayState* state = OverlaysOf(control))
            PaintOverlay(control, ShownOf(*state, bar).part, bar);
    }
}

// Marks the bar's overlay as covered (the native bar draws after the message
// in hand) and queues its repaint.
void RepaintLater(HWND control, Bar bar) {
    if (OverlayState* state = OverlaysOf(control)) {
        ShownOf(*state, bar).painted = false;
        QueueRefresh(control);
    }
}

// Shows `part` of the bar lit, unless the overlay shows just that already.
void ShowHotPart(HWND control, Bar bar, int part) {
    OverlayState* state = OverlaysOf(control);
    HWND overlay = state ? OverlayOf(*state, bar) : nullptr;
    if (!overlay || !HasStyle(control, BarStyle(bar))) return;
    const BarShown& shown = ShownOf(*state, bar);
    if (shown.painted && shown.part == part && !DrawnOver(overlay, shown, bar)) return;
    PaintOverlay(control, part, bar);
}

// Messages a control answers by painting its own window (its DCs clip the
// overlays, which lie over it as siblings) or by following the mouse: they
// can change a bar but not draw over an overlay, so only the bars' state is
// compared after them.
bool PaintsOrPoints(UINT message) {
    switch (message) {
        case WM_PAINT:
        case WM_NCPAINT:
        case WM_ERASEBKGND:
        case WM_PRINTCLIENT:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_NCCALCSIZE:
        case WM_MOVE:
        case WM_SIZE:
        case WM_SHOWWINDOW: return true;
        default: return false;
    }
}

// Messages that only ask something of the control: nothing of its bars changes.
bool OnlyAsks(UINT message) {
    switch (message) {
        case WM_NCHITTEST:
        case WM_SETCURSOR:
        case WM_GETDLGCODE:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
        case WM_GETFONT:
        case WM_QUERYUISTATE:
        case WM_GETOBJECT: return true;
        default: return false;
    }
}

// The overlay is going away: its control's record must not keep the handle.
void ForgetOverlay(HWND overlay) {
    HWND control = reinterpret_cast<HWND>(GetIntProp(overlay, prop::kOverlayTarget));
    if (OverlayState* state = OverlaysOf(control)) {
        if (state->vertical == overlay) state->vertical = nullptr;
        if (state->horizontal == overlay) state->horizontal = nullptr;
    }
}

LRESULT OnOverlayPaint(const Msg& m) {
    HWND control = reinterpret_cast<HWND>(GetIntProp(m.window, prop::kOverlayTarget));
    {
        gdi::PaintScope paint(m.window);
        OverlayState* state = OverlaysOf(control);
        if (state && state->vertical == m.window)
            PaintVerticalOverlay(control, kPartNone);
        else if (state && state->horizontal == m.window)
            PaintHorizontalOverlay(control, kPartNone);
    }
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}

LRESULT OnOverlayNcDestroy(const Msg& m) {
    ForgetOverlay(m.window);
    RemoveIntProp(m.window, prop::kOverlayTarget);
    return CallPrevious(m);
}

LRESULT OnOverlayRefresh(const Msg& m) {
    HWND control = reinterpret_cast<HWND>(GetIntProp(m.window, prop::kOverlayTarget));
    if (OverlayState* state = OverlaysOf(control)) state->refreshQueued = false;
    Follow(control, When::kNow);
    return 0;
}

LRESULT OnOverlayTimer(const Msg& m) {
    if (m.wp != kWatchTimer) return CallPrevious(m);
    Follow(reinterpret_cast<HWND>(GetIntProp(m.window, prop::kOverlayTarget)), When::kNow);
    return 0;
}

LRESULT OverlayDispatch(const Msg& m) {
    if (m.message == RefreshMessage()) return OnOverlayRefresh(m);
    switch (m.message) {
        case WM_TIMER: return OnOverlayTimer(m);
        case WM_PAINT: return OnOverlayPaint(m);
        case WM_NCDESTROY: return OnOverlayNcDestroy(m);
        default: return CallPrevious(m);
    }
}

}  // namespace

OverlayState* OverlaysOf(HWND control) {
    if (!control) return nullptr;
    if (IsClass(control, "Edit")) {
        if (auto found = FindRecord(control, &WindowRecord::edits)) return &found->overlays;
        return nullptr;
    }
    if (auto found = FindRecord(control, &WindowRecord::listTypes)) return &found->overlays;
    return nullptr;
}

HWND CreateVerticalOverlay(HWND control, bool visible) {
    return CreateOverlay(control, visible, Bar::kVertical);
}

HWND CreateHorizontalOverlay(HWND control, bool visible) {
    return CreateOverlay(control, visible, Bar::kHorizontal);
}

void PaintVerticalOverlay(HWND control, int part) { PaintOverlay(control, part, Bar::kVertical); }

void PaintHorizontalOverlay(HWND control, int part) {
    PaintOverlay(control, part, Bar::kHorizontal);
}

int HitTestVertical(HWND control, LPARAM screenPoint) {
    return HitTest(control, screenPoint, Bar::kVertical);
}

int HitTestHorizontal(HWND control, LPARAM screenPoint) {
    return HitTest(control, screenPoint, Bar::kHorizontal);
}

void RepositionOverlays(HWND control) {
    OverlayState* state = OverlaysOf(control);
    if (!state) return;
    // Copies: a move can send messages that change the record.
    const HWND vertical = state->vertical, horizontal = state->horizontal;
    Reposition(control, vertical, Bar::kVertical);
    Reposition(control, horizontal, Bar::kHorizontal);
}

void DestroyOverlays(HWND control) {
    OverlayState* state = OverlaysOf(control);
    if (!state) return;
    const HWND vertical = state->vertical, horizontal = state->horizontal;
    state->vertical = state->horizontal = nullptr;
    for (HWND overlay : {vertical, horizontal})
        if (overlay && IsWindow(overlay)) DestroyWindow(overlay);
}

LRESULT CALLBACK OverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<OverlayDispatch>(overlay, message, wParam, lParam);
}

LRESULT RepositionOverlaysAfter(const Msg& m) {
    const LRESULT result = CallPrevious(m);
    RepositionOverlays(m.window);
    return result;
}

LRESULT OnOverlayMouseLeave(const Msg& m) {
    const LRESULT result = CallPrevious(m);  // the native bar may draw itself plain here
    if (!IsWindow(m.window)) return result;
    ShowHotPart(m.window, Bar::kVertical, kPartNone);
    ShowHotPart(m.window, Bar::kHorizontal, kPartNone);
    return result;
}

LRESULT FollowBarsAfter(const Msg& m, LRESULT result) {
    if (m.message == WM_DESTROY || m.message == WM_NCDESTROY || OnlyAsks(m.message)) return result;
    if (IsWindow(m.window))
        Follow(m.window, When::kQueued,
               PaintsOrPoints(m.message) ? Look::kState : Look::kStateAndPixels);
    return result;
}

LRESULT OnBarScroll(const Msg& m) {
    const Bar bar = m.message == WM_VSCROLL ? Bar::kVertical : Bar::kHorizontal;
    // lParam names a scroll-bar control; 0 means the control's own bar.
    if (m.lp != 0) return CallPrevious(m);
    if (OverlayState* state = OverlaysOf(m.window)) {
        const WORD code = LOWORD(m.wp);
        if (code == SB_THUMBTRACK) TrackingOf(*state, bar) = true;
        if (code == SB_THUMBPOSITION || code == SB_ENDSCROLL) TrackingOf(*state, bar) = false;
    }
    const LRESULT result = CallPrevious(m);
    // While the mouse holds the bar, the system draws the native bar right
    // after this message: the overlay goes over it once that is done.
    if (IsWindow(m.window)) RepaintLater(m.window, bar);
    return result;
}

LRESULT OnBarMouseMove(const Msg& m) {
    // Tracks the mouse leaving the bars so that a lit part goes plain.
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE | TME_NONCLIENT, m.window, 0};
    TrackMouseEvent(&tme);
    const LRESULT result = CallPrevious(m);  // the native bar may draw its hover look here
    if (!IsWindow(m.window)) return result;
    ShowHotPart(m.window, Bar::kVertical,
                m.wp == HTVSCROLL ? HitTestVertical(m.window, m.lp) : kPartNone);
    ShowHotPart(m.window, Bar::kHorizontal,
                m.wp == HTHSCROLL ? HitTestHorizontal(m.window, m.lp) : kPartNone);
    return result;
}

LRESULT OnBarButtonDown(const Msg& m) {
    if (m.wp == HTVSCROLL) ShowHotPart(m.window, Bar::kVertical, kPartNone);
    if (m.wp == HTHSCROLL) ShowHotPart(m.window, Bar::kHorizontal, kPartNone);
    const LRESULT result = CallPrevious(m);  // a bar's tracking loop runs in here
    if (!IsWindow(m.window)) return result;
    if (OverlayState* state = OverlaysOf(m.window)) {
        // The loop ends by drawing the native bar.
        state->trackingVertical = state->trackingHorizontal = false;
        state->verticalShown.painted = state->horizontalShown.painted = false;
    }
    Follow(m.window, When::kNow);
    return result;
}

LRESULT OnOverlayOwnerDestroy(const Msg& m) {
    DestroyOverlays(m.window);
    return CallPrevious(m);
}

}  // namespace skin
