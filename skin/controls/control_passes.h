// The passes that skin the other control classes of a window. Each finds the
// window's direct children of its class, records and subclasses them.
#pragma once
#include <windows.h>

namespace skin {

void SkinEditAndComboBoxes(int index, HWND parent);
void SkinTrackbars(int index, HWND parent);
void SkinProgressBars(int index, HWND parent);
void SkinListTypeControls(int index, HWND parent);
void SkinUpDownControls(int index, HWND parent);
void SkinHeaders(int index, HWND parent);
void RegisterToolbars(int index, HWND parent);

}  // namespace skin
