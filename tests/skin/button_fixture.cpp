// GDI+ start-up, the skinned test window and pixel probes for the button and
// background tests.
#include "tests/skin/button_fixture.h"

#include <gdiplus.h>

#include "gfx/gfx.h"
#include "skin/frame/skin_init.h"
#include "skin/base/skin_state.h"
#include "skin/entry/apply_skin.h"
#include "tests/support/win_test.h"

namespace button_test {
namespace {

constexpr char kClass[] = "TovikButtonTest";
constexpr int kPictureWidth = 240, kPictureHeight = 170;

void RegisterTestClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    done = RegisterClassA(&wc) != 0;
}

// Red grows to the right and green downwards, so a capture taken at the wrong
// place shows different colours.
std::vector<std::uint8_t> GradientPng() {
    gfx::GfxBitmap picture;
    if (!picture.Create(kPictureWidth, kPictureHeight, PixelFormat32bppARGB)) return {};
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x)
            picture.SetPixel(x, y,
                             0xFF000000u | (static_cast<unsigned>(x) << 16) |
                                 (static_cast<unsigned>(y) << 8) | 0xA0u);
    return picture.SaveToBytes(gfx::kFormatPng);
}

void InitTestSkin() {
    static const std::vector<std::uint8_t> png = GradientPng();
    skin::SkinInitOptions o;
    o.imageData = png;
    o.mainColour = RGB(0, 0, 160);
    o.accentColour = kAccent;
    o.imageMode = 3;
    skin::InitSkin(o);
}

}  // namespace

Surface::Surface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    displaced_ = SelectObject(dc_, bitmap_);
}

Surface::~Surface() {
    SelectObject(dc_, displaced_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::vector<COLORREF> Surface::Pixels() const {
    std::vector<COLORREF> out;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.push_back(GetPixel(dc_, x, y));
    return out;
}

void SkinnedButtonsTest::SetUp() {
    RegisterTestClass();
    InitTestSkin();
    window_ = CreateTopLevel(WS_POPUP | WS_CLIPCHILDREN);
    push_ = CreateChild(window_, "BUTTON", "OK", BS_PUSHBUTTON | WS_TABSTOP, 20, 40, 90, 30);
    push2_ = CreateChild(window_, "BUTTON", "No", BS_PUSHBUTTON | WS_TABSTOP, 130, 40, 90, 30);
    check_ = CreateChild(window_, "BUTTON", "Check", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 85, 120, 20);
    radio_ = CreateChild(window_, "BUTTON", "One", BS_AUTORADIOBUTTON | WS_GROUP, 20, 110, 120, 20);
    radio2_ = CreateChild(window_, "BUTTON", "Two", BS_AUTORADIOBUTTON, 20, 135, 120, 20);
    SkinAndShow(window_);
}

void SkinnedButtonsTest::TearDown() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it)
        if (IsWindow(*it)) DestroyWindow(*it);
    created_.clear();
    testing_support::PumpUntilIdle(200);
}

HWND SkinnedButtonsTest::CreateTopLevel(DWORD style, int width, int height) {
    // Top right of the shared screen, away from where other tests put their windows:
    // the probes read what is on screen.
    HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "Buttons", style, 760, 40, width, height,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    created_.push_back(w);
    return w;
}

HWND SkinnedButtonsTest::CreateChild(HWND parent, const char* cls, const char* text, LONG style,
                                     int x, int y, int w, int h) {
    HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    created_.push_back(c);
    return c;
}

void SkinnedButtonsTest::SkinAndShow(HWND window) {
    skin::ApplySkin(window, {});
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    testing_support::PumpUntilIdle(300);
    const int index = skin::FindWindowIndex(window);
    ASSERT_GT(index, 0);
    ASSERT_NE(skin::Table().At(index)->frame.dc(), nullptr) << "the frame was never rendered";
}

skin::WindowRecord& SkinnedButtonsTest::Record() const {
    return *skin::Table().At(skin::FindWindowIndex(window_));
}

skin::ButtonRecord& SkinnedButtonsTest::Button(HWND button) const {
    return *Record().buttons.At(skin::FindButtonRecord(skin::FindWindowIndex(window_), button));
}

RECT SkinnedButtonsTest::ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

LRESULT SendMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
    return SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

}  // namespace button_test
