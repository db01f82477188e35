// Toolbars painted button by button over the skin, and controls that paint
// themselves off-screen and are laid over the skin with a colour key.
#include "skin/controls/toolbar.h"

#include <commctrl.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "gfx/gfx.h"
#include "skin/controls/composition.h"
#include "skin/base/shapes.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/skin_state.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

namespace gp = Gdiplus;

constexpr float kCorner = 5;
constexpr int kArrowPart = 12;  // width of a drop-down button's arrow part

Bound<ToolbarRecord> Found(HWND control) {
    return FindRecord(control, &WindowRecord::toolbars, kToolbarProps);
}

COLORREF TextColour(HWND window) {
    return static_cast<COLORREF>(GetIntProp(window, prop::kTextColour));
}

gfx::GfxPath RoundedBox(float x, float y, float w, float h) {
    gfx::GfxPath path;
    path.Create();
    AddRoundRect(path, x, y, w, h, kCorner);
    return path;
}

void FillSolid(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb) {
    gfx::GfxSolidBrush brush;
    if (brush.Create(argb)) g.FillPath(brush, path);
}

void Line(gfx::GfxGraphics& g, float x1, float y1, float x2, float y2, std::uint32_t argb) {
    gfx::GfxPen pen;
    if (pen.Create(argb, 1)) g.DrawLine(pen, x1, y1, x2, y2);
}

// A path-gradient glow: centre colour inside, surround colour at the rim.
void Glow(gfx::GfxGraphics& g, const gfx::GfxPath& path, const gp::RectF& face, gp::ARGB centre,
          gp::ARGB surround, float insetX, float insetY) {
    gfx::GfxPathGradientBrush brush;
    if (!brush.CreatePathGradientFromPath(path)) return;
    brush.SetCenterColor(centre);
    brush.SetSurroundColorsWithCount(std::span<const gp::ARGB>(&surround, 1));
    if (face.Width > insetX && face.Height > insetY)
        brush.SetFocusScales((face.Width - insetX) / face.Width,
                             (face.Height - insetY) / face.Height);
    g.FillPath(brush, path);
}

// What one paint of a toolbar reads once: every property lookup is a trip to
// the window server, and a message through the subclass procedure costs several.
struct ToolbarLook {
    HWND toolbar = nullptr;
    WNDPROC native = nullptr;  // asked directly, past the skin's procedure
    HIMAGELIST images = nullptr;
    COLORREF text = 0;
    bool list = false;
    std::string fontName;
    int fontSize = 0, fontStyle = 0;
    bool valid = false;

    LRESULT Ask(UINT message, WPARAM wp = 0, LPARAM lp = 0) const {
        return native ? CallWindowProcA(native, toolbar, message, wp, lp)
                      : SendMessageA(toolbar, message, wp, lp);
    }
};

ToolbarLook ReadLook(HWND toolbar) {
    ToolbarLook look;
    look.toolbar = toolbar;
    const Bound<ToolbarRecord> found = Found(toolbar);
    if (found) {
        look.native = found->previousProc;
        look.fontName = found->fontName;
        look.fontSize = found->fontSize;
        look.fontStyle = found->fontStyle;
        look.valid = true;
    }
    look.images = reinterpret_cast<HIMAGELIST>(GetIntProp(toolbar, prop::kToolbarImages));
    look.text = TextColour(toolbar);
    look.list = (look.Ask(TB_GETSTYLE) & TBSTYLE_LIST) != 0;
    return look;
}

struct Button {
    TBBUTTON info{};
    RECT rect{};
    bool hot = false;
    bool Has(BYTE state) const { return (info.fsState & state) == state; }
    bool separator() const { return (info.fsStyle & BTNS_SEP) != 0; }
    bool dropDown() const { return (info.fsStyle & BTNS_DROPDOWN) != 0; }
    bool wholeDropDown() const { return (info.fsStyle & BTNS_WHOLEDROPDOWN) != 0; }
    bool enabled() const { return Has(TBSTATE_ENABLED); }
    bool greyed() const { return !enabled() || Has(TBSTATE_INDETERMINATE); }
};

