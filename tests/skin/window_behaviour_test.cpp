// The skinned window as the system and the user drive it, checked by what
// reaches the procedure the skin replaced (recorded sequences) and by pixels:
// where a press starts a move or a resize, what the caption buttons send, the
// frame's corners, cleanup with stale properties, a record that goes away
// during a render, a stray WM_QUIT, owner-drawn items and the restore image.
#include <gtest/gtest.h>

#include "gfx/gfx.h"
#include "skin/controls/owner_draw.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/window_proc.h"
#include "tests/skin/frame_fixture.h"
#include "tests/support/leak_check.h"
#include "tests/support/msg_sequence.h"
#include "tests/support/win_test.h"

using namespace frame_test;
using testing_support::kAnyLParam;
using testing_support::kAnyParams;
using testing_support::kOptional;
using testing_support::MessageRecorder;

namespace {

constexpr int W = 260, H = 150;
constexpr int kStripX = W - 69 + 1;

class WindowBehaviour : public SkinnedWindowTest {
protected:
    // A hidden window skinned like the main window with its frame composed; the
    // recorder sees what reaches the procedure the skin replaced.
    HWND Watched(MessageRecorder& recorder, LONG extraStyle = 0) {
        HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU | extraStyle, W, H);
        recorder.Watch(w);
        skin::ApplySkin(w, MainOptions());
        skin::FullFrameRender(skin::FindWindowIndex(w), nullptr, false);
        recorder.Clear();
        return w;
    }
};

// A press on the frame's edges and corners starts the matching resize, a press
// on the caption a move; the caption buttons keep their strip to themselves.
TEST_F(WindowBehaviour, APressStartsTheResizeOrMoveOfWhereItLands) {
    struct Case {
        const char* name;
        POINT at;
        UINT sent;  // the message the skin sends first, 0 for none
        WPARAM wp;
    };
    const Case cases[] = {
        {"left edge", {1, 75}, WM_SYSCOMMAND, SC_SIZE + 1},
        {"right edge", {W - 2, 75}, WM_SYSCOMMAND, SC_SIZE + 2},
        {"top edge", {100, 2}, WM_SYSCOMMAND, SC_SIZE + 3},
        {"bottom edge", {100, H - 2}, WM_SYSCOMMAND, SC_SIZE + 6},
        {"top-left corner", {2, 2}, WM_SYSCOMMAND, SC_SIZE + 4},
        {"top-right corner", {W - 5, 1}, WM_SYSCOMMAND, SC_SIZE + 5},
        {"bottom-left corner", {2, H - 3}, WM_SYSCOMMAND, SC_SIZE + 7},
        {"bottom-right corner", {W - 3, H - 3}, WM_SYSCOMMAND, SC_SIZE + 8},
        {"top edge under the strip, above its buttons",
         {kStripX + 5, 1},
         WM_SYSCOMMAND,
         SC_SIZE + 3},
        {"caption", {100, 50}, WM_NCLBUTTONDOWN, HTCAPTION},
        {"strip between its buttons' rows", {kStripX + 1, 3}, 0, 0},
        {"on a caption button", {kStripX + 10, 10}, 0, 0},
        {"below the caption", {100, 125}, 0, 0},
    };
    MessageRecorder recorder;
    HWND w = Watched(recorder, WS_THICKFRAME);
    // A caption press activates a window that is not active yet: start active.
    SetActiveWindow(w);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.Clear();
        SendMouse(w, WM_LBUTTONDOWN, c.at.x, c.at.y, MK_LBUTTON);
        const LPARAM at = MAKELPARAM(c.at.x, c.at.y);
        if (c.sent == WM_SYSCOMMAND) {
            EXPECT_SEQUENCE(recorder, w,
                            {{WM_SYSCOMMAND, 0, c.wp, 0}, {WM_LBUTTONDOWN, 0, MK_LBUTTON, at}});
        } else if (c.sent == WM_NCLBUTTONDOWN) {
            // The system turns the caption press into its move command.
            EXPECT_SEQUENCE(recorder, w,
                            {{WM_NCLBUTTONDOWN, 0, HTCAPTION, 0},
                             {WM_SYSCOMMAND, kAnyLParam | kOptional, SC_MOVE | HTCAPTION},
                             {WM_LBUTTONDOWN, 0, MK_LBUTTON, at}});
        } else {
            EXPECT_SEQUENCE(recorder, w, {{WM_LBUTTONDOWN, 0, MK_LBUTTON, at}});
        }
        SendMouse(w, WM_LBUTTONUP, 100, 125);
    }
}

