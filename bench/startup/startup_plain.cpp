// The same window without the skin: a plain captioned window of the same size
// with the same red label (宋体, 14 px) and the same button, up to its first
// complete paint.
#include <windows.h>

#include "app/main_window.h"
#include "bench/common/first_paint.h"

namespace {

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_CTLCOLORSTATIC) {
        SetTextColor(reinterpret_cast<HDC>(w), RGB(255, 0, 0));
        SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(h, m, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TovikPlainWindow";
    RegisterClassA(&wc);
    const POINT at =
        app::CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND main = CreateWindowExA(0, wc.lpszClassName, app::kMainTitle,
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, at.x,
                                at.y, app::kMainBox.width, app::kMainBox.height, nullptr, nullptr,
                                instance, nullptr);
    if (!main) return 1;
    HFONT font = CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, "宋体");
    const app::Box l = app::kLabelBox, b = app::kButtonBox;
    HWND label =
        CreateWindowExA(0, "STATIC", app::kLabelText, WS_CHILD | WS_VISIBLE | SS_CENTER, l.left,
                        l.top, l.width, l.height, main, nullptr, instance, nullptr);
    HWND button =
        CreateWindowExA(0, "BUTTON", app::kButtonCaption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                        b.left, b.top, b.width, b.height, main, nullptr, instance, nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    bench::PumpUntilPainted(main);
    bench::SignalPaintedAndExit(commandLine);
}
