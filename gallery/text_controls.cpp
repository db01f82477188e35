// Edits, combo boxes, list-type controls: each filled so that every look shows
// (a multi-line edit and lists long and wide enough for their scroll bars).
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "gallery/gallery.h"

namespace gallery {
namespace {

struct TextControls {
    HWND single = nullptr, password = nullptr, readOnly = nullptr, disabled = nullptr,
         multiLine = nullptr;
    HWND simple = nullptr, dropDown = nullptr, dropList = nullptr;
    HWND list = nullptr, listView = nullptr, tree = nullptr, ip = nullptr, date = nullptr;
};

TextControls& Controls() {
    static TextControls c;
    return c;
}

const char* const kFruits[] = {"苹果 apple", "香蕉 banana", "樱桃 cherry", "葡萄 grape",
                               "柠檬 lemon", "芒果 mango",  "橙子 orange", "桃子 peach"};

// A drop-down combo box takes one line in the layout; its list drops lower.
void GiveListRoom(HWND combo, int width) {
    SetWindowPos(combo, nullptr, 0, 0, width, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FillCombo(HWND combo, int select) {
    for (const char* item : kFruits)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    if (select >= 0) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(select), 0);
}

std::string MultiLineText() {
    std::string text;
    for (int i = 1; i <= 24; ++i)
        text += "第 " + std::to_string(i) +
                " 行: the skinned edit keeps its own text, and this line is long enough to scroll "
                "sideways\r\n";
    return text;
}

void FillListView(HWND view) {
    SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    const char* const headings[] = {"名称", "大小", "类型", "修改日期"};
    for (int c = 0; c < 4; ++c) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = c == 0 ? 110 : 90;
        col.pszText = const_cast<char*>(headings[c]);
        SendMessageA(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&col));
    }
    for (int row = 0; row < 30; ++row) {
        const std::string name = "文件 " + std::to_string(row + 1) + ".txt";
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(name.c_str());
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        const std::string cells[] = {std::to_string((row + 1) * 17) + " KB", "文本文档",
                                     "2026-12-" + std::to_string(1 + row % 9)};
        for (int c = 0; c < 3; ++c) {
            LVITEMA sub{};
            sub.iSubItem = c + 1;
            sub.pszText = const_cast<char*>(cells[c].c_str());
            SendMessageA(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&sub));
        }
    }
}

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const char* text) {
    TVINSERTSTRUCTA in{};
    in.hParent = parent;
    in.hInsertAfter = TVI_LAST;
    in.item.mask = TVIF_TEXT;
    in.item.pszText = const_cast<char*>(text);
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&in)));
}

void FillTree(HWND tree) {
    const char* const groups[] = {"桌面", "文档", "图片", "音乐"};
    for (const char* group : groups) {
        HTREEITEM node = AddNode(tree, TVI_ROOT, group);
        for (int i = 1; i <= 4; ++i)
            AddNode(tree, node, (std::string(group) + " " + std::to_string(i)).c_str());
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
    }
}

