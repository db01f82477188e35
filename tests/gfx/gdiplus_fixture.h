// What the graphics tests share: GDI+ running for the whole test program, and a
// small off-screen canvas to draw on and probe.
#pragma once

#include "gfx/gfx.h"

#include <cstdint>
#include <vector>

namespace gfx_test {

// Colours as GDI+ ARGB.
inline constexpr gfx::gp::ARGB kBlue = 0xFF0000FF;
inline constexpr gfx::gp::ARGB kRed = 0xFFFF0000;
inline constexpr gfx::gp::ARGB kGreen = 0xFF00FF00;
inline constexpr gfx::gp::ARGB kWhite = 0xFFFFFFFF;
inline constexpr gfx::gp::ARGB kBlack = 0xFF000000;

// A 32bpp ARGB bitmap with a graphics on it.
struct Canvas {
    Canvas(int width, int height, gfx::gp::ARGB background = 0);
    // The pixel after flushing pending drawing.
    gfx::gp::ARGB At(int x, int y);
    // How many pixels in [x0,x1)x[y0,y1) differ from colour.
    int CountNot(gfx::gp::ARGB colour, int x0, int y0, int x1, int y1);

    gfx::GfxBitmap bitmap;
    gfx::GfxGraphics graphics;
};

// Channels of an ARGB value.
inline int Alpha(gfx::gp::ARGB c) { return (c >> 24) & 0xFF; }
inline int Red(gfx::gp::ARGB c) { return (c >> 16) & 0xFF; }
inline int Green(gfx::gp::ARGB c) { return (c >> 8) & 0xFF; }
inline int Blue(gfx::gp::ARGB c) { return c & 0xFF; }

// A small PNG made by the layer itself (w x h, one colour).
std::vector<std::uint8_t> MakePng(int width, int height, gfx::gp::ARGB colour);

}  // namespace gfx_test
