// Where the application hands its main window to the skin engine.
#pragma once
#include <windows.h>

namespace app {

// Creates the skin's window table and registers ReleaseAtExit; first step of start-up.
void SetUpSkin();
// Runs once the main window and its controls exist.
void OnMainWindowCreated(HWND mainWindow);
// Frees the skin's data; runs at process exit whether or not a window was skinned.
void ReleaseAtExit();

}  // namespace app
