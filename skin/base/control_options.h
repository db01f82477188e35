// What a program can tell the skin about one of its controls: keep it out of
// the skin altogether, or give its text a colour of its own.
#pragma once
#include <windows.h>

namespace skin {

// Keeps control native: no skinning pass, container or toolbar registration
// takes it or anything that lies on it (a list box of a combo box, the header
// of a list view, the controls of a group box, tab control or child dialog).
// Call it before the control's window or container is skinned; the same as
// SetPropA(control, "Kj_Ys", (HANDLE)1).
void KeepNative(HWND control);
// True when control, or a window it lies on, was kept native.
bool IsKeptNative(HWND control);

// The colour the skin draws control's text in (labels, check boxes, radio
// buttons, group-box and tab captions, and the texts that already read
// "Kj_Ztys"), black included; the control repaints. Without it such text takes
// the colour the program's WM_CTLCOLORSTATIC answer sets, or one readable on
// the picture behind it.
void SetTextColour(HWND control, COLORREF colour);

}  // namespace skin
