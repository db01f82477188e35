// These controls are not skinned yet: they keep their native look, and their
// lists in the window record stay at the blank entry.
#include "skin/controls/control_passes.h"

namespace skin {

void SkinEditAndComboBoxes(int, HWND) {}
void SkinTrackbars(int, HWND) {}
void SkinProgressBars(int, HWND) {}
void SkinListTypeControls(int, HWND) {}
void SkinUpDownControls(int, HWND) {}
void SkinHeaders(int, HWND) {}
void RegisterToolbars(int, HWND) {}

}  // namespace skin
