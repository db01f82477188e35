// Renders, paints and skinned windows must leave the number of live GDI
// objects exactly where it was, and a second batch of rounds must not grow
// private memory (a leak grows every batch; warming up only the first).
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "skin/frame/frame_painter.h"
#include "skin/controls/button_skin.h"
#include "tests/skin/frame_fixture.h"

using namespace frame_test;

namespace {

// GDI counts are exact; a leaked brush or path of a few hundred bytes a round
// shows in a batch of this size as more than the slack.
constexpr int kRounds = 150;
using testing_support::Growth;
using testing_support::kMemorySlack;
using testing_support::MeasureGrowth;

class FrameLeaks : public SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        recordMessages = false;
    }
    static void Expect(const char* what, const Growth& g) {
        std::printf("[ figures  ] %s: private bytes %+lld then %+lld, GDI objects %+d then %+d\n",
                    what, g.firstBytes, g.secondBytes, g.firstGdi, g.secondGdi);
        EXPECT_EQ(g.firstGdi, 0) << what;
        EXPECT_EQ(g.secondGdi, 0) << what;
        EXPECT_LT(g.secondBytes, kMemorySlack) << what;
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

// A leak of a few hundred bytes a round, as a forgotten GDI+ path or brush would
// leave, shows in the second batch.
TEST_F(FrameLeaks, SecondBatchShowsASmallLeak) {
    std::vector<std::unique_ptr<char[]>> kept;
    const Growth g = MeasureGrowth(kRounds, [&] { kept.emplace_back(new char[400]()); });
    EXPECT_GE(g.secondBytes, kMemorySlack);
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

TEST_F(FrameLeaks, FullRenders) {
    HWND w = HiddenMainLike();
    const int index = skin::FindWindowIndex(w);
    // Every other render at a new size, so the picture is laid out again too.
    int round = 0;
    Expect("full renders", MeasureGrowth(kRounds, [&] {
               SetWindowPos(w, nullptr, 0, 0, 260 + (++round % 2), 150,
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
               skin::FullFrameRender(index, nullptr, false);
           }));
    SetWindowPos(w, nullptr, 0, 0, 260, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    skin::FullFrameRender(index, nullptr, false);
    EXPECT_TRUE(Near(PixelAt(FrameDc(w), 130, 75), kPicture, 1)) << "the last render is not intact";
}

TEST_F(FrameLeaks, PushButtonPaints) {
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

    int round = 0;
    Expect("push-button paints", MeasureGrowth(kRounds, [&] {
               skin::PaintPushButton(button, target, states[++round % 4], rect);
           }));
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
    Expect("skinned windows created and destroyed", MeasureGrowth(100, once));
    EXPECT_EQ(skin::Table().Count(), 0);
}

}  // namespace
