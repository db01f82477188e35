#include "tests/skin/text_fixture.h"

#include <string>

namespace text_test {

namespace {
bool IsButton(HWND w) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    return lstrcmpiA(cls, "Button") == 0;
}
}  // namespace

HWND TextControlsTest::Skinned(std::initializer_list<ChildSpec> children, DWORD extraStyle, int x,
                               int y, int width, int height) {
    window_ = CreateTopLevel(WS_POPUP | WS_CLIPCHILDREN | extraStyle, width, height);
    if (!window_) return nullptr;
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    children_.clear();
    for (const ChildSpec& c : children) {
        HWND w = CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | c.style, c.x, c.y, c.w,
                                 c.h, window_, nullptr, GetModuleHandleA(nullptr), nullptr);
        children_.push_back(w);
        if (w && !IsButton(w)) recorder_.Watch(w);
    }
    if (beforeSkin_) beforeSkin_(children_);
    skin::ApplySkinOptions options;
    options.captionHeight = 25;
    SkinAndShow(window_, options);
    // The skin leaves a button that already has another procedure to the
    // program that put it there: buttons are watched below the skin instead.
    for (HWND w : children_)
        if (w && IsButton(w)) recorder_.WatchBelowSkin(w);
    return window_;
}

skin::WindowRecord& TextControlsTest::Record() const { return *RecordOf(window_); }

skin::EditRecord* TextControlsTest::Edit(HWND edit) const {
    skin::WindowRecord* r = RecordOf(window_);
    return r ? r->edits.At(r->edits.Find(edit)) : nullptr;
}

skin::ListRecord* TextControlsTest::List(HWND control) const {
    skin::WindowRecord* r = RecordOf(window_);
    return r ? r->listTypes.At(r->listTypes.Find(control)) : nullptr;
}

skin::ComboRecord* TextControlsTest::Combo(HWND combo) const {
    skin::WindowRecord* r = RecordOf(window_);
    return r ? r->combos.At(r->combos.Find(combo)) : nullptr;
}

Rgb WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const Rgb c = skin_test::PixelAt(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

void Blacken(HWND window) {
    HDC dc = GetWindowDC(window);
    RECT r{};
    GetWindowRect(window, &r);
    const RECT box{0, 0, r.right - r.left, r.bottom - r.top};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window, dc);
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

int Brightness(const Rgb& c) { return c.r + c.g + c.b; }
int Greenness(const Rgb& c) { return c.g - (c.r + c.b) / 2; }

void AddItems(HWND control, int count, UINT message) {
    for (int i = 0; i < count; ++i) {
        const std::string text = "item " + std::to_string(i);
        SendMessageA(control, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

}  // namespace text_test
