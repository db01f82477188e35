#include "skin/base/focus_cues.h"

#include "gfx/gfx.h"
#include "skin/base/shapes.h"
#include "skin/base/skin_state.h"

namespace skin {

bool FocusCuesShown(HWND control) {
    return (SendMessageA(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

bool FocusShown(HWND control, bool inside) {
    HWND focus = GetFocus();
    if (!control || !focus) return false;
    if (focus != control && !(inside && IsChild(control, focus))) return false;
    return FocusCuesShown(control);
}

void DrawFocusRing(gfx::GfxGraphics& g, float x, float y, float w, float h, float corner) {
    const COLORREF accent = State().accentColour;
    const struct {
        float inset;
        int alpha;
    } lines[] = {{0, 220}, {1, 110}};
    for (const auto& line : lines) {
        gfx::GfxPen pen;
        if (!pen.Create(Argb(line.alpha, accent), 1)) continue;
        const float lx = x + line.inset, ly = y + line.inset;
        const float lw = w - 2 * line.inset, lh = h - 2 * line.inset;
        if (lw <= 0 || lh <= 0) continue;
        if (corner > 0) {
            gfx::GfxPath path;
            path.Create();
            AddRoundRect(path, lx, ly, lw, lh, corner);
            g.DrawPath(pen, path);
        } else {
            g.DrawRectangle(pen, lx, ly, lw, lh);
        }
    }
}

}  // namespace skin
