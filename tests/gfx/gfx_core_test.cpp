// Conversions, streams, encoders, images and bitmaps, and the ownership and
// status rules every graphics object follows.
#include "tests/gfx/gdiplus_fixture.h"
#include "tests/support/win_test.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace gfx;
using namespace gfx_test;

namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::span<const std::uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// A status no GDI+ call returns, to see whether a call touched GfxLastStatus.
constexpr int kUntouched = 1234;

// ---- text and GUID conversions ----

TEST(GfxText, ToWideConvertsFromTheAnsiCodePage) {
    struct Case {
        const char* text;
        std::wstring wide;
    };
    const Case cases[] = {
        {"", L""},
        {"abc", L"abc"},
        {"宋体", L"\u5B8B\u4F53"},  // GBK literal (the build's execution charset)
        {"亮度恢复", L"\u4EAE\u5EA6\u6062\u590D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::wstring wide = ToWide(c.text);
        EXPECT_EQ(wide, c.wide);
        EXPECT_EQ(wide.c_str()[wide.size()], L'\0');
        EXPECT_EQ(FromWide(wide), c.text);
    }
}

TEST(GfxText, GuidTextRoundTripsAndBadTextGivesNull) {
    const GUID png = GuidTextToBytes(kFormatPng);
    EXPECT_EQ(png.Data1, 0xB96B3CAFu);
    EXPECT_EQ(png.Data4[7], 0x2E);
    EXPECT_EQ(GuidBytesToText(png), kFormatPng);
    for (const char* bad : {"", "not a guid", "{B96B3CAF-0728-11D3}"}) {
        SCOPED_TRACE(bad);
        EXPECT_TRUE(IsEqualGUID(GuidTextToBytes(bad), GUID_NULL));
    }
}

// ---- memory stream ----

TEST(GfxMemoryStream, HoldsAPrivateCopySizedAsAsked) {
    std::vector<std::uint8_t> bytes = {1, 2, 3, 4};
    GfxMemoryStream stream;
    ASSERT_NE(stream.CreateFromBytes(bytes), nullptr);
    bytes[0] = 99;  // the stream must not see later changes
    EXPECT_EQ(stream.ToBytes(), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_GE(stream.GetSize(), 4u);

    // A larger size never reads past the array: the rest is zero.
    ASSERT_NE(stream.CreateFromBytes(bytes, 6), nullptr);
    EXPECT_EQ(stream.ToBytes(), (std::vector<std::uint8_t>{99, 2, 3, 4, 0, 0}));
    ASSERT_NE(stream.CreateFromBytes(bytes, 2), nullptr);
    EXPECT_EQ(stream.ToBytes(), (std::vector<std::uint8_t>{99, 2}));

    GfxMemoryStream moved = std::move(stream);
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_NE(moved.GetStream(), nullptr);
    moved.Release();
    moved.Release();  // twice is harmless
    EXPECT_EQ(moved.GetMemory(), nullptr);
    EXPECT_TRUE(moved.ToBytes().empty());
}

TEST(GfxMemoryStream, AttachedStreamKeepsOwnershipOfItsMemory) {
    IStream* raw = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &raw), S_OK);
    const char data[] = "abc";
    ASSERT_EQ(raw->Write(data, 3, nullptr), S_OK);
    GfxMemoryStream stream;
    EXPECT_TRUE(stream.AttachStream(raw));
    EXPECT_EQ(stream.ToBytes(), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    // Releasing must free the memory once (the stream does it), not twice.
    stream.Release();
    EXPECT_FALSE(GfxMemoryStream().AttachStream(nullptr));
}

// ---- encoders ----

TEST(GfxEncoders, FindsByExactFormatText) {
    const std::vector<EncoderInfo> encoders = GetImageEncoders();
    ASSERT_FALSE(encoders.empty());
    EXPECT_EQ(GfxLastStatus, gp::Ok);
    const std::string png = FindEncoderClsid(kFormatPng);
    EXPECT_EQ(png.size(), 38u);
    bool listed = false;
    for (const EncoderInfo& e : encoders) listed |= e.formatId == kFormatPng && e.classId == png;
    EXPECT_TRUE(listed);

    std::string lower(kFormatPng);
    for (char& ch : lower) ch = static_cast<char>(tolower(ch));
    EXPECT_EQ(FindEncoderClsid(lower), "");  // the match is case-sensitive
    EXPECT_EQ(FindEncoderClsid("{00000000-0000-0000-0000-000000000001}"), "");
}

// ---- images and bitmaps ----

TEST(GfxBitmap, CreateGivesTransparentArgbBitmap) {
    GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(26, 18));
    EXPECT_NE(bitmap.GetHandle(), nullptr);
    EXPECT_EQ(bitmap.GetWidth(), 26);
    EXPECT_EQ(bitmap.GetHeight(), 18);
    EXPECT_EQ(bitmap.GetPixelFormat(), 0x26200A);
    int nonZero = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 26; ++x) nonZero += bitmap.GetPixel(x, y) != 0;
    EXPECT_EQ(nonZero, 0);

    ASSERT_TRUE(bitmap.SetPixel(3, 4, kRed));
    EXPECT_EQ(bitmap.GetPixel(3, 4), kRed);
    bitmap.GetPixel(26, 0);
    EXPECT_EQ(GfxLastStatus, gp::InvalidParameter);
}

