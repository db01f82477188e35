#include "skin/frame/menu_bar.h"

#include <algorithm>
#include <cstdint>

#include "skin/frame/frame_painter.h"
#include "skin/base/gdi_guards.h"
#include "skin/frame/frame_layout.h"

namespace skin {
namespace {

constexpr int kItemPadding = 8;  // left and right of an item's text
constexpr int kRowPadding = 4;   // above and below the text
constexpr int kRowInset = 2;     // from the border to the first item

std::string ItemText(HMENU menu, int position) {
    char buffer[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = sizeof buffer - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return {};
    return buffer;
}

int TextWidth(HDC dc, const std::string& label) {
    RECT box{0, 0, 0, 0};
    DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    return box.right - box.left;
}

WindowRecord* RecordOf(HWND window) { return Table().At(FindWindowIndex(window)); }

// What the drop-down now open under the row is doing; the message filter reads
// it to follow the user from one item to its neighbour. One UI thread, one menu.
struct Tracking {
    bool active = false;
    HWND window = nullptr;
    int item = -1;
    HMENU popup = nullptr;
    HMENU selectedIn = nullptr;  // the menu holding the selected entry
    bool selectedOpens = false;  // that entry opens a submenu
    int next = -1;               // item to open once this drop-down has closed
    bool nextByKeyboard = false;
};
Tracking g_track;

bool Usable(const MenuBarItem& item) { return item.popup || item.id; }

int Neighbour(const WindowRecord& r, int from, int step) {
    const int n = static_cast<int>(r.menuRow.items.size());
    for (int k = 1; k <= n; ++k) {
        const int i = ((from + step * k) % n + n) % n;
        if (Usable(r.menuRow.items[static_cast<std::size_t>(i)])) return i;
    }
    return from;
}

POINT ScreenToFrame(HWND window, POINT screen) {
    RECT w{};
    GetWindowRect(window, &w);
    return {screen.x - w.left, screen.y - w.top};
}

// Follows the user while a drop-down of the row is open: Left and Right in the
// drop-down itself move to the neighbouring item, the pointer moving onto
// another item opens that one, and a click on the open item closes it.
LRESULT CALLBACK MenuFilter(int code, WPARAM wp, LPARAM lp) {
    if (code == MSGF_MENU && lp && g_track.active) {
        const MSG& m = *reinterpret_cast<const MSG*>(lp);
        WindowRecord* r = RecordOf(g_track.window);
        const auto switchTo = [](int item, bool byKeyboard) {
            g_track.next = item;
            g_track.nextByKeyboard = byKeyboard;
            EndMenu();
            return TRUE;
        };
        if (r) {
            switch (m.message) {
                case WM_KEYDOWN: {
                    const bool inTop = !g_track.selectedIn || g_track.selectedIn == g_track.popup;
                    if (inTop && m.wParam == VK_LEFT)
                        return switchTo(Neighbour(*r, g_track.item, -1), true);
                    if (inTop && m.wParam == VK_RIGHT && !g_track.selectedOpens)
                        return switchTo(Neighbour(*r, g_track.item, +1), true);
                    break;
                }
                case WM_MOUSEMOVE:
                case WM_NCMOUSEMOVE: {
                    const int at = MenuItemAt(*r, ScreenToFrame(g_track.window, m.pt));
                    if (at >= 0 && at != g_track.item &&
                        Usable(r->menuRow.items[static_cast<std::size_t>(at)]))
                        return switchTo(at, false);
                    break;
                }
                case WM_LBUTTONDOWN:
                case WM_NCLBUTTONDOWN:
                    if (MenuItemAt(*r, ScreenToFrame(g_track.window, m.pt)) == g_track.item)
                        return switchTo(-1, false);
                    break;
                default: break;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

class FilterHook {
public:
    FilterHook()
        : hook_(SetWindowsHookExA(WH_MSGFILTER, MenuFilter, nullptr, GetCurrentThreadId())) {}
    ~FilterHook() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    FilterHook(const FilterHook&) = delete;
    FilterHook& operator=(const FilterHook&) = delete;

private:
    HHOOK hook_;
};

void Redraw(HWND window) {
    const int index = FindWindowIndex(window);
    if (index > 0) DrawMenuRow(index, false);
}

// Enables the system menu's entries the way the window can use them now.
void PrepareSystemMenu(const WindowRecord& r, HMENU menu) {
    const bool iconic = IsIconic(r.window) != FALSE, zoomed = IsZoomed(r.window) != FALSE;
    const auto enable = [menu](UINT command, bool on) {
        EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    enable(SC_RESTORE, iconic || zoomed);
    enable(SC_MOVE, !iconic && !zoomed && r.dragOption);
    enable(SC_SIZE, !iconic && !zoomed && r.sizable);
    enable(SC_MINIMIZE, r.minimizeButton && !iconic);
    enable(SC_MAXIMIZE, r.maximizeButton && !zoomed);
}

void TrackSystemMenu(HWND window, POINT screen) {
    WindowRecord* r = RecordOf(window);
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!r || !menu) return;
    PrepareSystemMenu(*r, menu);
    const UINT command = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                         screen.x, screen.y, window, nullptr));
    if (command) PostMessageA(window, WM_SYSCOMMAND, command, 0);
}

}  // namespace

HFONT MenuFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            if (HFONT made = CreateFontIndirectA(&metrics.lfMenuFont)) return made;
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

std::string MenuItemLabel(const std::string& text) { return text.substr(0, text.find('\t')); }

int LayoutMenuRow(WindowRecord& r, int windowWidth) {
    MenuRow& row = r.menuRow;
    row.menu = r.ownsNonClient && r.window ? GetMenu(r.window) : nullptr;
    row.items.clear();
    row.top = r.captionHeight;
    row.height = 0;
    const int count = row.menu ? GetMenuItemCount(row.menu) : 0;
    if (count <= 0) return 0;

    gdi::MemoryDc dc(CreateCompatibleDC(nullptr));
    gdi::SelectGuard font(dc.get(), MenuFont());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    const int lineHeight =
        std::max(static_cast<int>(tm.tmHeight) + 2 * kRowPadding, GetSystemMetrics(SM_CYMENU));
    const int left = kResizeBorder + kRowInset, right = windowWidth - kResizeBorder - kRowInset;
    int x = left, y = row.top;
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(row.menu, static_cast<UINT>(i), TRUE, &info)) continue;
        MenuBarItem item;
        if (!(info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)))
            item.text = ItemText(row.menu, i);
        item.id = info.hSubMenu ? 0 : info.wID;
        item.popup = info.hSubMenu;
        item.state = info.fState;
        const int width = (info.fType & MFT_SEPARATOR)
                              ? kItemPadding
                              : TextWidth(dc.get(), MenuItemLabel(item.text)) + 2 * kItemPadding;
        // Items that do not fit start a new row, as the system's menu bar does.
        if (x + width > right && x > left) {
            x = left;
            y += lineHeight;
        }
        item.box = {x, y, x + width, y + lineHeight};
        x += width;
        row.items.push_back(std::move(item));
    }
    row.height = y + lineHeight - row.top;
    if (row.hot >= static_cast<int>(row.items.size())) row.hot = -1;
    return row.height;
}

int MenuItemAt(const WindowRecord& r, POINT frame) {
    for (std::size_t i = 0; i < r.menuRow.items.size(); ++i)
        if (PtInRect(&r.menuRow.items[i].box, frame)) return static_cast<int>(i);
    return -1;
}

void SetMenuHot(int index, int item) {
    WindowRecord* r = Table().At(index);
    if (!r || r->menuRow.hot == item) return;
    r->menuRow.hot = item;
    DrawMenuRow(index, false);
}

void NoteMenuSelect(WPARAM wp, LPARAM lp) {
    if (!g_track.active) return;
    const UINT flags = HIWORD(wp);
    g_track.selectedIn = reinterpret_cast<HMENU>(lp);
    g_track.selectedOpens = flags != 0xFFFF && (flags & MF_POPUP);
}

void TrackMenuBar(int index, int item, bool byKeyboard) {
    WindowRecord* r = Table().At(index);
    if (!r || g_track.active || item < 0 || item >= static_cast<int>(r->menuRow.items.size()))
        return;
    const HWND window = r->window;
    SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(r->menuRow.menu), 0);
    r = RecordOf(window);
    while (r && item >= 0 && item < static_cast<int>(r->menuRow.items.size())) {
        const MenuBarItem entry = r->menuRow.items[static_cast<std::size_t>(item)];
        if (!entry.popup) {
            if (entry.id && !(entry.state & MFS_DISABLED))
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(entry.id, 0), 0);
            break;
        }
        r->menuRow.open = item;
        r->menuRow.hot = item;
        r->menuRow.cues = byKeyboard || r->menuRow.cues;
        Redraw(window);
        RECT box = entry.box;
        RECT w{};
        GetWindowRect(window, &w);
        OffsetRect(&box, w.left, w.top);
        TPMPARAMS keepClear{sizeof keepClear, box};
        g_track = {true, window, item, entry.popup, nullptr, false, -1, false};
        // Opened from the keyboard, the drop-down starts with its first entry
        // selected, as the system's menu bar does.
        if (byKeyboard) PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
        {
            FilterHook hook;
            TrackPopupMenuEx(entry.popup,
                             TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON, box.left,
                             box.bottom, window, &keepClear);
        }
        const int next = g_track.next;
        byKeyboard = g_track.nextByKeyboard;
        g_track = {};
        r = RecordOf(window);  // the menu ran a message loop of its own
        item = next;
    }
    if (!r) return;
    r->menuRow.open = -1;
    r->menuRow.cues = false;
    POINT cursor{};
    GetCursorPos(&cursor);
    r->menuRow.hot =
        WindowFromPoint(cursor) == window ? MenuItemAt(*r, ScreenToFrame(window, cursor)) : -1;
    Redraw(window);
}

