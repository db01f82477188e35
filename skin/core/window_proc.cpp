#include "skin/core/window_proc.h"

#include <commctrl.h>

#include <cmath>

#include "skin/controls/owner_draw.h"
#include "skin/core/frame_painter.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/look.h"
#include "skin/core/skin_state.h"
#include "skin/window/frame_layout.h"
#include "skin/window/skinner_kit.h"
#include "skin/window/window_table.h"

namespace skin {
namespace {

constexpr UINT kFadeInterval = 20;
constexpr int kFadeSteps = 8;
constexpr int kFadeAlphaStep = 30;

int X(LPARAM lp) { return MouseX(lp); }
int Y(LPARAM lp) { return MouseY(lp); }

UINT_PTR TimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

// The resize zone under (x, y) as the code added to SC_SIZE, or 0; the zones are
// tested in this order and the first match wins.
int MatchZone(int x, int y, int R, int H) {
    const int B = kResizeBorder;
    if (x <= B && y >= 11 && y < H - 10) return 1;      // left
    if (x >= R - B && y >= 11 && y < H - 10) return 2;  // right
    if (x >= 11 && y <= B && x < R - 10) return 3;      // top
    if (x >= 11 && y >= H - B && x < R - 10) return 6;  // bottom
    if (x <= 10 && y <= 10) return 4;                   // top-left
    if (x >= R - 10 && y <= 10) return 5;               // top-right
    if (x <= 10 && y >= H - 10) return 7;               // bottom-left
    if (x >= R - 10 && y >= H - 10) return 8;           // bottom-right
    return 0;
}

LPCSTR ZoneCursor(int code) {
    switch (code) {
        case 1:
        case 2: return IDC_SIZEWE;
        case 3:
        case 6: return IDC_SIZENS;
        case 4:
        case 8: return IDC_SIZENWSE;
        default: return IDC_SIZENESW;
    }
}

void SetResizeCursor(WindowRecord& r, LPARAM lp, const RECT& client) {
    if (!r.doubleClickOption) return;
    if (int zone = MatchZone(X(lp), Y(lp), client.right, client.bottom))
        SetCursor(LoadCursorA(nullptr, ZoneCursor(zone)));
}

void StartMove(HWND window) { SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

void DragOrResizeStart(WindowRecord& r, LPARAM lp, const RECT& client) {
    const int x = X(lp), y = Y(lp);
    if (r.stripX <= x && x <= r.stripX + r.stripWidth && 3 <= y && y <= r.stripHeight) return;
    if (!r.dragOption) return;
    HWND window = r.window;
    if (!r.doubleClickOption) {
        if (y <= r.captionHeight) StartMove(window);
        return;
    }
    if (int zone = MatchZone(x, y, client.right, client.bottom)) {
        r.frameDirty = true;
        SetCursor(LoadCursorA(nullptr, ZoneCursor(zone)));
        SendMessageA(window, WM_SYSCOMMAND, SC_SIZE + zone, 0);
    } else if (y <= r.captionHeight) {
        StartMove(window);
    }
}

void OnMouseMove(int index, WindowRecord& r, LPARAM lp) {
    HWND window = r.window;
    RECT client{};
    GetClientRect(window, &client);
    if (!r.mouseInside) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_HOVER | TME_LEAVE, window, 1};
        TrackMouseEvent(&tme);
    }
    if (!r.dragOption) return;
    if (NearStrip(index, lp)) {
        if (!r.hoverTimerRunning) {
            SetTimer(window, TimerId(window), kFadeInterval, nullptr);
            r.hoverTimerRunning = true;
        }
    } else {
        r.hoverTimerRunning = false;
    }
    int& pressed = State().pressedButton;
    pressed = CaptionButtonHitTest(index, X(lp), Y(lp));
    if (r.hotButton >= 1 && r.hotButton != pressed) {
        if (r.fadeOut.step < kFadeSteps)
            DrawCaptionButton(index, r.fadeOut.button, nullptr, false, false, 0);
        r.fadeOut = {r.hotButton, 0};
    }
    if (pressed >= 1 && pressed != r.hotButton) r.fadeIn = {pressed, 0};
    r.hotButton = pressed;
    if (!r.maximized) SetResizeCursor(r, lp, client);
}

void OnLButtonDown(int index, WindowRecord& r, LPARAM lp) {
    HWND window = r.window;
    RECT client{};
    GetClientRect(window, &client);
    r.fadeIn.button = 0;
    if (!r.dragOption) return;
    if (!r.maximized && !r.minimized) DragOrResizeStart(r, lp, client);
    // A move or resize loop may have run: look the record up again.
    if (!Table().At(index, window)) return;
    int& pressed = State().pressedButton;
    pressed = CaptionButtonHitTest(index, X(lp), Y(lp));
    if (pressed > 0) DrawCaptionButton(index, pressed, nullptr, false, true);
}

void OnMouseLeave(int index, WindowRecord& r) {
    r.mouseInside = false;
    if (index >= 1 && r.hotButton >= 1 && r.dragOption) {
        if (r.fadeOut.step <= 7 && r.fadeIn.step <= 7) {
            DrawCaptionButton(index, r.fadeOut.button, nullptr, false, false);
            r.fadeIn = {};
        }
        r.fadeOut = {r.hotButton, 0};
        r.hotButton = 0;
    }
}

void OnFadeTimer(int index, WindowRecord& r) {
    if (r.fadeIn.button >= 1 && r.fadeIn.step <= 7) {
        ++r.fadeIn.step;
        DrawCaptionButton(index, r.fadeIn.button, nullptr, false, false,
                          r.fadeIn.step * kFadeAlphaStep);
    }
    if (r.fadeOut.button >= 1 && r.fadeOut.step <= 7) {
        ++r.fadeOut.step;
        DrawCaptionButton(index, r.fadeOut.button, nullptr, false, false,
                          240 - r.fadeOut.step * kFadeAlphaStep);
    }
    if ((!r.mouseInside || !r.hoverTimerRunning) && (r.fadeOut.step > 7 || r.fadeOut.button == 0)) {
        r.hoverTimerRunning = false;
        KillTimer(r.window, TimerId(r.window));
        r.hotButton = 0;
        r.fadeIn = {};
        r.fadeOut = {};
    }
}

void OnGetMinMaxInfo(const WindowRecord& r, MINMAXINFO* info) {
    if (!info) return;
    info->ptMinTrackSize = {r.minTrackWidth, r.minTrackHeight};
    if (r.maximized) {
        RECT tray{};
        if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) GetWindowRect(taskbar, &tray);
        const double tw = tray.right - tray.left, th = tray.bottom - tray.top;
        const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
        if (tw - th > 1e-7)
            info->ptMaxTrackSize = {sw, sh - static_cast<int>(th)};
        else
            info->ptMaxTrackSize = {sw - static_cast<int>(tw), sh};
    } else {
        info->ptMaxTrackSize = {r.maxTrackWidth, r.maxTrackHeight};
    }
}

