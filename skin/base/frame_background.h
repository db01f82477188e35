// A skinned window's background at its current size, and the images it is made
// from, kept for the whole process rather than per window: images are decoded
// once from their bytes, and the background (the picture laid out, the fill
// where it does not reach and outside the rounded corners, the caption's
// gradient, the border) is composed once per size and look and shared by every
// window that has the same. Scaling the picture is by far the dearest part of a
// render, so a repaint, a second render at the same size or a second window
// never scales it again; a render starts by copying the background.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "gfx/gfx_image.h"
#include "skin/base/gdi_guards.h"

namespace skin {

// The decoded image of these bytes: the one already decoded while anything
// still holds it, else decoded now. Null for no bytes; an image that does not
// decode is returned empty.
std::shared_ptr<gfx::GfxBitmap> DecodedImage(std::span<const std::uint8_t> bytes);

// How the picture is scaled to the frame: as GDI+ draws it (bilinear), or the
// fast way (nearest pixel) for the sizes a live resize passes through.
enum class StretchQuality { kFull, kFast };

// What a background is made of.
struct BackgroundLook {
    std::shared_ptr<gfx::GfxBitmap> picture;  // null or empty: the fill alone
    // 0 at its own size top-left, 1 top-right, 2 centred, 3 stretched, other
    // values tiled across with every other copy mirrored.
    int mode = 3;
    int width = 1, height = 1;
    StretchQuality quality = StretchQuality::kFull;  // only a stretched picture has a fast one
    std::uint32_t fill = 0;                          // ARGB
    int gradientHeight = 0;                          // the caption's white gradient; 0: none
    bool border = false;                             // the dark and light rounded lines
};

// A background: a top-down 32-bit DIB in its own memory DC, with 0 in the
// alpha bytes, as the frame it is copied into.
class FrameBackground {
public:
    HDC dc() const { return pixels_.dc(); }
    StretchQuality quality() const { return look_.quality; }
    // True when this is the background `look` asks for.
    bool Fits(const BackgroundLook& look) const;

private:
    friend std::shared_ptr<const FrameBackground> BackgroundFor(const BackgroundLook&);
    gdi::BitmapDc pixels_;
    void* bits_ = nullptr;
    BackgroundLook look_;  // without its picture: a background does not keep that alive
    std::weak_ptr<gfx::GfxBitmap> picture_;
    bool withPicture_ = false;
};

// The background for `look`: the one a window already holds, else composed
// now. Null when no bitmap can be made.
std::shared_ptr<const FrameBackground> BackgroundFor(const BackgroundLook& look);
// Frees the copy of the picture the fast stretch reads from (made when a live
// resize starts scaling).
void ReleaseFastStretchSource();
// True while a live resize scales the picture the fast way somewhere: the
// backgrounds of those sizes are passing, and so is what is drawn over them.
bool FastStretchUnderWay();
// Lets go of the backgrounds kept for windows that no longer hold them (the
// last two made at full quality are kept, for a window that comes back to a
// size it had).
void ReleaseRecentBackgrounds();

// What the frame painter has done since the process started, for tests that
// count work: full frame renders, window reshapes and picture layouts.
struct PaintCounters {
    long frameRenders = 0;
    long reshapes = 0;
    long fullLayouts = 0;
    long fastLayouts = 0;
};
PaintCounters& Counters();

}  // namespace skin