void DrawFace(gfx::GfxGraphics& g, const Button& b) {
    const gp::RectF face{static_cast<float>(b.rect.left), static_cast<float>(b.rect.top),
                         static_cast<float>(b.rect.right - b.rect.left - 1),
                         static_cast<float>(b.rect.bottom - b.rect.top - 1)};
    const gfx::GfxPath path = RoundedBox(face.X, face.Y, face.Width, face.Height);
    const COLORREF accent = State().accentColour;
    if (b.Has(TBSTATE_PRESSED)) {
        gfx::GfxLinearGradientBrush brush;
        if (brush.CreateLineBrush({0, face.Y}, {0, face.Y + face.Height + 1}, Argb(60, kBlack),
                                  Argb(100, kWhite)))
            g.FillPath(brush, path);
    } else if (b.Has(TBSTATE_CHECKED)) {
        FillSolid(g, path, Argb(100, kWhite));
        FillSolid(g, path, Argb(16, accent));
        Glow(g, path, face, Argb(100, kWhite), Argb(80, accent), 4, 4);
    } else if (b.hot && b.enabled()) {
        FillSolid(g, path, Argb(100, kWhite));
        FillSolid(g, path, Argb(10, accent));
        Glow(g, path, face, Argb(10, kWhite), Argb(60, accent), 4, 6);
    } else {
        return;  // plain buttons show the picture behind them
    }
    gfx::GfxPen dark, light;
    if (dark.Create(Argb(100, kBlack), 1)) g.DrawPath(dark, path);
    const gfx::GfxPath inner = RoundedBox(face.X + 1, face.Y + 1, face.Width - 2, face.Height - 2);
    if (light.Create(Argb(60, kWhite), 1)) g.DrawPath(light, inner);
    if (b.dropDown()) {
        const float x = static_cast<float>(b.rect.right - kArrowPart);
        Line(g, x, face.Y + 3, x, face.Y + face.Height - 3, Argb(100, kBlack));
        Line(g, x + 1, face.Y + 3, x + 1, face.Y + face.Height - 3, Argb(150, kWhite));
    }
}

void DrawSeparator(gfx::GfxGraphics& g, HWND toolbar, const Button& b, int i) {
    const RECT& r = b.rect;
    // A separator that starts a wrapped row lies across the toolbar. Its own
    // rectangle is only a separator wide there, so the line spans the toolbar.
    if (r.left <= 9 && i != 0) {
        RECT client{};
        GetClientRect(toolbar, &client);
        const float y = static_cast<float>(r.bottom - 5);
        const float right = static_cast<float>(std::max(r.right, client.right) - 6);
        Line(g, static_cast<float>(r.left + 3), y, right, y, Argb(100, kBlack));
        Line(g, static_cast<float>(r.left + 3), y + 1, right, y + 1, Argb(150, kWhite));
        return;
    }
    const float x = static_cast<float>(r.left + (r.right - r.left - 2) / 2);
    Line(g, x, static_cast<float>(r.top + 3), x, static_cast<float>(r.bottom - 3),
         Argb(100, kBlack));
    Line(g, x + 1, static_cast<float>(r.top + 3), x + 1, static_cast<float>(r.bottom - 3),
         Argb(150, kWhite));
}

void DrawArrow(gfx::GfxGraphics& g, const Button& b, COLORREF colour) {
    const float cx = static_cast<float>(b.dropDown() ? b.rect.right - kArrowPart / 2 - 1
                                                     : b.rect.right - kArrowPart / 2 - 2);
    const float cy = static_cast<float>((b.rect.top + b.rect.bottom) / 2);
    const gp::PointF points[] = {{cx - 3, cy - 1}, {cx + 4, cy - 1}, {cx + 0.5f, cy + 3}};
    gfx::GfxPath arrow;
    arrow.Create();
    arrow.AddPathLine2(points);
    arrow.ClosePathFigure();
    FillSolid(g, arrow, Argb(255, colour));
}