// A window that is not sizable (the main window) offers no edges: a press there
// moves it where the caption lies under the edge, and does nothing below.
TEST_F(WindowBehaviour, AFixedWindowStartsNoResize) {
    MessageRecorder recorder;
    HWND w = Watched(recorder);
    ASSERT_FALSE(RecordOf(w)->sizable);
    const struct {
        const char* name;
        POINT at;
        bool moves;
    } cases[] = {
        {"left edge in the caption", {1, 75}, true},
        {"bottom edge", {100, H - 2}, false},
        {"bottom-right corner", {W - 3, H - 3}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.Clear();
        SendMouse(w, WM_LBUTTONDOWN, c.at.x, c.at.y, MK_LBUTTON);
        bool moved = false;
        for (const auto& m : recorder.Of(w)) {
            if (m.message != WM_SYSCOMMAND) continue;
            EXPECT_NE(m.wp & 0xFFF0, static_cast<WPARAM>(SC_SIZE));
            moved = moved || (m.wp & 0xFFF0) == SC_MOVE;
        }
        EXPECT_EQ(moved, c.moves);
        SendMouse(w, WM_LBUTTONUP, 100, 125);
    }
}

// A click on a caption button sends its command before the release goes on.
TEST_F(WindowBehaviour, CaptionButtonsSendTheirCommands) {
    MessageRecorder recorder;
    HWND w = Watched(recorder, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    skin::WindowRecord* r = RecordOf(w);
    ASSERT_EQ(r->CaptionButtonCount(), 5);  // blank, menu, minimise, maximise, close
    struct Case {
        const char* name;
        int position;
        WPARAM command;  // 0: none
    };
    const Case cases[] = {
        {"main menu drops the system menu down", 2, 0},
        {"minimise", 3, SC_MINIMIZE},
        {"maximise", 4, SC_MAXIMIZE},
        {"maximise again restores", 4, SC_RESTORE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const skin::FloatRect& hit = r->CaptionAt(c.position)->hit;
        const int x = static_cast<int>(hit.x) + 10, y = static_cast<int>(hit.y) + 8;
        SendMouse(w, WM_MOUSEMOVE, x, y);
        recorder.Clear();
        // A menu that drops down runs its own loop: the Escape waiting in the
        // queue closes it again.
        if (!c.command) PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
        SendMouse(w, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        SendMouse(w, WM_LBUTTONUP, x, y);
        const LPARAM at = MAKELPARAM(x, y);
        if (c.command) {
            EXPECT_SEQUENCE(recorder, w,
                            {{WM_LBUTTONDOWN, 0, MK_LBUTTON, at},
                             {WM_CAPTURECHANGED, kAnyParams | kOptional},
                             {WM_SYSCOMMAND, 0, c.command, 0},
                             {WM_LBUTTONUP, 0, 0, at}});
        } else {
            bool dropped = false, commanded = false;
            for (const auto& m : recorder.Of(w)) {
                dropped = dropped || m.message == WM_INITMENUPOPUP;
                commanded = commanded || m.message == WM_SYSCOMMAND;
            }
            EXPECT_TRUE(dropped);
            EXPECT_FALSE(commanded);
        }
    }
}

// What the skin answers itself never reaches the procedure it replaced.
TEST_F(WindowBehaviour, PaintAndEraseStayWithTheSkin) {
    MessageRecorder recorder;
    HWND w = Watched(recorder);
    HDC memory = CreateCompatibleDC(nullptr);
    SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    InvalidateRect(w, nullptr, FALSE);
    SendMessageA(w, WM_PAINT, 0, 0);
    SendMessageA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Tovik"));
    DeleteDC(memory);
    EXPECT_SEQUENCE(recorder, w, {{WM_SETTEXT, kAnyLParam}});
}

// The background is cleared to its fill, not a key colour: the rounded clip
// leaves a few pixels out near each corner that the window's region still shows.
TEST_F(WindowBehaviour, FrameCornersShowNoKeyColour) {
    HWND w = MainLikeWindow();
    HDC frame = FrameDc(w);
    ASSERT_NE(frame, nullptr);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(w, region), ERROR);
    const POINT corners[] = {{0, 0}, {W - 6, 0}, {0, H - 6}, {W - 6, H - 6}};
    const Rgb magenta{255, 0, 255};
    int seen = 0;
    for (POINT c : corners) {
        for (int y = c.y; y < c.y + 6; ++y)
            for (int x = c.x; x < c.x + 6; ++x) {
                if (!PtInRegion(region, x, y)) continue;
                ++seen;
                EXPECT_NE(PixelAt(frame, x, y), magenta) << "at " << x << "," << y;
            }
    }
    DeleteObject(region);
    EXPECT_GT(seen, 4 * 20);
}

// Cleanup finds the record by handle: a stale or foreign index property must not
// leave the record, its bitmaps and its subclassing behind.
TEST_F(WindowBehaviour, DestroyCleansUpEvenWithAStaleIndex) {
    // The first windows shown fill caches of their own.
    HWND warm[] = {MainLikeWindow("other"), MainLikeWindow("stale")};
    for (HWND w : warm) DestroyWindow(w);
    testing_support::PumpUntilIdle(100);
    for (std::intptr_t wrong : {std::intptr_t{99}, std::intptr_t{0}, std::intptr_t{2}}) {
        SCOPED_TRACE(wrong);
        const int gdiBefore = LiveGdiObjects();
        HWND other = MainLikeWindow("other");
        HWND w = MainLikeWindow("stale");
        const LONG_PTR replaced = skin::GetIntProp(w, skin::prop::kPrevProc);
        skin::SetIntProp(w, skin::prop::kIndex, wrong == 2 ? 1 : wrong);  // 1: the other's
        DestroyWindow(w);
        EXPECT_EQ(procAtNcDestroy, replaced) << "the old procedure was not put back";
        EXPECT_EQ(skin::Table().Count(), 1);
        EXPECT_EQ(skin::FindWindowIndex(other), 1);
        DestroyWindow(other);
        testing_support::PumpUntilIdle(100);
        EXPECT_EQ(LiveGdiObjects(), gdiBefore) << "the record's DCs and bitmaps stayed";
    }
}

// The shape change inside a render sends messages; when one of them destroys an
// earlier window, the indexes move and the render must not go on with the
// record that now sits at its old index.
TEST_F(WindowBehaviour, RenderStopsWhenItsRecordMovedAway) {
    HWND first = MainLikeWindow("first");
    HWND second = CreateTopLevel(WS_POPUP | WS_SYSMENU, W + 20, H, "second");
    HWND third = MainLikeWindow("third");
    skin::ApplySkin(second, MainOptions());  // index 3: rendered below for the first time
    const int index = skin::FindWindowIndex(second);
    ASSERT_EQ(index, 3);
    const LONG_PTR thirdFrame = skin::GetIntProp(third, skin::prop::kFrameBitmap);
    onMessage = [&](HWND window, UINT message) {
        if (window == second && message == WM_WINDOWPOSCHANGED && IsWindow(first)) {
            onMessage = nullptr;
            DestroyWindow(first);
        }
    };
    skin::FullFrameRender(index, nullptr, false);
    EXPECT_FALSE(IsWindow(first)) << "the shape change sent no WM_WINDOWPOSCHANGED";
    EXPECT_EQ(skin::GetIntProp(third, skin::prop::kFrameBitmap), thirdFrame)
        << "the render went on with another window's record";
    EXPECT_EQ(RecordOf(third)->frameWidth, W);
    // The window that moved renders normally under its new index.
    skin::FullFrameRender(skin::FindWindowIndex(second), nullptr, false);
    EXPECT_EQ(RecordOf(second)->frameWidth, W + 20);
}

// GDI+ shuts down after the message loop; a WM_QUIT sent to a live window
// changes nothing.
TEST_F(WindowBehaviour, AStrayQuitLeavesGdiplusRunning) {
    HWND w = MainLikeWindow();
    const ULONG_PTR token = skin::State().gdiplusToken;
    SendMessageA(w, WM_QUIT, 0, 0);
    EXPECT_EQ(skin::State().gdiplusToken, token);
    gfx::GfxBitmap bitmap;
    EXPECT_TRUE(bitmap.Create(4, 4)) << "GDI+ was shut down";
    skin::FullFrameRender(skin::FindWindowIndex(w), nullptr, false);
    EXPECT_TRUE(Near(PixelAt(FrameDc(w), 130, 75), kPicture, 1));
}

// Only skinned push buttons are drawn by the dispatch.
TEST_F(WindowBehaviour, OwnerDrawnDispatchDrawsOnlySkinnedPushButtons) {
    HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU, W, H);
    auto child = [w](const char* text, LONG style) {
        return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, 20, 60, 80, 24, w,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    HWND push = child("push", BS_PUSHBUTTON);
    HWND check = child("check", BS_AUTOCHECKBOX);
    HWND plain = child("plain", BS_OWNERDRAW);  // owner-drawn already: not skinned
    SkinAndShow(w, MainOptions());
    ASSERT_GT(skin::GetIntProp(push, skin::prop::kIndex), 0);
    ASSERT_EQ(skin::GetIntProp(plain, skin::prop::kIndex), 0);
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(GetDC(nullptr), 80, 24);
    HGDIOBJ old = SelectObject(memory, bitmap);
    struct Case {
        const char* name;
        UINT type;
        HWND item;
        bool draws;
    };
    const Case cases[] = {
        {"skinned push button", ODT_BUTTON, push, true},
        {"button whose index is 0", ODT_BUTTON, plain, false},
        {"check box", ODT_BUTTON, check, false},
        {"menu item", ODT_MENU, push, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT all{0, 0, 80, 24};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DRAWITEMSTRUCT item{};
        item.CtlType = c.type;
        item.hwndItem = c.item;
        item.hDC = memory;
        item.rcItem = all;
        item.itemAction = ODA_DRAWENTIRE;
        SendMessageA(w, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(PixelAt(memory, 40, 12) != (Rgb{0, 0, 0}), c.draws);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

// With the window maximised the maximise button shows its second image.
TEST_F(WindowBehaviour, MaximisedWindowShowsTheRestoreImage) {
    HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU | WS_MAXIMIZEBOX, W, H);
    skin::ApplySkin(w, MainOptions());
    skin::WindowRecord* r = RecordOf(w);
    const int position = skin::MaximizeButtonPosition(skin::FindWindowIndex(w));
    ASSERT_GT(position, 0);
    skin::CaptionButton& button = *r->CaptionAt(position);
    // Two images that cannot be mistaken for each other.
    button.image = SolidPng(26, 18, RGB(250, 0, 0));
    button.secondImage = SolidPng(26, 18, RGB(0, 250, 0));
    button.decoded.reset();
    button.decodedSecond.reset();
    const int x = static_cast<int>(button.hit.x) + 12, y = static_cast<int>(button.hit.y) + 9;
    for (bool maximised : {false, true, false}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        r->maximized = maximised;
        skin::FullFrameRender(skin::FindWindowIndex(w), nullptr, false);
        const Rgb c = PixelAt(FrameDc(w), x, y);
        EXPECT_EQ(c.r > 200, !maximised) << c;
        EXPECT_EQ(c.g > 200, maximised) << c;
    }
}

}  // namespace
