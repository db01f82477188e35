// Group boxes, tab controls, a toolbar, a status bar, a month calendar, a rich edit.
// The toolbar is skinned by the window's own passes (with the container it hosts);
// everything else here is handed to the engine with RegisterContainer and
// RegisterToolbar once the window is skinned, as any program would do it.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <utility>

#include "gallery/gallery.h"
#include "skin/controls/container.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace gallery {
namespace {

constexpr COLORREF kCaptionColour = RGB(255, 255, 255);

HFONT UiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
           DWORD exStyle = 0) {
    const DWORD tabStop = TabStopFor(cls);
    HWND c = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | tabStop | style, x, y, w,
                             h, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (c) SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
    return c;
}

HWND PageChild(HWND tab, int page, const char* cls, const char* text, DWORD style, int x, int y,
               int w, int h) {
    HWND c = Child(tab, cls, text, page == 1 ? style : style & ~WS_VISIBLE, x, y, w, h);
    if (c && page != 1) ShowWindow(c, SW_HIDE);
    if (c) SetPropA(c, kPageProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(page)));
    return c;
}

void AddTab(HWND tab, int i, const char* text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
}

void AddGroupBoxes(Layout& layout) {
    struct Box {
        const char* label;
        const char* caption;
        DWORD align;
    } boxes[] = {{"分组框（左）", "左对齐标题", BS_LEFT},
                 {"分组框（居中）", "居中标题", BS_CENTER},
                 {"分组框（右）", "右对齐标题", BS_RIGHT}};
    for (const Box& b : boxes) {
        // WS_EX_CONTROLPARENT: the keyboard goes on into the controls it holds.
        HWND box = layout.Add(b.label, WC_BUTTONA, b.caption, BS_GROUPBOX | b.align, 230, 62,
                              WS_EX_CONTROLPARENT);
        if (!box) continue;
        SetPropA(box, skin::prop::kTextColour, reinterpret_cast<HANDLE>(kCaptionColour));
        if (b.align == BS_LEFT) {
            Child(box, WC_BUTTONA, "确定", BS_PUSHBUTTON, 10, 22, 70, 26);
            Child(box, WC_BUTTONA, "选中", BS_AUTOCHECKBOX, 90, 26, 60, 20);
            Child(box, WC_BUTTONA, "单选", BS_AUTORADIOBUTTON, 155, 26, 60, 20);
        } else if (b.align == BS_CENTER) {
            Child(box, WC_EDITA, "分组框里的编辑框", ES_AUTOHSCROLL | WS_BORDER, 10, 24, 120, 24);
            HWND combo =
                Child(box, WC_COMBOBOXA, "", CBS_DROPDOWNLIST | WS_VSCROLL, 140, 24, 80, 120);
            for (const char* s : {"甲", "乙", "丙"})
                SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
            SendMessageA(combo, CB_SETCURSEL, 0, 0);
        } else {
            HWND track = Child(box, TRACKBAR_CLASSA, "", TBS_NOTICKS, 8, 24, 120, 26);
            SendMessageA(track, TBM_SETPOS, TRUE, 40);
            HWND progress = Child(box, PROGRESS_CLASSA, "", 0, 136, 28, 84, 16);
            SendMessageA(progress, PBM_SETPOS, 65, 0);
        }
    }
}

