// What the label and dialog tests share: screen shots of real windows, the ink
// (text pixels) in them, and a dialog program's window made from a template: a
// captioned dialog with a menu, a tab control whose pages are child dialogs,
// and on the form page a group box holding sibling labels, edits and buttons.
#pragma once
#include <windows.h>

#include <vector>

#include "tests/skin/container_fixture.h"

namespace dialog_test {

using container_test::Blend;
using container_test::Brightness;
using container_test::kPicture;
using container_test::Near;
using container_test::Rgb;
using container_test::operator<<;

// A window's client area (or its whole window rectangle) as the screen shows it now.
struct Shot {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // rows top to bottom, 0x00RRGGBB
    Rgb At(int x, int y) const;
    bool operator==(const Shot&) const = default;
};
Shot Grab(HWND window, bool wholeWindow = false);
// The rows in which two shots of one size differ; empty when they are equal.
std::vector<int> RowsThatDiffer(const Shot& a, const Shot& b);

// The box around the pixels of `area` that pass `ink` (a text's pixels).
struct Ink {
    int left = -1, top = -1, right = -1, bottom = -1, count = 0;
    explicit operator bool() const { return count > 0; }
};
template <typename Test>
Ink InkOf(const Shot& shot, const RECT& area, Test ink) {
    Ink box;
    for (int y = std::max(0L, area.top); y < std::min<LONG>(shot.height, area.bottom); ++y)
        for (int x = std::max(0L, area.left); x < std::min<LONG>(shot.width, area.right); ++x) {
            if (!ink(shot.At(x, y))) continue;
            if (box.count++ == 0) box.left = box.right = x, box.top = box.bottom = y;
            box.left = std::min(box.left, x), box.right = std::max(box.right, x);
            box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
        }
    return box;
}
inline RECT Whole(const Shot& s) { return {0, 0, s.width, s.height}; }
// White text on the dark test picture, and black text.
inline bool Light(const Rgb& c) { return Brightness(c) > 600; }
inline bool Dark(const Rgb& c) { return Brightness(c) < 60; }
// A control's rectangle in another window's client coordinates.
RECT RectIn(HWND control, HWND window);

class DialogTest : public container_test::ContainerTest {
protected:
    void TearDown() override;
    // The test dialog, hidden, with its pages made and placed on the tab control.
    // The form page's "Own" button is subclassed by the program and paints
    // itself magenta; its "Coloured" label gets green text from the page's
    // WM_CTLCOLORSTATIC answer.
    void CreateTestDialog();
    // Skins the dialog with one call, hands over its tab control (the pages come
    // with it) and the form's group box, shows it without activating, and pumps.
    void SkinAndShowDialog();
    // What a click on a tab does: the selection moves and the dialog shows that page.
    void SelectPage(int index);

    HWND dialog_ = nullptr, tab_ = nullptr, form_ = nullptr, other_ = nullptr;
};

inline constexpr COLORREF kOwnPaint = RGB(255, 0, 255);
inline constexpr COLORREF kAnsweredGreen = RGB(0, 255, 0);

}  // namespace dialog_test
