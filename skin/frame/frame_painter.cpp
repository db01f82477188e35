#include "skin/frame/frame_painter.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "gfx/gfx.h"
#include "skin/base/frame_background.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/shapes.h"
#include "skin/frame/menu_bar.h"
#include "skin/base/skin_state.h"
#include "skin/frame/frame_layout.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

using gp = Gdiplus::RectF;

// The image of bytes, decoded once per process (the cache is the caller's hold on it).
gfx::GfxBitmap* Decoded(std::shared_ptr<gfx::GfxBitmap>& cache, const Bytes& bytes) {
    if (bytes.empty()) return nullptr;
    if (!cache) cache = DecodedImage(bytes);
    return cache && !cache->IsEmpty() ? cache.get() : nullptr;
}

// A copy of one box of the frame, taken before title, buttons and panels are
// drawn, so that a redraw of that box starts from a clean picture.
void TakeSnapshot(HDC frame, gdi::BitmapDc& snapshot, const IntRect& box) {
    snapshot.reset();
    if (snapshot.Select(gdi::NewArgbDib(box.width, box.height)))
        BitBlt(snapshot.dc(), 0, 0, box.width, box.height, frame, box.x, box.y, SRCCOPY);
}

void VerticalGradientFill(gfx::GfxGraphics& g, const gfx::GfxPath& path, float top, float bottom,
                          std::uint32_t from, std::uint32_t to) {
    gfx::GfxLinearGradientBrush brush;
    brush.CreateLineBrush({0, top}, {0, bottom}, from, to);
    g.FillPath(brush, path);
}

// What the window's background is made of at a W x H size: the window's own
// picture or the skin's, the fast stretch while a live resize is under way.
BackgroundLook LookOf(WindowRecord& r, int W, int H) {
    const bool own = !r.backgroundImage.empty();
    BackgroundLook look;
    if (own) {
        Decoded(r.decodedBackground, r.backgroundImage);
        look.picture = r.decodedBackground;
    } else if (SkinImage()) {
        look.picture = State().decodedSkinImage;
    }
    look.mode = own ? r.backgroundMode : State().imageMode;
    look.width = W;
    look.height = H;
    look.quality = r.sizing ? StretchQuality::kFast : StretchQuality::kFull;
    look.fill = Argb(255, own ? r.backgroundAverage : State().mainColour);
    look.gradientHeight = r.captionOption ? r.captionHeight : 0;
    look.border = r.dragOption != 0;
    return look;
}

// GDI+ drawing straight into the frame bitmap's pixels. (A graphics made on the
// frame DC would read the DC back and write it again for every primitive.) The
// pixels are taken as opaque RGB, so GDI calls that leave the alpha byte alone
// cannot upset blending.
struct FrameSurface {
    gfx::GfxBitmap pixels;
    gfx::GfxGraphics own;
    gfx::GfxGraphics* g = nullptr;

    FrameSurface(const WindowRecord& r, gfx::GfxGraphics* given, bool smooth) : g(given) {
        if (g) return;
        GdiFlush();  // GDI work on the DIB must land before GDI+ reads the memory
        pixels.CreateFromScan0(r.frameWidth, r.frameHeight, r.frameWidth * 4, PixelFormat32bppRGB,
                               static_cast<BYTE*>(r.frameBits));
        own.FromImage(pixels);
        if (smooth) own.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        g = &own;
    }
    // Before GDI touches the frame DC.
    void Sync() { g->Flush(Gdiplus::FlushIntentionSync); }
};

// The layer for `key`, drawn by `draw` onto a transparent width x height
// bitmap when the key changed; null when no bitmap can be made.
template <typename Draw>
gfx::GfxBitmap* CachedTextLayer(WindowRecord::TextLayer& layer, const std::string& key, int width,
                                int height, Draw&& draw) {
    if (layer.bitmap && layer.key == key) return layer.bitmap.get();
    auto bitmap = std::make_shared<gfx::GfxBitmap>();
    if (!bitmap->Create(std::max(width, 1), std::max(height, 1), PixelFormat32bppPARGB))
        return nullptr;
    {
        gfx::GfxGraphics g;
        g.FromImage(*bitmap);
        draw(g);
    }
    layer = {key, std::move(bitmap)};
    return layer.bitmap.get();
}

