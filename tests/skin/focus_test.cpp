// The focus look of every skinned control that can take the focus: it shows
// while the control (or a part of it) has the focus, goes when the focus
// leaves, and follows the focus cues (WM_UPDATEUISTATE, WM_QUERYUISTATE).
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/controls/toolbar_registration.h"
#include "skin/base/gdi_guards.h"
#include "tests/skin/text_fixture.h"
#include "tests/support/win_test.h"

namespace text_test {
namespace {

using frame_test::SendMouse;

// Where a control's focus look lies: its outermost two rings of pixels, or
// (a tab control's ring is round its selected tab) anywhere.
enum class LookArea { kRim, kWhole };

bool OnRim(int x, int y, int w, int h) { return x < 2 || y < 2 || x >= w - 2 || y >= h - 2; }

// The rectangles (window coordinates) of a window's shown children, which
// paint themselves (a simple combo box's list draws its own border).
std::vector<RECT> ChildRects(HWND window) {
    const RECT r = ScreenRect(window);
    std::vector<RECT> out;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        RECT cr = ScreenRect(c);
        OffsetRect(&cr, -r.left, -r.top);
        out.push_back(cr);
    }
    return out;
}

// The pixels of a window (frame included) in that area, as shown now. Only
// the rim is compared where the control's own focus marks (an edit's caret,
// a list's focused item) lie inside it.
// The window as shown now (frame included), copied once and read from memory.
class Shown {
public:
    explicit Shown(HWND window) {
        const RECT r = ScreenRect(window);
        w_ = r.right - r.left;
        h_ = r.bottom - r.top;
        void* bits = nullptr;
        gdi::Bitmap bitmap(gdi::NewArgbDib(w_, h_, &bits));
        gdi::MemoryDc memory(CreateCompatibleDC(nullptr));
        gdi::WindowDc source(window, true);
        if (!bitmap || !memory || !source || !bits) return;
        {
            gdi::SelectGuard select(memory.get(), bitmap.get());
            BitBlt(memory.get(), 0, 0, w_, h_, source.get(), 0, 0, SRCCOPY);
            GdiFlush();
        }
        const auto* px = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(px, px + static_cast<std::size_t>(w_) * h_);
    }
    int width() const { return w_; }
    int height() const { return h_; }
    Rgb At(int x, int y) const {
        if (pixels_.empty()) return {};
        const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * w_ + x];
        return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                static_cast<int>(p & 0xFF)};
    }

private:
    int w_ = 0, h_ = 0;
    std::vector<std::uint32_t> pixels_;
};

std::vector<Rgb> Picture(HWND window, LookArea area) {
    const Shown shown(window);
    const std::vector<RECT> children = ChildRects(window);
    const auto inChild = [&](int x, int y) {
        for (const RECT& c : children)
            if (PtInRect(&c, POINT{x, y})) return true;
        return false;
    };
    std::vector<Rgb> out;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if ((area == LookArea::kWhole || OnRim(x, y, shown.width(), shown.height())) &&
                !inChild(x, y))
                out.push_back(shown.At(x, y));
    return out;
}

// Pixels of the window's outermost two rings (where every focus look lies)
// that are strongly accent-green, leaving out `rightMargin` columns at the right.
int AccentOnRim(HWND window, int rightMargin = 0) {
    const Shown shown(window);
    const int w = shown.width(), h = shown.height();
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w - rightMargin; ++x)
            if (OnRim(x, y, w, h) && Greenness(shown.At(x, y)) > 40) ++count;
    return count;
}

// Wine 8 keeps no focus-cue state (WM_QUERYUISTATE always answers 0 and
// WM_CHANGEUISTATE changes nothing), so the test plays Windows' part for the
// control: its answer to WM_QUERYUISTATE comes from here, and it is told of a
// change with WM_UPDATEUISTATE as DefWindowProc would tell it.
LRESULT uiState = 0;
constexpr char kPreviousProc[] = "FocusTest_Previous";

LRESULT CALLBACK UiStateProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(w, kPreviousProc));
    if (message == WM_QUERYUISTATE) return uiState;
    if (message == WM_NCDESTROY) RemovePropA(w, kPreviousProc);
    return CallWindowProcA(previous, w, message, wp, lp);
}

class FocusTest : public TextControlsTest {
protected:
    void TearDown() override {
        uiState = 0;
        TextControlsTest::TearDown();
    }
    void Settle() { testing_support::PumpUntilIdle(150); }
    void PlayUiState(HWND control) {
        SetPropA(control, kPreviousProc,
                 reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                     control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UiStateProc))));
    }
    void Cues(HWND control, WORD action) {
        uiState = action == UIS_SET ? UISF_HIDEFOCUS : 0;
        SendMessageA(control, WM_UPDATEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS), 0);
        Settle();
    }
};

struct FocusCase {
    const char* name;
    ChildSpec control;
    // Where the focus goes to focus the control (null: the control itself).
    std::function<HWND(HWND)> focusTarget;
    // Run once the window is skinned (registrations a program makes).
    std::function<void(HWND)> afterSkin;
    // How the look is found: a different picture (always), and accent on the rim.
    bool accentRim = true;
    LookArea area = LookArea::kRim;
};

HWND FirstChild(HWND w) { return FindWindowExA(w, nullptr, nullptr, nullptr); }

FocusCase Case(const char* name, const ChildSpec& control,
               std::function<HWND(HWND)> focusTarget = nullptr,
               std::function<void(HWND)> afterSkin = nullptr, bool accentRim = true,
               LookArea area = LookArea::kRim) {
    return {name, control, std::move(focusTarget), std::move(afterSkin), accentRim, area};
}

