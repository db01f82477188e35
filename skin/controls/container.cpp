// Containers that hold skinned children: group boxes (a rounded double frame
// that starts below the caption), tab controls (skinned tabs on any side and a
// framed page) and plain containers, each drawn over what lies behind it.
#include "skin/controls/container.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "gfx/gfx.h"
#include "skin/controls/owner_draw.h"
#include "skin/frame/frame_painter.h"
#include "skin/base/shapes.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/look_cache.h"
#include "skin/base/skin_state.h"
#include "skin/base/background.h"
#include "skin/base/focus_cues.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/text_look.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

namespace gp = Gdiplus;

constexpr char kDefaultFace[] = "宋体";
constexpr int kDefaultSize = 12;

Bound<GroupBoxRecord> Found(HWND container) {
    return FindRecord(container, &WindowRecord::groupBoxes);
}

gfx::GfxPath RoundedBox(float x, float y, float w, float h, float d) {
    gfx::GfxPath path;
    path.Create();
    AddRoundRect(path, x, y, w, h, d);
    return path;
}

void Stroke(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb) {
    gfx::GfxPen pen;
    if (pen.Create(argb, 1)) g.DrawPath(pen, path);
}

// The caption font of an entry; a face that cannot be made falls back to the
// skin's own face so that a caption never silently disappears.
bool MakeFont(gfx::GfxFont& font, const GroupBoxRecord& entry, float* size) {
    const float own = static_cast<float>(entry.fontSize > 0 ? entry.fontSize : kDefaultSize);
    if (!entry.fontName.empty() &&
        font.Create(entry.fontName, own, entry.fontStyle, gp::UnitPixel)) {
        *size = own;
        return true;
    }
    *size = static_cast<float>(kDefaultSize);
    return font.CreateOrSansSerif(kDefaultFace, *size, entry.fontStyle, gp::UnitPixel);
}

