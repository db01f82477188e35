// Toolbars by their pixels (faces by state, separators, drop-downs, icons, grey
// icons, texts), the colour-keyed composition of other controls, and what the
// toolbar procedure passes on.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/toolbar.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/base/skin_state.h"
#include "skin/base/skinner_kit.h"
#include "tests/skin/container_fixture.h"
#include "tests/support/leak_check.h"
#include "tests/support/msg_sequence.h"
#include "tests/support/win_test.h"

namespace container_test {
namespace {

constexpr COLORREF kIconColour = RGB(40, 160, 60);  // grey level (40 + 160 + 60) / 3 = 86

// Solid 16 x 16 images of the icon colour.
HIMAGELIST SolidImages(int count) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, count, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP strip = CreateCompatibleBitmap(screen, 16 * count, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, strip);
    HBRUSH brush = CreateSolidBrush(kIconColour);
    RECT all{0, 0, 16 * count, 16};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(images, strip, RGB(255, 0, 255));
    DeleteObject(strip);
    return images;
}

struct ButtonDef {
    int id;
    BYTE state;
    BYTE style;
    const char* text;
};

enum : int {
    kPlain,
    kChecked,
    kPressed,
    kDisabled,
    kIndeterminate,
    kSeparator,
    kDropDown,
    kHidden
};

const std::vector<ButtonDef>& StateButtons() {
    static const std::vector<ButtonDef> defs = {
        {10, TBSTATE_ENABLED, BTNS_BUTTON, nullptr},
        {11, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, nullptr},
        {12, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, nullptr},
        {13, 0, BTNS_BUTTON, nullptr},
        {14, TBSTATE_ENABLED | TBSTATE_INDETERMINATE, BTNS_BUTTON, nullptr},
        {0, TBSTATE_ENABLED, BTNS_SEP, nullptr},
        {15, TBSTATE_ENABLED, BTNS_DROPDOWN, nullptr},
        {16, TBSTATE_ENABLED | TBSTATE_HIDDEN, BTNS_BUTTON, nullptr},
    };
    return defs;
}

class ToolbarTest : public ContainerTest {
protected:
    void SetUp() override {
        ContainerTest::SetUp();
        top_ = Window(420, 300);
        Show(top_);
    }
    // A registered toolbar at (10, 40), 360 x 80, white texts.
    HWND Toolbar(const std::vector<ButtonDef>& defs, bool images, DWORD style = 0) {
        HWND t = Child(top_, TOOLBARCLASSNAMEA, "",
                       TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | style, 10,
                       40, 360, 80);
        SendMessageA(t, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageA(t, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        if (images) SendMessageA(t, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SolidImages(4)));
        SetPropA(t, skin::prop::kTextColour, reinterpret_cast<HANDLE>(RGB(255, 255, 255)));
        int image = 0;
        for (const ButtonDef& d : defs) {
            TBBUTTON b{};
            b.iBitmap = d.style == BTNS_SEP ? 0 : image++ % 4;
            b.idCommand = d.id;
            b.fsState = d.state;
            b.fsStyle = d.style;
            b.iString = d.text ? reinterpret_cast<INT_PTR>(d.text) : -1;
            SendMessageA(t, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&b));
        }
        EXPECT_GT(skin::RegisterToolbar(t), 0);
        toolbars_.push_back(t);
        return t;
    }
    void TearDown() override {
        for (HWND t : toolbars_) {
            HIMAGELIST images =
                reinterpret_cast<HIMAGELIST>(SendMessageA(t, TB_GETIMAGELIST, 0, 0));
            DestroyWindow(t);
            if (images) ImageList_Destroy(images);
        }
        ContainerTest::TearDown();
    }
    static RECT ItemRect(HWND t, int i) {
        RECT r{};
        SendMessageA(t, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // The toolbar as painted, in a canvas of its client size.
    static void Paint(HWND t, Canvas& canvas) { ASSERT_TRUE(skin::PaintToolbar(t, canvas.dc())); }
    static bool Has(const Canvas& c, const RECT& r, bool (*test)(const Rgb&)) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (test(c.At(x, y))) return true;
        return false;
    }

    HWND top_ = nullptr;
    std::vector<HWND> toolbars_;
};

TEST_F(ToolbarTest, FacesFollowTheButtonState) {
    for (const bool images : {true, false}) {
        SCOPED_TRACE(images ? "with image list" : "without image list");
        HWND t = Toolbar(StateButtons(), images);
        SendMessageA(t, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
        Canvas plain(360, 80);
        Paint(t, plain);
        SendMessageA(t, TB_SETHOTITEM, kPlain, 0);
        Canvas hot(360, 80);
        Paint(t, hot);
        const auto face = [&](const Canvas& c, int i) {
            const RECT r = ItemRect(t, i);
            return c.At(r.left + 2, (r.top + r.bottom) / 2);
        };
        const Rgb picture = Behind(t, ItemRect(t, kPlain).left + 2, 20);
        EXPECT_EQ(face(plain, kPlain), picture) << "hot item -1 draws every button plain";
        EXPECT_GT(Brightness(face(hot, kPlain)), Brightness(picture) + 60) << face(hot, kPlain);
        EXPECT_GT(Brightness(face(plain, kChecked)), Brightness(picture) + 60);
        EXPECT_EQ(face(plain, kDisabled), picture);
        EXPECT_EQ(face(plain, kIndeterminate), picture);
        const RECT pressed = ItemRect(t, kPressed);
        EXPECT_LT(Brightness(plain.At(pressed.left + 2, pressed.top + 3)),
                  Brightness(plain.At(pressed.left + 2, pressed.bottom - 4)))
            << "pressed: dark at the top, light at the bottom";
        DestroyWindow(t);
        toolbars_.pop_back();
    }
}

TEST_F(ToolbarTest, SeparatorsAreTwoLinesAcrossOrAlongAWrappedRow) {
    HWND t = Toolbar(StateButtons(), true);
    Canvas canvas(360, 80);
    Paint(t, canvas);
    const RECT s = ItemRect(t, kSeparator);
    const int x = s.left + (s.right - s.left - 2) / 2, y = (s.top + s.bottom) / 2;
    EXPECT_LT(Brightness(canvas.At(x, y)), Brightness(Behind(t, x, y)));
    EXPECT_GT(Brightness(canvas.At(x + 1, y)), Brightness(Behind(t, x + 1, y)));
    EXPECT_EQ(canvas.At(x, s.top + 1), Behind(t, x, s.top + 1)) << "a separator has no face";

    // A separator that starts a wrapped row lies across it.
    HWND wrapped = Toolbar({{20, TBSTATE_ENABLED | TBSTATE_WRAP, BTNS_BUTTON, nullptr},
                            {0, TBSTATE_ENABLED | TBSTATE_WRAP, BTNS_SEP, nullptr},
                            {21, TBSTATE_ENABLED, BTNS_BUTTON, nullptr}},
                           true);
    const RECT w = ItemRect(wrapped, 1);
    ASSERT_LE(w.left, 9);
    Canvas row(360, 80);
    Paint(wrapped, row);
    const int mid = (w.left + w.right) / 2;
    ASSERT_GT(w.bottom - 5, 0);
    EXPECT_LT(Brightness(row.At(mid, w.bottom - 5)),
              Brightness(Behind(wrapped, mid, w.bottom - 5)));
    EXPECT_GT(Brightness(row.At(mid, w.bottom - 4)),
              Brightness(Behind(wrapped, mid, w.bottom - 4)));
}

TEST_F(ToolbarTest, DropDownShowsItsArrowAndWhenHotItsDivider) {
    HWND t = Toolbar(StateButtons(), true);
    const RECT r = ItemRect(t, kDropDown);
    Canvas plain(360, 80);
    Paint(t, plain);
    const RECT arrowPart{r.right - 12, r.top, r.right, r.bottom};
    EXPECT_TRUE(Has(plain, arrowPart, [](const Rgb& c) {
        return c == Rgb{255, 255, 255};
    })) << "no arrow";
    SendMessageA(t, TB_SETHOTITEM, kDropDown, 0);
    Canvas hot(360, 80);
    Paint(t, hot);
    const int y = (r.top + r.bottom) / 2;
    EXPECT_LT(Brightness(hot.At(r.right - 12, y)), Brightness(hot.At(r.right - 14, y)))
        << "divider";
    EXPECT_GT(Brightness(hot.At(r.right - 11, y)), Brightness(hot.At(r.right - 12, y)));
}

TEST_F(ToolbarTest, IconsInColourGreyWhenDisabledReddishWhenIndeterminate) {
    HWND t = Toolbar(StateButtons(), true);
    Canvas canvas(360, 80);
    Paint(t, canvas);
    const auto centre = [&](int i) {
        const RECT r = ItemRect(t, i);
        return canvas.At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    EXPECT_EQ(centre(kPlain), FromColorref(kIconColour));
    EXPECT_EQ(centre(kDisabled), (Rgb{86, 86, 86}));
    EXPECT_EQ(centre(kIndeterminate), (Rgb{106, 86, 86}));
}

TEST_F(ToolbarTest, HiddenButtonsAndButtonsWithoutTextDrawNothingOfTheirs) {
    HWND t = Toolbar(StateButtons(), true);
    Canvas blank(360, 80, RGB(1, 2, 3));
    skin::PaintToolbarButton(t, blank.dc(), kHidden, true);
    for (int y = 0; y < 80; y += 3)
        for (int x = 0; x < 360; x += 3) ASSERT_EQ(blank.At(x, y), (Rgb{1, 2, 3}));
}

TEST_F(ToolbarTest, TextsAreFoundByCommandIdInListAndIconAboveTextLayouts) {
    // Command ids far from the indexes: a lookup by index would find no text.
    const std::vector<ButtonDef> defs = {{500, TBSTATE_ENABLED, BTNS_BUTTON, "Open file"},
                                         {7, TBSTATE_ENABLED, BTNS_BUTTON, nullptr},
                                         {900, TBSTATE_ENABLED, BTNS_BUTTON, "Save"}};
    for (const DWORD style : {DWORD{0}, DWORD{TBSTYLE_LIST}}) {
        SCOPED_TRACE(style ? "list" : "icons above texts");
        HWND t = Toolbar(defs, true, style);
        Canvas canvas(360, 80);
        Paint(t, canvas);
        const auto white = [](const Rgb& c) { return Brightness(c) > 600; };
        for (const int i : {0, 2}) {
            const RECT r = ItemRect(t, i);
            RECT text = r;
            if (style)
                text.left += 4 + 16;
            else
                text.top += 3 + 16;
            EXPECT_TRUE(Has(canvas, text, white)) << "no text on button " << i;
            const RECT icon = style ? RECT{r.left + 4, r.top, r.left + 20, r.bottom}
                                    : RECT{r.left, r.top + 3, r.right, r.top + 19};
            EXPECT_TRUE(
                Has(canvas, icon, [](const Rgb& c) { return c == FromColorref(kIconColour); }))
                << "icon of button " << i;
        }
        EXPECT_FALSE(Has(canvas, ItemRect(t, 1), white)) << "text on a button without one";
        DestroyWindow(t);
        toolbars_.pop_back();
    }
}

TEST_F(ToolbarTest, GreyIconsLeaveOutBlackAndGreyAndClampTheRedTint) {
    struct Case {
        const char* name;
        COLORREF pixel;
        bool tint;
        bool shown;
        Rgb want;
    } cases[] = {
        {"colour", RGB(255, 0, 0), false, true, {85, 85, 85}},
        {"colour, tinted", RGB(255, 0, 0), true, true, {105, 85, 85}},
        {"light colour, tinted: red stops at 255", RGB(255, 255, 240), true, true, {255, 250, 250}},
        {"grey", RGB(128, 128, 128), false, false, {}},
        {"white", RGB(255, 255, 255), true, false, {}},
        {"black", RGB(0, 0, 0), false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HDC screen = GetDC(nullptr);
        HBITMAP colour = CreateCompatibleBitmap(screen, 16, 16);
        ReleaseDC(nullptr, screen);
        HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
        {
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(dc, colour);
            HBRUSH b = CreateSolidBrush(c.pixel);
            RECT all{0, 0, 16, 16};
            FillRect(dc, &all, b);
            DeleteObject(b);
            SelectObject(dc, mask);
            PatBlt(dc, 0, 0, 16, 16, BLACKNESS);  // every pixel opaque
            SelectObject(dc, old);
            DeleteDC(dc);
        }
        ICONINFO info{TRUE, 0, 0, mask, colour};
        HICON icon = CreateIconIndirect(&info);
        DeleteObject(colour);
        DeleteObject(mask);
        ASSERT_NE(icon, nullptr);
        Canvas canvas(40, 40, RGB(0, 0, 200));
        skin::DrawGreyIcon(canvas.dc(), 10, 10, icon, 16, 16, c.tint);
        DestroyIcon(icon);
        const Rgb blue{0, 0, 200};
        EXPECT_EQ(canvas.At(18, 18), c.shown ? c.want : blue);
        EXPECT_EQ(canvas.At(5, 5), blue) << "drawn outside its place";
    }
}

TEST_F(ToolbarTest, ComposedControlsShowTheSkinThroughTheirKeyColour) {
    struct Case {
        const char* cls;
        const char* text;
        DWORD style;
        int w, h;
    } cases[] = {{STATUSCLASSNAMEA, "Status", CCS_NOPARENTALIGN | CCS_NORESIZE, 200, 24},
                 {WC_BUTTONA, "Push", BS_PUSHBUTTON, 90, 30},
                 {TRACKBAR_CLASSA, "", 0, 150, 32},
                 {WC_TABCONTROLA, "", 0, 160, 80},
                 {MONTHCAL_CLASSA, "", 0, 200, 160}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cls);
        HWND control = Child(top_, c.cls, c.text, c.style, 10, 40, c.w, c.h);
        if (c.cls == std::string(WC_TABCONTROLA)) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>("Tab");
            SendMessageA(control, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        if (c.cls == std::string(MONTHCAL_CLASSA)) {
            SendMessageA(control, MCM_SETCOLOR, MCSC_BACKGROUND, GetSysColor(COLOR_BTNFACE));
            SendMessageA(control, MCM_SETCOLOR, MCSC_MONTHBK, GetSysColor(COLOR_BTNFACE));
        }
        ASSERT_GT(skin::RegisterToolbar(control), 0);
        RECT rc{};
        GetClientRect(control, &rc);
        Canvas canvas(rc.right, rc.bottom, RGB(255, 0, 255));
        ASSERT_TRUE(skin::ComposeControl(control, canvas.dc()));
        int skin = 0, own = 0;
        for (int y = 0; y < rc.bottom; y += 2)
            for (int x = 0; x < rc.right; x += 2)
                (canvas.At(x, y) == Behind(control, x, y) ? skin : own)++;
        EXPECT_GT(skin, (skin + own) / 10) << "the key colour did not let the skin through";
        EXPECT_GT(own, 0) << "the control's own painting is missing";
        // A real paint validates the control.
        InvalidateRect(control, nullptr, TRUE);
        UpdateWindow(control);
        EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));
        DestroyWindow(control);
    }
}

// A class that paints a red square into the DC it is given and never validates.
LRESULT CALLBACK UnvalidatingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) {
        if (wp) {
            HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
            RECT r{5, 5, 25, 25};
            FillRect(reinterpret_cast<HDC>(wp), &r, red);
            DeleteObject(red);
        }
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

TEST_F(ToolbarTest, OtherClassesAreComposedAndValidatedOnce) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = UnvalidatingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TovikUnvalidating";
    RegisterClassA(&wc);
    HWND control = Child(top_, "TovikUnvalidating", "", 0, 10, 40, 80, 40);
    testing_support::MessageRecorder recorder;
    recorder.Watch(control);
    ASSERT_GT(skin::RegisterToolbar(control), 0);
    testing_support::PumpUntilIdle();
    recorder.Clear();
    InvalidateRect(control, nullptr, TRUE);
    testing_support::PumpUntilIdle();
    // One paint is two renders, over black and over white; a paint that came
    // back would show as more.
    int paints = 0;
    for (const auto& m : recorder.Of(control)) paints += m.message == WM_PAINT;
    EXPECT_EQ(paints, 2) << "WM_PAINT came back";
    EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));
    Canvas canvas(80, 40);
    ASSERT_TRUE(skin::ComposeControl(control, canvas.dc()));
    EXPECT_EQ(canvas.At(10, 10), (Rgb{255, 0, 0}));
    EXPECT_EQ(canvas.At(50, 10), Behind(control, 50, 10));
    DestroyWindow(control);
}

