// Program entry: the window, or with "/restore" or "/identity" the restore alone.
#include <windows.h>

#include <cstdlib>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "skin/frame/skin_init.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // For shortcuts and scripts: no window, no GDI+, the helper's result as exit code.
    switch (app::ModeFromArguments(__argc, __argv)) {
        case app::StartMode::kRestore:
            return app::RestoreFromCommandLine(app::RestoreTarget::kCalibration);
        case app::StartMode::kIdentity:
            return app::RestoreFromCommandLine(app::RestoreTarget::kIdentity);
        case app::StartMode::kWindow: break;
    }

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
