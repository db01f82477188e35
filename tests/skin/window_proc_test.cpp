// The skinned top-level window procedure: its message table, clicks on caption
// buttons, double-clicks on the caption, and what happens when a skinned window
// is destroyed while others live on.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "skin/frame/frame_painter.h"
#include "skin/frame/window_proc.h"
#include "tests/skin/frame_fixture.h"
#include "tests/support/win_test.h"

using namespace frame_test;

namespace {

constexpr int W = 260, H = 150;
constexpr int kStripX = W - 69 + 1, kX0 = kStripX + 2;
constexpr POINT kOnMenu{kX0 + 10, 10}, kOnClose{kX0 + 27 + 10, 10}, kOffButtons{100, 60};

int g_deactivations = 0;
void CountDeactivation() { ++g_deactivations; }

class WindowProc : public SkinnedWindowTest {
protected:
    // A hidden window skinned like the main window with its frame composed:
    // everything here but the screen itself.
    HWND HiddenMainLike(LONG extraStyle = 0, const char* text = "Tovik") {
        HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU | extraStyle, W, H, text);
        skin::ApplySkin(w, MainOptions());
        skin::FullFrameRender(skin::FindWindowIndex(w), nullptr, false);
        ClearReceived();
        return w;
    }
    int SysCommandsReceived(HWND w, WPARAM command) {
        int n = 0;
        for (const Received& m : ReceivedLog())
            n += m.window == w && m.message == WM_SYSCOMMAND && (m.wParam & 0xFFF0) == command;
        return n;
    }
};

