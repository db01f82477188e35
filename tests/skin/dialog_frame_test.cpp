// A dialog from a template, with a system caption, frame and menu bar, skinned
// with one call: the skin's caption and menu row take the system's place around
// the same client area, the window's shape is its real rectangle, and the menu
// row opens the dialog's own menus by mouse and keyboard.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/frame/frame_painter.h"
#include "skin/frame/menu_bar.h"
#include "tests/skin/dialog_frame.h"
#include "tests/skin/frame_fixture.h"
#include "tests/support/win_test.h"

using namespace frame_test;

namespace {

// What reached the dialog's procedure, and keys fed to a menu once it is idle.
std::vector<Received> g_dialogLog;
std::vector<WPARAM> g_menuKeys;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wp, LPARAM lp) {
    g_dialogLog.push_back({dialog, message, wp, lp});
    // A drop-down tells its owner when it waits for input: the next scripted key.
    if (message == WM_ENTERIDLE && wp == MSGF_MENU && !g_menuKeys.empty()) {
        PostMessageA(dialog, WM_KEYDOWN, g_menuKeys.front(), 0);
        g_menuKeys.erase(g_menuKeys.begin());
    }
    return message == WM_INITDIALOG;
}

RECT ScreenRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

RECT ClientScreenRect(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class DialogFrame : public SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        g_dialogLog.clear();
        g_menuKeys.clear();
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FRAME_DIALOG),
                                     nullptr, DialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(dialog_)) DestroyWindow(dialog_);
        SkinnedWindowTest::TearDown();
    }
    void SkinIt() {
        skin::ApplySkinOptions o;
        o.bottomBarHeight = 20;
        skin::ApplySkin(dialog_, o);
        ShowWindow(dialog_, SW_SHOWNOACTIVATE);
        testing_support::PumpUntilIdle();
    }
    // The commands the dialog got, in order.
    std::vector<WPARAM> Commands() const {
        std::vector<WPARAM> ids;
        for (const Received& m : g_dialogLog)
            if (m.message == WM_COMMAND && HIWORD(m.wParam) == 0 && m.lParam == 0)
                ids.push_back(LOWORD(m.wParam));
        return ids;
    }
    skin::WindowRecord& Record() { return *RecordOf(dialog_); }
    POINT ScreenOfItem(int item) {
        const RECT& b = Record().menuRow.items.at(static_cast<std::size_t>(item)).box;
        const RECT w = ScreenRect(dialog_);
        return {w.left + (b.left + b.right) / 2, w.top + (b.top + b.bottom) / 2};
    }
    HWND dialog_ = nullptr;
};

TEST_F(DialogFrame, TheSkinReplacesTheSystemFrameAroundTheSameClientArea) {
    RECT client{};
    GetClientRect(dialog_, &client);
    std::vector<std::pair<HWND, RECT>> children;  // in client coordinates
    for (HWND c = GetWindow(dialog_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r = ScreenRect(c);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
        children.push_back({c, r});
    }
    ASSERT_EQ(children.size(), 3u);
    HMENU menu = GetMenu(dialog_);

    SkinIt();
    ASSERT_TRUE(Record().ownsNonClient);
    EXPECT_TRUE(Record().sizable);
    EXPECT_EQ(GetWindowLongA(dialog_, GWL_STYLE) & WS_CAPTION, 0) << "the system caption stays";
    EXPECT_EQ(GetMenu(dialog_), menu) << "the menu is still the program's";
    RECT now{};
    GetClientRect(dialog_, &now);
    EXPECT_EQ(now.right, client.right);
    EXPECT_EQ(now.bottom, client.bottom);
    const RECT clientOnScreen = ClientScreenRect(dialog_);
    const RECT window = ScreenRect(dialog_);
    const int captionAndMenu = clientOnScreen.top - window.top;
    EXPECT_EQ(captionAndMenu, Record().captionHeight + Record().menuRow.height);
    EXPECT_GT(Record().menuRow.height, 0);
    EXPECT_EQ(window.bottom - clientOnScreen.bottom, 20 + skin::kResizeBorder + 1) << "bottom bar";
    for (const auto& [child, before] : children) {
        SCOPED_TRACE(child);
        RECT r = ScreenRect(child);
        EXPECT_TRUE(Inside(r, clientOnScreen)) << "a child lies under the skin's bands";
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(EqualRect(&r, &before)) << "the program's layout moved";
    }
    // The shape is cut from the window's real rectangle: the status line along
    // the client's bottom edge and the bottom bar below it are inside it.
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(dialog_, shape), ERROR);
    const int w = window.right - window.left, h = window.bottom - window.top;
    for (const POINT p : {POINT{w / 2, h - 3}, POINT{10, clientOnScreen.bottom - window.top - 2},
                          POINT{w - 3, h / 2}})
        EXPECT_TRUE(PtInRegion(shape, p.x, p.y)) << p.x << "," << p.y;
    DeleteObject(shape);
}