TEST(GfxImage, PngRoundTripKeepsPixels) {
    GfxBitmap source;
    ASSERT_TRUE(source.Create(5, 3));
    source.SetPixel(0, 0, kRed);
    source.SetPixel(4, 2, kBlue);
    const std::vector<std::uint8_t> png = source.SaveToBytes(kFormatPng);
    ASSERT_TRUE(StartsWith(png, kPngSignature));

    GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(png));
    EXPECT_EQ(bitmap.GetPixel(0, 0), kRed);
    EXPECT_EQ(bitmap.GetPixel(4, 2), kBlue);
    EXPECT_EQ(bitmap.GetPixel(1, 1), 0u);

    GfxImage image;
    ASSERT_TRUE(image.LoadFromBytes(png));
    EXPECT_EQ(image.GetWidth(), 5);
    EXPECT_EQ(image.GetHeight(), 3);
    EXPECT_EQ(image.GetRawFormat(), kFormatPng);
    // With no format the image's own raw format is used.
    EXPECT_TRUE(StartsWith(image.SaveToBytes(), kPngSignature));
}

TEST(GfxImage, LargeJpegLoadsFromBytes) {
    GfxBitmap canvas;
    ASSERT_TRUE(canvas.Create(1024, 640));
    const std::vector<std::uint8_t> jpeg = canvas.SaveToBytes(kFormatJpeg);
    ASSERT_GT(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    // The stream's content, not the memory block: a JPEG ends with its EOI marker.
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);

    GfxImage image;
    ASSERT_TRUE(image.LoadFromBytes(jpeg));
    EXPECT_EQ(image.GetWidth(), 1024);
    EXPECT_EQ(image.GetHeight(), 640);
    EXPECT_EQ(image.GetRawFormat(), kFormatJpeg);
    GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(jpeg));
    EXPECT_EQ(bitmap.GetWidth(), 1024);
    EXPECT_EQ(bitmap.GetHeight(), 640);
}