void OnPaint(int index, WindowRecord& r) {
    HWND window = r.window;
    gdi::PaintScope paint(window);
    if (r.minimized) return;
    if (r.frameDirty) {
        FullFrameRender(index, paint.dc(), true);
        // The render sends messages of its own: the record may be gone by now.
        if (WindowRecord* again = Table().At(index, window)) again->frameDirty = false;
    } else {
        FastFrameCopy(index, paint.dc());
    }
}

void OnSysCommand(WindowRecord& r, WPARAM wp) {
    switch (wp & 0xFFF0) {  // the low four bits are the system's own
        case SC_MAXIMIZE:
            r.maximized = true;
            r.frameDirty = true;
            break;
        case SC_RESTORE:
            r.frameDirty = true;
            r.minimized = false;
            break;
        case SC_MINIMIZE:
            r.frameDirty = true;
            r.minimized = true;
            break;
    }
}

void Renumber() {
    WindowTable& table = Table();
    for (int k = 1; k <= table.Count(); ++k) {
        WindowRecord& r = *table.At(k);
        SetIntProp(r.window, prop::kIndex, k);
        r.ForEachControlList([k](auto& list, ListKind kind) {
            for (auto& e : list.entries())
                if (e.window) SetIntProp(e.window, PropsOf(kind).owner, k);
        });
    }
}

}  // namespace