bool OpenMenuByKey(int index, WPARAM key) {
    WindowRecord* r = Table().At(index);
    if (!r || !r->ownsNonClient) return false;
    if (key == ' ') {  // Alt+Space: the system menu, under the caption's left end
        RECT w{};
        GetWindowRect(r->window, &w);
        TrackSystemMenu(r->window, {w.left + kResizeBorder, w.top + r->captionHeight});
        return true;
    }
    if (r->menuRow.items.empty()) return false;
    int item = -1;
    if (key == 0) {
        item = Neighbour(*r, -1, +1);
    } else {
        const char wanted = static_cast<char>(
            reinterpret_cast<std::uintptr_t>(CharUpperA(reinterpret_cast<LPSTR>(key))));
        for (std::size_t i = 0; i < r->menuRow.items.size() && item < 0; ++i) {
            const std::string& t = r->menuRow.items[i].text;
            for (std::size_t k = 0; k + 1 < t.size(); ++k) {
                if (t[k] != '&') continue;
                if (t[k + 1] == '&') {
                    ++k;
                    continue;
                }
                const char c = static_cast<char>(reinterpret_cast<std::uintptr_t>(
                    CharUpperA(reinterpret_cast<LPSTR>(static_cast<unsigned char>(t[k + 1])))));
                if (c == wanted) item = static_cast<int>(i);
                break;
            }
        }
    }
    // A letter that opens nothing is still the menu's: the system's own menu
    // bar must not start over the skin's.
    if (item >= 0) TrackMenuBar(index, item, true);
    return true;
}

