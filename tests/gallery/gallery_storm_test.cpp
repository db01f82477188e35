// Every skinned control of the gallery, found by its skin procedure property
// (so controls added to the gallery later are taken too), under 20,000 random
// messages from a list of harmless ones, and through a few hundred hover and
// focus repaints each: no crash, and GDI and USER objects where they started.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "gallery/gallery.h"
#include "skin/base/window_table.h"
#include "tests/support/leak_check.h"
#include "tests/support/win_test.h"

namespace {

using testing_support::LiveGdiObjects;
using testing_support::LiveUserObjects;
using testing_support::MeasureGrowth;
using testing_support::PumpUntilIdle;

bool IsSkinnedControl(HWND w) {
    return (GetPropA(w, "Hw_hProc") || GetPropA(w, "Kj_hProc")) && GetParent(w) != nullptr;
}

BOOL CALLBACK CollectVisible(HWND w, LPARAM lp) {
    if (IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

BOOL CALLBACK CollectSkinned(HWND w, LPARAM lp) {
    if (IsSkinnedControl(w)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

std::vector<HWND> SkinnedControls(HWND gallery) {
    std::vector<HWND> found;
    EnumChildWindows(gallery, CollectSkinned, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string ClassOf(HWND w) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override {
        gallery_ = gallery::CreateGallery(GetModuleHandleA(nullptr));
        ASSERT_TRUE(gallery_);
        ShowWindow(gallery_, SW_SHOWNOACTIVATE);
        UpdateWindow(gallery_);
        PumpUntilIdle(1000);
        controls_ = SkinnedControls(gallery_);
    }
    void TearDown() override {
        if (IsWindow(gallery_)) DestroyWindow(gallery_);
        PumpUntilIdle(300);
    }

    RECT ClientOf(HWND w) const {
        RECT r{};
        GetClientRect(w, &r);
        return r;
    }

    HWND gallery_ = nullptr;
    std::vector<HWND> controls_;
};

TEST_F(GalleryTest, EveryControlSurvivesAStormOfHarmlessMessages) {
    ASSERT_FALSE(controls_.empty()) << "no skinned control found in the gallery";
    std::mt19937 random(20261210);
    const UINT messages[] = {WM_MOUSEMOVE, WM_MOUSELEAVE,  WM_PAINT,        WM_NCPAINT,
                             WM_SETFOCUS,  WM_KILLFOCUS,   WM_KEYDOWN,      WM_VSCROLL,
                             WM_HSCROLL,   WM_MOUSEWHEEL,  WM_MOVE,         WM_SIZE,
                             WM_SETTEXT,   WM_NCMOUSEMOVE, WM_NCMOUSELEAVE, WM_SHOWWINDOW};
    const WPARAM arrows[] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
    const WPARAM scrolls[] = {SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_TOP, SB_BOTTOM};
    const char* const texts[] = {"", "storm", "风暴 text", "1"};
    // The first messages also let the native controls make their one-time
    // objects (fonts, carets, caches); the count is taken after them.
    constexpr int kTotal = 20000, kWarmUp = 1000;
    // Native controls also make objects the first time a rarer message reaches
    // them (a tooltip window, a font), so the second half of the storm is what
    // must leave the counts exactly where they were: a leak grows both halves.
    int gdiBefore = 0, userBefore = 0, gdiMid = 0, userMid = 0;
    // Wine makes each system colour brush the first time anyone asks for it (a
    // focused combo box's highlight, say) and keeps it for the process: all of
    // them are made before counting.
    for (int colour = COLOR_SCROLLBAR; colour <= COLOR_MENUBAR; ++colour) GetSysColorBrush(colour);
    auto settle = [] {
        SetFocus(nullptr);
        PumpUntilIdle(300);
    };
    for (int i = 0; i < kTotal; ++i) {
        if (i == kWarmUp) {
            settle();
            gdiBefore = LiveGdiObjects();
            userBefore = LiveUserObjects();
        }
        if (i == kTotal / 2) {
            settle();
            gdiMid = LiveGdiObjects();
            userMid = LiveUserObjects();
        }
        HWND c = controls_[random() % controls_.size()];
        ASSERT_TRUE(IsWindow(c)) << ClassOf(c) << " went away during the storm";
        const RECT r = ClientOf(c);
        const int x = static_cast<int>(random() % (r.right + 20)) - 10;
        const int y = static_cast<int>(random() % (r.bottom + 20)) - 10;
        POINT screen{x, y};
        ClientToScreen(c, &screen);
        const UINT m = messages[random() % std::size(messages)];
        switch (m) {
            case WM_MOUSEMOVE: SendMessageA(c, m, 0, MAKELPARAM(x, y)); break;
            case WM_NCMOUSEMOVE:
                SendMessageA(c, m, random() % 2 ? HTVSCROLL : HTHSCROLL,
                             MAKELPARAM(screen.x, screen.y));
                break;
            case WM_PAINT: RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); break;
            case WM_NCPAINT: SendMessageA(c, m, 1, 0); break;
            case WM_SETFOCUS: SetFocus(c); break;
            case WM_KILLFOCUS: SetFocus(gallery_); break;
            case WM_KEYDOWN:
                SendMessageA(c, m, arrows[random() % 4], 1);
                SendMessageA(c, WM_KEYUP, arrows[random() % 4], 1 | (3u << 30));
                break;
            case WM_VSCROLL:
            case WM_HSCROLL: SendMessageA(c, m, scrolls[random() % std::size(scrolls)], 0); break;
            case WM_MOUSEWHEEL:
                SendMessageA(c, m, MAKEWPARAM(0, random() % 2 ? WHEEL_DELTA : -WHEEL_DELTA),
                             MAKELPARAM(screen.x, screen.y));
                break;
            case WM_MOVE: {
                RECT w{};
                GetWindowRect(c, &w);
                MapWindowPoints(nullptr, GetParent(c), reinterpret_cast<POINT*>(&w), 2);
                SendMessageA(c, m, 0, MAKELPARAM(w.left, w.top));
                break;
            }
            case WM_SIZE: SendMessageA(c, m, SIZE_RESTORED, MAKELPARAM(r.right, r.bottom)); break;
            case WM_SETTEXT:
                SendMessageA(c, m, 0, reinterpret_cast<LPARAM>(texts[random() % 4]));
                break;
            case WM_SHOWWINDOW: SendMessageA(c, m, TRUE, 0); break;
            default: SendMessageA(c, m, 0, 0); break;
        }
        if (i % 2000 == 0) PumpUntilIdle(50);
    }
    settle();
    for (HWND c : controls_) EXPECT_TRUE(IsWindow(c)) << ClassOf(c);
    std::printf("[ storm    ] GDI objects %+d then %+d, USER objects %+d then %+d\n",
                gdiMid - gdiBefore, LiveGdiObjects() - gdiMid, userMid - userBefore,
                LiveUserObjects() - userMid);
    EXPECT_EQ(LiveGdiObjects(), gdiMid);
    EXPECT_EQ(LiveUserObjects(), userMid);
}

// At its first size every control, label and page lies inside the window's
// client area: nothing is cut off at the edge.
TEST_F(GalleryTest, NothingRunsPastTheWindowsEdge) {
    RECT client{};
    GetClientRect(gallery_, &client);
    MapWindowPoints(gallery_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::vector<HWND> shown;
    EnumChildWindows(gallery_, CollectVisible, reinterpret_cast<LPARAM>(&shown));
    ASSERT_GT(shown.size(), 100u);
    for (HWND w : shown) {
        RECT r{}, inside{};
        GetWindowRect(w, &r);
        IntersectRect(&inside, &r, &client);
        char text[64] = {};
        GetWindowTextA(w, text, sizeof text);
        EXPECT_TRUE(EqualRect(&inside, &r))
            << ClassOf(w) << " \"" << text << "\" at (" << r.left - client.left << ", "
            << r.top - client.top << ")-(" << r.right - client.left << ", " << r.bottom - client.top
            << ") in a client area of " << client.right - client.left << " x "
            << client.bottom - client.top;
    }
}

// Every round hovers and focuses every control once (the hover moving on from
// control to control, so each one repaints), so GDI objects must stay exactly
// flat and a second batch must not grow memory.
TEST_F(GalleryTest, HoverAndFocusRepaintsLeakNothing) {
    ASSERT_FALSE(controls_.empty());
    const auto g = MeasureGrowth(
        12,
        [&] {
            for (HWND c : controls_) {
                SendMessageA(c, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
                SendMessageA(c, WM_SETFOCUS, 0, 0);
                SendMessageA(c, WM_KILLFOCUS, 0, 0);
                SendMessageA(c, WM_MOUSELEAVE, 0, 0);
            }
        },
        1);
    std::printf(
        "[ leak     ] %zu controls: GDI objects %+d then %+d, private bytes %+lld then %+lld\n",
        controls_.size(), g.firstGdi, g.secondGdi, g.firstBytes, g.secondBytes);
    EXPECT_EQ(g.firstGdi, 0);
    EXPECT_EQ(g.secondGdi, 0);
    EXPECT_LT(g.secondBytes, testing_support::kMemorySlack);
}

}  // namespace
