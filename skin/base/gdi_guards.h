// One small owning guard per GDI acquire/release pair. None can be copied; all can
// be moved, and a moved-from guard releases nothing.
#pragma once
#include <windows.h>

#include <utility>

namespace gdi {

// BeginPaint/EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& dirty() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// GetDC / GetWindowDC, released with ReleaseDC.
class WindowDc {
public:
    WindowDc() = default;
    explicit WindowDc(HWND hwnd, bool wholeWindow = false)
        : hwnd_(hwnd), dc_(wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDc() { reset(); }
    WindowDc(WindowDc&& o) noexcept
        : hwnd_(std::exchange(o.hwnd_, nullptr)), dc_(std::exchange(o.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& o) noexcept {
        if (this != &o) {
            reset();
            hwnd_ = std::exchange(o.hwnd_, nullptr);
            dc_ = std::exchange(o.dc_, nullptr);
        }
        return *this;
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset() {
        if (dc_) ReleaseDC(hwnd_, dc_);
        dc_ = nullptr;
    }

private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

// A handle released by a fixed function: memory DCs, bitmaps, brushes, regions...
template <typename H, auto Release>
class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    ~Owned() { reset(); }
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    H get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    // Gives up ownership.
    H release() { return std::exchange(h_, nullptr); }
    void reset(H h = nullptr) {
        if (h_) Release(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void DeleteMemoryDc(HDC h) { DeleteDC(h); }

using MemoryDc = Owned<HDC, DeleteMemoryDc>;
using DeviceDc = Owned<HDC, DeleteMemoryDc>;  // from CreateDC: DeleteDC as well
using Bitmap = Owned<HBITMAP, DeleteGdiObject>;
using Brush = Owned<HBRUSH, DeleteGdiObject>;
using Pen = Owned<HPEN, DeleteGdiObject>;
using Font = Owned<HFONT, DeleteGdiObject>;
using Region = Owned<HRGN, DeleteGdiObject>;

// SelectObject that puts the previous object back into the same DC.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() {
        if (dc_ && old_) SelectObject(dc_, old_);
    }
    SelectGuard(SelectGuard&& o) noexcept
        : dc_(std::exchange(o.dc_, nullptr)), old_(std::exchange(o.old_, nullptr)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    SelectGuard& operator=(SelectGuard&&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A 32-bit top-down DIB section (at least 1 x 1); its pixels through `pixels`.
// The caller owns the bitmap.
inline HBITMAP NewArgbDib(int width, int height, void** pixels = nullptr) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width > 0 ? width : 1;
    bi.bmiHeader.biHeight = -(height > 0 ? height : 1);
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (pixels) *pixels = bitmap ? bits : nullptr;
    return bitmap;
}

// A memory DC that holds a bitmap of ours for longer than one call. Selecting a
// new bitmap frees the one it displaces; on reset the DC's own first bitmap goes
// back in before our bitmap and the DC are freed.
class BitmapDc {
public:
    BitmapDc() = default;
    ~BitmapDc() { reset(); }
    BitmapDc(BitmapDc&& o) noexcept
        : dc_(std::exchange(o.dc_, nullptr)),
          bitmap_(std::exchange(o.bitmap_, nullptr)),
          first_(std::exchange(o.first_, nullptr)) {}
    BitmapDc& operator=(BitmapDc&& o) noexcept {
        if (this != &o) {
            reset();
            dc_ = std::exchange(o.dc_, nullptr);
            bitmap_ = std::exchange(o.bitmap_, nullptr);
            first_ = std::exchange(o.first_, nullptr);
        }
        return *this;
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;

    // Takes ownership of bitmap and selects it, creating the DC on first use.
    // False (and the bitmap freed) when the DC cannot be made.
    bool Select(HBITMAP bitmap) {
        if (!dc_) dc_ = CreateCompatibleDC(nullptr);
        if (!dc_ || !bitmap) {
            if (bitmap) DeleteObject(bitmap);
            return false;
        }
        HGDIOBJ out = SelectObject(dc_, bitmap);
        if (!first_) first_ = out;
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = bitmap;
        return true;
    }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    // The bitmap the DC was made with.
    HGDIOBJ first() const { return first_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset() {
        if (dc_) {
            if (first_) SelectObject(dc_, first_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
        dc_ = nullptr;
        bitmap_ = nullptr;
        first_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ first_ = nullptr;
};

// An off-screen surface compatible with a target DC, flushed with one BitBlt.
class MemoryCanvas {
public:
    MemoryCanvas(HDC compatibleWith, int width, int height)
        : width_(width),
          height_(height),
          dc_(CreateCompatibleDC(compatibleWith)),
          bitmap_(CreateCompatibleBitmap(compatibleWith, width > 0 ? width : 1,
                                         height > 0 ? height : 1)),
          select_(dc_.get(), bitmap_.get()) {}
    explicit operator bool() const { return dc_ && bitmap_; }
    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    bool CopyTo(HDC target, int x, int y) const {
        return BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY) != FALSE;
    }

private:
    int width_, height_;
    MemoryDc dc_;
    Bitmap bitmap_;
    SelectGuard select_;  // declared last: deselects before the bitmap and DC go
};

}  // namespace gdi
