// Toolbar registration and the containers a toolbar hosts.
#pragma once
#include <windows.h>

namespace skin {

// Skins the direct children of parent that this skinner takes.
void SkinToolbarChildren(int index, HWND parent);

}  // namespace skin
