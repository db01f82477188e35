// Skinned edit boxes: the ring by pixels, the message table by what reaches
// the edit's own procedure, and the edit still working natively.
#include <windows.h>

#include <functional>
#include <string>

#include "skin/controls/edit_box.h"
#include "skin/controls/scroll_overlay.h"
#include "tests/skin/text_fixture.h"

namespace text_test {
namespace {

using testing_support::kAnyParams;
using testing_support::kOptional;

class EditTest : public TextControlsTest {
protected:
    void SetUp() override {
        TextControlsTest::SetUp();
        std::string text;
        for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + " of a long text\r\n";
        text_ = text;
        Skinned({{"Edit", "single", WS_VISIBLE | ES_AUTOHSCROLL, 20, 40, 150, 24, WS_EX_CLIENTEDGE},
                 {"Edit", text_.c_str(),
                  WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL, 20, 80, 180,
                  120, WS_EX_CLIENTEDGE}});
        single_ = Child(0);
        multi_ = Child(1);
        recorder_.Clear();
    }
    std::string Text(HWND edit) const {
        char buffer[4096] = {};
        GetWindowTextA(edit, buffer, sizeof buffer);
        return buffer;
    }

    std::string text_;
    HWND single_ = nullptr, multi_ = nullptr;
};

TEST_F(EditTest, RingLookFollowsHoverAndFocus) {
    RECT box{};
    GetWindowRect(single_, &box);
    const int h = box.bottom - box.top;
    struct Case {
        const char* name;
        bool focused, hovered;
        std::function<void(const Rgb& outer, const Rgb& inner)> check;
    } cases[] = {
        {"plain: faint dark frame, white inside", false, false,
         [](const Rgb& outer, const Rgb& inner) {
             EXPECT_TRUE(Near(outer, {175, 175, 175}, 6)) << outer;
             EXPECT_EQ(inner, (Rgb{255, 255, 255}));
         }},
        {"focused: accent frame, white inside", true, false,
         [](const Rgb& outer, const Rgb& inner) {
             EXPECT_GT(Greenness(outer), 40) << outer;
             EXPECT_EQ(inner, (Rgb{255, 255, 255}));
         }},
        {"hovered: two accent rings", false, true,
         [](const Rgb& outer, const Rgb& inner) {
             EXPECT_GT(Greenness(outer), 20) << outer;
             EXPECT_GT(Greenness(inner), 40) << inner;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Blacken(single_);
        skin::PaintEditFrame(single_, c.focused, c.hovered);
        c.check(WindowPixel(single_, 0, h / 2), WindowPixel(single_, 1, h / 2));
        EXPECT_EQ(WindowPixel(single_, 10, h / 2), (Rgb{0, 0, 0})) << "the client area was touched";
    }
}

TEST_F(EditTest, NcPaintHandsTheSystemRegionOnUntouchedAndDrawsTheRingAfter) {
    RECT box = ScreenRect(single_);
    HRGN region = CreateRectRgn(box.left, box.top, box.right, box.bottom);
    Blacken(single_);
    SendMessageA(single_, WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    EXPECT_SEQUENCE(recorder_, single_, {{WM_NCPAINT, 0, reinterpret_cast<WPARAM>(region), 0}});
    RECT bounds{};
    EXPECT_EQ(GetRgnBox(region, &bounds), SIMPLEREGION) << "the region was deleted";
    EXPECT_TRUE(Near(WindowPixel(single_, 0, 5), {175, 175, 175}, 6)) << "ring drawn after";
    DeleteObject(region);

    recorder_.Clear();
    SendMessageA(single_, WM_NCPAINT, 1, 0);
    EXPECT_SEQUENCE(recorder_, single_, {{WM_NCPAINT, 0, 1, 0}});
}

TEST_F(EditTest, MessagesReachTheEditWithTheirOwnArguments) {
    struct Case {
        UINT message;
        WPARAM wp;
        LPARAM lp;
    } cases[] = {
        {WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)},
        {WM_MOUSELEAVE, 0, 0},
        {WM_KEYDOWN, VK_END, 1},
        {WM_KEYUP, VK_END, 1},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0},
        {WM_VSCROLL, SB_LINEDOWN, 0},
        {WM_HSCROLL, SB_LINEDOWN, 0},
        {WM_LBUTTONUP, 0, MAKELPARAM(5, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        recorder_.Clear();
        SendMessageA(multi_, c.message, c.wp, c.lp);
        const auto got = recorder_.Of(multi_);
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.front().message, c.message);
        EXPECT_EQ(got.front().wp, c.wp);
        EXPECT_EQ(got.front().lp, c.lp);
    }
}

TEST_F(EditTest, HoverRepaintsOnceAndLeavingTurnsTheRingBack) {
    const int h = ScreenRect(single_).bottom - ScreenRect(single_).top;
    Blacken(single_);
    SendMessageA(single_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_GT(Greenness(WindowPixel(single_, 1, h / 2)), 40) << "hover look";
    Blacken(single_);
    SendMessageA(single_, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_EQ(WindowPixel(single_, 1, h / 2), (Rgb{0, 0, 0})) << "a second move repainted";
    SendMessageA(single_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(WindowPixel(single_, 1, h / 2), (Rgb{255, 255, 255}));
    EXPECT_EQ(Record().hover.previous, 0);
    EXPECT_EQ(Edit(single_)->hovered, 0);
}

TEST_F(EditTest, LostCaptureEndsTheHeldButton) {
    SendMessageA(single_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(Edit(single_)->buttonHeld, 1);
    ASSERT_EQ(GetCapture(), single_);
    SetCapture(window_);  // a dialog or Alt+Tab takes the mouse mid-press
    EXPECT_EQ(Edit(single_)->buttonHeld, 0);
    ReleaseCapture();
}

// The overlay's repaint after a change is queued (a run of changes paints
// once): the checks look once the queue has run.
TEST_F(EditTest, TypingAndScrollingStillWorkAndTheThumbFollows) {
    SetFocus(single_);
    SendMessageA(single_, EM_SETSEL, 0, -1);
    for (char ch : std::string("ok!")) SendMessageA(single_, WM_CHAR, ch, 1);
    EXPECT_EQ(Text(single_), "ok!");

    skin::PaintVerticalOverlay(multi_, skin::kPartNone);
    const int thumbBefore = Edit(multi_)->overlays.verticalParts.thumb.top;
    SendMessageA(multi_, WM_VSCROLL, SB_PAGEDOWN, 0);
    testing_support::PumpUntilIdle(100);
    EXPECT_GT(SendMessageA(multi_, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_GT(Edit(multi_)->overlays.verticalParts.thumb.top, thumbBefore)
        << "the overlay was painted before the edit scrolled";

    // Keyboard scrolling: painted after the edit moved, so the thumb is current.
    SetFocus(multi_);
    SendMessageA(multi_, WM_KEYDOWN, VK_NEXT, 1);
    testing_support::PumpUntilIdle(100);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(multi_, OBJID_VSCROLL, &info);
    EXPECT_EQ(Edit(multi_)->overlays.verticalParts.thumb.top, info.xyThumbTop);
}

TEST_F(EditTest, SecondPassSkinsNothingTwiceAndTextSetWhileHiddenIsKept) {
    const WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(single_, GWLP_WNDPROC));
    const int edits = Record().edits.size();
    skin::SkinEditAndComboChildren(skin::FindWindowIndex(window_), window_);
    EXPECT_EQ(Record().edits.size(), edits);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(single_, GWLP_WNDPROC)), proc);

    ShowWindow(multi_, SW_HIDE);
    SendMessageA(multi_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hidden"));
    EXPECT_EQ(Text(multi_), "hidden");
    EXPECT_FALSE(IsWindowVisible(Edit(multi_)->overlays.vertical));
}

}  // namespace
}  // namespace text_test
