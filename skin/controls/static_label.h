// Skinned "Static" controls: text labels drawn over the picture behind them,
// icons and pictures as the program set them, etched lines that show on any
// picture. Owner-drawn statics and the filled or framed rectangles stay native.
#pragma once
#include <windows.h>

namespace skin {

// Skins the statics among parent's direct children (window index `index`);
// nothing while the control background switch is off.
void SkinStaticChildren(int index, HWND parent);
// The subclass procedure of a skinned static.
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Paints the static over what lies behind it onto its own DC, or onto target
// (window coordinates) when given. False when it has no record or nothing
// skinned lies behind it.
bool PaintStatic(HWND label, HDC target = nullptr);
// The DrawText flags a text static of this style draws with (alignment,
// wrapping, ellipsis, prefix), before keyboard cues are taken into account.
UINT StaticTextFormat(LONG style, LONG exStyle);

}  // namespace skin
