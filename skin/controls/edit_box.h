// Skinned edit boxes (and, in the same pass, combo boxes).
#pragma once
#include <windows.h>

namespace skin {

// Skins the direct children of parent that this skinner takes.
void SkinEditAndComboChildren(int index, HWND parent);

}  // namespace skin
