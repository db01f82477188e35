// Outline and text primitives shared by the frame and the control painters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "gfx/gfx.h"

namespace skin {

// Fills (x, y, w, h) with a vertical gradient running from `from` at y = top to
// `to` at y = bottom (GDI+ colours).
void VerticalGradientRect(gfx::GfxGraphics& g, float x, float y, float w, float h, float top,
                          float bottom, std::uint32_t from, std::uint32_t to);
// A rounded rectangle whose corner diameter d is clamped to 1..100.
void AddRoundRect(gfx::GfxPath& path, float x, float y, float w, float h, float d);
// Open outline rounded at the top two corners.
void AddTopRoundedOutline(gfx::GfxPath& path, float x, float y, float w, float h, float d);
// Open outline rounded at the top-right corner only.
void AddTopRightRoundedOutline(gfx::GfxPath& path, float x, float y, float w, float h, float d);

// Text drawn four times in the halo colour (alpha 150) offset by o in each
// direction, then once in the colour. Alignments are GDI+ StringAlignment values.
void DrawHaloText(gfx::GfxGraphics& g, const std::string& text, const Gdiplus::RectF& rect,
                  COLORREF colour, COLORREF halo, float offset = 1,
                  const std::string& face = "宋体", int style = 0, float size = 13, int hAlign = 0,
                  int vAlign = 0);

}  // namespace skin
