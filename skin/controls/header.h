// Skinned header controls, on the window and inside list views.
#pragma once
#include <windows.h>

namespace skin {

// Skins the direct children of parent that this skinner takes.
void SkinHeaderChildren(int index, HWND parent);

}  // namespace skin