TEST_F(ToolbarTest, WithTheControlBackgroundOffTheControlPaintsItself) {
    HWND t = Toolbar(StateButtons(), true);
    testing_support::MessageRecorder recorder;
    // Watching after the skin: the recorder sees what reaches the toolbar procedure.
    recorder.Watch(t);
    skin::State().controlBackground = false;
    InvalidateRect(t, nullptr, TRUE);
    UpdateWindow(t);
    skin::State().controlBackground = true;
    int paints = 0;
    for (const auto& m : recorder.Of(t)) paints += m.message == WM_PAINT;
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(GetUpdateRect(t, nullptr, FALSE));
}

TEST_F(ToolbarTest, HoveringAlongDisabledButtonsLeaksNothing) {
    HWND t = Toolbar(StateButtons(), true);
    frame_test::recordMessages = false;
    const int count = static_cast<int>(SendMessageA(t, TB_BUTTONCOUNT, 0, 0));
    int i = 0;
    // The mouse moves from button to button; the toolbar repaints what changed,
    // and the button under the mouse (disabled ones too) repaints as well.
    const auto growth = testing_support::MeasureGrowth(150, [&] {
        const RECT r = ItemRect(t, i++ % count);
        SendMessageA(t, WM_MOUSEMOVE, 0,
                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        InvalidateRect(t, &r, FALSE);
        UpdateWindow(t);
    });
    EXPECT_EQ(growth.firstGdi, 0);
    EXPECT_EQ(growth.secondGdi, 0);
    EXPECT_LT(growth.secondBytes, testing_support::kMemorySlack);
}

}  // namespace
}  // namespace container_test
