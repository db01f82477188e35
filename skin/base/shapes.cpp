#include "skin/base/shapes.h"

#include <algorithm>

#include "skin/base/skin_state.h"

namespace skin {

void VerticalGradientRect(gfx::GfxGraphics& g, float x, float y, float w, float h, float top,
                          float bottom, std::uint32_t from, std::uint32_t to) {
    gfx::GfxLinearGradientBrush brush;
    brush.CreateLineBrush({0, top}, {0, bottom}, from, to);
    g.FillRectangle(brush, x, y, w, h);
}

void AddRoundRect(gfx::GfxPath& p, float x, float y, float w, float h, float d) {
    d = std::clamp(d, 1.0f, 100.0f);
    p.AddPathArc(x + w - d, y, d, d, 270, 90);
    p.AddPathArc(x + w - d - 1, y + h - d - 1, d + 1, d + 1, 0, 90);
    p.AddPathArc(x, y + h - d, d, d, 90, 90);
    p.AddPathArc(x, y, d, d, 180, 90);
    p.ClosePathFigure();
}

void AddTopRoundedOutline(gfx::GfxPath& p, float x, float y, float w, float h, float d) {
    p.AddPathLine(x, y + h, x, y + d);
    p.AddPathArc(x, y, d, d, 180, 90);
    p.AddPathLine(x + d, y, x + w - d, y);
    p.AddPathArc(x + w - d, y, d, d, 270, 90);
    p.AddPathLine(x + w, y + d, x + w, y + h);
}

void AddTopRightRoundedOutline(gfx::GfxPath& p, float x, float y, float w, float h, float d) {
    p.AddPathLine(x, y + h, x, y);
    p.AddPathLine(x, y, x + w - d, y);
    p.AddPathArc(x + w - d, y, d, d, 270, 90);
    p.AddPathLine(x + w, y + d, x + w, y + h);
}

void DrawHaloText(gfx::GfxGraphics& g, const std::string& text, const Gdiplus::RectF& rect,
                  COLORREF colour, COLORREF halo, float o, const std::string& face, int style,
                  float size, int hAlign, int vAlign) {
    gfx::GfxFont font;
    // The skin's face names are Chinese: on another code page the caption still
    // gets a title, in the generic face.
    if (!font.CreateOrSansSerif(face, size, style)) return;
    gfx::GfxStringFormat format;
    format.Create();
    format.SetAlign(static_cast<Gdiplus::StringAlignment>(hAlign));
    format.SetLineAlign(static_cast<Gdiplus::StringAlignment>(vAlign));
    gfx::GfxSolidBrush brush;
    brush.Create(Argb(150, halo));
    const float offsets[4][2] = {{o, 0}, {-o, 0}, {0, o}, {0, -o}};
    for (const auto& d : offsets) {
        g.DrawString(text, font, brush, {rect.X + d[0], rect.Y + d[1], rect.Width, rect.Height},
                     &format);
    }
    brush.SetColor(Argb(255, colour));
    g.DrawString(text, font, brush, rect, &format);
}

}  // namespace skin