std::string Text(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Line(const char* name, const std::string& value) {
    return std::string(name) + ": " + value + "\n";
}

std::string Number(LRESULT value) { return std::to_string(static_cast<long long>(value)); }

std::string Numbers(std::initializer_list<long> values) {
    std::string out;
    for (long v : values) out += (out.empty() ? "" : " ") + std::to_string(v);
    return out;
}

// A rectangle in a control's client coordinates, in the gallery's.
std::string Place(HWND control, RECT r) {
    MapWindowPoints(control, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return Numbers({r.left, r.top, r.right, r.bottom});
}

// A native scroll bar of a control, where its overlay lies.
std::string BarPlace(HWND control, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(control, object, &info);
    RECT r = info.rcScrollBar;
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return Numbers({r.left, r.top, r.right, r.bottom});
}

// Where the end-to-end tests act on the text controls: their scroll bars, the
// list box's first item, the tree's last group, the list view's first column.
std::string TextPlaces(const TextControls& c) {
    std::string out;
    out += Line("text.multiline.vbar", BarPlace(c.multiLine, OBJID_VSCROLL));
    out += Line("text.list.vbar", BarPlace(c.list, OBJID_VSCROLL));
    out += Line("text.tree.vbar", BarPlace(c.tree, OBJID_VSCROLL));
    out += Line("text.listview.hbar", BarPlace(c.listView, OBJID_HSCROLL));
    RECT item{};
    SendMessageA(c.list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    out += Line("text.list.item", Place(c.list, item));
    // The last group: the tree shows it, expanded, at its bottom.
    HTREEITEM last =
        reinterpret_cast<HTREEITEM>(SendMessageA(c.tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    while (HTREEITEM next = reinterpret_cast<HTREEITEM>(
               SendMessageA(c.tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(last))))
        last = next;
    RECT node{};  // TVM_GETITEMRECT takes the item in the rectangle it fills
    std::memcpy(&node, &last, sizeof last);
    SendMessageA(c.tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&node));
    out += Line("text.tree.lastnode", Place(c.tree, node));
    HWND header = reinterpret_cast<HWND>(SendMessageA(c.listView, LVM_GETHEADER, 0, 0));
    RECT column{};
    SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&column));
    MapWindowPoints(header, c.listView, reinterpret_cast<POINT*>(&column), 2);
    out += Line("text.listview.column0", Place(c.listView, column));
    return out;
}

}  // namespace

void AddTextControls(Layout& layout) {
    TextControls& c = Controls();
    constexpr int kWidth = 180;
    const DWORD edge = WS_EX_CLIENTEDGE;
    c.single = layout.Add("单行编辑框", "Edit", "可以在这里输入", ES_AUTOHSCROLL | WS_TABSTOP,
                          kWidth, 22, edge);
    c.password = layout.Add("密码框", "Edit", "secret", ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP,
                            kWidth, 22, edge);
    c.readOnly =
        layout.Add("只读编辑框", "Edit", "只读的文字", ES_READONLY | WS_TABSTOP, kWidth, 22, edge);
    c.disabled = layout.Add("禁用的编辑框", "Edit", "禁用", WS_DISABLED, kWidth, 22, edge);
    c.multiLine = layout.Add("多行编辑框", "Edit", MultiLineText().c_str(),
                             ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN |
                                 WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                             kWidth, 110, edge);
    c.simple = layout.Add("简单组合框", "ComboBox", "", CBS_SIMPLE | WS_TABSTOP, kWidth, 90);
    FillCombo(c.simple, 1);
    c.dropDown = layout.Add("下拉组合框", "ComboBox", "", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP,
                            kWidth, 24);
    GiveListRoom(c.dropDown, kWidth);
    FillCombo(c.dropDown, 2);
    c.dropList = layout.Add("下拉列表组合框", "ComboBox", "",
                            CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kWidth, 24);
    GiveListRoom(c.dropList, kWidth);
    FillCombo(c.dropList, 0);
    c.list =
        layout.Add("列表框", "ListBox", "",
                   LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | WS_TABSTOP, kWidth, 100, edge);
    for (int i = 1; i <= 20; ++i)
        SendMessageA(c.list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(("列表项 " + std::to_string(i)).c_str()));
    layout.NextColumn();
    c.listView = layout.Add("列表视图", WC_LISTVIEWA, "",
                            LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP, 230, 150, edge);
    FillListView(c.listView);
    c.tree =
        layout.Add("树视图", WC_TREEVIEWA, "",
                   TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
                   230, 150, edge);
    FillTree(c.tree);
    c.ip = layout.Add("IP 地址", WC_IPADDRESSA, "", WS_TABSTOP, 180, 22, edge);
    SendMessageA(c.ip, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 20));
    c.date = layout.Add("日期时间", DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT | WS_TABSTOP, 180,
                        22, edge);
}

std::string ReportTextControls() {
    const TextControls& c = Controls();
    if (!c.single || !IsWindow(c.single)) return {};
    std::string out;
    out += Line("edit.single.text", Text(c.single));
    out += Line("edit.multiline.firstline",
                Number(SendMessageA(c.multiLine, EM_GETFIRSTVISIBLELINE, 0, 0)));
    out += Line("combo.droplist.selection", Number(SendMessageA(c.dropList, CB_GETCURSEL, 0, 0)));
    out += Line("combo.droplist.text", Text(c.dropList));
    out += Line("combo.dropdown.text", Text(c.dropDown));
    out += Line("list.topindex", Number(SendMessageA(c.list, LB_GETTOPINDEX, 0, 0)));
    out += Line("listview.topindex", Number(SendMessageA(c.listView, LVM_GETTOPINDEX, 0, 0)));
    out += Line("tree.visible", Number(SendMessageA(c.tree, TVM_GETVISIBLECOUNT, 0, 0)));
    out += TextPlaces(c);
    return out;
}

}  // namespace gallery
