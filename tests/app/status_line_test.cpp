// The bottom bar's line on the real main window: what it says at start for a
// normal, an altered and an unreadable ramp, and after each way a click can end
// (a calibration restored among them); checked by the panel record's text and by
// the pixels of the frame and screen.
#include "app/status_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "app/main_window.h"
#include "skin/base/window_table.h"
#include "tests/app/app_test_util.h"

using namespace app;
using namespace apptest;
using testing_support::FileExistsAt;
using testing_support::TempDir;

namespace {

using Pixels = std::vector<std::uint32_t>;

GammaRamp Darkened() {
    GammaRamp r = IdentityRamp();
    for (auto& channel : r.channel)
        for (int i = 0; i < 256; ++i) channel[i] = static_cast<WORD>(i * 128);
    return r;
}

// A display calibrated to a warmer white, on its calibration.
GammaRamp Warm() {
    GammaRamp r = IdentityRamp();
    for (int i = 0; i < 256; ++i) r.channel[2][i] = static_cast<WORD>(i * 200);
    return r;
}
const DisplayRamp kNormal{IdentityRamp(), {}};
const DisplayRamp kDark{Darkened(), {}};
const DisplayRamp kUnreadable{{}, {}};
const DisplayRamp kCalibrated{Warm(), Warm()};

// Where two frames differ.
struct Difference {
    int count = 0;
    RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

class StatusLineTest : public ::testing::Test {
protected:
    void Open(RampReadings readings) {
        SetRampReader([readings] { return readings; });
        hwnd_ = CreateMainWindow(GetModuleHandleA(nullptr));
        ASSERT_NE(hwnd_, nullptr);
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        UpdateWindow(hwnd_);
        testing_support::PumpUntilIdle(3000);
        ASSERT_NE(Record(), nullptr);
        ASSERT_NE(Record()->frameBits, nullptr) << "the window was never rendered";
    }
    void Close() {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
        hwnd_ = nullptr;
        // Swallow the WM_QUIT that the destroyed main window posts.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void TearDown() override {
        Close();
        SetRampReader({});
        SetHelperRunner({});
    }

    skin::WindowRecord* Record() const { return skin::Table().At(skin::FindWindowIndex(hwnd_)); }
    skin::IntRect PanelBox() const { return Record()->panelRects.at(0); }

    // The cached frame the window paints from.
    Pixels Frame() const {
        GdiFlush();
        const skin::WindowRecord* r = Record();
        auto bits = static_cast<const std::uint32_t*>(r->frameBits);
        return Pixels(bits, bits + r->frameWidth * r->frameHeight);
    }
    Difference Compare(const Pixels& a, const Pixels& b) const {
        Difference d;
        const int w = Record()->frameWidth;
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
            if (a[i] == b[i]) continue;
            const int x = static_cast<int>(i) % w, y = static_cast<int>(i) / w;
            ++d.count;
            d.bounds = {std::min<LONG>(d.bounds.left, x), std::min<LONG>(d.bounds.top, y),
                        std::max<LONG>(d.bounds.right, x + 1),
                        std::max<LONG>(d.bounds.bottom, y + 1)};
        }
        return d;
    }
    Pixels PanelPixels(const Pixels& frame) const {
        const skin::IntRect p = PanelBox();
        const int w = Record()->frameWidth;
        Pixels out;
        for (int y = p.y; y < p.y + p.height; ++y)
            for (int x = p.x; x < p.x + p.width; ++x) out.push_back(frame[y * w + x]);
        return out;
    }
    // The part of the panel the button does not cover, on the screen and in the
    // frame: pixels that differ.
    int ScreenMismatches() const {
        const skin::IntRect p = PanelBox();
        HDC screen = GetDC(hwnd_);
        int mismatches = 0;
        for (int y = p.y; y < p.y + p.height; ++y)
            for (int x = p.x; x < kButtonBox.left; ++x)
                if (GetPixel(screen, x, y) != GetPixel(Record()->frame.dc(), x, y)) ++mismatches;
        ReleaseDC(hwnd_, screen);
        return mismatches;
    }
    void Click() {
        SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(ButtonWindow()));
    }

    HWND hwnd_ = nullptr;
};

}  // namespace

TEST_F(StatusLineTest, StartLineForNormalAlteredAndUnreadableRamps) {
    struct Case {
        const char* name;
        RampReadings readings;
        const char* text;
    } cases[] = {
        {"normal", {kNormal}, "亮度正常"},
        {"altered", {kDark}, "亮度被改动"},
        {"unreadable", {kUnreadable}, "亮度未知"},
        {"unreadable and altered", {kUnreadable, kDark}, "亮度被改动"},
        {"at its calibration", {kCalibrated}, "亮度正常"},
        {"calibration lost", {{IdentityRamp(), Warm()}}, "亮度被改动"},
    };
    std::vector<Pixels> bars;
    for (const Case& c : cases) {
        Open(c.readings);
        if (HasFatalFailure()) return;
        EXPECT_EQ(StatusText(hwnd_), c.text) << c.name;
        EXPECT_EQ(ScreenMismatches(), 0) << c.name << ": the screen does not show the frame";
        const Pixels withText = Frame();
        bars.push_back(PanelPixels(withText));

        // The same bar without the text: the text is all that differs, inside the
        // panel and left of the button that covers the rest of the bar.
        ShowStatus(hwnd_, "", RGB(255, 255, 255));
        const Difference d = Compare(withText, Frame());
        const skin::IntRect p = PanelBox();
        EXPECT_GT(d.count, 40) << c.name << ": no text in the bar";
        EXPECT_GE(d.bounds.left, p.x) << c.name;
        EXPECT_GE(d.bounds.top, p.y) << c.name;
        EXPECT_LE(d.bounds.bottom, p.y + p.height) << c.name;
        EXPECT_LE(d.bounds.right, kButtonBox.left) << c.name << ": text runs under the button";
        Close();
    }
    EXPECT_NE(bars[0], bars[1]) << "normal and altered look the same";
    EXPECT_NE(bars[0], bars[2]) << "normal and unknown look the same";
    EXPECT_NE(bars[1], bars[2]) << "altered and unknown look the same";
    EXPECT_EQ(bars[1], bars[3]) << "altered with an unreadable display is still altered";
    EXPECT_EQ(bars[0], bars[4]) << "a display at its calibration is normal";
    EXPECT_EQ(bars[1], bars[5]) << "a calibrated display on the identity is altered";
}

