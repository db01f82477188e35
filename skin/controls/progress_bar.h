// Skinned progress bars.
#pragma once
#include <windows.h>

namespace skin {

// Skins the direct children of parent that this skinner takes.
void SkinProgressChildren(int index, HWND parent);

}  // namespace skin
