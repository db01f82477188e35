// A full render of the main window's frame against the least work that could
// produce it (one stretch of the already decoded picture into a 260 x 150 bitmap
// and one copy to the window), and one caption-button fade step and one
// push-button paint against a full render. Rounds alternate the contenders.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/skin_hook.h"
#include "bench/common/timing.h"
#include "gfx/gfx.h"
#include "resources/embedded.h"
#include "skin/frame/frame_painter.h"
#include "skin/frame/skin_init.h"
#include "skin/base/skin_state.h"
#include "skin/entry/apply_skin.h"
#include "skin/controls/button_skin.h"
#include "skin/base/window_table.h"

namespace {

using bench::Median;
using bench::TimeEach;

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    return DefWindowProcA(h, m, w, l);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 7;
    const int reps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    skin::State().gdiplusToken = token;

    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchWindow";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, "BenchWindow", "Tovik崩溃桌面亮度恢复",
                                  WS_POPUP | WS_CLIPCHILDREN, 382, 309, 260, 150, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "亮度恢复", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  76, 115, 109, 31, window, nullptr, wc.hInstance, nullptr);
    app::OnMainWindowCreated(window);  // exactly what the program does to its window
    ShowWindow(window, SW_SHOW);
    const int index = skin::FindWindowIndex(window);
    skin::FullFrameRender(index, nullptr, true);  // first render: decodes the picture once

    // The baseline's picture is decoded once, outside the timing, as the skin does.
    gfx::GfxBitmap picture;
    picture.LoadFromBytes({res::background_jpg.data, res::background_jpg.size});
    picture.GetWidth();

    HDC screen = GetDC(window);
    RECT rc{0, 0, 109, 31};
    HDC buttonDc = CreateCompatibleDC(screen);
    HBITMAP buttonBitmap = CreateCompatibleBitmap(screen, 109, 31);
    HGDIOBJ oldButtonBitmap = SelectObject(buttonDc, buttonBitmap);

    std::vector<double> base, full, fresh, fade, paint;
    for (int r = 0; r < rounds; ++r) {
        base.push_back(TimeEach(reps, [&](int) {
            BITMAPINFO bi{};
            bi.bmiHeader = {sizeof bi.bmiHeader, 260, -150, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            HBITMAP target = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
            HDC mem = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(mem, target);
            {
                gfx::GfxGraphics g;
                g.CreateFromHDC(mem);
                g.DrawImageStretchedI(picture, 0, 0, 260, 150);
            }
            BitBlt(screen, 0, 0, 260, 150, mem, 0, 0, SRCCOPY);
            SelectObject(mem, old);
            DeleteDC(mem);
            DeleteObject(target);
        }));
        full.push_back(TimeEach(reps, [&](int) { skin::FullFrameRender(index, nullptr, true); }));
        // As after a resize: the picture has to be laid out for the new size again.
        fresh.push_back(TimeEach(reps, [&](int) {
            skin::Table().At(index)->background.reset();
            skin::FullFrameRender(index, nullptr, true);
        }));
        fade.push_back(TimeEach(reps, [&](int i) {
            skin::DrawCaptionButton(index, 2, nullptr, false, false, 30 * (1 + i % 8));
        }));
        paint.push_back(TimeEach(reps, [&](int i) {
            skin::PaintPushButton(button, buttonDc, i % 2 ? ODS_HOTLIGHT : 0, rc);
        }));
    }
    const double b = Median(base), f = Median(full), s = Median(fade), p = Median(paint);
    const double n = Median(fresh);
    std::printf("baseline (stretch decoded picture into 260x150, copy to window): %.3f ms\n", b);
    std::printf("full frame render: %.3f ms\n", f);
    std::printf("full render at a new size (picture laid out again): %.3f ms, / baseline: %.2f\n",
                n, n / b);
    std::printf("caption-button fade step: %.3f ms, fade / full render: %.3f\n", s, s / f);
    std::printf("push-button paint: %.3f ms, button / full render: %.3f\n", p, p / f);
    std::printf("full render / baseline: %.2f\n", f / b);

    SelectObject(buttonDc, oldButtonBitmap);
    DeleteObject(buttonBitmap);
    DeleteDC(buttonDc);
    ReleaseDC(window, screen);
    DestroyWindow(window);
    return 0;
}
