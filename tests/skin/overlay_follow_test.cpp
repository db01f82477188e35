// Scroll-bar overlays that always show their bar's real state: for every
// scrolling class and every way its bar changes (keys, the wheel, a program's
// calls, content changes, the thumb dragged), the overlay's thumb is found by
// its pixels where the bar's position puts it, and what the overlay shows is
// what the skin paints (no native bar pixels in it).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "skin/controls/scroll_overlay.h"
#include "tests/skin/text_fixture.h"
#include "tests/support/win_test.h"

namespace text_test {
namespace {

enum class Kind { kListBox, kEdit, kListView, kTreeView };

const char* Name(Kind k) {
    switch (k) {
        case Kind::kListBox: return "list box";
        case Kind::kEdit: return "multi-line edit";
        case Kind::kListView: return "list view";
        case Kind::kTreeView: return "tree view";
    }
    return "?";
}

ChildSpec SpecOf(Kind k) {
    const DWORD both = WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
    switch (k) {
        case Kind::kListBox:
            return {"ListBox",
                    "",
                    WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                    20,
                    40,
                    160,
                    120,
                    WS_EX_CLIENTEDGE};
        case Kind::kEdit:
            return {"Edit",
                    "",
                    both | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                    20,
                    40,
                    180,
                    120,
                    WS_EX_CLIENTEDGE};
        case Kind::kListView:
            return {WC_LISTVIEWA, "", WS_VISIBLE | LVS_REPORT, 20, 40, 200, 130, WS_EX_CLIENTEDGE};
        case Kind::kTreeView:
            return {
                WC_TREEVIEWA,    "", WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 20, 40, 160, 120,
                WS_EX_CLIENTEDGE};
    }
    return {};
}

HTREEITEM AddNode(HWND tree, HTREEITEM parent, const std::string& text) {
    TVINSERTSTRUCTA in{};
    in.hParent = parent;
    in.hInsertAfter = TVI_LAST;
    in.item.mask = TVIF_TEXT;
    in.item.pszText = const_cast<char*>(text.c_str());
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&in)));
}

