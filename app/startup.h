// Process start-up steps before the main window exists.
#pragma once
#include <windows.h>

namespace app {

// GdiplusStartup (version 1, no debug callback, background thread and codecs on).
// Returns the token, 0 when GDI+ did not start (the skin then draws no images).
ULONG_PTR StartGdiplus();
// Icon 129 of the module, else its "DEFAULT_ICON"; null when it has neither.
HICON LoadAppIcon(HMODULE module);
// Creates the window table, registers the exit routine, starts GDI+, loads the icon
// and sets the module-level values, in that order.
void StartUp();

}  // namespace app
