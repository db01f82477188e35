// Small drawing pieces the edit, combo, list and scroll-bar painters share:
// rounded outlines, gradient and solid fills, the arrow pictures, and where a
// control's client area lies inside its window.
#pragma once
#include <windows.h>

#include <cstdint>

#include "gfx/gfx.h"

namespace skin {

enum class Arrow { kUp, kDown, kLeft, kRight };

// A rounded rectangle path (corner diameter d).
gfx::GfxPath RoundPath(float x, float y, float w, float h, float d);
// A plain rectangle path.
gfx::GfxPath RectPath(float x, float y, float w, float h);
void FillSolid(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb);
// A linear gradient from `from` (fromArgb) to `to` (toArgb), tiled.
void FillLinear(gfx::GfxGraphics& g, const gfx::GfxPath& path, Gdiplus::PointF from,
                Gdiplus::PointF to, std::uint32_t fromArgb, std::uint32_t toArgb);
void Outline(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb, float width = 1);
// Paints white the part of `outer` outside `inner` (their exclusive or) on a
// canvas, with GDI: GDI+ clears a whole clipped canvas, not just the ring.
void WhiteRing(HDC dc, const RECT& outer, const RECT& inner);
void OutlineRect(gfx::GfxGraphics& g, float x, float y, float w, float h, std::uint32_t argb,
                 float width = 1);
// Draws an arrow picture with its top-left at (x, y); the pictures are decoded once.
void DrawArrow(gfx::GfxGraphics& g, Arrow arrow, int x, int y);
// Width and height of an arrow picture.
SIZE ArrowSize(Arrow arrow);

// The client area in window coordinates (exact, whatever the border and bars).
RECT ClientInWindow(HWND window);
// The window's size as a rectangle at (0, 0).
RECT WindowBox(HWND window);

}  // namespace skin
