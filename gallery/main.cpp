// The control gallery program: every skinned control class in one window.
// "--plain" shows the same window without the skin; "--report FILE" writes the
// controls' states to FILE as the window closes (for the end-to-end tests);
// "--signal NAME" sets the named event once the window is completely painted
// (for the start-up benchmark).
#include <windows.h>

#include <string>

#include "gallery/gallery.h"
#include "skin/frame/skin_init.h"
#include "skin/base/skin_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const std::string args = commandLine ? commandLine : "";
    const bool plain = args.find("--plain") != std::string::npos;
    if (const auto at = args.find("--report "); at != std::string::npos) {
        std::string path = args.substr(at + 9);
        if (!path.empty() && path.front() == '"') path = path.substr(1, path.find('"', 1) - 1);
        gallery::SetReportFile(path);
    }
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
    skin::State().gdiplusToken = token;
    skin::CreateWindowTable();
    HWND window = gallery::CreateGallery(instance, !plain);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (const auto at = args.find("--signal "); at != std::string::npos) {
        const std::string name = args.substr(at + 9, args.find(' ', at + 9) - (at + 9));
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (HANDLE painted = OpenEventA(EVENT_MODIFY_STATE, FALSE, name.c_str())) {
            SetEvent(painted);
            CloseHandle(painted);
        }
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab shows the focus cues as it moves; the arrow keys, Esc and the
        // mnemonics move through the controls as in a dialog.
        if (gallery::HandleTabKey(window, msg)) continue;
        if (IsDialogMessageA(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    skin::ReleaseSkinData();
    skin::ShutdownGdiplus();
    return static_cast<int>(msg.wParam);
}
