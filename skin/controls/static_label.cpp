// Skinned statics. A label keeps the system's own text layout (DrawText with the
// flags its style asks for) but draws transparently over the picture, in the
// colour the program chose or one readable on that picture; a disabled label is
// dimmed towards the picture. Icons, bitmaps and metafiles are drawn as the
// program set them; etched lines and frames as a dark and a light line that
// show on any picture.
#include "skin/controls/static_label.h"

#include <string>

#include "gfx/gfx.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/look_cache.h"
#include "skin/base/skin_state.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/text_look.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

enum class Kind { kText, kIcon, kBitmap, kMetafile, kEtchedLine, kEtchedFrame, kNative };

Kind KindOf(LONG style) {
    switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP: return Kind::kText;
        case SS_ICON: return Kind::kIcon;
        case SS_BITMAP: return Kind::kBitmap;
        case SS_ENHMETAFILE: return Kind::kMetafile;
        case SS_ETCHEDHORZ:
        case SS_ETCHEDVERT: return Kind::kEtchedLine;
        case SS_ETCHEDFRAME: return Kind::kEtchedFrame;
        default: return Kind::kNative;  // owner-drawn, user items, filled and framed rectangles
    }
}

Kind KindOf(HWND label) { return KindOf(GetWindowLongA(label, GWL_STYLE)); }

// The etched look: a dark line and a light one beside it, as the toolbar's
// separators are drawn.
constexpr int kDarkAlpha = 100, kLightAlpha = 150;

std::string TextOf(HWND label) {
    const int n = GetWindowTextLengthA(label);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0) + 1, '\0');
    const int got = GetWindowTextA(label, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

void DrawLabelText(ControlCanvas& canvas, HWND label, LONG style, const RECT& rc,
                   std::optional<COLORREF> chosen) {
    const std::string text = TextOf(label);
    if (text.empty()) return;
    HDC dc = canvas.dc();
    COLORREF colour = TextColourOver(chosen, canvas, rc);
    if (!IsWindowEnabled(label)) colour = Dimmed(colour, canvas.MeanColour(rc));
    auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    gdi::SelectGuard select(dc, font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box = rc;
    UINT format = StaticTextFormat(style, GetWindowLongA(label, GWL_EXSTYLE));
    std::string shown = text;
    if (!(format & DT_NOPREFIX) && !KeyboardCuesShown(label)) {
        shown = WithoutMnemonics(text);
        format |= DT_NOPREFIX;
    }
    DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &box, format);
}

// A font by what it is, not by its handle (a handle may be reused).
std::string FontKey(HFONT font) {
    LOGFONTA lf{};
    if (!font || !GetObjectA(font, sizeof lf, &lf)) return {};
    return std::string(reinterpret_cast<const char*>(&lf), sizeof lf);
}

// Everything besides the background that a text or etched label is drawn from.
std::uint64_t TextLookState(HWND label, LONG style, std::optional<COLORREF> chosen) {
    return LookKey()
        .Add(TextOf(label))
        .Add(static_cast<std::uint64_t>(static_cast<DWORD>(style)))
        .Add(static_cast<std::uint64_t>(static_cast<DWORD>(GetWindowLongA(label, GWL_EXSTYLE))))
        .Add(FontKey(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0))))
        .Add(IsWindowEnabled(label) != 0)
        .Add(KeyboardCuesShown(label))
        .Add(chosen)
        .value();
}

SIZE IconSize(HICON icon) {
    SIZE size{};
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bm{};
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bm, &bm)) {
        size = {bm.bmWidth, bm.bmHeight};
    } else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof bm, &bm)) {
        size = {bm.bmWidth, bm.bmHeight / 2};  // a monochrome icon: mask and image stacked
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

// Where an image of `size` goes: the whole client area, or centred at its own
// size with SS_CENTERIMAGE (as the native control places it).
RECT ImagePlace(LONG style, const RECT& rc, SIZE size) {
    if (!(style & SS_CENTERIMAGE)) return rc;
    const LONG x = (rc.right - rc.left) / 2 - size.cx / 2,
               y = (rc.bottom - rc.top) / 2 - size.cy / 2;
    return {x, y, x + size.cx, y + size.cy};
}

void DrawIconImage(HDC dc, HWND label, LONG style, const RECT& rc) {
    auto icon = reinterpret_cast<HICON>(SendMessageA(label, STM_GETICON, 0, 0));
    if (!icon) return;
    const RECT at = ImagePlace(style, rc, IconSize(icon));
    DrawIconEx(dc, at.left, at.top, icon, at.right - at.left, at.bottom - at.top, 0, nullptr,
               DI_NORMAL);
}

void DrawBitmapImage(HDC dc, HWND label, LONG style, const RECT& rc) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(label, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP bm{};
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return;
    gdi::MemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    gdi::SelectGuard select(source.get(), bitmap);
    const RECT at = ImagePlace(style, rc, {bm.bmWidth, bm.bmHeight});
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, source.get(), 0, 0,
               bm.bmWidth, bm.bmHeight, SRCCOPY);
}

