// Skinned trackbars, progress bars, up-down controls and headers: painters probed
// by pixels, subclass procedures driven by real messages.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <functional>
#include <string>

#include "skin/controls/header.h"
#include "skin/controls/progress_bar.h"
#include "skin/controls/trackbar.h"
#include "skin/controls/up_down.h"
#include "tests/skin/range_controls_fixture.h"
#include "tests/support/win_test.h"

namespace range_test {
namespace {

using testing_support::kAnyParams;

bool White(const Rgb& c) { return c.r >= 200 && c.g >= 200 && c.b >= 200; }
bool Green(const Rgb& c) { return Greenness(c) > 30; }
bool Red(const Rgb& c) { return c.r > c.g + 80 && c.r > c.b + 80; }

// A control painted by `paint` into a surface of its window size.
std::unique_ptr<Shot> Painted(HWND control, const std::function<bool(HDC)>& paint) {
    const SIZE s = WindowSize(control);
    auto shot = std::make_unique<Shot>(s.cx, s.cy);
    EXPECT_TRUE(paint(shot->dc()));
    return shot;
}

std::unique_ptr<Shot> Trackbar(HWND t) {
    return Painted(t, [t](HDC dc) { return skin::PaintTrackbar(t, dc); });
}
std::unique_ptr<Shot> Progress(HWND p) {
    return Painted(p, [p](HDC dc) { return skin::PaintProgress(p, dc); });
}
std::unique_ptr<Shot> UpDown(HWND u, const skin::UpDownLook& look) {
    return Painted(u, [u, &look](HDC dc) { return skin::PaintUpDown(u, look, dc); });
}
std::unique_ptr<Shot> Header(HWND h) {
    return Painted(h, [h](HDC dc) { return skin::PaintHeader(h, dc); });
}

// What the control shows on screen now, at a window point.
Rgb OnScreen(HWND w, int x, int y) {
    HDC dc = GetWindowDC(w);
    const Rgb c = PixelAt(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

void Blacken(HWND w) {
    HDC dc = GetWindowDC(w);
    const SIZE s = WindowSize(w);
    const RECT r{0, 0, s.cx, s.cy};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(w, dc);
}

int DarkPixels(const Shot& s, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += Brightness(s.At(x, y)) < 300 ? 1 : 0;
    return n;
}

bool Reached(const testing_support::MessageRecorder& rec, HWND w, UINT message) {
    const auto got = rec.Of(w);
    return std::any_of(got.begin(), got.end(),
                       [message](const auto& m) { return m.message == message; });
}

void SetItem(HWND header, int i, UINT mask, int width, const char* text) {
    HDITEMA item{};
    item.mask = mask;
    item.cxy = width;
    item.pszText = const_cast<char*>(text);
    SendMessageA(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
}

// ---- Skinning

TEST_F(RangeControlsTest, EveryClassIsSkinnedWithItsStyleFlags) {
    SkinWindow();
    skin::WindowRecord& r = Record();
    const auto* sel = r.trackbars.At(r.trackbars.Find(selTrackbar_));
    const auto* plain = r.trackbars.At(r.trackbars.Find(plainTrackbar_));
    const auto* vert = r.trackbars.At(r.trackbars.Find(vertTrackbar_));
    ASSERT_TRUE(sel && plain && vert);
    EXPECT_EQ(sel->selectionRange, 1);
    EXPECT_EQ(sel->vertical, 0);
    EXPECT_EQ(plain->selectionRange, 0);
    EXPECT_EQ(plain->tickPlacement, 3);
    EXPECT_EQ(vert->vertical, 1);
    const auto* vp = r.progressBars.At(r.progressBars.Find(vertProgress_));
    ASSERT_TRUE(vp && r.progressBars.Find(progress_));
    EXPECT_EQ(vp->vertical, 1);
    const auto* hu = r.upDowns.At(r.upDowns.Find(horzUpDown_));
    ASSERT_TRUE(hu && r.upDowns.Find(upDown_));
    EXPECT_EQ(hu->horizontal, 1);
    const auto* h = r.headers.At(r.headers.Find(header_));
    ASSERT_TRUE(h);
    EXPECT_EQ(h->buttons, 1);
    EXPECT_EQ(h->imageList, images_);
    ASSERT_TRUE(listHeader_);
    EXPECT_GT(r.headers.Find(listHeader_), 0) << "a list view's header is skinned too";

    // A second pass takes nothing twice.
    const int trackbars = r.trackbars.size(), headers = r.headers.size();
    skin::SkinTrackbarChildren(skin::FindWindowIndex(window_), window_);
    skin::SkinHeaderChildren(skin::FindWindowIndex(window_), window_);
    EXPECT_EQ(r.trackbars.size(), trackbars);
    EXPECT_EQ(r.headers.size(), headers);
}

TEST_F(RangeControlsTest, TickPlacementTakesTheFirstMatchingStyleBit) {
    const struct {
        LONG style;
        int expected;
    } cases[] = {
        {TBS_NOTICKS | TBS_TOP | TBS_BOTH, 3},
        {TBS_NOTICKS, 3},
        {TBS_TOP | TBS_BOTH, 0},
        {TBS_TOP, 0},
        {TBS_BOTH, 2},
        {TBS_AUTOTICKS, 1},
        {TBS_VERT | TBS_LEFT, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(skin::TrackbarTickPlacement(c.style), c.expected) << "style " << c.style;
}

// ---- Trackbars

// Position 50 of 0..100, selection 20..60; the channel runs x 8..192 and the
// selection narrows it to the band y 10..14.
TEST_F(RangeControlsTest, TrackbarShowsBodyChannelSelectionTravelAndKnob) {
    SkinWindow();
    const RECT thumb = [&] {
        RECT r{};
        SendMessageA(selTrackbar_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }();
    const int centre = (thumb.left + thumb.right) / 2;
    const auto s = Trackbar(selTrackbar_);
    EXPECT_GT(Brightness(s->At(30, 3)), Brightness(kPicture) + 200) << "translucent body";
    EXPECT_LT(Brightness(s->At(150, 13)), Brightness(s->At(4, 13)) - 30) << "channel";
    EXPECT_TRUE(Green(s->At(60, 11))) << "travelled part " << s->At(60, 11);
    EXPECT_FALSE(Green(s->At(150, 11))) << "travel stops at the thumb";
    EXPECT_TRUE(White(s->At(110, 11))) << "selection band " << s->At(110, 11);
    EXPECT_FALSE(White(s->At(150, 11))) << "no band past the selection's end";
    EXPECT_TRUE(White(s->At(centre + 1, thumb.top + 3))) << "knob";
    EXPECT_FALSE(White(s->At(centre - 3, thumb.top + 5))) << "small knob while not hovered";

    SendMessageA(selTrackbar_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const auto hovered = Trackbar(selTrackbar_);
    EXPECT_TRUE(White(hovered->At(centre - 3, thumb.top + 5))) << "the knob grows under the mouse";
    SendMessageA(selTrackbar_, WM_MOUSELEAVE, 0, 0);
    const auto left = Trackbar(selTrackbar_);
    EXPECT_FALSE(White(left->At(centre - 3, thumb.top + 5))) << "and shrinks when it leaves";
}

TEST_F(RangeControlsTest, TrackbarWithoutSelectionStyleKeepsTheWholeChannel) {
    SendMessageA(plainTrackbar_, TBM_SETSEL, TRUE, MAKELPARAM(60, 90));
    SkinWindow();
    const auto s = Trackbar(plainTrackbar_);
    for (int y = 9; y < 13; ++y) {
        EXPECT_LT(Brightness(s->At(150, y)), Brightness(s->At(4, y)) - 30) << "row " << y;
        for (int x = 120; x < 190; ++x) ASSERT_FALSE(White(s->At(x, y))) << x << "," << y;
    }
}

// The band is mapped through (v - min) / (max - min) onto the channel.
TEST_F(RangeControlsTest, SelectionBandFollowsTheRangeAndSurvivesOddRanges) {
    SkinWindow();
    const struct {
        const char* name;
        int low, high, selStart, selEnd;
        int whiteX;  // -1: no band anywhere
        int clearX;
    } cases[] = {
        {"range 50..150, selection 100..150 starts mid-channel", 50, 150, 100, 150, 104, 97},
        {"range ending at 0 draws no band", 0, 0, 0, 0, -1, 0},
        {"selection beyond the range draws nothing outside the channel", 0, 100, 150, 300, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SendMessageA(selTrackbar_, TBM_SETRANGEMIN, FALSE, c.low);
        SendMessageA(selTrackbar_, TBM_SETRANGEMAX, FALSE, c.high);
        SendMessageA(selTrackbar_, TBM_SETPOS, FALSE, c.low);
        SendMessageA(selTrackbar_, TBM_SETSELSTART, FALSE, c.selStart);
        SendMessageA(selTrackbar_, TBM_SETSELEND, FALSE, c.selEnd);
        const auto s = Trackbar(selTrackbar_);
        if (c.whiteX >= 0) {
            EXPECT_TRUE(White(s->At(c.whiteX, 11))) << s->At(c.whiteX, 11);
            EXPECT_FALSE(White(s->At(c.clearX, 11))) << s->At(c.clearX, 11);
        } else {
            for (int x = 20; x < s->width(); ++x) ASSERT_FALSE(White(s->At(x, 11))) << x;
        }
    }
}

// Position 75 of 0..100: the thumb is low on the bar, the channel runs down it.
TEST_F(RangeControlsTest, VerticalTrackbarRunsDownTheBar) {
    SkinWindow();
    RECT thumb{}, channel{};
    SendMessageA(vertTrackbar_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageA(vertTrackbar_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    // Whichever way round comctl32 gives the channel, it is the thin side.
    const int across =
        (channel.right - channel.left < channel.bottom - channel.top ? channel.left : channel.top) +
        1;
    const int centre = (thumb.top + thumb.bottom) / 2;
    const auto s = Trackbar(vertTrackbar_);
    EXPECT_TRUE(Green(s->At(across, centre / 2))) << "travelled part " << s->At(across, centre / 2);
    EXPECT_FALSE(Green(s->At(across, thumb.bottom + 15))) << "none past the thumb";
    EXPECT_TRUE(White(s->At(thumb.left + 3, centre + 1))) << "knob at the thumb";
    EXPECT_FALSE(White(s->At(thumb.left + 3, centre - 20))) << "and nowhere else";
}

// ---- Progress bars

TEST(ProgressFill, ScalesByTheRangeWidthIn64BitsWithinTheControl) {
    const struct {
        long long pos, low, high;
        int extent, expected;
    } cases[] = {
        {60, 10, 110, 200, 120},  // 60 % of the width, not 50 %
        {0, 0, 100, 200, 0},
        {100, 0, 100, 200, 200},
        {50, 50, 50, 200, 0},                   // empty range: trough only
        {2000000000, 0, 2100000000, 200, 190},  // would overflow 32 bits
        {110, 10, 110, 200, 200},               // wider than the control: clamped
        {-5, 0, 100, 200, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(skin::ProgressFill(c.pos, c.low, c.high, c.extent), c.expected)
            << c.pos << " of " << c.low << ".." << c.high;
}

TEST_F(RangeControlsTest, ProgressBarLengthFollowsPositionRangeAndOrientation) {
    SkinWindow();
    struct Case {
        const char* name;
        HWND RangeControlsTest::*bar;
        int low, high, pos;
        POINT filled, empty;  // {-1, -1}: none
    } cases[] = {
        {"10..110 at 60 fills 60 %",
         &RangeControlsTest::progress_,
         10,
         110,
         60,
         {114, 12},
         {127, 12}},
        {"position 0 shows the trough only",
         &RangeControlsTest::progress_,
         0,
         100,
         0,
         {-1, -1},
         {4, 12}},
        {"vertical fills from the bottom",
         &RangeControlsTest::vertProgress_,
         0,
         100,
         25,
         {12, 112},
         {12, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND bar = this->*c.bar;
        SendMessageA(bar, PBM_SETRANGE32, c.low, c.high);
        SendMessageA(bar, PBM_SETPOS, c.pos, 0);
        const auto s = Progress(bar);
        if (c.filled.x >= 0) {
            EXPECT_TRUE(Green(s->At(c.filled.x, c.filled.y))) << s->At(c.filled.x, c.filled.y);
        }
        EXPECT_FALSE(Green(s->At(c.empty.x, c.empty.y))) << s->At(c.empty.x, c.empty.y);
        EXPECT_GT(Brightness(s->At(c.empty.x, c.empty.y)), Brightness(kPicture) + 90) << "trough";
    }
}

// ---- Up-down controls

TEST_F(RangeControlsTest, UpDownHalfUsesSignedPointsAndTheMiddleLineIsFirst) {
    SkinWindow();
    const struct {
        HWND RangeControlsTest::*control;
        int x, y, expected;
    } cases[] = {
        {&RangeControlsTest::upDown_, 10, 14, 0},  // 20 x 30: the middle line is y 15
        {&RangeControlsTest::upDown_, 10, 15, 0},
        {&RangeControlsTest::upDown_, 10, 16, 1},
        {&RangeControlsTest::upDown_, 10, -3, 0},     // captured mouse above the control
        {&RangeControlsTest::horzUpDown_, 20, 5, 0},  // 40 x 20: the middle line is x 20
        {&RangeControlsTest::horzUpDown_, 21, 5, 1},
        {&RangeControlsTest::horzUpDown_, -1, 5, 0},  // left of the control
    };
    for (const auto& c : cases)
        EXPECT_EQ(skin::UpDownHalfAt(this->*c.control, MAKELPARAM(c.x, c.y)), c.expected)
            << c.x << "," << c.y;
}

TEST_F(RangeControlsTest, UpDownHalvesLightUnderTheMouseAndInvertWhilePressed) {
    SkinWindow();
    const LPARAM upper = MAKELPARAM(10, 5);
    const int right = WindowSize(upDown_).cx - 3, lowY = WindowSize(upDown_).cy - 6;
    const auto plain = UpDown(upDown_, {false, false, upper});
    const auto hovered = UpDown(upDown_, {true, false, upper});
    const auto pressed = UpDown(upDown_, {false, true, upper});
    EXPECT_GT(Greenness(hovered->At(right, 4)), Greenness(plain->At(right, 4)) + 10)
        << "lit half " << hovered->At(right, 4) << " vs " << plain->At(right, 4);
    EXPECT_EQ(hovered->At(right, lowY), plain->At(right, lowY)) << "the other half stays plain";
    EXPECT_GT(Greenness(pressed->At(2, 4)), Greenness(hovered->At(2, 4)) + 10)
        << "pressed: accent on the left";
    EXPECT_GT(Brightness(pressed->At(right, 4)), Brightness(hovered->At(right, 4)) + 20)
        << "pressed: white on the right";
    const auto lower = UpDown(upDown_, {true, false, MAKELPARAM(5, lowY)});
    EXPECT_GT(Greenness(lower->At(right, lowY)), Greenness(plain->At(right, lowY)) + 10);
    EXPECT_EQ(lower->At(right, 4), plain->At(right, 4));
}

TEST_F(RangeControlsTest, UpDownRepaintsWhenTheHoveredHalfChanges) {
    SkinWindow();
    SendMessageA(upDown_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    Blacken(upDown_);
    SendMessageA(upDown_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 7));
    EXPECT_EQ(OnScreen(upDown_, 10, 20), (Rgb{0, 0, 0})) << "same half: no repaint";
    SendMessageA(upDown_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 25));
    EXPECT_NE(OnScreen(upDown_, 10, 20), (Rgb{0, 0, 0})) << "new half: repainted";
    skin::WindowRecord& r = Record();
    const auto* u = r.upDowns.At(r.upDowns.Find(upDown_));
    ASSERT_TRUE(u);
    EXPECT_EQ(u->hoveredHalf, 1);
    EXPECT_EQ(u->hovered, 1);
    SendMessageA(upDown_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(r.upDowns.At(r.upDowns.Find(upDown_))->hovered, 0);
}

// ---- Pressed looks end with the capture

TEST_F(RangeControlsTest, PressEndsWhenTheCaptureIsLost) {
    SkinWindow();
    skin::WindowRecord& r = Record();
    for (HWND w : {upDown_, header_}) {
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        const bool pressed = w == upDown_ ? r.upDowns.At(r.upDowns.Find(w))->pressed
                                          : r.headers.At(r.headers.Find(w))->pressed;
        EXPECT_TRUE(pressed);
        SetCapture(window_);  // someone else takes the mouse: no button-up comes
        ReleaseCapture();
        const bool still = w == upDown_ ? r.upDowns.At(r.upDowns.Find(w))->pressed
                                        : r.headers.At(r.headers.Find(w))->pressed;
        EXPECT_FALSE(still) << (w == upDown_ ? "up-down" : "header");
    }
}

// ---- Headers

TEST_F(RangeControlsTest, HeaderItemAtFindsItemsBySignedPoints) {
    SkinWindow();
    const struct {
        int x, y, expected;
    } cases[] = {{10, 5, 0}, {85, 5, 1}, {239, 5, 2}, {-1, 5, -1}, {250, 5, -1}, {10, -2, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(skin::HeaderItemAt(header_, MAKELPARAM(c.x, c.y)), c.expected)
            << c.x << "," << c.y;
}

// Items 80 pixels wide: Alpha (image, left), Beta (image index but no
// HDF_IMAGE, centred), Gamma (right).
TEST_F(RangeControlsTest, HeaderFacesDividerImageAndText) {
    SkinWindow();
    const auto plain = Header(header_);
    EXPECT_LT(Brightness(plain->At(79, 12)), Brightness(plain->At(70, 12)) - 30) << "divider";
    EXPECT_TRUE(Red(plain->At(12, 12))) << "Alpha's image " << plain->At(12, 12);
    for (int x = 80; x < 159; ++x) ASSERT_FALSE(Red(plain->At(x, 12))) << "no image on Beta " << x;
    EXPECT_GT(DarkPixels(*plain, 80, 160, 4, 20), 0) << "Beta's text";

    // The real pointer goes there too: a pointer elsewhere ends the hover at once.
    POINT over{120, 12};
    ClientToScreen(header_, &over);
    SetCursorPos(over.x, over.y);
    SendMessageA(header_, WM_MOUSEMOVE, 0, MAKELPARAM(120, 12));
    const auto hot = Header(header_);
    EXPECT_GT(Greenness(hot->At(84, 21)), Greenness(plain->At(84, 21)) + 15) << "hot item lit";
    EXPECT_EQ(hot->At(4, 21), plain->At(4, 21)) << "other items unchanged";

    skin::WindowRecord& r = Record();
    r.headers.At(r.headers.Find(header_))->pressed = 1;
    const auto pressed = Header(header_);
    EXPECT_GT(Greenness(pressed->At(84, 2)), Greenness(hot->At(84, 2)) + 10) << "pressed item";

    SendMessageA(header_, WM_MOUSELEAVE, 0, 0);
    r.headers.At(r.headers.Find(header_))->pressed = 0;
    const auto left = Header(header_);
    EXPECT_EQ(left->At(84, 21), plain->At(84, 21)) << "back to plain";
}

TEST_F(RangeControlsTest, HeaderTextStaysInsideItsItem) {
    SkinWindow();
    const std::string longText(50, 'W');
    SetItem(header_, 0, HDI_TEXT, 0, longText.c_str());
    SetItem(header_, 1, HDI_TEXT, 0, "");
    const auto s = Header(header_);
    EXPECT_GT(DarkPixels(*s, 60, 78, 4, 20), 0) << "trimmed text reaches the item's end";
    EXPECT_EQ(DarkPixels(*s, 81, 159, 4, 20), 0) << "and no further";

    // A hidden (zero-width) item draws nothing over the one after it.
    SetItem(header_, 1, HDI_TEXT | HDI_WIDTH, 0, "WWWWWWWWWWWW");
    SetItem(header_, 2, HDI_TEXT, 0, "G");
    const auto hidden = Header(header_);
    EXPECT_EQ(DarkPixels(*hidden, 82, 130, 4, 20), 0);
}

// A text that does not fit ends in an ellipsis: the last marks before the
// item's end are dots on the baseline, not a glyph cut in half. Both in a
// header of its own and in a list view's.
TEST_F(RangeControlsTest, NarrowedItemEndsInAnEllipsis) {
    SkinWindow();
    for (HWND w : {header_, listView_})
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    for (HWND h : {header_, listHeader_}) {
        SCOPED_TRACE(h == header_ ? "header" : "list view's header");
        SetItem(h, 0, HDI_TEXT | HDI_WIDTH, 70, "HHHHHHHHHHHHHHHHHHHHHHHH");
        const auto s = Header(h);
        const int height = s->height();
        // Text pixels: well darker than the light face (thin text is grey).
        const auto ink = [&](int x0, int x1, int y) {
            for (int x = x0; x < x1; ++x)
                if (Brightness(s->At(x, y)) < 550) return true;
            return false;
        };
        int last = -1;  // the rightmost column of the item with text in it
        for (int x = 0; x < 69; ++x)
            for (int y = 2; y < height - 2; ++y)
                if (ink(x, x + 1, y)) last = x;
        ASSERT_GT(last, 40) << "the text does not reach the item's end";
        // The dots sit on the baseline; an H cut in half would stand as tall as an H.
        int top = height, bottom = 0;
        for (int y = 2; y < height - 2; ++y)
            if (ink(last - 8, last + 1, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        EXPECT_LE(bottom - top, 3) << "the end of the text is not dots";
        int tallest = 0;  // a whole letter H, to compare with
        for (int y = 2; y < height - 2; ++y) tallest += ink(2, 30, y);
        EXPECT_GT(tallest, bottom - top + 4);
    }
}

// The header right of its last item is skinned like an item at rest, in both
// kinds of header.
TEST_F(RangeControlsTest, HeaderRightOfTheLastItemIsSkinned) {
    SkinWindow();
    for (int i = 0; i < 3; ++i) SetItem(header_, i, HDI_WIDTH, 60, nullptr);
    const auto s = Header(header_);
    for (int y : {2, s->height() - 3}) {
        EXPECT_NE(s->At(210, y), (Rgb{255, 255, 255})) << "plain white right of the last item";
        EXPECT_EQ(s->At(210, y), s->At(130, y)) << "not like an item at rest, row " << y;
    }
    RECT client{};
    GetClientRect(listHeader_, &client);
    ASSERT_GT(client.right, 120) << "the list view's header spans the list";
    const auto list = Header(listHeader_);
    EXPECT_EQ(list->At(client.right - 5, 2), list->At(20, 2));
}

TEST_F(RangeControlsTest, HeaderReadsTextsLongerThanTheFirstBuffer) {
    SkinWindow();
    const std::string text(400, 'x');
    SetItem(header_, 2, HDI_TEXT, 0, text.c_str());
    EXPECT_EQ(skin::HeaderItemText(header_, 2), text);
    EXPECT_EQ(skin::HeaderItemText(header_, 0), "Alpha");
    EXPECT_TRUE(skin::PaintHeader(header_));
}

TEST_F(RangeControlsTest, HeaderLeavesTheProgramsImageListAlone) {
    SkinWindow();
    DestroyWindow(header_);
    EXPECT_EQ(ImageList_GetImageCount(images_), 1) << "the image list was destroyed";
}

// ---- What reaches the procedures the skin replaced

TEST_F(RangeControlsTest, PaintMessagesStopAtTheSkinMouseMessagesGoOn) {
    SkinWindow();
    for (HWND w : {selTrackbar_, progress_, upDown_, header_}) {
        SCOPED_TRACE(w == selTrackbar_ ? "trackbar"
                     : w == progress_  ? "progress"
                     : w == upDown_    ? "up-down"
                                       : "header");
        recorder_.Clear();
        EXPECT_EQ(SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(nullptr)), 0), 1);
        SendMessageA(w, WM_NCPAINT, 1, 0);
        InvalidateRect(w, nullptr, FALSE);
        UpdateWindow(w);
        EXPECT_FALSE(Reached(recorder_, w, WM_NCPAINT));
        EXPECT_FALSE(Reached(recorder_, w, WM_ERASEBKGND));
        EXPECT_FALSE(Reached(recorder_, w, WM_PAINT));
    }
    recorder_.Clear();
    SendMessageA(upDown_, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageA(upDown_, WM_MOUSELEAVE, 0, 0);
    EXPECT_SEQUENCE(recorder_, upDown_, {{WM_MOUSEMOVE, kAnyParams}, {WM_MOUSELEAVE}});
    for (HWND w : {selTrackbar_, header_}) {
        recorder_.Clear();
        SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMessageA(w, WM_MOUSELEAVE, 0, 0);
        EXPECT_TRUE(Reached(recorder_, w, WM_MOUSEMOVE));
        EXPECT_TRUE(Reached(recorder_, w, WM_MOUSELEAVE));
    }
}

}  // namespace
}  // namespace range_test