std::string WindowText(HWND window) {
    const int n = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

// The width a text takes in a font and format, measured off-screen: integer
// part plus one.
int TextWidth(const std::string& text, const gfx::GfxFont& font,
              const gfx::GfxStringFormat& format) {
    if (text.empty()) return 0;
    gdi::MemoryDc dc(CreateCompatibleDC(nullptr));
    gfx::GfxGraphics g;
    if (!dc || !g.CreateFromHDC(dc.get())) return 0;
    gp::RectF bounds{};
    if (!g.MeasureString(text, font, {0, 0, 10000, 1000}, &format, bounds)) return 0;
    return static_cast<int>(bounds.Width) + 1;
}

RECT ToRect(const gp::RectF& r) {
    return {static_cast<LONG>(r.X), static_cast<LONG>(r.Y), static_cast<LONG>(r.X + r.Width),
            static_cast<LONG>(r.Y + r.Height)};
}

// ---- Painters

// The rounded double frame of plain containers and tab pages.
void DrawDoubleFrame(gfx::GfxGraphics& g, float x, float y, float w, float h, int outerAlpha,
                     int innerAlpha) {
    Stroke(g, RoundedBox(x, y, w - 1, h - 1, 5), Argb(outerAlpha, kBlack));
    Stroke(g, RoundedBox(x + 1, y + 1, w - 3, h - 3, 3), Argb(innerAlpha, kWhite));
}

// Left, centred or right, from the two horizontal alignment bits.
int CaptionX(LONG style, int width, int textWidth) {
    switch (style & BS_CENTER) {
        case BS_CENTER: return (width - textWidth) / 2;
        case BS_RIGHT: return width - textWidth - 10;
        default: return 10;
    }
}

void DrawGroupBox(ControlCanvas& canvas, HWND box, const GroupBoxRecord& entry) {
    gfx::GfxGraphics& g = canvas.graphics();
    const float w = static_cast<float>(canvas.width()), h = static_cast<float>(canvas.height());
    gfx::GfxFont font;
    float size = 0;
    const bool haveFont = MakeFont(font, entry, &size);
    gfx::GfxStringFormat format;
    format.Create(0);
    format.SetAlign(gp::StringAlignmentCenter);
    format.SetHotkeyPrefix(HotkeyPrefixFor(box));
    const std::string caption = WindowText(box);
    const int tw = haveFont ? TextWidth(caption, font, format) : 0;
    const gp::RectF captionRect{
        static_cast<float>(CaptionX(GetWindowLongA(box, GWL_STYLE), canvas.width(), tw)), 1,
        static_cast<float>(tw), size + 3};
    // The frame line must not run through the caption: its box keeps the background.
    if (tw > 0) {
        gfx::GfxPath hole;
        hole.Create();
        hole.AddPathRectangle(captionRect.X, captionRect.Y, captionRect.Width, captionRect.Height);
        g.SetClipPath(hole, gp::CombineModeExclude);
    }
    Stroke(g, RoundedBox(0, 5, w - 1, h - 6, 5), Argb(40, kBlack));
    Stroke(g, RoundedBox(1, 6, w - 3, h - 8, 3), Argb(90, kWhite));
    g.ResetClip();
    if (tw <= 0) return;
    gfx::GfxSolidBrush brush;
    brush.Create(Argb(255, TextColourOver(box, canvas, ToRect(captionRect), true)));
    g.DrawString(caption, font, brush, captionRect, &format);
}

enum class Side { kTop, kBottom, kLeft, kRight };

Side TabSide(HWND tab) {
    const LONG style = GetWindowLongA(tab, GWL_STYLE);
    const bool vertical = HasFlag(static_cast<unsigned long>(style), TCS_VERTICAL);
    const bool opposite = HasFlag(static_cast<unsigned long>(style), TCS_BOTTOM);
    if (vertical) return opposite ? Side::kRight : Side::kLeft;
    return opposite ? Side::kBottom : Side::kTop;
}

// A tab: rounded on the side away from the page, open towards it.
gfx::GfxPath TabShape(const gp::RectF& r, Side side) {
    constexpr float d = 5, e = d / 2;
    const float l = r.X, t = r.Y, rt = r.X + r.Width - 1, b = r.Y + r.Height - 1;
    gfx::GfxPath p;
    p.Create();
    switch (side) {
        case Side::kTop:
            p.AddPathLine(l, b, l, t + e);
            p.AddPathArc(l, t, d, d, 180, 90);
            p.AddPathArc(rt - d, t, d, d, 270, 90);
            p.AddPathLine(rt, t + e, rt, b);
            break;
        case Side::kBottom:
            p.AddPathLine(l, t, l, b - e);
            p.AddPathArc(l, b - d, d, d, 180, -90);
            p.AddPathArc(rt - d, b - d, d, d, 90, -90);
            p.AddPathLine(rt, b - e, rt, t);
            break;
        case Side::kLeft:
            p.AddPathLine(rt, t, l + e, t);
            p.AddPathArc(l, t, d, d, 270, -90);
            p.AddPathArc(l, b - d, d, d, 180, -90);
            p.AddPathLine(l + e, b, rt, b);
            break;
        case Side::kRight:
            p.AddPathLine(l, t, rt - e, t);
            p.AddPathArc(rt - d, t, d, d, 270, 90);
            p.AddPathArc(rt - d, b - d, d, d, 0, 90);
            p.AddPathLine(rt - e, b, l, b);
            break;
    }
    return p;
}

// The selected tab stands out by 2 pixels away from the page.
gp::RectF TabRect(const RECT& item, Side side, bool selected) {
    gp::RectF r{static_cast<float>(item.left), static_cast<float>(item.top),
                static_cast<float>(item.right - item.left),
                static_cast<float>(item.bottom - item.top)};
    if (!selected) return r;
    switch (side) {
        case Side::kTop:
            r.Y -= 2;
            r.Height += 2;
            break;
        case Side::kBottom: r.Height += 2; break;
        case Side::kLeft:
            r.X -= 2;
            r.Width += 2;
            break;
        case Side::kRight: r.Width += 2; break;
    }
    return r;
}

// The gradient runs from the far edge of the tab to its page side.
void FillTab(gfx::GfxGraphics& g, const gfx::GfxPath& shape, const gp::RectF& r, Side side,
             bool selected) {
    gfx::GfxSolidBrush base;
    base.Create(Argb(80, kWhite));
    g.FillPath(base, shape);
    gp::PointF from{r.X, r.Y}, to{r.X, r.Y + r.Height};
    switch (side) {
        case Side::kTop: break;
        case Side::kBottom: std::swap(from, to); break;
        case Side::kLeft: to = {r.X + r.Width, r.Y}; break;
        case Side::kRight: from = {r.X + r.Width, r.Y}; break;
    }
    gfx::GfxLinearGradientBrush shine;
    if (shine.CreateLineBrush(from, to, Argb(selected ? 150 : 80, kWhite),
                              Argb(selected ? 0 : 10, kWhite)))
        g.FillPath(shine, shape);
    Stroke(g, shape, Argb(selected ? 110 : 70, kBlack));
}

std::string TabText(HWND tab, int i) {
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 255;
    if (!SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
        return {};
    return item.pszText ? std::string(item.pszText) : std::string();
}

// A focused tab control rings its selected tab.
void DrawTabFocus(gfx::GfxGraphics& g, HWND tab, Side side, int selected) {
    RECT item{};
    if (selected < 0 || !FocusShown(tab) ||
        !SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(selected),
                      reinterpret_cast<LPARAM>(&item)))
        return;
    const gp::RectF r = TabRect(item, side, true);
    DrawFocusRing(g, r.X + 2, r.Y + 2, r.Width - 5, r.Height - 5, 3);
}

void DrawTabControl(ControlCanvas& canvas, HWND tab, const GroupBoxRecord& entry) {
    gfx::GfxGraphics& g = canvas.graphics();
    g.SetSmoothingMode(gp::SmoothingModeAntiAlias);
    const Side side = TabSide(tab);
    const RECT page = TabPageRect(tab);
    DrawDoubleFrame(g, static_cast<float>(page.left), static_cast<float>(page.top),
                    static_cast<float>(page.right - page.left),
                    static_cast<float>(page.bottom - page.top), 80, 120);
    const int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    gfx::GfxFont font;
    float size = 0;
    const bool haveFont = MakeFont(font, entry, &size);
    gfx::GfxStringFormat format;
    const bool across = side == Side::kLeft || side == Side::kRight;
    format.Create(across ? gp::StringFormatFlagsDirectionVertical : 0);
    format.SetAlign(gp::StringAlignmentCenter);
    format.SetLineAlign(gp::StringAlignmentCenter);
    format.SetTrimming(gp::StringTrimmingEllipsisCharacter);
    format.SetHotkeyPrefix(HotkeyPrefixFor(tab));
    const std::optional<COLORREF> chosen = ProgramTextColour(tab, canvas.dc(), false);
    // The selected tab last, so that it lies over its neighbours.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i) {
            if ((i == selected) != (pass == 1)) continue;
            RECT item{};
            if (!SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                              reinterpret_cast<LPARAM>(&item)))
                continue;
            const gp::RectF r = TabRect(item, side, i == selected);
            FillTab(g, TabShape(r, side), r, side, i == selected);
            if (!haveFont) continue;
            // Each tab's own face lies under its text.
            gfx::GfxSolidBrush text;
            text.Create(Argb(255, chosen.value_or(ReadableOn(canvas.MeanColour(ToRect(r))))));
            g.DrawString(TabText(tab, i), font, text, r, &format);
        }
    DrawTabFocus(g, tab, side, selected);
}