int CaptionButtonHitTest(int index, int x, int y) {
    WindowRecord* r = Table().At(index);
    if (!r) return 0;
    if (!(x >= r->stripX && y >= r->stripY && y <= r->stripY + r->stripHeight)) return 0;
    constexpr double e = 1e-7;
    for (int p = 1; p <= r->CaptionButtonCount(); ++p) {
        const FloatRect& h = r->CaptionAt(p)->hit;
        if (h.width <= 0 || h.height <= 0) continue;  // the blank entry
        if (x - h.x > e && h.x + h.width - x > e && y - h.y > e && h.y + h.height - y > e) return p;
    }
    return 0;
}

bool NearStrip(int index, LPARAM lp) {
    WindowRecord* r = Table().At(index);
    if (!r) return false;
    const int x = X(lp), y = Y(lp);
    return r->stripX - 2 <= x && x <= r->stripX + r->stripWidth && 0 <= y && y <= r->stripHeight;
}

int PanelHitTest(int index, int x, int y) {
    WindowRecord* r = Table().At(index);
    if (!r || r->bottomBarHeight <= 0) return 0;
    for (std::size_t i = 0; i < r->panelRects.size(); ++i) {
        const IntRect& p = r->panelRects[i];
        if (x >= p.x && x < p.x + p.width && y >= p.y && y < p.y + p.height)
            return static_cast<int>(i + 1);
    }
    return 0;
}

int MaximizeButtonPosition(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return 0;
    for (int p = 1; p <= r->CaptionButtonCount(); ++p) {
        const CaptionButton& b = *r->CaptionAt(p);
        if (p >= 2 && b.command == kMaximize) return p;
    }
    return 0;
}

int ResizeZone(int, LPARAM lp, const RECT& client) {
    return MatchZone(X(lp), Y(lp), client.right, client.bottom);
}

void CaptionButtonAction(int index, int position) {
    WindowRecord* r = Table().At(index);
    if (!r || position < 1 || position > r->CaptionButtonCount()) return;
    HWND window = r->window;
    switch (r->CaptionAt(position)->command) {
        case kClose: SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case kMaximize:
            r->frameDirty = true;
            r->minimized = false;
            if (r->maximized) {
                r->maximized = false;
                SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
            } else {
                r->maximized = true;
                SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            }
            break;
        case kMinimize:
            r->minimized = true;
            SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        default:  // main menu and help have no action of their own
            break;
    }
}

void DestroyCleanup(HWND window) {
    if (const int index = FindWindowIndex(window)) {
        if (HMENU menu = reinterpret_cast<HMENU>(GetIntProp(window, prop::kMenu)))
            DestroyMenu(menu);
        SetWindowLongPtrA(window, GWLP_WNDPROC, GetIntProp(window, prop::kPrevProc));
        for (const char* name : {prop::kFrameFirstBitmap, prop::kFrameBitmap, prop::kIndex})
            RemoveIntProp(window, name);
        // The record owns its DCs, bitmaps, snapshots and pictures: they go with it.
        Table().Remove(index);
    }
    Renumber();
}

namespace {

void OnSize(WindowRecord& r) {
    r.hotButton = 0;
    Globals& g = State();
    r.frameDirty = !g.firstSizePending;
    g.firstSizePending = false;
}

void OnSetText(int index, const WindowRecord& r, LPARAM lp) {
    if (r.drawCaptionTitle && r.dragOption && lp)
        DrawCaptionTitle(index, nullptr, false, std::string(reinterpret_cast<const char*>(lp)));
}

LRESULT OnEraseBackground(WPARAM wp) {
    SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
    return 1;
}

void OnShowWindow(int index, WindowRecord& r, WPARAM wp) {
    if (wp != 1) return;
    if (r.minimized) {
        r.minimized = false;
        return;
    }
    gdi::PaintScope paint(r.window);
    FullFrameRender(index, paint.dc(), true);
}

void OnDrawItem(int index, LPARAM lp) {
    if (!lp) return;
    const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    DispatchDrawItem(index, item);
}

void OnWindowPosChanged(int index, const WindowRecord& r) {
    LayoutCaptionButtons(index);
    if (r.bottomBarHeight > 0) LayoutBottomBar(index);
}

// Tree views repaint themselves after an item expands or collapses.
void OnNotify(LPARAM lp) {
    if (!lp) return;
    const NMHDR header = *reinterpret_cast<const NMHDR*>(lp);
    if (header.code == TVN_ITEMEXPANDINGA || header.code == TVN_ITEMEXPANDEDA)
        InvalidateRect(header.hwndFrom, nullptr, TRUE);
}

// Cleanup runs even when the window's index property has gone stale: it finds
// the record by handle.
LRESULT OnNcDestroy(const Msg& m) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetIntProp(m.window, prop::kPrevProc));
    DestroyCleanup(m.window);
    KillTimer(m.window, TimerId(m.window));
    RemoveIntProp(m.window, prop::kPrevProc);
    if (!previous || previous == SkinnedWindowProc)
        return DefWindowProcA(m.window, m.message, m.wp, m.lp);
    return CallWindowProcA(previous, m.window, m.message, m.wp, m.lp);
}

