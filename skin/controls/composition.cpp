// Two renders of a control, over black and over white, composed over the skin:
// coverage and colour recovered per pixel, the control's text recoloured to
// stand out from the picture under it.
#include "skin/controls/composition.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/background.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

// Greys whose channels spread less than this are text and lines, not colour.
constexpr int kNeutralSpread = 10;
// How far a greyed text's grey stays from the full contrast of a normal one.
constexpr int kGreySpan = 130;
// A picture darker than this (0..255) takes light text.
constexpr int kDarkBelow = 128;
// Coloured text over a dark picture is at least this bright, over a light one
// at most this.
constexpr int kLightestDark = 190;
constexpr int kDarkestLight = 80;
// The soft rim in the opposite tone around text over the picture: its strength
// (of 255) next to fully covered text.
constexpr int kHalo = 130;
// Text within this many pixels of other text belongs to the same word: one
// word takes one colour, decided by the brightness of the picture under it.
constexpr int kWordGap = 2;
// A pixel whose neighbourhood (this many pixels each way) the control covers at
// least kOwnSurface (of 255) on average lies on the control's own surface (a
// title band, a selected day, a button): what shows through there is the
// control's background colour, not the picture, and its text keeps its colour.
constexpr int kSurfaceRadius = 4;
constexpr int kOwnSurface = 204;