bool IsTabControl(HWND window) { return IsClass(window, WC_TABCONTROLA); }

// Everything besides the background that a container's look is drawn from:
// its kind and font, its caption or each tab's place and text, the selected
// tab, the focus and the keyboard cues.
std::uint64_t ContainerLookState(ControlCanvas& canvas, HWND container,
                                 const GroupBoxRecord& entry) {
    LookKey key;
    key.Add(static_cast<std::uint64_t>(entry.kind)).Add(static_cast<std::uint64_t>(entry.plainFrame));
    key.Add(entry.fontName).Add(static_cast<std::uint64_t>(entry.fontSize))
        .Add(static_cast<std::uint64_t>(entry.fontStyle));
    key.Add(static_cast<std::uint64_t>(static_cast<DWORD>(GetWindowLongA(container, GWL_STYLE))));
    key.Add(static_cast<std::uint64_t>(HotkeyPrefixFor(container))).Add(State().accentColour);
    if (entry.kind == 1) {
        const std::optional<COLORREF> chosen = ProgramTextColour(container, canvas.dc(), true);
        key.Add(WindowText(container)).Add(chosen);
    } else if (IsTabControl(container)) {
        const std::optional<COLORREF> chosen = ProgramTextColour(container, canvas.dc(), false);
        key.Add(chosen).Add(FocusShown(container));
        const RECT page = TabPageRect(container);
        key.AddBox(page.left, page.top, page.right, page.bottom);
        const int count = static_cast<int>(SendMessageA(container, TCM_GETITEMCOUNT, 0, 0));
        key.Add(static_cast<std::uint64_t>(count))
            .Add(static_cast<std::uint64_t>(SendMessageA(container, TCM_GETCURSEL, 0, 0)));
        for (int i = 0; i < count; ++i) {
            RECT item{};
            SendMessageA(container, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
            key.AddBox(item.left, item.top, item.right, item.bottom).Add(TabText(container, i));
        }
    }
    return key.value();
}

void ExcludeChildren(HDC target, HWND container) {
    for (HWND c : ChildrenOfClass(container, nullptr)) {
        if (!IsWindowVisible(c)) continue;
        RECT r{};
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(target, r.left, r.top, r.right, r.bottom);
    }
}

// Controls that lie on the container without being its children keep their own
// pixels too: in a dialog template the labels and edits inside a group box come
// after it and are its siblings, and pages made at run time lie over a tab
// control beside them. Those come later among the siblings (below it in the
// z-order), so only the later ones are looked at: a sibling is a round trip to
// the system each. One that encloses the container is what it lies on, not in.
void ExcludeSiblingsInside(HDC target, HWND container) {
    RECT own{};
    GetWindowRect(container, &own);
    for (HWND c = GetWindow(container, GW_HWNDNEXT); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        RECT r{}, overlap{};
        GetWindowRect(c, &r);
        if (!IntersectRect(&overlap, &r, &own)) continue;
        if (r.left <= own.left && r.top <= own.top && r.right >= own.right &&
            r.bottom >= own.bottom)
            continue;
        MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&overlap), 2);
        ExcludeClipRect(target, overlap.left, overlap.top, overlap.right, overlap.bottom);
    }
}


