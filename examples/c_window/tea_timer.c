/* A plain C window on TovikSkin.dll (or the static library): a tea timer with
 * a label, a progress bar and two buttons, skinned by one call before it shows,
 * with the engine's picture and an amber accent. */
#include <windows.h>
#include <commctrl.h>

#include <tovik/skin.h>

enum { ID_START = 1, ID_RESET, STEEP_SECONDS = 180 };
static HWND label, bar;
static int left = STEEP_SECONDS;

static HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
                  int w, int h, int id) {
    HWND c = CreateWindowA(cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           (HMENU)(INT_PTR)id, GetModuleHandleA(NULL), NULL);
    SendMessageA(c, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return c;
}

static void ShowTimeLeft(void) {
    char text[64];
    if (left > 0)
        wsprintfA(text, "Green tea: %d:%02d left", left / 60, left % 60);
    else
        lstrcpyA(text, "Your tea is ready.");
    SetWindowTextA(label, text);
    SendMessageA(bar, PBM_SETPOS, STEEP_SECONDS - left, 0);
}

static LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_CREATE:
        label = Child(window, "Static", "", 0, 16, 16, 248, 18, 0);
        bar = Child(window, PROGRESS_CLASSA, "", 0, 16, 40, 248, 16, 0);
        SendMessageA(bar, PBM_SETRANGE32, 0, STEEP_SECONDS);
        Child(window, "Button", "&Start", BS_DEFPUSHBUTTON | WS_TABSTOP, 96, 70, 80, 26, ID_START);
        Child(window, "Button", "&Reset", WS_TABSTOP, 184, 70, 80, 26, ID_RESET);
        ShowTimeLeft();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == ID_START) SetTimer(window, 1, 1000, NULL);
        if (LOWORD(wp) == ID_RESET) { KillTimer(window, 1); left = STEEP_SECONDS; ShowTimeLeft(); }
        return 0;
    case WM_TIMER:
        if (--left <= 0) { KillTimer(window, 1); MessageBeep(MB_OK); }
        ShowTimeLeft();
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command, int show) {
    WNDCLASSA cls = {0};
    TovikSkinLook look = {0};
    HWND window;
    MSG msg;
    (void)previous; (void)command;
    cls.lpfnWndProc = TimerProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(NULL, IDC_ARROW);
    cls.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    cls.lpszClassName = "TeaTimer";
    RegisterClassA(&cls);
    InitCommonControls();

    look.accent = RGB(230, 140, 30);   /* the engine's picture, an amber accent */
    TovikSkinStart(&look);
    window = CreateWindowA("TeaTimer", "Tea timer", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                           WS_MINIMIZEBOX, CW_USEDEFAULT, 0, 296, 150, NULL, NULL, instance, NULL);
    TovikSkinWindow(window);           /* the one call: caption, frame and controls */
    ShowWindow(window, show);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (IsDialogMessageA(window, &msg)) continue;  /* Tab and the mnemonics */
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    TovikSkinStop();
    return (int)msg.wParam;
}
