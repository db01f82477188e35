#include "skin/frame/window_proc.h"

#include <commctrl.h>

#include <cmath>

#include "skin/frame/frame_painter.h"
#include "skin/base/frame_background.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/frame/menu_bar.h"
#include "skin/base/skin_state.h"
#include "skin/frame/frame_layout.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

constexpr UINT kFadeInterval = 20;
constexpr int kFadeSteps = 8;
constexpr int kFadeAlphaStep = 30;
constexpr int kFadeTopAlpha = kFadeSteps * kFadeAlphaStep;  // 240

UINT_PTR TimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

// A mouse message's client point in frame coordinates.
POINT FramePoint(HWND window, LPARAM lp) { return ClientToFrame(window, {MouseX(lp), MouseY(lp)}); }
// A non-client message's screen point in frame coordinates.
POINT FramePointOfScreen(HWND window, LPARAM lp) {
    RECT w{};
    GetWindowRect(window, &w);
    return {MouseX(lp) - w.left, MouseY(lp) - w.top};
}

// The resize zone under (x, y) as the code added to SC_SIZE (a WMSZ_ value), or
// 0; the zones are tested in this order and the first match wins.
int MatchZone(int x, int y, int R, int H) {
    const int B = kResizeBorder;
    if (x <= B && y >= 11 && y < H - 10) return WMSZ_LEFT;
    if (x >= R - B && y >= 11 && y < H - 10) return WMSZ_RIGHT;
    if (x >= 11 && y <= B && x < R - 10) return WMSZ_TOP;
    if (x >= 11 && y >= H - B && x < R - 10) return WMSZ_BOTTOM;
    if (x <= 10 && y <= 10) return WMSZ_TOPLEFT;
    if (x >= R - 10 && y <= 10) return WMSZ_TOPRIGHT;
    if (x <= 10 && y >= H - 10) return WMSZ_BOTTOMLEFT;
    if (x >= R - 10 && y >= H - 10) return WMSZ_BOTTOMRIGHT;
    return 0;
}

LPCSTR ZoneCursor(int zone) {
    switch (zone) {
        case WMSZ_LEFT:
        case WMSZ_RIGHT: return IDC_SIZEWE;
        case WMSZ_TOP:
        case WMSZ_BOTTOM: return IDC_SIZENS;
        case WMSZ_TOPLEFT:
        case WMSZ_BOTTOMRIGHT: return IDC_SIZENWSE;
        default: return IDC_SIZENESW;
    }
}

// The hit-test code of a resize zone: HTLEFT .. HTBOTTOMRIGHT follow the WMSZ_ order.
LRESULT ZoneHit(int zone) { return HTLEFT + zone - WMSZ_LEFT; }

// Only a sizable window that is neither maximised nor minimised offers its edges.
bool Resizable(const WindowRecord& r) {
    return r.sizable && r.doubleClickOption && !r.maximized && !r.minimized;
}

bool InStrip(const WindowRecord& r, POINT p) {
    return r.stripX <= p.x && p.x <= r.stripX + r.stripWidth && 3 <= p.y && p.y <= r.stripHeight;
}

void SetResizeCursor(const WindowRecord& r, POINT p) {
    if (!Resizable(r)) return;
    const SIZE size = FrameSize(r.window);
    if (int zone = MatchZone(p.x, p.y, size.cx, size.cy))
        SetCursor(LoadCursorA(nullptr, ZoneCursor(zone)));
}

