// The pictures the frame painter draws, kept for the whole process rather than
// per window: images decoded once from their bytes, and the skin picture laid
// out once per frame size, shared by every window of that size. Scaling the
// picture is by far the dearest part of a render, so a repaint, a second render
// at the same size or a second window never scales it again.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "gfx/gfx_image.h"
#include "skin/core/gdi_guards.h"

namespace skin {

// The decoded image of these bytes: the one already decoded while anything
// still holds it, else decoded now. Null for no bytes; an image that does not
// decode is returned empty.
std::shared_ptr<gfx::GfxBitmap> DecodedImage(std::span<const std::uint8_t> bytes);

// How a picture is scaled to the frame: as GDI+ draws it (bilinear), or the
// fast way (nearest pixel) for the sizes a live resize passes through.
enum class StretchQuality { kFull, kFast };

// A picture laid out over a width x height frame as an image mode places it: a
// top-down 32-bit DIB in its own memory DC, premultiplied, transparent where
// the picture does not reach. An opaque layer (the picture covers every pixel)
// keeps 0 in its alpha bytes, as the frame it is copied into does.
class PictureLayer {
public:
    HDC dc() const { return pixels_.dc(); }
    void* bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool opaque() const { return opaque_; }
    StretchQuality quality() const { return quality_; }

private:
    friend std::shared_ptr<const PictureLayer> LayOutPicture(
        const std::shared_ptr<gfx::GfxBitmap>&, int, int, int, StretchQuality);
    friend bool LayerFits(const PictureLayer&, const std::shared_ptr<gfx::GfxBitmap>&, int, int,
                          int, StretchQuality);
    gdi::BitmapDc pixels_;
    void* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    bool opaque_ = false;
    StretchQuality quality_ = StretchQuality::kFull;
    std::weak_ptr<gfx::GfxBitmap> picture_;
    int mode_ = 0;
};

// The layer of picture for a width x height frame in image mode `mode` (0 at
// its own size top-left, 1 top-right, 2 centred, 3 stretched, other values
// tiled across with every other copy mirrored): the one a window of that size
// already holds, else laid out now. Only mode 3 scales, so only it has a fast
// quality. Null when no bitmap can be made.
std::shared_ptr<const PictureLayer> LayOutPicture(const std::shared_ptr<gfx::GfxBitmap>& picture,
                                                  int mode, int width, int height,
                                                  StretchQuality quality);
// True when layer is what LayOutPicture would return for these arguments.
bool LayerFits(const PictureLayer& layer, const std::shared_ptr<gfx::GfxBitmap>& picture, int mode,
               int width, int height, StretchQuality quality);
// Frees the copy of the picture the fast stretch reads from (made when a live
// resize starts scaling).
void ReleaseFastStretchSource();

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
