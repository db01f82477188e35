// Skinned progress bars. The bar is scaled by the width of the range (not offset
// by its low end), the way this skin has always drawn it.
#include "skin/controls/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/range_drawing.h"
#include "skin/base/look.h"
#include "skin/base/skin_state.h"
#include "skin/base/skinner_kit.h"

namespace skin {
namespace {

using namespace range_draw;

void DrawTrough(gfx::GfxGraphics& g, float w, float h, bool vertical) {
    Outline(g, RoundRect(0, 0, w - 1, h - 1, 5), Argb(50, kBlack));
    const Gdiplus::PointF end = vertical ? Gdiplus::PointF{w - 1, 0} : Gdiplus::PointF{0, h - 1};
    FillLinear(g, RoundRect(1, 1, w - 2, h - 2, 1), {0, 0}, end, Argb(160, kWhite),
               Argb(30, kBlack));
}

void DrawBar(gfx::GfxGraphics& g, const RECT& filled, bool vertical) {
    const float x = static_cast<float>(filled.left) + 1, y = static_cast<float>(filled.top) + 1;
    const float w = static_cast<float>(filled.right - filled.left) - 3,
                h = static_cast<float>(filled.bottom - filled.top) - 3;
    if (w <= 0 || h <= 0) return;  // too short to show a rounded bar
    const gfx::GfxPath bar = RoundRect(x, y, w, h, 3);
    const COLORREF accent = State().accentColour;
    const Gdiplus::PointF from{x, y};
    const Gdiplus::PointF to = vertical ? Gdiplus::PointF{x + w, y} : Gdiplus::PointF{x, y + h};
    FillLinear(g, bar, from, to, Argb(90, kWhite), Argb(255, accent));
    Outline(g, bar, Argb(150, accent));
}

void Draw(gfx::GfxGraphics& g, HWND bar, bool vertical, int w, int h) {
    DrawTrough(g, static_cast<float>(w), static_cast<float>(h), vertical);
    const long long pos = SendMessageA(bar, PBM_GETPOS, 0, 0);
    PBRANGE range{};
    SendMessageA(bar, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    if (vertical) {
        const int top = h - ProgressFill(pos, range.iLow, range.iHigh, h);
        if (top < h) DrawBar(g, {0, top, w, h}, true);
    } else {
        const int length = ProgressFill(pos, range.iLow, range.iHigh, w);
        if (length > 0) DrawBar(g, {0, 0, length, h}, false);
    }
}

// ---- The subclass procedure's handlers.

LRESULT OnNcPaint(const Msg& m) {
    if (NonClientPaintsWhole(m.window)) PaintProgress(m.window);
    return 0;
}

LRESULT Dispatch(const Msg& m) {
    if (!FindRecord(m.window, &WindowRecord::progressBars)) return CallPrevious(m);
    switch (m.message) {
        case WM_MOVE: return RepaintAndPass(m, [](HWND w) { return PaintProgress(w); });
        case WM_PAINT: return PaintWhole(m, [](HWND w) { return PaintProgress(w); });
        case WM_ERASEBKGND: return EraseNothing(m);
        case WM_NCPAINT: return OnNcPaint(m);
        default: return CallPrevious(m);
    }
}

}  // namespace

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(window, message, wParam, lParam);
}

int ProgressFill(long long pos, long long low, long long high, int extent) {
    if (high == low || extent <= 0) return 0;  // an empty range shows the trough only
    const long long span = high > low ? high - low : low - high;
    const long long length = pos * extent / span;
    return static_cast<int>(std::clamp<long long>(length, 0, extent));
}

void SkinProgressChildren(int index, HWND parent) {
    if (!Table().At(index) || !State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, PROGRESS_CLASSA)) {
        ProgressRecord rec;
        rec.vertical = (GetWindowLongA(c, GWL_STYLE) & PBS_VERTICAL) ? 1 : 0;
        if (AddAndSubclass(index, c, &WindowRecord::progressBars, rec, ProgressProc))
            RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

bool PaintProgress(HWND bar, HDC target) {
    const Bound<ProgressRecord> found = FindRecord(bar, &WindowRecord::progressBars);
    if (!found) return false;
    const bool vertical = found->vertical != 0;
    RECT wr{};
    GetWindowRect(bar, &wr);
    const RECT rect{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    ControlCanvas canvas(bar, rect);
    if (!canvas) return false;
    Draw(canvas.graphics(), bar, vertical, rect.right, rect.bottom);
    if (target)
        canvas.CopyTo(target);
    else
        canvas.CopyToScreen(Surface::kWindow);
    return true;
}

}  // namespace skin
