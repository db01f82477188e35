// The pieces every control skinner is built from: record lookup through the
// index properties, one-time subclassing, the guarded procedure, what happens
// when a control goes before its window, hover bookkeeping and the canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "gfx/gfx.h"
#include "skin/controls/control_passes.h"
#include "skin/base/look.h"
#include "skin/base/skin_state.h"
#include "skin/controls/button_skin.h"
#include "skin/base/skinner_kit.h"
#include "tests/skin/button_fixture.h"
#include "tests/support/leak_check.h"
#include "tests/support/msg_sequence.h"
#include "tests/support/win_test.h"

namespace button_test {
namespace {

using skin::Bound;
using skin::ButtonRecord;
using skin::WindowRecord;
using testing_support::MessageRecorder;

class SkinnerKitTest : public SkinnedButtonsTest {
protected:
    int Index() const { return skin::FindWindowIndex(window_); }
};

// Properties that lead nowhere, or to another control's entry, find nothing.
TEST_F(SkinnerKitTest, RecordLookupFindsOnlyTheControlsOwnEntry) {
    const int own = static_cast<int>(skin::GetIntProp(push_, skin::prop::kIndex));
    const int other = static_cast<int>(skin::GetIntProp(push2_, skin::prop::kIndex));
    struct Case {
        const char* name;
        std::intptr_t owner, position;
        bool found;
    };
    const Case cases[] = {
        {"its own entry", 1, own, true},
        {"window index 0", 0, own, false},
        {"window index past the table", 7, own, false},
        {"position 0", 1, 0, false},
        {"position past the list", 1, 99, false},
        {"another button's entry", 1, other, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        skin::SetIntProp(push_, skin::prop::kOwnerIndex, c.owner);
        skin::SetIntProp(push_, skin::prop::kIndex, c.position);
        const Bound<ButtonRecord> b = skin::FindRecord(push_, &WindowRecord::buttons);
        EXPECT_EQ(static_cast<bool>(b), c.found);
        if (b) {
            EXPECT_EQ(b->window, push_);
        }
        // Messages still reach the button whatever the properties say.
        SendMessageA(push_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
        char text[8] = {};
        GetWindowTextA(push_, text, sizeof text);
        EXPECT_STREQ(text, "x");
    }
    skin::SetIntProp(push_, skin::prop::kOwnerIndex, 1);
    skin::SetIntProp(push_, skin::prop::kIndex, own);
}

// The skin's own bookkeeping names are remembered in the process, yet what a
// read returns is always what the window carries: every write reaches the
// property, names the application sets are read afresh, and a window that went
// away neither answers with its old values nor stays remembered.
TEST(IntProps, ReadsAgreeWithTheWindowsPropertiesThroughWritesRemovalsAndDestruction) {
    HWND w =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(w);
    auto property = [&](const char* name) {
        return reinterpret_cast<std::intptr_t>(GetPropA(w, name));
    };
    struct Case {
        const char* name;
        std::intptr_t value;
    } cases[] = {{skin::prop::kIndex, 3},         {skin::prop::kOwnerIndex, 2},
                 {skin::prop::kPrevProc, 0x1234}, {skin::prop::kToolbarIndex, 5},
                 {skin::prop::kToolbarOwner, 1},  {skin::prop::kToolbarPrevProc, 0x5678},
                 {skin::prop::kTextColour, 0xFF}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A value set before the skin first looked is read from the window.
        SetPropA(w, c.name, reinterpret_cast<HANDLE>(c.value - 1));
        EXPECT_EQ(skin::GetIntProp(w, c.name), c.value - 1);
        skin::SetIntProp(w, c.name, c.value);
        EXPECT_EQ(skin::GetIntProp(w, c.name), c.value);
        EXPECT_EQ(property(c.name), c.value) << "the window itself must carry it";
        skin::SetIntProp(w, c.name, c.value + 1);
        EXPECT_EQ(skin::GetIntProp(w, c.name), c.value + 1);
        skin::RemoveIntProp(w, c.name);
        EXPECT_EQ(skin::GetIntProp(w, c.name), 0);
        EXPECT_EQ(property(c.name), 0);
        skin::SetIntProp(w, c.name, c.value);
    }
    // A name the application owns is never served from memory.
    SetPropA(w, skin::prop::kTextColour, reinterpret_cast<HANDLE>(0x00AB00));
    EXPECT_EQ(skin::GetIntProp(w, skin::prop::kTextColour), 0x00AB00);

    DestroyWindow(w);
    for (const Case& c : cases) EXPECT_EQ(skin::GetIntProp(w, c.name), 0) << c.name;
    skin::SetIntProp(w, skin::prop::kIndex, 9);  // no window to carry it
    EXPECT_EQ(skin::GetIntProp(w, skin::prop::kIndex), 0);
}

// Windows that go without the skin removing its names (not subclassed, say)
// do not pile up in memory.
TEST(IntProps, WindowsThatWentAreForgottenAsMoreComeAndGo) {
    const std::size_t before = skin::RememberedPropWindows();
    for (int round = 0; round < 300; ++round) {
        HWND w = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr,
                                 nullptr);
        ASSERT_TRUE(w);
        skin::SetIntProp(w, skin::prop::kIndex, round + 1);
        EXPECT_EQ(skin::GetIntProp(w, skin::prop::kIndex), round + 1);
        DestroyWindow(w);
    }
    EXPECT_LE(skin::RememberedPropWindows(), std::max<std::size_t>(128, before * 2 + 2));
}

// Running the passes again over the same parent changes nothing: a control
// that already carries a skin procedure is refused, so no procedure ever saves
// itself as the one to call next.
TEST_F(SkinnerKitTest, RunningEveryPassTwiceSkinsEachControlOnce) {
    const int before = Record().buttons.size();
    std::vector<LONG_PTR> saved;
    for (HWND b : {push_, push2_, check_, radio_, radio2_})
        saved.push_back(skin::GetIntProp(b, skin::prop::kPrevProc));
    skin::SkinChildren(Index(), window_);
    EXPECT_EQ(Record().buttons.size(), before);
    int i = 0;
    for (HWND b : {push_, push2_, check_, radio_, radio2_}) {
        EXPECT_EQ(skin::GetIntProp(b, skin::prop::kPrevProc), saved[i++]);
        EXPECT_NE(skin::GetIntProp(b, skin::prop::kPrevProc),
                  reinterpret_cast<LONG_PTR>(skin::ButtonSubclassProc));
    }
    // A message still ends in the native procedure instead of recursing.
    SendMessageA(check_, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check_, BM_GETCHECK, 0, 0), BST_CHECKED);
    // And a control subclassed by any skin procedure is refused too.
    HWND loose = CreateChild(window_, "BUTTON", "t", BS_PUSHBUTTON, 5, 5, 30, 20);
    skin::SetIntProp(loose, skin::prop::kToolbarPrevProc, 1);
    EXPECT_TRUE(skin::CarriesSkinProcedure(loose));
    EXPECT_EQ(skin::AddAndSubclass(Index(), loose, &WindowRecord::buttons, ButtonRecord{},
                                   skin::ButtonSubclassProc),
              0);
    skin::RemoveIntProp(loose, skin::prop::kToolbarPrevProc);
}

LRESULT Throwing(const skin::Msg& m) {
    if (m.message == WM_SETTEXT) throw std::runtime_error("out of something");
    return skin::CallPrevious(m);
}

// An exception in a handler stays inside the procedure and the message still
// reaches the procedure the skin replaced.
TEST_F(SkinnerKitTest, AnExceptionInAHandlerStillPassesTheMessageOn) {
    HWND button = CreateChild(window_, "BUTTON", "old", BS_PUSHBUTTON, 5, 5, 30, 20);
    MessageRecorder recorder;
    recorder.Watch(button);
    ASSERT_NE(skin::InstallSubclass(button, skin::GuardedProc<Throwing>, Index(), 99), nullptr);
    SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new"));
    EXPECT_SEQUENCE(recorder, button, {{WM_SETTEXT, testing_support::kAnyLParam}});
    char text[8] = {};
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ(text, "new");
    DestroyWindow(button);
}

// A control destroyed before its window leaves a blank entry (never matched by
// a later window that reuses the handle) and no properties.
TEST_F(SkinnerKitTest, AControlDestroyedBeforeItsWindowIsForgotten) {
    const int position = static_cast<int>(skin::GetIntProp(push2_, skin::prop::kIndex));
    const int size = Record().buttons.size();
    DestroyWindow(push2_);
    EXPECT_EQ(Record().buttons.size(), size) << "the other positions must not move";
    EXPECT_EQ(Record().buttons.At(position)->window, nullptr);
    EXPECT_EQ(Record().buttons.Find(push2_), 0);
    push2_ = nullptr;
    // The survivors still find their entries.
    EXPECT_TRUE(skin::FindRecord(push_, &WindowRecord::buttons));
    EXPECT_TRUE(skin::FindRecord(radio2_, &WindowRecord::buttons));
}

TEST(HoverState, RepaintsOnlyWhenTheMouseComesFromElsewhere) {
    skin::HoverState h;
    HWND a = reinterpret_cast<HWND>(0x10), b = reinterpret_cast<HWND>(0x20);
    struct Step {
        const char* name;
        int position;
        skin::HoverKind kind;
        HWND parent;
        bool leaveFirst, request, repaint;
    };
    const Step steps[] = {
        {"first move over a control", 1, skin::kHoverEdit, a, false, false, true},
        {"moving inside it", 1, skin::kHoverEdit, a, false, false, false},
        {"same position, other kind", 1, skin::kHoverCombo, a, false, false, true},
        {"same position and kind, other parent", 1, skin::kHoverCombo, b, false, false, true},
        {"another control", 2, skin::kHoverCombo, b, false, false, true},
        {"back after the mouse left", 2, skin::kHoverCombo, b, true, false, true},
        {"a repaint was asked for", 2, skin::kHoverCombo, b, false, true, true},
        {"and only once", 2, skin::kHoverCombo, b, false, false, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.leaveFirst) h.Left();
        if (s.request) h.repaintRequested = true;
        EXPECT_EQ(h.MovedOver(s.position, s.kind, s.parent), s.repaint);
        EXPECT_EQ(h.current, s.position);
    }
}

// The canvas copies once, keyed or plain, and releases everything on every path.
TEST_F(SkinnerKitTest, CanvasCopiesOnceAndReleasesEverything) {
    const RECT rect{0, 0, 40, 20};
    Surface target(40, 20);
    auto paint = [&](bool keyed) {
        RECT all{0, 0, 40, 20};
        FillRect(target.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        skin::ControlCanvas canvas(push_, rect);
        ASSERT_TRUE(canvas);
        gfx::GfxSolidBrush key, white;
        key.Create(skin::Argb(255, skin::kKeyColour));
        white.Create(skin::Argb(255, skin::kWhite));
        canvas.graphics().FillRectangle(key, 0, 0, 20, 20);
        canvas.graphics().FillRectangle(white, 20, 0, 20, 20);
        canvas.CopyTo(target.dc(), keyed);
    };
    struct Case {
        bool keyed;
        Rgb left;
    };
    for (const Case c : {Case{false, {255, 0, 255}}, Case{true, {0, 0, 0}}}) {
        SCOPED_TRACE(c.keyed ? "keyed" : "plain");
        paint(c.keyed);
        EXPECT_EQ(target.At(5, 10), c.left);
        EXPECT_EQ(target.At(30, 10), (Rgb{255, 255, 255}));
    }
    HWND loose = CreateTopLevel(WS_POPUP, 50, 50);  // nothing skinned behind it
    int round = 0;
    const testing_support::Growth g = testing_support::MeasureGrowth(200, [&] {
        if (++round % 2) {
            paint(round % 4 == 1);
        } else {
            skin::ControlCanvas empty(loose, rect);
            EXPECT_FALSE(empty);
            empty.CopyToScreen(skin::Surface::kClient);
        }
    });
    EXPECT_EQ(g.firstGdi, 0);
    EXPECT_EQ(g.secondGdi, 0);
    EXPECT_LT(g.secondBytes, testing_support::kMemorySlack);
}

}  // namespace
}  // namespace button_test
