// Trackbars, progress bars, up-down controls with buddy edits, a header and a
// list view with columns (so that a list view's header is shown skinned too).
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "gallery/gallery.h"

namespace gallery {
namespace {

struct RangeControls {
    HWND selectionTrackbar = nullptr, plainTrackbar = nullptr, fullTrackbar = nullptr,
         verticalTrackbar = nullptr;
    HWND timedProgress = nullptr, offsetProgress = nullptr, emptyProgress = nullptr,
         verticalProgress = nullptr;
    HWND verticalUpDown = nullptr, verticalBuddy = nullptr;
    HWND horizontalUpDown = nullptr, horizontalBuddy = nullptr;
    HWND header = nullptr, listView = nullptr;
    HIMAGELIST headerImages = nullptr;
    UINT_PTR timer = 0;
};

RangeControls& Controls() {
    static RangeControls controls;
    return controls;
}

constexpr UINT kProgressPeriodMs = 400;

void CALLBACK StepProgress(HWND, UINT, UINT_PTR, DWORD) {
    HWND bar = Controls().timedProgress;
    if (IsWindow(bar)) SendMessageA(bar, PBM_STEPIT, 0, 0);  // wraps to 0 after 100
}

HWND Trackbar(Layout& layout, const char* label, DWORD style, int w, int h, int pos) {
    HWND t = layout.Add(label, TRACKBAR_CLASSA, "", style | WS_TABSTOP, w, h);
    SendMessageA(t, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(t, TBM_SETTICFREQ, 10, 0);
    SendMessageA(t, TBM_SETPOS, TRUE, pos);
    return t;
}

HWND Progress(Layout& layout, const char* label, DWORD style, int w, int h, int low, int high,
              int pos) {
    HWND p = layout.Add(label, PROGRESS_CLASSA, "", style, w, h);
    SendMessageA(p, PBM_SETRANGE32, low, high);
    SendMessageA(p, PBM_SETPOS, pos, 0);
    return p;
}

// An edit holding a number and an up-down set against its right edge.
HWND UpDown(Layout& layout, const char* label, DWORD style, int value, HWND* buddy) {
    *buddy = layout.Add(label, "EDIT", "", ES_NUMBER | WS_BORDER | WS_TABSTOP, 90, 22);
    HWND u = CreateWindowExA(0, UPDOWN_CLASSA, "",
                             WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
                                 UDS_ARROWKEYS | UDS_NOTHOUSANDS | style,
                             0, 0, 0, 0, layout.window(), nullptr, layout.instance(), nullptr);
    SendMessageA(u, UDM_SETBUDDY, reinterpret_cast<WPARAM>(*buddy), 0);
    SendMessageA(u, UDM_SETRANGE32, 0, 999);
    SendMessageA(u, UDM_SETPOS32, 0, value);
    return u;
}

// Three small coloured squares for the header's items.
HIMAGELIST HeaderImages() {
    HIMAGELIST list = ImageList_Create(12, 12, ILC_COLOR32 | ILC_MASK, 3, 0);
    const COLORREF colours[] = {RGB(220, 60, 60), RGB(60, 160, 220), RGB(240, 190, 40)};
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    for (COLORREF c : colours) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 12, 12);
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(c);
        const RECT r{0, 0, 12, 12};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        SelectObject(dc, old);
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
}

void AddHeaderItem(HWND header, int i, const char* text, int width, int format, int image) {
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | (image >= 0 ? HDI_IMAGE : 0);
    item.pszText = const_cast<char*>(text);
    item.cxy = width;
    item.fmt = HDF_STRING | format | (image >= 0 ? HDF_IMAGE : 0);
    item.iImage = image;
    SendMessageA(header, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
}

void AddListColumns(HWND list) {
    const char* names[] = {"名称", "大小", "类型"};
    const int widths[] = {70, 50, 60};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = const_cast<char*>(names[i]);
        col.cx = widths[i];
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
    }
    const char* rows[][3] = {{"皮肤.jpg", "48 KB", "图片"}, {"说明.txt", "2 KB", "文本"}};
    for (int r = 0; r < 2; ++r) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = const_cast<char*>(rows[r][0]);
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < 3; ++c) {
            item.iSubItem = c;
            item.pszText = const_cast<char*>(rows[r][c]);
            SendMessageA(list, LVM_SETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
        }
    }
}

std::string Line(const char* name, long long value) {
    return std::string("ranges.") + name + ": " + std::to_string(value) + "\n";
}

// A rectangle of a control in the gallery's client coordinates.
std::string RectLine(const char* name, HWND control, RECT r) {
    MapWindowPoints(control, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return std::string("ranges.") + name + ": " + std::to_string(r.left) + " " +
           std::to_string(r.top) + " " + std::to_string(r.right) + " " + std::to_string(r.bottom) +
           "\n";
}

RECT ClientRectOf(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return r;
}

}  // namespace

void AddRangeControls(Layout& layout) {
    RangeControls& c = Controls();
    c = {};
    c.selectionTrackbar =
        Trackbar(layout, "滑块 (选择范围)", TBS_AUTOTICKS | TBS_ENABLESELRANGE, 200, 32, 40);
    SendMessageA(c.selectionTrackbar, TBM_SETSEL, TRUE, MAKELPARAM(20, 70));
    c.plainTrackbar = Trackbar(layout, "滑块 (无刻度)", TBS_NOTICKS, 200, 28, 25);
    c.fullTrackbar = Trackbar(layout, "滑块 (最大值)", TBS_AUTOTICKS | TBS_BOTH, 200, 36, 100);

    c.timedProgress = Progress(layout, "进度条 (定时前进)", 0, 200, 18, 0, 100, 0);
    SendMessageA(c.timedProgress, PBM_SETSTEP, 5, 0);
    c.offsetProgress = Progress(layout, "进度条 (10..110, 60)", 0, 200, 18, 10, 110, 60);
    c.emptyProgress = Progress(layout, "进度条 (0)", 0, 200, 18, 0, 100, 0);

    c.verticalUpDown = UpDown(layout, "数值 (上下)", 0, 42, &c.verticalBuddy);
    c.horizontalUpDown = UpDown(layout, "数值 (左右)", UDS_HORZ, 7, &c.horizontalBuddy);

    c.header = layout.Add("表头", WC_HEADERA, "", HDS_BUTTONS | HDS_HORZ | HDS_HOTTRACK, 200, 24);
    c.headerImages = HeaderImages();
    SendMessageA(c.header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(c.headerImages));
    AddHeaderItem(c.header, 0, "左对齐", 70, HDF_LEFT, 0);
    AddHeaderItem(c.header, 1, "居中", 66, HDF_CENTER, 1);
    AddHeaderItem(c.header, 2, "右对齐", 64, HDF_RIGHT, -1);

    c.listView =
        layout.Add("列表 (报表)", WC_LISTVIEWA, "", LVS_REPORT | WS_BORDER | WS_TABSTOP, 200, 70);
    AddListColumns(c.listView);

    layout.NextColumn();
    c.verticalTrackbar =
        Trackbar(layout, "竖滑块", TBS_VERT | TBS_AUTOTICKS | TBS_LEFT, 40, 150, 30);
    c.verticalProgress = Progress(layout, "竖进度条", PBS_VERTICAL, 22, 120, 0, 100, 70);

    c.timer = SetTimer(nullptr, 0, kProgressPeriodMs, StepProgress);
}

std::string ReportRangeControls() {
    const RangeControls& c = Controls();
    std::string out;
    auto pos = [](HWND t) { return SendMessageA(t, TBM_GETPOS, 0, 0); };
    out += Line("trackbar.selection.pos", pos(c.selectionTrackbar));
    out += Line("trackbar.plain.pos", pos(c.plainTrackbar));
    out += Line("trackbar.full.pos", pos(c.fullTrackbar));
    out += Line("trackbar.vertical.pos", pos(c.verticalTrackbar));
    RECT thumb{};
    SendMessageA(c.plainTrackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    out += RectLine("trackbar.plain.thumb", c.plainTrackbar, thumb);
    out += RectLine("trackbar.plain.rect", c.plainTrackbar, ClientRectOf(c.plainTrackbar));
    out += Line("progress.timed.pos", SendMessageA(c.timedProgress, PBM_GETPOS, 0, 0));
    out += RectLine("progress.timed.rect", c.timedProgress, ClientRectOf(c.timedProgress));
    out += Line("progress.offset.pos", SendMessageA(c.offsetProgress, PBM_GETPOS, 0, 0));
    out += Line("updown.vertical.pos", SendMessageA(c.verticalUpDown, UDM_GETPOS32, 0, 0));
    out += Line("updown.horizontal.pos", SendMessageA(c.horizontalUpDown, UDM_GETPOS32, 0, 0));
    out += RectLine("updown.vertical.rect", c.verticalUpDown, ClientRectOf(c.verticalUpDown));
    RECT item{};
    SendMessageA(c.header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    out += RectLine("header.item1", c.header, item);
    out += Line("header.items", SendMessageA(c.header, HDM_GETITEMCOUNT, 0, 0));
    return out;
}

}  // namespace gallery
