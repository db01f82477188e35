// Skinned trackbars: a translucent body, a sunken channel, the selection band
// and a round knob, all drawn from the trackbar's live state.
#pragma once
#include <windows.h>

namespace skin {

// Skins the trackbars among parent's direct children (window index `index`);
// nothing while the control background switch is off.
void SkinTrackbarChildren(int index, HWND parent);
// The subclass procedure of a skinned trackbar.
LRESULT CALLBACK TrackbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Where the knob sits across the bar, from the style: 3 without ticks, else 0 for
// ticks on top/left, 2 for ticks on both sides, 1 otherwise (tested in that order).
int TrackbarTickPlacement(LONG style);
// Draws the whole trackbar onto its window DC, or onto target (window
// coordinates) when given. False when it has no record or nothing skinned lies
// behind it.
bool PaintTrackbar(HWND trackbar, HDC target = nullptr);

}  // namespace skin
