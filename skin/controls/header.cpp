// Skinned header controls. The header's image list stays the program's: the
// skin only reads it, so it never destroys it.
#include "skin/controls/header.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "skin/controls/range_drawing.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/skin_state.h"
#include "skin/base/focus_cues.h"
#include "skin/base/control_font.h"
#include "skin/base/skinner_kit.h"

namespace skin {
namespace {

using namespace range_draw;
namespace gp = Gdiplus;

constexpr int kFirstTextBuffer = 260;

struct ItemLook {
    bool hot = false, pressed = false;
};

void DrawFace(gfx::GfxGraphics& g, const gp::RectF& r, const ItemLook& look, bool buttons) {
    const COLORREF accent = State().accentColour;
    gfx::GfxPath face;
    face.Create();
    face.AddPathRectangle(r.X, r.Y, r.Width, r.Height);
    const gp::PointF top{r.X, r.Y}, bottom{r.X, r.Y + r.Height};
    if (look.hot)
        FillLinear(g, face, top, bottom, Argb(80, kWhite), Argb(120, accent));
    else
        FillLinear(g, face, top, bottom, Argb(60, accent), Argb(10, accent));
    if (!buttons) return;
    // Buttons: a pressed item sinks, every other one stands out lit from above.
    if (look.hot && look.pressed)
        FillLinear(g, face, top, bottom, Argb(60, accent), Argb(30, kBlack));
    else
        FillLinear(g, face, top, bottom, Argb(120, kWhite), Argb(30, kBlack));
}

void DrawDivider(gfx::GfxGraphics& g, const gp::RectF& r) {
    gfx::GfxLinearGradientBrush brush;
    if (!brush.CreateLineBrush({0, r.Y - 1}, {0, r.Y + r.Height + 1}, Argb(60, kBlack),
                               Argb(50, kWhite)))
        return;
    gfx::GfxPen pen;
    if (!pen.CreateFromBrush(brush, 1)) return;
    const float x = r.X + r.Width - 1;
    g.DrawLine(pen, x, r.Y, x, r.Y + r.Height);
}

// An item's image, drawn by the image list itself once the GDI+ drawing is
// flushed (turning it into an icon and a GDI+ bitmap cost forty times more),
// clipped to its item less the divider.
struct ItemImage {
    int image;
    POINT at;
    RECT clip;
};

void DrawImages(HDC dc, HIMAGELIST images, const std::vector<ItemImage>& list) {
    for (const ItemImage& i : list) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, i.clip.left, i.clip.top, i.clip.right, i.clip.bottom);
        ImageList_Draw(images, i.image, dc, i.at.x, i.at.y, ILD_TRANSPARENT);
        RestoreDC(dc, saved);
    }
}

// The header's text font as a GDI font: its own, or one made from the record.
// GDI draws the texts: DrawText trims them with an ellipsis (GDI+ under Wine
// does not) and costs a fraction of a GDI+ string.
class HeaderFont {
public:
    HeaderFont(HWND header, const HeaderRecord& rec) {
        font_ = reinterpret_cast<HFONT>(SendMessageA(header, WM_GETFONT, 0, 0));
        if (font_) return;
        LOGFONTA lf{};
        lf.lfHeight = -(rec.fontSize > 0 ? rec.fontSize : 12);
        lf.lfWeight = (rec.fontStyle & Gdiplus::FontStyleBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (rec.fontStyle & Gdiplus::FontStyleItalic) ? TRUE : FALSE;
        lf.lfUnderline = (rec.fontStyle & Gdiplus::FontStyleUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (rec.fontStyle & Gdiplus::FontStyleStrikeout) ? TRUE : FALSE;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(lf.lfFaceName, rec.fontName.empty() ? "宋体" : rec.fontName.c_str(), LF_FACESIZE);
        own_.reset(CreateFontIndirectA(&lf));
        font_ = own_.get();
    }
    HFONT get() const { return font_; }

private:
    HFONT font_ = nullptr;
    gdi::Font own_;
};

int TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    if (text.empty() ||
        !GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size))
        return 0;
    return size.cx;
}

// An item's face and divider (GDI+), then its image and text. Text goes last,
// with GDI, once the GDI+ drawing is flushed.
struct ItemText {
    RECT area;
    std::string text;
};

