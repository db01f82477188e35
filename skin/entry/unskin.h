// Taking the skin off again: every skinned window and control gets its own
// procedure, styles and frame back, so that the engine can stop while windows
// are open.
#pragma once
#include <windows.h>

namespace skin {

// Takes the skin off one skinned top-level window and everything skinned on it.
// False when the window is not skinned.
bool UnskinWindow(HWND window);
// Takes the skin off every skinned window of the process.
void UnskinAll();

}  // namespace skin
