// Where the caption buttons and the bottom bar of a skinned window sit: laid
// out when the window is skinned and again whenever it changes size.
#pragma once
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/window/window_table.h"

namespace skin {

struct PanelDefinition {
    int width = -1;  // -1: the rest of the bar
    std::string text;
    std::vector<std::uint8_t> image;
    int option = 0;  // text colour
};

// Recomputes the caption-button strip, each button's hit rectangle and tooltip.
void LayoutCaptionButtons(int index);
// Creates the bottom bar and its panels (one full-width panel when none given).
void SetupBottomBar(int index, int height, std::span<const PanelDefinition> panels, bool given);
// Recomputes the bar and panel rectangles from the client size.
void LayoutBottomBar(int index);
// A caption button's hit rectangle in whole pixels (truncated).
RECT HitRectOf(const FloatRect& f);

}  // namespace skin