void StartMove(HWND window) { SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

// A press on a window whose caption lies over its client area: an edge starts a
// resize, the caption a move; the caption buttons keep their own presses.
void DragOrResizeStart(WindowRecord& r, POINT p) {
    if (InStrip(r, p) || !r.dragOption) return;
    HWND window = r.window;
    if (!r.doubleClickOption) {
        if (p.y <= r.captionHeight) StartMove(window);
        return;
    }
    const SIZE size = FrameSize(window);
    if (int zone = r.sizable ? MatchZone(p.x, p.y, size.cx, size.cy) : 0) {
        r.frameDirty = true;
        SetCursor(LoadCursorA(nullptr, ZoneCursor(zone)));
        SendMessageA(window, WM_SYSCOMMAND, SC_SIZE + zone, 0);
    } else if (p.y <= r.captionHeight) {
        StartMove(window);
    }
}

bool HasNonClientArea(HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}

// A parent's RDW_ALLCHILDREN has every child paint its non-client area too, and
// skinned controls that paint themselves whole there would paint twice: that
// part is taken back from those that have no non-client area.
void SkipNonClientPaints(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    gdi::Region none(CreateRectRgn(0, 0, 0, 0));
    if (!none) return;
    r->ForEachControlList([&none](auto& list, ListKind) {
        for (auto& e : list.entries())
            if (e.window && IsWindowVisible(e.window) && !HasNonClientArea(e.window))
                RedrawWindow(e.window, nullptr, none.get(),
                             RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
    });
}

// Repaints the whole window after the frame changed: its client area, every
// child once, and its own non-client area unless that already shows the frame.
void RepaintEverything(int index, HWND window, bool nonClient = true) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | (nonClient ? RDW_FRAME : 0));
    SkipNonClientPaints(index);
}

// ---- Caption buttons: hover fades and presses

// The caption tooltip is told of the mouse by the window itself (over a
// non-client caption as over the client area), in client coordinates.
void RelayToTooltip(const WindowRecord& r, UINT message, WPARAM wp, POINT frame) {
    r.captionTooltip.Relay(message, wp, FrameToClient(r.window, frame));
}

void TrackLeave(HWND window, bool nonClient) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_HOVER | TME_LEAVE | (nonClient ? TME_NONCLIENT : 0u),
                        window, 1};
    TrackMouseEvent(&tme);
}

// The pointer is at frame point p (a move over the client or the non-client area).
void OnPointerMove(int index, WindowRecord& r, POINT p, bool nonClient) {
    HWND window = r.window;
    if (!r.mouseInside) TrackLeave(window, nonClient);
    if (r.ownsNonClient) SetMenuHot(index, nonClient ? MenuItemAt(r, p) : -1);
    if (!r.dragOption) return;
    const bool nearStrip =
        r.stripX - 2 <= p.x && p.x <= r.stripX + r.stripWidth && 0 <= p.y && p.y <= r.stripHeight;
    if (nearStrip) {
        if (!r.hoverTimerRunning) {
            SetTimer(window, TimerId(window), kFadeInterval, nullptr);
            r.hoverTimerRunning = true;
        }
    } else {
        r.hoverTimerRunning = false;
    }
    const int under = CaptionButtonHitTest(index, p.x, p.y);
    if (r.pressedButton > 0) {
        // Held since a press on a caption button: it looks pressed exactly while
        // the pointer is back on it, as the system's own caption buttons do.
        const bool over = under == r.pressedButton;
        if (over != r.pressedShown) {
            r.pressedShown = over;
            if (over)
                DrawCaptionButton(index, r.pressedButton, nullptr, false, true);
            else
                DrawCaptionButton(index, r.pressedButton, nullptr, false, false, 0);
        }
        return;
    }
    if (r.hotButton >= 1 && r.hotButton != under) {
        if (r.fadeOut.step < kFadeSteps)
            DrawCaptionButton(index, r.fadeOut.button, nullptr, false, false, 0);
        r.fadeOut = {r.hotButton, 0};
    }
    if (under >= 1 && under != r.hotButton) r.fadeIn = {under, 0};
    r.hotButton = under;
    if (!r.maximized && !r.ownsNonClient) SetResizeCursor(r, p);
}

// A left press at frame point p. On a caption button it is held (with the mouse
// captured) until the release decides.
void OnPress(int index, WindowRecord& r, POINT p, bool clientArea) {
    HWND window = r.window;
    r.fadeIn.button = 0;
    if (!r.dragOption) return;
    if (clientArea && !r.ownsNonClient && !r.maximized && !r.minimized) DragOrResizeStart(r, p);
    // A move or resize loop may have run: look the record up again.
    WindowRecord* again = Table().At(index, window);
    if (!again) return;
    const int button = CaptionButtonHitTest(index, p.x, p.y);
    if (button <= 0) return;
    again->pressedButton = button;
    again->pressedShown = true;
    SetCapture(window);
    DrawCaptionButton(index, button, nullptr, false, true);
}

