#include "skin/base/skinner_kit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin/base/gdi_guards.h"
#include "skin/base/look.h"
#include "skin/base/background.h"
#include "skin/base/frame_background.h"
#include "skin/base/look_cache.h"

namespace skin {
namespace {

std::vector<WNDPROC>& SkinProcedures() {
    static std::vector<WNDPROC> procedures;
    return procedures;
}

bool IsSkinProcedure(WNDPROC proc) {
    const auto& all = SkinProcedures();
    return proc && std::find(all.begin(), all.end(), proc) != all.end();
}

WNDPROC ProcProp(HWND window, const char* name) {
    return reinterpret_cast<WNDPROC>(GetIntProp(window, name));
}

}  // namespace

const PropNames& PropsOf(ListKind kind) {
    return kind == ListKind::kToolbars ? kToolbarProps : kControlProps;
}

void RegisterSkinProcedure(WNDPROC proc) {
    if (proc && !IsSkinProcedure(proc)) SkinProcedures().push_back(proc);
}

bool CarriesSkinProcedure(HWND window) {
    if (!window) return false;
    if (IsSkinProcedure(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC))))
        return true;
    return ProcProp(window, prop::kPrevProc) || ProcProp(window, prop::kToolbarPrevProc);
}

bool ProcedureReplaced(HWND window) {
    return window && GetWindowLongPtrA(window, GWLP_WNDPROC) !=
                         static_cast<LONG_PTR>(GetClassLongPtrA(window, GCLP_WNDPROC));
}

WNDPROC InstallSubclass(HWND control, WNDPROC proc, int index, int position,
                        const PropNames& names) {
    if (!control || !proc || CarriesSkinProcedure(control) || IsKeptNative(control)) return nullptr;
    RegisterSkinProcedure(proc);
    SetIntProp(control, names.index, position);
    SetIntProp(control, names.owner, index);
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    SetIntProp(control, names.previous, reinterpret_cast<std::intptr_t>(previous));
    return previous;
}

LRESULT CallPrevious(const Msg& m, const PropNames& names) {
    WNDPROC previous = ProcProp(m.window, names.previous);
    if (!previous || IsSkinProcedure(previous))
        return DefWindowProcA(m.window, m.message, m.wp, m.lp);
    return CallWindowProcA(previous, m.window, m.message, m.wp, m.lp);
}

bool UninstallSubclass(HWND control, const PropNames& names) {
    if (!control || !IsWindow(control)) return false;
    const bool ours =
        IsSkinProcedure(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC)));
    RemoveIntProp(control, names.index);
    RemoveIntProp(control, names.owner);
    RemoveIntProp(control, prop::kCuesHidden);
    if (!ours) return false;  // the previous procedure stays known to the one in the chain
    SetWindowLongPtrA(control, GWLP_WNDPROC, GetIntProp(control, names.previous));
    RemoveIntProp(control, names.previous);
    return true;
}

void ForgetControl(HWND control, const PropNames& names) {
    if (WindowRecord* owner = Table().At(GetIntProp(control, names.owner))) {
        owner->ForEachControlList([control](auto& list, ListKind) {
            for (auto& entry : list.entries())
                if (entry.window == control) entry = {};
        });
    }
    for (const char* name : {names.index, names.owner, names.previous})
        RemoveIntProp(control, name);
    RemoveIntProp(control, prop::kCuesHidden);
}

namespace {
// The control whose WM_PAINT is under way on this thread.
thread_local HWND wholePaintUnderWay = nullptr;
}  // namespace

WholePaintScope::WholePaintScope(HWND control) : previous_(wholePaintUnderWay) {
    wholePaintUnderWay = control;
}

WholePaintScope::~WholePaintScope() { wholePaintUnderWay = previous_; }

bool NonClientPaintsWhole(HWND control) {
    return control != wholePaintUnderWay && !GetUpdateRect(control, nullptr, FALSE);
}

LRESULT EraseNothing(const Msg& m) {
    SetBkMode(reinterpret_cast<HDC>(m.wp), TRANSPARENT);
    return 1;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> children;
    if (!parent) return children;
    for (HWND c = FindWindowExA(parent, nullptr, className, nullptr); c;
         c = FindWindowExA(parent, c, className, nullptr))
        children.push_back(c);
    return children;
}

bool IsClass(HWND window, const char* className) {
    char name[256] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, className) == 0;
}

ControlCanvas::ControlCanvas(HWND control, const RECT& rect)
    : control_(control),
      dc_(CaptureBackground(control, rect)),
      width_(rect.right - rect.left),
      height_(rect.bottom - rect.top) {}

ControlCanvas::~ControlCanvas() {
    graphics_.reset();  // GDI+ lets go of the pixels before they are freed
    pixels_.reset();
    ReleaseBackground(dc_);
}

// GDI+ draws straight into the capture's pixels: a graphics made on the DC
// would read the DC back and write it again for every primitive.
gfx::GfxGraphics& ControlCanvas::graphics() {
    if (!graphics_) {
        graphics_ = std::make_unique<gfx::GfxGraphics>();
        void* bits = nullptr;
        int stride = 0;
        if (Bits(bits, stride)) {
            GdiFlush();
            pixels_ = std::make_unique<gfx::GfxBitmap>();
            if (pixels_->CreateFromScan0(width_, height_, stride, PixelFormat32bppRGB,
                                         static_cast<BYTE*>(bits)))
                graphics_->FromImage(*pixels_);
        }
        if (dc_ && graphics_->IsEmpty()) graphics_->CreateFromHDC(dc_);
    }
    return *graphics_;
}

