#include "tests/skin/container_fixture.h"

#include <commctrl.h>

#include "skin/base/window_table.h"
#include "tests/support/win_test.h"

namespace container_test {

Canvas::Canvas(int width, int height, COLORREF fill)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    displaced_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT r{0, 0, width, height};
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, displaced_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

HWND ContainerTest::Window(int width, int height) {
    static bool initialised = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                 ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                                 ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)initialised;
    return CreateTopLevel(WS_POPUP | WS_CLIPCHILDREN, width, height);
}

HWND ContainerTest::Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
                          int w, int h, DWORD exStyle) {
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

void ContainerTest::Show(HWND window) { SkinAndShow(window, {}); }

Rgb ContainerTest::Behind(HWND control, int x, int y) {
    HWND top = control;
    while (GetParent(top)) top = GetParent(top);
    POINT p{x, y};
    MapWindowPoints(control, top, &p, 1);
    return PixelAt(FrameDc(top), p.x, p.y);
}

}  // namespace container_test