const std::vector<FocusCase>& Cases() {
    static const std::vector<FocusCase> cases = {
        Case("edit", {"Edit", "text", WS_VISIBLE, 20, 40, 150, 24, WS_EX_CLIENTEDGE}),
        Case("simple combo box (focus in its edit field)",
             {"ComboBox", "", WS_VISIBLE | CBS_SIMPLE, 20, 40, 150, 90},
             [](HWND c) { return FindWindowExA(c, nullptr, "Edit", nullptr); }),
        Case("drop-down combo box (focus in its edit field)",
             {"ComboBox", "", WS_VISIBLE | CBS_DROPDOWN, 20, 40, 150, 120},
             [](HWND c) { return FindWindowExA(c, nullptr, "Edit", nullptr); }),
        Case("drop-down list", {"ComboBox", "", WS_VISIBLE | CBS_DROPDOWNLIST, 20, 40, 150, 120}),
        Case("list box", {"ListBox", "", WS_VISIBLE, 20, 40, 150, 80, WS_EX_CLIENTEDGE}),
        Case("list view",
             {WC_LISTVIEWA, "", WS_VISIBLE | LVS_REPORT, 20, 40, 200, 90, WS_EX_CLIENTEDGE}),
        Case("tree view", {WC_TREEVIEWA, "", WS_VISIBLE, 20, 40, 150, 90, WS_EX_CLIENTEDGE}),
        Case("IP address field (focus in one of its parts)",
             {WC_IPADDRESSA, "", WS_VISIBLE, 20, 40, 160, 24, WS_EX_CLIENTEDGE}, FirstChild),
        Case("trackbar", {TRACKBAR_CLASSA, "", WS_VISIBLE | TBS_NOTICKS, 20, 40, 160, 30}),
        Case("push button", {"Button", "Push", WS_VISIBLE | BS_PUSHBUTTON, 20, 40, 100, 30},
             nullptr, nullptr, false),
        Case("check box", {"Button", "Check", WS_VISIBLE | BS_AUTOCHECKBOX, 20, 40, 120, 24}),
        Case("radio button", {"Button", "Radio", WS_VISIBLE | BS_AUTORADIOBUTTON, 20, 40, 120, 24}),
        Case(
            "tab control", {WC_TABCONTROLA, "", WS_VISIBLE, 20, 40, 200, 100}, nullptr,
            [](HWND tab) {
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                item.pszText = const_cast<char*>("One");
                SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
                skin::RegisterContainer(tab);
            },
            false, LookArea::kWhole),
    };
    return cases;
}

TEST_F(FocusTest, EachControlShowsItsFocusOnlyWhileFocusedAndWhileCuesShow) {
    for (const FocusCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        Skinned({c.control, {"Edit", "elsewhere", WS_VISIBLE, 20, 200, 150, 24, WS_EX_CLIENTEDGE}});
        HWND control = Child(0), other = Child(1);
        ASSERT_TRUE(control);
        if (c.afterSkin) c.afterSkin(control);
        PlayUiState(control);
        HWND target = c.focusTarget ? c.focusTarget(control) : control;
        ASSERT_TRUE(target);
        SetFocus(other);
        Settle();
        const std::vector<Rgb> unfocused = Picture(control, c.area);
        const int rimBefore = AccentOnRim(control);

        SetFocus(target);
        Settle();
        EXPECT_NE(Picture(control, c.area), unfocused) << "no focus look";
        if (c.accentRim) {
            EXPECT_GT(AccentOnRim(control), rimBefore + 10) << "no accent ring";
        }

        Cues(control, UIS_SET);
        EXPECT_EQ(Picture(control, c.area), unfocused) << "focus cues hidden, the look stays";
        Cues(control, UIS_CLEAR);
        EXPECT_NE(Picture(control, c.area), unfocused)
            << "focus cues back, the look did not return";

        SetFocus(other);
        Settle();
        EXPECT_EQ(Picture(control, c.area), unfocused) << "the focus left, the look stayed";
        DestroyWindow(window_);
    }
}

// An up-down control sets its buddy's number and keeps the focus in the
// buddy: the buddy keeps its ring through the arrow clicks.
TEST_F(FocusTest, UpDownBuddyKeepsItsRingThroughArrowClicks) {
    beforeSkin_ = [](const std::vector<HWND>& c) {
        SendMessageA(c[1], UDM_SETBUDDY, reinterpret_cast<WPARAM>(c[0]), 0);
        SendMessageA(c[1], UDM_SETRANGE32, 0, 99);
        SendMessageA(c[1], UDM_SETPOS32, 0, 5);
    };
    Skinned({{"Edit", "", WS_VISIBLE | ES_NUMBER | WS_BORDER, 20, 40, 90, 22},
             {UPDOWN_CLASSA, "",
              WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0,
              0, 0}});
    HWND buddy = Child(0), upDown = Child(1);
    SetFocus(buddy);
    Settle();
    // The up-down overlaps the buddy's right edge, so that edge is left out.
    const int ring = AccentOnRim(buddy, 4);
    ASSERT_GT(ring, 20) << "the focused buddy shows no ring";
    for (int i = 0; i < 3; ++i) {
        SendMouse(upDown, WM_LBUTTONDOWN, 5, 3, MK_LBUTTON);
        SendMouse(upDown, WM_LBUTTONUP, 5, 3);
        SendMouse(upDown, WM_MOUSELEAVE, 0, 0);
        Settle();
    }
    EXPECT_EQ(SendMessageA(upDown, UDM_GETPOS32, 0, 0), 8);
    EXPECT_EQ(GetFocus(), buddy);
    EXPECT_EQ(AccentOnRim(buddy, 4), ring) << "the buddy lost its ring";
}

}  // namespace
}  // namespace text_test
