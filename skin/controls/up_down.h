// Skinned up-down controls: two rounded gradient buttons with arrows that light
// up under the mouse and invert while pressed.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

// Skins the up-down controls among parent's direct children (window index
// `index`); nothing while the control background switch is off.
void SkinUpDownChildren(int index, HWND parent);
// The subclass procedure of a skinned up-down control.
LRESULT CALLBACK UpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// 0 for the first half (top, or left with UDS_HORZ), 1 for the second, for a
// client point in a mouse message's lParam (signed: a captured mouse may be
// outside). A point on the middle line belongs to the first half.
int UpDownHalfAt(HWND control, LPARAM point);
// What a paint shows; unset values come from the control's record (for the
// point: the last press while pressed, else the half last hovered).
struct UpDownLook {
    std::optional<bool> hovered, pressed;
    std::optional<LPARAM> point;
};
// Draws the control onto its window DC, or onto target (window coordinates)
// when given. False when it has no record or nothing skinned lies behind it.
bool PaintUpDown(HWND control, const UpDownLook& look = {}, HDC target = nullptr);

}  // namespace skin
