#include "gallery/gallery.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "resources/embedded.h"
#include "skin/frame/skin_init.h"
#include "skin/entry/apply_skin.h"

namespace gallery {
namespace {

constexpr char kWindowClass[] = "TovikSkinGallery";
// The client area: the same in the skinned and the plain window. The skin puts
// its caption, menu row and bottom bar around it, as the system does its own.
constexpr int kClientWidth = 1260, kClientHeight = 666;
constexpr int kTop = 8, kLeft = 12, kLabelHeight = 16, kGap = 8, kBottomReserve = 8;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The menu bar's commands.
enum MenuCommand : UINT {
    kMenuOpen = 1001,
    kMenuExit = 1002,
    kMenuShowStatus = 1101,
    kMenuShowTips = 1102,
    kMenuAbout = 1201,
};

// Every menu command so far, for the report.
std::string& MenuCommands() {
    static std::string commands;
    return commands;
}

HMENU CreateGalleryMenu() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu(), view = CreatePopupMenu(), help = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kMenuOpen, "打开(&O)...\tCtrl+O");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, kMenuExit, "退出(&X)");
    AppendMenuA(view, MF_STRING | MF_CHECKED, kMenuShowStatus, "状态栏(&S)");
    AppendMenuA(view, MF_STRING, kMenuShowTips, "提示(&T)");
    AppendMenuA(help, MF_STRING, kMenuAbout, "关于(&A)");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "视图(&V)");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "帮助(&H)");
    return bar;
}

// A menu command: the view items toggle their check marks (the program changes
// its own menu, as programs do), Exit closes.
void OnMenuCommand(HWND hwnd, UINT id) {
    MenuCommands() += (MenuCommands().empty() ? "" : ",") + std::to_string(id);
    switch (id) {
        case kMenuExit: PostMessageA(hwnd, WM_CLOSE, 0, 0); break;
        case kMenuShowStatus:
        case kMenuShowTips: {
            HMENU menu = GetMenu(hwnd);
            const bool checked = GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED;
            CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_UNCHECKED : MF_CHECKED));
            break;
        }
        default: break;
    }
}

std::string& ReportFile() {
    static std::string path;
    return path;
}

void WriteReport() {
    if (ReportFile().empty()) return;
    const std::string text = ReportTextControls() + ReportRangeControls() + ReportContainers() +
                             ReportDialogPages() + "menu.commands: " + MenuCommands() + "\n";
    HANDLE f =
        CreateFileA(ReportFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
}

HFONT UiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// What a dialog does with WM_NEXTDLGCTL, which the keyboard navigation sends
// the window for a label's mnemonic: focus to the given control, or to the
// next (previous) tab stop.
void MoveFocus(HWND window, WPARAM wp, LPARAM lp) {
    HWND to =
        LOWORD(lp) ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(window, GetFocus(), wp != 0);
    if (to) SetFocus(to);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE) PostMessageA(hwnd, WM_CLOSE, 0, 0);
            return 0;
        case WM_COMMAND:
            // Esc on any control, through the keyboard navigation of the loop.
            if (LOWORD(wp) == IDCANCEL && lp == 0) {
                PostMessageA(hwnd, WM_CLOSE, 0, 0);
            } else if (HIWORD(wp) == 0 && lp == 0) {  // from the menu
                OnMenuCommand(hwnd, LOWORD(wp));
            }
            return 0;
        case WM_NEXTDLGCTL: MoveFocus(hwnd, wp, lp); return 0;
        case WM_CLOSE:
            WriteReport();  // the controls still exist here
            DestroyWindow(hwnd);
            return 0;
        case WM_NOTIFY:
            if (lp && OnContainerNotify(*reinterpret_cast<const NMHDR*>(lp))) return 0;
            break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool RegisterClasses(HINSTANCE instance) {
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, kWindowClass, &wc)) {
        wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kWindowClass;
        if (!RegisterClassA(&wc)) return false;
    }
    return true;
}

void ApplyGallerySkin(HWND window) {
    skin::SkinInitOptions init;
    init.imageData = {res::background_jpg.data, res::background_jpg.size};
    init.accentColour = 0x51AE51;
    init.imageMode = 3;
    skin::InitSkin(init);

    skin::ApplySkinOptions options;
    options.captionHeight = 30;
    options.bottomBarHeight = 25;
    options.bottomBarPanels = std::vector<skin::PanelDefinition>{
        {200, "控件样例", {}, 0xFFFFFF}, {-1, "每个控件都由皮肤绘制", {}, 0xFFFFFF}};
    skin::ApplySkin(window, options);
}

}  // namespace

void SetReportFile(const std::string& path) { ReportFile() = path; }

Layout::Layout(HWND window, HINSTANCE instance)
    : window_(window), instance_(instance), x_(kLeft), y_(kTop) {}

HWND Layout::Add(const char* label, const char* className, const char* text, DWORD style, int width,
                 int height, DWORD exStyle) {
    RECT client{};
    GetClientRect(window_, &client);
    const int bottom = client.bottom - kBottomReserve, right = client.right - kLeft;
    if (y_ + kLabelHeight + height > bottom && y_ > kTop) {
        if (x_ + columnWidth_ + 2 * kGap + width <= right)
            NextColumn();
        else  // no room for another column: the control takes what is left of this one
            height = std::max(bottom - y_ - kLabelHeight, kLabelHeight);
    }
    width = std::max(std::min(width, right - x_), kLabelHeight);
    if (columnWidth_ < width) columnWidth_ = width;
    HWND caption = CreateWindowExA(
        0, WC_STATICA, label, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, x_,
        y_, width, kLabelHeight, window_, nullptr, instance_, nullptr);
    SendMessageA(caption, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
    const DWORD tabStop = TabStopFor(className);
    HWND control =
        CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | tabStop | style, x_,
                        y_ + kLabelHeight, width, height, window_, nullptr, instance_, nullptr);
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
    y_ += kLabelHeight + height + kGap;
    return control;
}

void Layout::NextColumn() {
    x_ += columnWidth_ + 2 * kGap;
    y_ = kTop;
    columnWidth_ = 0;
}

HWND CreateGallery(HINSTANCE instance, bool skinned) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                             ICC_INTERNET_CLASSES | ICC_BAR_CLASSES |
                                             ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    if (!RegisterClasses(instance)) return nullptr;
    // An ordinary captioned, sizable window with a menu bar, as a program not
    // written for the skin has; the skin replaces its frame and keeps its client
    // area. It starts in the screen's upper middle.
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, kWindowStyle, TRUE, WS_EX_APPWINDOW);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = std::min(16, GetSystemMetrics(SM_CYSCREEN) - height - 60);
    HMENU menu = CreateGalleryMenu();
    HWND window =
        CreateWindowExA(WS_EX_APPWINDOW, kWindowClass, "皮肤控件样例", kWindowStyle, std::max(x, 0),
                        std::max(y, 0), width, height, nullptr, menu, instance, nullptr);
    if (!window) {
        DestroyMenu(menu);
        return nullptr;
    }
    Layout layout(window, instance);
    AddTextControls(layout);
    layout.NextColumn();
    AddRangeControls(layout);
    layout.NextColumn();
    AddContainers(layout);
    if (skinned) {
        ApplyGallerySkin(window);
        SkinContainers(window);
        SkinDialogPages();
    }
    return window;
}

}  // namespace gallery
