// Scroll-bar overlays: where they lie, when they show, what they paint, what
// the hit-test answers, and that they go with their control.
#include <windows.h>

#include "skin/controls/list_controls.h"
#include "skin/controls/scroll_overlay.h"
#include "tests/skin/text_fixture.h"

namespace text_test {
namespace {

using OverlayTest = TextControlsTest;

RECT BarRect(HWND control, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(control, object, &info);
    return info.rcScrollBar;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

const ChildSpec kLongList{
    "ListBox",       "", WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 40, 150, 120,
    WS_EX_CLIENTEDGE};

TEST_F(OverlayTest, OverlayLiesExactlyOnTheBarAlsoUnderABorderedWindow) {
    struct Case {
        const char* name;
        DWORD windowStyle;
    } cases[] = {{"plain window", 0}, {"window with a border", WS_BORDER}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Skinned({kLongList}, c.windowStyle);
        HWND list = Child(0);
        AddItems(list, 40);
        SetWindowPos(list, nullptr, 21, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // re-place
        testing_support::PumpUntilIdle(100);
        skin::ListRecord* l = List(list);
        ASSERT_TRUE(l);
        ASSERT_TRUE(l->overlays.vertical);
        EXPECT_TRUE(IsWindowVisible(l->overlays.vertical));
        EXPECT_TRUE(SameRect(ScreenRect(l->overlays.vertical), BarRect(list, OBJID_VSCROLL)))
            << Describe(ScreenRect(l->overlays.vertical)) << " vs bar "
            << Describe(BarRect(list, OBJID_VSCROLL));
        EXPECT_FALSE(IsWindowVisible(l->overlays.horizontal)) << "the list has no horizontal bar";
        DestroyWindow(window_);
    }
}

TEST_F(OverlayTest, HiddenControlGetsAHiddenSmallOverlayThatShowingMovesOntoTheBar) {
    Skinned({{"Edit", "", ES_MULTILINE | WS_VSCROLL, 20, 40, 150, 100, WS_EX_CLIENTEDGE}});
    HWND edit = Child(0);
    HWND overlay = Edit(edit)->overlays.vertical;
    ASSERT_TRUE(overlay);
    EXPECT_FALSE(IsWindowVisible(overlay));
    RECT r{};
    GetWindowRect(overlay, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(SameRect(r, {0, 0, 10, 10})) << Describe(r);
    EXPECT_EQ(Edit(edit)->overlays.horizontal, nullptr) << "no WS_HSCROLL, no horizontal overlay";

    ShowWindow(edit, SW_SHOWNA);
    testing_support::PumpUntilIdle(100);
    EXPECT_TRUE(IsWindowVisible(overlay));
    EXPECT_TRUE(SameRect(ScreenRect(overlay), BarRect(edit, OBJID_VSCROLL)));
}

TEST_F(OverlayTest, ListThatGainsAndLosesItsBarShowsAndHidesTheOverlay) {
    Skinned(
        {{"ListBox", "", WS_VISIBLE | LBS_NOINTEGRALHEIGHT, 20, 40, 150, 100, WS_EX_CLIENTEDGE}});
    HWND list = Child(0);
    ASSERT_TRUE(List(list));
    HWND vertical = List(list)->overlays.vertical, horizontal = List(list)->overlays.horizontal;
    ASSERT_TRUE(vertical && horizontal) << "list boxes always own both overlays";
    EXPECT_FALSE(IsWindowVisible(vertical));
    SetWindowLongA(list, GWL_STYLE, GetWindowLongA(list, GWL_STYLE) | WS_VSCROLL);
    AddItems(list, 40);
    SetWindowPos(list, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    testing_support::PumpUntilIdle(100);
    ASSERT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(IsWindowVisible(vertical));
    EXPECT_TRUE(SameRect(ScreenRect(vertical), BarRect(list, OBJID_VSCROLL)));

    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ShowScrollBar(list, SB_VERT, FALSE);
    testing_support::PumpUntilIdle(100);
    EXPECT_FALSE(IsWindowVisible(vertical));
    EXPECT_FALSE(IsWindowVisible(horizontal));
}

TEST_F(OverlayTest, OverlaysGoWithTheirControlAndFollowItToANewParent) {
    Skinned({kLongList, kLongList});
    HWND gone = Child(0), moved = Child(1);
    const HWND goneOverlays[] = {List(gone)->overlays.vertical, List(gone)->overlays.horizontal};
    DestroyWindow(gone);
    for (HWND o : goneOverlays) EXPECT_FALSE(IsWindow(o)) << "an orphan overlay was left";

    HWND other = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 200, 40, 200, 200, window_,
                                 nullptr, nullptr, nullptr);
    HWND overlay = List(moved)->overlays.vertical;
    SetParent(moved, other);
    SetWindowPos(moved, nullptr, 5, 5, 150, 120, SWP_NOZORDER);
    testing_support::PumpUntilIdle(100);
    EXPECT_EQ(GetParent(overlay), other);
    AddItems(moved, 40);
    SetWindowPos(moved, nullptr, 6, 5, 150, 120, SWP_NOZORDER);
    EXPECT_TRUE(SameRect(ScreenRect(overlay), BarRect(moved, OBJID_VSCROLL)));
    SendMessageA(moved, WM_NCPAINT, 1, 0);  // no skinned window behind it now: no crash
}

class OverlayPaintTest : public OverlayTest {
protected:
    void SetUp() override {
        OverlayTest::SetUp();
        Skinned({kLongList});
        list_ = Child(0);
        AddItems(list_, 40);
        SendMessageA(list_, LB_SETTOPINDEX, 10, 0);
        testing_support::PumpUntilIdle(100);
        overlay_ = List(list_)->overlays.vertical;
    }
    // A pixel of the overlay painted with part highlighted.
    Rgb Painted(int part, POINT p) {
        skin::PaintVerticalOverlay(list_, part);
        return WindowPixel(overlay_, p.x, p.y);
    }
    RECT Part(RECT skin::OverlayParts::*which) {
        return List(list_)->overlays.verticalParts.*which;
    }
    static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

    HWND list_ = nullptr, overlay_ = nullptr;
};

TEST_F(OverlayPaintTest, EachPartCodeLightsItsOwnPartOnly) {
    skin::PaintVerticalOverlay(list_, skin::kPartNone);
    const POINT thumb = Centre(Part(&skin::OverlayParts::thumb));
    // Right in the buttons, where their highlight is mostly accent.
    const POINT up = {Part(&skin::OverlayParts::firstButton).right - 6, 5};
    const POINT down = {up.x, Part(&skin::OverlayParts::secondButton).top + 4};
    const Rgb plainThumb = Painted(skin::kPartNone, thumb), plainUp = Painted(skin::kPartNone, up),
              plainDown = Painted(skin::kPartNone, down);
    EXPECT_GT(Brightness(Painted(skin::kPartThumb, thumb)), Brightness(plainThumb) + 20)
        << "the thumb takes the white fill";
    EXPECT_GT(Greenness(Painted(skin::kPartFirst, up)), Greenness(plainUp) + 20);
    EXPECT_EQ(Painted(skin::kPartFirst, down), plainDown) << "the other button stays plain";
    EXPECT_GT(Greenness(Painted(skin::kPartSecond, down)), Greenness(plainDown) + 20);
    EXPECT_EQ(Painted(skin::kPartSecond, thumb), plainThumb);
    // The track fades from the accent at the left edge to white at the right.
    const int mid =
        (Part(&skin::OverlayParts::firstButton).bottom + Part(&skin::OverlayParts::thumb).top) / 2;
    RECT box{};
    GetClientRect(overlay_, &box);
    const Rgb left = Painted(skin::kPartNone, {0, mid}),
              right = Painted(skin::kPartNone, {box.right - 1, mid});
    EXPECT_GT(Greenness(left), Greenness(right)) << left << " / " << right;
    EXPECT_GT(Brightness(right), 3 * 240) << right;
}

TEST_F(OverlayPaintTest, DisabledBarHasNoThumbAndNoHighlights) {
    skin::PaintVerticalOverlay(list_, skin::kPartNone);
    const POINT thumb = Centre(Part(&skin::OverlayParts::thumb));
    const POINT up = {Part(&skin::OverlayParts::firstButton).right - 3, 5};
    const POINT track = {
        thumb.x,
        (Part(&skin::OverlayParts::firstButton).bottom + Part(&skin::OverlayParts::thumb).top) / 2};
    const Rgb withThumb = Painted(skin::kPartNone, thumb);
    EnableScrollBar(list_, SB_VERT, ESB_DISABLE_BOTH);
    const Rgb disabled = Painted(skin::kPartThumb, thumb);
    EXPECT_NE(disabled, withThumb);
    EXPECT_EQ(disabled, WindowPixel(overlay_, track.x, track.y))
        << "plain track where the thumb was";
    EXPECT_EQ(Painted(skin::kPartFirst, up), Painted(skin::kPartNone, up));
    EnableScrollBar(list_, SB_VERT, ESB_ENABLE_BOTH);
}

TEST_F(OverlayPaintTest, HitTestUsesTheLastPaintsPartsWithInclusiveEdges) {
    const RECT o = ScreenRect(overlay_);
    List(list_)->overlays.verticalParts = {};  // as before the first paint
    EXPECT_EQ(skin::HitTestVertical(list_, MAKELPARAM(o.left + 5, o.top + 5)), skin::kPartNone)
        << "before the first paint nothing is hit";
    skin::PaintVerticalOverlay(list_, skin::kPartNone);
    const skin::OverlayParts p = List(list_)->overlays.verticalParts;
    struct Case {
        const char* name;
        int x, y;  // overlay coordinates
        int part;
    } cases[] = {
        {"first button", 5, 5, skin::kPartFirst},
        {"first button's bottom edge", 5, p.firstButton.bottom, skin::kPartFirst},
        {"second button", 5, p.secondButton.top + 2, skin::kPartSecond},
        {"thumb", 5, (p.thumb.top + p.thumb.bottom) / 2, skin::kPartThumb},
        {"thumb's top edge", 5, p.thumb.top, skin::kPartThumb},
        {"track between", 5, (p.firstButton.bottom + p.thumb.top) / 2, skin::kPartNone},
        {"left of everything", 0, 5, skin::kPartNone},
    };
    ASSERT_GT(p.thumb.top, p.firstButton.bottom + 2) << "the list is scrolled down";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(skin::HitTestVertical(list_, MAKELPARAM(o.left + c.x, o.top + c.y)), c.part);
    }
}

TEST_F(OverlayTest, HitTestReadsSignedScreenPointsLeftOfThePrimaryMonitor) {
    Skinned({kLongList}, 0, -250);
    HWND list = Child(0);
    AddItems(list, 40);
    skin::PaintVerticalOverlay(list, skin::kPartNone);
    const RECT o = ScreenRect(List(list)->overlays.vertical);
    ASSERT_LT(o.left + 5, 0) << "the bar must lie left of the screen's origin";
    EXPECT_EQ(skin::HitTestVertical(list, MAKELPARAM(o.left + 5, o.top + 5)), skin::kPartFirst);
}

}  // namespace
}  // namespace text_test
