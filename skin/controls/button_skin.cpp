// Skinned push buttons, check boxes and radio buttons: the subclass procedure that
// tracks hover, press and focus, and the painters that draw over the background.
#include "skin/controls/button_skin.h"
#include "skin/controls/control_paint.h"

#include <span>
#include <string>

#include "gfx/gfx.h"
#include "resources/skin_images.h"
#include "skin/base/shapes.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/look_cache.h"
#include "skin/base/skin_state.h"
#include "skin/base/focus_cues.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/text_look.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

namespace gp = Gdiplus;

constexpr float kCorner = 5;

// The record the button's properties lead to; null when they lead nowhere or
// to another window's entry.
ButtonRecord* RecordOf(HWND window) { return FindRecord(window, &WindowRecord::buttons).entry; }

COLORREF TextColour(HWND window) {
    return static_cast<COLORREF>(GetIntProp(window, prop::kTextColour));
}

bool Has(UINT itemState, UINT flag) { return (itemState & flag) == flag; }

// Repaints requested outside WM_DRAWITEM would otherwise show a disabled button
// with its enabled face.
UINT WithEnabledState(HWND window, UINT itemState) {
    return IsWindowEnabled(window) ? itemState : itemState | ODS_DISABLED;
}

// The control's box in float coordinates, as the painters use it.
struct Box {
    float x, y, w, h;
    explicit Box(const RECT& r)
        : x(static_cast<float>(r.left)),
          y(static_cast<float>(r.top)),
          w(static_cast<float>(r.right - r.left)),
          h(static_cast<float>(r.bottom - r.top)) {}
};

gfx::GfxPath RoundedBox(float x, float y, float w, float h, float d = kCorner) {
    return RoundPath(x, y, w, h, d);
}

gfx::GfxPath Ellipse(float x, float y, float w, float h) {
    gfx::GfxPath path;
    path.Create();
    path.AddPathEllipse(x, y, w, h);
    return path;
}

void FillLinear(gfx::GfxGraphics& g, const gfx::GfxPath& path, gp::PointF from, gp::PointF to,
                std::uint32_t fromArgb, std::uint32_t toArgb) {
    gfx::GfxLinearGradientBrush brush;
    brush.CreateLineBrush(from, to, fromArgb, toArgb);
    g.FillPath(brush, path);
}

void FillVertical(gfx::GfxGraphics& g, const gfx::GfxPath& path, float top, float bottom,
                  std::uint32_t fromArgb, std::uint32_t toArgb) {
    FillLinear(g, path, {0, top}, {0, bottom}, fromArgb, toArgb);
}

void Outline(gfx::GfxGraphics& g, const gfx::GfxPath& path, std::uint32_t argb) {
    gfx::GfxPen pen;
    pen.Create(argb, 1);
    g.DrawPath(pen, path);
}

// One fill of a radial glow: centre colour fading to transparent white at the rim.
void FillRadial(gfx::GfxGraphics& g, const gfx::GfxPath& path, gp::ARGB centre, gp::ARGB surround,
                float focus) {
    gfx::GfxPathGradientBrush brush;
    if (!brush.CreatePathGradientFromPath(path)) return;
    brush.SetCenterColor(centre);
    brush.SetSurroundColorsWithCount(std::span<const gp::ARGB>(&surround, 1));
    if (focus > 0) brush.SetFocusScales(focus, focus);
    g.FillPath(brush, path);
}

// The hover halo: the ring of `halo` outside `mark`, white then accent.
void DrawHalo(gfx::GfxGraphics& g, const gfx::GfxPath& mark, const gfx::GfxPath& halo) {
    g.SetClipPath(mark);
    g.SetClipPath(halo, gp::CombineModeXor);
    FillRadial(g, halo, Argb(255, kWhite), Argb(0, kWhite), 0.4f);
    FillRadial(g, halo, Argb(255, State().accentColour), Argb(0, kWhite), 0.3f);
    g.ResetClip();
}

// Silver face with a faint rounded outline; shared by all three kinds.
void DrawDisabledFace(gfx::GfxGraphics& g, const Box& b) {
    gfx::GfxSolidBrush silver;
    silver.Create(Argb(255, kSilver));
    g.FillRectangle(silver, b.x, b.y, b.w, b.h);
    Outline(g, RoundedBox(b.x, b.y, b.w - 1, b.h - 1), Argb(80, kBlack));
}