void DrawItem(gfx::GfxGraphics& g, HDC dc, HWND header, const HeaderRecord& rec, int i,
              HIMAGELIST images, std::vector<ItemImage>& pictures, std::vector<ItemText>& texts) {
    RECT ir{};
    if (!SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&ir))) return;
    const int width = ir.right - ir.left, height = ir.bottom - ir.top;
    if (width <= 0 || height <= 0) return;  // a hidden column draws nothing
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    std::string text = HeaderItemText(header, i);
    const gp::RectF r{static_cast<float>(ir.left), static_cast<float>(ir.top),
                      static_cast<float>(width), static_cast<float>(height)};

    DrawFace(g, r, {rec.hovered && rec.hotItem == i, rec.pressed != 0}, rec.buttons != 0);
    DrawDivider(g, r);

    const bool hasImage = (item.fmt & HDF_IMAGE) && images && item.iImage >= 0 &&
                          item.iImage < ImageList_GetImageCount(images);
    int iw = 0, ih = 0;
    if (hasImage) ImageList_GetIconSize(images, &iw, &ih);
    const int m = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    const int justify = item.fmt & HDF_JUSTIFYMASK;
    // Only right and centred items are placed by their text's width.
    const int tw = (justify == HDF_RIGHT || justify == HDF_CENTER) ? TextWidth(dc, text) + 1 : 0;
    int x = m;
    const bool fits = iw + m + tw < width;
    if (justify == HDF_RIGHT && fits) x = width - iw - tw;
    if (justify == HDF_CENTER && fits) x = (width - iw - m - tw) / 2;

    if (hasImage)  // nothing of an item reaches its neighbours
        pictures.push_back({item.iImage,
                            {ir.left + x, ir.top + (height - ih) / 2},
                            {ir.left, ir.top, ir.right - 1, ir.bottom}});
    if (!text.empty())
        texts.push_back({{ir.left + x + iw, ir.top,
                          std::min(ir.left + x + width - 2 * m, ir.right - 1), ir.bottom},
                         std::move(text)});
}

// The part of the header right of its last item, skinned like an item at rest.
void DrawRest(gfx::GfxGraphics& g, HWND header, const HeaderRecord& rec, int count, int w, int h) {
    int right = 0;
    for (int i = 0; i < count; ++i) {
        RECT ir{};
        if (SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&ir)))
            right = std::max<int>(right, ir.right);
    }
    if (right >= w) return;
    DrawFace(g,
             {static_cast<float>(right), 0, static_cast<float>(w - right), static_cast<float>(h)},
             {}, rec.buttons != 0);
}

void Draw(gfx::GfxGraphics& g, HDC dc, HWND header, const HeaderRecord& rec, int w, int h) {
    gfx::GfxSolidBrush white;
    if (white.Create(Argb(255, kWhite)))
        g.FillRectangle(white, 0, 0, static_cast<float>(w), static_cast<float>(h));
    const HeaderFont font(header, rec);
    gdi::SelectGuard selectFont(dc, font.get());
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<ItemImage> pictures;
    std::vector<ItemText> texts;
    for (int i = 0; i < count; ++i) DrawItem(g, dc, header, rec, i, images, pictures, texts);
    DrawRest(g, header, rec, count, w, h);
    if (!pictures.empty()) {
        g.Flush(gp::FlushIntentionSync);  // GDI draws next: GDI+ must be done first
        GdiFlush();
        DrawImages(dc, images, pictures);
    }
    if (FocusShown(header))
        DrawFocusRing(g, 0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1));
    g.Flush(gp::FlushIntentionSync);
    GdiFlush();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (ItemText& t : texts)
        DrawTextA(dc, t.text.data(), static_cast<int>(t.text.size()), &t.area,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// ---- The subclass procedure's handlers.

LRESULT OnNcPaint(const Msg& m) {
    if (NonClientPaintsWhole(m.window)) PaintHeader(m.window);
    return 0;
}

LRESULT OnMouseMove(const Msg& m, WindowRecord& owner, HeaderRecord& h, int position) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m.window, 0};
    TrackMouseEvent(&tme);
    const int item = HeaderItemAt(m.window, m.lp);
    const bool moved = owner.hover.MovedOver(position, kHoverHeader, GetParent(m.window));
    const bool repaint = moved || item != h.hotItem || !h.hovered;
    h.hovered = 1;
    h.hotItem = item;
    // Invalidated rather than painted: the header's own hot tracking asks for a
    // paint too, and the two become one.
    if (repaint) InvalidateRect(m.window, nullptr, FALSE);
    return CallPrevious(m);
}

LRESULT OnButton(const Msg& m, HeaderRecord& h, int pressed) {
    h.pressed = pressed;
    return CallPrevious(m);
}

