// The skinned main window as a user sees it: shape, picture, border, title,
// caption buttons (normal, hover fade, pressed) and bottom bar, probed in the
// cached frame image and on the window itself.
#include <gtest/gtest.h>

#include "gfx/gfx.h"
#include "resources/embedded.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/window_proc.h"
#include "tests/skin/frame_fixture.h"
#include "tests/support/win_test.h"

using namespace frame_test;

namespace {

constexpr int W = 260, H = 150;
// The main window's caption strip: 69 wide, ending one pixel past the client.
constexpr int kStripX = W - 69 + 1;
constexpr int kX0 = kStripX + 2;  // the main-menu button's hit rectangle
constexpr RECT kMenuBox{kX0 - 1, 1, kX0 - 1 + 26, 19};
constexpr RECT kCloseBox{kX0 + 27 - 1, 1, kX0 + 27 - 1 + 38, 19};
// Title box with the border width 3: x 9, y 4, W - strip - 16 wide, 32 high.
constexpr RECT kTitleBox{9, 4, 9 + W - 69 - 16, 36};

const Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kGrey{128, 128, 128};

int CountPixels(HDC dc, const RECT& box, bool (*match)(const Rgb&)) {
    int n = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) n += match(PixelAt(dc, x, y));
    return n;
}

std::vector<Rgb> Pixels(HDC dc, const RECT& box) {
    std::vector<Rgb> out;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) out.push_back(PixelAt(dc, x, y));
    return out;
}

Rgb Average(HDC dc, const RECT& box) {
    long long r = 0, g = 0, b = 0, n = 0;
    for (const Rgb& c : Pixels(dc, box)) r += c.r, g += c.g, b += c.b, ++n;
    return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
}

bool IsWhite(const Rgb& c) { return c.r >= 230 && c.g >= 230 && c.b >= 230; }
bool IsHalo(const Rgb& c) { return Near(c, Blend(kGrey, 150, kPicture), 16); }
bool IsRed(const Rgb& c) { return c.r > c.g + 60 && c.r > c.b + 60; }

class FrameLook : public SkinnedWindowTest {};

TEST_F(FrameLook, WindowShapeHasRoundedCornersOfAFiveByFiveEllipse) {
    HWND w = MainLikeWindow();
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(w, rgn), ERROR);
    RECT box;
    GetRgnBox(rgn, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, W);
    EXPECT_EQ(box.bottom, H);
    const POINT outside[] = {{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}};
    const POINT inside[] = {{3, 3}, {W - 4, 3}, {3, H - 4}, {W - 4, H - 4}, {0, H / 2}, {W / 2, 0}};
    for (POINT p : outside) EXPECT_FALSE(PtInRegion(rgn, p.x, p.y)) << p.x << "," << p.y;
    for (POINT p : inside) EXPECT_TRUE(PtInRegion(rgn, p.x, p.y)) << p.x << "," << p.y;
    DeleteObject(rgn);
}

TEST_F(FrameLook, PictureIsStretchedUnderTheWholeClientArea) {
    HWND w = MainLikeWindow();
    HDC frame = FrameDc(w);
    ASSERT_NE(frame, nullptr);
    // Points away from title, buttons, border and bar.
    const POINT interior[] = {{60, 60}, {130, 75}, {200, 100}, {10, 115}, {250, 40}, {5, 50}};
    for (POINT p : interior)
        EXPECT_TRUE(Near(PixelAt(frame, p.x, p.y), kPicture, 1)) << p.x << "," << p.y;
    // And the window shows the same image.
    HDC screen = GetDC(w);
    for (POINT p : interior)
        EXPECT_EQ(PixelAt(screen, p.x, p.y), PixelAt(frame, p.x, p.y)) << p.x << "," << p.y;
    ReleaseDC(w, screen);
}

