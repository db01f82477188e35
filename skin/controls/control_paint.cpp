#include "skin/controls/control_paint.h"

#include <vector>

#include "resources/skin_images.h"
#include "skin/base/shapes.h"
#include "skin/base/gdi_guards.h"

namespace skin {
namespace {

namespace gp = Gdiplus;

// An arrow kept as plain pixels: no GDI+ object outlives a paint (or GDI+).
struct Pixels {
    int width = 0, height = 0;
    std::vector<gp::ARGB> argb;
};

Pixels Decode(const res::ByteSpan& png) {
    Pixels p;
    gfx::GfxBitmap image;
    if (!image.LoadFromBytes({png.data, png.size})) return p;
    p.width = image.GetWidth();
    p.height = image.GetHeight();
    p.argb.reserve(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) p.argb.push_back(image.GetPixel(x, y));
    return p;
}

const Pixels& ArrowPixels(Arrow arrow) {
    static Pixels decoded[4];
    static bool done[4] = {};
    const int i = static_cast<int>(arrow);
    if (!done[i]) {
        static const res::ByteSpan* const sources[4] = {
            &res::arrow_up_png, &res::arrow_down_png, &res::arrow_left_png, &res::arrow_right_png};
        decoded[i] = Decode(*sources[i]);
        done[i] = !decoded[i].argb.empty();
    }
    return decoded[i];
}

}  // namespace

gfx::GfxPath RoundPath(float x, float y, float w, float h, float d) {
    gfx::GfxPath path;
    path.Create();
    AddRoundRect(path, x, y, w, h, d);
    return path;
}

gfx::GfxPath RectPath(float x, float y, float w, float h) {
    gfx::GfxPath path;
    path.Create();
    path.AddPathRectangle(x, y, w, h);
    return path;
}

void FillSolid(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb) {
    gfx::GfxSolidBrush brush;
    if (brush.Create(argb)) g.FillPath(brush, path);
}

void FillLinear(gfx::GfxGraphics& g, const gfx::GfxPath& path, gp::PointF from, gp::PointF to,
                std::uint32_t fromArgb, std::uint32_t toArgb) {
    gfx::GfxLinearGradientBrush brush;
    if (!brush.CreateLineBrush(from, to, fromArgb, toArgb)) return;
    brush.SetLineWrapMode(gp::WrapModeTile);
    g.FillPath(brush, path);
}

void Outline(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb, float width) {
    gfx::GfxPen pen;
    if (pen.Create(argb, width)) g.DrawPath(pen, path);
}

void WhiteRing(HDC dc, const RECT& outer, const RECT& inner) {
    gdi::Region ring(CreateRectRgnIndirect(&outer));
    gdi::Region hole(CreateRectRgnIndirect(&inner));
    if (!ring || !hole || CombineRgn(ring.get(), ring.get(), hole.get(), RGN_XOR) == ERROR) return;
    FillRgn(dc, ring.get(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    GdiFlush();  // GDI+ draws over it next, straight from the pixels
}

void OutlineRect(gfx::GfxGraphics& g, float x, float y, float w, float h, std::uint32_t argb,
                 float width) {
    gfx::GfxPen pen;
    if (pen.Create(argb, width)) g.DrawRectangle(pen, x, y, w, h);
}

void DrawArrow(gfx::GfxGraphics& g, Arrow arrow, int x, int y) {
    const Pixels& p = ArrowPixels(arrow);
    if (p.argb.empty()) return;
    gfx::GfxBitmap image;
    if (!image.CreateFromScan0(p.width, p.height, p.width * 4, PixelFormat32bppARGB,
                               reinterpret_cast<BYTE*>(const_cast<gp::ARGB*>(p.argb.data()))))
        return;
    g.DrawImageStretchedI(image, x, y, p.width, p.height);
}

SIZE ArrowSize(Arrow arrow) {
    const Pixels& p = ArrowPixels(arrow);
    return {p.width, p.height};
}

RECT ClientInWindow(HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&client, origin.x - outer.left, origin.y - outer.top);
    return client;
}

RECT WindowBox(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

}  // namespace skin