TEST_F(StatusLineTest, EachClickOutcomeRedrawsOnlyThePanel) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("gamma.txt"));
    const std::string ro = ReadOnlyDir();
    ASSERT_FALSE(ro.empty()) << "run through with_readonly_dir.sh";
    struct Case {
        const char* name;
        std::string directory;
        res::ByteSpan tool;
        const char* probeExit;
        DisplayRamp display;  // as read once the helper has exited
        const char* text;
    } cases[] = {
        {"helper succeeded", dir.path(), ProbeSpan(), "0", kNormal, "亮度已恢复"},
        {"calibration restored", dir.path(), ProbeSpan(), "0", kCalibrated, "校准已恢复"},
        {"helper failed", dir.path(), ProbeSpan(), "1", kNormal, "显示器拒绝"},
        {"helper not written", ro, ProbeSpan(), "0", kNormal, "无法写入"},
        {"calibrated display failed", dir.path(), ProbeSpan(), "1", kCalibrated, "显示器拒绝"},
        {"helper not started", dir.path(), NotAProgram(), "0", kNormal, "无法启动"},
        {"helper succeeded again", dir.path(), ProbeSpan(), "0", kNormal, "亮度已恢复"},
    };
    Open({kNormal});
    if (HasFatalFailure()) return;
    for (const Case& c : cases) {
        SetEnvironmentVariableA("TOVIK_PROBE_EXIT", c.probeExit);
        SetRampReader([&c] { return RampReadings{c.display}; });
        SetHelperRunner([&c] { return StartRestore(c.directory, c.tool); });
        const Pixels before = Frame();
        Click();
        ASSERT_TRUE(testing_support::PumpUntil([] { return !RestorePending(); }, 15000))
            << c.name << ": no outcome";
        testing_support::PumpUntilIdle(3000);
        EXPECT_EQ(StatusText(hwnd_), c.text) << c.name;
        const Difference d = Compare(before, Frame());
        const skin::IntRect p = PanelBox();
        EXPECT_GT(d.count, 0) << c.name << ": the bar did not change";
        EXPECT_GE(d.bounds.left, p.x) << c.name << ": drawn outside the panel";
        EXPECT_GE(d.bounds.top, p.y) << c.name;
        EXPECT_LE(d.bounds.right, p.x + p.width) << c.name;
        EXPECT_LE(d.bounds.bottom, p.y + p.height) << c.name;
        EXPECT_LE(d.bounds.right, kButtonBox.left) << c.name << ": text runs under the button";
        EXPECT_EQ(ScreenMismatches(), 0) << c.name << ": the screen does not show the new line";
        EXPECT_FALSE(FileExistsAt(c.directory + kGammaToolName)) << c.name << ": file left";
    }
}

TEST_F(StatusLineTest, ClickReturnsWhileTheHelperRunsAndASecondClickStartsNoOther) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("slow.txt"));
    ProbeHold hold;
    int starts = 0;
    SetHelperRunner([&] {
        ++starts;
        return StartRestore(dir.path(), ProbeSpan());
    });
    Open({kDark});
    if (HasFatalFailure()) return;
    Click();
    EXPECT_TRUE(RestorePending()) << "the click waited for the helper's exit";
    EXPECT_EQ(StatusText(hwnd_), "亮度被改动") << "the last line stays until the outcome";
    Click();
    EXPECT_EQ(starts, 1);
    // The window goes on answering and painting meanwhile.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(RestorePending());
    hold.Release();
    ASSERT_TRUE(testing_support::PumpUntil([] { return !RestorePending(); }, 15000));
    EXPECT_EQ(StatusText(hwnd_), "亮度已恢复");
    EXPECT_FALSE(FileExistsAt(dir.path() + kGammaToolName)) << "deleted after the helper's exit";
    EXPECT_EQ(starts, 1);
}

TEST_F(StatusLineTest, ClosingWhileTheHelperRunsLeavesNoFileAndNoProcess) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("slow.txt"));
    ProbeHold hold;  // still running when the window closes
    SetHelperRunner([&] { return StartRestore(dir.path(), ProbeSpan()); });
    Open({kNormal});
    if (HasFatalFailure()) return;
    Click();
    ASSERT_TRUE(RestorePending());
    Close();
    const std::string toolPath = dir.path() + kGammaToolName;
    EXPECT_FALSE(RestorePending());
    EXPECT_EQ(EndProcessesRunning(toolPath), 0) << "the helper outlived the window";
    EXPECT_FALSE(FileExistsAt(toolPath));
}
