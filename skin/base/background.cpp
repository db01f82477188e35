// What lies behind a skinned control: the frame picture of its skinned window, or
// a container's own picture, with the tint of the group box it sits on.
#include "skin/base/background.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "gfx/gfx.h"
#include "skin/base/shapes.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/skin_state.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

// The DCs handed out by CaptureBackground and not yet released; each owns its
// bitmap and puts the DC's own first bitmap back when it goes.
std::vector<gdi::BitmapDc>& Registry() {
    static std::vector<gdi::BitmapDc> captures;
    return captures;
}

// The tint a recorded group box or tab control lays over what is behind it.
struct GroupTint {
    COLORREF colour = 0;  // 0: no tint
    int alpha = 0;
    bool rounded = false;       // group box outline rather than a tab page
    bool tintChildren = false;  // controls inside the group inherit the tint
};

GroupTint TintOf(const GroupBoxRecord* group) {
    if (!group) return {};
    return {group->tintColour, group->tintAlpha & 0xFF, group->kind == 1, group->tintChildren != 0};
}

const GroupBoxRecord* GroupRecord(int index, int position) {
    WindowRecord* r = Table().At(index);
    return r ? r->groupBoxes.At(position) : nullptr;
}

bool InAnyGroupList(HWND window) {
    WindowTable& table = Table();
    for (int k = 1; k <= table.Count(); ++k)
        if (table.At(k)->groupBoxes.Find(window)) return true;
    return false;
}

HWND HandleProp(HWND window, const char* name) {
    return reinterpret_cast<HWND>(GetIntProp(window, name));
}

HDC ContainerDc(HWND container) {
    return reinterpret_cast<HDC>(GetIntProp(container, prop::kContainerDc));
}

// The screen rectangle a window's picture covers: the whole window rectangle,
// for a skinned window's frame (its caption may lie outside the client area)
// as for a container's picture.
RECT PictureRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT Minus(const RECT& a, const RECT& b) {
    return {a.left - b.left, a.top - b.top, a.right - b.right, a.bottom - b.bottom};
}

void CopyFrom(HDC target, HDC source, const RECT& offset, const RECT& rect) {
    BitBlt(target, 0, 0, rect.right - rect.left, rect.bottom - rect.top, source,
           offset.left + rect.left, offset.top + rect.top, SRCCOPY);
}

void FillTint(HDC dc, const GroupTint& tint, const gfx::GfxPath& shape) {
    gfx::GfxGraphics g;
    if (!g.CreateFromHDC(dc)) return;
    gfx::GfxSolidBrush brush;
    brush.Create(Argb(tint.alpha, tint.colour));
    g.FillPath(brush, shape);
}

void FillTintRect(HDC dc, const GroupTint& tint, float x, float y, float w, float h) {
    gfx::GfxPath shape;
    shape.Create();
    shape.AddPathRectangle(x, y, w, h);
    FillTint(dc, tint, shape);
}

// A capture shows a group's panel in the group's own outline; painting into a
// caller's DC uses the simpler band shape.
enum class Target { kCapture, kCallerDc };

// The translucent panel of a tinted group box or tab control, behind itself.
void PaintOwnPanel(HWND control, HDC dc, const RECT& rect, const GroupTint& tint, Target target) {
    const float w = static_cast<float>(rect.right - rect.left);
    const float h = static_cast<float>(rect.bottom - rect.top);
    gfx::GfxPath shape;
    shape.Create();
    if (target == Target::kCapture) {
        if (tint.rounded) {
            AddRoundRect(shape, 0, 5, static_cast<float>(rect.right),
                         static_cast<float>(rect.bottom - 6), 5);
        } else if (GetClassText(control) == WC_TABCONTROLA) {
            const RECT t = TabPageRect(control);
            AddRoundRect(shape, static_cast<float>(t.left), static_cast<float>(t.top),
                         static_cast<float>(t.right - t.left), static_cast<float>(t.bottom - t.top),
                         5);
        } else {
            shape.AddPathRectangle(0, 0, w, h);
        }
    } else if (tint.rounded) {
        shape.AddPathRectangle(static_cast<float>(rect.left), static_cast<float>(rect.top + 4), w,
                               h - 4);
    } else {
        shape.AddPathRectangle(0, 0, w, h);
    }
    FillTint(dc, tint, shape);
}