void DrawMetafile(HDC dc, HWND label, const RECT& rc) {
    auto metafile =
        reinterpret_cast<HENHMETAFILE>(SendMessageA(label, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0));
    if (metafile && GetObjectType(metafile) == OBJ_ENHMETAFILE) PlayEnhMetaFile(dc, metafile, &rc);
}

void StrokeRect(gfx::GfxGraphics& g, float x, float y, float w, float h, std::uint32_t argb) {
    gfx::GfxPen pen;
    if (pen.Create(argb, 1)) g.DrawRectangle(pen, x, y, w, h);
}

void FillBand(gfx::GfxGraphics& g, float x, float y, float w, float h, std::uint32_t argb) {
    gfx::GfxSolidBrush brush;
    if (brush.Create(argb)) g.FillRectangle(brush, x, y, w, h);
}

// A horizontal line is two rows at the top of the window, a vertical one two
// columns at its left: dark first, then light.
void DrawEtchedLine(ControlCanvas& canvas, LONG style) {
    gfx::GfxGraphics& g = canvas.graphics();
    const float w = static_cast<float>(canvas.width()), h = static_cast<float>(canvas.height());
    if ((style & SS_TYPEMASK) == SS_ETCHEDHORZ) {
        FillBand(g, 0, 0, w, 1, Argb(kDarkAlpha, kBlack));
        FillBand(g, 0, 1, w, 1, Argb(kLightAlpha, kWhite));
    } else {
        FillBand(g, 0, 0, 1, h, Argb(kDarkAlpha, kBlack));
        FillBand(g, 1, 0, 1, h, Argb(kLightAlpha, kWhite));
    }
}

void DrawEtchedFrame(ControlCanvas& canvas) {
    gfx::GfxGraphics& g = canvas.graphics();
    const float w = static_cast<float>(canvas.width()), h = static_cast<float>(canvas.height());
    if (w < 2 || h < 2) return;
    StrokeRect(g, 0, 0, w - 2, h - 2, Argb(kDarkAlpha, kBlack));
    StrokeRect(g, 1, 1, w - 2, h - 2, Argb(kLightAlpha, kWhite));
}

// An etched line's look lies in its frame: it is painted over the whole window.
bool PaintsWholeWindow(Kind kind) { return kind == Kind::kEtchedLine; }

RECT WindowBox(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

// ---- The subclass procedure's handlers.

LRESULT OnPaint(const Msg& m) {
    return PaintWhole(m, [](HWND w) { return PaintStatic(w); });
}

// The native control paints at once (not through WM_PAINT) after these; the
// skinned look goes over it before anything reaches the screen.
LRESULT RepaintAfterNative(const Msg& m) {
    const LRESULT result = CallPrevious(m);
    PaintStatic(m.window);
    return result;
}

LRESULT OnNcPaint(const Msg& m) {
    if (!PaintsWholeWindow(KindOf(m.window))) return CallPrevious(m);
    if (!NonClientPaintsWhole(m.window)) return 0;
    if (!PaintStatic(m.window)) return CallPrevious(m);
    return 0;
}

// A moved label shows another part of the picture behind it.
LRESULT OnMove(const Msg& m) {
    InvalidateRect(m.window, nullptr, FALSE);
    return CallPrevious(m);
}

LRESULT OnPrintClient(const Msg& m) {
    if (!PaintStatic(m.window, reinterpret_cast<HDC>(m.wp))) return CallPrevious(m);
    return 0;
}

LRESULT Dispatch(const Msg& m) {
    if (!FindRecord(m.window, &WindowRecord::statics)) return CallPrevious(m);
    switch (m.message) {
        case WM_MOVE: return OnMove(m);
        case WM_PAINT: return OnPaint(m);
        case WM_PRINTCLIENT: return OnPrintClient(m);
        case WM_ERASEBKGND: return EraseNothing(m);
        case WM_NCPAINT: return OnNcPaint(m);
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_SYSCOLORCHANGE:
        case STM_SETICON:
        case STM_SETIMAGE: return RepaintAfterNative(m);
        case WM_UPDATEUISTATE: return OnUpdateUiState(m);
        default: return CallPrevious(m);
    }
}

}  // namespace

LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(window, message, wParam, lParam);
}

void SkinStaticChildren(int index, HWND parent) {
    if (!Table().At(index) || !State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, "Static")) {
        if (KindOf(c) == Kind::kNative) continue;
        if (AddAndSubclass(index, c, &WindowRecord::statics, StaticRecord{}, StaticProc))
            RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

UINT StaticTextFormat(LONG style, LONG exStyle) {
    UINT format = 0;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER: format = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK; break;
        case SS_RIGHT: format = DT_RIGHT | DT_EXPANDTABS | DT_WORDBREAK; break;
        case SS_SIMPLE: format = DT_LEFT | DT_SINGLELINE; break;
        case SS_LEFTNOWORDWRAP: format = DT_LEFT | DT_EXPANDTABS; break;
        default: format = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK; break;
    }
    if (exStyle & WS_EX_RIGHT) format = DT_RIGHT | (format & ~(DT_LEFT | DT_CENTER));
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    if ((style & SS_TYPEMASK) == SS_SIMPLE) return format;
    if (style & SS_CENTERIMAGE) format |= DT_SINGLELINE | DT_VCENTER;
    if (style & SS_EDITCONTROL) format |= DT_EDITCONTROL;
    // The three ellipsis styles share two bits: one value each, not flags.
    switch (style & SS_ELLIPSISMASK) {
        case SS_ENDELLIPSIS: format |= DT_SINGLELINE | DT_END_ELLIPSIS; break;
        case SS_PATHELLIPSIS: format |= DT_SINGLELINE | DT_PATH_ELLIPSIS; break;
        case SS_WORDELLIPSIS: format |= DT_SINGLELINE | DT_WORD_ELLIPSIS; break;
        default: break;
    }
    return format;
}

bool PaintStatic(HWND label, HDC target) {
    if (!FindRecord(label, &WindowRecord::statics)) return false;
    const LONG style = GetWindowLongA(label, GWL_STYLE);
    const Kind kind = KindOf(style);
    const bool whole = PaintsWholeWindow(kind);
    RECT rc{};
    if (whole)
        rc = WindowBox(label);
    else
        GetClientRect(label, &rc);
    if (rc.right <= 0 || rc.bottom <= 0) return true;  // nothing to show
    ControlCanvas canvas(label, rc);
    if (!canvas) return false;
    // Text and etched looks are kept; images are drawn each time, since a
    // program may change an image's pixels under the same handle.
    const bool keep = kind == Kind::kText || kind == Kind::kEtchedLine || kind == Kind::kEtchedFrame;
    const std::optional<COLORREF> chosen =
        kind == Kind::kText ? ProgramTextColour(label, canvas.dc(), true) : std::nullopt;
    if (!keep || !canvas.Recall(TextLookState(label, style, chosen))) {
        switch (kind) {
            case Kind::kText: DrawLabelText(canvas, label, style, rc, chosen); break;
            case Kind::kIcon: DrawIconImage(canvas.dc(), label, style, rc); break;
            case Kind::kBitmap: DrawBitmapImage(canvas.dc(), label, style, rc); break;
            case Kind::kMetafile: DrawMetafile(canvas.dc(), label, rc); break;
            case Kind::kEtchedLine: DrawEtchedLine(canvas, style); break;
            case Kind::kEtchedFrame: DrawEtchedFrame(canvas); break;
            case Kind::kNative: break;
        }
        if (keep) canvas.Keep();
    }
    if (target)
        canvas.CopyTo(target);
    else
        canvas.CopyToScreen(whole ? Surface::kWindow : Surface::kClient);
    return true;
}

}  // namespace skin