TEST_F(DialogFrame, HitTestingKnowsTheCaptionTheMenuRowTheButtonsAndTheEdges) {
    SkinIt();
    const RECT w = ScreenRect(dialog_);
    const RECT c = ClientScreenRect(dialog_);
    skin::WindowRecord& r = Record();
    const RECT close = skin::HitRectOf(r.CaptionAt(r.CaptionButtonCount())->hit);
    const struct {
        const char* name;
        POINT at;  // screen
        LRESULT hit;
    } cases[] = {
        {"caption", {w.left + 60, w.top + 12}, HTCAPTION},
        {"menu row item", ScreenOfItem(0), HTMENU},
        {"close button", {w.left + (close.left + close.right) / 2, w.top + 10}, HTCLOSE},
        {"left edge", {w.left + 1, (w.top + w.bottom) / 2}, HTLEFT},
        {"bottom-right corner", {w.right - 2, w.bottom - 2}, HTBOTTOMRIGHT},
        {"client", {(c.left + c.right) / 2, (c.top + c.bottom) / 2}, HTCLIENT},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(SendMessageA(dialog_, WM_NCHITTEST, 0, MAKELPARAM(k.at.x, k.at.y)), k.hit);
    }
}

// The menu row's messages reach the dialog as with its native menu bar: the bar
// first (WM_INITMENU), then the drop-down (WM_INITMENUPOPUP), then the command.
TEST_F(DialogFrame, TheMenuRowSendsTheMenusMessagesAndItsCommands) {
    SkinIt();
    HMENU bar = GetMenu(dialog_);
    struct Case {
        const char* name;
        std::function<void()> open;
        std::vector<WPARAM> keys;
        WPARAM command;
        HMENU popup;  // the drop-down that opened first
    };
    const Case cases[] = {
        {"a click on File, then Down and Enter",
         [&] {
             const POINT p = ScreenOfItem(0);
             SendMessageA(dialog_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(p.x, p.y));
         },
         {VK_DOWN, VK_RETURN},
         IDM_FILE_OPEN,
         GetSubMenu(bar, 0)},
        {"Alt+V: the first entry is selected, Enter",
         [&] { SendMessageA(dialog_, WM_SYSCOMMAND, SC_KEYMENU, 'v'); },
         {VK_RETURN},
         IDM_VIEW_BIG,
         GetSubMenu(bar, 1)},
        {"F10 opens File; Right moves on to View",
         [&] { SendMessageA(dialog_, WM_SYSCOMMAND, SC_KEYMENU, 0); },
         {VK_RIGHT, VK_RETURN},
         IDM_VIEW_BIG,
         GetSubMenu(bar, 0)},
        {"Alt+H, Left wraps round to Help's neighbour View",
         [&] { SendMessageA(dialog_, WM_SYSCOMMAND, SC_KEYMENU, 'h'); },
         {VK_LEFT, VK_RETURN},
         IDM_VIEW_BIG,
         GetSubMenu(bar, 2)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        g_dialogLog.clear();
        g_menuKeys = k.keys;
        k.open();
        testing_support::PumpUntilIdle();
        EXPECT_EQ(Commands(), std::vector<WPARAM>{k.command});
        // The order of the menu's own messages.
        std::vector<UINT> order;
        for (const Received& m : g_dialogLog)
            if (m.message == WM_INITMENU || m.message == WM_INITMENUPOPUP ||
                m.message == WM_COMMAND)
                if (order.empty() || order.back() != m.message) order.push_back(m.message);
        ASSERT_GE(order.size(), 3u);
        EXPECT_EQ(order[0], static_cast<UINT>(WM_INITMENU));
        EXPECT_EQ(order[1], static_cast<UINT>(WM_INITMENUPOPUP));
        EXPECT_EQ(order.back(), static_cast<UINT>(WM_COMMAND));
        for (const Received& m : g_dialogLog)
            if (m.message == WM_INITMENU) {
                EXPECT_EQ(reinterpret_cast<HMENU>(m.wParam), bar);
                break;
            }
        for (const Received& m : g_dialogLog)
            if (m.message == WM_INITMENUPOPUP) {
                EXPECT_EQ(reinterpret_cast<HMENU>(m.wParam), k.popup);
                break;
            }
        EXPECT_EQ(Record().menuRow.open, -1) << "the row still shows an open item";
    }
}

// Items the program changes are drawn as they are now: a disabled item opens
// nothing, and a renamed one takes its new width.
TEST_F(DialogFrame, TheRowFollowsTheProgramsChangesToItsMenu) {
    SkinIt();
    HMENU bar = GetMenu(dialog_);
    const int before =
        Record().menuRow.items.at(1).box.right - Record().menuRow.items.at(1).box.left;
    ModifyMenuA(bar, 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(GetSubMenu(bar, 1)),
                "&View everything");
    EnableMenuItem(bar, 2, MF_BYPOSITION | MF_GRAYED);
    DrawMenuBar(dialog_);
    testing_support::PumpUntilIdle();
    const skin::MenuRow& row = Record().menuRow;
    EXPECT_GT(row.items.at(1).box.right - row.items.at(1).box.left, before);
    EXPECT_TRUE(row.items.at(2).state & MFS_DISABLED);
    g_dialogLog.clear();
    g_menuKeys = {VK_RETURN};
    const POINT help = ScreenOfItem(2);
    SendMessageA(dialog_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(help.x, help.y));
    testing_support::PumpUntilIdle();
    EXPECT_TRUE(Commands().empty());
}

}  // namespace
