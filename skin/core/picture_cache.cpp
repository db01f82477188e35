#include "skin/core/picture_cache.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/gfx.h"

namespace skin {
namespace {

bool SameObject(const std::weak_ptr<gfx::GfxBitmap>& a, const std::shared_ptr<gfx::GfxBitmap>& b) {
    return b && !a.expired() && !a.owner_before(b) && !b.owner_before(a);
}

// Images decoded from bytes, while something holds them.
struct DecodedEntry {
    std::vector<std::uint8_t> bytes;
    std::weak_ptr<gfx::GfxBitmap> image;
};

std::vector<DecodedEntry>& DecodedImages() {
    static std::vector<DecodedEntry> images;
    return images;
}

// Layers some window still holds.
std::vector<std::weak_ptr<const PictureLayer>>& Layers() {
    static std::vector<std::weak_ptr<const PictureLayer>> layers;
    return layers;
}

// The picture as a DIB of its own, for StretchBlt; made for the first fast
// stretch of a picture and kept until released.
struct FastSource {
    std::weak_ptr<gfx::GfxBitmap> picture;
    gdi::BitmapDc pixels;
    int width = 0, height = 0;
};

FastSource& Fast() {
    static FastSource source;
    return source;
}

HDC FastSourceOf(const std::shared_ptr<gfx::GfxBitmap>& picture) {
    FastSource& f = Fast();
    if (SameObject(f.picture, picture) && f.pixels.dc()) return f.pixels.dc();
    f.pixels.reset();
    const int w = static_cast<int>(picture->GetWidth()), h = static_cast<int>(picture->GetHeight());
    void* bits = nullptr;
    if (w <= 0 || h <= 0 || !f.pixels.Select(gdi::NewArgbDib(w, h, &bits)) || !bits) return nullptr;
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(w);
    data.Height = static_cast<UINT>(h);
    data.Stride = w * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = bits;
    const Gdiplus::Rect all{0, 0, w, h};
    if (!picture->LockBits(all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                           PixelFormat32bppPARGB, data)) {
        f.pixels.reset();
        return nullptr;
    }
    picture->UnlockBits(data);
    f.picture = picture;
    f.width = w;
    f.height = h;
    return f.pixels.dc();
}

// Draws the picture as the image mode places it onto a transparent W x H surface.
void DrawLaidOut(gfx::GfxGraphics& g, gfx::GfxBitmap& picture, int mode, int W, int H) {
    const int iw = picture.GetWidth(), ih = picture.GetHeight();
    switch (mode) {
        case 0: g.DrawImageStretchedI(picture, 0, 0, iw, ih); break;
        case 1: g.DrawImageStretchedI(picture, W - iw, 0, iw, ih); break;
        case 2: g.DrawImageStretchedI(picture, (W - iw) / 2, (H - ih) / 2, iw, ih); break;
        case 3: g.DrawImageStretchedI(picture, 0, 0, W, H); break;
        default: {
            // Tiled across, every other copy mirrored so the seams match.
            gfx::GfxBitmap strip;
            if (iw <= 0 || !strip.Create(W, ih, PixelFormat32bppARGB)) return;
            gfx::GfxGraphics sg;
            sg.FromImage(strip);
            bool mirrored = false;
            for (int x = 0; x < W; x += iw, mirrored = !mirrored) {
                if (mirrored) {
                    const Gdiplus::Point pts[] = {{x + iw, 0}, {x, 0}, {x + iw, ih}};
                    sg.DrawImagePointsI(picture, pts);
                } else {
                    sg.DrawImageStretchedI(picture, x, 0, iw, ih);
                }
            }
            sg.Delete();
            g.DrawImageStretchedI(strip, 0, 0, W, ih);
        }
    }
}

// True when every pixel is opaque; its alpha bytes are then cleared.
bool TakeAsOpaque(void* bits, int W, int H) {
    auto* pixel = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(W) * static_cast<std::size_t>(H);
    for (std::size_t i = 0; i < count; ++i)
        if ((pixel[i] >> 24) != 0xFF) return false;
    for (std::size_t i = 0; i < count; ++i) pixel[i] &= 0x00FFFFFF;
    return true;
}

}  // namespace

std::shared_ptr<gfx::GfxBitmap> DecodedImage(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return nullptr;
    auto& images = DecodedImages();
    std::erase_if(images, [](const DecodedEntry& e) { return e.image.expired(); });
    for (const DecodedEntry& e : images)
        if (e.bytes.size() == bytes.size() && std::equal(bytes.begin(), bytes.end(), e.bytes.begin()))
            if (auto image = e.image.lock()) return image;
    auto image = std::make_shared<gfx::GfxBitmap>();
    image->LoadFromBytes(bytes);
    images.push_back({{bytes.begin(), bytes.end()}, image});
    return image;
}

bool LayerFits(const PictureLayer& layer, const std::shared_ptr<gfx::GfxBitmap>& picture, int mode,
               int width, int height, StretchQuality quality) {
    if (mode != 3) quality = StretchQuality::kFull;  // nothing else is scaled
    return SameObject(layer.picture_, picture) && layer.mode_ == mode &&
           layer.width_ == width && layer.height_ == height && layer.quality_ == quality;
}

std::shared_ptr<const PictureLayer> LayOutPicture(const std::shared_ptr<gfx::GfxBitmap>& picture,
                                                  int mode, int width, int height,
                                                  StretchQuality quality) {
    if (!picture || picture->IsEmpty()) return nullptr;
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (mode != 3) quality = StretchQuality::kFull;
    auto& layers = Layers();
    std::erase_if(layers, [](const auto& l) { return l.expired(); });
    for (const auto& held : layers)
        if (auto layer = held.lock())
            if (LayerFits(*layer, picture, mode, width, height, quality)) return layer;

    auto layer = std::make_shared<PictureLayer>();
    if (!layer->pixels_.Select(gdi::NewArgbDib(width, height, &layer->bits_)) || !layer->bits_)
        return nullptr;
    layer->width_ = width;
    layer->height_ = height;
    layer->quality_ = quality;
    layer->picture_ = picture;
    layer->mode_ = mode;
    HDC source = quality == StretchQuality::kFast ? FastSourceOf(picture) : nullptr;
    if (quality == StretchQuality::kFast && !source)
        return LayOutPicture(picture, mode, width, height, StretchQuality::kFull);
    if (source) {
        SetStretchBltMode(layer->dc(), COLORONCOLOR);
        StretchBlt(layer->dc(), 0, 0, width, height, source, 0, 0, Fast().width, Fast().height,
                   SRCCOPY);
        GdiFlush();
        ++Counters().fastLayouts;
    } else {
        gfx::GfxBitmap surface;
        if (!surface.CreateFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                     static_cast<BYTE*>(layer->bits_)))
            return nullptr;
        {
            gfx::GfxGraphics g;
            g.FromImage(surface);
            DrawLaidOut(g, *picture, mode, width, height);
        }
        ++Counters().fullLayouts;
    }
    layer->opaque_ = TakeAsOpaque(layer->bits_, width, height);
    layers.push_back(layer);
    return layer;
}

void ReleaseFastStretchSource() {
    Fast().pixels.reset();
    Fast().picture.reset();
}

PaintCounters& Counters() {
    static PaintCounters counters;
    return counters;
}

}  // namespace skin
