// Skinned buttons: painters probed by pixels, the subclass procedure driven by
// real messages.
#include <functional>
#include <memory>
#include <string>

#include "gfx/gfx.h"
#include "resources/skin_images.h"
#include "skin/base/skin_state.h"
#include "skin/base/background.h"
#include "skin/base/look_cache.h"
#include "skin/controls/button_skin.h"
#include "tests/skin/button_fixture.h"
#include "tests/support/msg_sequence.h"
#include "tests/support/win_test.h"

namespace button_test {
namespace {

const Rgb kAccentRgb = FromColorref(kAccent);
const Rgb kSilverRgb{192, 192, 192};

int Redness(const Rgb& c) { return c.r - (c.g + c.b) / 2; }
int Brightness(const Rgb& c) { return c.r + c.g + c.b; }

RECT Client(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

// A pixel of what the button shows on screen now.
Rgb OnScreen(HWND button, int x, int y) {
    HDC dc = GetDC(button);
    const Rgb c = PixelAt(dc, x, y);
    ReleaseDC(button, dc);
    return c;
}

void Blacken(HWND button) {
    HDC dc = GetDC(button);
    const RECT r = Client(button);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(button, dc);
}

bool Pushed(HWND button) { return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string WindowText(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The check mark is drawn at (0, top), top centring 12 pixels; the tick's solid
// white body is at (4, 8) of the mark.
POINT CheckBody(HWND check) { return {4, (Client(check).bottom - 12) / 2 + 8}; }

// Inside the radio dot, near its left rim where the accent dominates.
POINT RadioDot(HWND radio) { return {6, (Client(radio).bottom - 12) / 2 + 6}; }

class ButtonTest : public SkinnedButtonsTest {
protected:
    // The push button painted with an item state into a surface of its size.
    std::unique_ptr<Surface> PaintPush(UINT itemState) const {
        const RECT rect = Client(push_);
        auto s = std::make_unique<Surface>(rect.right, rect.bottom);
        skin::PaintPushButton(push_, s->dc(), itemState, rect);
        return s;
    }
};

TEST_F(ButtonTest, PushButtonLookFollowsItsState) {
    const int h = Client(push_).bottom;
    const POINT edge{0, h / 2}, insideEdge{1, h / 2}, face{10, 5};
    const auto normal = PaintPush(0);
    Surface background(Client(push_).right, h);
    skin::PaintBackground(push_, background.dc(), Client(push_));

    struct Case {
        const char* name;
        UINT state;
        std::function<void(const Surface& got)> check;
    } cases[] = {
        {"normal: lighter face, dark outline", 0,
         [&](const Surface& s) {
             EXPECT_GT(Brightness(s.At(face.x, face.y)),
                       Brightness(background.At(face.x, face.y)) + 60);
             EXPECT_LT(Brightness(s.At(edge.x, edge.y)), Brightness(s.At(5, edge.y)) - 60);
         }},
        {"hover: accent outline", ODS_HOTLIGHT,
         [&](const Surface& s) {
             EXPECT_TRUE(Near(s.At(edge.x, edge.y), kAccentRgb, 2)) << s.At(edge.x, edge.y);
         }},
        {"focused: cyan glow inside the outline", ODS_FOCUS,
         [&](const Surface& s) {
             const Rgb got = s.At(insideEdge.x, insideEdge.y),
                       plain = normal->At(insideEdge.x, insideEdge.y);
             EXPECT_GT(got.g, plain.g + 20) << got << " vs " << plain;
             EXPECT_LT(got.r, plain.r - 20) << got << " vs " << plain;
         }},
        {"pressed: accent wash over the face", ODS_SELECTED,
         [&](const Surface& s) {
             EXPECT_GT(Redness(s.At(face.x, face.y)), Redness(normal->At(face.x, face.y)) + 20)
                 << s.At(face.x, face.y) << " vs " << normal->At(face.x, face.y);
         }},
        {"disabled: silver face", ODS_DISABLED,
         [&](const Surface& s) {
             EXPECT_EQ(s.At(face.x, face.y), kSilverRgb);
             EXPECT_EQ(s.At(5, h - 5), kSilverRgb);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(*PaintPush(c.state));
    }
}

TEST_F(ButtonTest, DisabledPushButtonIgnoresHoverFocusAndPress) {
    const auto disabled = PaintPush(ODS_DISABLED);
    const auto everything = PaintPush(ODS_DISABLED | ODS_HOTLIGHT | ODS_FOCUS | ODS_SELECTED);
    EXPECT_TRUE(disabled->Pixels() == everything->Pixels());
}

TEST_F(ButtonTest, PushButtonPaintCopiesOnlyItsOwnRectangle) {
    const RECT rect = Client(push_);
    Surface wide(rect.right + 10, rect.bottom + 10);
    SetPixel(wide.dc(), rect.right + 5, rect.bottom + 5, RGB(1, 2, 3));
    skin::PaintPushButton(push_, wide.dc(), 0, rect);
    EXPECT_EQ(wide.At(rect.right + 5, rect.bottom + 5), (Rgb{1, 2, 3}));
    EXPECT_NE(wide.At(10, 5), (Rgb{0, 0, 0}));
}

// Looks are kept and reused: a paint that comes back to a state (or moves the
// button over other pixels of the picture, or changes its text or check) shows
// exactly what drawing it afresh shows.
TEST_F(ButtonTest, KeptLooksEqualFreshlyDrawnOnes) {
    auto screen = [](HWND button) {
        const RECT r = Client(button);
        Surface s(r.right, r.bottom);
        HDC dc = GetDC(button);
        BitBlt(s.dc(), 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
        ReleaseDC(button, dc);
        return s.Pixels();
    };
    auto checkPaint = [&](UINT state) { skin::PaintCheckBox(check_, state); return screen(check_); };
    struct Step {
        const char* name;
        std::function<void(ButtonTest&)> change;
        UINT state;
    } steps[] = {
        {"at rest", nullptr, 0},
        {"hot", nullptr, ODS_HOTLIGHT},
        {"at rest again", nullptr, 0},
        {"pressed", nullptr, ODS_SELECTED},
        {"moved over other pixels",
         [](ButtonTest& t) {
             MoveWindow(t.push_, 23, 41, 90, 30, FALSE);
             MoveWindow(t.check_, 22, 86, 120, 20, FALSE);
         },
         0},
        {"text changed", [](ButtonTest& t) {
             SetWindowTextA(t.push_, "Go");
             SetWindowTextA(t.check_, "Mark");
         }, 0},
        {"checked", [](ButtonTest& t) { SendMessageA(t.check_, BM_SETCHECK, BST_CHECKED, 0); }, 0},
        {"hot and checked", nullptr, ODS_HOTLIGHT},
    };
    skin::ForgetLooks();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.change) step.change(*this);
        for (int round = 0; round < 2; ++round) {  // kept on the first, reused on the second
            const auto kept = PaintPush(step.state)->Pixels();
            const auto keptCheck = checkPaint(step.state);
            skin::SetLookCacheEnabled(false);
            const auto fresh = PaintPush(step.state)->Pixels();
            const auto freshCheck = checkPaint(step.state);
            skin::SetLookCacheEnabled(true);
            EXPECT_TRUE(kept == fresh) << "push button, round " << round;
            EXPECT_TRUE(keptCheck == freshCheck) << "check box, round " << round;
        }
    }
    EXPECT_GE(skin::LookCacheCounts().hits, 2 * static_cast<long>(std::size(steps)))
        << "every second round reuses both looks";
}

// Rows of the message table whose effect can be seen on the record or the
// native button; each runs on a fresh fixture state.
TEST_F(ButtonTest, MessageTableRows) {
    const char kNewText[] = "Go";
    struct Case {
        const char* name;
        HWND SkinnedButtonsTest::*target;
        std::function<void(ButtonTest&)> arrange;
        UINT message;
        WPARAM wp;
        LPARAM lp;
        std::function<void(ButtonTest&, HWND, LRESULT)> check;
    } cases[] = {
        {"WM_SETTEXT replaces the recorded text and reaches the button", &ButtonTest::push_,
         nullptr, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kNewText),
         [](ButtonTest& t, HWND b, LRESULT) {
             EXPECT_EQ(t.Button(b).text, "Go");
             EXPECT_EQ(WindowText(b), "Go");
         }},
        {"WM_SETFOCUS marks the button focused", &ButtonTest::push_, nullptr, WM_SETFOCUS, 0, 0,
         [](ButtonTest& t, HWND b, LRESULT) { EXPECT_EQ(t.Button(b).focused, 1); }},
        {"WM_KILLFOCUS clears focused", &ButtonTest::push_,
         [](ButtonTest& t) { t.Button(t.push_).focused = 1; }, WM_KILLFOCUS, 0, 0,
         [](ButtonTest& t, HWND b, LRESULT) { EXPECT_EQ(t.Button(b).focused, 0); }},
        {"WM_LBUTTONDOWN marks the button pressed", &ButtonTest::push_, nullptr, WM_LBUTTONDOWN,
         MK_LBUTTON, MAKELPARAM(5, 5),
         [](ButtonTest& t, HWND b, LRESULT) {
             EXPECT_EQ(t.Button(b).pressed, 1);
             SendMouse(b, WM_LBUTTONUP, -50, -50);  // let go outside: no click
         }},
        {"WM_LBUTTONUP clears pressed and the hot position", &ButtonTest::push_,
         [](ButtonTest& t) {
             t.Button(t.push_).pressed = 1;
             t.Record().hover.previous = 2;
         },
         WM_LBUTTONUP, 0, MAKELPARAM(-50, -50),
         [](ButtonTest& t, HWND b, LRESULT) {
             EXPECT_EQ(t.Button(b).pressed, 0);
             EXPECT_EQ(t.Record().hover.previous, 0);
         }},
        {"BM_SETSTATE 0 is swallowed while pressed", &ButtonTest::push_,
         [](ButtonTest& t) { SendMouse(t.push_, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON); }, BM_SETSTATE,
         0, 0,
         [](ButtonTest&, HWND b, LRESULT result) {
             EXPECT_EQ(result, 0);
             EXPECT_TRUE(Pushed(b)) << "the native button let go of its pushed state";
             SendMouse(b, WM_LBUTTONUP, -50, -50);
         }},
        {"BM_SETSTATE 0 reaches the button when not pressed", &ButtonTest::push_,
         [](ButtonTest& t) { SendMessageA(t.push_, BM_SETSTATE, TRUE, 0); }, BM_SETSTATE, 0, 0,
         [](ButtonTest&, HWND b, LRESULT) { EXPECT_FALSE(Pushed(b)); }},
        {"WM_LBUTTONDBLCLK is swallowed", &ButtonTest::check_, nullptr, WM_LBUTTONDBLCLK,
         MK_LBUTTON, MAKELPARAM(5, 5),
         [](ButtonTest&, HWND b, LRESULT result) {
             EXPECT_EQ(result, 0);
             EXPECT_FALSE(Pushed(b)) << "the native button took it as a press";
             EXPECT_NE(GetCapture(), b);
         }},
        {"WM_MOUSELEAVE clears the hot position", &ButtonTest::push_,
         [](ButtonTest& t) { t.Record().hover.previous = 1; }, WM_MOUSELEAVE, 0, 0,
         [](ButtonTest& t, HWND, LRESULT) { EXPECT_EQ(t.Record().hover.previous, 0); }},
        {"WM_NCPAINT draws no frame", &ButtonTest::push_, nullptr, WM_NCPAINT, 1, 0,
         [](ButtonTest&, HWND, LRESULT result) { EXPECT_EQ(result, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND target = this->*c.target;
        if (c.arrange) c.arrange(*this);
        const LRESULT result = SendMessageA(target, c.message, c.wp, c.lp);
        c.check(*this, target, result);
        testing_support::PumpUntilIdle(100);
    }
}

// What reaches the native button procedure below the skin, and what the skin
// sends the button itself while handling a message.
TEST_F(ButtonTest, WhatReachesTheNativeButton) {
    using testing_support::kAnyLParam;
    using testing_support::kAnyParams;
    using testing_support::kOptional;
    HWND w = CreateTopLevel(WS_POPUP | WS_CLIPCHILDREN);
    HWND push = CreateChild(w, "BUTTON", "OK", BS_PUSHBUTTON, 20, 40, 90, 30);
    HWND check = CreateChild(w, "BUTTON", "Check", BS_AUTOCHECKBOX, 20, 85, 120, 20);
    SkinAndShow(w);
    testing_support::MessageRecorder recorder;
    recorder.WatchBelowSkin(push);
    recorder.WatchBelowSkin(check);
    HDC memory = CreateCompatibleDC(nullptr);
    const WPARAM dc = reinterpret_cast<WPARAM>(memory);
    const LPARAM inside = MAKELPARAM(5, 5);
    struct Row {
        const char* name;
        HWND target;
        UINT message;
        WPARAM wp;
        LPARAM lp;
        std::vector<testing_support::ExpectedMsg> expected;
    };
    const std::vector<Row> rows = {
        {"WM_SETTEXT goes on",
         push,
         WM_SETTEXT,
         0,
         reinterpret_cast<LPARAM>("Go"),
         {{WM_SETTEXT, kAnyLParam}}},
        {"WM_ERASEBKGND stays", push, WM_ERASEBKGND, dc, 0, {}},
        {"WM_NCPAINT stays", push, WM_NCPAINT, 1, 0, {}},
        {"WM_LBUTTONDBLCLK stays", check, WM_LBUTTONDBLCLK, MK_LBUTTON, inside, {}},
        {"a push button's WM_PAINT goes on", push, WM_PAINT, 0, 0, {{WM_PAINT}}},
        {"a check box paints itself and asks for its state",
         check,
         WM_PAINT,
         0,
         0,
         {{BM_GETCHECK}}},
        {"BM_SETCHECK goes on first, then the painter reads the new state",
         check,
         BM_SETCHECK,
         BST_CHECKED,
         0,
         {{BM_SETCHECK, 0, BST_CHECKED, 0}, {BM_GETCHECK}}},
        {"a space repaints the check box after the native key handling",
         check,
         WM_KEYDOWN,
         VK_SPACE,
         0,
         {{WM_KEYDOWN, 0, VK_SPACE, 0}, {BM_SETSTATE, kAnyParams | kOptional}, {BM_GETCHECK}}},
        {"WM_LBUTTONDOWN on the push button goes on",
         push,
         WM_LBUTTONDOWN,
         MK_LBUTTON,
         inside,
         {{WM_LBUTTONDOWN, 0, MK_LBUTTON, inside},
          {WM_SETFOCUS, kAnyParams | kOptional},
          {BM_SETSTATE, kAnyParams | kOptional}}},
        {"BM_SETSTATE 0 while held stays", push, BM_SETSTATE, 0, 0, {}},
        {"WM_LBUTTONUP goes on",
         push,
         WM_LBUTTONUP,
         0,
         MAKELPARAM(-50, -50),
         {{WM_LBUTTONUP, 0, 0, MAKELPARAM(-50, -50)},
          {BM_SETSTATE, kAnyParams | kOptional},
          {WM_CAPTURECHANGED, kAnyParams | kOptional}}},
        {"BM_SETSTATE 0 once released goes on", push, BM_SETSTATE, 0, 0, {{BM_SETSTATE}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing_support::PumpUntilIdle(100);
        recorder.Clear();
        SendMessageA(row.target, row.message, row.wp, row.lp);
        EXPECT_SEQUENCE(recorder, row.target, row.expected);
    }
    DeleteDC(memory);
}

// Hover repaints: each step blackens both buttons first, so a repaint shows as
// the button's face coming back.
TEST_F(ButtonTest, HoverRepaintsOncePerHotChange) {
    const POINT edge{0, Client(push_).bottom / 2}, insideEdge{1, Client(push_).bottom / 2};
    enum Look { kUntouched, kHover, kPlain, kFocusGlow };
    struct Step {
        const char* name;
        HWND SkinnedButtonsTest::*target;
        UINT message;
        std::function<void(ButtonTest&)> arrange;
        Look expected;
    } steps[] = {
        {"first move over a button", &ButtonTest::push_, WM_MOUSEMOVE, nullptr, kHover},
        {"second move over the same button", &ButtonTest::push_, WM_MOUSEMOVE, nullptr, kUntouched},
        {"move over another button", &ButtonTest::push2_, WM_MOUSEMOVE, nullptr, kHover},
        {"move with a repaint request", &ButtonTest::push2_, WM_MOUSEMOVE,
         [](ButtonTest& t) { t.Record().hover.repaintRequested = true; }, kHover},
        {"leaving", &ButtonTest::push2_, WM_MOUSELEAVE, nullptr, kPlain},
        {"leaving with the focus", &ButtonTest::push2_, WM_MOUSELEAVE,
         [](ButtonTest& t) { t.Button(t.push2_).focused = 1; }, kFocusGlow},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        HWND target = this->*s.target;
        Blacken(push_);
        Blacken(push2_);
        if (s.arrange) s.arrange(*this);
        SendMouse(target, s.message, 10, 10);
        const Rgb got = OnScreen(target, edge.x, edge.y);
        switch (s.expected) {
            case kUntouched: EXPECT_EQ(got, (Rgb{0, 0, 0})); break;
            case kHover: EXPECT_TRUE(Near(got, kAccentRgb, 2)) << got; break;
            case kPlain:
                EXPECT_NE(got, (Rgb{0, 0, 0}));
                EXPECT_FALSE(Near(got, kAccentRgb, 40)) << got;
                break;
            case kFocusGlow: {
                const Rgb inside = OnScreen(target, insideEdge.x, insideEdge.y);
                Surface plain(Client(target).right, Client(target).bottom);
                skin::PaintPushButton(target, plain.dc(), 0, Client(target));
                const Rgb unfocused = plain.At(insideEdge.x, insideEdge.y);
                EXPECT_GT(inside.g, unfocused.g + 20) << inside << " vs " << unfocused;
                EXPECT_LT(inside.r, unfocused.r - 20) << inside << " vs " << unfocused;
                break;
            }
        }
        EXPECT_EQ(OnScreen(target == push_ ? push2_ : push_, edge.x, edge.y), (Rgb{0, 0, 0}))
            << "the other button was repainted too";
        if (s.message == WM_MOUSEMOVE) {
            EXPECT_FALSE(Record().hover.repaintRequested);
        }
    }
}

TEST_F(ButtonTest, CheckBoxClickDrawsTheMarkAfterTheNativeChange) {
    testing_support::PumpUntilIdle(100);
    const POINT body = CheckBody(check_);
    ASSERT_FALSE(Checked(check_));
    EXPECT_FALSE(Near(OnScreen(check_, body.x, body.y), kAccentRgb, 40));

    // No pumping between the click and the probe: what shows is what the
    // procedure drew, not a later WM_PAINT.
    SendMouse(check_, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
    SendMouse(check_, WM_LBUTTONUP, 5, 10);
    EXPECT_TRUE(Checked(check_));
    EXPECT_TRUE(Near(OnScreen(check_, body.x, body.y), kAccentRgb, 2))
        << OnScreen(check_, body.x, body.y);

    // The second half of a double click must not toggle it back.
    EXPECT_EQ(SendMouse(check_, WM_LBUTTONDBLCLK, 5, 10, MK_LBUTTON), 0);
    SendMouse(check_, WM_LBUTTONUP, 5, 10);
    EXPECT_TRUE(Checked(check_));

    SendMouse(check_, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
    SendMouse(check_, WM_LBUTTONUP, 5, 10);
    EXPECT_FALSE(Checked(check_));
    EXPECT_FALSE(Near(OnScreen(check_, body.x, body.y), kAccentRgb, 40));
}

TEST_F(ButtonTest, RadioDotFollowsTheNativeCheckState) {
    testing_support::PumpUntilIdle(100);
    const POINT dot = RadioDot(radio_);
    const int emptyRedness = Redness(OnScreen(radio_, dot.x, dot.y));

    SendMouse(radio_, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
    SendMouse(radio_, WM_LBUTTONUP, 5, 10);
    ASSERT_TRUE(Checked(radio_));
    EXPECT_GT(Redness(OnScreen(radio_, dot.x, dot.y)), emptyRedness + 60)
        << OnScreen(radio_, dot.x, dot.y);

    // Choosing the other radio unchecks this one natively; its dot goes too.
    SendMouse(radio2_, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
    SendMouse(radio2_, WM_LBUTTONUP, 5, 10);
    ASSERT_FALSE(Checked(radio_));
    EXPECT_LT(std::abs(Redness(OnScreen(radio_, dot.x, dot.y)) - emptyRedness), 10);
    EXPECT_GT(Redness(OnScreen(radio2_, dot.x, dot.y)), emptyRedness + 60);
}

TEST_F(ButtonTest, SpaceOnRadioRepaintsTheSkinAfterTheNativeHandling) {
    const RECT r = Client(radio_);
    skin::PaintRadioButton(radio_, 0);
    Surface skinned(r.right, r.bottom);
    HDC screen = GetDC(radio_);
    BitBlt(skinned.dc(), 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(radio_, screen);

    Blacken(radio_);
    SendMessageA(radio_, WM_KEYDOWN, VK_SPACE, 0);
    for (const POINT p : {POINT{8, r.bottom / 2}, RadioDot(radio_), POINT{1, 1}})
        EXPECT_EQ(OnScreen(radio_, p.x, p.y), skinned.At(p.x, p.y))
            << "(" << p.x << ", " << p.y << ")";
    SendMessageA(radio_, WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(Checked(radio_));
}

TEST_F(ButtonTest, DisabledCheckBoxShowsSilverAndNoMark) {
    SendMessageA(check_, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(check_, FALSE);
    RedrawWindow(check_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const POINT body = CheckBody(check_);
    EXPECT_EQ(OnScreen(check_, body.x, body.y), kSilverRgb);
}

TEST_F(ButtonTest, TintedCheckMarkTakesTheAccentAndKeepsTheShape) {
    gfx::GfxBitmap source;
    ASSERT_TRUE(source.LoadFromBytes({res::check_png.data, res::check_png.size}));
    const COLORREF accents[] = {kAccent, RGB(10, 200, 90)};
    for (const COLORREF accent : accents) {
        SCOPED_TRACE(accent);
        skin::State().accentColour = accent;
        const std::vector<std::uint8_t> png = skin::TintedCheckMark();
        gfx::GfxBitmap tinted;
        ASSERT_TRUE(tinted.LoadFromBytes(png));
        ASSERT_EQ(tinted.GetWidth(), 13);
        ASSERT_EQ(tinted.GetHeight(), 12);
        EXPECT_EQ(tinted.GetPixel(4, 8), 0xFF000000u | skin::Argb(0, accent))
            << "the white body takes the accent";
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 13; ++x) {
                const unsigned s = source.GetPixel(x, y), t = tinted.GetPixel(x, y);
                if ((s >> 24) == 0) {
                    EXPECT_EQ(t >> 24, 0u)
                        << "transparent pixel (" << x << ", " << y << ") became visible";
                    continue;
                }
                const unsigned want = (s & 0xFF000000u) |
                                      ((GetRValue(accent) * ((s >> 16) & 0xFF) / 255) << 16) |
                                      ((GetGValue(accent) * ((s >> 8) & 0xFF) / 255) << 8) |
                                      (GetBValue(accent) * (s & 0xFF) / 255);
                EXPECT_EQ(t, want) << "(" << x << ", " << y << ")";
            }
    }
    skin::State().accentColour = kAccent;
}

// Properties that lead nowhere: the button behaves natively and nothing is read
// out of bounds.
TEST_F(ButtonTest, StalePropertiesPassEverythingToTheNativeButton) {
    const int index = skin::FindWindowIndex(window_);
    const int own = skin::FindButtonRecord(index, check_);
    const int other = skin::FindButtonRecord(index, push2_);
    struct Case {
        const char* name;
        std::intptr_t position, owner;
    } cases[] = {
        {"position 0", 0, index},
        {"position past the end", 99, index},
        {"another button's entry", other, index},
        {"no such window", own, 42},
        {"window 0", own, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        skin::SetIntProp(check_, skin::prop::kIndex, c.position);
        skin::SetIntProp(check_, skin::prop::kOwnerIndex, c.owner);
        SendMessageA(check_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Native"));
        EXPECT_EQ(WindowText(check_), "Native");
        SendMouse(check_, WM_MOUSEMOVE, 5, 5);
        SendMouse(check_, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
        EXPECT_TRUE(Pushed(check_)) << "the double click did not reach the native button";
        SendMouse(check_, WM_LBUTTONUP, -50, -50);
        SendMessageA(check_, BM_SETCHECK, BST_CHECKED, 0);
        skin::PaintButton(check_, 0, true);
        RedrawWindow(check_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(Button(check_).text, "Check");
        EXPECT_EQ(Button(check_).pressed, 0);
    }
    skin::SetIntProp(check_, skin::prop::kIndex, own);
    skin::SetIntProp(check_, skin::prop::kOwnerIndex, index);
}

}  // namespace
}  // namespace button_test
