// Labels and text over the skin: the Static skinner's layouts as the system
// lays text out, images and etched lines, the colour text takes where the
// program set none (readable on the picture) and where it set one (kept),
// mnemonics wherever the skin draws text, and the call that keeps a control
// out of the skin.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "skin/controls/container.h"
#include "skin/controls/static_label.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/base/background.h"
#include "skin/base/control_options.h"
#include "skin/base/skinner_kit.h"
#include "tests/skin/dialog_fixture.h"
#include "tests/support/leak_check.h"
#include "tests/support/win_test.h"

namespace dialog_test {
namespace {

using testing_support::PumpUntilIdle;

HFONT TestFont() {
    static HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                    DEFAULT_PITCH, "宋体");
    return font;
}

class LabelTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        top_ = Window(420, 320);
    }
    HWND Label(const char* text, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0,
               HWND parent = nullptr) {
        HWND label = Child(parent ? parent : top_, WC_STATICA, text, style, x, y, w, h, exStyle);
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(TestFont()), FALSE);
        return label;
    }
    void Cues(HWND control, bool shown) {
        SendMessageA(control, WM_UPDATEUISTATE,
                     MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEACCEL), 0);
        PumpUntilIdle(100);
    }
    HWND top_ = nullptr;
};

// What the system's own DrawText makes of the label's text with `format`,
// white over the picture behind the label.
Shot Reference(HWND label, UINT format) {
    RECT rc{};
    GetClientRect(label, &rc);
    HDC dc = skin::CaptureBackground(label, rc);
    Shot shot;
    if (!dc) return shot;
    HGDIOBJ old = SelectObject(dc, TestFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    char text[256] = {};
    GetWindowTextA(label, text, sizeof text);
    DrawTextA(dc, text, -1, &rc, format);
    SelectObject(dc, old);
    shot.width = rc.right;
    shot.height = rc.bottom;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            shot.pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    skin::ReleaseBackground(dc);
    return shot;
}

TEST_F(LabelTest, TextLabelsKeepTheSystemsLayoutAndDrawOverThePicture) {
    const char* longText = "A label much too long to fit in its box";
    const char* path = "C:\\Tovik\\skin\\a folder with a long name\\readme.txt";
    struct Case {
        const char* name;
        const char* text;
        DWORD style;
        DWORD exStyle;
        UINT format;  // what the system lays the text out with
    } cases[] = {
        {"left", "Left", SS_LEFT, 0, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS},
        {"centre", "Centre", SS_CENTER, 0, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS},
        {"right", "Right", SS_RIGHT, 0, DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS},
        {"right to left reading", "Right", SS_LEFT, WS_EX_RIGHT,
         DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS},
        {"wrapped", longText, SS_LEFT, 0, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS},
        {"no wrap", longText, SS_LEFTNOWORDWRAP, 0, DT_LEFT | DT_EXPANDTABS},
        {"simple", "Simple", SS_SIMPLE, 0, DT_LEFT | DT_SINGLELINE},
        {"centred vertically", "Middle", SS_LEFT | SS_CENTERIMAGE, 0,
         DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER},
        {"end ellipsis", longText, SS_LEFT | SS_ENDELLIPSIS, 0,
         DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_SINGLELINE | DT_END_ELLIPSIS},
        {"path ellipsis", path, SS_LEFT | SS_PATHELLIPSIS, 0,
         DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_SINGLELINE | DT_PATH_ELLIPSIS},
        {"word ellipsis", longText, SS_LEFT | SS_WORDELLIPSIS, 0,
         DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_SINGLELINE | DT_WORD_ELLIPSIS},
        {"mnemonic", "&Name", SS_LEFT, 0, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS},
        {"no prefix", "A&B", SS_LEFT | SS_NOPREFIX, 0,
         DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX},
    };
    std::vector<HWND> labels;
    int y = 30;
    for (const Case& c : cases) {
        labels.push_back(Label(c.text, c.style, 20, y, 150, 34, c.exStyle));
        y += 36;
        if (y > 280) y = 30;
    }
    Show(top_);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        HWND label = labels[i];
        ASSERT_TRUE(skin::CarriesSkinProcedure(label));
        // One at a time, so that no neighbour lies over it.
        for (HWND other : labels) ShowWindow(other, other == label ? SW_SHOWNA : SW_HIDE);
        PumpUntilIdle(100);
        const Shot shot = Grab(label);
        ASSERT_GT(InkOf(shot, Whole(shot), Light).count, 5) << "no light text";
        const Shot expected = Reference(label, c.format);
        EXPECT_TRUE(shot == expected) << "rows that differ from the system's layout: "
                                      << RowsThatDiffer(shot, expected).size();
    }
}

