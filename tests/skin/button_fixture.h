// What the button and background tests share: GDI+ for the whole program, a real
// skinned top-level window with real BUTTON children, and pixel probes.
#pragma once
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "skin/base/window_table.h"
#include "tests/skin/skin_probe.h"

namespace button_test {

using skin_test::FromColorref;
using skin_test::Near;
using skin_test::PixelAt;
using skin_test::Rgb;
using skin_test::operator<<;

// Accent of the test skin: strong red, far from the bluish picture.
inline constexpr COLORREF kAccent = RGB(224, 32, 32);

// A 32-bit memory surface to paint into and probe.
class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC dc() const { return dc_; }
    Rgb At(int x, int y) const { return PixelAt(dc_, x, y); }
    // Every pixel, row by row.
    std::vector<COLORREF> Pixels() const;

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ displaced_;
};

// A skinned WS_POPUP window (240 x 170) whose picture differs at every pixel,
// with two push buttons, a check box and two radio buttons; all destroyed at
// tear-down.
class SkinnedButtonsTest : public ::testing::Test {
public:  // the tests' case tables reach these through the fixture
    void SetUp() override;
    void TearDown() override;

    // A hidden top-level window of the test class; destroyed at tear-down.
    HWND CreateTopLevel(DWORD style, int width = 240, int height = 170);
    HWND CreateChild(HWND parent, const char* cls, const char* text, LONG style, int x, int y,
                     int w, int h);
    // Skins the window, shows it without activating and waits for its frame.
    void SkinAndShow(HWND window);

    skin::WindowRecord& Record() const;
    skin::ButtonRecord& Button(HWND button) const;
    static RECT ClientOf(HWND window);

    HWND window_ = nullptr;
    HWND push_ = nullptr, push2_ = nullptr, check_ = nullptr, radio_ = nullptr, radio2_ = nullptr;

private:
    std::vector<HWND> created_;
};

// Sends a mouse message with client coordinates.
LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0);

}  // namespace button_test
