// WM_DRAWITEM from a skinned window, handed to the painter of the item's control.
#pragma once
#include <windows.h>

namespace skin {

// Paints owner-drawn push buttons of window `index`; everything else is left alone.
void DispatchDrawItem(int index, const DRAWITEMSTRUCT& item);

}  // namespace skin
