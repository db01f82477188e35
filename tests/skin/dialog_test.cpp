// A dialog program's window skinned with one call: its tab pages (child
// dialogs) switched back and forth leave nothing of each other, the labels and
// edits inside a group box stay visible when it repaints, a child dialog shows
// the picture on every paint, its controls are skinned, and what the program
// paints itself stays its own.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "skin/controls/container.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/base/skinner_kit.h"
#include "tests/skin/dialog_fixture.h"
#include "tests/skin/test_dialog_ids.h"
#include "tests/support/win_test.h"

namespace dialog_test {
namespace {

using testing_support::PumpUntilIdle;

bool IsPicture(const Rgb& c) { return Near(c, kPicture, 2); }

// Every pixel of `area` (in the shot's coordinates) shows the skin's picture.
void ExpectOnlyPicture(const Shot& shot, const RECT& area, const char* what) {
    const Ink other = InkOf(shot, area, [](const Rgb& c) { return !IsPicture(c); });
    EXPECT_FALSE(other) << what << ": " << other.count << " pixels of something else in ("
                        << other.left << ", " << other.top << ")-(" << other.right << ", "
                        << other.bottom << "), first " << shot.At(other.left, other.top);
}

// The rectangles of a page's controls, in the page's coordinates.
std::vector<RECT> Places(HWND page, std::initializer_list<int> ids) {
    std::vector<RECT> places;
    for (int id : ids) places.push_back(RectIn(GetDlgItem(page, id), page));
    return places;
}

void ExpectOnlyPicture(const Shot& shot, const std::vector<RECT>& areas, const char* what) {
    for (const RECT& r : areas) ExpectOnlyPicture(shot, r, what);
}

TEST_F(DialogTest, TabPagesSwitchedBackAndForthLeaveNothingOfEachOther) {
    CreateTestDialog();
    SkinAndShowDialog();
    // Where only one page has controls.
    const std::vector<RECT> formOnly = Places(form_, {IDC_T_GROUP, IDC_T_COLOURED, IDC_T_FOOTER});
    const std::vector<RECT> otherOnly = Places(other_, {IDC_T_SECOND_LABEL, IDC_T_LIST});
    const Shot form = Grab(form_);
    ExpectOnlyPicture(form, otherOnly, "the form page where only the other page has controls");
    Shot other;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        SelectPage(1);
        ASSERT_TRUE(IsWindowVisible(other_) && !IsWindowVisible(form_));
        const Shot now = Grab(other_);
        ExpectOnlyPicture(now, formOnly, "the other page where only the form has controls");
        if (round == 0) other = now;
        EXPECT_TRUE(now == other) << "rows that changed from the first visit: "
                                  << RowsThatDiffer(now, other).size();
        SelectPage(0);
        const Shot back = Grab(form_);
        ExpectOnlyPicture(back, otherOnly, "the form page where only the other page has controls");
        EXPECT_TRUE(back == form) << "rows that changed from the first visit: "
                                  << RowsThatDiffer(back, form).size();
    }
}

TEST_F(DialogTest, LabelsAndEditsInsideAGroupBoxStayVisibleWhenItRepaints) {
    CreateTestDialog();
    SkinAndShowDialog();
    HWND group = GetDlgItem(form_, IDC_T_GROUP);
    const Shot before = Grab(form_);
    for (int id : {IDC_T_NAME_LABEL, IDC_T_PHONE_LABEL}) {
        const Ink text = InkOf(before, RectIn(GetDlgItem(form_, id), form_), Light);
        EXPECT_GT(text.count, 8) << "label " << id << " shows no text";
    }
    for (int id : {IDC_T_NAME, IDC_T_PHONE}) {
        const RECT e = RectIn(GetDlgItem(form_, id), form_);
        EXPECT_GT(Brightness(before.At((e.left + e.right) / 2, (e.top + e.bottom) / 2)), 600)
            << "edit " << id << " not shown";
    }
    const RECT g = RectIn(group, form_);
    EXPECT_FALSE(IsPicture(before.At(g.left, (g.top + g.bottom) / 2))) << "no group box frame";
    // The group box repaints alone, erased and not: its siblings keep their pixels.
    for (BOOL erase : {TRUE, FALSE}) {
        RedrawWindow(group, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | (erase ? RDW_ERASE : 0));
        PumpUntilIdle(200);
        const Shot after = Grab(form_);
        EXPECT_TRUE(after == before)
            << "erase " << erase
            << ": rows changed by the repaint: " << RowsThatDiffer(after, before).size();
    }
}

// A container leaves out the later siblings that lie inside it, and not the one
// it lies on.
TEST_F(DialogTest, AContainerLeavesOutOnlyTheLaterSiblingsInsideIt) {
    HWND top = Window();
    HWND group = Child(top, WC_BUTTONA, "Group", BS_GROUPBOX, 20, 40, 200, 100);
    HWND inside = Child(top, WC_EDITA, "inside", WS_BORDER, 120, 80, 80, 24);
    Child(top, WC_TABCONTROLA, "", 0, 10, 30, 240, 140);  // under it, enclosing it
    Show(top);
    ASSERT_GT(skin::RegisterContainer(group), 0);
    const Rgb untouched{255, 0, 255};
    container_test::Canvas canvas(200, 100, RGB(255, 0, 255));
    ASSERT_TRUE(skin::RenderContainer(group, canvas.dc()));
    const RECT in = RectIn(inside, group);
    for (POINT p : {POINT{in.left + 1, in.top + 1}, POINT{in.right - 2, in.bottom - 2}})
        EXPECT_EQ(canvas.At(p.x, p.y), untouched) << "painted over the edit inside it";
    EXPECT_NE(canvas.At(0, 50), untouched) << "its frame is missing";
    EXPECT_NE(canvas.At(60, 50), untouched) << "its panel is missing";
}

TEST_F(DialogTest, AChildDialogShowsThePictureOnEveryPaint) {
    CreateTestDialog();
    SkinAndShowDialog();
    const RECT empty = RectIn(GetDlgItem(form_, IDC_T_FOOTER), form_);
    const RECT free{empty.right + 4, empty.top, empty.right + 40, empty.bottom};
    ExpectOnlyPicture(Grab(form_), free, "after showing");
    struct Case {
        const char* name;
        UINT flags;
    } cases[] = {{"invalidated without erasing", RDW_INVALIDATE},
                 {"invalidated and erased", RDW_INVALIDATE | RDW_ERASE},
                 {"erased at once, painted later", RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            // Whatever was on the screen there before.
            HDC dc = GetDC(form_);
            RECT all{};
            GetClientRect(form_, &all);
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            ReleaseDC(form_, dc);
        }
        RedrawWindow(form_, nullptr, nullptr, c.flags);
        PumpUntilIdle(200);
        ExpectOnlyPicture(Grab(form_), free, c.name);
    }
}

TEST_F(DialogTest, ThePagesControlsAreSkinnedLikeTheWindowsOwn) {
    CreateTestDialog();
    SkinAndShowDialog();
    for (HWND page : {form_, other_}) {
        EXPECT_TRUE(skin::CarriesSkinProcedure(page)) << "page not taken";
        for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (GetDlgCtrlID(c) == IDC_T_OWN_PAINT) continue;
            char cls[64] = {};
            GetClassNameA(c, cls, sizeof cls);
            EXPECT_TRUE(skin::CarriesSkinProcedure(c)) << cls << " " << GetDlgCtrlID(c);
        }
    }
}