int Red(std::uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
int Green(std::uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
int Blue(std::uint32_t p) { return static_cast<int>(p & 0xFF); }
std::uint32_t Pixel(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
           static_cast<std::uint32_t>(b);
}
int Luma(int r, int g, int b) { return (299 * r + 587 * g + 114 * b) / 1000; }
int Luma(std::uint32_t p) { return Luma(Red(p), Green(p), Blue(p)); }
std::uint32_t FromColorref(COLORREF c) { return Pixel(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The colour behind a coverage: the render over black holds colour x coverage.
std::uint32_t Unpremultiply(std::uint32_t p, int coverage) {
    const auto channel = [coverage](int v) {
        return std::min(255, (v * 255 + coverage / 2) / coverage);
    };
    return Pixel(channel(Red(p)), channel(Green(p)), channel(Blue(p)));
}

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, int coverage) {
    const auto channel = [coverage](int u, int o) {
        return (u * (255 - coverage) + o * coverage + 127) / 255;
    };
    return Pixel(channel(Red(under), Red(over)), channel(Green(under), Green(over)),
                 channel(Blue(under), Blue(over)));
}

// Running sums over a grid of values, so that a neighbourhood's sum costs four reads.
class AreaMeans {
public:
    // The sums go into `sums` (the caller's buffer, reused between paints).
    template <typename ValueAt>
    AreaMeans(int width, int height, std::vector<std::uint32_t>& sums, ValueAt value)
        : width_(width), height_(height), sums_(sums) {
        sums_.assign(static_cast<std::size_t>(width + 1) * static_cast<std::size_t>(height + 1), 0);
        for (int y = 0; y < height; ++y) {
            std::uint32_t row = 0;
            for (int x = 0; x < width; ++x) {
                row += static_cast<std::uint32_t>(value(static_cast<std::size_t>(y) * width + x));
                At(x + 1, y + 1) = At(x + 1, y) + row;
            }
        }
    }
    // The sum over the square of `radius` pixels each way around (x, y), cut
    // at the edges, and how many values it adds up.
    std::uint32_t Sum(int x, int y, int radius, std::uint32_t* count = nullptr) const {
        const int l = std::max(0, x - radius), t = std::max(0, y - radius);
        const int r = std::min(width_, x + radius + 1), b = std::min(height_, y + radius + 1);
        if (count) *count = static_cast<std::uint32_t>((r - l) * (b - t));
        return At(r, b) - At(l, b) - At(r, t) + At(l, t);
    }

private:
    std::uint32_t& At(int x, int y) {
        return sums_[static_cast<std::size_t>(y) * (width_ + 1) + static_cast<std::size_t>(x)];
    }
    std::uint32_t At(int x, int y) const {
        return sums_[static_cast<std::size_t>(y) * (width_ + 1) + static_cast<std::size_t>(x)];
    }
    int width_, height_;
    std::vector<std::uint32_t>& sums_;
};

// The working buffers of one composition. Kept between compositions (one
// user-interface thread; nothing here calls out): making and freeing buffers
// of a control's size on every paint cost more than the work on them.
struct Scratch {
    std::vector<std::uint8_t> coverage, own, text, dark, darkWord;
    std::vector<std::uint32_t> coveredSums, textSums, word;
    std::vector<POINT> stack;
};

Scratch& Buffers() {
    static Scratch scratch;
    return scratch;
}

// Groups the pixels within kWordGap of text into words (4-connected) and says
// for each text pixel whether the picture under its word is dark.
// Fills scratch.dark: for each pixel of a word, whether the picture under the
// word is dark.
void DarkUnderWords(std::span<const std::uint32_t> picture, const AreaMeans& textAround, int width,
                    int height, Scratch& scratch) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // 0: not in a word; 1: in a word not yet reached; then 2 + the word's number.
    std::vector<std::uint32_t>& word = scratch.word;
    word.assign(count, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            word[static_cast<std::size_t>(y) * width + x] = textAround.Sum(x, y, kWordGap) > 0;
    std::vector<std::uint8_t>& darkWord = scratch.darkWord;  // per word number
    darkWord.clear();
    std::vector<POINT>& stack = scratch.stack;
    for (int y0 = 0; y0 < height; ++y0)
        for (int x0 = 0; x0 < width; ++x0) {
            std::uint32_t& first = word[static_cast<std::size_t>(y0) * width + x0];
            if (first != 1) continue;
            const auto number = static_cast<std::uint32_t>(darkWord.size()) + 2;
            first = number;
            stack.assign(1, POINT{x0, y0});
            std::uint64_t sum = 0, pixels = 0;
            while (!stack.empty()) {
                const POINT p = stack.back();
                stack.pop_back();
                sum += static_cast<std::uint64_t>(
                    Luma(picture[static_cast<std::size_t>(p.y) * width + p.x]));
                ++pixels;
                const auto visit = [&](int x, int y) {
                    std::uint32_t& w = word[static_cast<std::size_t>(y) * width + x];
                    if (w != 1) return;
                    w = number;
                    stack.push_back({x, y});
                };
                if (p.x > 0) visit(p.x - 1, p.y);
                if (p.x + 1 < width) visit(p.x + 1, p.y);
                if (p.y > 0) visit(p.x, p.y - 1);
                if (p.y + 1 < height) visit(p.x, p.y + 1);
            }
            darkWord.push_back(sum < static_cast<std::uint64_t>(kDarkBelow) * pixels);
        }
    std::vector<std::uint8_t>& dark = scratch.dark;
    dark.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i)
        if (word[i] >= 2) dark[i] = darkWord[word[i] - 2];
}

// A coloured pixel keeps its hue but is lightened (over a dark picture) or
// darkened (over a light one) until it stands out.
std::uint32_t KeepHueReadable(std::uint32_t colour, bool darkPicture) {
    const int r = Red(colour), g = Green(colour), b = Blue(colour);
    const int l = Luma(r, g, b);
    if (darkPicture) {
        if (l >= kLightestDark || l >= 255) return colour;
        const int t = (kLightestDark - l) * 256 / (255 - l);  // share of white mixed in
        const auto lift = [t](int v) { return v + ((255 - v) * t >> 8); };
        return Pixel(lift(r), lift(g), lift(b));
    }
    if (l <= kDarkestLight) return colour;
    const auto lower = [l](int v) { return v * kDarkestLight / l; };
    return Pixel(lower(r), lower(g), lower(b));
}

// ---- Rendering

bool IsRichEdit(HWND w) {
    return IsClass(w, "RichEdit20A") || IsClass(w, "RichEdit20W") || IsClass(w, "RICHEDIT50W");
}

// Asks the control for another background colour (black, then white) and puts
// its own back on leaving; knows the classes that can be asked. Each change
// invalidates the control, so whoever used one validates it afterwards.
class BackgroundSwap {
public:
    explicit BackgroundSwap(HWND control) : control_(control) {
        if (IsClass(control, STATUSCLASSNAMEA))
            kind_ = Kind::kStatusBar;
        else if (IsClass(control, MONTHCAL_CLASSA))
            kind_ = Kind::kMonthCalendar;
        else if (IsRichEdit(control))
            kind_ = Kind::kRichEdit;
    }
    ~BackgroundSwap() {
        if (!changed_) return;
        switch (kind_) {
            case Kind::kStatusBar: Ask(SB_SETBKCOLOR, 0, saved_[0]); break;
            case Kind::kMonthCalendar:
                Ask(MCM_SETCOLOR, MCSC_BACKGROUND, saved_[0]);
                Ask(MCM_SETCOLOR, MCSC_MONTHBK, saved_[1]);
                break;
            case Kind::kRichEdit: Ask(EM_SETBKGNDCOLOR, 0, saved_[0]); break;
            case Kind::kNone: break;
        }
    }
    BackgroundSwap(const BackgroundSwap&) = delete;
    BackgroundSwap& operator=(const BackgroundSwap&) = delete;

    bool supported() const { return kind_ != Kind::kNone; }
    bool changed() const { return changed_; }
    // The control's own background (valid once Set has run).
    COLORREF face() const { return face_; }

    void Set(COLORREF colour) {
        const bool first = !changed_;
        switch (kind_) {
            case Kind::kStatusBar: {
                const COLORREF old = Ask(SB_SETBKCOLOR, 0, colour);
                if (first) {
                    saved_[0] = old;
                    face_ = old == CLR_DEFAULT ? GetSysColor(COLOR_BTNFACE) : old;
                }
                break;
            }
            case Kind::kMonthCalendar: {
                const COLORREF outer = Ask(MCM_SETCOLOR, MCSC_BACKGROUND, colour);
                const COLORREF month = Ask(MCM_SETCOLOR, MCSC_MONTHBK, colour);
                if (first) {
                    saved_[0] = outer;
                    saved_[1] = month;
                    face_ = month;
                }
                break;
            }
            case Kind::kRichEdit: {
                const COLORREF old = Ask(EM_SETBKGNDCOLOR, 0, colour);
                if (first) saved_[0] = face_ = old;
                break;
            }
            case Kind::kNone: return;
        }
        changed_ = true;
    }

private:
    enum class Kind { kNone, kStatusBar, kMonthCalendar, kRichEdit };
    COLORREF Ask(UINT message, WPARAM wp, COLORREF colour) const {
        return static_cast<COLORREF>(
            CallPrevious({control_, message, wp, static_cast<LPARAM>(colour)}, kToolbarProps));
    }
    HWND control_;
    Kind kind_ = Kind::kNone;
    bool changed_ = false;
    COLORREF saved_[2] = {};
    COLORREF face_ = 0;
};

// A 32-bit top-down surface of the control's client size with its own DC.
class DibSurface {
public:
    DibSurface(int width, int height)
        : width_(width),
          height_(height),
          bitmap_(gdi::NewArgbDib(width, height, &bits_)),
          dc_(CreateCompatibleDC(nullptr)),
          select_(dc_.get(), bitmap_.get()) {}
    explicit operator bool() const { return bitmap_ && dc_ && bits_; }
    HDC dc() const { return dc_.get(); }
    std::span<std::uint32_t> pixels() const {
        return {static_cast<std::uint32_t*>(bits_),
                static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)};
    }
    void Fill(COLORREF colour) {
        GdiFlush();
        std::fill(pixels().begin(), pixels().end(), FromColorref(colour));
    }
    // True when something other than `fill` was painted.
    bool DrawnOver(COLORREF fill) const {
        GdiFlush();
        const std::uint32_t p = FromColorref(fill);
        return std::any_of(pixels().begin(), pixels().end(),
                           [p](std::uint32_t v) { return (v & 0xFFFFFF) != p; });
    }

private:
    int width_, height_;
    void* bits_ = nullptr;
    gdi::Bitmap bitmap_;
    gdi::MemoryDc dc_;
    gdi::SelectGuard select_;
};

// The three surfaces of a composition, kept for the next paint of the same
// size (the common case: one control painted again) so that a paint makes no
// bitmaps; a paint of another size replaces them. One user-interface thread.
struct Surfaces {
    int width = 0, height = 0;
    std::unique_ptr<DibSurface> picture, black, white;
    bool ready() const { return picture && *picture && black && *black && white && *white; }
};

void Make(Surfaces& s, int width, int height) {
    s = {};  // the old bitmaps go before the new ones are made
    s.width = width;
    s.height = height;
    s.picture = std::make_unique<DibSurface>(width, height);
    s.black = std::make_unique<DibSurface>(width, height);
    s.white = std::make_unique<DibSurface>(width, height);
}

// The kept surfaces, or (for a composition that starts while another is under
// way, from inside a control's painting) the caller's own.
Surfaces& SurfacesFor(int width, int height, bool nested, Surfaces& own) {
    static Surfaces kept;
    Surfaces& s = nested ? own : kept;
    if (s.width != width || s.height != height || !s.ready()) Make(s, width, height);
    return s;
}

void Paint(HWND control, const DibSurface& s, PaintRoute route) {
    const WPARAM dc = reinterpret_cast<WPARAM>(s.dc());
    if (route == PaintRoute::kPrintClient)
        CallPrevious({control, WM_PRINTCLIENT, dc, PRF_CLIENT}, kToolbarProps);
    else
        CallPrevious({control, WM_PAINT, dc, 0}, kToolbarProps);
}

// The render over black. A control whose way of painting into our DC is not
// known yet paints over the key colour first, so that one which draws nothing
// there (it painted itself on the screen) shows; the key left over is then its
// background. False when it drew into none of our DCs.
bool RenderOverBlack(HWND control, DibSurface& s, PaintRoute& route) {
    if (route != PaintRoute::kUnknown) {
        s.Fill(kBlack);
        Paint(control, s, route);
        return true;
    }
    for (PaintRoute tryRoute : {PaintRoute::kPaint, PaintRoute::kPrintClient}) {
        s.Fill(kKeyColour);
        Paint(control, s, tryRoute);
        if (!s.DrawnOver(kKeyColour)) continue;
        route = tryRoute;
        const std::uint32_t key = FromColorref(kKeyColour);
        for (std::uint32_t& p : s.pixels())
            if ((p & 0xFFFFFF) == key) p = 0;
        return true;
    }
    return false;
}

}  // namespace

