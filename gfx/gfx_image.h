// Images and bitmaps: loading from files and byte arrays, saving, pixels, rotation.
#pragma once

#include "gfx/gfx_encoder.h"
#include "gfx/gfx_object.h"
#include "gfx/gfx_stream.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

class GfxGraphics;

// One image property (EXIF and the like); its length is value.size().
struct GfxPropertyItem {
    std::uint32_t id = 0;
    std::uint16_t type = 0;
    std::vector<std::uint8_t> value;
};

struct GfxPalette {
    std::uint32_t flags = 0;
    std::vector<gp::ARGB> entries;
};

// Owns one GpImage and, when it was loaded from bytes, the stream GDI+ reads it from.
class GfxImage : public GfxObject {
public:
    GfxImage() = default;
    GfxImage(GfxImage&&) noexcept = default;
    GfxImage& operator=(GfxImage&&) noexcept = default;
    ~GfxImage() override { Dispose(); }

    gp::GpImage* native() const noexcept { return static_cast<gp::GpImage*>(handle_); }

    // Disposes the image, then drops its stream. False when empty (status untouched).
    bool Dispose();
    virtual bool LoadFromFile(std::string_view fileName, bool useIcm = false);
    virtual bool LoadFromFileW(const std::wstring& fileName, bool useIcm = false);
    // Loads from a private copy of bytes, kept alive as long as the image.
    virtual bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false);
    bool Clone(GfxImage& target) const;

    // Saving: an empty format means the image's own raw format; false (or no bytes)
    // without calling GDI+ when no encoder has that format or a parameter is malformed.
    bool SaveToFile(std::string_view fileName, std::string_view format = {},
                    std::span<const EncoderParameterSpec> params = {}) const;
    bool SaveToFileW(const std::wstring& fileName, std::string_view format = {},
                     std::span<const EncoderParameterSpec> params = {}) const;
    std::vector<std::uint8_t> SaveToBytes(std::string_view format = {},
                                          std::span<const EncoderParameterSpec> params = {}) const;
    bool SaveAdd(std::span<const EncoderParameterSpec> params);
    bool SaveAddImage(const GfxImage& image, std::span<const EncoderParameterSpec> params);
    // The parameters the encoder of format accepts.
    bool GetEncoderParameterList(std::string_view format,
                                 std::vector<EncoderParameterSpec>& out) const;

    std::string GetRawFormat() const;  // GUID text
    gp::RectF GetBounds(gp::Unit& unit) const;
    gp::SizeF GetDimension() const;
    int GetType() const;
    int GetWidth() const;
    int GetHeight() const;
    float GetHorizontalResolution() const;
    float GetVerticalResolution() const;
    int GetFlags() const;
    int GetPixelFormat() const;
    bool GetThumbnail(int width, int height, GfxImage& target) const;
    int GetFrameCount(std::string_view dimension) const;
    bool GetFrameDimensionsList(std::vector<std::string>& dimensions) const;
    bool SelectActiveFrame(std::string_view dimension, int index);
    // Frame delays (property 0x5100) in 1/100 s; false when the image has none.
    bool GetFrameDelays(std::vector<std::int32_t>& delays) const;
    bool GetPropertyItem(std::uint32_t id, GfxPropertyItem& item) const;
    bool SetPropertyItem(const GfxPropertyItem& item);
    bool RemovePropertyItem(std::uint32_t id);
    std::vector<std::uint32_t> GetPropertyIdList() const;
    bool RotateFlip(gp::RotateFlipType type);
    bool GetPalette(GfxPalette& palette) const;
    bool SetPalette(const GfxPalette& palette);

protected:
    void ReleaseNative() noexcept override { Dispose(); }
    // Loads through a fresh stream over bytes; the stream lives as long as the image.
    template <class N, class F>
    bool LoadThroughStream(F load, std::span<const std::uint8_t> bytes);

private:
    bool SaveToFileImpl(const std::wstring& fileName, std::string_view format,
                        std::span<const EncoderParameterSpec> params) const;

    GfxMemoryStream stream_;
};

// Owns one GpBitmap. Loading creates bitmaps (GdipCreateBitmapFrom...).
class GfxBitmap : public GfxImage {
public:
    gp::GpBitmap* native() const noexcept { return static_cast<gp::GpBitmap*>(handle_); }

    bool LoadFromFile(std::string_view fileName, bool useIcm = false) override;
    bool LoadFromFileW(const std::wstring& fileName, bool useIcm = false) override;
    bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false) override;

    bool CreateFromScan0(int width, int height, int stride, gp::PixelFormat format, BYTE* scan0);
    // An empty (transparent black) bitmap.
    bool Create(int width, int height, gp::PixelFormat format = PixelFormat32bppARGB);
    bool CreateFromGraphics(int width, int height, const GfxGraphics& graphics);
    bool CreateFromGdiDib(const BITMAPINFO* info, void* bits);
    bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette);
    bool CreateFromHICON(HICON icon);
    bool CreateFromResource(HINSTANCE module, std::string_view name);
    // A new GDI bitmap (transparent pixels become background); the caller deletes it. 0 on failure.
    HBITMAP GetHBITMAP(gp::ARGB background) const;
    // A new icon; the caller destroys it. 0 on failure.
    HICON GetHICON() const;
    bool CloneArea(const gp::RectF& area, gp::PixelFormat format, GfxBitmap& target) const;
    bool CloneAreaI(const gp::Rect& area, gp::PixelFormat format, GfxBitmap& target) const;
    bool LockBits(const gp::Rect& area, UINT flags, gp::PixelFormat format, gp::BitmapData& data);
    bool UnlockBits(gp::BitmapData& data);
    // The pixel's ARGB; unspecified (status 2) outside the bitmap.
    gp::ARGB GetPixel(int x, int y) const;
    bool SetPixel(int x, int y, gp::ARGB color);
    bool SetResolution(float xDpi, float yDpi);
    // Draws this bitmap rotated by angle degrees about the centre into a new 32bpp
    // ARGB bitmap handed to target (may be *this). The size defaults to RotatedBounds.
    bool Rotate(float angle, GfxBitmap& target, std::optional<gp::ARGB> background = {},
                std::optional<gp::InterpolationMode> interpolation = {},
                std::optional<gp::SizeF> size = {}) const;
    // Bounding size of a width x height bitmap rotated by whole degrees, measured
    // between pixel centres: 0 degrees gives (width - 1) x (height - 1).
    static gp::SizeF RotatedBounds(float width, float height, int angle);
};

}  // namespace gfx