void AddTabControls(Layout& layout) {
    HWND tab = layout.Add("选项卡", WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, 230, 100,
                          WS_EX_CONTROLPARENT);
    if (tab) {
        SetPropA(tab, skin::prop::kTextColour, reinterpret_cast<HANDLE>(kCaptionColour));
        AddTab(tab, 0, "按钮");
        AddTab(tab, 1, "文本");
        AddTab(tab, 2, "范围");
        PageChild(tab, 1, WC_BUTTONA, "第一页按钮", BS_PUSHBUTTON, 12, 36, 100, 28);
        PageChild(tab, 1, WC_BUTTONA, "复选", BS_AUTOCHECKBOX, 124, 40, 80, 20);
        PageChild(tab, 2, WC_EDITA, "第二页的编辑框", ES_AUTOHSCROLL | WS_BORDER, 12, 38, 124, 24);
        PageChild(tab, 2, WC_BUTTONA, "启用", BS_AUTOCHECKBOX, 144, 40, 70, 20);
        HWND list = PageChild(tab, 2, WC_LISTBOXA, "", WS_BORDER, 12, 66, 200, 36);
        for (const char* s : {"列表项一", "列表项二"})
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        HWND track = PageChild(tab, 3, TRACKBAR_CLASSA, "", TBS_AUTOTICKS, 12, 38, 200, 30);
        SendMessageA(track, TBM_SETPOS, TRUE, 70);
        HWND progress = PageChild(tab, 3, PROGRESS_CLASSA, "", 0, 12, 76, 200, 16);
        SendMessageA(progress, PBM_SETPOS, 30, 0);
    }
    HWND bottom = layout.Add("选项卡（底部）", WC_TABCONTROLA, "", TCS_BOTTOM | WS_CLIPSIBLINGS,
                             230, 72, WS_EX_CONTROLPARENT);
    if (bottom) {
        SetPropA(bottom, skin::prop::kTextColour, reinterpret_cast<HANDLE>(kCaptionColour));
        AddTab(bottom, 0, "备注");
        AddTab(bottom, 1, "空页");
        PageChild(bottom, 1, WC_EDITA, "随选项卡一起缩放的编辑框", ES_AUTOHSCROLL | WS_BORDER, 8, 8,
                  212, 24);
    }
}

// Small coloured glyphs for the toolbar, one per button image.
HIMAGELIST ToolbarImages() {
    constexpr int kSize = 16;
    const COLORREF colours[] = {RGB(40, 160, 60), RGB(230, 180, 30), RGB(40, 90, 220),
                                RGB(210, 50, 50), RGB(150, 60, 200), RGB(20, 170, 190),
                                RGB(240, 120, 20)};
    constexpr int kCount = sizeof colours / sizeof colours[0];
    HIMAGELIST images = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, kCount, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP strip = CreateCompatibleBitmap(screen, kSize * kCount, kSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, strip);
    HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
    RECT all{0, 0, kSize * kCount, kSize};
    FillRect(dc, &all, key);
    for (int i = 0; i < kCount; ++i) {
        HBRUSH fill = CreateSolidBrush(colours[i]);
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        if (i % 2)
            Ellipse(dc, i * kSize + 1, 1, i * kSize + 15, 15);
        else
            RoundRect(dc, i * kSize + 1, 2, i * kSize + 15, 14, 4, 4);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(fill);
    }
    DeleteObject(key);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(images, strip, RGB(255, 0, 255));
    DeleteObject(strip);
    return images;
}

void AddToolbar(Layout& layout) {
    HWND toolbar = layout.Add(
        "工具栏", TOOLBARCLASSNAMEA, "",
        TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN, 270,
        132, WS_EX_CONTROLPARENT);
    if (!toolbar) return;
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ToolbarImages()));
    SetPropA(toolbar, skin::prop::kTextColour, reinterpret_cast<HANDLE>(kCaptionColour));
    struct Def {
        int image;
        int id;
        BYTE state;
        BYTE style;
        const char* text;
    } defs[] = {
        {0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "新建"},
        {1, 102, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, "已选"},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, nullptr},
        {2, 103, 0, BTNS_BUTTON, "停用"},
        {3, 104, TBSTATE_ENABLED | TBSTATE_INDETERMINATE, BTNS_BUTTON, "未定"},
        {4, 105, TBSTATE_ENABLED | TBSTATE_HIDDEN, BTNS_BUTTON, "隐藏"},
        {5, 106, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, "按下"},
        {6, 107, TBSTATE_ENABLED | TBSTATE_WRAP, BTNS_DROPDOWN, "下拉"},
        {0, 0, TBSTATE_ENABLED | TBSTATE_WRAP, BTNS_SEP, nullptr},
        {1, 108, TBSTATE_ENABLED, BTNS_CHECK, "勾选"},
        {2, 109, TBSTATE_ENABLED, BTNS_BUTTON, "帮助"},
    };
    for (const Def& d : defs) {
        TBBUTTON b{};
        b.iBitmap = d.style == BTNS_SEP ? 0 : d.image;
        b.idCommand = d.id;
        b.fsState = d.state;
        b.fsStyle = d.style;
        b.iString = d.text ? reinterpret_cast<INT_PTR>(d.text) : -1;
        SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&b));
    }
    // The container the toolbar hosts, with controls of its own.
    HWND hosted = Child(toolbar, WC_BUTTONA, "工具栏中的容器", BS_GROUPBOX, 120, 74, 146, 56,
                        WS_EX_CONTROLPARENT);
    if (hosted) {
        SetPropA(hosted, skin::prop::kTextColour, reinterpret_cast<HANDLE>(kCaptionColour));
        Child(hosted, WC_BUTTONA, "开关", BS_AUTOCHECKBOX, 8, 24, 60, 20);
        Child(hosted, WC_EDITA, "12", ES_NUMBER | WS_BORDER, 72, 22, 64, 24);
    }
}