int Coverage(std::uint32_t overBlack, std::uint32_t overWhite) {
    const auto channel = [](int b, int w) { return std::clamp(255 - (w - b), 0, 255); };
    return (channel(Red(overBlack), Red(overWhite)) + channel(Green(overBlack), Green(overWhite)) +
            channel(Blue(overBlack), Blue(overWhite)) + 1) /
           3;
}

std::uint32_t ReadableColour(std::uint32_t colour, COLORREF face, bool darkPicture, int coverage) {
    const int r = Red(colour), g = Green(colour), b = Blue(colour);
    // A faint pixel's colour is only known roughly: more spread passes as grey.
    const int spread = kNeutralSpread + 512 / std::max(coverage, 1);
    if (std::max({r, g, b}) - std::min({r, g, b}) > spread)
        return KeepHueReadable(colour, darkPicture);
    const int grey = Luma(r, g, b);
    const int faceGrey = Luma(GetRValue(face), GetGValue(face), GetBValue(face));
    if (faceGrey <= 0 || grey >= faceGrey) return colour;
    // 255 for black, falling towards 0 as the grey nears the face's own.
    const int strength = (faceGrey - grey) * 255 / faceGrey;
    const int fade = (255 - strength) * kGreySpan / 255;
    const int v = darkPicture ? 255 - fade : fade;
    return Pixel(v, v, v);
}

