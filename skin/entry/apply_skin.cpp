#include "skin/entry/apply_skin.h"

#include <climits>
#include <memory>

#include "gfx/gfx_font.h"
#include "resources/skin_images.h"
#include "skin/controls/control_passes.h"
#include "skin/controls/owner_draw.h"
#include "skin/frame/skin_init.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/skin_state.h"
#include "skin/frame/window_proc.h"
#include "skin/controls/button_skin.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

Bytes Copy(const res::ByteSpan& s) { return Bytes(s.data, s.data + s.size); }

void AddCaptionButton(WindowRecord& r, int& total, int width, const res::ByteSpan& image,
                      int command, const char* tooltip, const res::ByteSpan* second = nullptr) {
    CaptionButton b;
    b.width = width;
    b.height = 18;
    b.image = Copy(image);
    if (second) b.secondImage = Copy(*second);
    b.command = command;
    b.tooltip = tooltip;
    r.captionButtons.push_back(std::move(b));
    total += width;
}

// What the skin's frame replaces: a system caption, dialog frame or border, and
// the edges drawn around them. WS_THICKFRAME stays: it says the window is sizable,
// and the skin's non-client area takes its place.
constexpr LONG kSystemFrame = WS_CAPTION;  // WS_BORDER | WS_DLGFRAME
constexpr LONG kSystemEdges =
    WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
// The system adds WS_EX_WINDOWEDGE to every sizable window by itself: only a
// dialog frame says the program asked for a frame.

// True when the program's own size limits leave room to resize: it answers
// WM_GETMINMAXINFO with a minimum or a maximum track size, and they differ.
bool ProgramAllowsResize(HWND window) {
    constexpr LONG kUnset = -0x7FFF;
    MINMAXINFO info{};
    info.ptMinTrackSize = {kUnset, kUnset};
    info.ptMaxTrackSize = {kUnset, kUnset};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const auto set = [](POINT p) { return p.x != kUnset || p.y != kUnset; };
    const bool minSet = set(info.ptMinTrackSize), maxSet = set(info.ptMaxTrackSize);
    if (!minSet && !maxSet) return false;
    const POINT low = minSet ? info.ptMinTrackSize : POINT{0, 0};
    const POINT high = maxSet ? info.ptMaxTrackSize : POINT{LONG_MAX, LONG_MAX};
    return low.x != high.x || low.y != high.y;
}

}  // namespace