// TB_GETBUTTONTEXTA is keyed by command id; its length leaves out the zero.
std::string ButtonText(const ToolbarLook& look, int command) {
    const LRESULT length = look.Ask(TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    look.Ask(TB_GETBUTTONTEXTA, static_cast<WPARAM>(command),
             reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::min(text.find('\0'), static_cast<std::size_t>(length)));
    return text;
}

void DrawText(gfx::GfxGraphics& g, const ToolbarLook& look, const Button& b,
              const std::string& text, const gp::RectF& area) {
    if (text.empty() || !look.valid || area.Width <= 0 || area.Height <= 0) return;
    gfx::GfxFont font;
    if (!font.Create(look.fontName, static_cast<float>(look.fontSize), look.fontStyle,
                     gp::UnitWorld))
        return;
    gfx::GfxStringFormat format;
    format.Create(gp::StringFormatFlagsMeasureTrailingSpaces);
    format.SetAlign(gp::StringAlignmentCenter);
    format.SetLineAlign(gp::StringAlignmentCenter);
    format.SetTrimming(gp::StringTrimmingEllipsisCharacter);
    gfx::GfxSolidBrush brush;
    brush.Create(Argb(255, b.greyed() ? kGrey : look.text));
    g.DrawString(text, font, brush, area, &format);
}

// Draws an image (by `draw`, at 0, 0 of a w x h surface) at (x, y) with its
// coloured pixels grey (reddish grey with tint) and its black and grey pixels
// left out. The surface's pixels are read and written in place: per-pixel
// GetPixel/SetPixel calls made each greyed image cost milliseconds.
template <typename Draw>
void DrawGrey(HDC dc, int x, int y, int w, int h, bool tint, Draw&& draw) {
    if (!dc || w <= 0 || h <= 0) return;
    void* bits = nullptr;
    gdi::Bitmap bitmap(gdi::NewArgbDib(w, h, &bits));
    gdi::MemoryDc memory(CreateCompatibleDC(nullptr));
    if (!bitmap || !memory || !bits) return;
    gdi::SelectGuard select(memory.get(), bitmap.get());
    draw(memory.get());
    GdiFlush();
    DWORD* px = static_cast<DWORD*>(bits);
    for (int i = 0; i < w * h; ++i) {
        const int r = static_cast<int>((px[i] >> 16) & 0xFF),
                  g = static_cast<int>((px[i] >> 8) & 0xFF), b = static_cast<int>(px[i] & 0xFF);
        const int v = (r + g + b) / 3;
        if ((r | g | b) == 0 || (r == g && g == b)) {
            px[i] = 0;  // the key: left out
            continue;
        }
        const int red = tint ? std::min(v + 20, 255) : v;  // no carry into green
        px[i] =
            (static_cast<DWORD>(red) << 16) | (static_cast<DWORD>(v) << 8) | static_cast<DWORD>(v);
    }
    TransparentBlt(dc, x, y, w, h, memory.get(), 0, 0, w, h, 0);
}

void PaintButton(const ToolbarLook& look, gfx::GfxGraphics& g, HDC dc, int i, bool hot) {
    Button b;
    b.hot = hot;
    if (!look.Ask(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b.info))) return;
    if (b.Has(TBSTATE_HIDDEN)) return;
    if (!look.Ask(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b.rect)))
        return;
    if (b.separator()) {
        DrawSeparator(g, look.toolbar, b, i);
        return;
    }
    DrawFace(g, b);
    const int right = b.rect.right - (b.dropDown() ? kArrowPart : 0);
    const int width = right - b.rect.left, height = b.rect.bottom - b.rect.top;
    if (b.dropDown() || b.wholeDropDown()) DrawArrow(g, b, b.greyed() ? kGrey : look.text);
    const std::string text = ButtonText(look, b.info.idCommand);

    // The image is drawn straight from the image list, only where it is drawn:
    // an icon fetched per button (and per hover) was both the dearest part of a
    // paint and, where it was not destroyed, a leak.
    int iw = 0, ih = 0;
    const bool image = look.images && b.info.iBitmap >= 0 &&
                       b.info.iBitmap < ImageList_GetImageCount(look.images) &&
                       ImageList_GetIconSize(look.images, &iw, &ih);
    if (!image) iw = ih = 0;
    const int arrowRoom = b.wholeDropDown() ? kArrowPart : 0;
    int ix, iy;
    gp::RectF area;
    if (look.list) {
        ix = b.rect.left + 4;
        iy = b.rect.top + (height - ih) / 2;
        const float textLeft = static_cast<float>(image ? ix + iw + 2 : b.rect.left);
        area = {textLeft, static_cast<float>(b.rect.top),
                static_cast<float>(right - arrowRoom) - textLeft, static_cast<float>(height)};
    } else {
        ix = b.rect.left + (width - arrowRoom - iw) / 2;
        iy = text.empty() ? b.rect.top + (height - ih) / 2 : b.rect.top + 3;
        const float textTop = static_cast<float>(image ? iy + ih : b.rect.top);
        area = {static_cast<float>(b.rect.left), textTop, static_cast<float>(width - arrowRoom),
                static_cast<float>(b.rect.bottom) - textTop - 1};
    }
    if (image) {
        g.Flush(gp::FlushIntentionSync);  // GDI draws next: GDI+ must be done first
        const int index = b.info.iBitmap;
        if (b.greyed())
            DrawGrey(dc, ix, iy, iw, ih, b.Has(TBSTATE_INDETERMINATE), [&](HDC memory) {
                ImageList_Draw(look.images, index, memory, 0, 0, ILD_TRANSPARENT);
            });
        else
            ImageList_Draw(look.images, index, dc, ix, iy, ILD_TRANSPARENT);
    }
    DrawText(g, look, b, text, area);
}

