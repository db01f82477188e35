// The subclass procedure of skinned push buttons, check boxes and radio buttons,
// and their painters.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "gfx/gfx_graphics.h"
#include "gfx/gfx_path.h"
#include "skin/base/control_font.h"

namespace skin {

// Installed on every button the button skinners record.
LRESULT CALLBACK ButtonSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints a button now (outside WM_PAINT) with the given owner-draw item state.
void PaintButton(HWND window, UINT itemState, bool hover);
// Draws into hdc, which the caller owns.
void PaintPushButton(HWND window, HDC hdc, UINT itemState, const RECT& rect);
// These two get and release their own DC.
void PaintRadioButton(HWND window, UINT itemState);
void PaintCheckBox(HWND window, UINT itemState);
// Draws path `count` times with one pen colour, widths 1..count.
void DrawGlow(gfx::GfxGraphics& g, const gfx::GfxPath& path, int count, COLORREF colour, int alpha);
// The check mark recoloured with the accent colour, as PNG bytes.
std::vector<std::uint8_t> TintedCheckMark();

// The button skinners (direct "BUTTON" children of parent).
void SkinPushButtons(int index, HWND parent);
void SkinCheckAndRadioButtons(int index, HWND parent);

// The font a push button draws with: 宋体 for a face that could not be read,
// 12 for a size that could not.
ControlFont PushButtonFont(ControlFont read);

// Button type tests on the low four style bits.
bool IsPushButtonStyle(HWND control);
bool IsRadioStyle(HWND control);
bool IsCheckBoxStyle(HWND control);

}  // namespace skin