TEST_F(LabelTest, AlignmentsPlaceTheTextAndADisabledLabelIsDimmed) {
    HWND left = Label("Text", SS_LEFT, 20, 40, 160, 18);
    HWND centre = Label("Text", SS_CENTER, 20, 60, 160, 18);
    HWND right = Label("Text", SS_RIGHT, 20, 80, 160, 18);
    HWND disabled = Label("Text", SS_LEFT | WS_DISABLED, 20, 100, 160, 18);
    Show(top_);
    auto ink = [](HWND w) {
        const Shot s = Grab(w);
        return InkOf(s, Whole(s), [](const Rgb& c) { return !Near(c, kPicture, 8); });
    };
    EXPECT_LE(ink(left).left, 2);
    EXPECT_NEAR((ink(centre).left + ink(centre).right) / 2, 80, 3);
    EXPECT_GE(ink(right).right, 156);
    const Shot on = Grab(left), off = Grab(disabled);
    auto brightest = [](const Shot& s) {
        int most = 0;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) most = std::max(most, Brightness(s.At(x, y)));
        return most;
    };
    EXPECT_GT(brightest(on), 700);
    EXPECT_LT(brightest(off), brightest(on) - 150) << "a disabled label looks enabled";
    EXPECT_GT(brightest(off), Brightness(kPicture) + 150) << "a disabled label vanished";
    EXPECT_EQ(ink(disabled).left, ink(left).left) << "the disabled text moved";
}

TEST_F(LabelTest, IconsBitmapsAndEtchedLinesShowOverThePicture) {
    HWND icon = Child(top_, WC_STATICA, "", SS_ICON, 20, 40, 32, 32);
    HWND picture = Child(top_, WC_STATICA, "", SS_BITMAP | SS_CENTERIMAGE, 80, 40, 40, 30);
    HWND line = Child(top_, WC_STATICA, "", SS_ETCHEDHORZ, 20, 100, 200, 2);
    HWND column = Child(top_, WC_STATICA, "", SS_ETCHEDVERT, 240, 40, 2, 100);
    HWND frame = Child(top_, WC_STATICA, "", SS_ETCHEDFRAME, 20, 120, 80, 50);
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_INFORMATION)),
                 0);
    std::vector<COLORREF> bits(64, 0x00FF0000);  // 8 x 8, red in a 32-bit bitmap's order
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, bits.data());
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    Show(top_);
    for (HWND w : {icon, picture, line, column, frame}) EXPECT_TRUE(skin::CarriesSkinProcedure(w));
    const Shot i = Grab(icon);
    EXPECT_TRUE(Near(i.At(0, 0), kPicture, 2)) << "the icon's transparent corner " << i.At(0, 0);
    EXPECT_GT(InkOf(i, Whole(i), [](const Rgb& c) { return !Near(c, kPicture, 20); }).count, 100);
    const Shot b = Grab(picture);
    EXPECT_EQ(b.At(20, 15), (Rgb{255, 0, 0})) << "the program's bitmap, centred";
    EXPECT_TRUE(Near(b.At(2, 2), kPicture, 2)) << "the picture around it " << b.At(2, 2);
    const Shot l = Grab(line, true), v = Grab(column, true), f = Grab(frame);
    EXPECT_LT(Brightness(l.At(100, 0)), Brightness(kPicture) - 20) << l.At(100, 0);
    EXPECT_GT(Brightness(l.At(100, 1)), Brightness(kPicture) + 150) << l.At(100, 1);
    EXPECT_LT(Brightness(v.At(0, 50)), Brightness(kPicture) - 20) << v.At(0, 50);
    EXPECT_GT(Brightness(v.At(1, 50)), Brightness(kPicture) + 150) << v.At(1, 50);
    EXPECT_LT(Brightness(f.At(0, 25)), Brightness(kPicture) - 20) << f.At(0, 25);
    EXPECT_GT(Brightness(f.At(1, 25)), Brightness(kPicture) + 150) << f.At(1, 25);
    EXPECT_TRUE(Near(f.At(40, 25), kPicture, 2)) << "inside the frame " << f.At(40, 25);
    DestroyWindow(picture);
    DeleteObject(bitmap);
}

