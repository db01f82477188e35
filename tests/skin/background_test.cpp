// Background capture: what lies behind a control, where it comes from, and the
// capture registry.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "skin/base/background.h"
#include "tests/skin/button_fixture.h"
#include "tests/support/win_test.h"

namespace button_test {
namespace {

using skin::BackgroundSource;

// The control's top-left in its top-level window's frame picture, which covers
// the whole window rectangle.
POINT FrameOrigin(HWND control, HWND topLevel) {
    RECT c{}, t{};
    GetWindowRect(control, &c);
    GetWindowRect(topLevel, &t);
    return {c.left - t.left, c.top - t.top};
}

// Every pixel of a w x h capture against the frame picture at origin + rect's top-left.
void ExpectFramePixels(HDC capture, HDC frame, POINT origin, const RECT& rect,
                       const std::string& label) {
    int mismatches = 0;
    for (int y = 0; y < rect.bottom - rect.top && mismatches < 5; ++y)
        for (int x = 0; x < rect.right - rect.left && mismatches < 5; ++x) {
            const Rgb got = PixelAt(capture, x, y);
            const Rgb want = PixelAt(frame, origin.x + rect.left + x, origin.y + rect.top + y);
            if (got != want) {
                ++mismatches;
                ADD_FAILURE() << label << ": pixel (" << x << ", " << y << ") is " << got
                              << ", frame has " << want;
            }
        }
}

class BackgroundTest : public SkinnedButtonsTest {};

TEST_F(BackgroundTest, CaptureHoldsTheFramePictureAtTheControlsPlace) {
    struct Case {
        const char* name;
        DWORD style;
    } cases[] = {
        {"borderless", WS_POPUP},
        // The skin's caption and border lie around the client area: the capture
        // still comes from the control's own place in the frame picture.
        {"with caption and border", WS_POPUP | WS_CAPTION | WS_THICKFRAME},
    };
    const RECT rects[] = {{0, 0, 90, 30}, {3, 4, 23, 14}};
    for (const Case& c : cases) {
        HWND top = CreateTopLevel(c.style);
        HWND button = CreateChild(top, "BUTTON", "B", BS_PUSHBUTTON, 30, 50, 90, 30);
        SkinAndShow(top);
        HDC frame = skin::Table().At(skin::FindWindowIndex(top))->frame.dc();
        for (const RECT& rect : rects) {
            const std::string label = std::string(c.name) + ", rect from (" +
                                      std::to_string(rect.left) + ", " + std::to_string(rect.top) +
                                      ")";
            HDC capture = skin::CaptureBackground(button, rect);
            ASSERT_NE(capture, nullptr) << label;
            ExpectFramePixels(capture, frame, FrameOrigin(button, top), rect, label);
            EXPECT_EQ(skin::ReleaseBackground(capture), 1) << label;
        }
    }
}

// A released capture is reused for the next one of its size: whatever the
// last painter left in it (pixels, a clip, an origin, a font) is gone.
TEST_F(BackgroundTest, AReusedCaptureStartsFromThePictureAndADefaultDc) {
    HDC frame = skin::Table().At(skin::FindWindowIndex(window_))->frame.dc();
    const RECT rect = ClientOf(push_);
    ASSERT_EQ(rect.right, ClientOf(push2_).right);  // the same size: the second reuses the first
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        HDC used = skin::CaptureBackground(push_, rect);
        ASSERT_NE(used, nullptr);
        FillRect(used, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        IntersectClipRect(used, 0, 0, 2, 2);
        SetViewportOrgEx(used, 7, 5, nullptr);
        SetBkMode(used, TRANSPARENT);
        EXPECT_EQ(skin::ReleaseBackground(used), 1);
        HDC again = skin::CaptureBackground(push2_, rect);
        ASSERT_NE(again, nullptr);
        ExpectFramePixels(again, frame, FrameOrigin(push2_, window_), rect, "reused");
        POINT origin{};
        GetViewportOrgEx(again, &origin);
        EXPECT_EQ(origin.x, 0);
        EXPECT_EQ(GetBkMode(again), OPAQUE);
        EXPECT_EQ(skin::ReleaseBackground(again), 1);
    }
}

TEST_F(BackgroundTest, ReleaseFreesOnlyCapturesAndOnlyOnce) {
    HDC capture = skin::CaptureBackground(push_, ClientOf(push_));
    ASSERT_NE(capture, nullptr);
    EXPECT_EQ(skin::ReleaseBackground(capture), 1);
    EXPECT_EQ(skin::ReleaseBackground(capture), 0);
    EXPECT_EQ(skin::ReleaseBackground(nullptr), 0);

    Surface own(4, 4);
    EXPECT_EQ(skin::ReleaseBackground(own.dc()), 0);
    EXPECT_EQ(GetObjectType(own.dc()), static_cast<DWORD>(OBJ_MEMDC))
        << "a DC it did not hand out was freed";
}

TEST_F(BackgroundTest, WithoutSkinnedAncestorNothingIsCapturedOrPainted) {
    HWND plain = CreateTopLevel(WS_POPUP);
    HWND button = CreateChild(plain, "BUTTON", "B", BS_PUSHBUTTON, 10, 10, 40, 20);
    const RECT rect{0, 0, 40, 20};
    EXPECT_EQ(skin::CaptureBackground(button, rect), nullptr);
    EXPECT_EQ(skin::CaptureBackground(nullptr, rect), nullptr);

    Surface target(40, 20);
    SetPixel(target.dc(), 5, 5, RGB(1, 2, 3));
    skin::PaintBackground(button, target.dc(), rect);
    EXPECT_EQ(target.At(5, 5), (Rgb{1, 2, 3}));
}

TEST_F(BackgroundTest, PaintBackgroundDrawsTheSamePictureIntoTheCallersDc) {
    const RECT rect{2, 3, 42, 23};
    Surface target(40, 20);
    skin::PaintBackground(push_, target.dc(), rect);
    ExpectFramePixels(target.dc(), Record().frame.dc(), FrameOrigin(push_, window_), rect, "paint");
}

TEST_F(BackgroundTest, ControlInsideRecordedGroupBoxTakesTheFramePicture) {
    HWND group = CreateChild(window_, "BUTTON", "", BS_GROUPBOX, 120, 80, 110, 80);
    HWND inner = CreateChild(group, "BUTTON", "In", BS_PUSHBUTTON, 10, 20, 40, 20);
    skin::GroupBoxRecord entry;
    entry.window = group;
    const int position = Record().groupBoxes.Add(entry);

    const BackgroundSource source = skin::FindBackgroundSource(inner);
    EXPECT_EQ(source.kind, BackgroundSource::kGroupBox);
    EXPECT_EQ(source.index, skin::FindWindowIndex(window_));
    EXPECT_EQ(source.groupPosition, position);
    const RECT offset = skin::OffsetInSource(inner);
    EXPECT_EQ(offset.left, 10);
    EXPECT_EQ(offset.top, 20);

    const RECT rect{0, 0, 40, 20};
    HDC capture = skin::CaptureBackground(inner, rect);
    ASSERT_NE(capture, nullptr);
    ExpectFramePixels(capture, Record().frame.dc(), FrameOrigin(inner, window_), rect, "in group");
    skin::ReleaseBackground(capture);
}

TEST_F(BackgroundTest, ControlInsideContainerTakesTheContainersPicture) {
    HWND panel = CreateChild(window_, "STATIC", "", 0, 120, 80, 110, 80);
    HWND inner = CreateChild(panel, "BUTTON", "In", BS_PUSHBUTTON, 10, 20, 40, 20);
    Surface picture(110, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 110; ++x) SetPixel(picture.dc(), x, y, RGB(x * 2, y * 3, 7));
    skin::SetIntProp(panel, skin::prop::kIsContainer, 1);
    skin::SetIntProp(panel, skin::prop::kContainerDc,
                     reinterpret_cast<std::intptr_t>(picture.dc()));

    const BackgroundSource source = skin::FindBackgroundSource(inner);
    EXPECT_EQ(source.kind, BackgroundSource::kContainer);
    EXPECT_EQ(source.container, panel);

    const RECT rect{1, 2, 31, 17};
    HDC capture = skin::CaptureBackground(inner, rect);
    ASSERT_NE(capture, nullptr);
    ExpectFramePixels(capture, picture.dc(), {10, 20}, rect, "in container");
    skin::ReleaseBackground(capture);

    // The container itself sits in no other container: its capture stays empty.
    HDC own = skin::CaptureBackground(panel, {0, 0, 10, 10});
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(PixelAt(own, 5, 5), (Rgb{0, 0, 0}));
    skin::ReleaseBackground(own);
    RemovePropA(panel, skin::prop::kContainerDc);
}

TEST_F(BackgroundTest, TabPageLiesBesideTheRowsOfTabs) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    struct Case {
        const char* name;
        LONG style;
        RECT (*expected)(const RECT& client);
    } cases[] = {
        {"tabs on top", 0,
         [](const RECT& c) {
             return RECT{0, 41, c.right, c.bottom};
         }},
        {"tabs at the bottom", TCS_BOTTOM,
         [](const RECT& c) {
             return RECT{0, 0, c.right, c.bottom - 41};
         }},
    };
    for (const Case& c : cases) {
        HWND tab = CreateChild(window_, WC_TABCONTROLA, "",
                               TCS_MULTILINE | TCS_FIXEDWIDTH | c.style, 10, 10, 200, 140);
        SendMessageA(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
        for (int i = 0; i < 5; ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            char text[] = "Page";
            item.pszText = text;
            SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        RECT first{};
        SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        ASSERT_EQ(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0), 2) << c.name;
        ASSERT_EQ(first.bottom - first.top, 20) << c.name;
        const RECT got = skin::TabPageRect(tab);
        const RECT want = c.expected(ClientOf(tab));
        EXPECT_TRUE(EqualRect(&got, &want)) << c.name << ": (" << got.left << ", " << got.top
                                            << ", " << got.right << ", " << got.bottom << ")";
        EXPECT_EQ(skin::GetClassText(tab), "SysTabControl32");
        DestroyWindow(tab);
    }
}

}  // namespace
}  // namespace button_test