void OpenMainMenu(int index, POINT screen) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    const HWND window = r->window;
    HMENU bar = GetMenu(window);
    if (!bar || GetMenuItemCount(bar) <= 0) {
        TrackSystemMenu(window, screen);
        return;
    }
    // One drop-down holding the bar's items; their drop-downs stay the program's
    // and are taken out again before it goes.
    HMENU all = CreatePopupMenu();
    if (!all) return;
    const int count = GetMenuItemCount(bar);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(bar, static_cast<UINT>(i), TRUE, &info)) continue;
        const std::string text = ItemText(bar, i);
        const UINT state = (info.fState & MFS_DISABLED) ? MF_GRAYED : MF_ENABLED;
        if (info.fType & MFT_SEPARATOR)
            AppendMenuA(all, MF_SEPARATOR, 0, nullptr);
        else if (info.hSubMenu)
            AppendMenuA(all, MF_POPUP | state, reinterpret_cast<UINT_PTR>(info.hSubMenu),
                        text.c_str());
        else
            AppendMenuA(all, MF_STRING | state, info.wID, text.c_str());
    }
    SendMessageA(window, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    TrackPopupMenuEx(all, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, screen.x, screen.y, window,
                     nullptr);
    while (GetMenuItemCount(all) > 0) RemoveMenu(all, 0, MF_BYPOSITION);
    DestroyMenu(all);
}

}  // namespace skin