void CancelPress(int index, WindowRecord& r) {
    const int button = r.pressedButton;
    r.pressedButton = 0;
    r.pressedShown = false;
    if (button > 0) DrawCaptionButton(index, button, nullptr, false, false, 0);
}

// A left release at frame point p: a caption button acts only when the press
// began on it and the release ends on it.
void OnRelease(int index, WindowRecord& r, POINT p) {
    const int button = r.pressedButton;
    if (button <= 0) return;
    HWND window = r.window;
    CancelPress(index, r);  // the cached frame must not keep the pressed look
    if (GetCapture() == window) ReleaseCapture();
    WindowRecord* again = Table().At(index, window);
    if (!again || !again->dragOption || button > again->CaptionButtonCount()) return;
    if (CaptionButtonHitTest(index, p.x, p.y) == button) CaptionButtonAction(index, button);
}

void OnMouseLeave(int index, WindowRecord& r) {
    r.mouseInside = false;
    if (r.ownsNonClient) SetMenuHot(index, -1);
    if (index >= 1 && r.hotButton >= 1 && r.dragOption) {
        if (r.fadeOut.step < kFadeSteps && r.fadeIn.step < kFadeSteps) {
            DrawCaptionButton(index, r.fadeOut.button, nullptr, false, false);
            r.fadeIn = {};
        }
        r.fadeOut = {r.hotButton, 0};
        r.hotButton = 0;
    }
}

void OnFadeTimer(int index, WindowRecord& r) {
    if (r.fadeIn.button >= 1 && r.fadeIn.step < kFadeSteps) {
        ++r.fadeIn.step;
        DrawCaptionButton(index, r.fadeIn.button, nullptr, false, false,
                          r.fadeIn.step * kFadeAlphaStep);
    }
    if (r.fadeOut.button >= 1 && r.fadeOut.step < kFadeSteps) {
        ++r.fadeOut.step;
        DrawCaptionButton(index, r.fadeOut.button, nullptr, false, false,
                          kFadeTopAlpha - r.fadeOut.step * kFadeAlphaStep);
    }
    if ((!r.mouseInside || !r.hoverTimerRunning) &&
        (r.fadeOut.step >= kFadeSteps || r.fadeOut.button == 0)) {
        r.hoverTimerRunning = false;
        KillTimer(r.window, TimerId(r.window));
        r.hotButton = 0;
        r.fadeIn = {};
        r.fadeOut = {};
    }
}

// ---- Size, shape and painting

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
    // Maximised, the skinned frame fills the monitor's work area exactly: the
    // system would push a sizing border's width past each edge.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(r.window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        info->ptMaxPosition = {work.left - monitor.rcMonitor.left,
                               work.top - monitor.rcMonitor.top};
        info->ptMaxSize = {work.right - work.left, work.bottom - work.top};
    }
}

void OnPaint(int index, WindowRecord& r) {
    HWND window = r.window;
    gdi::PaintScope paint(window);
    if (r.minimized || IsIconic(window)) return;
    const bool stale = !FrameIsCurrent(r);
    EnsureFrame(index);
    // The render sends messages of its own: the record may be gone by now.
    if (!Table().At(index, window)) return;
    FastFrameCopy(index, paint.dc());
    // Children painted over the old picture must paint over the new one.
    if (stale) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        SkipNonClientPaints(index);
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

}  // namespace

void RenumberWindows() {
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
    const int x = MouseX(lp), y = MouseY(lp);
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
    return MatchZone(MouseX(lp), MouseY(lp), client.right, client.bottom);
}