// A panel's image and text, at the panel's own origin.
void DrawPanelContent(gfx::GfxGraphics& g, const WindowRecord& r, const Panel& panel, int w,
                      int h) {
    gfx::GfxSolidBrush brush;
    brush.Create(Argb(255, static_cast<COLORREF>(panel.option)));
    gfx::GfxFont font;
    const bool haveFont =
        font.CreateOrSansSerif(r.barFontName, static_cast<float>(r.barFontSize), 0,
                               Gdiplus::UnitPixel);
    gfx::GfxStringFormat format;
    format.Create();
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    Gdiplus::RectF layout{3, (fh - 12) / 2, fw, fh};
    if (!panel.image.empty()) {
        gfx::GfxBitmap image;
        if (image.LoadFromBytes(panel.image)) {
            const int iw = image.GetWidth(), ih = image.GetHeight();
            g.DrawImageStretchedI(image, 2, (h - ih) / 2, iw, ih);
            layout = {static_cast<float>(iw + 5), (fh - 12) / 2, fw - iw - 5, fh};
        }
    }
    if (haveFont && !panel.text.empty()) g.DrawString(panel.text, font, brush, layout, &format);
}

IntRect ButtonBox(const WindowRecord& r, const CaptionButton& b) {
    return {static_cast<int>(b.hit.x) - 1, r.stripY + 1, b.width, b.height};
}

gfx::GfxBitmap* ButtonImage(WindowRecord& r, CaptionButton& b) {
    if (b.command == kMaximize && r.maximized && !b.secondImage.empty())
        return Decoded(b.decodedSecond, b.secondImage);
    return Decoded(b.decoded, b.image);
}

// Frame coordinates are the window DC's: the caption may lie outside the client area.
void CopyToScreen(HWND window, const IntRect& box, HDC frame, bool withoutChildren) {
    gdi::WindowDc dc(window, true);
    if (!dc) return;
    if (withoutChildren) ExcludeChildren(window, dc.get(), true);
    BitBlt(dc.get(), box.x, box.y, box.width, box.height, frame, box.x, box.y, SRCCOPY);
}

void Separator(gfx::GfxGraphics& g, const WindowRecord& r, float x, int alpha) {
    gfx::GfxLinearGradientBrush brush;
    brush.CreateLineBrush({0, static_cast<float>(r.stripY)},
                          {0, static_cast<float>(r.stripY + r.stripHeight - 3)},
                          Argb(alpha, 0x000000), Argb(0, 0x000000));
    gfx::GfxPen pen;
    pen.CreateFromBrush(brush, 1);
    g.DrawLine(pen, x, static_cast<float>(r.stripY + 1), x,
               static_cast<float>(r.stripY + r.stripHeight - 4));
}

}  // namespace

void ApplyWindowShape(HWND window) {
    const SIZE size = FrameSize(window);
    gdi::Region wanted(CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, 5, 5));
    // Re-shaping a window costs the X server a round of shape requests: skip it
    // when the window already has exactly this shape. The system keeps the shape
    // cut to the window's rectangle, so both are compared inside it.
    gdi::Region current(CreateRectRgn(0, 0, 0, 0));
    gdi::Region bounds(CreateRectRgn(0, 0, size.cx, size.cy));
    gdi::Region cut(CreateRectRgn(0, 0, 0, 0));
    if (!wanted || !current || !bounds || !cut) return;
    if (GetWindowRgn(window, current.get()) != ERROR &&
        CombineRgn(current.get(), current.get(), bounds.get(), RGN_AND) != ERROR &&
        CombineRgn(cut.get(), wanted.get(), bounds.get(), RGN_AND) != ERROR &&
        EqualRgn(current.get(), cut.get()))
        return;
    // The region belongs to the window from here on. Whoever changed the size
    // repaints the whole window anyway.
    ++Counters().reshapes;
    if (SetWindowRgn(window, wanted.get(), FALSE)) wanted.release();
}