TEST_F(WindowProc, MessageTable) {
    HWND w = HiddenMainLike();
    skin::WindowRecord* r = RecordOf(w);
    ASSERT_NE(r, nullptr);
    HDC memory = CreateCompatibleDC(nullptr);
    MINMAXINFO info{};
    skin::State().onDeactivate = CountDeactivation;

    // The work area the maximised window may fill: the screen less the taskbar.
    RECT tray{};
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) GetWindowRect(taskbar, &tray);
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int tw = tray.right - tray.left, th = tray.bottom - tray.top;
    const POINT workArea = tw > th ? POINT{sw, sh - th} : POINT{sw - tw, sh};

    struct Row {
        const char* name;
        std::function<void()> before;
        UINT message;
        std::function<LRESULT()> send;
        bool passedOn;
        std::function<void()> check;
    };
    auto send = [w](UINT m, WPARAM wp, LPARAM lp) {
        return [=] { return SendMessageA(w, m, wp, lp); };
    };
    const Row rows[] = {
        {"WM_SIZE forgets the hot button", [&] { r->hotButton = 2; }, WM_SIZE,
         send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(W, H)), true, [&] { EXPECT_EQ(r->hotButton, 0); }},
        {"WM_ERASEBKGND answers 1 and erases nothing", [&] { SetBkMode(memory, OPAQUE); },
         WM_ERASEBKGND,
         [&] {
             const LRESULT result =
                 SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
             EXPECT_EQ(result, 1);
             return result;
         },
         false, [&] { EXPECT_EQ(GetBkMode(memory), TRANSPARENT); }},
        {"SC_MAXIMIZE", [&] { r->frameDirty = false; }, WM_SYSCOMMAND,
         send(WM_SYSCOMMAND, SC_MAXIMIZE, 0), true,
         [&] {
             EXPECT_TRUE(r->maximized);
             EXPECT_TRUE(r->frameDirty);
         }},
        {"WM_GETMINMAXINFO while maximised gives the work area",
         [&] {
             info = {};
             info.ptMaxPosition = {7, 9};
         },
         WM_GETMINMAXINFO, send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), true,
         [&] {
             EXPECT_EQ(info.ptMinTrackSize.x, 200);
             EXPECT_EQ(info.ptMinTrackSize.y, 150);
             EXPECT_EQ(info.ptMaxTrackSize.x, workArea.x);
             EXPECT_EQ(info.ptMaxTrackSize.y, workArea.y);
         }},
        {"SC_RESTORE",
         [&] {
             r->frameDirty = false;
             r->minimized = true;
             r->maximized = false;
         },
         WM_SYSCOMMAND, send(WM_SYSCOMMAND, SC_RESTORE, 0), true,
         [&] {
             EXPECT_TRUE(r->frameDirty);
             EXPECT_FALSE(r->minimized);
         }},
        {"WM_GETMINMAXINFO gives 200 x 150 and the screen",
         [&] {
             info = {};
             info.ptMaxPosition = {7, 9};
         },
         WM_GETMINMAXINFO, send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), true,
         [&] {
             EXPECT_EQ(info.ptMinTrackSize.x, 200);
             EXPECT_EQ(info.ptMinTrackSize.y, 150);
             EXPECT_EQ(info.ptMaxTrackSize.x, sw);
             EXPECT_EQ(info.ptMaxTrackSize.y, sh);
             // Maximised, the frame fills the work area exactly (no sizing
             // border pushed past the screen's edges).
             MONITORINFO m{};
             m.cbSize = sizeof m;
             GetMonitorInfoA(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &m);
             EXPECT_EQ(info.ptMaxPosition.x, m.rcWork.left - m.rcMonitor.left);
             EXPECT_EQ(info.ptMaxPosition.y, m.rcWork.top - m.rcMonitor.top);
             EXPECT_EQ(info.ptMaxSize.x, m.rcWork.right - m.rcWork.left);
             EXPECT_EQ(info.ptMaxSize.y, m.rcWork.bottom - m.rcWork.top);
             EXPECT_EQ(info.ptReserved.x, 0) << "other members are not ours to change";
         }},
        {"SC_MINIMIZE", [&] { r->frameDirty = false; }, WM_SYSCOMMAND,
         send(WM_SYSCOMMAND, SC_MINIMIZE, 0), true,
         [&] {
             EXPECT_TRUE(r->minimized);
             EXPECT_TRUE(r->frameDirty);
         }},
        {"WM_QUERYOPEN ends the minimised state", [&] { r->minimized = true; }, WM_QUERYOPEN,
         send(WM_QUERYOPEN, 0, 0), true, [&] { EXPECT_FALSE(r->minimized); }},
        {"WM_ACTIVATEAPP 0 runs the deactivation trim once", [&] { g_deactivations = 0; },
         WM_ACTIVATEAPP, send(WM_ACTIVATEAPP, 0, 0), true, [&] { EXPECT_EQ(g_deactivations, 1); }},
        {"WM_ACTIVATEAPP 1 does not", [&] { g_deactivations = 0; }, WM_ACTIVATEAPP,
         send(WM_ACTIVATEAPP, 1, 0), true, [&] { EXPECT_EQ(g_deactivations, 0); }},
        {"WM_MOUSEHOVER marks the mouse inside", [&] { r->mouseInside = false; }, WM_MOUSEHOVER,
         send(WM_MOUSEHOVER, 0, MAKELPARAM(50, 50)), true, [&] { EXPECT_TRUE(r->mouseInside); }},
        {"a foreign WM_TIMER is only passed on",
         [&] {
             r->fadeIn = {2, 3};
         },
         WM_TIMER, send(WM_TIMER, 12345, 0), true, [&] { EXPECT_EQ(r->fadeIn.step, 3); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.before();
        ClearReceived();
        row.send();
        EXPECT_EQ(ReceivedCount(w, row.message), row.passedOn ? 1 : 0);
        row.check();
    }
    DeleteDC(memory);
}

TEST_F(WindowProc, SetTextRedrawsTheTitleAndStillStoresIt) {
    HWND w = HiddenMainLike(0, "");
    HDC frame = FrameDc(w);
    const RECT title{9, 4, 9 + W - 69 - 16, 36};
    auto whitePixels = [&] {
        int n = 0;
        for (int y = title.top; y < title.bottom; ++y)
            for (int x = title.left; x < title.right; ++x) {
                const Rgb c = PixelAt(frame, x, y);
                n += c.r >= 230 && c.g >= 230 && c.b >= 230;
            }
        return n;
    };
    ASSERT_EQ(whitePixels(), 0);
    SetWindowTextA(w, "WWWW Tovik");
    EXPECT_GT(whitePixels(), 30);
    char text[32] = {};
    GetWindowTextA(w, text, sizeof text);
    EXPECT_STREQ(text, "WWWW Tovik");
    SetWindowTextA(w, "");
    EXPECT_EQ(whitePixels(), 0) << "the old title was not wiped";
}

