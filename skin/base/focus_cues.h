// The skin's focus look, shared by every skinned control that can take the
// keyboard focus: when a control shows it, and the ring it is drawn as.
#pragma once
#include <windows.h>

#include "gfx/gfx_graphics.h"

namespace skin {

// False while Windows hides focus cues for the control (UISF_HIDEFOCUS, read
// with WM_QUERYUISTATE): it does until the keyboard is used.
bool FocusCuesShown(HWND control);

// True while the control has the keyboard focus (with `inside`, also while a
// window inside it has it, as a combo box's edit field or an IP field's parts)
// and focus cues are shown for it.
bool FocusShown(HWND control, bool inside = false);

// The accent ring a focused control wears: a strong outer line and a softer
// one inside it, around (x, y, w, h), corners rounded with diameter `corner`
// (square when 0).
void DrawFocusRing(gfx::GfxGraphics& g, float x, float y, float w, float h, float corner = 0);

}  // namespace skin