void FullFrameRender(int index, HDC, bool present) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    const HWND window = r->window;
    const SIZE size = FrameSize(window);
    const int W = size.cx, H = size.cy;
    r->rendering = true;
    ApplyWindowShape(window);
    // The shape change sends messages of its own: the record may have gone.
    r = Table().At(index, window);
    if (!r) return;
    r->rendering = false;

    const bool firstRender = !r->frame;
    HBITMAP bitmap = gdi::NewArgbDib(W, H, &r->frameBits);
    if (!r->frame.Select(bitmap)) return;
    r->frameWidth = std::max(W, 1);
    r->frameHeight = std::max(H, 1);
    if (firstRender)
        SetIntProp(window, prop::kFrameFirstBitmap,
                   reinterpret_cast<std::intptr_t>(r->frame.first()));
    SetIntProp(window, prop::kFrameBitmap, reinterpret_cast<std::intptr_t>(bitmap));
    HDC frameDc = r->frame.dc();
    ++Counters().frameRenders;
    ++r->renders;

    const BackgroundLook look = LookOf(*r, W, H);
    if (!r->background || !r->background->Fits(look)) r->background = BackgroundFor(look);
    if (r->background) BitBlt(frameDc, 0, 0, W, H, r->background->dc(), 0, 0, SRCCOPY);
    FrameSurface surface(*r, nullptr, false);
    gfx::GfxGraphics& g = *surface.g;
    // The rest of the render stays inside the background's rounded clip.
    gfx::GfxPath clip;
    clip.Create();
    AddRoundRect(clip, 0, 0, static_cast<float>(W), static_cast<float>(H), 4);
    g.SetClipPath(clip);

    TakeSnapshot(frameDc, r->captionSnapshot, {0, 0, W, r->captionHeight});
    TakeSnapshot(frameDc, r->barSnapshot, r->bottomBar);

    if (r->dragOption) {
        if (r->drawCaptionTitle) DrawCaptionTitle(index, &g, true);
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        for (int p = 2; p <= r->CaptionButtonCount(); ++p)
            DrawCaptionButton(index, p, &g, true, false);
        g.SetSmoothingMode(Gdiplus::SmoothingModeDefault);
    }
    if (r->bottomBarHeight > 0)
        for (int n = 1; n <= static_cast<int>(r->panelRects.size()); ++n)
            DrawPanel(index, &g, true, n);
    surface.Sync();
    if (r->menuRow.height > 0) {
        const RECT row = MenuRowBox(*r);
        TakeSnapshot(frameDc, r->menuSnapshot,
                     {row.left, row.top, row.right - row.left, row.bottom - row.top});
        DrawMenuRow(index, true);
    } else {
        r->menuSnapshot.reset();
    }

    r->frameDirty = false;
    if (!present) return;
    {
        gdi::WindowDc dc(window, true);
        if (dc) {
            ExcludeChildren(window, dc.get(), true);
            BitBlt(dc.get(), 0, 0, W, H, frameDc, 0, 0, SRCCOPY);
        }
    }
    RefreshSkinnedChildren(index);
}

bool FrameIsCurrent(const WindowRecord& r) {
    if (!r.frame.dc() || r.frameDirty) return false;
    const SIZE size = FrameSize(r.window);
    return std::max<LONG>(size.cx, 1) == r.frameWidth &&
           std::max<LONG>(size.cy, 1) == r.frameHeight;
}

