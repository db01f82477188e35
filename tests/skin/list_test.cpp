// Skinned list-type controls: which controls the pass takes, the frame by
// pixels, scrolling through the overlay with the real mouse, and controls that
// go away before their window.
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "skin/controls/list_controls.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/base/skin_state.h"
#include "tests/skin/text_fixture.h"

namespace text_test {
namespace {

using ListTest = TextControlsTest;

TEST_F(ListTest, PassTakesTheSixClassesAndSkipsOwnerDrawnLists) {
    INITCOMMONCONTROLSEX icc{sizeof icc,
                             ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&icc);
    Skinned({{"ListBox", "", WS_VISIBLE | WS_VSCROLL, 10, 30, 80, 60, WS_EX_CLIENTEDGE},
             {"ComboBox", "", WS_VISIBLE | CBS_SIMPLE, 100, 30, 80, 80},
             {WC_LISTVIEWA, "", WS_VISIBLE | LVS_REPORT | LVS_SORTASCENDING, 190, 30, 80, 60},
             {WC_LISTVIEWA, "", WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, 280, 30, 80, 60},
             {WC_TREEVIEWA, "", WS_VISIBLE, 10, 120, 80, 60},
             {WC_IPADDRESSA, "", WS_VISIBLE, 100, 120, 120, 22},
             {DATETIMEPICK_CLASSA, "", WS_VISIBLE, 230, 120, 120, 22},
             {"ComboBox", "", WS_VISIBLE | CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10,
              200, 80, 80}});
    HWND simpleList = FindWindowExA(Child(1), nullptr, "ComboLBox", nullptr);
    HWND ownerList = FindWindowExA(Child(7), nullptr, "ComboLBox", nullptr);
    struct Case {
        const char* name;
        HWND control;
        bool skinned, overlays;
    } cases[] = {
        {"list box", Child(0), true, true},
        {"simple combo box's list", simpleList, true, false},
        {"sorted list view", Child(2), true, true},
        {"owner-drawn list view", Child(3), false, false},
        {"tree view", Child(4), true, true},
        {"IP address field", Child(5), true, false},
        {"date-time picker", Child(6), true, false},
        {"owner-drawn combo box's list", ownerList, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.control);
        skin::ListRecord* l = List(c.control);
        EXPECT_EQ(l != nullptr, c.skinned);
        EXPECT_EQ(GetPropA(c.control, "Hw_hProc") != nullptr, c.skinned);
        if (!l) continue;
        EXPECT_EQ(l->overlays.vertical != nullptr, c.overlays);
        EXPECT_EQ(l->overlays.horizontal != nullptr, c.overlays);
    }
}

TEST_F(ListTest, FrameLookByBorderHoverFocusAndSwitch) {
    Skinned({{"ListBox", "", WS_VISIBLE, 10, 30, 100, 80, WS_EX_CLIENTEDGE},
             {"ListBox", "", WS_VISIBLE, 130, 30, 100, 80}});
    HWND bordered = Child(0), borderless = Child(1);
    struct Case {
        const char* name;
        bool hovered, focused, switchB;
        std::function<void(const Rgb& edge, const Rgb& second)> check;
    } cases[] = {
        {"plain", false, false, true,
         [](const Rgb& edge, const Rgb& second) {
             EXPECT_TRUE(Near(edge, {165, 165, 165}, 6)) << edge;
             EXPECT_EQ(second, (Rgb{255, 255, 255}));
         }},
        {"focused", false, true, true,
         [](const Rgb& edge, const Rgb& second) {
             EXPECT_GT(Greenness(edge), 50) << edge;
             EXPECT_EQ(second, (Rgb{255, 255, 255}));
         }},
        {"hovered, switch B: two pixels of accent", true, false, true,
         [](const Rgb& edge, const Rgb& second) {
             EXPECT_GT(Greenness(edge), 50) << edge;
             EXPECT_GT(Greenness(second), 50) << second;
         }},
        {"hovered, no switch B: one pixel", true, false, false,
         [](const Rgb& edge, const Rgb& second) {
             EXPECT_GT(Greenness(edge), 50) << edge;
             EXPECT_EQ(second, (Rgb{255, 255, 255}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        skin::State().skinnerSwitchB = c.switchB;
        Blacken(bordered);
        skin::PaintListFrame(bordered, c.hovered, c.focused);
        c.check(WindowPixel(bordered, 0, 30), WindowPixel(bordered, 1, 30));
        EXPECT_EQ(WindowPixel(bordered, 20, 30), (Rgb{0, 0, 0})) << "the client was touched";
    }
    skin::State().skinnerSwitchB = true;
    Blacken(borderless);
    skin::PaintListFrame(borderless, true, true);
    EXPECT_EQ(WindowPixel(borderless, 0, 30), (Rgb{0, 0, 0})) << "a borderless list shows no frame";
}

void ClickAt(int x, int y) {
    const int sw = GetSystemMetrics(SM_CXSCREEN) - 1, sh = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in[3] = {};
    for (INPUT& i : in) i.type = INPUT_MOUSE;
    in[0].mi.dx = x * 65535 / sw;
    in[0].mi.dy = y * 65535 / sh;
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
}

TEST_F(ListTest, ClickOnTheOverlaysDownArrowScrollsTheListAndMovesTheThumb) {
    Skinned({{"ListBox", "", WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 40, 150, 120,
              WS_EX_CLIENTEDGE}});
    HWND list = Child(0);
    AddItems(list, 40);
    testing_support::PumpUntilIdle(100);
    HWND overlay = List(list)->overlays.vertical;
    skin::PaintVerticalOverlay(list, skin::kPartNone);
    const int thumbBefore = List(list)->overlays.verticalParts.thumb.top;
    const RECT o = ScreenRect(overlay);
    const POINT arrow{(o.left + o.right) / 2, o.bottom - 6};
    EXPECT_EQ(WindowFromPoint(arrow), list) << "the overlay must let the mouse through";
    ClickAt(arrow.x, arrow.y);
    EXPECT_TRUE(testing_support::PumpUntil(
        [&] { return SendMessageA(list, LB_GETTOPINDEX, 0, 0) > 0; }, 2000))
        << "the click did not scroll the list";
    testing_support::PumpUntilIdle(100);
    EXPECT_GT(List(list)->overlays.verticalParts.thumb.top, thumbBefore);
}

TEST_F(ListTest, HighlightedPartGoesPlainWhenTheMouseLeavesTheBar) {
    Skinned({{"ListBox", "", WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 40, 150, 120,
              WS_EX_CLIENTEDGE}});
    HWND list = Child(0);
    AddItems(list, 40);
    testing_support::PumpUntilIdle(100);
    HWND overlay = List(list)->overlays.vertical;
    skin::PaintVerticalOverlay(list, skin::kPartNone);
    const RECT o = ScreenRect(overlay);
    const Rgb plain = WindowPixel(overlay, 5, 5);
    SendMessageA(list, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(o.left + 5, o.top + 5));
    EXPECT_NE(WindowPixel(overlay, 5, 5), plain) << "the up arrow was not lit";
    SendMessageA(list, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_EQ(WindowPixel(overlay, 5, 5), plain) << "the up arrow stayed lit";
}

TEST_F(ListTest, ArrowKeysScrollAndTheOverlayShowsTheNewPosition) {
    Skinned({{"ListBox", "", WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 40, 150, 120,
              WS_EX_CLIENTEDGE}});
    HWND list = Child(0);
    AddItems(list, 40);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SetFocus(list);
    for (int i = 0; i < 15; ++i) SendMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(List(list)->keyHeld, 1);
    SendMessageA(list, WM_KEYUP, VK_DOWN, 1);
    EXPECT_EQ(List(list)->keyHeld, 0);
    ASSERT_GT(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    testing_support::PumpUntilIdle(100);  // the overlay's repaint is queued
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(list, OBJID_VSCROLL, &info);
    EXPECT_EQ(List(list)->overlays.verticalParts.thumb.top, info.xyThumbTop);
}

TEST_F(ListTest, ControlDestroyedBeforeItsWindowLeavesABlankEntry) {
    Skinned({{"ListBox", "", WS_VISIBLE | WS_VSCROLL, 10, 30, 100, 80, WS_EX_CLIENTEDGE},
             {"ListBox", "", WS_VISIBLE | WS_VSCROLL, 130, 30, 100, 80, WS_EX_CLIENTEDGE}});
    HWND first = Child(0), second = Child(1);
    DestroyWindow(first);
    EXPECT_EQ(Record().listTypes.Find(first), 0);
    ASSERT_TRUE(List(second));
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(List(second)->hovered, 1);
    SendMessageA(second, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("still a list box"));
    EXPECT_EQ(SendMessageA(second, LB_GETCOUNT, 0, 0), 1);
}

}  // namespace
}  // namespace text_test
