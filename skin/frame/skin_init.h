// Skin initialisation: the skin picture, main and accent colours, image mode;
// the average colour of a picture; the faded composition; GDI+ shutdown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/gfx_image.h"

namespace skin {

// Accent value that means "the same as the main colour".
inline constexpr std::int64_t kAccentFromMain = -1;

struct SkinInitOptions {
    std::string imageFile;                    // empty: none
    std::span<const std::uint8_t> imageData;  // empty: none
    std::optional<COLORREF> mainColour;
    std::optional<std::int64_t> accentColour;  // kAccentFromMain: use the main colour
    std::optional<int> imageMode;              // 4 when left out
};

// Sets the skin's look and repaints every visible skinned window.
void InitSkin(const SkinInitOptions& options);

// Where an image comes from: a file name, else bytes.
struct ImageSource {
    std::string file;
    std::span<const std::uint8_t> bytes;
};

// Average of `samples` random pixels (alpha dropped), as a colour value with 255
// in the top byte. Black when the image does not decode or samples < 1.
COLORREF AverageColour(const ImageSource& image, int samples, int rightMargin = 0,
                       int bottomMargin = 0);
// The same over a picture already decoded.
COLORREF AverageColourOf(gfx::GfxBitmap& bitmap, int samples, int rightMargin = 0,
                         int bottomMargin = 0);

// The picture at its own size with its right edge (direction left out) or left
// edge (direction 0) and its bottom edge melting into the main colour; PNG bytes.
std::vector<std::uint8_t> ComposeFadedImage(const ImageSource& image, std::optional<int> fadeWidth,
                                            COLORREF mainColour, std::optional<int> direction);

// GdiplusShutdown with the given token, or with the kept one (cleared first).
// A zero token does nothing. Images the skin cached are released before.
void ShutdownGdiplus(std::optional<ULONG_PTR> token = std::nullopt);

// Repaints every visible skinned window (frame, window, children, headers).
void RepaintSkinnedWindows();

}  // namespace skin
