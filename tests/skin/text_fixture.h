// What the edit, combo, list and overlay tests share: a skinned window with
// real controls on it, a recorder under the skin, and screen probes.
#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "tests/skin/frame_fixture.h"
#include "tests/support/msg_sequence.h"
#include "tests/support/win_test.h"

namespace text_test {

using frame_test::kAccent;
using skin_test::Near;
using skin_test::Rgb;
using skin_test::operator<<;
const Rgb kAccentRgb{0x51, 0xAE, 0x51};

// A child to create before the window is skinned.
struct ChildSpec {
    const char* className;
    const char* text;
    DWORD style;  // WS_CHILD is added; WS_VISIBLE is not
    int x, y, w, h;
    DWORD exStyle = 0;
};

class TextControlsTest : public frame_test::SkinnedWindowTest {
protected:
    // A shown WS_POPUP window (plus extra style) with the children, watched by
    // the recorder before the skin subclasses them, then skinned.
    HWND Skinned(std::initializer_list<ChildSpec> children, DWORD extraStyle = 0, int x = 40,
                 int y = 40, int width = 420, int height = 320);
    HWND Child(std::size_t i) const { return children_.at(i); }
    skin::WindowRecord& Record() const;
    skin::EditRecord* Edit(HWND edit) const;
    skin::ListRecord* List(HWND control) const;
    skin::ComboRecord* Combo(HWND combo) const;

    HWND window_ = nullptr;
    std::vector<HWND> children_;
    // Run on the children after they are created and before the skin comes.
    std::function<void(const std::vector<HWND>&)> beforeSkin_;
    testing_support::MessageRecorder recorder_;
};

// What the window shows at a point of its whole-window DC (frame included).
Rgb WindowPixel(HWND window, int x, int y);
// Paints the whole window area black (over frame and client).
void Blacken(HWND window);
// The window's rectangle on the screen.
RECT ScreenRect(HWND window);
int Brightness(const Rgb& c);
// Greenness against the other channels: the accent (81, 174, 81) is green.
int Greenness(const Rgb& c);
// Adds text lines to a list box, or items to a combo box.
void AddItems(HWND control, int count, UINT message = LB_ADDSTRING);

}  // namespace text_test
