// ApplySkin on real windows: option defaults, caption buttons by style, the
// bottom bar, a window's own picture, skinning only once, and which buttons the
// two button skinners take.
#include <gtest/gtest.h>

#include "skin/frame/frame_painter.h"
#include "skin/frame/window_proc.h"
#include "skin/controls/button_skin.h"
#include "tests/skin/frame_fixture.h"

using namespace frame_test;

namespace {

constexpr int W = 260, H = 150;

class ApplySkinTest : public SkinnedWindowTest {
protected:
    // A hidden WS_POPUP window skinned with o; its record.
    skin::WindowRecord* Skin(const skin::ApplySkinOptions& o, LONG extraStyle = 0) {
        window_ = CreateTopLevel(WS_POPUP | extraStyle, W, H);
        skin::ApplySkin(window_, o);
        return RecordOf(window_);
    }
    HWND window_ = nullptr;
};

TEST_F(ApplySkinTest, CaptionHeightIsAtLeast25) {
    struct Case {
        std::optional<int> given;
        int expected;
    };
    for (const Case c :
         {Case{std::nullopt, 25}, Case{0, 25}, Case{24, 25}, Case{25, 25}, Case{110, 110}}) {
        SCOPED_TRACE(c.given ? std::to_string(*c.given) : "left out");
        skin::ApplySkinOptions o;
        o.captionHeight = c.given;
        skin::WindowRecord* r = Skin(o);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->captionHeight, c.expected);
        DestroyWindow(window_);
    }
}

