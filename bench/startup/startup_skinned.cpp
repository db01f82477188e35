// The program's own start (as WinMain does it) up to its first complete paint:
// the skinned main window, its label and button.
#include <windows.h>

#include "app/main_window.h"
#include "app/startup.h"
#include "bench/common/first_paint.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    app::StartUp();
    HWND main = app::CreateMainWindow(instance);
    if (!main) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    bench::PumpUntilPainted(main);
    bench::SignalPaintedAndExit(commandLine);
}