void OnLButtonUp(int index, const WindowRecord& r) {
    const int pressed = State().pressedButton;
    if (pressed > 0 && pressed <= r.CaptionButtonCount() && r.dragOption)
        CaptionButtonAction(index, pressed);
}

void OnLButtonDoubleClick(int index, const WindowRecord& r, LPARAM lp) {
    if (PanelHitTest(index, X(lp), Y(lp)) != 0 || Y(lp) > r.captionHeight || !r.doubleClickOption)
        return;
    if (int p = MaximizeButtonPosition(index)) CaptionButtonAction(index, p);
}

LRESULT Dispatch(const Msg& m) {
    const int index = static_cast<int>(GetIntProp(m.window, prop::kIndex));
    WindowRecord* found = Table().At(index, m.window);
    if (m.message == WM_NCDESTROY) return OnNcDestroy(m);
    // An index that leads nowhere (or elsewhere): the message just goes on.
    if (!found) return CallPrevious(m);
    WindowRecord& r = *found;
    switch (m.message) {
        case WM_SIZE: OnSize(r); break;
        case WM_SETTEXT: OnSetText(index, r, m.lp); break;
        case WM_PAINT: OnPaint(index, r); return DefWindowProcA(m.window, m.message, m.wp, m.lp);
        case WM_QUERYOPEN: r.minimized = false; break;
        case WM_ERASEBKGND: return OnEraseBackground(m.wp);
        case WM_SHOWWINDOW: OnShowWindow(index, r, m.wp); break;
        case WM_ACTIVATEAPP:
            if (m.wp == 0 && State().onDeactivate) State().onDeactivate();
            break;
        case WM_GETMINMAXINFO: OnGetMinMaxInfo(r, reinterpret_cast<MINMAXINFO*>(m.lp)); break;
        case WM_DRAWITEM: OnDrawItem(index, m.lp); break;
        case WM_WINDOWPOSCHANGED: OnWindowPosChanged(index, r); break;
        case WM_NOTIFY: OnNotify(m.lp); break;
        case WM_SYSCOMMAND: OnSysCommand(r, m.wp); break;
        case WM_TIMER:
            if (m.wp == TimerId(m.window)) OnFadeTimer(index, r);
            break;
        case WM_MOUSEMOVE: OnMouseMove(index, r, m.lp); break;
        case WM_LBUTTONDOWN: OnLButtonDown(index, r, m.lp); break;
        case WM_LBUTTONUP: OnLButtonUp(index, r); break;
        case WM_LBUTTONDBLCLK: OnLButtonDoubleClick(index, r, m.lp); break;
        case WM_MOUSEHOVER: r.mouseInside = true; break;
        case WM_MOUSELEAVE: OnMouseLeave(index, r); break;
        // WM_QUIT never reaches a window from a message loop; GDI+ shuts down
        // after the loop, so a stray WM_QUIT sent here changes nothing.
        default: break;
    }
    return CallPrevious(m);
}

}  // namespace

LRESULT CALLBACK SkinnedWindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    const Msg m{window, message, wp, lp};
    try {
        return Dispatch(m);
    } catch (...) {
        // Out of memory inside a handler: the window still gets its message.
        try {
            return CallPrevious(m);
        } catch (...) {
            return 0;
        }
    }
}

}  // namespace skin