// A capture is always a top-down DIB of the canvas's size (CaptureBackground);
// GetObject may report its height as positive, so only the size is checked.
bool ControlCanvas::Bits(void*& bits, int& stride) const {
    DIBSECTION ds{};
    if (!dc_ || GetObjectA(GetCurrentObject(dc_, OBJ_BITMAP), sizeof ds, &ds) != sizeof ds ||
        !ds.dsBm.bmBits || ds.dsBm.bmBitsPixel != 32 || ds.dsBm.bmWidth != width_ ||
        std::abs(ds.dsBmih.biHeight) != height_)
        return false;
    bits = ds.dsBm.bmBits;
    stride = ds.dsBm.bmWidthBytes;
    return true;
}

bool ControlCanvas::Recall(std::uint64_t state) {
    keyed_ = false;
    void* bits = nullptr;
    int stride = 0;
    // Looks over a live resize's passing backgrounds would only push out the
    // lasting ones.
    if (!LookCacheEnabled() || FastStretchUnderWay() || graphics_ || !Bits(bits, stride))
        return false;
    GdiFlush();  // the capture's copy must have landed
    lookKey_ = LookKey().Add(HashPixels(bits, width_, height_, stride)).Add(state).value();
    keyed_ = true;
    return RecallLook(lookKey_, width_, height_, bits, stride);
}

void ControlCanvas::Keep() {
    void* bits = nullptr;
    int stride = 0;
    if (!keyed_ || !Bits(bits, stride)) return;
    Finish();
    GdiFlush();
    KeepLook(lookKey_, width_, height_, bits, stride);
    keyed_ = false;
}

void ControlCanvas::Finish() {
    if (graphics_) graphics_->Flush(Gdiplus::FlushIntentionSync);
}

COLORREF ControlCanvas::MeanColour(const RECT& area) {
    if (!dc_) return 0;
    Finish();
    // A capture is a top-down 32-bit DIB (CaptureBackground); GetObject reports
    // its height as positive either way, so the order is taken from how it is made.
    BITMAP bm{};
    if (!GetObjectA(GetCurrentObject(dc_, OBJ_BITMAP), sizeof bm, &bm) || !bm.bmBits ||
        bm.bmBitsPixel != 32)
        return 0;
    GdiFlush();
    const int left = std::max(0, static_cast<int>(area.left));
    const int top = std::max(0, static_cast<int>(area.top));
    const int right = std::min(width_, static_cast<int>(area.right));
    const int bottom = std::min(height_, static_cast<int>(area.bottom));
    if (left >= right || top >= bottom) return 0;
    std::uint64_t r = 0, g = 0, b = 0;
    const auto* rows = static_cast<const std::uint8_t*>(bm.bmBits);
    for (int y = top; y < bottom; ++y) {
        const auto* pixel = reinterpret_cast<const std::uint32_t*>(
            rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(bm.bmWidthBytes));
        for (int x = left; x < right; ++x) {
            r += (pixel[x] >> 16) & 0xFF;
            g += (pixel[x] >> 8) & 0xFF;
            b += pixel[x] & 0xFF;
        }
    }
    const std::uint64_t n =
        static_cast<std::uint64_t>(right - left) * static_cast<std::uint64_t>(bottom - top);
    return RGB(r / n, g / n, b / n);
}

namespace {

// GDI+ writes opaque pixels (alpha 255) and Wine's TransparentBlt compares the
// alpha byte of a 32-bit source too, so the key would never match: the canvas
// drops its alpha before a keyed copy (nothing else reads it).
void DropAlpha(HDC dc) {
    DIBSECTION ds{};
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (GetObjectA(bitmap, sizeof ds, &ds) != sizeof ds || !ds.dsBm.bmBits ||
        ds.dsBm.bmBitsPixel != 32)
        return;
    GdiFlush();
    auto* pixel = static_cast<std::uint32_t*>(ds.dsBm.bmBits);
    const std::size_t count = static_cast<std::size_t>(ds.dsBm.bmWidth) *
                              static_cast<std::size_t>(std::abs(ds.dsBm.bmHeight));
    for (std::size_t i = 0; i < count; ++i) pixel[i] &= 0x00FFFFFF;
}

}  // namespace

void ControlCanvas::CopyTo(HDC target, bool keyed) {
    if (!dc_ || !target) return;
    Finish();
    if (keyed) {
        DropAlpha(dc_);
        TransparentBlt(target, 0, 0, width_, height_, dc_, 0, 0, width_, height_, kKeyColour);
    } else
        BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

void ControlCanvas::CopyToScreen(Surface surface, bool keyed, const RECT* exclude) {
    if (!dc_) return;
    gdi::WindowDc target(control_, surface == Surface::kWindow);
    if (!target) return;
    if (exclude)
        ExcludeClipRect(target.get(), exclude->left, exclude->top, exclude->right, exclude->bottom);
    CopyTo(target.get(), keyed);
}

}  // namespace skin
