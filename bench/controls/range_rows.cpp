// Repaint rows for trackbars, progress bars, up-down controls, headers.
#include <windows.h>

#include <commctrl.h>

#include "bench/controls/control_rows.h"

namespace bench {
namespace {

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

RECT WindowBox(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

}  // namespace

void AddRangeControlRows(HWND gallery, std::vector<ControlRow>& rows) {
    if (HWND t = FindWindowExA(gallery, nullptr, TRACKBAR_CLASSA, nullptr)) {
        // Entering and leaving alternate, so every round paints once.
        rows.push_back({"trackbar hover repaint", [t](int round) {
                            if (round % 2 == 0)
                                SendMessageA(t, WM_MOUSEMOVE, 0, Point(5, 5));
                            else
                                SendMessageA(t, WM_MOUSELEAVE, 0, 0);
                        }});
    }
    if (HWND p = FindWindowExA(gallery, nullptr, PROGRESS_CLASSA, nullptr)) {
        rows.push_back({"progress step", [p](int) {
                            SendMessageA(p, PBM_STEPIT, 0, 0);
                            UpdateWindow(p);
                        }});
    }
    if (HWND u = FindWindowExA(gallery, nullptr, UPDOWN_CLASSA, nullptr)) {
        const RECT box = WindowBox(u);
        rows.push_back({"up-down half change", [u, box](int round) {
                            const int y = round % 2 == 0 ? 2 : box.bottom - 2;
                            SendMessageA(u, WM_MOUSEMOVE, 0, Point(box.right / 2, y));
                        }});
    }
    if (HWND h = FindWindowExA(gallery, nullptr, WC_HEADERA, nullptr)) {
        RECT first{}, second{};
        SendMessageA(h, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        SendMessageA(h, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
        rows.push_back({"header hover repaint", [h, first, second](int round) {
                            const RECT& r = round % 2 == 0 ? first : second;
                            SendMessageA(h, WM_MOUSEMOVE, 0,
                                         Point((r.left + r.right) / 2, (r.top + r.bottom) / 2));
                        }});
    }
}

}  // namespace bench
