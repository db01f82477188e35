// GfxImage and GfxBitmap.
#include "gfx/gfx_image.h"

#include "gfx/gfx_flat.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_text.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace gfx {

namespace {

constexpr PROPID kFrameDelayProperty = 0x5100;

// The encoder for format (the image's raw format when empty), or nullopt.
std::optional<CLSID> EncoderFor(const GfxImage& image, std::string_view format) {
    const std::string text =
        FindEncoderClsid(format.empty() ? image.GetRawFormat() : std::string(format));
    if (text.empty()) return std::nullopt;
    return GuidTextToBytes(text);
}

}  // namespace

// ---- GfxImage ----

bool GfxImage::Dispose() {
    // The image is disposed before its stream goes: GDI+ may read from the stream
    // until the image is gone.
    const bool ok = ReleaseWith<gp::GpImage>(GdipDisposeImage);
    stream_.Release();
    return ok;
}

template <class N, class F>
bool GfxImage::LoadThroughStream(F load, std::span<const std::uint8_t> bytes) {
    GfxMemoryStream stream;
    IStream* s = stream.CreateFromBytes(bytes);
    if (s == nullptr) return false;
    const bool ok = CreateInto<N>(*this, load, s);
    // A failed load leaves no image to read the stream, so it goes with the local.
    if (ok) stream_ = std::move(stream);
    return ok;
}

bool GfxImage::LoadFromFile(std::string_view fileName, bool useIcm) {
    return LoadFromFileW(ToWide(fileName), useIcm);
}

bool GfxImage::LoadFromFileW(const std::wstring& fileName, bool useIcm) {
    return CreateInto<gp::GpImage>(*this, useIcm ? GdipLoadImageFromFileICM : GdipLoadImageFromFile,
                                   fileName.c_str());
}

bool GfxImage::LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
    return LoadThroughStream<gp::GpImage>(
        useIcm ? GdipLoadImageFromStreamICM : GdipLoadImageFromStream, bytes);
}

bool GfxImage::Clone(GfxImage& target) const {
    return CreateInto<gp::GpImage>(target, GdipCloneImage, native());
}

bool GfxImage::SaveToFile(std::string_view fileName, std::string_view format,
                          std::span<const EncoderParameterSpec> params) const {
    return SaveToFileImpl(ToWide(fileName), format, params);
}

bool GfxImage::SaveToFileW(const std::wstring& fileName, std::string_view format,
                           std::span<const EncoderParameterSpec> params) const {
    return SaveToFileImpl(fileName, format, params);
}

bool GfxImage::SaveToFileImpl(const std::wstring& fileName, std::string_view format,
                              std::span<const EncoderParameterSpec> params) const {
    const auto clsid = EncoderFor(*this, format);
    const auto block = detail::EncoderParameterBlock::Build(params);
    if (!clsid || !block) return false;
    return Call(GdipSaveImageToFile, native(), fileName.c_str(), &*clsid, block->get());
}

std::vector<std::uint8_t> GfxImage::SaveToBytes(
    std::string_view format, std::span<const EncoderParameterSpec> params) const {
    const auto clsid = EncoderFor(*this, format);
    const auto block = detail::EncoderParameterBlock::Build(params);
    if (!clsid || !block) return {};
    GfxMemoryStream stream;
    IStream* s = stream.CreateFromBytes({});
    if (s == nullptr) return {};
    if (!Call(GdipSaveImageToStream, native(), s, &*clsid, block->get())) return {};
    return stream.ToBytes();
}

bool GfxImage::SaveAdd(std::span<const EncoderParameterSpec> params) {
    const auto block = detail::EncoderParameterBlock::Build(params);
    return block && Call(GdipSaveAdd, native(), block->get());
}

bool GfxImage::SaveAddImage(const GfxImage& image, std::span<const EncoderParameterSpec> params) {
    const auto block = detail::EncoderParameterBlock::Build(params);
    return block && Call(GdipSaveAddImage, native(), image.native(), block->get());
}

bool GfxImage::GetEncoderParameterList(std::string_view format,
                                       std::vector<EncoderParameterSpec>& out) const {
    const std::string text = FindEncoderClsid(format);
    if (text.empty()) return false;
    const CLSID clsid = GuidTextToBytes(text);
    const UINT size = Get<UINT>(GdipGetEncoderParameterListSize, native(), &clsid);
    if (GfxLastStatus != gp::Ok) return false;
    std::vector<std::uint8_t> buffer(size);
    auto* list = reinterpret_cast<gp::EncoderParameters*>(buffer.data());
    if (size < sizeof(UINT) || !Call(GdipGetEncoderParameterList, native(), &clsid, size, list))
        return false;
    out.clear();
    for (UINT i = 0; i < list->Count; ++i) {
        const gp::EncoderParameter& p = list->Parameter[i];
        const auto* data = static_cast<const std::uint8_t*>(p.Value);
        const std::size_t bytes = data ? p.NumberOfValues * detail::EncoderValueSize(p.Type) : 0;
        out.push_back({GuidBytesToText(p.Guid), static_cast<std::int32_t>(p.NumberOfValues),
                       static_cast<std::int32_t>(p.Type),
                       std::vector<std::uint8_t>(data, data + bytes)});
    }
    return true;
}

