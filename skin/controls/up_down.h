// Skinned up-down controls.
#pragma once
#include <windows.h>

namespace skin {

// Skins the direct children of parent that this skinner takes.
void SkinUpDownChildren(int index, HWND parent);

}  // namespace skin
