// What the container and toolbar tests share: a skinned top-level window to put
// real controls on, a memory surface to render into, and the picture behind a
// control to compare with.
#pragma once
#include <windows.h>

#include <vector>

#include "tests/skin/frame_fixture.h"

namespace container_test {

using frame_test::Blend;
using frame_test::Brightness;
using frame_test::kPicture;
using skin_test::FromColorref;
using skin_test::Near;
using skin_test::PixelAt;
using skin_test::Rgb;
using skin_test::operator<<;

// A 32-bit memory surface, filled with one colour, to render into and probe.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(0, 0, 0));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Rgb At(int x, int y) const { return PixelAt(dc_, x, y); }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ displaced_;
};

class ContainerTest : public frame_test::SkinnedWindowTest {
protected:
    // A hidden WS_POPUP top-level window (WS_CLIPCHILDREN), not skinned yet.
    HWND Window(int width = 380, int height = 280);
    static HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
                      int w, int h, DWORD exStyle = 0);
    // Skins (caption 25, no bar), shows without activating, waits for the frame.
    void Show(HWND window);
    // The skinned window's picture at (x, y) of control's client area.
    static Rgb Behind(HWND control, int x, int y);
};

}  // namespace container_test