void ComposeRenders(std::span<std::uint32_t> picture, std::span<const std::uint32_t> overBlack,
                    std::span<const std::uint32_t> overWhite, int width, int height,
                    const ComposeLook& look) {
    if (width <= 0 || height <= 0) return;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (picture.size() < count || overBlack.size() < count || overWhite.size() < count) return;
    const std::uint32_t face = FromColorref(look.face);
    Scratch& scratch = Buffers();
    std::vector<std::uint8_t>& coverage = scratch.coverage;
    coverage.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t black = overBlack[i] & 0xFFFFFF;
        int c = Coverage(black, overWhite[i] & 0xFFFFFF);
        if (look.faceIsKey && c == 255 && black == face) c = 0;
        coverage[i] = static_cast<std::uint8_t>(c);
    }
    const AreaMeans covered(width, height, scratch.coveredSums,
                            [&](std::size_t i) { return coverage[i]; });
    // Which pixels lie on the control's own surface, and which are text over the picture.
    std::vector<std::uint8_t>&own = scratch.own, &text = scratch.text;
    own.resize(count);
    text.resize(count);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            std::uint32_t area = 0;
            const std::uint32_t sum = covered.Sum(x, y, kSurfaceRadius, &area);
            own[i] = sum >= static_cast<std::uint32_t>(kOwnSurface) * area;
            text[i] = coverage[i] > 0 && !own[i];
        }
    const AreaMeans textAround(width, height, scratch.textSums,
                               [&](std::size_t i) { return text[i]; });
    DarkUnderWords(picture, textAround, width, height, scratch);
    const std::vector<std::uint8_t>& dark = scratch.dark;
    // The strongest text coverage next to a pixel that has none of its own.
    const auto haloAt = [&](int x, int y) {
        if (textAround.Sum(x, y, 1) == 0) return 0;
        int strongest = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
                const std::size_t n = static_cast<std::size_t>(ny) * width + nx;
                if (text[n]) strongest = std::max<int>(strongest, coverage[n]);
            }
        return strongest * kHalo / 255;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            const int c = coverage[i];
            if (c == 0 && !own[i]) {
                if (const int halo = haloAt(x, y))
                    picture[i] = Blend(picture[i] & 0xFFFFFF, dark[i] ? 0 : 0xFFFFFF, halo);
                continue;
            }
            const std::uint32_t under = own[i] ? face : picture[i] & 0xFFFFFF;
            if (c == 0) {
                picture[i] = under;
                continue;
            }
            std::uint32_t colour = Unpremultiply(overBlack[i] & 0xFFFFFF, c);
            if (!own[i]) colour = ReadableColour(colour, look.face, dark[i] != 0, c);
            picture[i] = Blend(under, colour, c);
        }
    }
}

