#include "skin/base/frame_background.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/gfx.h"
#include "skin/base/shapes.h"
#include "skin/base/skin_state.h"

namespace skin {
namespace {

// The border, the rounded corners and the laid-out picture's partly covered
// last row and column all lie this close to an edge of the frame.
constexpr int kEdge = 8;

bool SameObject(const std::weak_ptr<gfx::GfxBitmap>& a, const std::shared_ptr<gfx::GfxBitmap>& b) {
    return b && !a.expired() && !a.owner_before(b) && !b.owner_before(a);
}

bool HasPicture(const BackgroundLook& look) { return look.picture && !look.picture->IsEmpty(); }

// Only a stretched picture is scaled, so only it has a fast quality.
BackgroundLook Normalised(BackgroundLook look) {
    look.width = std::max(look.width, 1);
    look.height = std::max(look.height, 1);
    if (!HasPicture(look)) look.picture = nullptr;
    if (!look.picture || look.mode != 3) look.quality = StretchQuality::kFull;
    if (!look.picture) look.mode = 0;
    return look;
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

// Backgrounds some window still holds.
std::vector<std::weak_ptr<const FrameBackground>>& Backgrounds() {
    static std::vector<std::weak_ptr<const FrameBackground>> backgrounds;
    return backgrounds;
}

// The full-quality backgrounds made last, held even when no window holds them:
// a window that is maximised and restored, or a second window opened at the
// size of the first, finds its background made already. Two, so that the
// size a window comes back to is still there.
constexpr std::size_t kRecentKept = 2;

std::vector<std::shared_ptr<const FrameBackground>>& Recent() {
    static std::vector<std::shared_ptr<const FrameBackground>> recent;
    return recent;
}

void NoteRecent(const std::shared_ptr<const FrameBackground>& background) {
    if (background->quality() != StretchQuality::kFull) return;
    auto& recent = Recent();
    std::erase(recent, background);
    recent.insert(recent.begin(), background);
    if (recent.size() > kRecentKept) recent.resize(kRecentKept);
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

const FastSource* FastSourceOf(const std::shared_ptr<gfx::GfxBitmap>& picture) {
    FastSource& f = Fast();
    if (SameObject(f.picture, picture) && f.pixels.dc()) return &f;
    f.pixels.reset();
    f.picture.reset();
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
    return &f;
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

// The picture laid out over the frame, premultiplied, transparent where it does
// not reach: the one scaling of the picture a background costs.
bool LayOut(const BackgroundLook& look, gdi::BitmapDc& layer, void*& bits) {
    const int W = look.width, H = look.height;
    if (!layer.Select(gdi::NewArgbDib(W, H, &bits)) || !bits) return false;
    if (look.quality == StretchQuality::kFast) {
        if (const FastSource* source = FastSourceOf(look.picture)) {
            SetStretchBltMode(layer.dc(), COLORONCOLOR);
            StretchBlt(layer.dc(), 0, 0, W, H, source->pixels.dc(), 0, 0, source->width,
                       source->height, SRCCOPY);
            GdiFlush();
            ++Counters().fastLayouts;
            return true;
        }
    }
    gfx::GfxBitmap surface;
    if (!surface.CreateFromScan0(W, H, W * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits)))
        return false;
    gfx::GfxGraphics g;
    g.FromImage(surface);
    DrawLaidOut(g, *look.picture, look.mode, W, H);
    ++Counters().fullLayouts;
    return true;
}

// GDI+'s view of the pixels of `part` of a top-down 32-bit DIB W pixels wide.
bool ViewOf(gfx::GfxBitmap& view, void* bits, int W, const RECT& part, Gdiplus::PixelFormat format) {
    BYTE* at = static_cast<BYTE*>(bits) +
               (static_cast<std::size_t>(part.top) * static_cast<std::size_t>(W) +
                static_cast<std::size_t>(part.left)) * 4;
    return view.CreateFromScan0(part.right - part.left, part.bottom - part.top, W * 4, format, at);
}

void DrawBorder(gfx::GfxGraphics& g, float x, float y, int W, int H) {
    gfx::GfxPath outer, inner;
    outer.Create();
    inner.Create();
    AddRoundRect(outer, x, y, static_cast<float>(W - 1), static_cast<float>(H - 1), 7);
    AddRoundRect(inner, x + 1, y + 1, static_cast<float>(W - 3), static_cast<float>(H - 3), 6);
    gfx::GfxPen dark, light;
    dark.Create(Argb(180, 0x000000), 2);
    light.Create(Argb(180, 0xFFFFFF), 1);
    g.DrawPath(dark, outer);
    g.DrawPath(light, inner);
}

// The pixels of `part` exactly as drawing the whole background onto the whole
// frame makes them: every shape is moved by part's top-left onto a view of
// those pixels, so GDI+ works over the part alone.
void ComposePart(const BackgroundLook& look, void* bits, void* layerBits, const RECT& part) {
    const int W = look.width, H = look.height;
    gfx::GfxBitmap target;
    if (!ViewOf(target, bits, W, part, PixelFormat32bppRGB)) return;
    gfx::GfxGraphics g;
    g.FromImage(target);
    const float x = static_cast<float>(-part.left), y = static_cast<float>(-part.top);
    // Cleared to the fill rather than a key colour: the rounded clip is
    // flattened into straight segments, and the few corner pixels it leaves out
    // are still inside the window's own region, so they are seen.
    g.Clear(look.fill);
    gfx::GfxPath clip;
    clip.Create();
    AddRoundRect(clip, x, y, static_cast<float>(W), static_cast<float>(H), 4);
    g.SetClipPath(clip);
    gfx::GfxSolidBrush fill;
    fill.Create(look.fill);
    g.FillPath(fill, clip);
    gfx::GfxBitmap layer;
    if (layerBits && ViewOf(layer, layerBits, W, part, PixelFormat32bppPARGB))
        g.DrawImageStretchedI(layer, 0, 0, part.right - part.left, part.bottom - part.top);
    if (look.gradientHeight > 0) {
        const float h = static_cast<float>(look.gradientHeight);
        VerticalGradientRect(g, x, y, static_cast<float>(W), h, y, y + h, Argb(150, 0xFFFFFF),
                             Argb(0, 0xFFFFFF));
    }
    if (look.border) DrawBorder(g, x, y, W, H);
}

// Copies the opaque pixels of `part` of the layer into the background (alpha
// cleared, as drawing them over the frame left it); false, copying nothing,
// when a pixel there is not opaque.
bool CopyOpaque(void* bits, const void* layerBits, int W, const RECT& part) {
    const auto* from = static_cast<const std::uint32_t*>(layerBits);
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            if ((from[static_cast<std::size_t>(y) * W + x] >> 24) != 0xFF) return false;
    auto* to = static_cast<std::uint32_t*>(bits);
    for (int y = part.top; y < part.bottom; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(W);
        for (int x = part.left; x < part.right; ++x) to[row + x] = from[row + x] & 0x00FFFFFF;
    }
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

bool FrameBackground::Fits(const BackgroundLook& wanted) const {
    const BackgroundLook look = Normalised(wanted);
    const bool samePicture =
        look.picture ? SameObject(picture_, look.picture) : !withPicture_;
    return samePicture && look.mode == look_.mode && look.width == look_.width &&
           look.height == look_.height && look.quality == look_.quality &&
           look.fill == look_.fill && look.gradientHeight == look_.gradientHeight &&
           look.border == look_.border;
}

std::shared_ptr<const FrameBackground> BackgroundFor(const BackgroundLook& wanted) {
    BackgroundLook look = Normalised(wanted);
    auto& held = Backgrounds();
    std::erase_if(held, [](const auto& b) { return b.expired(); });
    for (const auto& h : held)
        if (auto background = h.lock())
            if (background->Fits(look)) {
                NoteRecent(background);
                return background;
            }

    const int W = look.width, H = look.height;
    auto background = std::make_shared<FrameBackground>();
    if (!background->pixels_.Select(gdi::NewArgbDib(W, H, &background->bits_)) ||
        !background->bits_)
        return nullptr;
    gdi::BitmapDc layer;
    void* layerBits = nullptr;
    if (look.picture && !LayOut(look, layer, layerBits)) layerBits = nullptr;
    // Inside the edge bands the laid-out picture covers everything: copied as
    // it is; GDI+ composes the bands (or, where the picture leaves gaps, all).
    const int top = std::max(kEdge, look.gradientHeight);
    const RECT inside{kEdge, top, W - kEdge, H - kEdge};
    GdiFlush();
    if (layerBits && inside.left < inside.right && inside.top < inside.bottom &&
        CopyOpaque(background->bits_, layerBits, W, inside)) {
        for (const RECT& band : {RECT{0, 0, W, top}, RECT{0, inside.bottom, W, H},
                                 RECT{0, top, kEdge, inside.bottom},
                                 RECT{inside.right, top, W, inside.bottom}})
            ComposePart(look, background->bits_, layerBits, band);
    } else {
        ComposePart(look, background->bits_, layerBits, RECT{0, 0, W, H});
    }
    background->picture_ = look.picture;
    background->withPicture_ = look.picture != nullptr;
    look.picture = nullptr;  // held weakly, through picture_
    background->look_ = look;
    held.push_back(background);
    NoteRecent(background);
    return background;
}

void ReleaseFastStretchSource() {
    Fast().pixels.reset();
    Fast().picture.reset();
}

bool FastStretchUnderWay() { return Fast().pixels.dc() != nullptr; }

void ReleaseRecentBackgrounds() { Recent().clear(); }

PaintCounters& Counters() {
    static PaintCounters counters;
    return counters;
}

}  // namespace skin