// ---- The subclass procedure's handlers.

// A moved container shows another part of the picture behind it.
LRESULT OnMove(const Msg& m, const GroupBoxRecord& entry) {
    if (entry.tintChildren != -1) InvalidateRect(m.window, nullptr, FALSE);
    return CallPrevious(m);
}

// A resized one lays its inner windows out again.
LRESULT OnSize(const Msg& m, GroupBoxRecord& entry, int index, int position) {
    entry.childrenSkinned = 1;
    MoveChildren(index, position);
    return CallPrevious(m);
}

LRESULT OnPaint(const Msg& m, int childrenSkinned) {
    // A container with nothing of its own to draw (an edit or combo box hosted on
    // a toolbar, say) must still paint its own content.
    if (!DrawsOwnFrame(m.window)) return CallPrevious(m);
    {
        gdi::PaintScope paint(m.window);
        if (childrenSkinned == 1)
            RenderContainer(m.window, paint.dc());
        else
            PaintContainer(m.window, paint.dc());
    }
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}

LRESULT OnEraseBackground(const Msg& m, const GroupBoxRecord& entry) {
    if (entry.tintChildren == 0) return CallPrevious(m);
    SetBkMode(reinterpret_cast<HDC>(m.wp), TRANSPARENT);
    return 1;
}