// The record's text in its font and colour; a font that is not installed leaves
// the text out. "&x" is the mnemonic x, underlined while keyboard cues show.
void DrawLabel(gfx::GfxGraphics& g, HWND window, const ButtonRecord& record,
               const gp::RectF& layout, gp::StringAlignment align, gp::Unit unit, COLORREF colour) {
    if (record.text.empty()) return;
    gfx::GfxFont font;
    if (!font.Create(record.fontName, static_cast<float>(record.fontSize), record.fontStyle, unit))
        return;
    gfx::GfxStringFormat format;
    format.Create();
    format.SetAlign(align);
    format.SetLineAlign(gp::StringAlignmentCenter);
    format.SetHotkeyPrefix(HotkeyPrefixFor(window));
    gfx::GfxSolidBrush brush;
    brush.Create(Argb(255, colour));
    g.DrawString(record.text, font, brush, layout, &format);
}

// Everything besides the background that a button's look is drawn from.
LookKey LookState(HWND window, UINT itemState, int kind) {
    LookKey key;
    key.Add(itemState).Add(static_cast<std::uint64_t>(kind)).Add(State().accentColour);
    key.Add(static_cast<std::uint64_t>(HotkeyPrefixFor(window)));
    if (const ButtonRecord* record = RecordOf(window))
        key.Add(record->text).Add(record->fontName).Add(static_cast<std::uint64_t>(record->fontSize))
            .Add(static_cast<std::uint64_t>(record->fontStyle));
    return key;
}

void DrawPushFace(gfx::GfxGraphics& g, const Box& b, UINT itemState) {
    const gfx::GfxPath face = RoundedBox(b.x, b.y, b.w - 1, b.h - 1);
    FillSolid(g, face, Argb(120, kWhite));
    if (Has(itemState, ODS_DISABLED)) {
        DrawDisabledFace(g, b);
        return;
    }
    const COLORREF accent = State().accentColour;
    FillVertical(g, face, b.y, b.y + b.h - 1, Argb(0, kWhite), Argb(60, kGrey));
    gfx::GfxPath gloss;
    gloss.Create();
    AddTopRoundedOutline(gloss, b.x, b.y, b.w - 1, b.h * 0.5f, kCorner);
    FillVertical(g, gloss, b.y, b.y + b.h * 0.5f, Argb(50, kWhite), Argb(10, kWhite));
    if (Has(itemState, ODS_HOTLIGHT)) {
        FillVertical(g, face, b.y, b.y + b.h - 1, Argb(60, accent), Argb(10, accent));
        Outline(g, face, Argb(255, accent));
    } else if (Has(itemState, ODS_FOCUS)) {
        DrawGlow(g, face, 3, kGlow, 120);
        Outline(g, face, Argb(70, kBlack));
    } else {
        Outline(g, face, Argb(120, kBlack));
    }
    if (Has(itemState, ODS_SELECTED)) {
        FillVertical(g, RoundedBox(b.x + 2, b.y + 2, b.w - 3, b.h - 3), 2, b.h - 2,
                     Argb(60, accent), Argb(100, kWhite));
    }
}

// ---- The tinted check mark, kept as plain pixels so no GDI+ object outlives GDI+.

struct Pixels {
    int width = 0, height = 0;
    std::vector<gp::ARGB> argb;  // rows top to bottom
};