RECT MenuRowBox(const WindowRecord& r) {
    return {kResizeBorder, r.menuRow.top, r.frameWidth - kResizeBorder,
            r.menuRow.top + r.menuRow.height};
}

void DrawMenuRow(int index, bool insideRender) {
    WindowRecord* r = Table().At(index);
    if (!r || !r->frame.dc() || r->menuRow.height <= 0) return;
    const RECT row = MenuRowBox(*r);
    const IntRect box{row.left, row.top, row.right - row.left, row.bottom - row.top};
    if (!insideRender && r->menuSnapshot.dc())
        BitBlt(r->frame.dc(), box.x, box.y, box.width, box.height, r->menuSnapshot.dc(), 0, 0,
               SRCCOPY);
    const MenuRow& menu = r->menuRow;
    {
        FrameSurface fg(*r, nullptr, true);
        gfx::GfxGraphics& g = *fg.g;
        const float x = static_cast<float>(box.x), y = static_cast<float>(box.y);
        const float w = static_cast<float>(box.width), h = static_cast<float>(box.height);
        VerticalGradientRect(g, x, y, w, h, y, y + h, Argb(45, kWhite), Argb(15, kWhite));
        gfx::GfxSolidBrush line;
        line.Create(Argb(70, kWhite));
        g.FillRectangle(line, x, y + h - 1, w, 1);
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            const bool open = static_cast<int>(i) == menu.open;
            const bool hot = static_cast<int>(i) == menu.hot;
            const MenuBarItem& item = menu.items[i];
            if ((!open && !hot) || (item.state & MFS_DISABLED) || item.text.empty()) continue;
            const RECT& b = item.box;
            gfx::GfxPath shape;
            shape.Create();
            AddRoundRect(shape, static_cast<float>(b.left), static_cast<float>(b.top + 1),
                         static_cast<float>(b.right - b.left - 1),
                         static_cast<float>(b.bottom - b.top - 3), 5);
            gfx::GfxSolidBrush fill;
            fill.Create(Argb(open ? 200 : 120, State().accentColour));
            g.FillPath(fill, shape);
            gfx::GfxPen edge;
            edge.Create(Argb(open ? 90 : 140, kWhite), 1);
            g.DrawPath(edge, shape);
        }
        fg.Sync();
    }
    // GDI text: crisp, and it draws the "&" mnemonics itself.
    HDC dc = r->frame.dc();
    gdi::SelectGuard font(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    const bool cues =
        menu.cues || !(SendMessageA(r->window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_CENTER | (cues ? 0 : DT_HIDEPREFIX);
    for (const MenuBarItem& item : menu.items) {
        if (item.text.empty()) continue;
        const std::string label = MenuItemLabel(item.text);
        RECT b = item.box;
        const bool disabled = item.state & MFS_DISABLED;
        if (!disabled) {
            RECT shadow = b;
            OffsetRect(&shadow, 1, 1);
            SetTextColor(dc, RGB(30, 30, 30));
            DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &shadow, format);
        }
        SetTextColor(dc, disabled ? RGB(150, 150, 150) : RGB(255, 255, 255));
        DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &b, format);
    }
    GdiFlush();
    if (!insideRender) CopyToScreen(r->window, box, dc, false);
}

void EnsureFrame(int index) {
    WindowRecord* r = Table().At(index);
    if (!r || r->rendering || IsIconic(r->window)) return;
    if (!FrameIsCurrent(*r)) FullFrameRender(index, nullptr, false);
}

void PaintNonClient(int index) {
    WindowRecord* r = Table().At(index);
    if (!r || IsIconic(r->window)) return;
    EnsureFrame(index);
    r = Table().At(index);
    if (!r || !r->frame.dc()) return;
    gdi::WindowDc dc(r->window, true);
    if (!dc) return;
    RECT client{};
    GetClientRect(r->window, &client);
    const POINT origin = ClientOrigin(r->window);
    OffsetRect(&client, origin.x, origin.y);
    ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
    BitBlt(dc.get(), 0, 0, r->frameWidth, r->frameHeight, r->frame.dc(), 0, 0, SRCCOPY);
    r->nonClientShows = r->renders;
}

