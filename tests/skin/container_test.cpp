// Containers: the group-box, tab-control and double-frame painters by their
// pixels, the container procedure by what reaches the procedure it replaced,
// inner windows, and the tint a container lays behind itself and its children.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/container.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/entry/apply_skin.h"
#include "skin/controls/button_skin.h"
#include "skin/base/background.h"
#include "skin/base/skinner_kit.h"
#include "tests/skin/container_fixture.h"
#include "tests/support/leak_check.h"
#include "tests/support/msg_sequence.h"
#include "tests/support/win_test.h"

namespace container_test {
namespace {

using testing_support::kAnyParams;
using testing_support::kOptional;
using testing_support::MessageRecorder;

constexpr COLORREF kWhiteText = RGB(255, 255, 255);

skin::GroupBoxRecord* EntryOf(HWND container) {
    return skin::FindRecord(container, &skin::WindowRecord::groupBoxes).entry;
}

// Horizontal extent of the bright (text) pixels in rows [top, bottom).
struct Extent {
    int left = -1, right = -1;
};
Extent BrightPixels(const Canvas& c, int top, int bottom) {
    Extent e;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < c.width(); ++x)
            if (Brightness(c.At(x, y)) > 600) {  // the text, not the light frame line
                if (e.left < 0 || x < e.left) e.left = x;
                if (x > e.right) e.right = x;
            }
    return e;
}

TEST_F(ContainerTest, GroupBoxFrameStartsBelowItsCaptionAtEachAlignment) {
    struct Case {
        const char* name;
        DWORD align;
    } cases[] = {{"left", BS_LEFT}, {"none", 0}, {"centre", BS_CENTER}, {"right", BS_RIGHT}};
    HWND top = Window();
    Show(top);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND box = Child(top, WC_BUTTONA, "Caption", BS_GROUPBOX | c.align, 20, 40, 200, 100);
        SetPropA(box, skin::prop::kTextColour, reinterpret_cast<HANDLE>(kWhiteText));
        ASSERT_GT(skin::RegisterContainer(box), 0);
        EXPECT_EQ(EntryOf(box)->kind, 1);
        Canvas canvas(200, 100);
        ASSERT_TRUE(skin::RenderContainer(box, canvas.dc()));
        const Rgb picture = Behind(box, 100, 50);
        const Rgb outer = Blend({0, 0, 0}, 40, picture);
        // The outer frame runs from (0, 5) to (199, 99).
        EXPECT_TRUE(Near(canvas.At(0, 50), outer, 3)) << canvas.At(0, 50);
        EXPECT_TRUE(Near(canvas.At(199, 50), outer, 3)) << canvas.At(199, 50);
        EXPECT_TRUE(Near(canvas.At(100, 99), outer, 3)) << canvas.At(100, 99);
        EXPECT_EQ(canvas.At(100, 2), picture) << "nothing above the frame line";
        EXPECT_EQ(canvas.At(100, 50), picture) << "the inside stays clear";
        // The caption: white text in the rows from y = 1, placed by the alignment.
        const Extent text = BrightPixels(canvas, 1, 16);
        ASSERT_GE(text.left, 0) << "no caption drawn";
        if (c.align == BS_CENTER) {
            EXPECT_NEAR((text.left + text.right) / 2, 100, 4);
        } else if (c.align == BS_RIGHT) {
            EXPECT_LE(text.right, 189);
            EXPECT_GE(text.right, 183);
        } else {
            EXPECT_GE(text.left, 10);
            EXPECT_LE(text.left, 14);
        }
        // The frame line does not run through the caption, but goes on beside it.
        for (int x = text.left; x <= text.right; ++x)
            EXPECT_FALSE(Near(canvas.At(x, 5), outer, 2) && canvas.At(x, 5) != picture)
                << "frame line under the caption at x = " << x;
        const int beside = c.align == BS_RIGHT ? text.left - 8 : text.right + 8;
        EXPECT_NE(canvas.At(beside, 5), picture) << "frame line missing beside the caption";
        DestroyWindow(box);
    }
}