// Lets the control paint itself off-screen and lays it over the captured
// background; how it paints into our DC is kept in its entry between paints.
bool Compose(HWND control, HDC target, bool onlyWhenDrawn) {
    const Bound<ToolbarRecord> found = Found(control);
    if (!found) return false;
    const COLORREF face = found->backgroundColour;
    auto route = static_cast<PaintRoute>(found->paintRoute);
    const bool done = ComposeOverSkin(control, target, face, route, onlyWhenDrawn);
    // The control's painting may have sent messages that moved the list.
    if (const Bound<ToolbarRecord> again = Found(control))
        again->paintRoute = static_cast<int>(route);
    return done;
}

// ---- The subclass procedure's handlers.

bool IsComposedClass(HWND window) {
    static const char* const kClasses[] = {MONTHCAL_CLASSA, WC_TABCONTROLA, STATUSCLASSNAMEA,
                                           WC_BUTTONA, TRACKBAR_CLASSA};
    return std::any_of(std::begin(kClasses), std::end(kClasses),
                       [window](const char* c) { return IsClass(window, c); });
}

LRESULT OnToolbarPaint(const Msg& m) {
    {
        gdi::PaintScope paint(m.window);
        PaintToolbar(m.window, paint.dc());
    }
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}

LRESULT OnComposedPaint(const Msg& m) {
    gdi::PaintScope paint(m.window);  // validates the window on every path
    Compose(m.window, paint.dc(), false);
    return 0;
}

// Any other class (a rich edit, say): composed when it paints into the given DC;
// the window is validated either way, or WM_PAINT would come back at once.
LRESULT OnOtherPaint(const Msg& m) {
    Compose(m.window, nullptr, true);
    ValidateRect(m.window, nullptr);
    for (HWND child : ChildrenOfClass(m.window, nullptr))
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    return 0;
}

LRESULT OnPaint(const Msg& m) {
    // Properties that lead nowhere, or the skin's control background off: native paint.
    if (!State().controlBackground || !Found(m.window)) return CallPrevious(m, kToolbarProps);
    if (IsClass(m.window, TOOLBARCLASSNAMEA)) return OnToolbarPaint(m);
    if (IsComposedClass(m.window)) return OnComposedPaint(m);
    return OnOtherPaint(m);
}

// A scrolled rich edit repaints its text over the background.
LRESULT OnScroll(const Msg& m) {
    const LRESULT result = CallPrevious(m, kToolbarProps);
    if (IsClass(m.window, "RichEdit20A")) InvalidateRect(m.window, nullptr, TRUE);
    return result;
}

LRESULT Dispatch(const Msg& m) {
    switch (m.message) {
        case WM_PAINT: return OnPaint(m);
        case WM_HSCROLL: return OnScroll(m);
        case WM_VSCROLL: return OnScroll(m);
        default: return CallPrevious(m, kToolbarProps);
    }
}

}  // namespace

LRESULT CALLBACK ToolbarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch, kToolbarProps>(window, message, wParam, lParam);
}

bool PaintToolbar(HWND toolbar, HDC target) {
    const ToolbarLook look = ReadLook(toolbar);
    const int count = static_cast<int>(look.Ask(TB_BUTTONCOUNT));
    const int hot = static_cast<int>(look.Ask(TB_GETHOTITEM));
    RECT rc{};
    GetClientRect(toolbar, &rc);
    ControlCanvas canvas(toolbar, rc);
    if (!canvas) return false;
    gdi::WindowDc own;
    if (!target) {
        own = gdi::WindowDc(toolbar);
        target = own.get();
    }
    if (!target) return false;
    // A hover repaints two buttons: buttons outside the target's clip are left out.
    RECT clip{};
    if (GetClipBox(target, &clip) == NULLREGION) return true;
    gfx::GfxGraphics& g = canvas.graphics();
    for (int i = 0; i < count; ++i) {
        RECT item{}, overlap{};
        look.Ask(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        if (IntersectRect(&overlap, &item, &clip)) PaintButton(look, g, canvas.dc(), i, i == hot);
    }
    // A hosted control keeps its own pixels.
    const int saved = SaveDC(target);
    for (HWND child : ChildrenOfClass(toolbar, nullptr)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, toolbar, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(target, r.left, r.top, r.right, r.bottom);
    }
    canvas.CopyTo(target);
    RestoreDC(target, saved);
    return true;
}

void PaintToolbarButton(HWND toolbar, HDC dc, int i, bool hot) {
    gfx::GfxGraphics g;
    if (g.CreateFromHDC(dc)) PaintButton(ReadLook(toolbar), g, dc, i, hot);
}

void DrawGreyIcon(HDC dc, int x, int y, HICON icon, int w, int h, bool tint) {
    if (!icon) return;
    DrawGrey(dc, x, y, w, h, tint,
             [&](HDC memory) { DrawIconEx(memory, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL); });
}

bool ComposeControl(HWND control, HDC target) { return Compose(control, target, false); }

}  // namespace skin
