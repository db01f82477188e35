// Size changes at the cost they must have: the picture is laid out once per
// window size (and once per process for windows of the same size), a live
// resize lays it out the fast way and ends on the full-quality picture, a size
// step renders, reshapes and paints every part of the window once, and what a
// control captures after a size change is the picture at the new size.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "gfx/gfx.h"
#include "resources/embedded.h"
#include "skin/frame/frame_painter.h"
#include "skin/base/frame_background.h"
#include "skin/base/background.h"
#include "skin/frame/frame_layout.h"
#include "tests/skin/frame_fixture.h"
#include "tests/support/win_test.h"

using namespace frame_test;

namespace {

using testing_support::PumpUntilIdle;

constexpr DWORD kCaptioned = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

void Resize(HWND w, int width, int height) {
    SetWindowPos(w, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpUntilIdle(300);
}

skin::PaintCounters Now() { return skin::Counters(); }

void UseEmbeddedPicture() {
    skin::SkinInitOptions init;
    init.imageData = {res::background_jpg.data, res::background_jpg.size};
    init.accentColour = kAccent;
    init.imageMode = 3;
    skin::InitSkin(init);
}

HWND Child(HWND parent, const char* cls, DWORD style, int x, int y, int w, int h, DWORD ex = 0) {
    return CreateWindowExA(ex, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class FrameSizes : public SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
    }
    HWND Captioned(int width = 400, int height = 300) {
        HWND w = CreateTopLevel(kCaptioned, width, height, "sizes");
        return w;
    }
};

TEST_F(FrameSizes, ThePictureIsLaidOutOncePerSize) {
    HWND w = Captioned();
    HWND child = Child(w, "STATIC", 0, 20, 20, 60, 30);
    SkinAndShow(w, MainOptions());
    const int index = skin::FindWindowIndex(w);
    const SIZE sizes[] = {{420, 310}, {380, 290}, {500, 360}, {420, 310}};
    for (const SIZE s : sizes) {
        SCOPED_TRACE(std::to_string(s.cx) + " x " + std::to_string(s.cy));
        const skin::PaintCounters before = Now();
        Resize(w, s.cx, s.cy);
        // Whatever else repaints or renders at this size scales nothing again.
        RedrawWindow(w, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        skin::FullFrameRender(index, nullptr, true);
        skin::FullFrameRender(index, nullptr, false);
        HDC capture = skin::CaptureBackground(child, {0, 0, 60, 30});
        EXPECT_NE(capture, nullptr);
        skin::ReleaseBackground(capture);
        PumpUntilIdle(100);
        EXPECT_EQ(Now().fullLayouts - before.fullLayouts, 1);
        EXPECT_EQ(Now().fastLayouts - before.fastLayouts, 0);
    }

    // A second window of the same size shares the picture; a new skin picture is
    // laid out once for both of them.
    HWND second = Captioned();
    SkinAndShow(second, MainOptions());
    const skin::PaintCounters before = Now();
    Resize(second, 420, 310);
    EXPECT_EQ(Now().fullLayouts - before.fullLayouts, 0);
    EXPECT_EQ(RecordOf(second)->background, RecordOf(w)->background);
    UseEmbeddedPicture();
    PumpUntilIdle(100);
    EXPECT_EQ(Now().fullLayouts - before.fullLayouts, 1);
    // The caption buttons' images are decoded once for the process.
    for (int p = 2; p <= RecordOf(w)->CaptionButtonCount(); ++p)
        EXPECT_EQ(RecordOf(w)->CaptionAt(p)->decoded, RecordOf(second)->CaptionAt(p)->decoded) << p;
}

TEST_F(FrameSizes, ALiveResizeScalesFastAndEndsOnTheFullQualityPicture) {
    UseEmbeddedPicture();
    HWND w = Captioned();
    SkinAndShow(w, MainOptions());
    const skin::PaintCounters before = Now();
    SendMessageA(w, WM_ENTERSIZEMOVE, 0, 0);
    for (int step = 1; step <= 3; ++step) Resize(w, 400 + 10 * step, 300 + 7 * step);
    EXPECT_EQ(Now().fastLayouts - before.fastLayouts, 3);
    EXPECT_EQ(Now().fullLayouts - before.fullLayouts, 0);
    EXPECT_EQ(RecordOf(w)->background->quality(), skin::StretchQuality::kFast);

    // Where the drag ends: one full-quality picture, and every pixel repainted.
    RECT client{};
    GetClientRect(w, &client);
    HDC screen = GetDC(w);
    SetPixel(screen, client.right / 2, client.bottom / 2, RGB(255, 0, 255));
    ReleaseDC(w, screen);
    SendMessageA(w, WM_EXITSIZEMOVE, 0, 0);
    PumpUntilIdle(300);
    EXPECT_EQ(Now().fullLayouts - before.fullLayouts, 1);
    EXPECT_EQ(RecordOf(w)->background->quality(), skin::StretchQuality::kFull);
    HWND fresh = Captioned();  // never resized live: the full-quality look
    SkinAndShow(fresh, MainOptions());
    Resize(fresh, 430, 321);
    const POINT o = {40, 150};
    EXPECT_EQ(PixelAt(FrameDc(w), o.x, o.y), PixelAt(FrameDc(fresh), o.x, o.y));
    screen = GetDC(w);
    const POINT origin = skin::ClientToFrame(w, {client.right / 2, client.bottom / 2});
    EXPECT_EQ(PixelAt(screen, client.right / 2, client.bottom / 2),
              PixelAt(FrameDc(w), origin.x, origin.y))
        << "the window was not repainted at full quality";
    ReleaseDC(w, screen);
}

// Sent and posted paint messages of every window of one thread, by window.
struct PaintCount {
    int nonClient = 0, client = 0;
};
std::map<HWND, PaintCount>* counting = nullptr;

LRESULT CALLBACK CountSent(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code >= 0 && counting && m->message == WM_NCPAINT) ++(*counting)[m->hwnd].nonClient;
    if (code >= 0 && counting && m->message == WM_PAINT) ++(*counting)[m->hwnd].client;
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK CountPosted(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const MSG*>(lp);
    if (code >= 0 && counting && wp == PM_REMOVE && m->message == WM_PAINT)
        ++(*counting)[m->hwnd].client;
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(FrameSizes, ASizeStepRendersReshapesAndPaintsEachPartOnce) {
    HWND w = Captioned();
    struct Part {
        const char* name;
        HWND window;
        bool nonClient;  // has a non-client area of its own
    } parts[] = {
        {"edit with an edge", Child(w, "EDIT", 0, 10, 10, 120, 24, WS_EX_CLIENTEDGE), true},
        {"list box with a bar", Child(w, "LISTBOX", WS_VSCROLL | WS_BORDER, 10, 40, 120, 80), true},
        {"trackbar", Child(w, TRACKBAR_CLASSA, 0, 150, 10, 120, 30), false},
        {"header", Child(w, WC_HEADERA, HDS_BUTTONS, 150, 50, 120, 22), false},
        {"push button", Child(w, "BUTTON", BS_PUSHBUTTON, 150, 80, 80, 26), false},
    };
    SkinAndShow(w, MainOptions());
    HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, CountSent, nullptr, GetCurrentThreadId());
    HHOOK posted = SetWindowsHookExA(WH_GETMESSAGE, CountPosted, nullptr, GetCurrentThreadId());
    for (const SIZE s : {SIZE{430, 320}, SIZE{390, 280}}) {  // larger, then smaller
        SCOPED_TRACE(std::to_string(s.cx) + " x " + std::to_string(s.cy));
        std::map<HWND, PaintCount> counts;
        const skin::PaintCounters before = Now();
        counting = &counts;
        Resize(w, s.cx, s.cy);
        counting = nullptr;
        EXPECT_EQ(Now().frameRenders - before.frameRenders, 1);
        EXPECT_EQ(Now().reshapes - before.reshapes, 1);
        EXPECT_EQ(counts[w].nonClient, 1) << "the caption and borders";
        EXPECT_EQ(counts[w].client, 1);
        for (const Part& p : parts) {
            EXPECT_EQ(counts[p.window].client, 1) << p.name;
            EXPECT_EQ(counts[p.window].nonClient, p.nonClient ? 1 : 0) << p.name;
        }
    }
    UnhookWindowsHookEx(sent);
    UnhookWindowsHookEx(posted);
}

// The picture the frame painter lays out at this size, drawn independently.
gfx::GfxBitmap StretchedPicture(int width, int height) {
    gfx::GfxBitmap photo, out;
    photo.LoadFromBytes({res::background_jpg.data, res::background_jpg.size});
    out.Create(width, height, PixelFormat32bppPARGB);
    gfx::GfxGraphics g;
    g.FromImage(out);
    g.DrawImageStretchedI(photo, 0, 0, width, height);
    return out;
}

TEST_F(FrameSizes, AControlCapturedAfterASizeChangeShowsThePictureAtTheNewSize) {
    UseEmbeddedPicture();
    HWND w = Captioned(400, 300);
    HWND control = Child(w, "STATIC", 0, 60, 40, 90, 50);
    SkinAndShow(w, MainOptions());
    const RECT rect{0, 0, 90, 50};
    auto capture = [&] {
        std::vector<Rgb> pixels;
        HDC dc = skin::CaptureBackground(control, rect);
        EXPECT_NE(dc, nullptr);
        if (!dc) return pixels;
        for (int y = 0; y < rect.bottom; ++y)
            for (int x = 0; x < rect.right; ++x) pixels.push_back(PixelAt(dc, x, y));
        skin::ReleaseBackground(dc);
        return pixels;
    };
    const std::vector<Rgb> before = capture();
    Resize(w, 520, 380);
    const std::vector<Rgb> after = capture();
    EXPECT_NE(after, before) << "the capture still shows the picture at the old size";

    RECT window{}, own{};
    GetWindowRect(w, &window);
    GetWindowRect(control, &own);
    gfx::GfxBitmap want = StretchedPicture(window.right - window.left, window.bottom - window.top);
    int mismatches = 0;
    for (int y = 0; y < rect.bottom && mismatches < 5; ++y)
        for (int x = 0; x < rect.right && mismatches < 5; ++x) {
            const Rgb expected = FromColorref(skin::FromArgb(
                want.GetPixel(own.left - window.left + x, own.top - window.top + y)));
            const Rgb got = after[static_cast<std::size_t>(y * rect.right + x)];
            if (got != expected) {
                ++mismatches;
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << got << ", the picture at "
                              << "the new size has " << expected;
            }
        }
}

}  // namespace