void ApplySkin(HWND window, const ApplySkinOptions& o) {
    State().drawItem = DispatchDrawItem;
    if (!window || FindWindowIndex(window) > 0) return;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const bool hasMenu = !(style & WS_CHILD) && GetMenu(window) != nullptr;
    RECT client{};
    GetClientRect(window, &client);

    auto r = std::make_unique<WindowRecord>();
    r->window = window;
    r->styleBefore = style;
    r->exStyleBefore = exStyle;
    // A window that came with the system's caption, frame or menu bar gets the
    // skin's as its non-client area; one made borderless for the skin keeps its
    // caption drawn over the top of its client area.
    r->ownsNonClient = (style & kSystemFrame) || (exStyle & WS_EX_DLGMODALFRAME) || hasMenu;
    r->sizable = HasFlag(style, WS_THICKFRAME) || ProgramAllowsResize(window);
    r->captionHeight = std::max(o.captionHeight.value_or(0), 25);
    r->helpButton = o.helpButton.value_or(false);
    r->menuButton = o.menuButton.value_or(false);
    r->minimizeButton = HasFlag(style, WS_MINIMIZEBOX);
    r->maximizeButton = HasFlag(style, WS_MAXIMIZEBOX);
    r->closeButton = true;
    r->dragOption = o.dragOption.value_or(true);
    r->doubleClickOption = o.doubleClickOption.value_or(true);
    r->drawCaptionTitle = o.drawCaptionTitle.value_or(true);
    r->captionOption = o.captionOption.value_or(0);
    r->backgroundMode = o.backgroundMode.value_or(State().imageMode);
    r->minTrackWidth = 200;
    r->minTrackHeight = 150;
    r->maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    r->maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);

    if (!o.backgroundImage.empty()) {
        const ImageSource source{{}, o.backgroundImage};
        r->backgroundAverage = AverageColour(source, 2000);
        if (r->backgroundMode == 0 || r->backgroundMode == 1)
            r->backgroundImage =
                ComposeFadedImage(source, std::nullopt, r->backgroundAverage,
                                  r->backgroundMode == 1 ? std::optional<int>(0) : std::nullopt);
        else
            r->backgroundImage.assign(o.backgroundImage.begin(), o.backgroundImage.end());
    }

    int total = 0;
    if (r->helpButton) AddCaptionButton(*r, total, 26, res::caption_help_png, kHelp, "帮助");
    if (r->menuButton) AddCaptionButton(*r, total, 26, res::caption_menu_png, kMainMenu, "主菜单");
    if (r->minimizeButton)
        AddCaptionButton(*r, total, 26, res::caption_min_png, kMinimize, "最小化");
    if (r->maximizeButton)
        AddCaptionButton(*r, total, 26, res::caption_max_png, kMaximize, "最大化",
                         &res::caption_restore_png);
    AddCaptionButton(*r, total, 38, res::caption_close_png, kClose, "关闭");
    r->stripWidth = total + (r->CaptionButtonCount() - 1) + 3;
    r->stripHeight = 22;
    r->stripY = 0;

    const bool ownsNonClient = r->ownsNonClient;
    SetWindowLongA(window, GWL_STYLE, (style & ~(ownsNonClient ? kSystemFrame : 0)) | WS_SYSMENU);
    if (ownsNonClient) SetWindowLongA(window, GWL_EXSTYLE, exStyle & ~kSystemEdges);
    const int index = Table().Append(std::move(r));
    WindowRecord& rec = *Table().At(index);

    rec.captionTooltip.Create(window, false);
    // The window procedure relays its mouse messages to the tooltip itself: a
    // subclass of the window by the tooltip would sit below the skin's procedure
    // and could not be taken out when the skin stops.
    rec.captionTooltip.RelayedByOwner();
    for (int i = 2; i <= rec.CaptionButtonCount(); ++i) {
        const CaptionButton& b = *rec.CaptionAt(i);
        rec.captionTooltip.AddTool(HitRectOf(b.hit), b.tooltip, static_cast<UINT_PTR>(i));
    }
    LayoutCaptionButtons(index);

    const int barHeight = o.bottomBarHeight.value_or(0);
    if (barHeight > 0) {
        if (o.bottomBarPanels)
            SetupBottomBar(index, barHeight, *o.bottomBarPanels, true);
        else
            SetupBottomBar(index, barHeight, {}, false);
        rec.barTextOption = 0;
        rec.barTextColour = 0xFFFFFF;
        rec.barFontName = "宋体";
        rec.barFontSize = 12;
    }
    LayoutBottomBar(index);

    SkinChildren(index, window);

    rec.frameDirty = true;
    RegisterSkinProcedure(SkinnedWindowProc);
    rec.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinnedWindowProc)));
    SetIntProp(window, prop::kPrevProc, reinterpret_cast<std::intptr_t>(rec.previousProc));
    SetIntProp(window, prop::kIndex, index);

    // The skin's frame takes the place of the system's. Around a program's
    // client area the client keeps its size, so nothing the program placed
    // moves under the caption, the menu row or the bottom bar; a window made for
    // the skin keeps its outer size, and its sizing border goes.
    constexpr UINT kFrameOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    if (ownsNonClient) {
        const int width = client.right + 2 * kResizeBorder;
        const FrameInsets insets = NonClientInsets(rec, width);
        SetWindowPos(window, nullptr, 0, 0, width, client.bottom + insets.top + insets.bottom,
                     kFrameOnly);
    } else if (style & WS_THICKFRAME) {
        SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameOnly | SWP_NOSIZE);
    }
    if (Table().At(index, window)) LayoutFrame(index);
}

}  // namespace skin
