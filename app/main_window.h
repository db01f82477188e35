// The one window: a red explanatory label over the window's background and the
// "亮度恢复" button.
#pragma once
#include <windows.h>

namespace app {

struct Box {
    int left, top, width, height;
};

inline constexpr char kMainTitle[] = "Tovik崩溃桌面亮度恢复";
inline constexpr char kButtonCaption[] = "亮度恢复";
// Six lines joined by CR LF, no trailing line break.
inline constexpr char kLabelText[] =
    "Tovik屏幕亮度恢复\r\n"
    "\r\n"
    "解决Tovik崩溃，回到桌面亮度\r\n"
    "点击亮度恢复即可恢复\r\n"
    "\r\n"
    "Miran QQ:123456";
inline constexpr Box kMainBox{50, 50, 260, 150};    // left/top unused: centred on screen
inline constexpr Box kLabelBox{20, 24, 216, 88};    // client coordinates
inline constexpr Box kButtonBox{76, 115, 109, 31};  // client coordinates
inline constexpr int kButtonId = 1001;
inline constexpr char kMainClass[] = "TovikBrightnessMain";
inline constexpr char kLabelClass[] = "TovikTransparentLabel";

// Registers the window classes (idempotent).
bool RegisterWindowClasses(HINSTANCE instance);
// Creates the main window centred on the screen with its label and button; the
// skinning hook runs once the controls exist. The window is not shown yet.
HWND CreateMainWindow(HINSTANCE instance);
HWND MainWindow();
HWND LabelWindow();
HWND ButtonWindow();
// Where the main window's top-left goes on a screen of the given size.
POINT CentredPosition(int screenWidth, int screenHeight);
// Runs until WM_QUIT; Esc anywhere in the main window closes it.
int RunMessageLoop();

}  // namespace app
