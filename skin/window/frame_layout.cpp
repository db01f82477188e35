#include "skin/window/frame_layout.h"

namespace skin {
namespace {

// Walks the panels from the left border: each starts where the previous ended.
void LayoutPanels(WindowRecord& r, int clientRight, bool setup) {
    const int b = kResizeBorder;
    r.panelRects.resize(r.panels.size());
    int x = b, previousWidth = 0;
    for (std::size_t i = 0; i < r.panels.size(); ++i) {
        x += previousWidth;
        int w = r.panels[i].width;
        if (w == -1) w = setup ? clientRight - b - x : clientRight - x - 2 * b;
        r.panelRects[i] = {x, r.bottomBar.y, w, r.bottomBarHeight};
        previousWidth = r.panels[i].width;
    }
}

}  // namespace

RECT HitRectOf(const FloatRect& f) {
    return {static_cast<LONG>(f.x), static_cast<LONG>(f.y), static_cast<LONG>(f.x + f.width),
            static_cast<LONG>(f.y + f.height)};
}

void LayoutCaptionButtons(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    if (r->window) {
        RECT client{};
        GetClientRect(r->window, &client);
        r->stripX = client.right - r->stripWidth + 1;
        r->stripHeight = 22;
    }
    const float x0 = static_cast<float>(r->stripX + 2), y0 = static_cast<float>(r->stripY + 1);
    for (int i = 2; i <= r->CaptionButtonCount(); ++i) {
        CaptionButton& b = *r->CaptionAt(i);
        b.hit = {x0 + 27.0f * static_cast<float>(i - 2), y0, b.command != kClose ? 26.0f : 40.0f,
                 18.0f};
    }
    for (int i = 2; i <= r->CaptionButtonCount(); ++i) {
        const CaptionButton& b = *r->CaptionAt(i);
        r->captionTooltip.SetToolRect(static_cast<UINT_PTR>(i), HitRectOf(b.hit));
        r->captionTooltip.SetToolText(static_cast<UINT_PTR>(i), b.tooltip);
    }
}

void SetupBottomBar(int index, int height, std::span<const PanelDefinition> panels, bool given) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    r->bottomBarHeight = height;
    RECT client{};
    GetClientRect(r->window, &client);
    const int b = kResizeBorder;
    r->bottomBar = {b, client.bottom - b - height - 1, client.right - 2 * b, height};
    r->panels.clear();
    if (given) {
        for (const PanelDefinition& p : panels)
            r->panels.push_back({p.width, p.text, p.image, p.option});
        LayoutPanels(*r, client.right, true);
    } else {
        r->panels.push_back(Panel{});
        r->panelRects = {{b, r->bottomBar.y, client.right - 2 * b, height}};
    }
}

void LayoutBottomBar(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    RECT client{};
    GetClientRect(r->window, &client);
    const int b = kResizeBorder;
    r->bottomBar.y = client.bottom - r->bottomBarHeight - b - 1;
    r->bottomBar.width = client.right - 2 * b;
    LayoutPanels(*r, client.right, false);
}

}  // namespace skin
