// Skinned header controls, on the window and inside list views: every item drawn
// with a lit face under the mouse, a divider, its image and its text.
#pragma once
#include <windows.h>

#include <string>

namespace skin {

// Skins the headers among parent's direct children, then the header of each of
// its list views (window index `index`); nothing while the control background
// switch is off.
void SkinHeaderChildren(int index, HWND parent);
// The subclass procedure of a skinned header.
LRESULT CALLBACK HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The item under a client point in a mouse message's lParam (signed), or -1.
int HeaderItemAt(HWND header, LPARAM point);
// The whole text of item i, however long.
std::string HeaderItemText(HWND header, int item);
// Draws every item onto the header's client DC, or onto target when given.
// False when it has no record or nothing skinned lies behind it.
bool PaintHeader(HWND header, HDC target = nullptr);

}  // namespace skin
