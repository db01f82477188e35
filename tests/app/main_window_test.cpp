// The main window as a user gets it: geometry, styles, texts, the label's look,
// Esc, and the start-up values and icon.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "app/startup.h"
#include "app/trim.h"
#include "skin/base/skin_state.h"
#include "skin/base/window_table.h"
#include "tests/app/app_test_util.h"
#include "tests/support/win_test.h"

using namespace app;

namespace {

// The window is skinned as it is created, which needs GDI+.
class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { skin::State().gdiplusToken = StartGdiplus(); }
};
const auto* const kGdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        hwnd_ = CreateMainWindow(GetModuleHandleA(nullptr));
        ASSERT_NE(hwnd_, nullptr);
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        UpdateWindow(hwnd_);
        testing_support::PumpUntilIdle();
    }
    void TearDown() override {
        if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
        // Swallow the WM_QUIT that the destroyed main window posts.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    HWND hwnd_ = nullptr;
};

std::string WindowText(HWND hwnd) {
    char buf[512];
    int n = GetWindowTextA(hwnd, buf, sizeof buf);
    return std::string(buf, n);
}

// The deactivation trim, run against a test folder with a short wait limit.
std::string g_trimWindowsDir;
void TrimIntoTestFolder() { TrimWorkingSetWith(g_trimWindowsDir, apptest::ProbeSpan(), 1000); }

RECT ChildRect(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TEST(MainWindowLayout, CentredOnTheScreen) {
    POINT p = CentredPosition(1024, 768);
    EXPECT_EQ(p.x, 382);
    EXPECT_EQ(p.y, 309);
}

TEST_F(MainWindowTest, BorderlessOuterEqualsClientAndCentred) {
    RECT outer, client;
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    EXPECT_EQ(outer.right - outer.left, 260);
    EXPECT_EQ(outer.bottom - outer.top, 150);
    EXPECT_EQ(client.right, 260);
    EXPECT_EQ(client.bottom, 150);
    POINT want = CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(outer.left, want.x);
    EXPECT_EQ(outer.top, want.y);

    LONG style = GetWindowLongA(hwnd_, GWL_STYLE), ex = GetWindowLongA(hwnd_, GWL_EXSTYLE);
    for (LONG absent : {WS_CAPTION, WS_THICKFRAME, WS_BORDER, WS_MINIMIZEBOX, WS_MAXIMIZEBOX})
        EXPECT_EQ(style & absent, 0) << std::hex << absent;
    EXPECT_TRUE(ex & WS_EX_APPWINDOW) << "not in the taskbar";
    EXPECT_FALSE(ex & WS_EX_TOPMOST);
    EXPECT_EQ(WindowText(hwnd_), kMainTitle);
}

TEST_F(MainWindowTest, LabelAndButtonAtTheirPlacesWithTheirTexts) {
    HWND label = LabelWindow(), button = ButtonWindow();
    ASSERT_TRUE(IsWindow(label));
    ASSERT_TRUE(IsWindow(button));
    struct Case {
        HWND hwnd;
        Box box;
    } cases[] = {{label, kLabelBox}, {button, kButtonBox}};
    for (const Case& c : cases) {
        RECT r = ChildRect(hwnd_, c.hwnd);
        EXPECT_EQ(r.left, c.box.left);
        EXPECT_EQ(r.top, c.box.top);
        EXPECT_EQ(r.right - r.left, c.box.width);
        EXPECT_EQ(r.bottom - r.top, c.box.height);
    }
    EXPECT_EQ(WindowText(button), "亮度恢复");
    EXPECT_EQ(std::strlen(kButtonCaption), 8u);  // GBK: two bytes a character
    std::string text = WindowText(label);
    EXPECT_EQ(text.size(), 89u);
    EXPECT_EQ(text.substr(0, 17), "Tovik屏幕亮度恢复");
    EXPECT_EQ(text.find("\r\n\r\n解决Tovik崩溃，回到桌面亮度\r\n点击亮度恢复即可恢复\r\n\r\n"),
              17u);
    EXPECT_NE(text.back(), '\n');
}

TEST_F(MainWindowTest, LabelIsRedTextOverTheSkinnedPicture) {
    HWND label = LabelWindow();
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::PumpUntilIdle();
    skin::WindowRecord* r = skin::Table().At(skin::FindWindowIndex(hwnd_));
    ASSERT_NE(r, nullptr);
    ASSERT_NE(r->frame.dc(), nullptr);
    HDC dc = GetDC(label);
    int red = 0, picture = 0, other = 0;
    for (int y = 0; y < kLabelBox.height; ++y)
        for (int x = 0; x < kLabelBox.width; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            if (c == GetPixel(r->frame.dc(), kLabelBox.left + x, kLabelBox.top + y))
                ++picture;
            else if (GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100)
                ++red;
            else
                ++other;
        }
    ReleaseDC(label, dc);
    EXPECT_GT(red, 300) << "no red text";
    // Everything that is not text is the window's picture behind the label.
    EXPECT_GT(picture, kLabelBox.width * kLabelBox.height * 3 / 4);
    EXPECT_LT(other, kLabelBox.width * kLabelBox.height / 10);
    // Clicks fall through to the window beneath (for dragging it).
    EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, MAKELPARAM(400, 350)), HTTRANSPARENT);
}