Pixels DecodeCheckMark() {
    Pixels p;
    gfx::GfxBitmap image;
    if (!image.LoadFromBytes({res::check_png.data, res::check_png.size})) return p;
    p.width = image.GetWidth();
    p.height = image.GetHeight();
    p.argb.resize(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.argb[static_cast<std::size_t>(y * p.width + x)] = image.GetPixel(x, y);
    return p;
}

// Multiplies each channel by the accent's, keeping the pixel's own alpha: the
// white tick takes the accent colour and its dark halo stays dark.
gp::ARGB TintPixel(gp::ARGB pixel, COLORREF accent) {
    const unsigned alpha = pixel >> 24;
    if (alpha == 0) return pixel;
    const unsigned r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    const unsigned nr = GetRValue(accent) * r / 255, ng = GetGValue(accent) * g / 255,
                   nb = GetBValue(accent) * b / 255;
    return (alpha << 24) | (nr << 16) | (ng << 8) | nb;
}

// The tinted mark for the current accent colour, recomputed only when it changes.
const Pixels& TintedMarkPixels() {
    static Pixels source;
    static Pixels tinted;
    static COLORREF tintedFor = 0;
    if (source.argb.empty()) {
        source = DecodeCheckMark();
        tinted = {};
    }
    const COLORREF accent = State().accentColour;
    if (tinted.argb.empty() || tintedFor != accent) {
        tinted = source;
        for (gp::ARGB& px : tinted.argb) px = TintPixel(px, accent);
        tintedFor = accent;
    }
    return tinted;
}

// A bitmap over the pixels (which must outlive it).
bool WrapPixels(const Pixels& p, gfx::GfxBitmap& bitmap) {
    if (p.argb.empty()) return false;
    return bitmap.CreateFromScan0(p.width, p.height, p.width * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(const_cast<gp::ARGB*>(p.argb.data())));
}

// ---- Check boxes and radio buttons.

struct SmallButton {
    Box box;
    float top;  // top of the 12-pixel mark, centred vertically
    bool checked;
};

void DrawRadioMark(gfx::GfxGraphics& g, const SmallButton& s, UINT itemState) {
    const Box& b = s.box;
    const float x = b.x, top = s.top;
    const COLORREF accent = State().accentColour;
    g.SetSmoothingMode(gp::SmoothingModeAntiAlias);
    const gfx::GfxPath circle = Ellipse(x + 2, top, 12, 12);
    FillSolid(g, circle, Argb(255, kWhite));
    FillLinear(g, circle, {x + 3, top + 1}, {x + 10, top + 11}, Argb(100, kBlack), Argb(0, kBlack));
    if (Has(itemState, ODS_HOTLIGHT)) DrawHalo(g, circle, Ellipse(x - 1, top - 3, 18, 18));
    Outline(g, circle, Argb(200, kBlack));
    Outline(g, Ellipse(x + 3, b.y + static_cast<int>((b.h - 11) / 2) + 1, 9, 9), Argb(255, kWhite));
    if (s.checked) {
        const gfx::GfxPath dot = Ellipse(x + 5, top + 3, 6, 6);
        Outline(g, dot, Argb(150, kBlack));
        Outline(g, dot, Argb(150, accent));
        FillRadial(g, dot, Argb(80, kWhite), Argb(255, accent), 0);
    }
}

void DrawCheckMark(gfx::GfxGraphics& g, const SmallButton& s, UINT itemState) {
    const Box& b = s.box;
    const float x = b.x, top = s.top;
    gfx::GfxPath box;
    box.Create();
    box.AddPathRectangle(x + 1, top + 1, 11, 11);
    FillSolid(g, box, Argb(255, kWhite));
    FillVertical(g, box, top, top + 12, Argb(70, kBlack), Argb(255, kWhite));
    if (Has(itemState, ODS_HOTLIGHT)) {
        DrawHalo(g, box, RoundedBox(x - 3, top - 3, 18, 18, 6));
        const float markTop = b.y + static_cast<int>((b.h - 11) / 2);
        FillLinear(g, box, {x, markTop}, {x + 12, markTop + 12}, Argb(90, State().accentColour),
                   Argb(30, kWhite));
    }
    Outline(g, box, Argb(150, kBlack));
    gfx::GfxPath inner;
    inner.Create();
    inner.AddPathRectangle(x + 1, top + 1, 10, 10);
    Outline(g, inner, Argb(255, kWhite));
    if (s.checked) {
        const Pixels& mark = TintedMarkPixels();
        gfx::GfxBitmap image;
        if (!WrapPixels(mark, image)) return;  // an undecodable mark leaves the rest painted
        // Drawn twice so the soft edge pixels come out stronger.
        for (int i = 0; i < 2; ++i)
            g.DrawImageStretchedI(image, static_cast<int>(x), static_cast<int>(top), mark.width,
                                  mark.height);
    }
}

using MarkPainter = void (*)(gfx::GfxGraphics&, const SmallButton&, UINT);

// The focus glow of a push button shows only while focus cues do.
UINT WithFocusCues(HWND window, UINT itemState) {
    if (!Has(itemState, ODS_FOCUS)) return itemState;
    if (Has(itemState, ODS_NOFOCUSRECT) || !FocusCuesShown(window)) itemState &= ~ODS_FOCUS;
    return itemState;
}

// The common frame of the check-box and radio painters: background, mark, text.
void PaintSmallButton(HWND window, UINT itemState, MarkPainter drawMark, float textOffset) {
    RECT rect{};
    GetClientRect(window, &rect);
    ControlCanvas canvas(window, rect);
    if (!canvas) return;
    const SmallButton s{Box(rect), static_cast<float>(rect.top + (rect.bottom - rect.top - 12) / 2),
                        SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED};
    const std::optional<COLORREF> chosen = ProgramTextColour(window, canvas.dc(), true);
    const bool focusShown = FocusShown(window);
    LookKey key = LookState(window, itemState, drawMark == DrawRadioMark ? kRadioButton : kCheckBox);
    if (!canvas.Recall(key.Add(s.checked).Add(focusShown).Add(chosen).value())) {
        gfx::GfxGraphics& g = canvas.graphics();
        if (Has(itemState, ODS_DISABLED))
            DrawDisabledFace(g, s.box);
        else
            drawMark(g, s, itemState);
        // The text lies on the picture beside the mark: its colour is chosen there.
        const RECT textArea{rect.left + static_cast<LONG>(textOffset), rect.top, rect.right,
                            rect.bottom};
        if (const ButtonRecord* record = RecordOf(window))
            DrawLabel(g, window, *record, {s.box.x + textOffset, 2, s.box.w, s.box.h},
                      gp::StringAlignmentNear, gp::UnitPixel,
                      TextColourOver(chosen, canvas, textArea));
        // A focused check box or radio button wears the focus ring around itself.
        if (focusShown) DrawFocusRing(g, s.box.x, s.box.y, s.box.w - 1, s.box.h - 1, kCorner);
        canvas.Keep();
    }
    canvas.CopyToScreen(Surface::kClient);
}

// ---- The subclass procedure's handlers.

bool PaintsItself(int kind) { return kind == kRadioButton || kind == kCheckBox; }

void RepaintSmall(HWND window, int kind) {
    if (kind == kRadioButton)
        PaintRadioButton(window, WithEnabledState(window, ODS_SELECTED));
    else
        PaintCheckBox(window, WithEnabledState(window, 0));
}

// The native procedure runs first (so the check state changes), then the skinned
// look is drawn over whatever it painted.
LRESULT RepaintAfterNative(const Msg& m, int kind) {
    if (!PaintsItself(kind)) return CallPrevious(m);
    CallPrevious(m);
    RepaintSmall(m.window, kind);
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}

LRESULT OnMove(const Msg& m) {
    InvalidateRect(m.window, nullptr, TRUE);
    return CallPrevious(m);
}

// The native button draws its own focus mark when the focus or the focus cues
// change: the skinned look (with or without its focus ring or glow) goes
// over it.
LRESULT RepaintFocusLook(const Msg& m, const ButtonRecord& b) {
    const int kind = b.kind, focused = b.focused;
    const LRESULT result = CallPrevious(m);
    if (!IsWindow(m.window)) return result;
    if (PaintsItself(kind))
        RepaintSmall(m.window, kind);
    else
        PaintButton(m.window, focused ? ODS_FOCUS : 0, false);
    return result;
}

LRESULT OnFocusChange(const Msg& m, ButtonRecord& b, int focused) {
    b.focused = focused;
    return RepaintFocusLook(m, b);
}

LRESULT OnSetText(const Msg& m, ButtonRecord& b) {
    if (m.lp) b.text = reinterpret_cast<const char*>(m.lp);
    return CallPrevious(m);
}

LRESULT OnPaint(const Msg& m, int kind) {
    if (!PaintsItself(kind)) return CallPrevious(m);
    {
        gdi::PaintScope paint(m.window);
        if (kind == kCheckBox)
            PaintCheckBox(m.window, WithEnabledState(m.window, 0));
        else
            PaintRadioButton(m.window, WithEnabledState(m.window, 0));
    }
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}

LRESULT OnEraseBackground(const Msg& m) {
    HDC dc = reinterpret_cast<HDC>(m.wp);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(SetTextColor(dc, TextColour(m.window)));
}

// Skinned buttons draw no frame of their own. (wParam is the update region here,
// not a DC, so there is no background mode to set.)
LRESULT OnNcPaint() { return 1; }

// While the button is held, the native un-highlight (the mouse left it) is
// dropped so the pressed look stays until the release.
LRESULT OnSetState(const Msg& m, const ButtonRecord& b) {
    if (m.wp == 0 && b.pressed) return 0;
    return CallPrevious(m);
}

LRESULT OnKeyDown(const Msg& m, int kind) {
    if (m.wp != VK_SPACE) return CallPrevious(m);
    return RepaintAfterNative(m, kind);
}

// Repaints only when the hot button changes (or someone asked for it), not on
// every move.
LRESULT OnMouseMove(const Msg& m, WindowRecord& owner, int position) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m.window, 0};
    TrackMouseEvent(&tme);
    if (owner.hover.MovedOver(position, kHoverButton, GetParent(m.window)))
        PaintButton(m.window, 0, true);
    return CallPrevious(m);
}