TEST_F(ContainerTest, OnlyTrueGroupBoxesAreDrawnAsGroupBoxes) {
    // Bit 0x4 alone is shared by radio buttons, three-state boxes and others.
    struct Case {
        const char* name;
        DWORD style;
        int kind;
    } cases[] = {{"group box", BS_GROUPBOX, 1},
                 {"radio button", BS_RADIOBUTTON, 0},
                 {"auto radio button", BS_AUTORADIOBUTTON, 0},
                 {"three-state box", BS_3STATE, 0},
                 {"auto three-state box", BS_AUTO3STATE, 0},
                 {"user button", BS_USERBUTTON, 0}};
    HWND top = Window();
    Show(top);  // created afterwards, so no button pass has taken them
    for (const Case& c : cases) {
        HWND b = Child(top, WC_BUTTONA, "B", c.style, 20, 40, 120, 60);
        ASSERT_GT(skin::RegisterContainer(b), 0) << c.name;
        EXPECT_EQ(EntryOf(b)->kind, c.kind) << c.name;
        EXPECT_EQ(skin::DrawsOwnFrame(b), c.kind == 1) << c.name;
        DestroyWindow(b);
    }
}

TEST_F(ContainerTest, DoubleFrameOnlyForPlainFrameContainers) {
    HWND top = Window();
    Show(top);
    HWND panel = Child(top, WC_STATICA, "", 0, 30, 50, 120, 80);
    ASSERT_GT(skin::RegisterContainer(panel), 0);
    const Rgb picture = Behind(panel, 60, 40);
    {
        Canvas canvas(120, 80);
        ASSERT_TRUE(skin::RenderContainer(panel, canvas.dc()));
        EXPECT_EQ(canvas.At(0, 40), picture) << "a container that is no group box draws no frame";
        EXPECT_EQ(canvas.At(1, 40), picture);
    }
    EntryOf(panel)->plainFrame = 1;
    Canvas canvas(120, 80);
    ASSERT_TRUE(skin::RenderContainer(panel, canvas.dc()));
    EXPECT_TRUE(Near(canvas.At(0, 40), Blend({0, 0, 0}, 40, picture), 3)) << canvas.At(0, 40);
    EXPECT_TRUE(Near(canvas.At(1, 40), Blend({255, 255, 255}, 100, picture), 3))
        << canvas.At(1, 40);
    EXPECT_TRUE(Near(canvas.At(60, 78), Blend({255, 255, 255}, 100, picture), 3));
    EXPECT_EQ(canvas.At(60, 40), picture);
}

TEST_F(ContainerTest, TabsOnEverySideSelectedStrongerThanPlainAndPageFramed) {
    struct Case {
        const char* name;
        DWORD style;
    } cases[] = {{"top", 0},
                 {"bottom", TCS_BOTTOM},
                 {"left", TCS_VERTICAL | TCS_MULTILINE},
                 {"right", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE}};
    HWND top = Window();
    Show(top);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND tab = Child(top, WC_TABCONTROLA, "", c.style, 20, 40, 220, 140);
        for (int i = 0; i < 3; ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>("");
            SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageA(tab, TCM_SETCURSEL, 1, 0);
        ASSERT_GT(skin::RegisterContainer(tab), 0);
        Canvas canvas(220, 140);
        ASSERT_TRUE(skin::RenderContainer(tab, canvas.dc()));
        RECT plain{}, selected{};
        SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&plain));
        SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
        const auto centre = [&](const RECT& r) {
            return canvas.At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        };
        const Rgb picture = Behind(tab, 110, 70);
        EXPECT_GT(Brightness(centre(plain)), Brightness(picture) + 30) << centre(plain);
        EXPECT_GT(Brightness(centre(selected)), Brightness(centre(plain)) + 20)
            << "selected " << centre(selected) << ", plain " << centre(plain);
        // The page's outer frame line, on the side away from the tabs.
        const RECT page = skin::TabPageRect(tab);
        const bool vertical = (c.style & TCS_VERTICAL) != 0;
        const bool opposite = (c.style & TCS_BOTTOM) != 0;
        const POINT edge =
            vertical ? POINT{opposite ? page.left : page.right - 1, (page.top + page.bottom) / 2}
                     : POINT{(page.left + page.right) / 2, opposite ? page.top : page.bottom - 1};
        EXPECT_LT(Brightness(canvas.At(edge.x, edge.y)), Brightness(picture))
            << "page frame at (" << edge.x << ", " << edge.y << ")";
        EXPECT_EQ(canvas.At((page.left + page.right) / 2, (page.top + page.bottom) / 2), picture);
        DestroyWindow(tab);
    }
}

// ---- The container procedure.

class ContainerProcTest : public ContainerTest {
protected:
    void SetUp() override {
        ContainerTest::SetUp();
        top_ = Window();
        Show(top_);
        box_ = Child(top_, WC_BUTTONA, "Box", BS_GROUPBOX, 20, 40, 200, 120);
        recorder_.Watch(box_, true);
        ASSERT_GT(skin::RegisterContainer(box_), 0);
        testing_support::PumpUntilIdle();
        recorder_.Clear();
    }
    bool Invalid(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != FALSE; }