void AddComposed(Layout& layout) {
    HWND status = layout.Add("状态栏", STATUSCLASSNAMEA, "",
                             CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 230, 22);
    if (status) {
        const int parts[] = {60, 170, -1};
        SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
        const char* texts[] = {"就绪", "第 1 行，第 1 列", "皮肤"};
        for (int i = 0; i < 3; ++i)
            SendMessageA(status, SB_SETTEXTA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(texts[i]));
    }
    HWND calendar = layout.Add("月历", MONTHCAL_CLASSA, "", 0, 200, 160);
    if (calendar) {
        RECT need{};
        if (SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need)))
            SetWindowPos(calendar, nullptr, 0, 0, need.right, need.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // A light face like the other controls'; the skin shows through wherever
        // the calendar paints its background.
        SendMessageA(calendar, MCM_SETCOLOR, MCSC_BACKGROUND, GetSysColor(COLOR_BTNFACE));
        SendMessageA(calendar, MCM_SETCOLOR, MCSC_MONTHBK, GetSysColor(COLOR_BTNFACE));
    }
    LoadLibraryA("riched20.dll");
    HWND rich = layout.Add("多格式编辑框", "RichEdit20A", "多格式编辑框：皮肤从文字后面透出来。",
                           ES_MULTILINE | WS_VSCROLL, 230, 56);
    if (rich) SendMessageA(rich, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));
}

HWND FirstOfClass(HWND window, const char* cls) {
    for (HWND c : skin::ChildrenOfClass(window, cls)) return c;
    return nullptr;
}

std::string YesNo(bool b) { return b ? "yes" : "no"; }

// The gallery window this section's controls live in (the one window it makes).
HWND& GalleryWindow() {
    static HWND window = nullptr;
    return window;
}

POINT ScreenCentre(HWND window, RECT r) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Where the end-to-end tests point the mouse: the client area's screen origin,
// screen centres of the second tab of the first tab control and of toolbar
// buttons, one "name x y" a line, the places of the dialog tabs and page, then
// the range controls' places and starting values as the report gives them, into
// the file named by TOVIK_GALLERY_LAYOUT (nothing when it is not set).
void WriteLayout(HWND window) {
    char path[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("TOVIK_GALLERY_LAYOUT", path, MAX_PATH)) return;
    std::string out;
    auto line = [&out](const char* name, POINT p) {
        out += std::string(name) + " " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
    };
    // The client area's origin on the screen: the controls' places are client
    // coordinates, and the window's frame lies around them.
    POINT client{0, 0};
    ClientToScreen(window, &client);
    line("client", client);
    if (HWND tab = FirstOfClass(window, WC_TABCONTROLA)) {
        RECT r{};
        SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
        line("tab2", ScreenCentre(tab, r));
    }
    if (HWND toolbar = FirstOfClass(window, TOOLBARCLASSNAMEA)) {
        for (const auto& [name, id] : {std::pair{"plain", 101}, std::pair{"check", 108}}) {
            RECT r{};
            SendMessageA(toolbar, TB_GETRECT, static_cast<WPARAM>(id),
                         reinterpret_cast<LPARAM>(&r));
            line(name, ScreenCentre(toolbar, r));
            line((std::string(name) + "_size").c_str(), {r.right - r.left, r.bottom - r.top});
        }
    }
    out += DialogPagesLayout();
    out += ReportRangeControls();
    out += ReportTextControls() + ReportTabStops(window) + ReportButtons(window);
    HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(f, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    CloseHandle(f);
}

}  // namespace

