#include "skin/frame/skin_init.h"

#include <gdiplus.h>

#include <algorithm>
#include <random>

#include "gfx/gfx.h"
#include "skin/frame/frame_painter.h"
#include "skin/base/skin_state.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

constexpr char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

bool LoadImage(const ImageSource& source, gfx::GfxBitmap& bitmap) {
    if (!source.file.empty()) return bitmap.LoadFromFile(source.file);
    return bitmap.LoadFromBytes(source.bytes);
}

}  // namespace

COLORREF AverageColour(const ImageSource& image, int samples, int rightMargin, int bottomMargin) {
    gfx::GfxBitmap bitmap;
    LoadImage(image, bitmap);
    return AverageColourOf(bitmap, samples, rightMargin, bottomMargin);
}

COLORREF AverageColourOf(gfx::GfxBitmap& bitmap, int samples, int rightMargin, int bottomMargin) {
    const int w = bitmap.IsEmpty() ? 0 : bitmap.GetWidth();
    const int h = bitmap.IsEmpty() ? 0 : bitmap.GetHeight();
    if (w <= 0 || h <= 0 || samples < 1) return 0xFF000000;
    // Ranges are counted from 1 to the size inclusive; pixel (x - 1, y - 1) is read,
    // so the last column and row are reachable and nothing outside the picture is.
    std::uniform_int_distribution<int> xs(rightMargin >= 1 ? std::max(1, w - rightMargin) : 1, w);
    std::uniform_int_distribution<int> ys(bottomMargin >= 1 ? std::max(1, h - bottomMargin) : 1, h);
    static std::minstd_rand random(GetTickCount());
    unsigned long long red = 0, green = 0, blue = 0;
    for (int i = 0; i < samples; ++i) {
        COLORREF c = FromArgb(bitmap.GetPixel(xs(random) - 1, ys(random) - 1));
        red += GetRValue(c);
        green += GetGValue(c);
        blue += GetBValue(c);
    }
    return 0xFF000000u | RGB(red / samples, green / samples, blue / samples);
}

std::vector<std::uint8_t> ComposeFadedImage(const ImageSource& image, std::optional<int> fadeWidth,
                                            COLORREF mainColour, std::optional<int> direction) {
    gfx::GfxBitmap source;
    LoadImage(image, source);
    const int w = source.IsEmpty() ? 0 : source.GetWidth();
    const int h = source.IsEmpty() ? 0 : source.GetHeight();
    gfx::GfxBitmap canvas;
    if (!canvas.Create(std::max(w, 1), std::max(h, 1), PixelFormat32bppARGB)) return {};
    gfx::GfxGraphics g;
    g.FromImage(canvas);
    if (w > 0 && h > 0) g.DrawImageStretchedI(source, 0, 0, w, h);
    const float f = static_cast<float>(fadeWidth ? *fadeWidth : static_cast<int>(w * 0.3));
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    gfx::GfxLinearGradientBrush band;
    if (direction && *direction == 0) {
        band.CreateLineBrush({0, 0}, {f, 0}, Argb(255, mainColour), Argb(0, 0xFFFFFF));
        g.FillRectangle(band, 0, 0, f, fh);
    } else {
        band.CreateLineBrush({fw - f, 0}, {fw, 0}, Argb(0, 0xFFFFFF), Argb(255, mainColour));
        g.FillRectangle(band, fw - f + 1, 0, f, fh);
    }
    gfx::GfxLinearGradientBrush bottom;
    bottom.CreateLineBrush({0, fh - f}, {0, fh}, Argb(0, mainColour), Argb(255, mainColour));
    g.FillRectangle(bottom, 0, fh - f + 1, fw, f);
    g.Delete();
    return canvas.SaveToBytes(kPngFormat);
}

namespace {

// The accent an initialisation asks for, unless it asks for the main colour.
COLORREF AccentAsked(const SkinInitOptions& o) {
    return o.accentColour ? static_cast<COLORREF>(*o.accentColour) : 0xDDCA22;
}

// The skin is set again exactly as it is (a program that sets it up for each
// window it opens): the picture decoded and measured the first time stays, so
// the windows open already keep their pixels and a new one shares them.
bool SameSkinAgain(const Globals& g, const SkinInitOptions& o, bool accentFromMain) {
    if (!o.imageFile.empty() || o.imageData.empty() || !g.decodedSkinImage) return false;
    if (o.imageMode.value_or(4) != g.imageMode || g.imageMode < 2) return false;
    if (o.mainColour && *o.mainColour != g.mainColour) return false;
    if (!std::equal(o.imageData.begin(), o.imageData.end(), g.skinImage.begin(), g.skinImage.end()))
        return false;
    return (accentFromMain ? g.mainColour : AccentAsked(o)) == g.accentColour;
}

}  // namespace

