// Composed controls (status bar, rich edit, month calendar) laid over the skin:
// their text keeps its glyph shape over dark and light pictures (the coverage
// masks of the plain and the composed rendering match), it stands out from the
// picture, and greyed and selected states stay apart from normal ones.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/composition.h"
#include "skin/controls/toolbar.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/frame/skin_init.h"
#include "tests/skin/container_fixture.h"

namespace container_test {
namespace {

int Luma(const Rgb& c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

constexpr COLORREF kLightPicture = RGB(226, 222, 210);

// The same control class made twice: one on a plain (unskinned) window, as
// the system draws it, and one registered on a skinned window.
struct Composed {
    const char* name;
    const char* cls;
    DWORD style;
    int w, h;
    void (*fill)(HWND);
    // The parts of the client area that hold only text (no frames).
    std::vector<RECT> (*textAreas)(HWND);
};

void StatusText(HWND s) {
    const int parts[] = {90, -1};
    SendMessageA(s, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageA(s, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Ready 123"));
    SendMessageA(s, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("line 1, column 7"));
}

std::vector<RECT> StatusParts(HWND s) {
    std::vector<RECT> out;
    for (int i = 0; i < 2; ++i) {
        RECT r{};
        SendMessageA(s, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
        InflateRect(&r, -3, -3);
        out.push_back(r);
    }
    return out;
}

void RichText(HWND r) { SetWindowTextA(r, "Rich text over the skin: 0123456789 abcdefgh"); }

std::vector<RECT> WholeClient(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    InflateRect(&r, -2, -2);
    return {r};
}

const Composed kControls[] = {
    {"status bar", STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 260, 24,
     StatusText, StatusParts},
    {"rich edit", "RichEdit20A", ES_MULTILINE, 260, 40, RichText, WholeClient},
};

class CompositionTest : public ContainerTest {
protected:
    void SetUp() override {
        ContainerTest::SetUp();
        LoadLibraryA("riched20.dll");
    }
    // A skin of one solid colour behind everything.
    static void UsePicture(COLORREF colour) {
        static std::vector<std::uint8_t> picture;
        picture = frame_test::SolidPng(64, 40, colour);
        skin::SkinInitOptions init;
        init.imageData = picture;
        init.accentColour = frame_test::kAccent;
        init.imageMode = 3;
        skin::InitSkin(init);
    }
    HWND Skinned(const Composed& c) {
        HWND top = Window(320, 200);
        HWND control = Child(top, c.cls, "", c.style, 20, 60, c.w, c.h);
        SendMessageA(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
        c.fill(control);
        Show(top);
        EXPECT_GT(skin::RegisterToolbar(control), 0);
        return control;
    }
    // The control's class as the system paints it, on its own face.
    HWND Plain(const Composed& c) {
        // Visible: a hidden status bar paints nothing.
        HWND top = CreateTopLevel(WS_POPUP | WS_VISIBLE, 320, 200);
        HWND control = Child(top, c.cls, "", c.style, 20, 60, c.w, c.h);
        SendMessageA(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
        c.fill(control);
        return control;
    }
};

// Ink: pixels the text moved away from the background. Plain text is darker
// than its face; composed text is lighter than a dark picture and darker than
// a light one (its soft rim goes the other way and is not ink).
TEST_F(CompositionTest, TextKeepsItsGlyphShapeOverDarkAndLightPictures) {
    for (const COLORREF picture : {frame_test::kPictureColour, kLightPicture}) {
        const bool dark = picture == frame_test::kPictureColour;
        for (const Composed& c : kControls) {
            SCOPED_TRACE(std::string(c.name) +
                         (dark ? " over a dark picture" : " over a light one"));
            UsePicture(picture);
            HWND plain = Plain(c), composed = Skinned(c);
            RECT rc{};
            GetClientRect(plain, &rc);
            const COLORREF face = c.cls == std::string("RichEdit20A") ? GetSysColor(COLOR_WINDOW)
                                                                      : GetSysColor(COLOR_BTNFACE);
            Canvas own(rc.right, rc.bottom, face);
            SendMessageA(plain, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.dc()), PRF_CLIENT);
            Canvas over(rc.right, rc.bottom);
            ASSERT_TRUE(skin::ComposeControl(composed, over.dc()));

            const int faceLuma = Luma(FromColorref(face)),
                      pictureLuma = Luma(FromColorref(picture));
            int ink = 0, mismatched = 0;
            for (const RECT& area : c.textAreas(plain))
                for (int y = area.top; y < area.bottom; ++y)
                    for (int x = area.left; x < area.right; ++x) {
                        const bool plainInk = Luma(own.At(x, y)) < faceLuma - 12;
                        const int l = Luma(over.At(x, y));
                        const bool composedInk = dark ? l > pictureLuma + 12 : l < pictureLuma - 12;
                        ink += plainInk;
                        mismatched += plainInk != composedInk;
                    }
            EXPECT_GT(ink, 60) << "no text to compare";
            EXPECT_LE(mismatched, ink / 50) << "of " << ink << " ink pixels";
            // And it stands out: the strongest text is far from the picture.
            int strongest = 0;
            for (const RECT& area : c.textAreas(plain))
                for (int y = area.top; y < area.bottom; ++y)
                    for (int x = area.left; x < area.right; ++x)
                        strongest =
                            std::max(strongest, std::abs(Luma(over.At(x, y)) - pictureLuma));
            EXPECT_GT(strongest, 120);
            DestroyWindow(GetParent(plain));
            DestroyWindow(GetParent(composed));
        }
    }
}

// The month calendar's days of the shown month, its days of the months
// around (drawn grey) and its selected day look three different ways.
TEST_F(CompositionTest, GreyedAndSelectedDaysStayApartFromNormalOnes) {
    HWND top = Window(320, 260);
    HWND calendar = Child(top, MONTHCAL_CLASSA, "", 0, 20, 40, 240, 180);
    SYSTEMTIME day{};
    day.wYear = 2026;
    day.wMonth = 12;
    day.wDay = 10;
    SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    Show(top);
    ASSERT_GT(skin::RegisterToolbar(calendar), 0);
    RECT rc{};
    GetClientRect(calendar, &rc);
    Canvas over(rc.right, rc.bottom);
    ASSERT_TRUE(skin::ComposeControl(calendar, over.dc()));

    // The brightest pixel round each kind of day (the picture is dark, so the
    // text of a day is its brightest part).
    int normal = -1, trailing = -1;
    Rgb selected{};
    bool foundSelected = false;
    for (int y = 0; y < rc.bottom; y += 3)
        for (int x = 0; x < rc.right; x += 3) {
            MCHITTESTINFO hit{};
            hit.cbSize = sizeof hit;
            hit.pt = {x, y};
            SendMessageA(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            const int l = Luma(over.At(x, y));
            if (hit.uHit == MCHT_CALENDARDATE && hit.st.wDay != day.wDay)
                normal = std::max(normal, l);
            if (hit.uHit == MCHT_CALENDARDATEPREV || hit.uHit == MCHT_CALENDARDATENEXT)
                trailing = std::max(trailing, l);
            if (hit.uHit == MCHT_CALENDARDATE && hit.st.wDay == day.wDay && !foundSelected) {
                selected = over.At(x, y);
                foundSelected = true;
            }
        }
    ASSERT_GE(normal, 0);
    ASSERT_GE(trailing, 0);
    EXPECT_GT(normal, trailing + 40) << "greyed days look like the others";
    EXPECT_GT(trailing, Luma(kPicture) + 60) << "greyed days are lost in the picture";
    ASSERT_TRUE(foundSelected);
    EXPECT_GT(std::max({selected.r, selected.g, selected.b}) -
                  std::min({selected.r, selected.g, selected.b}),
              60)
        << "the selected day keeps its colour " << selected;
}

// A class that paints a red square into the DC it is given and, while it
// paints, has another composed control painted (a program's notification
// handler might): the composition under way keeps its own surfaces.
HWND nestedOther = nullptr;
LRESULT CALLBACK NestingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT && wp) {
        Canvas inner(60, 30);
        if (nestedOther) skin::ComposeControl(nestedOther, inner.dc());
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const RECT r{5, 5, 25, 25};
        FillRect(reinterpret_cast<HDC>(wp), &r, red);
        DeleteObject(red);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

TEST_F(CompositionTest, ACompositionInsideAnotherKeepsBothWhole) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = NestingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TovikNestingPaint";
    RegisterClassA(&wc);
    HWND top = Window(320, 200);
    HWND outer = Child(top, "TovikNestingPaint", "", 0, 20, 40, 80, 40);
    HWND status =
        Child(top, STATUSCLASSNAMEA, "", CCS_NOPARENTALIGN | CCS_NORESIZE, 20, 100, 60, 30);
    SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("x"));
    Show(top);
    ASSERT_GT(skin::RegisterToolbar(outer), 0);
    ASSERT_GT(skin::RegisterToolbar(status), 0);
    nestedOther = status;
    Canvas canvas(80, 40);
    EXPECT_TRUE(skin::ComposeControl(outer, canvas.dc()));
    nestedOther = nullptr;
    EXPECT_EQ(canvas.At(10, 10), (Rgb{255, 0, 0}));
    EXPECT_EQ(canvas.At(50, 10), Behind(outer, 50, 10));
}

// The colour rule by itself, as a table: strongest text becomes the strongest
// contrast, a greyed text keeps its distance from it, colours keep their hue.
TEST(ReadableColour, KeepsStatesApartAndHuesWhole) {
    const COLORREF face = RGB(240, 240, 240);
    struct Case {
        const char* name;
        std::uint32_t colour;
        bool dark;
        std::uint32_t expected;
    } cases[] = {
        {"black text over a dark picture: white", 0x000000, true, 0xFFFFFF},
        {"black text over a light picture: black", 0x000000, false, 0x000000},
        {"a grey as light as the face is left alone", 0xF8F8F8, true, 0xF8F8F8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(skin::ReadableColour(c.colour, face, c.dark), c.expected);
    }
    const auto grey = [](std::uint32_t p) { return static_cast<int>(p & 0xFF); };
    const std::uint32_t greyed = 0xA0A0A0;
    EXPECT_LT(grey(skin::ReadableColour(greyed, face, true)), 255 - 40);
    EXPECT_GT(grey(skin::ReadableColour(greyed, face, true)), 150);
    EXPECT_GT(grey(skin::ReadableColour(greyed, face, false)), 40);
    EXPECT_LT(grey(skin::ReadableColour(greyed, face, false)), 110);
    // A dark blue over a dark picture gets lighter, still blue.
    const std::uint32_t blue = skin::ReadableColour(0x10208C, face, true);
    const int r = static_cast<int>(blue >> 16), g = static_cast<int>((blue >> 8) & 0xFF),
              b = static_cast<int>(blue & 0xFF);
    EXPECT_GT(b, r + 25);
    EXPECT_GT(b, g + 25);
    EXPECT_GT((299 * r + 587 * g + 114 * b) / 1000, 150);
}

}  // namespace
}  // namespace container_test