LRESULT OnLButtonDown(const Msg& m, ButtonRecord& b) {
    b.pressed = 1;
    return RepaintAfterNative(m, b.kind);
}

LRESULT OnLButtonUp(const Msg& m, WindowRecord& owner, ButtonRecord& b) {
    b.pressed = 0;
    owner.hover.Left();
    return CallPrevious(m);
}

LRESULT OnMouseLeave(const Msg& m, WindowRecord& owner, const ButtonRecord& b) {
    owner.hover.Left();
    PaintButton(m.window, b.focused ? ODS_FOCUS : 0, false);
    return CallPrevious(m);
}

// Keyboard cues shown or hidden: the mnemonic's underline follows, over
// whatever the native button painted for the change.
// Keyboard cues shown or hidden: the mnemonics and the focus look follow.
LRESULT OnCuesChanged(const Msg& m, const ButtonRecord& b) {
    NoteUiState(m.window, m.wp);
    return RepaintFocusLook(m, b);
}

LRESULT Dispatch(const Msg& m) {
    const Bound<ButtonRecord> found = FindRecord(m.window, &WindowRecord::buttons);
    // Properties that lead nowhere (or to another button): the native look only.
    if (!found) return CallPrevious(m);
    ButtonRecord& b = *found;
    WindowRecord& owner = *found.owner;
    switch (m.message) {
        case WM_MOVE: return OnMove(m);
        case WM_SETFOCUS: return OnFocusChange(m, b, 1);
        case WM_KILLFOCUS: return OnFocusChange(m, b, 0);
        case WM_SETTEXT: return OnSetText(m, b);
        case WM_PAINT: return OnPaint(m, b.kind);
        case WM_ERASEBKGND: return OnEraseBackground(m);
        case WM_NCPAINT: return OnNcPaint();
        case BM_SETCHECK: return RepaintAfterNative(m, b.kind);
        case BM_SETSTATE: return OnSetState(m, b);
        case WM_KEYDOWN: return OnKeyDown(m, b.kind);
        case WM_MOUSEMOVE: return OnMouseMove(m, owner, found.position);
        case WM_LBUTTONDOWN: return OnLButtonDown(m, b);
        case WM_LBUTTONUP: return OnLButtonUp(m, owner, b);
        case WM_LBUTTONDBLCLK: return 0;  // a double click must not act as a second click
        case WM_MOUSELEAVE: return OnMouseLeave(m, owner, b);
        case WM_UPDATEUISTATE: return OnCuesChanged(m, b);
        default: return CallPrevious(m);
    }
}

}  // namespace