// Content long (and for the list view wide) enough for the bars.
void Fill(Kind k, HWND c) {
    switch (k) {
        case Kind::kListBox: AddItems(c, 60); break;
        case Kind::kEdit: {
            std::string text;
            for (int i = 0; i < 60; ++i) text += "line " + std::to_string(i) + " of the text\r\n";
            SetWindowTextA(c, text.c_str());
            break;
        }
        case Kind::kListView:
            for (int col = 0; col < 3; ++col) {
                LVCOLUMNA column{};
                column.mask = LVCF_TEXT | LVCF_WIDTH;
                column.cx = 120;
                column.pszText = const_cast<char*>("column");
                SendMessageA(c, LVM_INSERTCOLUMNA, col, reinterpret_cast<LPARAM>(&column));
            }
            for (int row = 0; row < 60; ++row) {
                const std::string text = "row " + std::to_string(row);
                LVITEMA item{};
                item.mask = LVIF_TEXT;
                item.iItem = row;
                item.pszText = const_cast<char*>(text.c_str());
                SendMessageA(c, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
            }
            break;
        case Kind::kTreeView:
            for (int g = 0; g < 6; ++g) {
                HTREEITEM node = AddNode(c, TVI_ROOT, "group " + std::to_string(g));
                for (int i = 0; i < 8; ++i) AddNode(c, node, "item " + std::to_string(i));
                SendMessageA(c, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
            }
            SendMessageA(c, TVM_ENSUREVISIBLE, 0, SendMessageA(c, TVM_GETNEXTITEM, TVGN_ROOT, 0));
            break;
    }
}

// An overlay's pixels as it shows them now.
std::vector<Rgb> Shown(HWND overlay) {
    const RECT r = ScreenRect(overlay);
    HDC dc = GetDC(overlay);
    std::vector<Rgb> out;
    for (int y = 0; y < r.bottom - r.top; ++y)
        for (int x = 0; x < r.right - r.left; ++x) out.push_back(skin_test::PixelAt(dc, x, y));
    ReleaseDC(overlay, dc);
    return out;
}

struct Span {
    int start = -1, end = -1;  // first and last pixel, -1 when none
};

// The thumb found by its pixels along the bar's middle line: between the
// buttons (17 pixels at each end) the track is one colour, and the thumb's
// outline draws the darkest lines across the bar, at its two ends.
Span ThumbByPixels(HWND overlay, bool vertical) {
    const RECT r = ScreenRect(overlay);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int length = vertical ? h : w;
    HDC dc = GetDC(overlay);
    std::vector<int> line;
    for (int i = 0; i < length; ++i)
        line.push_back(Brightness(vertical ? skin_test::PixelAt(dc, w / 2, i)
                                           : skin_test::PixelAt(dc, i, h / 2)));
    ReleaseDC(overlay, dc);
    Span found;
    if (length < 40) return found;
    const auto first = line.begin() + 17, last = line.end() - 17;
    const int darkest = *std::min_element(first, last), lightest = *std::max_element(first, last);
    if (lightest - darkest < 20) return found;  // one colour: no thumb
    for (int i = 17; i < length - 17; ++i)
        if (line[i] <= darkest + 90) {
            if (found.start < 0) found.start = i;
            found.end = i;
        }
    return found;
}

SCROLLINFO ScrollInfo(HWND control, int bar, UINT mask) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = mask;
    GetScrollInfo(control, bar, &si);
    return si;
}

SCROLLBARINFO BarInfoOf(HWND control, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(control, object, &info);
    return info;
}

// A bar disabled as a whole, or both its arrows (as EnableScrollBar leaves it).
bool Disabled(const SCROLLBARINFO& info) {
    const auto off = [&](int i) { return (info.rgstate[i] & STATE_SYSTEM_UNAVAILABLE) != 0; };
    return off(0) || (off(1) && off(5));
}

// How the bar changes in a case; returns the bar to look at.
struct Source {
    const char* name;
    std::function<bool(Kind)> appliesTo;
    std::function<LONG(Kind, HWND)> act;
    bool leavesDisabled = false;
};

bool Any(Kind) { return true; }

const std::vector<Source>& Sources() {
    static const std::vector<Source> sources = {
        {"End key", [](Kind k) { return k != Kind::kEdit; },
         [](Kind, HWND c) {
             SendMessageA(c, WM_KEYDOWN, VK_END, 1);
             SendMessageA(c, WM_KEYUP, VK_END, 1);
             return static_cast<LONG>(OBJID_VSCROLL);
         }},
        {"PageDown key", Any,
         [](Kind, HWND c) {
             for (int i = 0; i < 2; ++i) SendMessageA(c, WM_KEYDOWN, VK_NEXT, 1);
             SendMessageA(c, WM_KEYUP, VK_NEXT, 1);
             return static_cast<LONG>(OBJID_VSCROLL);
         }},
        {"mouse wheel", Any,
         [](Kind, HWND c) {
             const RECT r = ScreenRect(c);
             const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
             for (int i = 0; i < 3; ++i)
                 SendMessageA(c, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at);
             return static_cast<LONG>(OBJID_VSCROLL);
         }},
        {"a program's SetScrollPos", Any,
         [](Kind, HWND c) {
             const SCROLLINFO si = ScrollInfo(c, SB_VERT, SIF_RANGE | SIF_PAGE);
             SetScrollPos(c, SB_VERT, (si.nMax - static_cast<int>(si.nPage)) * 2 / 3, TRUE);
             return static_cast<LONG>(OBJID_VSCROLL);
         }},
        {"a program's SetScrollRange", Any,
         [](Kind, HWND c) {
             SetScrollPos(c, SB_VERT, 10, FALSE);
             SetScrollRange(c, SB_VERT, 0, 400, TRUE);
             return static_cast<LONG>(OBJID_VSCROLL);
         }},
        {"a program's EnableScrollBar", Any,
         [](Kind, HWND c) {
             SendMessageA(c, WM_KEYDOWN, VK_NEXT, 1);
             EnableScrollBar(c, SB_VERT, ESB_DISABLE_BOTH);
             return static_cast<LONG>(OBJID_VSCROLL);
         },
         true},
        {"content added", [](Kind k) { return k == Kind::kListBox || k == Kind::kEdit; },
         [](Kind k, HWND c) {
             if (k == Kind::kListBox) {
                 AddItems(c, 80);
                 SendMessageA(c, LB_SETTOPINDEX, 70, 0);
             } else {
                 SendMessageA(c, EM_SETSEL, static_cast<WPARAM>(-1), -1);
                 for (int i = 0; i < 30; ++i)
                     SendMessageA(c, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("more\r\n"));
             }
             return static_cast<LONG>(OBJID_VSCROLL);
         }},
        {"tree node collapsed", [](Kind k) { return k == Kind::kTreeView; },
         [](Kind, HWND c) {
             HTREEITEM first =
                 reinterpret_cast<HTREEITEM>(SendMessageA(c, TVM_GETNEXTITEM, TVGN_ROOT, 0));
             SendMessageA(c, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(first));
             return static_cast<LONG>(OBJID_VSCROLL);
         }},
        {"list-view column widened", [](Kind k) { return k == Kind::kListView; },
         [](Kind, HWND c) {
             SendMessageA(c, LVM_SETCOLUMNWIDTH, 0, 260);
             return static_cast<LONG>(OBJID_HSCROLL);
         }},
    };
    return sources;
}

class OverlayFollowTest : public TextControlsTest {
protected:
    HWND Make(Kind k) {
        beforeSkin_ = [k](const std::vector<HWND>& c) { Fill(k, c[0]); };
        Skinned({SpecOf(k)}, 0, 40, 40, 320, 260);
        HWND c = Child(0);
        SetFocus(c);
        testing_support::PumpUntilIdle(150);
        return c;
    }
    HWND OverlayOf(HWND c, LONG object) {
        skin::OverlayState* s = skin::OverlaysOf(c);
        return s ? (object == OBJID_VSCROLL ? s->vertical : s->horizontal) : nullptr;
    }
};

TEST_F(OverlayFollowTest, EveryClassAndSourceLeavesTheThumbWhereTheBarPutsIt) {
    for (Kind k : {Kind::kListBox, Kind::kEdit, Kind::kListView, Kind::kTreeView}) {
        for (const Source& s : Sources()) {
            if (!s.appliesTo(k)) continue;
            SCOPED_TRACE(std::string(Name(k)) + ", " + s.name);
            HWND c = Make(k);
            const LONG object = s.act(k, c);
            const bool vertical = object == OBJID_VSCROLL;
            HWND overlay = OverlayOf(c, object);
            ASSERT_TRUE(overlay);
            // Program calls reach no message of the control: the overlay's own
            // check finds them within a tenth of a second. (Some controls set
            // their bars again when they next paint: the bar is read each time.)
            const auto matches = [&] {
                const SCROLLBARINFO info = BarInfoOf(c, object);
                const Span t = ThumbByPixels(overlay, vertical);
                return Disabled(info) ? t.start < 0 : t.start == info.xyThumbTop;
            };
            testing_support::PumpUntil(matches, 1500);
            testing_support::PumpUntilIdle(100);
            const SCROLLBARINFO info = BarInfoOf(c, object);
            const std::vector<Rgb> shown = Shown(overlay);
            const Span thumb = ThumbByPixels(overlay, vertical);
            if (!Disabled(info)) {
                EXPECT_EQ(thumb.start, info.xyThumbTop);
                EXPECT_EQ(thumb.end, info.xyThumbBottom - 1);
            } else {
                EXPECT_LT(thumb.start, 0) << "a disabled bar shows no thumb";
            }
            // (A tree view sets its bars again, enabled, when it next paints.)
            if (s.leavesDisabled && k != Kind::kTreeView) {
                EXPECT_TRUE(Disabled(info)) << "the program's EnableScrollBar did not hold";
            }
            // What the overlay shows is the skin's own picture of the bar now.
            if (vertical)
                skin::PaintVerticalOverlay(c, skin::kPartNone);
            else
                skin::PaintHorizontalOverlay(c, skin::kPartNone);
            EXPECT_EQ(shown, Shown(overlay)) << "the overlay showed something else";
            DestroyWindow(window_);
        }
    }
}

// The thumb dragged: the control may take the position only at the release
// (an edit does), but the overlay's thumb follows the dragged position at
// every move. The mouse messages are posted ahead, so between them the test
// lets the overlay's own posted repaint run first, as posted messages come
// before real input.
TEST_F(OverlayFollowTest, DraggedThumbFollowsThePointerInEveryClass) {
    for (Kind k : {Kind::kListBox, Kind::kEdit, Kind::kListView, Kind::kTreeView}) {
        SCOPED_TRACE(Name(k));
        HWND c = Make(k);
        SendMessageA(c, WM_KEYDOWN, VK_HOME, 1);
        testing_support::PumpUntilIdle(100);
        HWND overlay = OverlayOf(c, OBJID_VSCROLL);
        ASSERT_TRUE(overlay);
        const SCROLLBARINFO info = BarInfoOf(c, OBJID_VSCROLL);
        const RECT bar = info.rcScrollBar;
        const POINT grab{(bar.left + bar.right) / 2,
                         bar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
        struct Step {
            int dy;
            Span thumb;
            int trackPos;
        };
        std::vector<Step> steps{{12, {}, 0}, {30, {}, 0}, {45, {}, 0}};
        const auto probe = [&](Step& step) {
            MSG msg;
            while (PeekMessageA(&msg, overlay, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            step.thumb = ThumbByPixels(overlay, true);
            step.trackPos = ScrollInfo(c, SB_VERT, SIF_TRACKPOS).nTrackPos;
        };
        // Posted ahead of the drag: each move, then a probe of what shows.
        static std::function<void()> runProbe;
        static constexpr UINT kProbe = WM_APP + 0x71;
        HWND prober = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
        SetWindowLongPtrA(
            prober, GWLP_WNDPROC,
            reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                if (m == kProbe) {
                    runProbe();
                    return 0;
                }
                return DefWindowProcA(w, m, wp, lp);
            }));
        std::size_t next = 0;
        runProbe = [&] { probe(steps[next++]); };
        for (const Step& step : steps) {
            POINT p{grab.x, grab.y + step.dy};
            ScreenToClient(c, &p);
            PostMessageA(c, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
            PostMessageA(prober, kProbe, 0, 0);
        }
        POINT up{grab.x, grab.y + steps.back().dy};
        ScreenToClient(c, &up);
        PostMessageA(c, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        SendMessageA(c, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(grab.x, grab.y));
        DestroyWindow(prober);
        runProbe = nullptr;
        ASSERT_EQ(next, steps.size()) << "the drag did not run through its moves";

        const int length = bar.bottom - bar.top, arrow = GetSystemMetrics(SM_CYVSCROLL);
        const int size = info.xyThumbBottom - info.xyThumbTop;
        const SCROLLINFO si = ScrollInfo(c, SB_VERT, SIF_RANGE | SIF_PAGE);
        const int range = si.nMax - (static_cast<int>(si.nPage) - 1) - si.nMin;
        int previous = info.xyThumbTop;
        for (const Step& step : steps) {
            // Where the system puts a thumb for the dragged position.
            const int expected =
                arrow + MulDiv(length - 2 * arrow - size, step.trackPos - si.nMin, range);
            EXPECT_NEAR(step.thumb.start, expected, 1) << "moved by " << step.dy;
            EXPECT_GT(step.thumb.start, previous) << "the thumb did not follow the move";
            previous = step.thumb.start;
        }
        testing_support::PumpUntilIdle(100);
        const SCROLLBARINFO after = BarInfoOf(c, OBJID_VSCROLL);
        EXPECT_GT(after.xyThumbTop, info.xyThumbTop) << "the drag did not scroll";
        EXPECT_EQ(ThumbByPixels(overlay, true).start, after.xyThumbTop) << "after the release";
        DestroyWindow(window_);
    }
}

}  // namespace
}  // namespace text_test