bool ComposeOverSkin(HWND control, HDC target, COLORREF face, PaintRoute& route,
                     bool onlyWhenDrawn) {
    if (FindSkinnedAncestor(control) <= 0) return false;
    RECT rc{};
    GetClientRect(control, &rc);
    const int w = rc.right, h = rc.bottom;
    if (w <= 0 || h <= 0) return true;
    static bool composing = false;
    Surfaces own;
    Surfaces& surfaces = SurfacesFor(w, h, composing, own);
    if (!surfaces.ready()) return false;
    struct Busy {
        bool& flag;
        bool was;
        ~Busy() { flag = was; }
    } busy{composing, composing};
    composing = true;
    DibSurface &picture = *surfaces.picture, &black = *surfaces.black, &white = *surfaces.white;
    ComposeLook look{face, true};
    bool changed = false;
    {
        BackgroundSwap swap(control);
        swap.Set(kBlack);
        const bool drawn = RenderOverBlack(control, black, route);
        if (drawn) {
            swap.Set(kWhite);
            white.Fill(kWhite);
            Paint(control, white, route);
            if (swap.supported()) look = {swap.face(), false};
        } else {
            // Nothing of it in our DCs: it is all background.
            black.Fill(kBlack);
            white.Fill(kWhite);
        }
        changed = swap.changed();
        if (!drawn && onlyWhenDrawn) {
            if (changed) ValidateRect(control, nullptr);
            return true;
        }
    }
    // The colour changes asked the control to repaint; this paint is that repaint.
    if (changed) ValidateRect(control, nullptr);
    PaintBackground(control, picture.dc(), rc);
    GdiFlush();
    ComposeRenders(picture.pixels(), black.pixels(), white.pixels(), w, h, look);
    if (target) {
        BitBlt(target, 0, 0, w, h, picture.dc(), 0, 0, SRCCOPY);
    } else if (gdi::WindowDc dc(control); dc) {
        BitBlt(dc.get(), 0, 0, w, h, picture.dc(), 0, 0, SRCCOPY);
    }
    return true;
}

}  // namespace skin