// A page shows the picture behind it wherever it is to be painted, then its
// own procedure paints whatever the program draws on it.
LRESULT OnPagePaint(const Msg& m) {
    gdi::Region update(CreateRectRgn(0, 0, 0, 0));
    if (update && GetUpdateRgn(m.window, update.get(), FALSE) > NULLREGION) {
        gdi::WindowDc dc(m.window);
        if (dc) {
            SelectClipRgn(dc.get(), update.get());
            RenderContainer(m.window, dc.get());
        }
    }
    return CallPrevious(m);
}

// The native group box paints itself at once when it is enabled or disabled;
// the skinned look goes straight back over it.
LRESULT OnEnable(const Msg& m) {
    const LRESULT result = CallPrevious(m);
    if (DrawsOwnFrame(m.window)) RenderContainer(m.window);
    return result;
}

LRESULT OnShowWindow(const Msg& m, int tintChildren) {
    if (m.wp != 1) return CallPrevious(m);
    CallPrevious(m);
    if (tintChildren != 0) RenderContainer(m.window);
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}

LRESULT OnDrawItem(const Msg& m, int index) {
    if (m.lp) {
        const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.lp);
        DispatchDrawItem(index, item);
    }
    return CallPrevious(m);
}

// A tree view that expands or collapses redraws over its new background.
LRESULT OnNotify(const Msg& m) {
    if (m.lp) {
        const NMHDR header = *reinterpret_cast<const NMHDR*>(m.lp);
        if (header.code == TVN_ITEMEXPANDINGA || header.code == TVN_ITEMEXPANDEDA)
            InvalidateRect(header.hwndFrom, nullptr, TRUE);
    }
    return CallPrevious(m);
}

// A tab control that takes or loses the focus, or whose focus cues come or go,
// draws its tabs again.
bool RepaintTabs(HWND container) { return IsTabControl(container) && RenderContainer(container); }

LRESULT Dispatch(const Msg& m) {
    const Bound<GroupBoxRecord> found = Found(m.window);
    // Properties that lead nowhere: the container's own procedure only.
    if (!found) return CallPrevious(m);
    GroupBoxRecord& entry = *found;
    switch (m.message) {
        case WM_MOVE: return OnMove(m, entry);
        case WM_SIZE: return OnSize(m, entry, found.index, found.position);
        case WM_PAINT: return entry.page ? OnPagePaint(m) : OnPaint(m, entry.childrenSkinned);
        case WM_ERASEBKGND: return OnEraseBackground(m, entry);
        // A page is not visible yet: its paint comes once it is.
        case WM_SHOWWINDOW:
            return entry.page ? CallPrevious(m) : OnShowWindow(m, entry.tintChildren);
        case WM_UPDATEUISTATE: return OnUpdateUiState(m);
        case WM_ENABLE: return OnEnable(m);
        case WM_DRAWITEM: return OnDrawItem(m, found.index);
        case WM_NOTIFY: return OnNotify(m);
        case WM_SETFOCUS:
        case WM_KILLFOCUS: return PassThenRepaint(m, RepaintTabs);
        default: return CallPrevious(m);
    }
}

}  // namespace

LRESULT CALLBACK ContainerSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(window, message, wParam, lParam);
}

bool DrawsOwnFrame(HWND container) {
    const Bound<GroupBoxRecord> found = Found(container);
    if (!found) return false;
    return found->kind == 1 || found->plainFrame != 0 || found->page != 0 ||
           IsTabControl(container);
}