// Text with no colour of its own is light on a dark picture and dark on a light
// one; a colour set with SetTextColour is kept, black included.
TEST_F(LabelTest, TextTakesAReadableColourUnlessTheProgramSetOne) {
    struct Case {
        const char* name;
        COLORREF picture;
        bool set;
        COLORREF colour;
        bool (*expect)(const Rgb&);
    } cases[] = {
        {"dark picture, no colour", RGB(20, 40, 90), false, 0, Light},
        {"light picture, no colour", RGB(230, 225, 200), false, 0,
         [](const Rgb& c) { return Brightness(c) < 300; }},
        {"dark picture, black set", RGB(20, 40, 90), true, RGB(0, 0, 0), Dark},
        {"light picture, white set", RGB(230, 225, 200), true, RGB(255, 255, 255), Light},
        {"dark picture, red set", RGB(20, 40, 90), true, RGB(255, 0, 0),
         [](const Rgb& c) { return c.r > 200 && c.g < 60 && c.b < 60; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        static std::vector<std::uint8_t> png;
        png = frame_test::SolidPng(64, 40, c.picture);
        skin::SkinInitOptions init;
        init.imageData = png;
        init.accentColour = frame_test::kAccent;
        init.imageMode = 3;
        skin::InitSkin(init);
        HWND w = Window(300, 160);
        HWND label = Label("Label text", SS_LEFT, 20, 40, 120, 18, 0, w);
        HWND check = Child(w, WC_BUTTONA, "Check text", BS_AUTOCHECKBOX, 20, 70, 120, 20);
        HWND radio = Child(w, WC_BUTTONA, "Radio text", BS_AUTORADIOBUTTON, 20, 95, 120, 20);
        HWND box = Child(w, WC_BUTTONA, "Caption", BS_GROUPBOX, 150, 40, 120, 80);
        for (HWND c2 : {check, radio, box})
            SendMessageA(c2, WM_SETFONT, reinterpret_cast<WPARAM>(TestFont()), FALSE);
        if (c.set)
            for (HWND c2 : {label, check, radio, box}) skin::SetTextColour(c2, c.colour);
        Show(w);
        ASSERT_GT(skin::RegisterContainer(box), 0);
        PumpUntilIdle(200);
        for (HWND t : {label, check, radio, box}) {
            const Shot s = Grab(t);
            RECT text = Whole(s);
            if (t == check || t == radio) text.left = 18;  // beside the mark
            if (t == box) text.bottom = 16;                // the caption
            char cls[32] = {};
            GetWindowTextA(t, cls, sizeof cls);
            EXPECT_GT(InkOf(s, text, c.expect).count, 6) << cls;
        }
        DestroyWindow(w);
    }
    InitTestSkin();
}

// "&x" never shows its "&": with keyboard cues hidden the text looks as it
// would without it, with cues shown only an underline is added; "&&" is one
// "&" and no mnemonic.
TEST_F(LabelTest, MnemonicsEverywhereTheSkinDrawsText) {
    HWND tab = Child(top_, WC_TABCONTROLA, "", 0, 200, 160, 200, 80);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("x");
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    struct Kind {
        const char* name;
        HWND control;
    } kinds[] = {
        {"label", Label("x", SS_LEFT, 20, 40, 150, 18)},
        {"push button", Child(top_, WC_BUTTONA, "x", BS_PUSHBUTTON, 20, 70, 150, 26)},
        {"check box", Child(top_, WC_BUTTONA, "x", BS_AUTOCHECKBOX, 20, 100, 150, 20)},
        {"radio button", Child(top_, WC_BUTTONA, "x", BS_AUTORADIOBUTTON, 20, 125, 150, 20)},
        {"group box", Child(top_, WC_BUTTONA, "x", BS_GROUPBOX, 200, 40, 150, 100)},
        {"tab", tab},
    };
    for (const Kind& k : kinds)
        SendMessageA(k.control, WM_SETFONT, reinterpret_cast<WPARAM>(TestFont()), FALSE);
    Show(top_);
    ASSERT_GT(skin::RegisterContainer(kinds[4].control), 0);
    ASSERT_GT(skin::RegisterContainer(tab), 0);
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.name);
        auto shotOf = [&](const char* text, bool cues) {
            if (k.control == tab) {
                item.pszText = const_cast<char*>(text);
                SendMessageA(tab, TCM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            } else {
                SetWindowTextA(k.control, text);
            }
            Cues(k.control, cues);
            RedrawWindow(k.control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            PumpUntilIdle(100);
            return Grab(k.control);
        };
        const Shot plain = shotOf("Open", false);
        EXPECT_TRUE(shotOf("&Open", false) == plain) << "an \"&\" drawn with cues hidden";
        const Shot underlined = shotOf("&Open", true);
        const std::vector<int> rows = RowsThatDiffer(underlined, plain);
        EXPECT_FALSE(rows.empty()) << "no underline with cues shown";
        EXPECT_LE(rows.size(), 3u) << "more than an underline differs";
        const Shot doubled = shotOf("A&&B", true);
        EXPECT_TRUE(doubled == shotOf("A&&B", false)) << "\"&&\" taken for a mnemonic";
        EXPECT_FALSE(doubled == shotOf("AB", false)) << "\"&&\" drew no \"&\"";
    }
}

// A control the program keeps native is left as it was by every pass and by
// the registrations, and so is what lies on it.
TEST_F(LabelTest, AControlKeptNativeStaysNative) {
    HWND w = Window(420, 320);
    struct Case {
        const char* name;
        const char* cls;
        DWORD style;
    } cases[] = {
        {"push button", WC_BUTTONA, BS_PUSHBUTTON},
        {"check box", WC_BUTTONA, BS_AUTOCHECKBOX},
        {"label", WC_STATICA, SS_LEFT},
        {"edit with a scroll bar", WC_EDITA, ES_MULTILINE | WS_VSCROLL | WS_BORDER},
        {"list box", WC_LISTBOXA, WS_VSCROLL | WS_BORDER},
        {"combo box", WC_COMBOBOXA, CBS_DROPDOWNLIST},
        {"list view", WC_LISTVIEWA, LVS_REPORT},
        {"trackbar", TRACKBAR_CLASSA, 0},
        {"progress bar", PROGRESS_CLASSA, 0},
        {"up-down", UPDOWN_CLASSA, 0},
        {"toolbar", TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_NOPARENTALIGN},
        {"group box", WC_BUTTONA, BS_GROUPBOX},
        {"tab control", WC_TABCONTROLA, 0},
        {"child dialog", "#32770", DS_CONTROL},
    };
    struct Made {
        HWND control;
        LONG_PTR proc;
        LONG style;
        std::vector<HWND> inside;
    };
    std::vector<Made> made;
    int x = 10, y = 30;
    for (const Case& c : cases) {
        HWND control = Child(w, c.cls, "Native", c.style, x, y, 120, 40);
        if (skin::IsClass(control, WC_LISTVIEWA)) {
            LVCOLUMNA col{};
            col.mask = LVCF_TEXT | LVCF_WIDTH;
            col.pszText = const_cast<char*>("Column");
            col.cx = 60;
            SendMessageA(control, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
        }
        std::vector<HWND> inside;
        if (c.style == BS_GROUPBOX || skin::IsClass(control, WC_TABCONTROLA) ||
            skin::IsClass(control, "#32770"))
            inside.push_back(Child(control, WC_BUTTONA, "Inner", BS_PUSHBUTTON, 5, 15, 50, 20));
        for (HWND c2 = GetWindow(control, GW_CHILD); c2; c2 = GetWindow(c2, GW_HWNDNEXT))
            if (std::find(inside.begin(), inside.end(), c2) == inside.end()) inside.push_back(c2);
        skin::KeepNative(control);
        made.push_back({control, GetWindowLongPtrA(control, GWLP_WNDPROC),
                        GetWindowLongA(control, GWL_STYLE), inside});
        y += 46;
        if (y > 270) y = 30, x += 130;
    }
    int childrenBefore = 0;
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++childrenBefore;
    Show(w);
    for (const Made& m : made) {
        EXPECT_EQ(skin::RegisterContainer(m.control), 0);
        EXPECT_EQ(skin::RegisterToolbar(m.control), 0);
    }
    int childrenAfter = 0;
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++childrenAfter;
    EXPECT_EQ(childrenAfter, childrenBefore) << "scroll-bar overlays made for native controls";
    for (std::size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const Made& m = made[i];
        EXPECT_TRUE(skin::IsKeptNative(m.control));
        EXPECT_FALSE(skin::CarriesSkinProcedure(m.control));
        EXPECT_EQ(GetWindowLongPtrA(m.control, GWLP_WNDPROC), m.proc);
        EXPECT_EQ(GetWindowLongA(m.control, GWL_STYLE), m.style);
        for (HWND c : m.inside) EXPECT_FALSE(skin::CarriesSkinProcedure(c)) << "a window on it";
    }
}

// Hundreds of label paints (text, disabled text, an icon) leave GDI objects
// where they were.
TEST_F(LabelTest, PaintingLabelsLeaksNothing) {
    HWND text = Label("Some &text", SS_LEFT, 20, 40, 150, 18);
    HWND disabled = Label("Disabled", SS_CENTER | WS_DISABLED, 20, 60, 150, 18);
    HWND icon = Child(top_, WC_STATICA, "", SS_ICON, 20, 90, 32, 32);
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_WARNING)), 0);
    Show(top_);
    frame_test::recordMessages = false;
    const auto g = testing_support::MeasureGrowth(150, [&] {
        for (HWND l : {text, disabled, icon}) skin::PaintStatic(l);
    });
    EXPECT_EQ(g.firstGdi, 0);
    EXPECT_EQ(g.secondGdi, 0);
    EXPECT_LT(g.secondBytes, testing_support::kMemorySlack);
}

}  // namespace
}  // namespace dialog_test
