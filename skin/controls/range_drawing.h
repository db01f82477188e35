// Small drawing steps the trackbar, progress-bar, up-down and header painters share.
#pragma once
#include <windows.h>

#include <cstdint>
#include <span>

#include "gfx/gfx.h"
#include "skin/base/shapes.h"

namespace skin::range_draw {

inline gfx::GfxPath RoundRect(float x, float y, float w, float h, float d) {
    gfx::GfxPath path;
    path.Create();
    AddRoundRect(path, x, y, w, h, d);
    return path;
}

inline gfx::GfxPath Circle(float x, float y, float d) {
    gfx::GfxPath path;
    path.Create();
    path.AddPathEllipse(x, y, d, d);
    return path;
}

inline void FillSolid(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb) {
    gfx::GfxSolidBrush brush;
    if (brush.Create(argb)) g.FillPath(brush, path);
}

// A linear gradient from `from` at p1 to `to` at p2.
inline void FillLinear(gfx::GfxGraphics& g, const gfx::GfxPath& path, Gdiplus::PointF p1,
                       Gdiplus::PointF p2, std::uint32_t from, std::uint32_t to) {
    gfx::GfxLinearGradientBrush brush;
    if (brush.CreateLineBrush(p1, p2, from, to)) g.FillPath(brush, path);
}

inline void Outline(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb) {
    gfx::GfxPen pen;
    if (pen.Create(argb, 1)) g.DrawPath(pen, path);
}

inline void OutlineRect(gfx::GfxGraphics& g, float x, float y, float w, float h,
                        std::uint32_t argb) {
    gfx::GfxPen pen;
    if (pen.Create(argb, 1)) g.DrawRectangle(pen, x, y, w, h);
}

inline void FillRadial(gfx::GfxGraphics& g, const gfx::GfxPath& path, Gdiplus::ARGB centre,
                       Gdiplus::ARGB surround) {
    gfx::GfxPathGradientBrush brush;
    if (!brush.CreatePathGradientFromPath(path)) return;
    brush.SetCenterColor(centre);
    brush.SetSurroundColorsWithCount(std::span<const Gdiplus::ARGB>(&surround, 1));
    g.FillPath(brush, path);
}

}  // namespace skin::range_draw