TEST_F(WindowProc, TreeViewExpandNotificationsInvalidateTheSender) {
    HWND w = MainLikeWindow();
    HWND sender = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 20, 60, 40, 20, w,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(sender, nullptr);
    struct Case {
        int code;
        bool invalidates;
    };
    for (const Case c :
         {Case{-405, true}, Case{-406, true}, Case{-404, false}, Case{-407, false}}) {
        SCOPED_TRACE(c.code);
        testing_support::PumpUntilIdle(100);
        ValidateRect(sender, nullptr);
        NMHDR header{sender, 0, static_cast<UINT>(c.code)};
        SendMessageA(w, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
        RECT update{};
        EXPECT_EQ(GetUpdateRect(sender, &update, FALSE) != 0, c.invalidates);
    }
}

// A caption button acts only when the press began on it and the release ends on
// it; moving off and back while held shows the pressed look again.
TEST_F(WindowProc, OnlyAPressAndReleaseOnTheSameButtonAct) {
    struct Case {
        const char* name;
        POINT press;
        std::vector<POINT> moves;  // while held
        bool closes;
    };
    const Case cases[] = {
        {"press and release on close", kOnClose, {}, true},
        {"press on close, move off, release", kOnClose, {kOffButtons}, false},
        {"press on close, move off and back, release", kOnClose, {kOffButtons, kOnClose}, true},
        {"press on the body, move onto close, release", kOffButtons, {kOnClose}, false},
        {"press on main menu, move onto close, release", kOnMenu, {kOnClose}, false},
        {"press off the buttons, release", {60, 130}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND w = HiddenMainLike();
        SendMouse(w, WM_LBUTTONDOWN, c.press.x, c.press.y, MK_LBUTTON);
        for (const POINT& p : c.moves) SendMouse(w, WM_MOUSEMOVE, p.x, p.y, MK_LBUTTON);
        const POINT at = c.moves.empty() ? c.press : c.moves.back();
        SendMouse(w, WM_LBUTTONUP, at.x, at.y);
        EXPECT_EQ(IsWindow(w) == FALSE, c.closes);
        EXPECT_EQ(SysCommandsReceived(w, SC_CLOSE), c.closes ? 1 : 0);
        EXPECT_EQ(skin::Table().Count(), c.closes ? 0 : 1);
        EXPECT_NE(GetCapture(), w) << "the press let the mouse go";
        if (IsWindow(w)) DestroyWindow(w);
    }
}

// While held, the pressed button looks pressed exactly while the pointer is on it.
TEST_F(WindowProc, AHeldCaptionButtonLooksPressedOnlyUnderThePointer) {
    HWND w = HiddenMainLike();
    skin::WindowRecord* r = RecordOf(w);
    const int close = skin::CaptionButtonHitTest(skin::FindWindowIndex(w), kOnClose.x, kOnClose.y);
    ASSERT_GT(close, 0);
    const POINT probe{kOnClose.x, 4};  // inside the box, beside the glyph
    const auto red = [&] { return PixelAt(FrameDc(w), probe.x, probe.y).r > 150; };
    SendMouse(w, WM_LBUTTONDOWN, kOnClose.x, kOnClose.y, MK_LBUTTON);
    EXPECT_TRUE(r->pressedShown);
    EXPECT_TRUE(red()) << PixelAt(FrameDc(w), probe.x, probe.y);
    SendMouse(w, WM_MOUSEMOVE, kOffButtons.x, kOffButtons.y, MK_LBUTTON);
    EXPECT_FALSE(r->pressedShown);
    EXPECT_FALSE(red()) << PixelAt(FrameDc(w), probe.x, probe.y);
    SendMouse(w, WM_MOUSEMOVE, kOnClose.x, kOnClose.y, MK_LBUTTON);
    EXPECT_TRUE(r->pressedShown);
    EXPECT_TRUE(red()) << PixelAt(FrameDc(w), probe.x, probe.y);
    SendMouse(w, WM_MOUSEMOVE, kOffButtons.x, kOffButtons.y, MK_LBUTTON);
    SendMouse(w, WM_LBUTTONUP, kOffButtons.x, kOffButtons.y);
    EXPECT_TRUE(IsWindow(w));
    EXPECT_EQ(r->pressedButton, 0);
    EXPECT_FALSE(red()) << "the cached frame kept the pressed look";
    DestroyWindow(w);
}

TEST_F(WindowProc, DoubleClickOnTheCaptionActsAsTheMaximiseButton) {
    struct Case {
        const char* name;
        LONG style;
        POINT at;
        WPARAM command;  // the system command that follows, 0 for none
    };
    const Case cases[] = {
        {"with a maximise box", WS_MAXIMIZEBOX, {60, 40}, SC_MAXIMIZE},
        {"at the caption's last row", WS_MAXIMIZEBOX, {60, 110}, SC_MAXIMIZE},
        {"below the caption", WS_MAXIMIZEBOX, {60, 111}, 0},
        {"on the bottom-bar panel", WS_MAXIMIZEBOX, {60, 130}, 0},
        {"without a maximise box", 0, {60, 40}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND w = HiddenMainLike(c.style);
        skin::WindowRecord* r = RecordOf(w);
        SendMouse(w, WM_LBUTTONDBLCLK, c.at.x, c.at.y);
        EXPECT_EQ(SysCommandsReceived(w, SC_MAXIMIZE), c.command == SC_MAXIMIZE ? 1 : 0);
        EXPECT_EQ(r->maximized, c.command == SC_MAXIMIZE);
        if (c.command) {
            EXPECT_TRUE(r->frameDirty);
            // A second double-click restores.
            SendMouse(w, WM_LBUTTONDBLCLK, c.at.x, c.at.y);
            EXPECT_EQ(SysCommandsReceived(w, SC_RESTORE), 1);
            EXPECT_FALSE(r->maximized);
        }
        DestroyWindow(w);
    }
}

// With the real system commands: the window is really maximised and restored.
TEST_F(WindowProc, MaximiseButtonMaximisesAndShowsTheRestoreImage) {
    HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU | WS_MAXIMIZEBOX, W, H);
    SkinAndShow(w, MainOptions());
    realSysCommands = true;
    skin::WindowRecord* r = RecordOf(w);
    ASSERT_EQ(r->CaptionButtonCount(), 4);  // blank, menu, maximise, close
    const int index = skin::FindWindowIndex(w);
    skin::CaptionButtonAction(index, skin::MaximizeButtonPosition(index));
    testing_support::PumpUntilIdle(300);
    EXPECT_TRUE(IsZoomed(w));
    RECT client;
    GetClientRect(w, &client);
    EXPECT_GT(client.right, W);
    EXPECT_FALSE(r->frameDirty) << "the maximised frame was not repainted";
    // The strip moved with the right edge.
    EXPECT_EQ(r->stripX, client.right - r->stripWidth + 1);
    skin::CaptionButtonAction(index, skin::MaximizeButtonPosition(index));
    testing_support::PumpUntilIdle(300);
    EXPECT_FALSE(IsZoomed(w));
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, W);
}

class Renumbering : public WindowProc {
protected:
    struct Skinned {
        HWND window, button;
    };
    Skinned Make(const char* text) {
        HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU, W, H, text);
        HWND b = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60,
                                 60, 24, w, nullptr, GetModuleHandleA(nullptr), nullptr);
        skin::ApplySkin(w, MainOptions());
        skin::FullFrameRender(skin::FindWindowIndex(w), nullptr, false);
        return {w, b};
    }
};