TEST_F(FrameLook, BorderIsADarkOuterLineAndALightInnerLine) {
    HWND w = MainLikeWindow();
    HDC frame = FrameDc(w);
    ASSERT_NE(frame, nullptr);
    struct Edge {
        const char* name;
        POINT outer, inner, inside;
    };
    const Edge edges[] = {
        {"left", {0, H / 2}, {1, H / 2}, {2, H / 2}},
        {"right", {W - 1, H / 2}, {W - 2, H / 2}, {W - 3, H / 2}},
        {"top", {W / 2, 0}, {W / 2, 1}, {W / 2, 2}},
        {"bottom", {W / 2, H - 1}, {W / 2, H - 2}, {W / 2, H - 3}},
    };
    const Rgb dark = Blend(kBlack, 180, kPicture);
    for (const Edge& e : edges) {
        SCOPED_TRACE(e.name);
        const Rgb outer = PixelAt(frame, e.outer.x, e.outer.y);
        const Rgb inner = PixelAt(frame, e.inner.x, e.inner.y);
        EXPECT_TRUE(Near(outer, dark, 4)) << outer << " want " << dark;
        // White at 180 over whatever lies below (the picture or the dark line).
        EXPECT_GE(std::min({inner.r, inner.g, inner.b}), 175) << inner;
        EXPECT_TRUE(Near(PixelAt(frame, e.inside.x, e.inside.y), kPicture, 1));
    }
}

TEST_F(FrameLook, TitleIsWhiteTextWithAGreyHaloOnlyWhenAskedFor) {
    struct Case {
        const char* label;
        bool drawTitle;
        const char* face;  // nullptr: the skin's own
        bool expectText;
    };
    // A face that is not there (as the skin's Chinese face name is on another
    // code page) still gives a title, in the generic face.
    const Case cases[] = {{"drawCaptionTitle 1", true, nullptr, true},
                          {"drawCaptionTitle 0", false, nullptr, false},
                          {"face not installed", true, "NoSuchFace Tovik", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU, W, H, "WWWW Tovik");
        skin::ApplySkinOptions o = MainOptions();
        o.drawCaptionTitle = c.drawTitle;
        SkinAndShow(w, o);
        if (c.face) {
            RecordOf(w)->titleFontName = c.face;
            skin::FullFrameRender(skin::FindWindowIndex(w), nullptr, false);
        }
        HDC frame = FrameDc(w);
        ASSERT_NE(frame, nullptr);
        const int white = CountPixels(frame, kTitleBox, IsWhite);
        const int halo = CountPixels(frame, kTitleBox, IsHalo);
        if (c.expectText) {
            EXPECT_GE(white, 30);
            EXPECT_GE(halo, 30);
        } else {
            EXPECT_EQ(white, 0);
            EXPECT_EQ(halo, 0);
        }
        DestroyWindow(w);
    }
}

TEST_F(FrameLook, MainWindowCaptionHasMenuAndCloseButtonsOnly) {
    HWND w = MainLikeWindow();
    skin::WindowRecord* r = RecordOf(w);
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->CaptionButtonCount(), 3);  // blank, main menu, close
    EXPECT_EQ(r->CaptionAt(1)->width, 0);
    EXPECT_EQ(r->CaptionAt(2)->command, skin::kMainMenu);
    EXPECT_EQ(r->CaptionAt(3)->command, skin::kClose);
    EXPECT_EQ(r->stripWidth, 69);
    EXPECT_EQ(r->stripX, kStripX);
    EXPECT_EQ(r->CaptionAt(2)->hit.x, kX0);
    EXPECT_EQ(r->CaptionAt(2)->hit.width, 26);
    EXPECT_EQ(r->CaptionAt(3)->hit.x, kX0 + 27);
    EXPECT_EQ(r->CaptionAt(3)->hit.width, 40);

    // Hit testing is strict on every side.
    struct Probe {
        int x, y, position;
    };
    const int index = skin::FindWindowIndex(w);
    const Probe probes[] = {
        {kX0 + 1, 10, 2},  {kX0 + 25, 10, 2}, {kX0, 10, 0},         {kX0 + 26, 10, 0},
        {kX0 + 28, 10, 3}, {W - 1, 10, 3},    {kX0 + 13, 1, 0},     {kX0 + 13, 2, 2},
        {kX0 + 13, 19, 0}, {kX0 + 13, 18, 2}, {kStripX - 1, 10, 0}, {100, 10, 0},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(skin::CaptionButtonHitTest(index, p.x, p.y), p.position) << p.x << "," << p.y;

    // Both glyphs are drawn; left of the strip there is only the picture.
    HDC frame = FrameDc(w);
    EXPECT_GT(CountPixels(frame, kMenuBox, IsWhite), 10);
    EXPECT_GT(CountPixels(frame, kCloseBox, IsWhite), 10);
    EXPECT_TRUE(Near(PixelAt(frame, kStripX - 6, 12), kPicture, 1));
}

