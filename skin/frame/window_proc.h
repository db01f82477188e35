// The procedure every skinned top-level window is subclassed with: painting from
// the cached frame, caption buttons and their fades, moving and resizing the
// borderless window, size limits, and cleanup on destroy.
#pragma once
#include <windows.h>

namespace skin {

LRESULT CALLBACK SkinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Caption-button position under client point (x, y), or 0.
int CaptionButtonHitTest(int index, int x, int y);
// True when lParam's point is near the caption-button strip.
bool NearStrip(int index, LPARAM lParam);
// Bottom-bar panel number under (x, y), or 0.
int PanelHitTest(int index, int x, int y);
// Position of the first maximise caption button, or 0.
int MaximizeButtonPosition(int index);
// Performs the command of caption button `position`.
void CaptionButtonAction(int index, int position);
// The resize zone under lParam's point: the SC_SIZE edge code (1..8) or 0.
int ResizeZone(int index, LPARAM lParam, const RECT& client);
// Releases the window's skin state, puts the old procedure back, renumbers.
void DestroyCleanup(HWND window);
// Gives every skinned window and its controls their current window index again
// (after a record left the table).
void RenumberWindows();

}  // namespace skin