void DrawFromTopLevel(HWND control, HDC dc, const RECT& rect, int index, Target target) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    // Before the first render there is no frame DC; the copy fails and leaves the
    // surface as it was.
    CopyFrom(dc, r->frame.dc(), OffsetInSource(control), rect);
    const GroupTint tint = TintOf(GroupRecord(index, FindGroupBoxRecord(index, control)));
    if (tint.colour != 0) PaintOwnPanel(control, dc, rect, tint, target);
}

void DrawFromContainer(HWND control, HDC dc, const RECT& rect, HWND container) {
    if (control == container) {
        // A container shows the picture of the container it sits in, if any.
        if (HWND outer = HandleProp(container, prop::kGroupContainer))
            CopyFrom(dc, ContainerDc(outer), OffsetInWindow(outer, control), rect);
        return;
    }
    CopyFrom(dc, ContainerDc(container), OffsetInWindow(container, control), rect);
    const int index = FindSkinnedAncestor(control);
    if (index <= 0) return;
    int position = FindGroupBoxRecord(index, control);
    if (position == 0) position = FindTintedGroupAncestor(index, control, container);
    const GroupTint tint = TintOf(GroupRecord(index, position));
    if (position > 0 && tint.colour > 0)
        FillTintRect(dc, tint, 0, 0, static_cast<float>(rect.right - rect.left),
                     static_cast<float>(rect.bottom - rect.top));
}

// A control inside a recorded group box (source.kind kGroupBox), or one whose
// source was not found: false when there is no skinned window behind it.
bool DrawFromGroup(HWND control, HDC dc, const RECT& rect, const BackgroundSource& source) {
    const int index =
        source.kind == BackgroundSource::kGroupBox ? source.index : FindSkinnedAncestor(control);
    WindowRecord* r = index > 0 ? Table().At(index) : nullptr;
    if (!r) return false;
    const GroupBoxRecord* group = r->groupBoxes.At(r->groupBoxes.Find(control));
    if (!group && source.kind == BackgroundSource::kGroupBox)
        group = r->groupBoxes.At(source.groupPosition);
    CopyFrom(dc, r->frame.dc(), OffsetInTopLevel(control), rect);
    const GroupTint tint = TintOf(group);
    if (group && tint.colour != 0)
        FillTintRect(dc, tint, 0, 0, static_cast<float>(rect.right - rect.left),
                     static_cast<float>(rect.bottom - rect.top));
    return true;
}

bool DrawBehind(HWND control, HDC dc, const RECT& rect, Target target) {
    const BackgroundSource source = FindBackgroundSource(control);
    switch (source.kind) {
        case BackgroundSource::kTopLevel:
            DrawFromTopLevel(control, dc, rect, source.index, target);
            return true;
        case BackgroundSource::kContainer:
            DrawFromContainer(control, dc, rect, source.container);
            return true;
        case BackgroundSource::kGroupBox:
        case BackgroundSource::kNone: break;
    }
    return DrawFromGroup(control, dc, rect, source);
}

}  // namespace

HDC CaptureBackground(HWND control, const RECT& rect) {
    gdi::BitmapDc capture;
    if (!capture.Select(gdi::NewArgbDib(rect.right - rect.left, rect.bottom - rect.top)))
        return nullptr;
    if (!DrawBehind(control, capture.dc(), rect, Target::kCapture)) return nullptr;
    Registry().push_back(std::move(capture));
    return Registry().back().dc();
}