void CaptionButtonAction(int index, int position) {
    WindowRecord* r = Table().At(index);
    if (!r || position < 1 || position > r->CaptionButtonCount()) return;
    HWND window = r->window;
    const CaptionButton& button = *r->CaptionAt(position);
    switch (button.command) {
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
        case kMainMenu: {
            // The window's menu (or its system menu) drops down under the button.
            RECT w{};
            GetWindowRect(window, &w);
            const RECT hit = HitRectOf(button.hit);
            OpenMainMenu(index, {w.left + hit.left, w.top + hit.bottom + 1});
            break;
        }
        default:  // help has no action of its own
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
    RenumberWindows();
}

namespace {

// Minimised, maximised and restored by whatever means (caption button, system
// menu, the program's own ShowWindow): the record follows the window.
LRESULT OnSize(const Msg& m, int index, WindowRecord& r) {
    r.hotButton = 0;
    const bool wasMinimized = r.minimized;
    if (m.wp == SIZE_MINIMIZED) {
        r.minimized = true;
    } else if (m.wp == SIZE_MAXIMIZED || m.wp == SIZE_RESTORED) {
        r.minimized = false;
        r.maximized = m.wp == SIZE_MAXIMIZED;
    }
    const LRESULT result = CallPrevious(m);
    if (wasMinimized && m.wp != SIZE_MINIMIZED) RepaintEverything(index, m.window);
    return result;
}

// Every change of the window's size or frame: the frame is laid out and rendered
// for the new size (shape included) before the program lays out its children
// in WM_SIZE, and the whole window repaints afterwards, so that no pixel of an
// earlier size survives in the frame or behind a child.
LRESULT OnWindowPosChanged(const Msg& m, int index) {
    WindowRecord* r = Table().At(index, m.window);
    const std::size_t rowBefore = r->menuRow.items.size();
    const int heightBefore = r->menuRow.height;
    LayoutFrame(index);
    if (r->menuRow.items.size() != rowBefore || r->menuRow.height != heightBefore)
        r->frameDirty = true;
    const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(m.lp);
    const bool frameChanged = pos && (pos->flags & SWP_FRAMECHANGED) && !r->rendering;
    if (frameChanged) r->frameDirty = true;  // a changed menu (DrawMenuBar) or style
    // The system may have painted the new frame already (a WM_NCPAINT inside the
    // size change renders it): what counts is the size last repainted whole.
    const SIZE size = FrameSize(m.window);
    const bool changed = !r->rendering && !IsIconic(m.window) &&
                         (frameChanged || r->frameDirty || size.cx != r->repaintedSize.cx ||
                          size.cy != r->repaintedSize.cy);
    if (changed) EnsureFrame(index);
    const LRESULT result = CallPrevious(m);
    r = Table().At(index, m.window);
    if (changed && r && !IsIconic(m.window)) {
        r->repaintedSize = size;
        // Inside the size change the system has the non-client area painted
        // (WM_NCPAINT renders the new frame when it comes first): painted from
        // the frame as it is now, it needs no second paint.
        RepaintEverything(index, m.window, r->nonClientShows != r->renders);
    }
    return result;
}

// A live resize lays the picture out the fast way; where it ends the frame is
// rendered again at full quality and the whole window repaints once more.
LRESULT OnExitSizeMove(const Msg& m, int index, WindowRecord& r) {
    r.sizing = false;
    if (r.background && r.background->quality() == StretchQuality::kFast) {
        r.frameDirty = true;
        EnsureFrame(index);
        if (WindowRecord* again = Table().At(index, m.window)) {
            again->repaintedSize = FrameSize(m.window);
            RepaintEverything(index, m.window);
        }
    }
    WindowTable& table = Table();
    bool anySizing = false;
    for (int k = 1; k <= table.Count(); ++k) anySizing = anySizing || table.At(k)->sizing;
    if (!anySizing) ReleaseFastStretchSource();
    return CallPrevious(m);
}

// The skin's bands around the program's client area.
LRESULT OnNcCalcSize(const Msg& m, WindowRecord& r) {
    if (!m.lp) return 0;
    RECT* rect =
        m.wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lp)->rgrc[0] : reinterpret_cast<RECT*>(m.lp);
    const FrameInsets in = NonClientInsets(r, rect->right - rect->left);
    rect->left += in.left;
    rect->top += in.top;
    rect->right -= in.right;
    rect->bottom -= in.bottom;
    if (rect->right < rect->left) rect->right = rect->left;
    if (rect->bottom < rect->top) rect->bottom = rect->top;
    return 0;
}

LRESULT HitOfButton(int command) {
    switch (command) {
        case kClose: return HTCLOSE;
        case kMaximize: return HTMAXBUTTON;
        case kMinimize: return HTMINBUTTON;
        case kHelp: return HTHELP;
        default: return HTSYSMENU;
    }
}

LRESULT OnNcHitTest(const Msg& m, int index, WindowRecord& r) {
    const POINT p = FramePointOfScreen(m.window, m.lp);
    RECT client{};
    GetClientRect(m.window, &client);
    const POINT origin = ClientOrigin(m.window);
    OffsetRect(&client, origin.x, origin.y);
    if (PtInRect(&client, p)) return CallPrevious(m);
    const SIZE size = FrameSize(m.window);
    if (p.x < 0 || p.y < 0 || p.x >= size.cx || p.y >= size.cy) return HTNOWHERE;
    // Caption buttons before the corner zone they overlap, as for a press.
    if (r.dragOption && InStrip(r, p))
        if (const int button = CaptionButtonHitTest(index, p.x, p.y))
            return HitOfButton(r.CaptionAt(button)->command);
    if (Resizable(r))
        if (const int zone = MatchZone(p.x, p.y, size.cx, size.cy)) return ZoneHit(zone);
    if (MenuItemAt(r, p) >= 0) return HTMENU;
    if (p.y < r.captionHeight) return r.dragOption ? HTCAPTION : HTBORDER;
    return HTBORDER;
}

bool IsCaptionButtonHit(WPARAM hit) {
    return hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON || hit == HTHELP ||
           hit == HTSYSMENU;
}

LRESULT OnNcMouseMove(const Msg& m, int index, WindowRecord& r) {
    const POINT p = FramePointOfScreen(m.window, m.lp);
    RelayToTooltip(r, WM_MOUSEMOVE, 0, p);
    OnPointerMove(index, r, p, true);
    if (m.wp == HTMENU || IsCaptionButtonHit(m.wp)) return 0;
    return CallPrevious(m);
}

LRESULT OnNcLButtonDown(const Msg& m, int index, WindowRecord& r, bool doubleClick) {
    const POINT p = FramePointOfScreen(m.window, m.lp);
    if (m.wp == HTMENU) {
        TrackMenuBar(index, MenuItemAt(r, p), false);
        return 0;
    }
    if (IsCaptionButtonHit(m.wp)) {
        OnPress(index, r, p, false);
        return 0;
    }
    if (m.wp == HTCAPTION) {
        r.fadeIn.button = 0;
        if (!doubleClick) return r.dragOption ? CallPrevious(m) : 0;
        // The caption's double-click is the maximise button's, as in a window
        // whose caption lies over its client area.
        if (r.doubleClickOption)
            if (const int button = MaximizeButtonPosition(index))
                CaptionButtonAction(index, button);
        return 0;
    }
    // Edges start the system's own resize; a double-click there means nothing.
    return doubleClick ? 0 : CallPrevious(m);
}

LRESULT OnCaptureChanged(const Msg& m, int index, WindowRecord& r) {
    if (r.pressedButton > 0 && reinterpret_cast<HWND>(m.lp) != m.window) CancelPress(index, r);
    return CallPrevious(m);
}

LRESULT OnSetText(const Msg& m, int index, const WindowRecord& r) {
    if (r.drawCaptionTitle && r.dragOption && m.lp)
        DrawCaptionTitle(index, nullptr, false, std::string(reinterpret_cast<const char*>(m.lp)));
    return CallPrevious(m);
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
    EnsureFrame(index);
}

void OnDrawItem(int index, LPARAM lp) {
    if (!lp) return;
    const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (State().drawItem) State().drawItem(index, item);
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

void OnLButtonDoubleClick(int index, const WindowRecord& r, POINT p) {
    if (r.ownsNonClient || PanelHitTest(index, p.x, p.y) != 0 || p.y > r.captionHeight ||
        !r.doubleClickOption)
        return;
    if (int button = MaximizeButtonPosition(index)) CaptionButtonAction(index, button);
}

// Messages of the non-client area the skin draws; the rest go on below.
bool DispatchNonClient(const Msg& m, int index, WindowRecord& r, LRESULT& result) {
    switch (m.message) {
        case WM_NCCALCSIZE: result = OnNcCalcSize(m, r); return true;
        case WM_NCPAINT:
            PaintNonClient(index);
            result = 0;
            return true;
        default: break;
    }
    if (!r.ownsNonClient) return false;
    switch (m.message) {
        case WM_NCHITTEST: result = OnNcHitTest(m, index, r); return true;
        case WM_NCMOUSEMOVE: result = OnNcMouseMove(m, index, r); return true;
        case WM_NCLBUTTONDOWN: result = OnNcLButtonDown(m, index, r, false); return true;
        case WM_NCLBUTTONDBLCLK: result = OnNcLButtonDown(m, index, r, true); return true;
        case WM_NCMOUSEHOVER: r.mouseInside = true; return false;
        case WM_NCMOUSELEAVE: OnMouseLeave(index, r); return false;
        // Activation changes no pixel of the skin's frame: the system must not
        // paint its own caption (lParam -1 keeps it from painting at all).
        case WM_NCACTIVATE: result = CallPrevious({m.window, m.message, m.wp, -1}); return true;
        case WM_SYSCOMMAND:
            if ((m.wp & 0xFFF0) == SC_KEYMENU && OpenMenuByKey(index, static_cast<WPARAM>(m.lp))) {
                result = 0;
                return true;
            }
            return false;
        default: return false;
    }
}

LRESULT Dispatch(const Msg& m) {
    const int index = static_cast<int>(GetIntProp(m.window, prop::kIndex));
    WindowRecord* found = Table().At(index, m.window);
    if (m.message == WM_NCDESTROY) return OnNcDestroy(m);
    // An index that leads nowhere (or elsewhere): the message just goes on.
    if (!found) return CallPrevious(m);
    WindowRecord& r = *found;
    LRESULT handled = 0;
    if (DispatchNonClient(m, index, r, handled)) return handled;
    switch (m.message) {
        case WM_SIZE: return OnSize(m, index, r);
        case WM_SETTEXT: return OnSetText(m, index, r);
        case WM_PAINT: OnPaint(index, r); return DefWindowProcA(m.window, m.message, m.wp, m.lp);
        case WM_QUERYOPEN: r.minimized = false; break;
        case WM_ERASEBKGND: return OnEraseBackground(m.wp);
        case WM_SHOWWINDOW: OnShowWindow(index, r, m.wp); break;
        case WM_ACTIVATEAPP:
            if (m.wp == 0 && State().onDeactivate) State().onDeactivate();
            break;
        case WM_GETMINMAXINFO: OnGetMinMaxInfo(r, reinterpret_cast<MINMAXINFO*>(m.lp)); break;
        case WM_DRAWITEM: OnDrawItem(index, m.lp); break;
        case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(m, index);
        case WM_ENTERSIZEMOVE: r.sizing = true; break;
        case WM_EXITSIZEMOVE: return OnExitSizeMove(m, index, r);
        case WM_NOTIFY: OnNotify(m.lp); break;
        case WM_SYSCOMMAND: OnSysCommand(r, m.wp); break;
        case WM_MENUSELECT: NoteMenuSelect(m.wp, m.lp); break;
        case WM_TIMER:
            if (m.wp == TimerId(m.window)) OnFadeTimer(index, r);
            break;
        case WM_MOUSEMOVE:
            RelayToTooltip(r, m.message, m.wp, FramePoint(m.window, m.lp));
            OnPointerMove(index, r, FramePoint(m.window, m.lp), false);
            break;
        case WM_LBUTTONDOWN:
            RelayToTooltip(r, m.message, m.wp, FramePoint(m.window, m.lp));
            OnPress(index, r, FramePoint(m.window, m.lp), true);
            break;
        case WM_LBUTTONUP:
            RelayToTooltip(r, m.message, m.wp, FramePoint(m.window, m.lp));
            OnRelease(index, r, FramePoint(m.window, m.lp));
            break;
        case WM_LBUTTONDBLCLK: OnLButtonDoubleClick(index, r, FramePoint(m.window, m.lp)); break;
        case WM_CAPTURECHANGED: return OnCaptureChanged(m, index, r);
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