TEST_F(ApplySkinTest, LeftOutOptionsTakeTheirDefaults) {
    skin::WindowRecord* r = Skin({});
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->dragOption);
    EXPECT_TRUE(r->doubleClickOption);
    EXPECT_TRUE(r->drawCaptionTitle);
    EXPECT_EQ(r->captionOption, 0);
    EXPECT_EQ(r->backgroundMode, 3) << "the skin's image mode";
    EXPECT_EQ(r->bottomBarHeight, 0);
    EXPECT_EQ(r->CaptionButtonCount(), 2) << "blank and close only";
    EXPECT_EQ(r->minTrackWidth, 200);
    EXPECT_EQ(r->minTrackHeight, 150);
    EXPECT_EQ(r->maxTrackWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r->maxTrackHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongA(window_, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(skin::GetIntProp(window_, skin::prop::kIndex), 1);
    EXPECT_EQ(GetWindowLongPtrA(window_, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(skin::SkinnedWindowProc));
}

TEST_F(ApplySkinTest, CaptionButtonsFollowTheOptionsAndTheStyle) {
    struct Case {
        const char* name;
        LONG style;
        bool help, menu;
        std::vector<int> commands;  // after the blank entry, left to right
    };
    const Case cases[] = {
        {"nothing asked", 0, false, false, {skin::kClose}},
        {"everything",
         WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
         true,
         true,
         {skin::kHelp, skin::kMainMenu, skin::kMinimize, skin::kMaximize, skin::kClose}},
        {"boxes only",
         WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
         false,
         false,
         {skin::kMinimize, skin::kMaximize, skin::kClose}},
        {"help and maximise",
         WS_MAXIMIZEBOX,
         true,
         false,
         {skin::kHelp, skin::kMaximize, skin::kClose}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        skin::ApplySkinOptions o;
        o.helpButton = c.help;
        o.menuButton = c.menu;
        skin::WindowRecord* r = Skin(o, c.style);
        ASSERT_EQ(r->CaptionButtonCount(), static_cast<int>(c.commands.size()) + 1);
        int widths = 0;
        const int x0 = r->stripX + 2;
        for (std::size_t i = 0; i < c.commands.size(); ++i) {
            const skin::CaptionButton& b = *r->CaptionAt(static_cast<int>(i) + 2);
            EXPECT_EQ(b.command, c.commands[i]);
            const bool close = b.command == skin::kClose;
            EXPECT_EQ(b.width, close ? 38 : 26);
            EXPECT_EQ(b.hit.x, x0 + 27 * static_cast<int>(i));
            EXPECT_EQ(b.hit.width, close ? 40 : 26);
            EXPECT_EQ(b.hit.height, 18);
            EXPECT_FALSE(b.image.empty());
            EXPECT_EQ(b.secondImage.empty(), b.command != skin::kMaximize);
            widths += b.width;
        }
        EXPECT_EQ(r->stripWidth, widths + static_cast<int>(c.commands.size()) + 3);
        EXPECT_EQ(r->stripX, W - r->stripWidth + 1);
        DestroyWindow(window_);
    }
}

TEST_F(ApplySkinTest, BottomBarAndItsPanels) {
    const int top = H - 3 - 25 - 1;
    {
        SCOPED_TRACE("height 0: no bar");
        skin::ApplySkinOptions o;
        o.bottomBarHeight = 0;
        skin::WindowRecord* r = Skin(o);
        EXPECT_EQ(r->bottomBarHeight, 0);
        DestroyWindow(window_);
    }
    {
        SCOPED_TRACE("height 25, no panels: one panel over the whole bar");
        skin::ApplySkinOptions o;
        o.bottomBarHeight = 25;
        skin::WindowRecord* r = Skin(o);
        EXPECT_EQ(r->bottomBarHeight, 25);
        EXPECT_EQ(r->bottomBar.x, 3);
        EXPECT_EQ(r->bottomBar.y, top);
        EXPECT_EQ(r->bottomBar.width, W - 6);
        EXPECT_EQ(r->bottomBar.height, 25);
        ASSERT_EQ(r->panels.size(), 1u);
        EXPECT_EQ(r->panels[0].width, -1);
        // As set up, the panel is the bar. (The relayout that ApplySkin and every
        // resize run gives a rest-of-bar panel W - x - 2b: 3 pixels less.)
        skin::SetupBottomBar(1, 25, {}, false);
        ASSERT_EQ(r->panelRects.size(), 1u);
        EXPECT_EQ(r->panelRects[0].x, 3);
        EXPECT_EQ(r->panelRects[0].y, top);
        EXPECT_EQ(r->panelRects[0].width, W - 6);
        EXPECT_EQ(r->panelRects[0].height, 25);
        DestroyWindow(window_);
    }
    {
        SCOPED_TRACE("panels 50 and the rest");
        skin::ApplySkinOptions o;
        o.bottomBarHeight = 25;
        o.bottomBarPanels =
            std::vector<skin::PanelDefinition>{{50, "one", {}, 0x0000FF}, {-1, "two", {}, 0}};
        skin::WindowRecord* r = Skin(o);
        ASSERT_EQ(r->panelRects.size(), 2u);
        EXPECT_EQ(r->panels[0].text, "one");
        EXPECT_EQ(r->panels[0].option, 0x0000FF);
        EXPECT_EQ(r->panelRects[0].x, 3);
        EXPECT_EQ(r->panelRects[0].width, 50);
        EXPECT_EQ(r->panelRects[1].x, 53);
        EXPECT_EQ(r->panelRects[1].y, top);
        EXPECT_EQ(r->panelRects[1].width, W - 53 - 6);
        // The panel that fills a resized window's bar follows its new width.
        SetWindowPos(window_, nullptr, 0, 0, W + 40, H + 20,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(r->bottomBar.y, H + 20 - 3 - 25 - 1);
        EXPECT_EQ(r->panelRects[1].width, W + 40 - 53 - 6);
        DestroyWindow(window_);
    }
}

TEST_F(ApplySkinTest, AWindowIsSkinnedOnlyOnce) {
    skin::ApplySkinOptions first;
    first.captionHeight = 40;
    skin::WindowRecord* r = Skin(first);
    const std::intptr_t previous = skin::GetIntProp(window_, skin::prop::kPrevProc);
    skin::ApplySkinOptions second;
    second.captionHeight = 90;
    second.menuButton = true;
    skin::ApplySkin(window_, second);
    EXPECT_EQ(skin::Table().Count(), 1);
    EXPECT_EQ(r->captionHeight, 40);
    EXPECT_EQ(r->CaptionButtonCount(), 2);
    // Subclassing again would make the skin its own previous procedure.
    EXPECT_EQ(skin::GetIntProp(window_, skin::prop::kPrevProc), previous);
    EXPECT_EQ(SendMessageA(window_, WM_ERASEBKGND, 0, 0), 1);
}

TEST_F(ApplySkinTest, AWindowsOwnPictureIsPaintedInsteadOfTheSkins) {
    const COLORREF own = RGB(200, 60, 30);
    const std::vector<std::uint8_t> png = SolidPng(32, 32, own);
    skin::ApplySkinOptions o = MainOptions();
    o.backgroundImage = png;
    o.backgroundMode = 3;
    skin::WindowRecord* r = Skin(o);
    EXPECT_EQ(r->backgroundImage, png) << "mode 3 keeps the bytes";
    EXPECT_EQ(r->backgroundAverage & 0xFFFFFF, own);
    skin::FullFrameRender(1, nullptr, false);
    EXPECT_TRUE(Near(PixelAt(r->frame.dc(), 130, 75), FromColorref(own), 1));
}

TEST_F(ApplySkinTest, ButtonSkinnersTakePushButtonsAndCheckAndRadioButtonsOnly) {
    struct Case {
        const char* name;
        LONG type;
        int kind;  // -1: left alone
    };
    const Case cases[] = {
        {"push", BS_PUSHBUTTON, skin::kPushButton},
        {"default push", BS_DEFPUSHBUTTON, skin::kPushButton},
        {"user button", BS_USERBUTTON, skin::kPushButton},
        {"check box", BS_CHECKBOX, skin::kCheckBox},
        {"auto check box", BS_AUTOCHECKBOX, skin::kCheckBox},
        {"push box", BS_PUSHBOX, skin::kCheckBox},
        {"auto radio", BS_AUTORADIOBUTTON, skin::kRadioButton},
        {"plain radio", BS_RADIOBUTTON, -1},
        {"three-state", BS_3STATE, -1},
        {"auto three-state", BS_AUTO3STATE, -1},
        {"group box", BS_GROUPBOX, -1},
        {"owner-drawn", BS_OWNERDRAW, -1},
    };
    HWND w = CreateTopLevel(WS_POPUP, W, H);
    std::vector<HWND> buttons;
    std::vector<LONG> stylesBefore;
    std::vector<LONG_PTR> procsBefore;
    int y = 0;
    for (const Case& c : cases) {
        HWND b = CreateWindowExA(0, "BUTTON", c.name, WS_CHILD | WS_VISIBLE | c.type, 4, y += 10,
                                 80, 10, w, nullptr, GetModuleHandleA(nullptr), nullptr);
        buttons.push_back(b);
        stylesBefore.push_back(GetWindowLongA(b, GWL_STYLE));
        procsBefore.push_back(GetWindowLongPtrA(b, GWLP_WNDPROC));
    }
    SendMessageA(buttons[4], BM_SETCHECK, BST_CHECKED, 0);
    skin::ApplySkin(w, {});
    skin::WindowRecord* r = RecordOf(w);

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        HWND b = buttons[i];
        const int position = skin::FindButtonRecord(1, b);
        if (c.kind < 0) {
            EXPECT_EQ(position, 0);
            EXPECT_EQ(GetPropA(b, skin::prop::kOwnerIndex), nullptr);
            EXPECT_EQ(GetWindowLongPtrA(b, GWLP_WNDPROC), procsBefore[i]);
            EXPECT_EQ(GetWindowLongA(b, GWL_STYLE), stylesBefore[i]);
            continue;
        }
        ASSERT_GT(position, 0);
        const skin::ButtonRecord& rec = *r->buttons.At(position);
        EXPECT_EQ(rec.kind, c.kind);
        EXPECT_EQ(rec.text, c.name);
        EXPECT_EQ(skin::GetIntProp(b, skin::prop::kIndex), position);
        EXPECT_EQ(skin::GetIntProp(b, skin::prop::kOwnerIndex), 1);
        EXPECT_EQ(skin::GetIntProp(b, skin::prop::kPrevProc), procsBefore[i]);
        EXPECT_EQ(GetWindowLongPtrA(b, GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(skin::ButtonSubclassProc));
        if (c.kind == skin::kPushButton)
            EXPECT_EQ(GetWindowLongA(b, GWL_STYLE), stylesBefore[i] | BS_OWNERDRAW);
        else
            EXPECT_EQ(GetWindowLongA(b, GWL_STYLE), stylesBefore[i]);
        EXPECT_EQ(rec.checked, i == 4);
        // Fonts come from the control; under Wine every face resolves to some
        // installed font, so a push button never falls back to its default here.
        EXPECT_FALSE(rec.fontName.empty());
        EXPECT_GT(rec.fontSize, 0);
    }
    // The first control took the blank entry: no blank is left in front.
    EXPECT_EQ(r->buttons.At(1)->window, buttons[0]);
    // Push buttons first, then check and radio buttons, each in child order.
    ASSERT_EQ(r->buttons.size(), 7);
    EXPECT_EQ(r->buttons.At(4)->window, buttons[3]);
}

TEST_F(ApplySkinTest, PushAndCheckButtonsRecordTheSameReadableFont) {
    HWND w = CreateTopLevel(WS_POPUP, W, H);
    HFONT font = CreateFontA(-15, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                             "Arial");
    HWND push = CreateWindowExA(0, "BUTTON", "p", WS_CHILD | BS_PUSHBUTTON, 0, 0, 40, 20, w,
                                nullptr, nullptr, nullptr);
    HWND check = CreateWindowExA(0, "BUTTON", "c", WS_CHILD | BS_AUTOCHECKBOX, 0, 30, 40, 20, w,
                                 nullptr, nullptr, nullptr);
    SendMessageA(push, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(check, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const skin::ControlFont read = skin::ReadControlFont(push);
    EXPECT_GE(read.size, 13);
    EXPECT_EQ(read.style & 2, 2) << "italic";
    skin::ApplySkin(w, {});
    skin::WindowRecord* r = RecordOf(w);
    for (HWND b : {push, check}) {
        const skin::ButtonRecord& rec = *r->buttons.At(skin::FindButtonRecord(1, b));
        EXPECT_EQ(rec.fontName, read.faceName);
        EXPECT_EQ(rec.fontSize, read.size);
        EXPECT_EQ(rec.fontStyle, read.style);
    }
    DestroyWindow(w);
    DeleteObject(font);  // the control's font stays the caller's
}

}  // namespace

namespace {

// Push buttons need a font to draw their text with: what could not be read
// falls back to 宋体 at 12. (Under Wine, GDI+ substitutes some installed face for
// any font, so an unreadable font cannot be produced through a real control.)
TEST(PushButtonFont, WhatCannotBeReadFallsBackToTheDefaults) {
    struct Case {
        skin::ControlFont read, recorded;
    };
    const Case cases[] = {
        {{"", 0, 0}, {"宋体", 12, 0}},
        {{"", 9, 1}, {"宋体", 9, 1}},
        {{"Arial", 0, 2}, {"Arial", 12, 2}},
        {{"Arial", 15, 3}, {"Arial", 15, 3}},
    };
    for (const Case& c : cases) {
        const skin::ControlFont got = skin::PushButtonFont(c.read);
        EXPECT_EQ(got.faceName, c.recorded.faceName);
        EXPECT_EQ(got.size, c.recorded.size);
        EXPECT_EQ(got.style, c.recorded.style);
    }
}

}  // namespace
