// Controls that paint themselves (status bar, month calendar, rich edit, ...)
// laid over the skin with their anti-aliased text kept whole. The control is
// painted twice off-screen, once over black and once over white: where the two
// renders agree the control painted the pixel itself, where they differ its
// background showed through, and by how much tells the pixel's coverage. The
// control's text, drawn dark for a light face, is recoloured to stand out from
// the picture under it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <span>

namespace skin {

// How a control can be made to paint into a DC of ours, learnt on the first
// paint that shows it: WM_PAINT with the DC in wParam, or WM_PRINTCLIENT.
enum class PaintRoute : int { kUnknown = 0, kPaint = 1, kPrintClient = 2 };

// What the pixel step needs besides the two renders.
struct ComposeLook {
    COLORREF face = 0;       // the background the control's colours were chosen for
    bool faceIsKey = false;  // its background could not be changed: opaque pixels of
                             // exactly `face` are its background and are left out
};

// Coverage of one pixel, 0 (the background showed through) to 255 (painted
// over), from the pixel rendered over black and over white (0x00RRGGBB).
int Coverage(std::uint32_t overBlack, std::uint32_t overWhite);

// The colour a pixel of the control's own colour `colour` (0x00RRGGBB, not
// premultiplied, painted with `coverage`) takes over a picture that is dark
// (or light): greys darker than the face are text and lines drawn for a light
// face and become light (dark) greys, darker ones lighter (darker) still, so a
// greyed text stays apart from a normal one; coloured pixels (selection,
// highlight, marks) and greys lighter than the face keep their colour.
std::uint32_t ReadableColour(std::uint32_t colour, COLORREF face, bool darkPicture,
                             int coverage = 255);

// Lays the control's two renders over picture (the skin behind it). All three
// are width x height pixels 0x00RRGGBB, rows top down; picture is rewritten.
// Text over the picture is made readable (ReadableColour), the picture's
// brightness taken around each pixel so that one glyph takes one colour. On
// the control's own opaque surfaces (a title band, a selected day, a button)
// nothing is recoloured, and what shows through there is the face colour.
void ComposeRenders(std::span<std::uint32_t> picture, std::span<const std::uint32_t> overBlack,
                    std::span<const std::uint32_t> overWhite, int width, int height,
                    const ComposeLook& look);

// Paints a registered composed control over the skinned background behind it
// into target (its client DC when null). `face` is the colour its background
// is taken to have when the control cannot be asked to change it; `route`
// keeps how it paints into our DC between paints. With onlyWhenDrawn a control
// that paints into no DC of ours (it drew itself on the screen) keeps the
// screen as it is. False when nothing skinned lies behind it.
bool ComposeOverSkin(HWND control, HDC target, COLORREF face, PaintRoute& route,
                     bool onlyWhenDrawn);

}  // namespace skin
