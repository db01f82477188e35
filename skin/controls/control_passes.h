// Every control pass over a parent's direct children, in the one order both a
// skinned window and a registered container use.
#pragma once
#include <windows.h>

namespace skin {

// Push buttons, check and radio buttons, edit and combo boxes, trackbars,
// progress bars, list-type controls, up-down controls, headers, toolbars,
// statics, and child dialogs (whose own controls go through every pass too).
void SkinChildren(int index, HWND parent);

}  // namespace skin