int ReleaseBackground(HDC dc) {
    if (!dc) return 0;
    auto& captures = Registry();
    auto it = std::find_if(captures.begin(), captures.end(),
                           [dc](const gdi::BitmapDc& c) { return c.dc() == dc; });
    if (it == captures.end()) return 0;
    captures.erase(it);
    return 1;
}

void PaintBackground(HWND control, HDC dc, const RECT& rect) {
    DrawBehind(control, dc, rect, Target::kCallerDc);
}

BackgroundSource FindBackgroundSource(HWND control) {
    auto container = [](HWND c) { return BackgroundSource{BackgroundSource::kContainer, 0, c, 0}; };
    auto topLevel = [](int index) {
        return BackgroundSource{BackgroundSource::kTopLevel, index, nullptr, 0};
    };
    if (GetIntProp(control, prop::kIsContainer) == 1) return container(control);
    if (const int index = FindWindowIndex(control)) return topLevel(index);
    WindowTable& table = Table();
    for (HWND c = control ? GetParent(control) : nullptr; c; c = GetParent(c)) {
        if (GetIntProp(c, prop::kIsContainer) == 1) return container(c);
        if (const int index = FindWindowIndex(c)) return topLevel(index);
        for (int k = 1; k <= table.Count(); ++k) {
            const int position = table.At(k)->groupBoxes.Find(c);
            if (position == 0) continue;
            if (HWND outer = HandleProp(c, prop::kGroupContainer)) return container(outer);
            return {BackgroundSource::kGroupBox, k, nullptr, position};
        }
    }
    return {};
}

RECT OffsetInSource(HWND control) {
    if (FindWindowIndex(control) > 0) return OffsetInWindow(control, control);
    for (HWND c = control ? GetParent(control) : nullptr; c; c = GetParent(c))
        if (FindWindowIndex(c) > 0 || InAnyGroupList(c)) return OffsetInWindow(c, control);
    return OffsetInWindow(nullptr, control);
}

RECT OffsetInWindow(HWND window, HWND control) {
    if (window == control) return {};
    RECT own{};
    GetWindowRect(control, &own);
    return Minus(own, PictureRect(window));
}

RECT OffsetInTopLevel(HWND control) {
    WindowRecord* r = Table().At(FindSkinnedAncestor(control));
    return OffsetInWindow(r ? r->window : nullptr, control);
}

int FindGroupBoxRecord(int index, HWND control) {
    WindowRecord* r = Table().At(index);
    return r ? r->groupBoxes.Find(control) : 0;
}

int FindTintedGroupAncestor(int index, HWND control, HWND stop) {
    WindowRecord* r = Table().At(index);
    if (!r) return 0;
    for (HWND c = control ? GetParent(control) : nullptr; c && c != stop; c = GetParent(c)) {
        const int position = r->groupBoxes.Find(c);
        if (position > 0 && TintOf(r->groupBoxes.At(position)).tintChildren) return position;
    }
    return 0;
}

RECT TabPageRect(HWND tab) {
    RECT c{};
    GetClientRect(tab, &c);
    const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
    RECT item{};
    SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const LONG style = GetWindowLongA(tab, GWL_STYLE);
    const bool vertical = (style | TCS_VERTICAL) == style;
    const bool opposite = (style | TCS_BOTTOM) == style;  // TCS_RIGHT has the same bit
    const int across = rows * (item.right - item.left);
    const int down = rows * (item.bottom - item.top);
    if (vertical && opposite) return {0, 0, c.right - across - 1, c.bottom};
    if (opposite) return {0, 0, c.right, c.bottom - down - 1};
    if (vertical) return {across + 1, 0, c.right, c.bottom};
    return {0, down + 1, c.right, c.bottom};
}

std::string GetClassText(HWND window) {
    char name[256] = {};
    const int n = GetClassNameA(window, name, 255);
    return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

}  // namespace skin
