// What the skinned-window tests share: GDI+ for the whole program, a real
// top-level window whose original procedure records what reaches it, pixel
// probes on the cached frame image, and counters for memory and GDI objects.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/frame/skin_init.h"
#include "skin/base/skin_state.h"
#include "skin/entry/apply_skin.h"
#include "skin/base/window_table.h"
#include "tests/skin/skin_probe.h"
#include "tests/support/leak_check.h"

namespace frame_test {

using skin_test::FromColorref;
using skin_test::Near;
using skin_test::PixelAt;
using skin_test::Rgb;
using skin_test::operator<<;
// `over` at alpha (0..255) composited onto `under`.
Rgb Blend(const Rgb& over, int alpha, const Rgb& under);
int Brightness(const Rgb& c);

// A w x h PNG of one opaque colour (a colour value, red in the low byte).
std::vector<std::uint8_t> SolidPng(int width, int height, COLORREF colour);

// The skin picture the painter tests use: dark blue, so white text and the
// light border and bar stand out, and every interior pixel is known.
inline constexpr COLORREF kPictureColour = RGB(20, 40, 90);
inline const Rgb kPicture{20, 40, 90};
inline constexpr COLORREF kAccent = 0x51AE51;

// One message as the window's original procedure received it.
struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A fixture with real windows of a recording class. The recording procedure
// passes everything to DefWindowProcA, except system commands that would move,
// size, minimise or maximise the window (unless realSysCommands is set) so that
// the shared screen is left alone; SC_CLOSE always goes through.
class SkinnedWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A hidden top-level window of the recording class (client = outer size for
    // WS_POPUP); destroyed at tear-down if still alive.
    HWND CreateTopLevel(LONG style, int width = 260, int height = 150, const char* text = "Tovik");
    // The main window's configuration: caption 110, menu button, bar 25.
    static skin::ApplySkinOptions MainOptions();
    // InitSkin with the solid test picture, the app's accent and mode 3.
    static void InitTestSkin();
    // Skins, shows without activating, and pumps until the frame is on screen.
    void SkinAndShow(HWND window, const skin::ApplySkinOptions& options);
    // A WS_POPUP 260 x 150 window skinned like the main window.
    HWND MainLikeWindow(const char* text = "Tovik");

    static skin::WindowRecord* RecordOf(HWND window);
    static HDC FrameDc(HWND window);
    // Messages of `message` that reached the original procedure of window.
    int ReceivedCount(HWND window, UINT message) const;
    void ClearReceived();
};

// The recording procedure's log and switches (process-wide: one UI thread).
std::vector<Received>& ReceivedLog();
extern bool realSysCommands;
// Called by the original procedure for every message it gets (cleared by SetUp).
extern std::function<void(HWND, UINT)> onMessage;
// Off in the memory tests: the log itself would grow.
extern bool recordMessages;
// GetWindowLongPtrA(GWLP_WNDPROC) as seen by the original procedure at WM_NCDESTROY.
extern LONG_PTR procAtNcDestroy;

// Sends a mouse message with client coordinates.
LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);

using testing_support::LiveGdiObjects;
using testing_support::PrivateBytes;

}  // namespace frame_test