std::string GfxImage::GetRawFormat() const {
    return GuidBytesToText(Get<GUID>(GdipGetImageRawFormat, native()));
}

gp::RectF GfxImage::GetBounds(gp::Unit& unit) const {
    gp::RectF bounds;
    Call(GdipGetImageBounds, native(), &bounds, &unit);
    return bounds;
}

gp::SizeF GfxImage::GetDimension() const {
    gp::SizeF size;
    Call(GdipGetImageDimension, native(), &size.Width, &size.Height);
    return size;
}

int GfxImage::GetType() const { return Get<gp::ImageType>(GdipGetImageType, native()); }
int GfxImage::GetWidth() const { return static_cast<int>(Get<UINT>(GdipGetImageWidth, native())); }
int GfxImage::GetHeight() const {
    return static_cast<int>(Get<UINT>(GdipGetImageHeight, native()));
}
float GfxImage::GetHorizontalResolution() const {
    return Get<gp::REAL>(GdipGetImageHorizontalResolution, native());
}
float GfxImage::GetVerticalResolution() const {
    return Get<gp::REAL>(GdipGetImageVerticalResolution, native());
}
int GfxImage::GetFlags() const { return static_cast<int>(Get<UINT>(GdipGetImageFlags, native())); }
int GfxImage::GetPixelFormat() const {
    return static_cast<int>(Get<gp::PixelFormat>(GdipGetImagePixelFormat, native()));
}

bool GfxImage::GetThumbnail(int width, int height, GfxImage& target) const {
    gp::GpImage* thumb = nullptr;
    const bool ok = Call(GdipGetImageThumbnail, native(), static_cast<UINT>(width),
                         static_cast<UINT>(height), &thumb, nullptr, nullptr);
    target.SetHandle(thumb);
    return ok;
}

int GfxImage::GetFrameCount(std::string_view dimension) const {
    const GUID guid = GuidTextToBytes(dimension);
    return static_cast<int>(Get<UINT>(GdipImageGetFrameCount, native(), &guid));
}

bool GfxImage::GetFrameDimensionsList(std::vector<std::string>& dimensions) const {
    const UINT count = Get<UINT>(GdipImageGetFrameDimensionsCount, native());
    if (GfxLastStatus != gp::Ok) return false;
    std::vector<GUID> guids(count);
    if (!Call(GdipImageGetFrameDimensionsList, native(), guids.data(), count)) return false;
    dimensions.clear();
    for (const GUID& g : guids) dimensions.push_back(GuidBytesToText(g));
    return true;
}

bool GfxImage::SelectActiveFrame(std::string_view dimension, int index) {
    const GUID guid = GuidTextToBytes(dimension);
    return Call(GdipImageSelectActiveFrame, native(), &guid, static_cast<UINT>(index));
}

bool GfxImage::GetFrameDelays(std::vector<std::int32_t>& delays) const {
    GfxPropertyItem item;
    if (!GetPropertyItem(kFrameDelayProperty, item)) return false;
    delays.assign(item.value.size() / 4, 0);
    std::memcpy(delays.data(), item.value.data(), delays.size() * 4);
    return true;
}

bool GfxImage::GetPropertyItem(std::uint32_t id, GfxPropertyItem& item) const {
    const UINT size = Get<UINT>(GdipGetPropertyItemSize, native(), id);
    if (GfxLastStatus != gp::Ok || size < sizeof(gp::PropertyItem)) return false;
    // PropertyItem's value pointer points into the same block, past the header.
    auto buffer = std::make_unique<std::uint64_t[]>(size / 8 + 1);
    auto* raw = reinterpret_cast<gp::PropertyItem*>(buffer.get());
    if (!Call(GdipGetPropertyItem, native(), id, size, raw)) return false;
    const auto* value = static_cast<const std::uint8_t*>(raw->value);
    item.id = raw->id;
    item.type = raw->type;
    item.value.assign(value, value ? value + raw->length : value);
    return true;
}

bool GfxImage::SetPropertyItem(const GfxPropertyItem& item) {
    gp::PropertyItem raw{};
    raw.id = item.id;
    raw.length = static_cast<ULONG>(item.value.size());
    raw.type = item.type;
    raw.value = const_cast<std::uint8_t*>(item.value.data());
    return Call(GdipSetPropertyItem, native(), &raw);
}