void FastFrameCopy(int index, HDC dc) {
    WindowRecord* r = Table().At(index);
    if (!r || !r->frame.dc()) return;
    RECT client{};
    GetClientRect(r->window, &client);
    const POINT origin = ClientOrigin(r->window);
    ExcludeChildren(r->window, dc, false);
    BitBlt(dc, 0, 0, client.right, client.bottom, r->frame.dc(), origin.x, origin.y, SRCCOPY);
}

void DrawCaptionTitle(int index, gfx::GfxGraphics* graphics, bool insideRender,
                      std::optional<std::string> text) {
    WindowRecord* r = Table().At(index);
    if (!r || !r->frame.dc()) return;
    const int B = kResizeBorder;
    const IntRect box{B + 6, B + 1, r->frameWidth - r->stripWidth - 10 - 2 * B, 32};
    if (!insideRender)
        BitBlt(r->frame.dc(), box.x, box.y, box.width, box.height, r->captionSnapshot.dc(), box.x,
               box.y, SRCCOPY);
    FrameSurface fg(*r, insideRender ? graphics : nullptr, false);
    if (State().appIcon) {
        fg.Sync();
        DrawIconEx(r->frame.dc(), box.x, box.y, State().appIcon, 17, 17, 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    std::string title;
    if (text) {
        title = *text;
    } else {
        std::string buf(static_cast<std::size_t>(GetWindowTextLengthA(r->window)) + 1, '\0');
        buf.resize(static_cast<std::size_t>(
            GetWindowTextA(r->window, buf.data(), static_cast<int>(buf.size()))));
        title = std::move(buf);
    }
    // The text box starts 20 pixels in and is as wide as the title box; the
    // halo reaches one pixel further each way.
    const int layerWidth = box.width + 22, layerHeight = 36;
    const std::string key =
        title + '\x1f' + std::to_string(box.width) + '\x1f' + r->titleFontName + '\x1f' +
        std::to_string(r->titleFontSize) + '\x1f' + std::to_string(r->titleFontOption) + '\x1f' +
        std::to_string(r->titleColour) + '\x1f' + std::to_string(r->titleShadowColour);
    gfx::GfxBitmap* layer =
        CachedTextLayer(r->titleLayer, key, layerWidth, layerHeight, [&](gfx::GfxGraphics& g) {
            DrawHaloText(g, title, {20, 2, static_cast<float>(box.width), 32}, r->titleColour,
                         r->titleShadowColour, 1, r->titleFontName,
                         r->titleFontOption ? Gdiplus::FontStyleBold : 0,
                         static_cast<float>(r->titleFontSize));
        });
    if (layer) fg.g->DrawImageStretchedI(*layer, box.x, box.y, layerWidth, layerHeight);
    if (!insideRender) {
        fg.Sync();
        CopyToScreen(r->window, box, r->frame.dc(), true);
    }
}

void DrawCaptionButton(int index, int position, gfx::GfxGraphics* graphics, bool insideRender,
                       bool pressed, std::optional<int> alpha) {
    WindowRecord* r = Table().At(index);
    if (!r || !r->frame.dc() || position < 2) return;
    CaptionButton* b = r->CaptionAt(position);
    if (!b) return;
    const IntRect box = ButtonBox(*r, *b);
    const float x = static_cast<float>(box.x), y = static_cast<float>(box.y);
    const float w = static_cast<float>(box.width), h = static_cast<float>(box.height);
    const bool close = b->command == kClose;
    // The gloss reaches one pixel past each side of the box; restoring (and later
    // copying) that wider box keeps repeated redraws from piling gloss up there.
    const IntRect wide{box.x - 1, box.y, box.width + 2, box.height};

    if (pressed) {
        BitBlt(r->frame.dc(), wide.x, wide.y, wide.width, wide.height, r->captionSnapshot.dc(),
               wide.x, wide.y, SRCCOPY);
        FrameSurface fg(*r, nullptr, false);
        gfx::GfxPath shape;
        shape.Create();
        if (close)
            AddTopRightRoundedOutline(shape, x, y, w, h, 5);
        else
            shape.AddPathRectangle(x, y, w, h);
        VerticalGradientFill(*fg.g, shape, y, y + h,
                             close ? Argb(255, 0x0000FF) : Argb(80, 0x000000),
                             close ? Argb(30, 0xFFFFFF) : Argb(5, 0xFFFFFF));
        if (gfx::GfxBitmap* image = ButtonImage(*r, *b))
            fg.g->DrawImageStretched(*image, x, y, w - 1, h);
        fg.Sync();
        CopyToScreen(r->window, wide, r->frame.dc(), false);
        return;
    }

    if (!insideRender) {
        BitBlt(r->frame.dc(), wide.x, wide.y, wide.width, wide.height, r->captionSnapshot.dc(),
               wide.x, wide.y, SRCCOPY);
    }
    FrameSurface fg(*r, insideRender ? graphics : nullptr, true);
    gfx::GfxGraphics& g = *fg.g;
    const int a = alpha.value_or(0);
    if (a > 0) {  // at alpha 0 every layer of the highlight is invisible
        gfx::GfxPath top;
        top.Create();
        AddTopRoundedOutline(top, x, y, w, h, 1);
        VerticalGradientFill(g, top, y, y + h, Argb(a / 5, 0x000000), Argb(0, 0xFFFFFF));
        gfx::GfxPath accentShape;
        accentShape.Create();
        if (close)
            AddTopRightRoundedOutline(accentShape, x, y, w, h, 5);
        else
            AddTopRoundedOutline(accentShape, x, y, w, h, 1);
        VerticalGradientFill(g, accentShape, y, y + h,
                             Argb(a, close ? 0x0000FF : State().accentColour), Argb(0, 0xFFFFFF));
        gfx::GfxPath outline;
        outline.Create();
        if (close)
            AddTopRightRoundedOutline(outline, x, y, w, h, 5);
        else
            AddTopRoundedOutline(outline, x, y, w - 1,
                                 static_cast<float>(static_cast<int>(h * 0.8f)), 1);
        gfx::GfxLinearGradientBrush edge;
        edge.CreateLineBrush({0, y}, {0, y + h}, Argb(static_cast<int>(a * 0.8), 0xFFFFFF),
                             Argb(0, 0xFFFFFF));
        gfx::GfxPen pen;
        pen.CreateFromBrush(edge, 1);
        g.DrawPath(pen, outline);
    }
    VerticalGradientRect(g, x - 1, y, w + 1, h - 1, y, y + h - 1, Argb(50, 0xFFFFFF),
                         Argb(0, 0x000000));
    if (gfx::GfxBitmap* image = ButtonImage(*r, *b)) g.DrawImageStretched(*image, x, y, w, h);

    Separator(g, *r, b->hit.x - 2, position == 2 ? 100 : 60);
    // The next button's separator lies in this button's box, which a redraw
    // restores from the snapshot; in a full render the next button draws it
    // itself, and drawing it twice would leave it darker than any redraw.
    if (!insideRender)
        if (CaptionButton* next = r->CaptionAt(position + 1)) Separator(g, *r, next->hit.x - 2, 60);

    if (!insideRender) {
        fg.Sync();
        CopyToScreen(r->window, wide, r->frame.dc(), true);
    }
}

void DrawPanel(int index, gfx::GfxGraphics* graphics, bool insideRender, int number) {
    WindowRecord* r = Table().At(index);
    if (!r || !r->frame.dc() || number < 1 || number > static_cast<int>(r->panelRects.size()) ||
        number > static_cast<int>(r->panels.size()))
        return;
    const IntRect rect = r->panelRects[static_cast<std::size_t>(number - 1)];
    const Panel& panel = r->panels[static_cast<std::size_t>(number - 1)];
    if (!insideRender) {
        BitBlt(r->frame.dc(), rect.x, rect.y, rect.width, rect.height, r->barSnapshot.dc(),
               rect.x - r->bottomBar.x, rect.y - r->bottomBar.y, SRCCOPY);
    }
    FrameSurface fg(*r, insideRender ? graphics : nullptr, false);
    gfx::GfxGraphics& g = *fg.g;
    const float x = static_cast<float>(rect.x), y = static_cast<float>(rect.y);
    const float w = static_cast<float>(rect.width), h = static_cast<float>(rect.height);
    VerticalGradientRect(g, x, y, w, h, y, y + h, Argb(60, 0xFFFFFF), Argb(10, 0xFFFFFF));

    if (!panel.text.empty() || !panel.image.empty()) {
        if (r->panelLayers.size() < r->panels.size()) r->panelLayers.resize(r->panels.size());
        const std::string_view imageBytes(reinterpret_cast<const char*>(panel.image.data()),
                                          panel.image.size());
        const std::string key = panel.text + '\x1f' +
                                std::to_string(std::hash<std::string_view>{}(imageBytes)) + '\x1f' +
                                std::to_string(panel.option) + '\x1f' + std::to_string(rect.width) +
                                'x' + std::to_string(rect.height) + '\x1f' + r->barFontName +
                                '\x1f' + std::to_string(r->barFontSize);
        gfx::GfxBitmap* layer =
            CachedTextLayer(r->panelLayers[static_cast<std::size_t>(number - 1)], key, rect.width,
                            rect.height, [&](gfx::GfxGraphics& lg) {
                                DrawPanelContent(lg, *r, panel, rect.width, rect.height);
                            });
        if (layer) g.DrawImageStretchedI(*layer, rect.x, rect.y, rect.width, rect.height);
    }
    if (!insideRender) {
        fg.Sync();
        CopyToScreen(r->window, rect, r->frame.dc(), false);
    }
}

void ExcludeChildren(HWND window, HDC dc, bool windowDc) {
    if (!dc) return;
    POINT origin{0, 0};
    if (windowDc) {
        RECT w{};
        GetWindowRect(window, &w);
        origin = {w.left, w.top};
    } else {
        ClientToScreen(window, &origin);
    }
    for (HWND c : ChildrenOfClass(window, nullptr)) {
        if (!IsWindowVisible(c) || HasExStyle(c, WS_EX_TRANSPARENT)) continue;
        RECT cr;
        GetWindowRect(c, &cr);
        OffsetRect(&cr, -origin.x, -origin.y);
        ExcludeClipRect(dc, cr.left, cr.top, cr.right, cr.bottom);
    }
}

void RefreshSkinnedChildren(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    const HWND window = r->window;
    r->ForEachControlList([window](auto& list, ListKind kind) {
        // List-type controls repaint their inner windows too; controls with a
        // text area of their own are erased; the rest paint over everything.
        const bool withChildren = kind == ListKind::kListTypes;
        const bool erase = withChildren || kind == ListKind::kEdits || kind == ListKind::kCombos;
        const bool refreshed = erase || kind == ListKind::kButtons ||
                               kind == ListKind::kTrackbars || kind == ListKind::kProgressBars ||
                               kind == ListKind::kUpDowns || kind == ListKind::kStatics;
        if (!refreshed) return;
        for (auto& e : list.entries()) {
            if (!e.window || GetParent(e.window) != window) continue;
            InvalidateRect(e.window, nullptr, erase);
            if (!withChildren) continue;
            for (HWND c : ChildrenOfClass(e.window, nullptr))
                if (IsWindowVisible(c)) InvalidateRect(c, nullptr, TRUE);
        }
    });
}

}  // namespace skin
