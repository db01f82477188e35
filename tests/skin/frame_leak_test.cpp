// Thousands of renders, paints and skinned windows must leave private memory
// and the number of live GDI objects where they were.
#include <gtest/gtest.h>

#include <cstdio>

#include "skin/core/frame_painter.h"
#include "skin/window/button_skin.h"
#include "tests/skin/frame_fixture.h"

using namespace frame_test;

namespace {

constexpr int kRounds = 10000;
// Heaps grow in steps and keep what they once touched; one leaked frame bitmap
// per render would be 150 KB a round, a leaked brush or path a few hundred bytes.
constexpr long long kAllowedGrowth = 2 * 1024 * 1024;

class FrameLeaks : public SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        recordMessages = false;
    }
    struct Figures {
        long long bytes;
        int gdi;
    };
    static Figures Now() { return {PrivateBytes(), LiveGdiObjects()}; }
    static void Report(const char* what, const Figures& before, const Figures& after) {
        std::printf(
            "[ figures  ] %s: private bytes %lld -> %lld (%+lld), GDI objects %d -> %d (%+d)\n",
            what, before.bytes, after.bytes, after.bytes - before.bytes, before.gdi, after.gdi,
            after.gdi - before.gdi);
    }
    HWND HiddenMainLike() {
        HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU, 260, 150);
        skin::ApplySkin(w, MainOptions());
        skin::FullFrameRender(skin::FindWindowIndex(w), nullptr, false);
        return w;
    }
};

// The measures must see what is really kept, or the checks below prove nothing.
TEST_F(FrameLeaks, MemoryMeasureSeesHeldMemory) {
    const long long before = PrivateBytes();
    std::vector<std::vector<char>> held(64, std::vector<char>(64 * 1024, 1));
    EXPECT_GT(PrivateBytes() - before, 3 * 1024 * 1024);
}

TEST_F(FrameLeaks, GdiObjectCounterSeesObjectsComeAndGo) {
    const int before = LiveGdiObjects();
    std::vector<HGDIOBJ> made;
    for (int i = 0; i < 50; ++i) made.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    for (int i = 0; i < 20; ++i) made.push_back(CreateCompatibleDC(nullptr));
    EXPECT_EQ(LiveGdiObjects(), before + 70);
    for (int i = 0; i < 50; ++i) DeleteObject(made[i]);
    for (int i = 50; i < 70; ++i) DeleteDC(static_cast<HDC>(made[i]));
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(FrameLeaks, TenThousandFullRenders) {
    HWND w = HiddenMainLike();
    const int index = skin::FindWindowIndex(w);
    for (int i = 0; i < 50; ++i) skin::FullFrameRender(index, nullptr, false);
    const Figures before = Now();
    for (int i = 0; i < kRounds; ++i) skin::FullFrameRender(index, nullptr, false);
    const Figures after = Now();
    Report("10,000 full renders", before, after);
    EXPECT_LT(after.bytes - before.bytes, kAllowedGrowth);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_TRUE(Near(PixelAt(FrameDc(w), 130, 75), kPicture, 1)) << "the last render is not intact";
}

TEST_F(FrameLeaks, TenThousandPushButtonPaints) {
    HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU, 260, 150);
    HWND button = CreateWindowExA(0, "BUTTON", "亮度恢复", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  80, 70, 100, 28, w, nullptr, GetModuleHandleA(nullptr), nullptr);
    skin::ApplySkin(w, MainOptions());
    skin::FullFrameRender(1, nullptr, false);
    ASSERT_GT(skin::FindButtonRecord(1, button), 0);
    const RECT rect{0, 0, 100, 28};
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 28);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(target, bitmap);
    const UINT states[] = {0, ODS_SELECTED, ODS_FOCUS, ODS_DISABLED};
    for (int i = 0; i < 50; ++i) skin::PaintPushButton(button, target, states[i % 4], rect);
    // Something was painted: the button face is not the bare picture.
    SetPixel(target, 50, 14, RGB(1, 2, 3));
    skin::PaintPushButton(button, target, 0, rect);
    EXPECT_NE(GetPixel(target, 50, 14), RGB(1, 2, 3));

    const Figures before = Now();
    for (int i = 0; i < kRounds; ++i) skin::PaintPushButton(button, target, states[i % 4], rect);
    const Figures after = Now();
    Report("10,000 push-button paints", before, after);
    EXPECT_LT(after.bytes - before.bytes, kAllowedGrowth);
    EXPECT_EQ(after.gdi, before.gdi);
    SelectObject(target, old);
    DeleteObject(bitmap);
    DeleteDC(target);
}

// Everything a skinned window holds goes when it is destroyed.
TEST_F(FrameLeaks, SkinnedWindowsThatComeAndGoLeaveNothingBehind) {
    auto once = [this] {
        HWND w = HiddenMainLike();
        // A hover and a press make the partial redraws run as well.
        SendMouse(w, WM_MOUSEMOVE, 204, 10);
        SendMouse(w, WM_LBUTTONDOWN, 204, 10, MK_LBUTTON);
        SendMouse(w, WM_MOUSEMOVE, 100, 60, MK_LBUTTON);
        SendMouse(w, WM_LBUTTONUP, 100, 60);
        DestroyWindow(w);
    };
    for (int i = 0; i < 3; ++i) once();
    const Figures before = Now();
    for (int i = 0; i < 200; ++i) once();
    const Figures after = Now();
    Report("200 skinned windows created and destroyed", before, after);
    EXPECT_EQ(skin::Table().Count(), 0);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_LT(after.bytes - before.bytes, kAllowedGrowth);
}

}  // namespace