    HWND top_ = nullptr, box_ = nullptr;
    MessageRecorder recorder_;
};

TEST_F(ContainerProcTest, MessagesOfChildrenPassUnchanged) {
    HDC dc = GetDC(box_);
    const UINT passed[] = {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN, WM_COMMAND};
    for (UINT message : passed) {
        recorder_.Clear();
        SendMessageA(box_, message, reinterpret_cast<WPARAM>(dc), 0x1234);
        ASSERT_EQ(recorder_.Of(box_).size(), 1u) << message;
        EXPECT_EQ(recorder_.Of(box_)[0].message, message);
        EXPECT_EQ(recorder_.Of(box_)[0].wp, reinterpret_cast<WPARAM>(dc));
        EXPECT_EQ(recorder_.Of(box_)[0].lp, 0x1234);
    }
    ReleaseDC(box_, dc);
}

TEST_F(ContainerProcTest, PushButtonsOnAGroupBoxAreDrawnByTheSkinAndTheItemPassesOn) {
    HWND push = Child(box_, WC_BUTTONA, "OK", BS_PUSHBUTTON, 20, 30, 90, 30);
    skin::SkinPushButtons(skin::FindWindowIndex(top_), box_);
    ASSERT_TRUE(skin::CarriesSkinProcedure(push));
    Canvas canvas(90, 30, RGB(255, 0, 255));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = push;
    item.hDC = canvas.dc();
    item.rcItem = {0, 0, 90, 30};
    recorder_.Clear();
    SendMessageA(box_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_SEQUENCE(recorder_, box_, {{WM_DRAWITEM, kAnyParams}});
    EXPECT_NE(canvas.At(45, 15), (Rgb{255, 0, 255})) << "the skin did not draw the button";
    // A menu item is not the skin's to draw.
    Canvas menu(90, 30, RGB(255, 0, 255));
    item.CtlType = ODT_MENU;
    item.hDC = menu.dc();
    SendMessageA(box_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(menu.At(45, 15), (Rgb{255, 0, 255}));
}

TEST_F(ContainerProcTest, EraseIsAnsweredShowingRendersHidingPassesOn) {
    HDC dc = GetDC(box_);
    SetBkMode(dc, OPAQUE);
    EXPECT_EQ(SendMessageA(box_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_SEQUENCE(recorder_, box_, {});
    ReleaseDC(box_, dc);

    SendMessageA(box_, WM_SHOWWINDOW, 0, 0);
    EXPECT_SEQUENCE(recorder_, box_, {{WM_SHOWWINDOW, kAnyParams}});
    recorder_.Clear();
    SendMessageA(box_, WM_SHOWWINDOW, 1, 0);
    // Rendering asks whether mnemonics are underlined and reads the caption
    // through the procedure.
    EXPECT_SEQUENCE(recorder_, box_,
                    {{WM_SHOWWINDOW, kAnyParams},
                     {WM_QUERYUISTATE, kOptional | kAnyParams},
                     {WM_GETTEXTLENGTH, kOptional | kAnyParams},
                     {WM_GETTEXT, kOptional | kAnyParams}});
}

TEST_F(ContainerProcTest, MovedIsInvalidatedResizedLaysInnerWindowsOut) {
    HWND inner = Child(box_, WC_STATICA, "", 0, 10, 20, 100, 60);  // 90 and 40 from the edges
    ASSERT_TRUE(skin::AddInnerWindow(box_, inner));
    ValidateRect(box_, nullptr);
    SetWindowPos(box_, nullptr, 30, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Invalid(box_)) << "moved container not invalidated";
    testing_support::PumpUntilIdle();

    SetWindowPos(box_, nullptr, 0, 0, 260, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r{};
    GetWindowRect(inner, &r);
    MapWindowPoints(nullptr, box_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 260 - 90);
    EXPECT_EQ(r.bottom, 150 - 40);
    EXPECT_EQ(EntryOf(box_)->childrenSkinned, 1);
}

TEST_F(ContainerProcTest, ResizedLaysOutEveryInnerWindowWhateverItsParent) {
    // Places relative to the box's client area; the sibling of the box is laid
    // out by the same margins, mapped into the top-level window.
    struct Case {
        const char* name;
        HWND parent;
        RECT at;  // in the box's client area
    } cases[] = {
        {"first inner child", box_, {10, 20, 100, 60}},
        {"second inner child", box_, {110, 30, 190, 100}},
        {"sibling of the box", top_, {40, 70, 150, 110}},
    };
    std::vector<HWND> inner;
    for (const Case& c : cases) {
        RECT at = c.at;
        MapWindowPoints(box_, c.parent, reinterpret_cast<POINT*>(&at), 2);
        HWND w = Child(c.parent, WC_STATICA, "", 0, at.left, at.top, at.right - at.left,
                       at.bottom - at.top);
        if (c.parent == top_) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ASSERT_TRUE(skin::AddInnerWindow(box_, w)) << c.name;
        inner.push_back(w);
    }
    testing_support::PumpUntilIdle();
    RECT before{};
    GetClientRect(box_, &before);
    SetWindowPos(box_, nullptr, 0, 0, 280, 170, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT after{};
    GetClientRect(box_, &after);
    const int grewX = after.right - before.right, grewY = after.bottom - before.bottom;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        RECT r{};
        GetWindowRect(inner[i], &r);
        MapWindowPoints(nullptr, box_, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, cases[i].at.left);
        EXPECT_EQ(r.top, cases[i].at.top);
        EXPECT_EQ(r.right, cases[i].at.right + grewX);
        EXPECT_EQ(r.bottom, cases[i].at.bottom + grewY);
    }
}

TEST_F(ContainerProcTest, TreeExpansionRepaintsTheTree) {
    HWND tree = Child(box_, WC_TREEVIEWA, "", 0, 10, 20, 100, 60);
    for (const int code : {TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_SELCHANGEDA}) {
        testing_support::PumpUntilIdle();
        ValidateRect(tree, nullptr);
        NMHDR header{tree, 1, static_cast<UINT>(code)};
        recorder_.Clear();
        SendMessageA(box_, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(Invalid(tree), code != static_cast<int>(TVN_SELCHANGEDA)) << code;
        EXPECT_SEQUENCE(recorder_, box_, {{WM_NOTIFY, kAnyParams}});
    }
}

TEST_F(ContainerProcTest, PropertiesThatLeadNowherePassEverythingOn) {
    for (const INT_PTR position : {INT_PTR{0}, INT_PTR{99}, INT_PTR{-1}}) {
        skin::SetIntProp(box_, skin::prop::kIndex, position);
        HDC dc = GetDC(box_);
        recorder_.Clear();
        SendMessageA(box_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageA(box_, WM_MOVE, 0, 0);
        EXPECT_SEQUENCE(recorder_, box_, {{WM_ERASEBKGND, kAnyParams}, {WM_MOVE, kAnyParams}});
        ReleaseDC(box_, dc);
    }
}

TEST_F(ContainerProcTest, ContainerWithoutFrameLetsItsOwnProcedurePaint) {
    HWND edit = Child(top_, WC_EDITA, "text", WS_BORDER, 20, 180, 120, 24);
    MessageRecorder own;
    own.Watch(edit, true);
    ASSERT_GT(skin::RegisterContainer(edit), 0);
    ASSERT_FALSE(skin::DrawsOwnFrame(edit));
    testing_support::PumpUntilIdle();
    own.Clear();
    InvalidateRect(edit, nullptr, TRUE);
    UpdateWindow(edit);
    int paints = 0;
    for (const auto& m : own.Of(edit)) paints += m.message == WM_PAINT;
    EXPECT_EQ(paints, 1) << testing_support::Describe(own.Of(edit));
    EXPECT_FALSE(Invalid(edit));
    // The group box draws itself: its WM_PAINT does not reach the button procedure.
    InvalidateRect(box_, nullptr, TRUE);
    UpdateWindow(box_);
    for (const auto& m : recorder_.Of(box_)) EXPECT_NE(m.message, static_cast<UINT>(WM_PAINT));
    EXPECT_FALSE(Invalid(box_));
}

// ---- Tints.

TEST_F(ContainerTest, TintedGroupBoxTintsItsPanelAndTheBackgroundOfItsChildren) {
    struct Case {
        const char* name;
        COLORREF colour;
        int alpha;
        bool tinted;
    } cases[] = {{"red at 128", RGB(255, 0, 0), 128, true},
                 {"green at 60", RGB(0, 200, 0), 60, true},
                 {"no colour", 0, 200, false},
                 {"alpha 0", RGB(255, 0, 0), 0, false}};
    HWND top = Window();
    Show(top);
    HWND box = Child(top, WC_BUTTONA, "", BS_GROUPBOX, 20, 40, 200, 120);
    HWND child = Child(box, WC_STATICA, "", 0, 20, 30, 60, 40);
    ASSERT_GT(skin::RegisterContainer(box), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(skin::SetContainerTint(box, c.colour, c.alpha));
        const Rgb picture = Behind(child, 30, 20);
        const Rgb want = c.tinted ? Blend(FromColorref(c.colour), c.alpha, picture) : picture;
        HDC capture = skin::CaptureBackground(child, {0, 0, 60, 40});
        ASSERT_NE(capture, nullptr);
        EXPECT_TRUE(Near(PixelAt(capture, 30, 20), want, 2)) << PixelAt(capture, 30, 20);
        EXPECT_TRUE(Near(PixelAt(capture, 0, 0), want, 2)) << PixelAt(capture, 0, 0);
        skin::ReleaseBackground(capture);
        // The group box's own panel is tinted below its caption line only.
        HDC own = skin::CaptureBackground(box, {0, 0, 200, 120});
        ASSERT_NE(own, nullptr);
        EXPECT_TRUE(Near(PixelAt(own, 100, 60),
                         c.tinted ? Blend(FromColorref(c.colour), c.alpha, Behind(box, 100, 60))
                                  : Behind(box, 100, 60),
                         2));
        EXPECT_EQ(PixelAt(own, 100, 2), Behind(box, 100, 2));
        skin::ReleaseBackground(own);
    }
}

TEST_F(ContainerTest, TintedTabControlTintsFromItsPageDown) {
    HWND top = Window();
    Show(top);
    HWND tab = Child(top, WC_TABCONTROLA, "", 0, 20, 40, 220, 140);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("Tab");
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ASSERT_GT(skin::RegisterContainer(tab), 0);
    ASSERT_TRUE(skin::SetContainerTint(tab, RGB(255, 0, 0), 128));
    const RECT page = skin::TabPageRect(tab);
    HDC own = skin::CaptureBackground(tab, {0, 0, 220, 140});
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(PixelAt(own, 200, page.top - 2), Behind(tab, 200, page.top - 2)) << "tab row tinted";
    EXPECT_TRUE(Near(PixelAt(own, 110, page.top + 30),
                     Blend({255, 0, 0}, 128, Behind(tab, 110, page.top + 30)), 2));
    skin::ReleaseBackground(own);
}

TEST_F(ContainerTest, TintReachesChildrenThroughAContainerWithItsOwnPicture) {
    HWND top = Window();
    Show(top);
    HWND panel = Child(top, WC_STATICA, "", 0, 10, 30, 300, 200);
    Canvas picture(300, 200, RGB(0, 120, 0));
    SetPropA(panel, skin::prop::kIsContainer, reinterpret_cast<HANDLE>(1));
    SetPropA(panel, skin::prop::kContainerDc, picture.dc());
    HWND box = Child(panel, WC_BUTTONA, "", BS_GROUPBOX, 20, 20, 200, 120);
    HWND child = Child(box, WC_STATICA, "", 0, 20, 30, 60, 40);
    ASSERT_GT(skin::RegisterContainer(box), 0);
    EXPECT_EQ(reinterpret_cast<HWND>(GetPropA(box, skin::prop::kGroupContainer)), panel);
    ASSERT_TRUE(skin::SetContainerTint(box, RGB(255, 0, 0), 128));
    HDC capture = skin::CaptureBackground(child, {0, 0, 60, 40});
    ASSERT_NE(capture, nullptr);
    EXPECT_TRUE(Near(PixelAt(capture, 10, 10), Blend({255, 0, 0}, 128, {0, 120, 0}), 2))
        << PixelAt(capture, 10, 10);
    skin::ReleaseBackground(capture);
    // Without the tint-children flag the child sees the container's picture only.
    ASSERT_TRUE(skin::SetContainerTint(box, RGB(255, 0, 0), 128, false));
    capture = skin::CaptureBackground(child, {0, 0, 60, 40});
    EXPECT_EQ(PixelAt(capture, 10, 10), (Rgb{0, 120, 0}));
    skin::ReleaseBackground(capture);
    DestroyWindow(panel);
}

TEST_F(ContainerTest, RepaintingContainersLeaksNothing) {
    HWND top = Window();
    Show(top);
    HWND box = Child(top, WC_BUTTONA, "Caption", BS_GROUPBOX | BS_CENTER, 20, 40, 160, 90);
    HWND tab = Child(top, WC_TABCONTROLA, "", 0, 190, 40, 170, 120);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("Tab");
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(tab, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
    skin::RegisterContainer(box);
    skin::RegisterContainer(tab);
    skin::SetContainerTint(box, RGB(0, 0, 255), 40);
    frame_test::recordMessages = false;
    const auto growth = testing_support::MeasureGrowth(150, [&] {
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    EXPECT_EQ(growth.firstGdi, 0);
    EXPECT_EQ(growth.secondGdi, 0);
    EXPECT_LT(growth.secondBytes, testing_support::kMemorySlack);
}

}  // namespace
}  // namespace container_test
