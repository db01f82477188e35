// Process-wide values shared by the application and the skin engine: the skin's
// look (picture, colours, image mode), start-up values, and hooks.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/gfx_image.h"

namespace skin {

struct Globals {
    ULONG_PTR gdiplusToken = 0;        // for the one GdiplusShutdown at the end
    HICON appIcon = nullptr;           // drawn in the caption; may stay null
    bool controlBackground = true;     // the button skinners run only while it is set
    int controlBlendLevel = 160;       // 0..255, passed by control skinners to their drawing
    COLORREF accentColour = 0xDDCA22;  // replaced by skin initialisation
    bool skinnerSwitchA = true;
    bool skinnerSwitchB = true;

    std::vector<std::uint8_t> skinImage;  // encoded JPEG or PNG; empty = none
    COLORREF mainColour = 0;
    int imageMode = 0;
    // The skin image decoded once: every full render draws it.
    std::shared_ptr<gfx::GfxBitmap> decodedSkinImage;
    unsigned skinImageGeneration = 0;  // bumped whenever the skin image changes

    void (*onDeactivate)() = nullptr;  // run when the application loses activation
    // Paints an owner-drawn control of window `index` (WM_DRAWITEM reaches the
    // window's procedure, the control painters sit above it; set when a window
    // is skinned).
    void (*drawItem)(int index, const DRAWITEMSTRUCT& item) = nullptr;
};

// The one instance; lives for the whole process.
Globals& State();

// GDI+ colour from a colour value (0x00BBGGRR) and an alpha.
inline std::uint32_t Argb(int alpha, COLORREF colour) {
    return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) | ((colour & 0xFF) << 16) |
           (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
// Colour value from a GDI+ colour (alpha dropped).
inline COLORREF FromArgb(std::uint32_t argb) {
    return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}

// Creates the (empty) window table; called once before the first window exists.
void CreateWindowTable();
// Frees the skin image and every window record; safe when nothing was created.
void ReleaseSkinData();
// The decoded skin image, or null when there is none or it does not decode.
gfx::GfxBitmap* SkinImage();

}  // namespace skin