void AddContainers(Layout& layout) {
    GalleryWindow() = layout.window();
    AddGroupBoxes(layout);
    AddComposed(layout);
    layout.NextColumn();
    AddTabControls(layout);
    AddToolbar(layout);
    AddDialogPages(layout);
}

void SkinContainers(HWND window) {
    for (HWND c : skin::ChildrenOfClass(window, WC_BUTTONA))
        if ((GetWindowLongA(c, GWL_STYLE) & 0xF) == BS_GROUPBOX) skin::RegisterContainer(c);
    for (HWND tab : skin::ChildrenOfClass(window, WC_TABCONTROLA)) {
        skin::RegisterContainer(tab);
        // The bottom tab control's page edit follows the tab control's size.
        for (HWND page : skin::ChildrenOfClass(tab, WC_EDITA))
            if (GetWindowLongA(tab, GWL_STYLE) & TCS_BOTTOM) skin::AddInnerWindow(tab, page);
    }
    for (const char* cls : {STATUSCLASSNAMEA, MONTHCAL_CLASSA, "RichEdit20A"})
        for (HWND c : skin::ChildrenOfClass(window, cls)) skin::RegisterToolbar(c);
    WriteLayout(window);
}

bool OnContainerNotify(const NMHDR& header) {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE) ||
        !skin::IsClass(header.hwndFrom, WC_TABCONTROLA))
        return false;
    const int page = static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0)) + 1;
    for (HWND c : skin::ChildrenOfClass(header.hwndFrom, nullptr)) {
        const INT_PTR own = reinterpret_cast<INT_PTR>(GetPropA(c, kPageProp));
        if (own) ShowWindow(c, own == page ? SW_SHOW : SW_HIDE);
    }
    InvalidateRect(header.hwndFrom, nullptr, TRUE);
    return true;
}

std::string ReportContainers() {
    HWND window = GalleryWindow();
    if (!IsWindow(window)) return {};
    std::string out;
    HWND tab = FirstOfClass(window, WC_TABCONTROLA);
    if (tab) {
        const int page = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)) + 1;
        int shown = 0, skinned = 0;
        for (HWND c : skin::ChildrenOfClass(tab, nullptr)) {
            if (!IsWindowVisible(c)) continue;
            ++shown;
            if (skin::CarriesSkinProcedure(c)) ++skinned;
        }
        out += "tab page: " + std::to_string(page) + "\n";
        out += "tab page controls shown: " + std::to_string(shown) + "\n";
        out += "tab page controls skinned: " + std::to_string(skinned) + "\n";
    }
    if (HWND toolbar = FirstOfClass(window, TOOLBARCLASSNAMEA)) {
        out += "toolbar checked 108: " + YesNo(SendMessageA(toolbar, TB_ISBUTTONCHECKED, 108, 0)) +
               "\n";
        out += "toolbar checked 102: " + YesNo(SendMessageA(toolbar, TB_ISBUTTONCHECKED, 102, 0)) +
               "\n";
        out += "toolbar skinned: " + YesNo(skin::CarriesSkinProcedure(toolbar)) + "\n";
    }
    for (const char* cls : {STATUSCLASSNAMEA, MONTHCAL_CLASSA, "RichEdit20A"}) {
        HWND c = FirstOfClass(window, cls);
        out += std::string(cls) + " skinned: " + YesNo(c && skin::CarriesSkinProcedure(c)) + "\n";
    }
    return out;
}

}  // namespace gallery