LRESULT CALLBACK ButtonSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProc<Dispatch>(window, message, wParam, lParam);
}

void PaintButton(HWND window, UINT itemState, bool hover) {
    const ButtonRecord* b = RecordOf(window);
    if (!b) return;
    if (hover) itemState |= ODS_HOTLIGHT;
    itemState = WithEnabledState(window, itemState);
    switch (b->kind) {
        case kPushButton: {
            gdi::WindowDc dc(window);
            RECT rect{};
            GetClientRect(window, &rect);
            if (dc) PaintPushButton(window, dc.get(), itemState, rect);
            break;
        }
        case kRadioButton: PaintRadioButton(window, itemState); break;
        case kCheckBox: PaintCheckBox(window, itemState); break;
        default: break;
    }
}

void PaintPushButton(HWND window, HDC hdc, UINT itemState, const RECT& rect) {
    itemState = WithFocusCues(window, itemState);
    ControlCanvas canvas(window, rect);
    if (!canvas) return;  // nothing skinned behind it: the screen keeps what it shows
    const COLORREF colour = TextColour(window);
    if (!canvas.Recall(LookState(window, itemState, kPushButton).Add(colour).value())) {
        const Box b(rect);
        gfx::GfxGraphics& g = canvas.graphics();
        DrawPushFace(g, b, itemState);
        if (const ButtonRecord* record = RecordOf(window))
            DrawLabel(g, window, *record, {0, 2, b.w, b.h}, gp::StringAlignmentCenter,
                      gp::UnitWorld, colour);
        canvas.Keep();
    }
    canvas.CopyTo(hdc);
}

