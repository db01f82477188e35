// Toolbars and the controls drawn transparently over the skin (month calendar,
// tab control, status bar, button, trackbar, rich edit): one subclass procedure.
#pragma once
#include <windows.h>

namespace skin {

// The toolbar subclass procedure ("Kj_hProc", "Kj_FuID", "Kj_lbID").
LRESULT CALLBACK ToolbarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Every button of the toolbar over what lies behind it, into target (the
// toolbar's client DC when null). False when nothing skinned lies behind it.
bool PaintToolbar(HWND toolbar, HDC target = nullptr);
// Button i (0-based) into dc, hot or not, in the toolbar's client coordinates.
void PaintToolbarButton(HWND toolbar, HDC dc, int i, bool hot);
// The icon at (x, y) in w x h with its coloured pixels grey (reddish grey with
// tint) and its black and grey pixels left out.
void DrawGreyIcon(HDC dc, int x, int y, HICON icon, int w, int h, bool tint);
// Lets a control paint itself off-screen, over black and over white, and lays
// what it painted over the skinned background with its text kept whole and
// readable; into target (its client DC when null). False when it is not
// registered or nothing skinned lies behind it.
bool ComposeControl(HWND control, HDC target = nullptr);

}  // namespace skin