TEST(GfxImage, SaveWithoutEncoderOrWithBadParametersCallsNothing) {
    GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4));
    struct Case {
        const char* label;
        std::string format;
        std::vector<EncoderParameterSpec> params;
    };
    const std::string quality = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
    const Case cases[] = {
        {"unknown format", "{00000000-0000-0000-0000-000000000001}", {}},
        {"lower-case format", "{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", {}},
        // One Long value needs four bytes; two would let GDI+ read past the array.
        {"short parameter value",
         std::string(kFormatJpeg),
         {{quality, 1, gp::EncoderParameterValueTypeLong, {50, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        GfxLastStatus = gp::Ok;
        EXPECT_TRUE(bitmap.SaveToBytes(c.format, c.params).empty());
        EXPECT_EQ(GfxLastStatus, gp::Ok);
    }
    const std::vector<EncoderParameterSpec> good = {
        {quality, 1, gp::EncoderParameterValueTypeLong, {50, 0, 0, 0}}};
    EXPECT_FALSE(bitmap.SaveToBytes(kFormatJpeg, good).empty());
}

TEST(GfxImage, FileRoundTripThroughAnsiName) {
    testing_support::TempDir dir("gfx");
    const std::string file = dir.file("图像.png");
    GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(7, 4));
    ASSERT_TRUE(bitmap.SaveToFile(file, kFormatPng));
    EXPECT_TRUE(StartsWith(testing_support::ReadFileBytes(file), kPngSignature));
    std::unique_ptr<GfxImage> images[] = {std::make_unique<GfxImage>(),
                                          std::make_unique<GfxBitmap>()};
    for (auto& image : images) {
        ASSERT_TRUE(image->LoadFromFile(file));
        EXPECT_EQ(image->GetWidth(), 7);
        EXPECT_EQ(image->GetHeight(), 4);
    }
    GfxImage missing;
    EXPECT_FALSE(missing.LoadFromFile(dir.file("none.png")));
    EXPECT_EQ(missing.GetHandle(), nullptr);
    EXPECT_NE(GfxLastStatus, gp::Ok);
}

TEST(GfxImage, RotateFlipTurnsTheImage) {
    GfxImage image;
    ASSERT_TRUE(image.LoadFromBytes(MakePng(38, 18, kRed)));
    ASSERT_TRUE(image.RotateFlip(gp::Rotate90FlipNone));
    EXPECT_EQ(image.GetWidth(), 18);
    EXPECT_EQ(image.GetHeight(), 38);
}

TEST(GfxImage, CloneIsIndependentOfTheSource) {
    GfxImage clone;
    {
        GfxImage image;
        ASSERT_TRUE(image.LoadFromBytes(MakePng(6, 5, kRed)));
        ASSERT_TRUE(image.Clone(clone));
    }
    EXPECT_EQ(clone.GetWidth(), 6);
    GfxBitmap asBitmap;
    ASSERT_TRUE(asBitmap.Create(1, 1));
    EXPECT_TRUE(clone.Clone(asBitmap));  // a clone of an image replaces what the target held
    EXPECT_EQ(asBitmap.GetWidth(), 6);
}

TEST(GfxBitmap, RotatedBoundsMeasureBetweenPixelCentres) {
    struct Case {
        float w, h;
        int angle;
        float outW, outH;
    };
    const Case cases[] = {
        {10, 10, 0, 9, 9},
        {38, 18, 90, 17, 37},
        {38, 18, 180, 37, 17},
        {38, 18, -90, 17, 37},
        {11, 11, 45, 14.142136f, 14.142136f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const gp::SizeF size = GfxBitmap::RotatedBounds(c.w, c.h, c.angle);
        EXPECT_NEAR(size.Width, c.outW, 1e-4);
        EXPECT_NEAR(size.Height, c.outH, 1e-4);
    }
}

TEST(GfxBitmap, RotateMakesABitmapOfTheRotatedSize) {
    struct Case {
        int w, h;
        float angle;
        std::optional<gp::SizeF> size;
        int outW, outH;
    };
    const Case cases[] = {
        {10, 10, 0, std::nullopt, 9, 9},
        {10, 10, 0, gp::SizeF(10, 10), 10, 10},
        {38, 18, 90, std::nullopt, 17, 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        GfxBitmap source;
        ASSERT_TRUE(source.Create(c.w, c.h));
        GfxBitmap rotated;
        ASSERT_TRUE(source.Rotate(c.angle, rotated, std::nullopt, std::nullopt, c.size));
        EXPECT_EQ(GfxLastStatus, gp::Ok);
        EXPECT_EQ(rotated.GetWidth(), c.outW);
        EXPECT_EQ(rotated.GetHeight(), c.outH);
        EXPECT_EQ(source.GetWidth(), c.w);  // the source stays as it was
    }
}

TEST(GfxBitmap, RotateDrawsAboutTheCentreOverTheBackground) {
    Canvas red(21, 21, kRed);
    red.graphics.Delete();
    GfxBitmap rotated;
    ASSERT_TRUE(red.bitmap.Rotate(45, rotated, kBlue, gp::InterpolationModeNearestNeighbor,
                                  gp::SizeF(31, 31)));
    EXPECT_EQ(rotated.GetPixel(15, 15), kRed);  // centre: the source
    EXPECT_EQ(rotated.GetPixel(1, 1), kBlue);   // corner: the background
    EXPECT_EQ(rotated.GetPixel(15, 2), kRed);   // a rotated corner reaches up to here

    // Into itself: the bitmap is replaced by its rotation.
    ASSERT_TRUE(red.bitmap.Rotate(90, red.bitmap));
    EXPECT_EQ(red.bitmap.GetWidth(), 20);

    GfxBitmap tooSmall;
    ASSERT_TRUE(tooSmall.Create(1, 1));
    GfxBitmap untouched;
    EXPECT_FALSE(tooSmall.Rotate(0, untouched));  // 0 x 0 cannot be made
    EXPECT_EQ(GfxLastStatus, gp::InvalidParameter);
    EXPECT_EQ(untouched.GetHandle(), nullptr);
}

TEST(GfxBitmap, HbitmapPaintsTransparentPixelsWithTheBackground) {
    GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4));
    bitmap.SetPixel(0, 0, kRed);
    HBITMAP hbitmap = bitmap.GetHBITMAP(kGreen);
    ASSERT_NE(hbitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, hbitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 255, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(hbitmap);

    // Back again through GDI+.
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    GfxBitmap fromIcon;
    ASSERT_TRUE(fromIcon.CreateFromHICON(icon));
    EXPECT_EQ(fromIcon.GetWidth(), GetSystemMetrics(SM_CXICON));
}

// ---- ownership and status rules ----

// Runs create on a fresh T; says whether it succeeded and hands the object out.
template <class T, class F>
std::function<std::pair<bool, std::unique_ptr<GfxObject>>()> Attempt(F create) {
    return [create] {
        auto object = std::make_unique<T>();
        const bool ok = create(*object);
        return std::pair{ok, std::unique_ptr<GfxObject>(std::move(object))};
    };
}

// One entry per class: a full object, and its release method.
struct Kind {
    const char* name;
    std::function<std::pair<bool, std::unique_ptr<GfxObject>>()> make;
    std::function<bool(GfxObject&)> release;
};

template <class T>
std::function<bool(GfxObject&)> Releaser(bool (T::*release)()) {
    return [release](GfxObject& o) { return (static_cast<T&>(o).*release)(); };
}

TEST(GfxObject, SecondReleaseReturnsFalseAndLeavesTheStatus) {
    const std::vector<std::uint8_t> png = MakePng(2, 2, kRed);
    const HDC dc = CreateCompatibleDC(nullptr);
    const Kind kinds[] = {
        {"image", Attempt<GfxImage>([&](GfxImage& o) { return o.LoadFromBytes(png); }),
         Releaser(&GfxImage::Dispose)},
        {"bitmap", Attempt<GfxBitmap>([](GfxBitmap& o) { return o.Create(2, 2); }),
         Releaser(&GfxImage::Dispose)},
        {"graphics", Attempt<GfxGraphics>([dc](GfxGraphics& o) { return o.CreateFromHDC(dc); }),
         Releaser(&GfxGraphics::Delete)},
        {"solid brush", Attempt<GfxSolidBrush>([](GfxSolidBrush& o) { return o.Create(kRed); }),
         Releaser(&GfxBrush::Delete)},
        {"pen", Attempt<GfxPen>([](GfxPen& o) { return o.Create(kRed, 1); }),
         Releaser(&GfxPen::Delete)},
        {"path", Attempt<GfxPath>([](GfxPath& o) { return o.Create(); }),
         Releaser(&GfxPath::Delete)},
        {"region", Attempt<GfxRegion>([](GfxRegion& o) { return o.Create(); }),
         Releaser(&GfxRegion::Delete)},
        {"string format", Attempt<GfxStringFormat>([](GfxStringFormat& o) { return o.Create(); }),
         Releaser(&GfxStringFormat::Delete)},
        {"font family",
         Attempt<GfxFontFamily>([](GfxFontFamily& o) { return o.GetGenericSansSerif(); }),
         Releaser(&GfxFontFamily::Delete)},
        {"font", Attempt<GfxFont>([](GfxFont& o) { return o.CreateDefault(); }),
         Releaser(&GfxFont::Delete)},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        auto [made, object] = kind.make();
        ASSERT_TRUE(made);
        EXPECT_TRUE(kind.release(*object));
        EXPECT_EQ(object->GetHandle(), nullptr);
        GfxLastStatus = kUntouched;
        EXPECT_FALSE(kind.release(*object));
        EXPECT_EQ(GfxLastStatus, kUntouched);
    }
    DeleteDC(dc);
}

TEST(GfxObject, FailedCreationLeavesNoHandleAndTheStatus) {
    const std::vector<std::uint8_t> junk(64, 7);
    struct Case {
        const char* label;
        std::function<std::pair<bool, std::unique_ptr<GfxObject>>()> create;
        int status;  // -1: any failure
    };
    const Case cases[] = {
        {"bitmap 0 x 10", Attempt<GfxBitmap>([](GfxBitmap& o) { return o.Create(0, 10); }),
         gp::InvalidParameter},
        {"bitmap -1 x 1", Attempt<GfxBitmap>([](GfxBitmap& o) { return o.Create(-1, 1); }),
         gp::InvalidParameter},
        {"pen of no brush",
         Attempt<GfxPen>([](GfxPen& o) { return o.CreateFromBrush(GfxSolidBrush(), 1); }),
         gp::InvalidParameter},
        {"font of no family",
         Attempt<GfxFont>([](GfxFont& o) { return o.Create("NoSuchFamily", 9, 0); }),
         gp::InvalidParameter},
        {"image from junk", Attempt<GfxImage>([&](GfxImage& o) { return o.LoadFromBytes(junk); }),
         -1},
        {"bitmap from junk",
         Attempt<GfxBitmap>([&](GfxBitmap& o) { return o.LoadFromBytes(junk); }), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto [made, object] = c.create();
        EXPECT_FALSE(made);
        EXPECT_EQ(object->GetHandle(), nullptr);
        if (c.status >= 0)
            EXPECT_EQ(GfxLastStatus, c.status);
        else
            EXPECT_NE(GfxLastStatus, gp::Ok);
    }
}

TEST(GfxObject, MovingTransfersOwnership) {
    GfxBitmap a;
    ASSERT_TRUE(a.Create(3, 3));
    void* native = a.GetHandle();
    GfxBitmap b = std::move(a);
    EXPECT_EQ(a.GetHandle(), nullptr);
    EXPECT_EQ(b.GetHandle(), native);
    GfxBitmap c;
    ASSERT_TRUE(c.Create(5, 5));
    c = std::move(b);  // c's own bitmap is released, b's is taken over
    EXPECT_EQ(c.GetHandle(), native);
    EXPECT_EQ(c.GetWidth(), 3);
    GfxBitmap& alias = c;
    c = std::move(alias);
    EXPECT_EQ(c.GetWidth(), 3);

    GfxImage loaded;
    ASSERT_TRUE(loaded.LoadFromBytes(MakePng(9, 2, kRed)));
    GfxImage moved = std::move(loaded);  // the stream behind the image moves with it
    EXPECT_EQ(moved.GetWidth(), 9);
    EXPECT_TRUE(StartsWith(moved.SaveToBytes(), kPngSignature));
}

TEST(GfxObject, ReplacingKeepsTheStatusOfTheNewObject) {
    GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(2, 2));
    EXPECT_FALSE(bitmap.Create(0, 0));  // the old bitmap is released, the status stays 2
    EXPECT_EQ(GfxLastStatus, gp::InvalidParameter);
    EXPECT_EQ(bitmap.GetHandle(), nullptr);
}

}  // namespace