TEST_F(FrameLook, BottomBarIsOneLightGradientPanel25High) {
    HWND w = MainLikeWindow();
    HDC frame = FrameDc(w);
    ASSERT_NE(frame, nullptr);
    const int top = H - 3 - 25 - 1;
    const int x = W / 2;
    EXPECT_TRUE(Near(PixelAt(frame, x, top - 1), kPicture, 1));
    EXPECT_TRUE(Near(PixelAt(frame, x, top + 25), kPicture, 1));
    EXPECT_TRUE(Near(PixelAt(frame, x, top), Blend(kWhite, 60, kPicture), 4))
        << PixelAt(frame, x, top);
    EXPECT_TRUE(Near(PixelAt(frame, x, top + 24), Blend(kWhite, 12, kPicture), 4))
        << PixelAt(frame, x, top + 24);
    // Lighter at the top, fading down, across the bar's width.
    for (int px : {4, x, W - 10}) {
        SCOPED_TRACE(px);
        EXPECT_GT(Brightness(PixelAt(frame, px, top)), Brightness(PixelAt(frame, px, top + 12)));
        EXPECT_GT(Brightness(PixelAt(frame, px, top + 12)),
                  Brightness(PixelAt(frame, px, top + 24)));
        EXPECT_GT(Brightness(PixelAt(frame, px, top + 24)), Brightness(kPicture));
    }
}