TEST_F(DialogTest, AButtonTheProgramPaintsItselfKeepsItsDrawingUnderTheMouse) {
    CreateTestDialog();
    HWND own = GetDlgItem(form_, IDC_T_OWN_PAINT);
    const LONG_PTR programsProc = GetWindowLongPtrA(own, GWLP_WNDPROC);
    SkinAndShowDialog();
    EXPECT_FALSE(skin::CarriesSkinProcedure(own));
    EXPECT_EQ(GetWindowLongPtrA(own, GWLP_WNDPROC), programsProc);
    EXPECT_EQ(GetWindowLongA(own, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << "made owner-drawn";
    EXPECT_TRUE(skin::CarriesSkinProcedure(GetDlgItem(form_, IDC_T_OPEN)))
        << "the plain button beside it is skinned";
    RECT r{};
    GetClientRect(own, &r);
    POINT centre{r.right / 2, r.bottom / 2};
    ClientToScreen(own, &centre);
    SetCursorPos(centre.x, centre.y);
    for (int x = 2; x < r.right; x += 6) SendMessageA(own, WM_MOUSEMOVE, 0, MAKELPARAM(x, 4));
    SendMessageA(own, WM_MOUSELEAVE, 0, 0);
    PumpUntilIdle(300);
    const Shot shot = Grab(own);
    const Ink magenta = InkOf(shot, Whole(shot), [](const Rgb& c) {
        return c == Rgb{255, 0, 255};
    });
    EXPECT_EQ(magenta.count, shot.width * shot.height) << "the program's own drawing was covered";
    SetCursorPos(0, 0);
}

TEST_F(DialogTest, TextColourFromTheProgramsAnswerIsKept) {
    CreateTestDialog();
    SkinAndShowDialog();
    const Shot form = Grab(form_);
    const RECT label = RectIn(GetDlgItem(form_, IDC_T_COLOURED), form_);
    const Ink green =
        InkOf(form, label, [](const Rgb& c) { return c.g > 200 && c.r < 80 && c.b < 80; });
    EXPECT_GT(green.count, 8) << "the page's WM_CTLCOLORSTATIC colour is not used";
    const RECT footer = RectIn(GetDlgItem(form_, IDC_T_FOOTER), form_);
    EXPECT_GT(InkOf(form, footer, Light).count, 8) << "a label with no colour set is not light";
}

}  // namespace
}  // namespace dialog_test