void PaintRadioButton(HWND window, UINT itemState) {
    PaintSmallButton(window, itemState, DrawRadioMark, 18);
}

void PaintCheckBox(HWND window, UINT itemState) {
    PaintSmallButton(window, itemState, DrawCheckMark, 17);
}

void DrawGlow(gfx::GfxGraphics& g, const gfx::GfxPath& path, int count, COLORREF colour,
              int alpha) {
    gfx::GfxPen pen;
    if (!pen.Create(Argb(alpha, colour), 1)) return;
    for (int i = 1; i <= count; ++i) {
        pen.SetWidth(static_cast<float>(i));
        g.DrawPath(pen, path);
    }
}

std::vector<std::uint8_t> TintedCheckMark() {
    const Pixels& mark = TintedMarkPixels();
    gfx::GfxBitmap image;
    if (!WrapPixels(mark, image)) return {};
    return image.SaveToBytes(gfx::kFormatPng);
}

namespace {

LONG ButtonType(HWND control) { return GetWindowLongA(control, GWL_STYLE) & 0x0F; }

std::string WindowTextOf(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

bool IsPushButtonStyle(HWND control) {
    LONG t = ButtonType(control);
    return !(t & 2) && !(t & 4) && !((t & 1) && (t & 8));
}
bool IsRadioStyle(HWND control) {
    LONG t = ButtonType(control);
    return (t & 1) && (t & 8) && !(t & 2) && !(t & 4);
}
bool IsCheckBoxStyle(HWND control) {
    LONG t = ButtonType(control);
    return (t & 2) && !(t & 4);
}

ControlFont PushButtonFont(ControlFont read) {
    if (read.faceName.empty()) read.faceName = "宋体";
    if (read.size == 0) read.size = 12;
    return read;
}

void SkinPushButtons(int index, HWND parent) {
    WindowRecord* r = Table().At(index);
    if (!r || !State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, "BUTTON")) {
        const LONG s = GetWindowLongA(c, GWL_STYLE);
        if ((s & 0x0F) == BS_OWNERDRAW || !IsPushButtonStyle(c)) continue;
        if (FindButtonRecord(index, c) > 0 || CarriesSkinProcedure(c)) continue;
        if (ProcedureReplaced(c)) continue;  // the program paints it itself
        ButtonRecord rec;
        rec.window = c;
        rec.kind = kPushButton;
        rec.text = WindowTextOf(c);
        const ControlFont font = PushButtonFont(ReadControlFont(c));
        rec.fontName = font.faceName;
        rec.fontSize = font.size;
        rec.fontStyle = font.style;
        rec.styleBefore = s;
        if (AddAndSubclass(index, c, &WindowRecord::buttons, std::move(rec), ButtonSubclassProc))
            SetWindowLongA(c, GWL_STYLE, (s & ~0x0F) | BS_OWNERDRAW);
    }
}

void SkinCheckAndRadioButtons(int index, HWND parent) {
    WindowRecord* r = Table().At(index);
    if (!r || !State().controlBackground) return;
    for (HWND c : ChildrenOfClass(parent, "BUTTON")) {
        if ((!IsRadioStyle(c) && !IsCheckBoxStyle(c)) || CarriesSkinProcedure(c)) continue;
        if (ProcedureReplaced(c)) continue;  // the program paints it itself
        const LONG s = GetWindowLongA(c, GWL_STYLE);
        const bool checked = SendMessageA(c, BM_GETCHECK, 0, 0) == 1;
        if ((s & 0x0F) == BS_OWNERDRAW) continue;
        ButtonRecord rec;
        rec.window = c;
        rec.text = WindowTextOf(c);
        rec.checked = checked;
        rec.parent = parent;
        rec.kind = IsCheckBoxStyle(c) ? kCheckBox : kRadioButton;
        const ControlFont font = ReadControlFont(c);
        rec.fontName = font.faceName;
        rec.fontSize = font.size;
        rec.fontStyle = font.style;
        AddAndSubclass(index, c, &WindowRecord::buttons, std::move(rec), ButtonSubclassProc);
    }
}

}  // namespace skin
