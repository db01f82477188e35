#include "skin/frame/frame_layout.h"

#include "skin/frame/menu_bar.h"

namespace skin {
namespace {

// Walks the panels from the left border: each starts where the previous ended.
void LayoutPanels(WindowRecord& r, int frameRight, bool setup) {
    const int b = kResizeBorder;
    r.panelRects.resize(r.panels.size());
    int x = b, previousWidth = 0;
    for (std::size_t i = 0; i < r.panels.size(); ++i) {
        x += previousWidth;
        int w = r.panels[i].width;
        if (w == -1) w = setup ? frameRight - b - x : frameRight - x - 2 * b;
        r.panelRects[i] = {x, r.bottomBar.y, w, r.bottomBarHeight};
        previousWidth = r.panels[i].width;
    }
}

}  // namespace

RECT HitRectOf(const FloatRect& f) {
    return {static_cast<LONG>(f.x), static_cast<LONG>(f.y), static_cast<LONG>(f.x + f.width),
            static_cast<LONG>(f.y + f.height)};
}

SIZE FrameSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

POINT ClientOrigin(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - r.left, origin.y - r.top};
}

POINT ClientToFrame(HWND window, POINT client) {
    const POINT o = ClientOrigin(window);
    return {client.x + o.x, client.y + o.y};
}

POINT FrameToClient(HWND window, POINT frame) {
    const POINT o = ClientOrigin(window);
    return {frame.x - o.x, frame.y - o.y};
}

FrameInsets NonClientInsets(WindowRecord& r, int windowWidth) {
    if (!r.ownsNonClient) return {};
    const int b = kResizeBorder;
    FrameInsets in;
    in.left = in.right = b;
    in.top = r.captionHeight + LayoutMenuRow(r, windowWidth);
    in.bottom = r.bottomBarHeight > 0 ? r.bottomBarHeight + b + 1 : b;
    return in;
}

void LayoutFrame(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    LayoutMenuRow(*r, FrameSize(r->window).cx);
    LayoutCaptionButtons(index);
    if (r->bottomBarHeight > 0) LayoutBottomBar(index);
}

void LayoutCaptionButtons(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    if (r->window) {
        r->stripX = FrameSize(r->window).cx - r->stripWidth + 1;
        r->stripHeight = 22;
    }
    const float x0 = static_cast<float>(r->stripX + 2), y0 = static_cast<float>(r->stripY + 1);
    for (int i = 2; i <= r->CaptionButtonCount(); ++i) {
        CaptionButton& b = *r->CaptionAt(i);
        b.hit = {x0 + 27.0f * static_cast<float>(i - 2), y0, b.command != kClose ? 26.0f : 40.0f,
                 18.0f};
    }
    // The tooltip measures its tools in client coordinates; over a non-client
    // caption they lie above the client area.
    const POINT origin = r->window ? ClientOrigin(r->window) : POINT{0, 0};
    for (int i = 2; i <= r->CaptionButtonCount(); ++i) {
        const CaptionButton& b = *r->CaptionAt(i);
        RECT tool = HitRectOf(b.hit);
        OffsetRect(&tool, -origin.x, -origin.y);
        r->captionTooltip.SetToolRect(static_cast<UINT_PTR>(i), tool);
        r->captionTooltip.SetToolText(static_cast<UINT_PTR>(i), b.tooltip);
    }
}

void SetupBottomBar(int index, int height, std::span<const PanelDefinition> panels, bool given) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    r->bottomBarHeight = height;
    const SIZE frame = FrameSize(r->window);
    const int b = kResizeBorder;
    r->bottomBar = {b, frame.cy - b - height - 1, frame.cx - 2 * b, height};
    r->panels.clear();
    if (given) {
        for (const PanelDefinition& p : panels)
            r->panels.push_back({p.width, p.text, p.image, p.option});
        LayoutPanels(*r, frame.cx, true);
    } else {
        r->panels.push_back(Panel{});
        r->panelRects = {{b, r->bottomBar.y, frame.cx - 2 * b, height}};
    }
}

void LayoutBottomBar(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    const SIZE frame = FrameSize(r->window);
    const int b = kResizeBorder;
    r->bottomBar.y = frame.cy - r->bottomBarHeight - b - 1;
    r->bottomBar.width = frame.cx - 2 * b;
    LayoutPanels(*r, frame.cx, false);
}

}  // namespace skin
