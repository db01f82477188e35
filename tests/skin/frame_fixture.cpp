// GDI+ start-up, the recording window class, probes and counters for the
// skinned-window tests.
#include "tests/skin/frame_fixture.h"

#include <gdiplus.h>

#include <ostream>

#include "gfx/gfx.h"
#include "tests/support/win_test.h"

namespace frame_test {
namespace {

constexpr char kClass[] = "TovikSkinFrameTest";

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (recordMessages) ReceivedLog().push_back({window, message, wp, lp});
    if (onMessage) onMessage(window, message);
    if (message == WM_NCDESTROY) procAtNcDestroy = GetWindowLongPtrA(window, GWLP_WNDPROC);
    if (message == WM_SYSCOMMAND && !realSysCommands && (wp & 0xFFF0) != SC_CLOSE) return 0;
    return DefWindowProcA(window, message, wp, lp);
}

void RegisterRecordingClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    done = RegisterClassA(&wc) != 0;
}

std::vector<HWND>& CreatedWindows() {
    static std::vector<HWND> windows;
    return windows;
}

}  // namespace

bool realSysCommands = false;
bool recordMessages = true;
std::function<void(HWND, UINT)> onMessage;
LONG_PTR procAtNcDestroy = 0;

std::vector<Received>& ReceivedLog() {
    static std::vector<Received> log;
    return log;
}

Rgb Blend(const Rgb& over, int alpha, const Rgb& under) {
    auto mix = [alpha](int o, int u) { return (o * alpha + u * (255 - alpha) + 127) / 255; };
    return {mix(over.r, under.r), mix(over.g, under.g), mix(over.b, under.b)};
}

int Brightness(const Rgb& c) { return c.r + c.g + c.b; }

std::vector<std::uint8_t> SolidPng(int width, int height, COLORREF colour) {
    gfx::GfxBitmap bitmap;
    if (!bitmap.Create(width, height)) return {};
    {
        gfx::GfxGraphics g;
        g.FromImage(bitmap);
        g.Clear(skin::Argb(255, colour));
    }
    return bitmap.SaveToBytes(gfx::kFormatPng);
}

void SkinnedWindowTest::SetUp() {
    RegisterRecordingClass();
    skin::CreateWindowTable();
    skin::Globals& g = skin::State();
    g.onDeactivate = nullptr;
    g.appIcon = nullptr;
    realSysCommands = false;
    recordMessages = true;
    onMessage = nullptr;
    procAtNcDestroy = 0;
    ClearReceived();
    InitTestSkin();
}

void SkinnedWindowTest::TearDown() {
    onMessage = nullptr;
    for (HWND w : CreatedWindows())
        if (IsWindow(w)) DestroyWindow(w);
    CreatedWindows().clear();
    testing_support::PumpUntilIdle(100);
    skin::CreateWindowTable();
    skin::State().onDeactivate = nullptr;
    realSysCommands = false;
}

HWND SkinnedWindowTest::CreateTopLevel(LONG style, int width, int height, const char* text) {
    HWND w = CreateWindowExA(0, kClass, text, style, 40, 40, width, height, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (w) CreatedWindows().push_back(w);
    return w;
}

skin::ApplySkinOptions SkinnedWindowTest::MainOptions() {
    skin::ApplySkinOptions o;
    o.captionHeight = 110;
    o.dragOption = true;
    o.doubleClickOption = true;
    o.helpButton = false;
    o.menuButton = true;
    o.drawCaptionTitle = true;
    o.captionOption = 0;
    o.bottomBarHeight = 25;
    return o;
}

void SkinnedWindowTest::InitTestSkin() {
    static const std::vector<std::uint8_t> picture = SolidPng(64, 40, kPictureColour);
    skin::SkinInitOptions init;
    init.imageData = picture;
    init.accentColour = kAccent;
    init.imageMode = 3;
    skin::InitSkin(init);
}

void SkinnedWindowTest::SkinAndShow(HWND window, const skin::ApplySkinOptions& options) {
    skin::ApplySkin(window, options);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    testing_support::PumpUntilIdle(300);
}

HWND SkinnedWindowTest::MainLikeWindow(const char* text) {
    HWND w = CreateTopLevel(WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, 260, 150, text);
    if (w) SkinAndShow(w, MainOptions());
    return w;
}

skin::WindowRecord* SkinnedWindowTest::RecordOf(HWND window) {
    return skin::Table().At(skin::FindWindowIndex(window));
}

HDC SkinnedWindowTest::FrameDc(HWND window) {
    skin::WindowRecord* r = RecordOf(window);
    return r ? r->frame.dc() : nullptr;
}

int SkinnedWindowTest::ReceivedCount(HWND window, UINT message) const {
    int n = 0;
    for (const Received& m : ReceivedLog()) n += m.window == window && m.message == message;
    return n;
}

void SkinnedWindowTest::ClearReceived() { ReceivedLog().clear(); }

LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
    return SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

}  // namespace frame_test
