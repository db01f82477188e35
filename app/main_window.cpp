#include "app/main_window.h"

#include "app/status_line.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/background.h"
#include "skin/base/window_table.h"
#include "app/skin_hook.h"

namespace app {
namespace {

HWND g_main, g_label, g_button;

HFONT LabelFont() {
    static HFONT font = CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, "宋体");
    return font;
}

// The label has no background of its own: the parent renders what lies behind
// it into the off-screen DC first, then the text goes on top.
void PaintLabel(HWND hwnd) {
    gdi::PaintScope paint(hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    gdi::MemoryCanvas canvas(paint.dc(), rc.right, rc.bottom);
    if (!canvas) return;
    if (skin::FindSkinnedAncestor(hwnd)) {
        skin::PaintBackground(hwnd, canvas.dc(), rc);  // the skinned picture behind us
    } else {
        HWND parent = GetParent(hwnd);
        POINT origin{0, 0};
        MapWindowPoints(hwnd, parent, &origin, 1);
        POINT old;
        SetViewportOrgEx(canvas.dc(), -origin.x, -origin.y, &old);
        SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                     PRF_CLIENT | PRF_ERASEBKGND);
        SetViewportOrgEx(canvas.dc(), old.x, old.y, nullptr);
    }

    char text[256];
    int n = GetWindowTextA(hwnd, text, sizeof text);
    gdi::SelectGuard font(canvas.dc(), LabelFont());
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(255, 0, 0));
    DrawTextA(canvas.dc(), text, n, &rc, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    canvas.CopyTo(paint.dc(), 0, 0);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: PaintLabel(hwnd); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_NCHITTEST: return HTTRANSPARENT;  // clicks and drags belong to the window under it
        case WM_SETTEXT: {
            LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
            InvalidateRect(hwnd, nullptr, FALSE);
            return r;
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void CreateControls(HWND main) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(main, GWLP_HINSTANCE));
    g_label = CreateWindowExA(0, kLabelClass, kLabelText, WS_CHILD | WS_VISIBLE, kLabelBox.left,
                              kLabelBox.top, kLabelBox.width, kLabelBox.height, main, nullptr,
                              instance, nullptr);
    g_button = CreateWindowExA(
        0, "BUTTON", kButtonCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
        kButtonBox.left, kButtonBox.top, kButtonBox.width, kButtonBox.height, main,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), instance, nullptr);
    SendMessageA(g_button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            g_main = hwnd;
            CreateControls(hwnd);
            OnMainWindowCreated(hwnd);
            ShowStartState(hwnd);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wp) == kButtonId && HIWORD(wp) == BN_CLICKED) {
                OnRestoreClicked(hwnd);
                return 0;
            }
            break;
        case kHelperDoneMessage: OnHelperDone(hwnd); return 0;
        case WM_PRINTCLIENT:
            // What a transparent child shows through: the window's own background.
            if (lp & PRF_ERASEBKGND) SendMessageA(hwnd, WM_ERASEBKGND, wp, 0);
            return 0;
        case WM_DESTROY:
            if (hwnd == g_main) {
                AbandonRestore();
                g_main = g_label = g_button = nullptr;
                PostQuitMessage(0);
            }
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

// Registers a class once; true when it is (or already was) registered.
bool RegisterOnce(HINSTANCE instance, const char* name, WNDPROC proc, UINT style,
                  HBRUSH background) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(instance, name, &wc)) return true;
    wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

bool RegisterWindowClasses(HINSTANCE instance) {
    return RegisterOnce(instance, kMainClass, MainProc, CS_DBLCLKS,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) &&
           RegisterOnce(instance, kLabelClass, LabelProc, 0, nullptr);
}

POINT CentredPosition(int screenWidth, int screenHeight) {
    return {(screenWidth - kMainBox.width) / 2, (screenHeight - kMainBox.height) / 2};
}

HWND CreateMainWindow(HINSTANCE instance) {
    if (!RegisterWindowClasses(instance)) return nullptr;
    POINT at = CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // No system caption or border (the skin draws them), no minimise or maximise box;
    // WS_EX_APPWINDOW keeps the borderless window in the taskbar.
    return CreateWindowExA(WS_EX_APPWINDOW, kMainClass, kMainTitle,
                           WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, at.x, at.y, kMainBox.width,
                           kMainBox.height, nullptr, nullptr, instance, nullptr);
}

HWND MainWindow() { return g_main; }
HWND LabelWindow() { return g_label; }
HWND ButtonWindow() { return g_button; }

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && g_main &&
            (msg.hwnd == g_main || IsChild(g_main, msg.hwnd))) {
            PostMessageA(g_main, WM_CLOSE, 0, 0);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace app
