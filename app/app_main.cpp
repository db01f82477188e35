// Program entry: no command line is read.
#include <windows.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "skin/core/skin_init.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    app::StartUp();
    HWND main = app::CreateMainWindow(instance);
    if (!main) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    int code = app::RunMessageLoop();
    // WM_QUIT ends the loop instead of reaching a window procedure: shut GDI+ down here.
    skin::ShutdownGdiplus();
    return code;
}
