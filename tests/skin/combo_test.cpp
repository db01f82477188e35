// Skinned combo boxes: the face by style, the key colour around their own
// children, hover repaints, and the combo box still dropping down and selecting.
#include <windows.h>

#include <string>

#include "skin/controls/combo_box.h"
#include "skin/controls/edit_box.h"
#include "tests/skin/text_fixture.h"

namespace text_test {
namespace {

using ComboTest = TextControlsTest;

constexpr int kW = 150;

std::string Text(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Darkest pixel of the text area of a face (left part, middle rows).
int DarkestText(HWND combo) {
    const RECT r = ScreenRect(combo);
    int darkest = 3 * 255;
    for (int y = 4; y < r.bottom - r.top - 4; ++y)
        for (int x = 3; x < 60; ++x)
            darkest = std::min(darkest, Brightness(WindowPixel(combo, x, y)));
    return darkest;
}

TEST_F(ComboTest, FaceByStyle) {
    beforeSkin_ = [](const std::vector<HWND>& children) {
        for (HWND c : children) {
            AddItems(c, 5, CB_ADDSTRING);
            SendMessageA(c, CB_SETCURSEL, 1, 0);
        }
    };
    Skinned({{"ComboBox", "", WS_VISIBLE | CBS_SIMPLE, 20, 40, kW, 90},
             {"ComboBox", "", WS_VISIBLE | CBS_DROPDOWN, 20, 140, kW, 150},
             {"ComboBox", "", WS_VISIBLE | CBS_DROPDOWNLIST, 20, 180, kW, 150}});
    EXPECT_EQ(Text(Child(2)), "item 1") << "the selection's text became the window text";
    struct Case {
        const char* name;
        std::size_t child;
        bool button, text;
    } cases[] = {{"simple: no button, text left to its edit", 0, false, false},
                 {"drop-down: button, text left to its edit", 1, true, false},
                 {"drop-down list: button and its own text", 2, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND combo = Child(c.child);
        Blacken(combo);
        skin::PaintCombo(combo, false);
        const RECT r = ScreenRect(combo);
        const int H = r.bottom - r.top;
        const Rgb button = WindowPixel(combo, kW - 10, (c.child == 0 ? 24 : H) / 2 + 3);
        if (c.button)
            EXPECT_GT(Greenness(button), 10) << button;
        else
            EXPECT_EQ(button, (Rgb{0, 0, 0})) << "something was drawn over the edit field";
        EXPECT_TRUE(Near(WindowPixel(combo, 0, 5), {175, 175, 175}, 6)) << "plain frame";
        if (c.text) {
            EXPECT_LT(DarkestText(combo), 200) << "no text on the face";
        } else {
            // The edit field keeps what is on screen there: the key colour was skipped.
            HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
            ASSERT_TRUE(edit);
            RECT e = ScreenRect(edit);
            EXPECT_EQ(WindowPixel(combo, e.left - r.left + 3, e.top - r.top + 3), (Rgb{0, 0, 0}));
        }
    }
    // The simple combo box's list is cut out too (shrunk by 2 pixels).
    HWND list = FindWindowExA(Child(0), nullptr, "ComboLBox", nullptr);
    ASSERT_TRUE(list);
    Blacken(Child(0));
    skin::PaintCombo(Child(0), false);
    const RECT l = ScreenRect(list), r = ScreenRect(Child(0));
    EXPECT_EQ(WindowPixel(Child(0), l.left - r.left + 4, l.top - r.top + 4), (Rgb{0, 0, 0}));
}

TEST_F(ComboTest, HoverRepaintsOnceAndLeavingPaintsItPlain) {
    Skinned({{"ComboBox", "", WS_VISIBLE | CBS_DROPDOWNLIST, 20, 40, kW, 150}});
    HWND combo = Child(0);
    Blacken(combo);
    SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_GT(Greenness(WindowPixel(combo, 0, 5)), 40);
    Blacken(combo);
    SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_EQ(WindowPixel(combo, 0, 5), (Rgb{0, 0, 0}));
    SendMessageA(combo, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Near(WindowPixel(combo, 0, 5), {175, 175, 175}, 6));
    EXPECT_EQ(Record().hover.previous, 0);
}

TEST_F(ComboTest, OddCombosAreSafe) {
    beforeSkin_ = [](const std::vector<HWND>& children) { SetWindowTextA(children[1], "kept"); };
    Skinned(
        {{"ComboBox", "", WS_VISIBLE | CBS_DROPDOWNLIST, 20, 40, kW, 150},
         {"ComboBox", "kept", WS_VISIBLE | CBS_DROPDOWN, 20, 80, kW, 150},
         {"ComboBox", "", WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 20, 120, kW, 150}});
    EXPECT_TRUE(Combo(Child(0))) << "a combo box with no items is skinned";
    EXPECT_EQ(Text(Child(1)), "kept") << "no selection: its text stays";
    EXPECT_FALSE(Combo(Child(2))) << "owner-drawn combo boxes keep their look";
    for (HWND c : {Child(0), Child(1)}) {
        SendMessageA(c, WM_NCPAINT, 1, 0);
        RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        skin::PaintCombo(c, true);
    }
    SendMessageA(Child(0), CB_SETCURSEL, 7, 0);  // an index that leads nowhere
    EXPECT_EQ(SendMessageA(Child(0), CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ComboTest, StillDropsDownAndAKeyboardChoiceShowsOnTheFace) {
    Skinned({{"ComboBox", "", WS_VISIBLE | CBS_DROPDOWNLIST, 20, 40, kW, 150}});
    HWND combo = Child(0);
    AddItems(combo, 5, CB_ADDSTRING);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    testing_support::PumpUntilIdle(100);

    SetFocus(combo);
    Blacken(combo);
    SendMessageA(combo, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Text(combo), "item 1");
    EXPECT_EQ(WindowPixel(combo, 0, 5).r, WindowPixel(combo, 0, 5).b) << "the face is skinned";
    // Focused, it shows its choice selected: white text on an accent band.
    EXPECT_GT(Greenness(WindowPixel(combo, 3, 3)), 40) << WindowPixel(combo, 3, 3);
    int brightest = 0;
    for (int x = 3; x < 60; ++x)
        brightest = std::max(brightest, Brightness(WindowPixel(combo, x, 12)));
    EXPECT_GT(brightest, Brightness(WindowPixel(combo, 3, 3)) + 120)
        << "the new choice is not on the face";

    SetFocus(nullptr);
    EXPECT_EQ(WindowPixel(combo, 3, 3), (Rgb{255, 255, 255})) << "unfocused, the plain face";
    EXPECT_LT(DarkestText(combo), 200) << "and the choice in the text colour";
}

}  // namespace
}  // namespace text_test
