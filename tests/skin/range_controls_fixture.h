// What the range-control tests share: a skinned window holding real trackbars,
// progress bars, up-down controls, a header and a report-mode list view, each
// watched by a message recorder from before the skin took it, and a memory
// surface to paint a control into and probe.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "tests/skin/frame_fixture.h"
#include "tests/support/msg_sequence.h"

namespace range_test {

using frame_test::kAccent;
using frame_test::kPicture;
using skin_test::Near;
using skin_test::PixelAt;
using skin_test::Rgb;
using skin_test::operator<<;

inline const Rgb kAccentRgb = skin_test::FromColorref(kAccent);

// A 32-bit memory surface to paint into and probe.
class Shot {
public:
    Shot(int width, int height);
    ~Shot();
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;
    HDC dc() const { return dc_; }
    Rgb At(int x, int y) const { return PixelAt(dc_, x, y); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ displaced_;
};

int Brightness(const Rgb& c);
// How much greener than red and blue: the accent is green, the picture blue.
int Greenness(const Rgb& c);
SIZE WindowSize(HWND w);

class RangeControlsTest : public frame_test::SkinnedWindowTest {
public:  // the tests' case tables reach these through the fixture
    void SetUp() override;
    void TearDown() override;

    // A child of the test window (before skinning).
    HWND Child(const char* cls, DWORD style, int x, int y, int w, int h);
    // Skins the window and everything made so far; shows it.
    void SkinWindow();
    skin::WindowRecord& Record() const;

    HWND window_ = nullptr;
    HWND selTrackbar_ = nullptr, plainTrackbar_ = nullptr, vertTrackbar_ = nullptr;
    HWND progress_ = nullptr, vertProgress_ = nullptr;
    HWND upDown_ = nullptr, horzUpDown_ = nullptr;
    HWND header_ = nullptr, listView_ = nullptr, listHeader_ = nullptr;
    HIMAGELIST images_ = nullptr;
    testing_support::MessageRecorder recorder_;
};

}  // namespace range_test
