// Where the caption buttons and the bottom bar of a skinned window sit: laid
// out when the window is skinned and again whenever it changes size.
#pragma once
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/base/window_table.h"

namespace skin {

struct PanelDefinition {
    int width = -1;  // -1: the rest of the bar
    std::string text;
    std::vector<std::uint8_t> image;
    int option = 0;  // text colour
};

// Frame coordinates are window coordinates: (0, 0) is the window rectangle's
// top-left corner, and the frame picture covers the whole window. For a window
// whose caption is drawn over its client area they equal client coordinates.

// Widths of the skin's non-client bands around the program's client area.
struct FrameInsets {
    int left = 0, top = 0, right = 0, bottom = 0;
};
// The bands of a window `windowWidth` pixels wide: its caption, menu row (laid
// out for that width), borders and bottom bar when the skin owns the window's
// non-client area, otherwise none.
FrameInsets NonClientInsets(WindowRecord& r, int windowWidth);
// The window rectangle's size.
SIZE FrameSize(HWND window);
// Where the client area's origin lies in frame coordinates.
POINT ClientOrigin(HWND window);
// A client point (as mouse messages give it) in frame coordinates, and back.
POINT ClientToFrame(HWND window, POINT client);
POINT FrameToClient(HWND window, POINT frame);

// Lays out everything of the frame for the window's current size: caption
// buttons, menu row and bottom bar.
void LayoutFrame(int index);
// Recomputes the caption-button strip, each button's hit rectangle and tooltip.
void LayoutCaptionButtons(int index);
// Creates the bottom bar and its panels (one full-width panel when none given).
void SetupBottomBar(int index, int height, std::span<const PanelDefinition> panels, bool given);
// Recomputes the bar and panel rectangles from the window's size.
void LayoutBottomBar(int index);
// A caption button's hit rectangle in whole pixels (truncated).
RECT HitRectOf(const FloatRect& f);

}  // namespace skin