TEST_F(Renumbering, DestroyingAnEarlierWindowRenumbersTheLaterOnesAndTheirControls) {
    const Skinned first = Make("first"), second = Make("second"), third = Make("third");
    const Skinned all[] = {first, second, third};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(skin::GetIntProp(all[i].window, skin::prop::kIndex), i + 1);
        EXPECT_EQ(skin::GetIntProp(all[i].button, skin::prop::kOwnerIndex), i + 1);
    }
    // The procedure the skin replaced (the tooltip may have subclassed the window
    // before the skin did, so it is not necessarily the class procedure).
    const LONG_PTR replaced = skin::GetIntProp(first.window, skin::prop::kPrevProc);
    ASSERT_EQ(GetWindowLongPtrA(first.window, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(skin::SkinnedWindowProc));
    ASSERT_NE(replaced, reinterpret_cast<LONG_PTR>(skin::SkinnedWindowProc));

    DestroyWindow(first.window);
    EXPECT_EQ(procAtNcDestroy, replaced) << "the old procedure was not put back";
    ASSERT_EQ(skin::Table().Count(), 2);
    EXPECT_EQ(skin::GetIntProp(second.window, skin::prop::kIndex), 1);
    EXPECT_EQ(skin::GetIntProp(third.window, skin::prop::kIndex), 2);
    EXPECT_EQ(skin::GetIntProp(second.button, skin::prop::kOwnerIndex), 1);
    EXPECT_EQ(skin::GetIntProp(third.button, skin::prop::kOwnerIndex), 2);
    const skin::WindowRecord* owner = skin::OwnerRecord(third.button);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(owner->window, third.window);

    // The survivors' procedures find their own records under the new numbers.
    SendMessageA(third.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(RecordOf(third.window)->minimized);
    EXPECT_FALSE(RecordOf(second.window)->minimized);
    SetWindowTextA(second.window, "renamed");
    skin::FullFrameRender(1, nullptr, false);
    EXPECT_TRUE(Near(PixelAt(FrameDc(second.window), 130, 75), kPicture, 1));

    DestroyWindow(second.window);
    EXPECT_EQ(skin::GetIntProp(third.window, skin::prop::kIndex), 1);
    EXPECT_EQ(skin::GetIntProp(third.button, skin::prop::kOwnerIndex), 1);
    DestroyWindow(third.window);
    EXPECT_EQ(skin::Table().Count(), 0);
}

TEST_F(Renumbering, AnIndexThatLeadsNowhereOnlyPassesMessagesOn) {
    const Skinned one = Make("one"), two = Make("two");
    skin::WindowRecord* r = RecordOf(one.window);
    // 99 leads nowhere; 2 leads to another window's record.
    for (std::intptr_t wrong : {99, 2}) {
        SCOPED_TRACE(wrong);
        skin::SetIntProp(one.window, skin::prop::kIndex, wrong);
        ClearReceived();
        const UINT messages[] = {WM_SIZE,          WM_MOUSEMOVE,  WM_LBUTTONDOWN,
                                 WM_LBUTTONUP,     WM_TIMER,      WM_SYSCOMMAND,
                                 WM_GETMINMAXINFO, WM_MOUSELEAVE, WM_SETTEXT};
        MINMAXINFO info{};
        SendMouse(one.window, WM_MOUSEMOVE, kOnClose.x, kOnClose.y);
        SendMouse(one.window, WM_LBUTTONDOWN, kOnClose.x, kOnClose.y);
        SendMouse(one.window, WM_LBUTTONUP, kOnClose.x, kOnClose.y);
        SendMessageA(one.window, WM_SIZE, 0, MAKELPARAM(W, H));
        SendMessageA(one.window, WM_TIMER, reinterpret_cast<WPARAM>(one.window), 0);
        SendMessageA(one.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        SendMessageA(one.window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageA(one.window, WM_MOUSELEAVE, 0, 0);
        SendMessageA(one.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
        for (UINT m : messages) EXPECT_GE(ReceivedCount(one.window, m), 1) << std::hex << m;
        EXPECT_TRUE(IsWindow(one.window)) << "the close press acted through a wrong record";
        EXPECT_FALSE(r->minimized);
        EXPECT_FALSE(RecordOf(two.window)->minimized) << "another window's record was changed";
        EXPECT_EQ(info.ptMinTrackSize.x, 0);
    }
    skin::SetIntProp(one.window, skin::prop::kIndex, 1);
}

}  // namespace