// A press ends when the capture goes, whether or not a button-up arrives.
LRESULT OnCaptureChanged(const Msg& m, HeaderRecord& h) {
    const bool wasPressed = h.pressed != 0;
    h.pressed = 0;
    if (wasPressed) PaintHeader(m.window);
    return CallPrevious(m);
}

LRESULT OnMouseLeave(const Msg& m, WindowRecord& owner, HeaderRecord& h) {
    owner.hover.Left();
    h.hovered = 0;
    InvalidateRect(m.window, nullptr, FALSE);
    return CallPrevious(m);
}

LRESULT OnSetImageList(const Msg& m, HeaderRecord& h) {
    h.imageList = reinterpret_cast<HIMAGELIST>(m.lp);
    return CallPrevious(m);
}

LRESULT Dispatch(const Msg& m) {
    const Bound<HeaderRecord> found = FindRecord(m.window, &WindowRecord::headers);
    if (!found) return CallPrevious(m);
    switch (m.message) {
        case WM_MOVE: return RepaintAndPass(m, [](HWND w) { return PaintHeader(w); });
        case WM_PAINT: return PaintWhole(m, [](HWND w) { return PaintHeader(w); });
        case WM_ERASEBKGND: return EraseNothing(m);
        case WM_NCPAINT: return OnNcPaint(m);
        case WM_MOUSEMOVE: return OnMouseMove(m, *found.owner, *found, found.position);
        case WM_LBUTTONDOWN: return OnButton(m, *found, 1);
        case WM_LBUTTONUP: return OnButton(m, *found, 0);
        case WM_CAPTURECHANGED: return OnCaptureChanged(m, *found);
        case WM_MOUSELEAVE: return OnMouseLeave(m, *found.owner, *found);
        case HDM_SETIMAGELIST: return OnSetImageList(m, *found);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE: return PassThenRepaint(m, [](HWND w) { return PaintHeader(w); });
        default: return CallPrevious(m);
    }
}

void AddHeader(int index, HWND header, HWND fontSource) {
    HeaderRecord rec;
    rec.buttons = (GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS) ? 1 : 0;
    rec.imageList = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    const ControlFont font = ReadControlFont(fontSource);
    rec.fontName = font.faceName.empty() ? "宋体" : font.faceName;
    rec.fontSize = font.size ? font.size : 12;
    rec.fontStyle = font.style;
    if (AddAndSubclass(index, header, &WindowRecord::headers, std::move(rec), HeaderProc))
        RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

}  // namespace

LRESULT CALLBACK HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(window, message, wParam, lParam);
}

int HeaderItemAt(HWND header, LPARAM point) {
    const POINT p{MouseX(point), MouseY(point)};
    const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)) &&
            PtInRect(&r, p))
            return i;
    }
    return -1;
}

std::string HeaderItemText(HWND header, int item) {
    // A text that fills the buffer may have been cut: ask again with more room.
    for (int size = kFirstTextBuffer; size <= (1 << 20); size *= 4) {
        std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
        HDITEMA hi{};
        hi.mask = HDI_TEXT;
        hi.pszText = buffer.data();
        hi.cchTextMax = size;
        if (!SendMessageA(header, HDM_GETITEMA, item, reinterpret_cast<LPARAM>(&hi))) return {};
        buffer.back() = '\0';
        // The control may hand back its own string instead of filling ours.
        const char* text = hi.pszText && hi.pszText != LPSTR_TEXTCALLBACKA ? hi.pszText : "";
        const std::string s(text, strnlen(text, static_cast<std::size_t>(size)));
        if (text != buffer.data() || static_cast<int>(s.size()) < size - 1) return s;
    }
    return {};
}

void SkinHeaderChildren(int index, HWND parent) {
    if (!Table().At(index) || !State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, WC_HEADERA)) AddHeader(index, c, c);
    for (HWND list : ChildrenOfClass(parent, WC_LISTVIEWA))
        if (HWND h = FindWindowExA(list, nullptr, WC_HEADERA, nullptr)) AddHeader(index, h, list);
}

bool PaintHeader(HWND header, HDC target) {
    const Bound<HeaderRecord> found = FindRecord(header, &WindowRecord::headers);
    if (!found) return false;
    const HeaderRecord rec = *found;
    RECT rect{};
    GetClientRect(header, &rect);
    if (rect.right <= 0 || rect.bottom <= 0) return true;  // nothing to show
    ControlCanvas canvas(header, rect);
    if (!canvas) return false;
    Draw(canvas.graphics(), canvas.dc(), header, rec, rect.right, rect.bottom);
    if (target)
        canvas.CopyTo(target);
    else
        canvas.CopyToScreen(Surface::kClient);
    return true;
}

}  // namespace skin
