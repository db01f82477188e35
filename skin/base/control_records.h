// The entries of a window record's control lists: one record type per skinner.
// Every entry starts with the control's window and the procedure the skin
// replaced; the blank first entry of a list has window 0.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

namespace skin {

struct ControlEntry {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
};

enum ButtonKind : int { kPushButton = 0, kRadioButton = 4, kCheckBox = 5 };

struct ButtonRecord : ControlEntry {
    int kind = kPushButton;
    std::string text;
    int focused = 0;
    bool checked = false;
    HWND parent = nullptr;
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
    int pressed = 0;
    LONG styleBefore = 0;  // the style the program gave it, put back when the skin stops
};

// Scroll-bar part rectangles in overlay coordinates, written by each overlay paint.
struct OverlayParts {
    RECT firstButton{}, secondButton{}, thumb{};
};

// What an overlay last showed of its bar. The overlay is repainted only when
// the bar now differs from it, or when something else drew over the overlay
// (the pixels it left at three points are no longer there).
struct BarShown {
    bool painted = false;  // false: nothing shown yet, or known to be covered
    bool visible = false;
    RECT bar{};  // the bar on the screen
    bool disabled = false;
    int thumbStart = 0, thumbEnd = 0;  // along the bar
    int part = 0;                      // the highlighted part
    COLORREF samples[3] = {};
};

// The scroll-bar overlays laid over a control's native bars (0 when none).
struct OverlayState {
    HWND vertical = nullptr;
    HWND horizontal = nullptr;
    OverlayParts verticalParts, horizontalParts;
    BarShown verticalShown, horizontalShown;
    bool trackingVertical = false, trackingHorizontal = false;  // the thumb is being dragged
    bool refreshQueued = false;  // a repaint is on its way to the overlay
};

struct EditRecord : ControlEntry {
    int focused = 0;
    int hovered = 0;
    int buttonHeld = 0;
    OverlayState overlays;
};

struct ComboRecord : ControlEntry {
    int focused = 0;
};

// List boxes, combo-box lists, list views, tree views, IP fields, date pickers.
struct ListRecord : ControlEntry {
    int focused = 0;
    int hovered = 0;
    int keyHeld = 0;
    OverlayState overlays;
};

struct TrackbarRecord : ControlEntry {
    int vertical = 0;
    int tickPlacement = 1;  // 0 top/left, 1 default, 2 both, 3 none
    int hovered = 0;
    int selectionRange = 0;
};

struct ProgressRecord : ControlEntry {
    int vertical = 0;
};

struct UpDownRecord : ControlEntry {
    int hovered = 0;
    int hoveredHalf = 0;  // 0 top or left, 1 bottom or right
    int pressed = 0;
    int horizontal = 0;
    LPARAM lastPoint = 0;  // client point of the last button press or release
};

struct HeaderRecord : ControlEntry {
    int buttons = 0;
    int hovered = 0;
    int hotItem = -1;
    int pressed = 0;
    HIMAGELIST imageList = nullptr;
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
};

struct ToolbarRecord : ControlEntry {
    COLORREF backgroundColour = 0;  // a composed control's background when it cannot be changed
    int paintRoute = 0;             // how a composed control paints into our DC (PaintRoute)
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
};

// A window a container moves along with itself, and where it sits.
struct InnerWindow {
    HWND window = nullptr;
    RECT placement{};
};

// Group boxes, tab controls and other containers that hold skinned children.
struct GroupBoxRecord : ControlEntry {
    COLORREF tintColour = 0;  // 0: no tint
    int tintAlpha = 255;      // low byte used
    int plainFrame = 0;
    int childrenSkinned = 0;
    int kind = 0;  // 1 group box, 0 anything else
    int page = 0;  // 1: a child dialog, painted as the picture behind it
    int tintChildren = 0;
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
    std::vector<InnerWindow> innerWindows;
};

// Labels, icons, pictures and etched lines ("Static").
struct StaticRecord : ControlEntry {};

}  // namespace skin