bool GfxImage::RemovePropertyItem(std::uint32_t id) {
    return Call(GdipRemovePropertyItem, native(), id);
}

std::vector<std::uint32_t> GfxImage::GetPropertyIdList() const {
    const UINT count = Get<UINT>(GdipGetPropertyCount, native());
    if (GfxLastStatus != gp::Ok || count == 0) return {};
    std::vector<PROPID> ids(count);
    if (!Call(GdipGetPropertyIdList, native(), count, ids.data())) return {};
    return {ids.begin(), ids.end()};
}

bool GfxImage::RotateFlip(gp::RotateFlipType type) {
    return Call(GdipImageRotateFlip, native(), type);
}

bool GfxImage::GetPalette(GfxPalette& palette) const {
    const INT size = Get<INT>(GdipGetImagePaletteSize, native());
    if (GfxLastStatus != gp::Ok || size < static_cast<INT>(offsetof(gp::ColorPalette, Entries)))
        return false;
    auto buffer = std::make_unique<UINT[]>(static_cast<std::size_t>(size) / sizeof(UINT) + 1);
    auto* raw = reinterpret_cast<gp::ColorPalette*>(buffer.get());
    if (!Call(GdipGetImagePalette, native(), raw, size)) return false;
    palette.flags = raw->Flags;
    palette.entries.assign(raw->Entries, raw->Entries + raw->Count);
    return true;
}

bool GfxImage::SetPalette(const GfxPalette& palette) {
    std::vector<UINT> buffer(2 + std::max<std::size_t>(palette.entries.size(), 1));
    auto* raw = reinterpret_cast<gp::ColorPalette*>(buffer.data());
    raw->Flags = palette.flags;
    raw->Count = static_cast<UINT>(palette.entries.size());
    std::copy(palette.entries.begin(), palette.entries.end(), raw->Entries);
    return Call(GdipSetImagePalette, native(), raw);
}

// ---- GfxBitmap ----

bool GfxBitmap::LoadFromFile(std::string_view fileName, bool useIcm) {
    return LoadFromFileW(ToWide(fileName), useIcm);
}

bool GfxBitmap::LoadFromFileW(const std::wstring& fileName, bool useIcm) {
    return CreateInto<gp::GpBitmap>(
        *this, useIcm ? GdipCreateBitmapFromFileICM : GdipCreateBitmapFromFile, fileName.c_str());
}

bool GfxBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
    return LoadThroughStream<gp::GpBitmap>(
        useIcm ? GdipCreateBitmapFromStreamICM : GdipCreateBitmapFromStream, bytes);
}

bool GfxBitmap::CreateFromScan0(int width, int height, int stride, gp::PixelFormat format,
                                BYTE* scan0) {
    return CreateInto<gp::GpBitmap>(*this, GdipCreateBitmapFromScan0, width, height, stride, format,
                                    scan0);
}

bool GfxBitmap::Create(int width, int height, gp::PixelFormat format) {
    return CreateFromScan0(width, height, 0, format, nullptr);
}

bool GfxBitmap::CreateFromGraphics(int width, int height, const GfxGraphics& graphics) {
    return CreateInto<gp::GpBitmap>(*this, GdipCreateBitmapFromGraphics, width, height,
                                    graphics.native());
}

bool GfxBitmap::CreateFromGdiDib(const BITMAPINFO* info, void* bits) {
    return CreateInto<gp::GpBitmap>(*this, GdipCreateBitmapFromGdiDib, info, bits);
}

bool GfxBitmap::CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette) {
    return CreateInto<gp::GpBitmap>(*this, GdipCreateBitmapFromHBITMAP, bitmap, palette);
}

bool GfxBitmap::CreateFromHICON(HICON icon) {
    return CreateInto<gp::GpBitmap>(*this, GdipCreateBitmapFromHICON, icon);
}

bool GfxBitmap::CreateFromResource(HINSTANCE module, std::string_view name) {
    return CreateInto<gp::GpBitmap>(*this, GdipCreateBitmapFromResource, module,
                                    ToWide(name).c_str());
}

HBITMAP GfxBitmap::GetHBITMAP(gp::ARGB background) const {
    HBITMAP bitmap = nullptr;
    return Call(GdipCreateHBITMAPFromBitmap, native(), &bitmap, background) ? bitmap : nullptr;
}

HICON GfxBitmap::GetHICON() const {
    HICON icon = nullptr;
    return Call(GdipCreateHICONFromBitmap, native(), &icon) ? icon : nullptr;
}

bool GfxBitmap::CloneArea(const gp::RectF& a, gp::PixelFormat format, GfxBitmap& target) const {
    return CreateInto<gp::GpBitmap>(target, GdipCloneBitmapArea, a.X, a.Y, a.Width, a.Height,
                                    format, native());
}