void InitSkin(const SkinInitOptions& o) {
    Globals& g = State();
    const bool accentFromMain = o.accentColour && *o.accentColour == kAccentFromMain;
    if (SameSkinAgain(g, o, accentFromMain)) return;
    if (!accentFromMain)
        g.accentColour = AccentAsked(o);
    const bool hasImage = !o.imageFile.empty() || !o.imageData.empty();

    if (hasImage) {
        const ImageSource source{o.imageFile, o.imageData};
        // Bytes kept as they are (modes 2 to 4) are decoded once, here: the average
        // colour reads that picture and the first render draws it. Decoding the
        // background JPEG twice was a good part of the program's start.
        const bool keptAsGiven = o.imageFile.empty() && o.imageMode.value_or(4) >= 2;
        auto decoded = std::make_shared<gfx::GfxBitmap>();
        if (keptAsGiven) LoadImage(source, *decoded);
        if (o.mainColour)
            g.mainColour = *o.mainColour;
        else
            g.mainColour =
                keptAsGiven ? AverageColourOf(*decoded, 2000) : AverageColour(source, 2000);
        if (accentFromMain) g.accentColour = g.mainColour;
        g.imageMode = o.imageMode ? *o.imageMode : 4;
        std::vector<std::uint8_t> picture;
        if (g.imageMode == 0 || g.imageMode == 1) {
            picture = ComposeFadedImage(source, std::nullopt, g.mainColour,
                                        g.imageMode == 1 ? std::optional<int>(0) : std::nullopt);
        } else if (!o.imageFile.empty()) {
            gfx::GfxImage file;
            if (file.LoadFromFile(o.imageFile)) picture = file.SaveToBytes(kPngFormat);
        } else {
            picture.assign(o.imageData.begin(), o.imageData.end());  // bytes kept as they are
        }
        g.skinImage = std::move(picture);
        g.decodedSkinImage.reset();
        if (keptAsGiven && !decoded->IsEmpty()) g.decodedSkinImage = std::move(decoded);
        ++g.skinImageGeneration;
    } else if (!o.mainColour) {
        g.skinImage.clear();
        g.decodedSkinImage.reset();
        ++g.skinImageGeneration;
        g.mainColour = GetSysColor(COLOR_BTNFACE);
        if (accentFromMain) g.accentColour = g.mainColour;
    }
    RepaintSkinnedWindows();
}

void RepaintSkinnedWindows() {
    WindowTable& table = Table();
    for (int i = 1; i <= table.Count(); ++i) {
        WindowRecord* r = table.At(i);
        if (!IsWindowVisible(r->window)) continue;
        FullFrameRender(i, nullptr, true);
        InvalidateRect(r->window, nullptr, FALSE);
        for (HWND c = FindWindowExA(r->window, nullptr, nullptr, nullptr); c;
             c = FindWindowExA(r->window, c, nullptr, nullptr))
            if (IsWindowVisible(c)) InvalidateRect(c, nullptr, TRUE);
        for (const HeaderRecord& h : r->headers.entries())
            if (h.window) InvalidateRect(h.window, nullptr, FALSE);
    }
}

void ShutdownGdiplus(std::optional<ULONG_PTR> token) {
    Globals& g = State();
    ULONG_PTR t = token ? *token : g.gdiplusToken;
    if (!token) g.gdiplusToken = 0;
    if (!t) return;
    // Cached images hold GDI+ objects: release them while GDI+ still runs.
    g.decodedSkinImage.reset();
    for (int i = 1; i <= Table().Count(); ++i) {
        WindowRecord* r = Table().At(i);
        r->decodedBackground.reset();
        for (CaptionButton& b : r->captionButtons) {
            b.decoded.reset();
            b.decodedSecond.reset();
        }
    }
    Gdiplus::GdiplusShutdown(t);
}

}  // namespace skin
