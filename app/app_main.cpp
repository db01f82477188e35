// Program entry: no command line is read.
#include <windows.h>

#include "app/main_window.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    app::StartUp();
    HWND main = app::CreateMainWindow(instance);
    if (!main) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    return app::RunMessageLoop();
}