bool GfxBitmap::CloneAreaI(const gp::Rect& a, gp::PixelFormat format, GfxBitmap& target) const {
    return CreateInto<gp::GpBitmap>(target, GdipCloneBitmapAreaI, a.X, a.Y, a.Width, a.Height,
                                    format, native());
}

bool GfxBitmap::LockBits(const gp::Rect& area, UINT flags, gp::PixelFormat format,
                         gp::BitmapData& data) {
    return Call(GdipBitmapLockBits, native(), &area, flags, format, &data);
}

bool GfxBitmap::UnlockBits(gp::BitmapData& data) {
    return Call(GdipBitmapUnlockBits, native(), &data);
}
gp::ARGB GfxBitmap::GetPixel(int x, int y) const {
    return Get<gp::ARGB>(GdipBitmapGetPixel, native(), x, y);
}
bool GfxBitmap::SetPixel(int x, int y, gp::ARGB color) {
    return Call(GdipBitmapSetPixel, native(), x, y, color);
}
bool GfxBitmap::SetResolution(float xDpi, float yDpi) {
    return Call(GdipBitmapSetResolution, native(), xDpi, yDpi);
}

bool GfxBitmap::Rotate(float angle, GfxBitmap& target, std::optional<gp::ARGB> background,
                       std::optional<gp::InterpolationMode> interpolation,
                       std::optional<gp::SizeF> size) const {
    const float w = static_cast<float>(GetWidth());
    const float h = static_cast<float>(GetHeight());
    const gp::SizeF out = size ? *size : RotatedBounds(w, h, static_cast<int>(angle));
    GfxBitmap rotated;
    GfxGraphics g;
    // Every early exit releases what was made but reports the failing step's status.
    const auto fail = [&] {
        const int status = GfxLastStatus;
        g.Delete();
        rotated.Dispose();
        GfxLastStatus = status;
        return false;
    };
    if (!rotated.Create(static_cast<int>(out.Width), static_cast<int>(out.Height))) return false;
    rotated.SetResolution(GetHorizontalResolution(), GetVerticalResolution());
    if (!g.FromImage(rotated)) return fail();
    if (background) {
        gp::GpSolidFill* brush = nullptr;
        if (!Call(GdipCreateSolidFill, *background, &brush)) return fail();
        GdipFillRectangle(g.native(), brush, 0.0f, 0.0f, out.Width, out.Height);
        GdipDeleteBrush(brush);
    }
    if (interpolation) GdipSetInterpolationMode(g.native(), *interpolation);
    gp::GpMatrix* raw = nullptr;
    if (!Call(GdipCreateMatrix, &raw)) return fail();
    const std::unique_ptr<gp::GpMatrix, decltype(&GdipDeleteMatrix)> m(raw, GdipDeleteMatrix);
    const auto prepend = gp::MatrixOrderPrepend;
    GdipTranslateMatrix(m.get(), out.Width / 2, out.Height / 2, prepend);
    GdipRotateMatrix(m.get(), angle, prepend);
    GdipTranslateMatrix(m.get(), -out.Width / 2, -out.Height / 2, prepend);
    GdipTranslateMatrix(m.get(), (out.Width - w) / 2, (out.Height - h) / 2, prepend);
    GdipSetWorldTransform(g.native(), m.get());
    const bool drawn = Call(GdipDrawImage, g.native(), native(), 0.0f, 0.0f);
    // What the caller reads afterwards is the draw's status, not the clean-up's.
    const int drawStatus = GfxLastStatus;
    GdipResetWorldTransform(g.native());
    g.Delete();
    target.SetHandle(rotated.Detach());
    GfxLastStatus = drawStatus;
    return drawn;
}

gp::SizeF GfxBitmap::RotatedBounds(float width, float height, int angle) {
    // Double precision keeps right angles exact enough that truncating the result
    // to whole pixels does not lose one.
    const double r = angle * 3.1415926535 / 180.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    const double a = (width - 1.0) / 2.0;
    const double b = (height - 1.0) / 2.0;
    const double px[4] = {-a, a, -a, a};
    const double py[4] = {b, b, -b, -b};
    double x[4];
    double y[4];
    for (int i = 0; i < 4; ++i) {
        x[i] = px[i] * c + py[i] * s;
        y[i] = -px[i] * s + py[i] * c;
    }
    return gp::SizeF(static_cast<float>(std::max(std::fabs(x[3] - x[0]), std::fabs(x[2] - x[1]))),
                     static_cast<float>(std::max(std::fabs(y[3] - y[0]), std::fabs(y[2] - y[1]))));
}

}  // namespace gfx