bool RenderContainer(HWND container, HDC target) {
    const Bound<GroupBoxRecord> found = Found(container);
    if (!found) return false;
    const GroupBoxRecord entry = *found;  // painting may send messages that change the lists
    RECT rc{};
    GetClientRect(container, &rc);
    ControlCanvas canvas(container, rc);
    if (!canvas) return false;
    if (!canvas.Recall(ContainerLookState(canvas, container, entry))) {
        if (entry.kind == 1) {
            DrawGroupBox(canvas, container, entry);
        } else if (IsTabControl(container)) {
            DrawTabControl(canvas, container, entry);
        } else if (entry.plainFrame != 0) {
            canvas.graphics().SetSmoothingMode(gp::SmoothingModeAntiAlias);
            DrawDoubleFrame(canvas.graphics(), 0, 0, static_cast<float>(rc.right),
                            static_cast<float>(rc.bottom), 40, 100);
        }
        canvas.Keep();
    }
    // Children keep their own pixels; they repaint themselves over the new picture.
    if (target) {
        const int saved = SaveDC(target);
        ExcludeChildren(target, container);
        ExcludeSiblingsInside(target, container);
        canvas.CopyTo(target);
        RestoreDC(target, saved);
    } else {
        gdi::WindowDc dc(container);
        if (!dc) return false;
        ExcludeChildren(dc.get(), container);
        ExcludeSiblingsInside(dc.get(), container);
        canvas.CopyTo(dc.get());
    }
    return true;
}

bool PaintContainer(HWND container, HDC target) {
    if (!RenderContainer(container, target)) return false;
    for (HWND c : ChildrenOfClass(container, nullptr))
        if (HasExStyle(c, WS_EX_TRANSPARENT)) InvalidateRect(c, nullptr, FALSE);
    return true;
}

void MoveChildren(int index, int position) {
    WindowRecord* r = Table().At(index);
    GroupBoxRecord* entry = r ? r->groupBoxes.At(position) : nullptr;
    if (!entry || !entry->window) return;
    HWND container = entry->window;
    // MoveWindow sends messages that may change the list: work on a copy.
    const std::vector<InnerWindow> inner = entry->innerWindows;
    RECT c{};
    GetClientRect(container, &c);
    auto placeOf = [&](const InnerWindow& w, HWND parent) {
        RECT to{c.left + w.placement.left, c.top + w.placement.top, c.right - w.placement.right,
                c.bottom - w.placement.bottom};
        MapWindowPoints(container, parent, reinterpret_cast<POINT*>(&to), 2);
        return to;
    };
    // Siblings are moved together, each repainting once at its new place; a
    // window under another parent is moved on its own, and every window is when
    // the deferred move gives up (moving one twice to the same place is harmless).
    const HWND parent = inner.empty() ? nullptr : GetParent(inner.front().window);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(inner.size()));
    for (const InnerWindow& w : inner) {
        if (!batch) break;
        const HWND own = IsWindow(w.window) ? GetParent(w.window) : nullptr;
        if (!own || own != parent) continue;
        const RECT to = placeOf(w, own);
        batch = DeferWindowPos(batch, w.window, nullptr, to.left, to.top, to.right - to.left,
                               to.bottom - to.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const bool deferred = batch && EndDeferWindowPos(batch);
    for (const InnerWindow& w : inner) {
        if (!IsWindow(w.window)) continue;
        const HWND own = GetParent(w.window);
        if (deferred && own == parent) continue;
        const RECT to = placeOf(w, own);
        MoveWindow(w.window, to.left, to.top, to.right - to.left, to.bottom - to.top, TRUE);
    }
}

bool AddInnerWindow(HWND container, HWND inner) {
    const Bound<GroupBoxRecord> found = Found(container);
    if (!found || !IsWindow(inner)) return false;
    RECT c{}, w{};
    GetClientRect(container, &c);
    GetWindowRect(inner, &w);
    MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&w), 2);
    const RECT placement{w.left - c.left, w.top - c.top, c.right - w.right, c.bottom - w.bottom};
    for (InnerWindow& existing : found->innerWindows)
        if (existing.window == inner) {
            existing.placement = placement;
            return true;
        }
    found->innerWindows.push_back({inner, placement});
    return true;
}

bool SetContainerTint(HWND container, COLORREF colour, int alpha, bool tintChildren) {
    const Bound<GroupBoxRecord> found = Found(container);
    if (!found) return false;
    found->tintColour = colour;
    found->tintAlpha = alpha & 0xFF;
    found->tintChildren = tintChildren ? 1 : 0;
    RedrawWindow(container, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

}  // namespace skin
