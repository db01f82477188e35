#include "skin/core/window_proc.h"

#include <cmath>

#include "skin/controls/owner_draw.h"
#include "skin/core/frame_painter.h"
#include "skin/core/skin_init.h"
#include "skin/core/skin_state.h"
#include "skin/window/apply_skin.h"
#include "skin/window/window_table.h"

namespace skin {
namespace {

constexpr UINT kFadeInterval = 20;
constexpr int kFadeSteps = 8;
constexpr int kFadeAlphaStep = 30;

int X(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
int Y(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }

UINT_PTR TimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

LRESULT PassOn(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetIntProp(window, prop::kPrevProc));
    if (!previous || previous == SkinnedWindowProc) return DefWindowProcA(window, message, wp, lp);
    return CallWindowProcA(previous, window, message, wp, lp);
}

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
    WindowRecord* again = Table().At(index);
    if (!again || again->window != window) return;
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
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(r.window, &ps);
    if (!r.minimized) {
        if (r.frameDirty) {
            FullFrameRender(index, dc, true);
            if (WindowRecord* again = Table().At(index)) again->frameDirty = false;
        } else {
            FastFrameCopy(index, dc);
        }
    }
    EndPaint(r.window, &ps);
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
        auto each = [&](auto& list, const char* name) {
            for (auto& e : list.entries())
                if (e.window) SetIntProp(e.window, name, k);
        };
        each(r.buttons, prop::kOwnerIndex);
        each(r.edits, prop::kOwnerIndex);
        each(r.listTypes, prop::kOwnerIndex);
        each(r.trackbars, prop::kOwnerIndex);
        each(r.progressBars, prop::kOwnerIndex);
        each(r.combos, prop::kOwnerIndex);
        each(r.upDowns, prop::kOwnerIndex);
        each(r.headers, prop::kOwnerIndex);
        each(r.groupBoxes, prop::kOwnerIndex);
        each(r.toolbars, prop::kToolbarOwner);
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
        WindowRecord& r = *Table().At(index);
        if (HMENU menu = reinterpret_cast<HMENU>(GetIntProp(window, prop::kMenu)))
            DestroyMenu(menu);
        if (r.frameDc) {
            HGDIOBJ first = reinterpret_cast<HGDIOBJ>(GetIntProp(window, prop::kFrameFirstBitmap));
            HGDIOBJ current = reinterpret_cast<HGDIOBJ>(GetIntProp(window, prop::kFrameBitmap));
            HGDIOBJ out = first ? SelectObject(r.frameDc, first) : nullptr;
            if (out) DeleteObject(out);
            DeleteDC(r.frameDc);
            if (current && current != out) DeleteObject(current);
            r.frameDc = nullptr;
        }
        auto drop = [](HDC& dc, HBITMAP& first, HBITMAP& current) {
            if (!dc) return;
            HGDIOBJ out = SelectObject(dc, first);
            if (out) DeleteObject(out);
            DeleteDC(dc);
            if (current && current != out) DeleteObject(current);
            dc = nullptr;
            first = current = nullptr;
        };
        drop(r.captionDc, r.captionFirstBitmap, r.captionBitmap);
        drop(r.barDc, r.barFirstBitmap, r.barBitmap);
        SetWindowLongA(window, GWL_WNDPROC, static_cast<LONG>(GetIntProp(window, prop::kPrevProc)));
        for (const char* name : {prop::kFrameFirstBitmap, prop::kFrameBitmap, prop::kIndex})
            RemovePropA(window, name);
        Table().Remove(index);
    }
    Renumber();
}

LRESULT CALLBACK SkinnedWindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    const int index = static_cast<int>(GetIntProp(window, prop::kIndex));
    WindowRecord* r = Table().At(index);
    // An index that leads nowhere (or elsewhere): the message just goes on.
    if (!r || r->window != window) {
        if (message == WM_NCDESTROY) {
            LRESULT result = PassOn(window, message, wp, lp);
            KillTimer(window, TimerId(window));
            return result;
        }
        return PassOn(window, message, wp, lp);
    }

    switch (message) {
        case WM_SIZE:
            r->hotButton = 0;
            if (State().firstSizePending) {
                State().firstSizePending = false;
                r->frameDirty = false;
            } else {
                r->frameDirty = true;
            }
            break;
        case WM_SETTEXT:
            if (r->drawCaptionTitle && r->dragOption && lp)
                DrawCaptionTitle(index, nullptr, false,
                                 std::string(reinterpret_cast<const char*>(lp)));
            break;
        case WM_PAINT: OnPaint(index, *r); return DefWindowProcA(window, message, wp, lp);
        case WM_QUIT: ShutdownGdiplus(); break;
        case WM_QUERYOPEN: r->minimized = false; break;
        case WM_ERASEBKGND: SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT); return 1;
        case WM_SHOWWINDOW:
            if (wp == 1) {
                if (r->minimized) {
                    r->minimized = false;
                } else {
                    PAINTSTRUCT ps;
                    HDC dc = BeginPaint(window, &ps);
                    FullFrameRender(index, dc, true);
                    EndPaint(window, &ps);
                }
            }
            break;
        case WM_ACTIVATEAPP:
            if (wp == 0 && State().onDeactivate) State().onDeactivate();
            break;
        case WM_GETMINMAXINFO: OnGetMinMaxInfo(*r, reinterpret_cast<MINMAXINFO*>(lp)); break;
        case WM_DRAWITEM:
            if (lp) {
                const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
                DispatchDrawItem(index, item);
            }
            break;
        case WM_WINDOWPOSCHANGED:
            LayoutCaptionButtons(index);
            if (r->bottomBarHeight > 0) LayoutBottomBar(index);
            break;
        case WM_NOTIFY:
            if (lp) {
                const NMHDR header = *reinterpret_cast<const NMHDR*>(lp);
                if (static_cast<int>(header.code) == -405 || static_cast<int>(header.code) == -406)
                    InvalidateRect(header.hwndFrom, nullptr, TRUE);
            }
            break;
        case WM_NCDESTROY: {
            WNDPROC previous = reinterpret_cast<WNDPROC>(GetIntProp(window, prop::kPrevProc));
            DestroyCleanup(window);
            KillTimer(window, TimerId(window));
            RemovePropA(window, prop::kPrevProc);
            return previous ? CallWindowProcA(previous, window, message, wp, lp)
                            : DefWindowProcA(window, message, wp, lp);
        }
        case WM_SYSCOMMAND: OnSysCommand(*r, wp); break;
        case WM_TIMER:
            if (wp == TimerId(window)) OnFadeTimer(index, *r);
            break;
        case WM_MOUSEMOVE: OnMouseMove(index, *r, lp); break;
        case WM_LBUTTONDOWN: OnLButtonDown(index, *r, lp); break;
        case WM_LBUTTONUP: {
            const int pressed = State().pressedButton;
            if (pressed > 0 && pressed <= r->CaptionButtonCount() && r->dragOption)
                CaptionButtonAction(index, pressed);
            break;
        }
        case WM_LBUTTONDBLCLK:
            if (PanelHitTest(index, X(lp), Y(lp)) == 0 && Y(lp) <= r->captionHeight &&
                r->doubleClickOption) {
                if (int p = MaximizeButtonPosition(index)) CaptionButtonAction(index, p);
            }
            break;
        case WM_MOUSEHOVER: r->mouseInside = true; break;
        case WM_MOUSELEAVE: OnMouseLeave(index, *r); break;
    }
    return PassOn(window, message, wp, lp);
}

}  // namespace skin