TEST_F(MainWindowTest, SkinnedWithTheApplicationsLook) {
    const skin::Globals& g = skin::State();
    EXPECT_EQ(g.accentColour, 0x51AE51u);
    EXPECT_EQ(g.imageMode, 3);
    EXPECT_FALSE(g.skinImage.empty());
    skin::WindowRecord* r = skin::Table().At(skin::FindWindowIndex(hwnd_));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->captionHeight, 110);
    EXPECT_TRUE(r->dragOption && r->doubleClickOption && r->drawCaptionTitle && r->menuButton);
    EXPECT_FALSE(r->helpButton || r->minimizeButton || r->maximizeButton);
    ASSERT_EQ(r->CaptionButtonCount(), 3);  // blank, main menu, close
    EXPECT_EQ(r->CaptionAt(2)->command, skin::kMainMenu);
    EXPECT_EQ(r->CaptionAt(3)->command, skin::kClose);
    EXPECT_EQ(r->stripWidth, 69);
    EXPECT_EQ(r->bottomBarHeight, 25);
    ASSERT_EQ(r->panelRects.size(), 1u);
    EXPECT_EQ(r->bottomBar.width, 260 - 6);
    // Laid out again on every move or size, the full-width panel leaves the last
    // border's width of the bar free.
    EXPECT_EQ(r->panelRects[0].width, 260 - 3 - 6);
    EXPECT_TRUE(r->backgroundImage.empty()) << "the window uses the skin image";
    // The button is drawn by the skin: owner-drawn and registered.
    EXPECT_EQ(GetWindowLongA(ButtonWindow(), GWL_STYLE) & 0x0F, BS_OWNERDRAW);
    EXPECT_EQ(skin::FindButtonRecord(skin::FindWindowIndex(hwnd_), ButtonWindow()), 1);
}

TEST_F(MainWindowTest, EscapeClosesTheWindowAndEndsTheLoop) {
    SetFocus(ButtonWindow());
    PostMessageA(ButtonWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    RunMessageLoop();  // returns only when the window is gone
    EXPECT_FALSE(IsWindow(hwnd_));
}

TEST_F(MainWindowTest, StuckTrimHelperLeavesTheWindowAnsweringAndTheNextDeactivationTries) {
    testing_support::TempDir windows, records;
    apptest::ProbeOutput out(records.file("trim.txt"));
    SetEnvironmentVariableA("TOVIK_PROBE_HANG_MS", "600000");  // starts, then never exits
    g_trimWindowsDir = windows.path();
    const std::string toolPath = windows.path() + kTrimToolName;
    void (*previous)() = skin::State().onDeactivate;
    skin::State().onDeactivate = TrimIntoTestFolder;
    for (int round = 1; round <= 2; ++round) {
        DeleteFileA(out.path().c_str());
        std::atomic<bool> answered{false}, done{false};
        PostMessageA(hwnd_, WM_ACTIVATEAPP, FALSE, 0);
        std::thread asker([&] {
            // Ask only once the trim's helper runs, so the question meets the wait.
            for (int i = 0; i < 200 && !out.Read().present; ++i) Sleep(50);
            DWORD_PTR result = 0;
            answered = SendMessageTimeoutA(hwnd_, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
            // A window stuck on its helper would hang this test too: free it.
            if (!answered) apptest::EndProcessesRunning(toolPath);
            done = true;
        });
        testing_support::PumpUntil([&] { return done.load(); }, 60000);
        asker.join();
        EXPECT_TRUE(out.Read().present) << "round " << round << ": the trim did not run";
        EXPECT_TRUE(answered) << "round " << round << ": the window stopped answering";
        EXPECT_EQ(apptest::EndProcessesRunning(toolPath), 0)
            << "round " << round << ": the stuck helper was left running";
    }
    skin::State().onDeactivate = previous;
}

TEST(StartUp, IconFallsBackToDefaultIconAndValuesAreSet) {
    // This test program carries only "DEFAULT_ICON".
    EXPECT_EQ(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(129)), nullptr);
    EXPECT_NE(LoadAppIcon(GetModuleHandleA(nullptr)), nullptr);

    StartUp();
    const skin::Globals& g = skin::State();
    EXPECT_NE(g.gdiplusToken, 0u);
    EXPECT_EQ(g.onDeactivate, &TrimWorkingSet);
    EXPECT_NE(g.appIcon, nullptr);
    EXPECT_EQ(g.accentColour, 0xDDCA22u);
    EXPECT_EQ(g.controlBlendLevel, 160);
    EXPECT_TRUE(g.controlBackground && g.skinnerSwitchA && g.skinnerSwitchB);
}

TEST(StartUp, ProgramCarriesIcon129VersionAndAsInvokerManifest) {
    std::string exe = testing_support::ExeDirectory() + "\\..\\..\\app\\" TOVIK_APP_EXE_NAME;
    HMODULE m = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(m, nullptr) << exe;
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(129), RT_GROUP_ICON), nullptr);
    EXPECT_NE(FindResourceA(m, MAKEINTRESOURCEA(1), RT_VERSION), nullptr);
    HRSRC manifest = FindResourceA(m, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    auto text = static_cast<const char*>(LockResource(LoadResource(m, manifest)));
    std::string xml(text, SizeofResource(m, manifest));
    EXPECT_NE(xml.find("level=\"asInvoker\""), std::string::npos);
    FreeLibrary(m);
}
