// What lies behind a skinned control: the frame picture of its skinned window, or
// a container's own picture, with the tint of the group box it sits on.
#include "skin/base/background.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/gfx.h"
#include "skin/base/shapes.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/skin_state.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

// A capture's DC with its own top-down 32-bit bitmap; the DC's own first
// bitmap goes back in when it is freed.
struct Capture {
    gdi::BitmapDc pixels;
    void* bits = nullptr;
    int width = 0, height = 0;
};

// The captures handed out by CaptureBackground and not yet released.
std::vector<Capture>& Registry() {
    static std::vector<Capture> captures;
    return captures;
}

// Released captures, most recent first, kept for the next paint of the same
// size: a control repaints at its own size again and again, and making and
// freeing a DC and a bitmap for each paint was a good part of a small
// control's repaint.
constexpr std::size_t kPooledCaptures = 48;
constexpr std::size_t kPooledBytes = 4u << 20;

std::vector<Capture>& Pool() {
    static std::vector<Capture> pool;
    return pool;
}

// A capture of this size: a pooled one, its DC put back to the defaults and
// its pixels cleared as a new bitmap's are, else a new one.
Capture TakeCapture(int width, int height) {
    auto& pool = Pool();
    for (auto it = pool.begin(); it != pool.end(); ++it) {
        if (it->width != width || it->height != height) continue;
        Capture c = std::move(*it);
        pool.erase(it);
        HDC dc = c.pixels.dc();
        SelectClipRgn(dc, nullptr);
        SetViewportOrgEx(dc, 0, 0, nullptr);
        SetWindowOrgEx(dc, 0, 0, nullptr);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        SetROP2(dc, R2_COPYPEN);
        SetStretchBltMode(dc, BLACKONWHITE);
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(BLACK_PEN));
        GdiFlush();
        std::memset(c.bits, 0, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
        return c;
    }
    Capture c;
    c.width = width;
    c.height = height;
    if (!c.pixels.Select(gdi::NewArgbDib(width, height, &c.bits)) || !c.bits) return {};
    return c;
}

void PoolCapture(Capture c) {
    auto& pool = Pool();
    pool.insert(pool.begin(), std::move(c));
    std::size_t bytes = 0, kept = 0;
    for (const Capture& p : pool) {
        bytes += static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height) * 4;
        if (kept >= kPooledCaptures || bytes > kPooledBytes) break;
        ++kept;
    }
    pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(kept), pool.end());
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
    const int width = std::max<int>(rect.right - rect.left, 1);
    const int height = std::max<int>(rect.bottom - rect.top, 1);
    Capture capture = TakeCapture(width, height);
    if (!capture.pixels.dc()) return nullptr;
    if (!DrawBehind(control, capture.pixels.dc(), rect, Target::kCapture)) {
        PoolCapture(std::move(capture));
        return nullptr;
    }
    Registry().push_back(std::move(capture));
    return Registry().back().pixels.dc();
}

int ReleaseBackground(HDC dc) {
    if (!dc) return 0;
    auto& captures = Registry();
    auto it = std::find_if(captures.begin(), captures.end(),
                           [dc](const Capture& c) { return c.pixels.dc() == dc; });
    if (it == captures.end()) return 0;
    Capture released = std::move(*it);
    captures.erase(it);
    PoolCapture(std::move(released));
    return 1;
}

void ReleasePooledCaptures() { Pool().clear(); }

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
