// Program entry: the window, or with "/restore" the restore alone.
#include <windows.h>

#include <cstdlib>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "skin/core/skin_init.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // For shortcuts and scripts: no window, no GDI+, the helper's result as exit code.
    if (app::ModeFromArguments(__argc, __argv) == app::StartMode::kRestore)
        return app::RestoreFromCommandLine();

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
