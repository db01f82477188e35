// Skinned progress bars: a translucent trough and an accent bar whose length
// follows the position, horizontal or vertical.
#pragma once
#include <windows.h>

namespace skin {

// Skins the progress bars among parent's direct children (window index
// `index`); nothing while the control background switch is off.
void SkinProgressChildren(int index, HWND parent);
// The subclass procedure of a skinned progress bar.
LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The filled length for a position: pos x extent / (high - low), truncated,
// computed in 64 bits and kept within 0..extent; 0 for an empty range.
int ProgressFill(long long pos, long long low, long long high, int extent);
// Draws the whole bar onto its window DC, or onto target (window coordinates)
// when given. False when it has no record or nothing skinned lies behind it.
bool PaintProgress(HWND bar, HDC target = nullptr);

}  // namespace skin