TEST_F(FrameLook, HoverFadesInOverEightStepsThenOutAndTheTimerStops) {
    HWND w = MainLikeWindow();
    skin::WindowRecord* r = RecordOf(w);
    HDC frame = FrameDc(w);
    ASSERT_NE(frame, nullptr);
    const std::vector<Rgb> normal = Pixels(frame, kMenuBox);
    // A point of the box the glyph leaves free, where the accent shows.
    const POINT probe{kMenuBox.left + 2, kMenuBox.top + 3};
    const Rgb before = PixelAt(frame, probe.x, probe.y);

    SendMouse(w, WM_MOUSEMOVE, kX0 + 10, 10);
    SendMessageA(w, WM_MOUSEHOVER, 0, MAKELPARAM(kX0 + 10, 10));
    EXPECT_TRUE(r->hoverTimerRunning);
    EXPECT_EQ(r->hotButton, 2);
    std::vector<Rgb> steps;
    for (int i = 1; i <= 9; ++i) {
        SendMessageA(w, WM_TIMER, reinterpret_cast<WPARAM>(w), 0);
        steps.push_back(PixelAt(frame, probe.x, probe.y));
    }
    EXPECT_NE(steps[0], before) << "step 1 shows no highlight";
    EXPECT_NE(steps[6], steps[7]) << "step 8 did not go on to full strength";
    EXPECT_EQ(steps[7], steps[8]) << "the fade went past step 8";
    EXPECT_GT(steps[7].g, before.g + 40) << "full strength is not the accent colour: " << steps[7];
    EXPECT_TRUE(r->hoverTimerRunning);

    // The cursor leaves the window: eight steps back to the normal look.
    SendMessageA(w, WM_MOUSELEAVE, 0, 0);
    for (int i = 1; i <= 7; ++i) SendMessageA(w, WM_TIMER, reinterpret_cast<WPARAM>(w), 0);
    EXPECT_TRUE(r->hoverTimerRunning) << "stopped before the fade-out finished";
    SendMessageA(w, WM_TIMER, reinterpret_cast<WPARAM>(w), 0);
    EXPECT_FALSE(r->hoverTimerRunning);
    EXPECT_EQ(r->hotButton, 0);
    EXPECT_EQ(Pixels(frame, kMenuBox), normal) << "the button does not look as before the hover";

    // The system timer is gone too: nothing arrives any more.
    testing_support::PumpUntilIdle(100);
    Sleep(60);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, w, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(FrameLook, PressedCloseIsRedAndPressedMenuIsDark) {
    HWND w = MainLikeWindow();
    HDC frame = FrameDc(w);
    ASSERT_NE(frame, nullptr);
    const Rgb menuBefore = Average(frame, kMenuBox);
    EXPECT_LT(CountPixels(frame, kCloseBox, IsRed), 5);

    SendMouse(w, WM_LBUTTONDOWN, kX0 + 27 + 10, 10, MK_LBUTTON);
    const int area = (kCloseBox.right - kCloseBox.left) * (kCloseBox.bottom - kCloseBox.top);
    EXPECT_GT(CountPixels(frame, kCloseBox, IsRed), area / 4);
    // The user sees it at once, not at the next paint.
    HDC screen = GetDC(w);
    EXPECT_EQ(PixelAt(screen, kCloseBox.left + 3, 4), PixelAt(frame, kCloseBox.left + 3, 4));
    ReleaseDC(w, screen);

    SendMouse(w, WM_MOUSEMOVE, 100, 60, MK_LBUTTON);  // off the buttons: no click
    SendMouse(w, WM_LBUTTONDOWN, kX0 + 10, 10, MK_LBUTTON);
    const Rgb menuPressed = Average(frame, kMenuBox);
    EXPECT_LT(Brightness(menuPressed), Brightness(menuBefore) - 15)
        << menuPressed << " vs " << menuBefore;
    EXPECT_LT(CountPixels(frame, kMenuBox, IsRed), 5);
    SendMouse(w, WM_MOUSEMOVE, 100, 60, MK_LBUTTON);
    SendMouse(w, WM_LBUTTONUP, 100, 60);
    EXPECT_TRUE(IsWindow(w));
}

// The application's own picture: a 1024 x 640 photograph stretched to 260 x 150.
TEST_F(FrameLook, EmbeddedBackgroundIsStretchedOverTheWindow) {
    skin::SkinInitOptions init;
    init.imageData = {res::background_jpg.data, res::background_jpg.size};
    init.accentColour = kAccent;
    init.imageMode = 3;
    skin::InitSkin(init);
    HWND w = MainLikeWindow();
    HDC frame = FrameDc(w);
    ASSERT_NE(frame, nullptr);

    gfx::GfxBitmap photo;
    ASSERT_TRUE(photo.LoadFromBytes(
        std::span<const std::uint8_t>(res::background_jpg.data, res::background_jpg.size)));
    ASSERT_EQ(photo.GetWidth(), 1024);
    ASSERT_EQ(photo.GetHeight(), 640);
    // Blocks of the window against the blocks of the photograph they come from.
    const RECT blocks[] = {{20, 50, 60, 100}, {110, 50, 170, 100}, {200, 40, 240, 90}};
    for (const RECT& b : blocks) {
        long long r = 0, g = 0, bl = 0, n = 0;
        for (int y = b.top * 640 / H; y < b.bottom * 640 / H; y += 2)
            for (int x = b.left * 1024 / W; x < b.right * 1024 / W; x += 2) {
                const COLORREF c = skin::FromArgb(photo.GetPixel(x, y));
                r += GetRValue(c), g += GetGValue(c), bl += GetBValue(c), ++n;
            }
        const Rgb want{static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(bl / n)};
        const Rgb got = Average(frame, b);
        EXPECT_TRUE(Near(got, want, 10))
            << "block at " << b.left << "," << b.top << ": " << got << " want " << want;
    }
}

}  // namespace
