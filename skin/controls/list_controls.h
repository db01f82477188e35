// Skinned list boxes, combo-box lists, list views, tree views, IP fields, date pickers.
#pragma once
#include <windows.h>

namespace skin {

// Skins the direct children of parent that this skinner takes.
void SkinListChildren(int index, HWND parent);

}  // namespace skin
