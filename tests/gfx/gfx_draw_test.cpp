// Drawing: graphics surfaces, brushes, pens, paths, clips, images, texts, and
// the tooltip window. Effects are checked by reading pixels back.
#include "tests/gfx/gdiplus_fixture.h"
#include "tests/support/win_test.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gfx;
using namespace gfx_test;

namespace {

constexpr int kUntouched = 1234;

// ---- surfaces ----

TEST(GfxGraphics, DrawsOnADeviceContext) {
    // A 32-bit DIB section selected into a memory DC, as the painters use.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    {
        GfxGraphics g;
        ASSERT_TRUE(g.CreateFromHDC(dc));
        GfxSolidBrush brush;
        ASSERT_TRUE(brush.Create(kBlue));
        EXPECT_TRUE(g.Clear(kWhite));
        EXPECT_TRUE(g.FillRectangle(brush, 4, 4, 8, 8));
        EXPECT_TRUE(g.Delete());  // before the DC goes
    }
    EXPECT_EQ(GetPixel(dc, 6, 6), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
}

TEST(GfxGraphics, QualitySettersTakeEffect) {
    Canvas c(8, 8);
    EXPECT_TRUE(c.graphics.SetSmoothingMode(gp::SmoothingModeAntiAlias));
    EXPECT_EQ(c.graphics.GetSmoothingMode(), gp::SmoothingModeAntiAlias);
    EXPECT_TRUE(c.graphics.SetInterpolationMode(gp::InterpolationModeNearestNeighbor));
    EXPECT_EQ(c.graphics.GetInterpolationMode(), gp::InterpolationModeNearestNeighbor);
    EXPECT_TRUE(c.graphics.SetPixelOffsetMode(gp::PixelOffsetModeHalf));
    EXPECT_EQ(c.graphics.GetPixelOffsetMode(), gp::PixelOffsetModeHalf);
    EXPECT_TRUE(c.graphics.SetCompositingQuality(gp::CompositingQualityHighQuality));
    EXPECT_EQ(c.graphics.GetCompositingQuality(), gp::CompositingQualityHighQuality);
}

TEST(GfxGraphics, TransformsAboutACentre) {
    struct Case {
        const char* label;
        bool rotate;
        gp::MatrixOrder order;
        gp::PointF expected;
    };
    const Case cases[] = {
        {"rotate prepend", true, gp::MatrixOrderPrepend, {10, 20}},
        {"rotate append", true, gp::MatrixOrderAppend, {10, 20}},
        {"scale prepend", false, gp::MatrixOrderPrepend, {30, 10}},
        {"scale append", false, gp::MatrixOrderAppend, {30, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Canvas canvas(4, 4);
        const gp::PointF centre(10, 10);
        EXPECT_TRUE(c.rotate ? canvas.graphics.RotateWorldTransformAt(90, centre, c.order)
                             : canvas.graphics.ScaleWorldTransformAt(2, 2, centre, c.order));
        gp::PointF p[] = {{20, 10}};
        ASSERT_TRUE(canvas.graphics.TransformPoints(gp::CoordinateSpaceDevice,
                                                    gp::CoordinateSpaceWorld, p));
        EXPECT_NEAR(p[0].X, c.expected.X, 1e-3);
        EXPECT_NEAR(p[0].Y, c.expected.Y, 1e-3);
    }
    // The order matters once there is a transform already: about (10, 10) after
    // a shift by (5, 0), prepend rotates in the shifted space, append after it.
    Canvas canvas(4, 4);
    canvas.graphics.TranslateWorldTransform(5, 0);
    canvas.graphics.RotateWorldTransformAt(90, gp::PointF(10, 10), gp::MatrixOrderAppend);
    gp::PointF p[] = {{15, 10}};  // shifted to (20, 10), then rotated
    canvas.graphics.TransformPoints(gp::CoordinateSpaceDevice, gp::CoordinateSpaceWorld, p);
    EXPECT_NEAR(p[0].X, 10, 1e-3);
    EXPECT_NEAR(p[0].Y, 20, 1e-3);
}

// ---- brushes and pens ----

TEST(GfxSolidBrush, FillsWithItsColour) {
    Canvas c(16, 16);
    GfxSolidBrush brush;
    ASSERT_TRUE(brush.Create(kBlue));
    EXPECT_EQ(brush.GetColor(), kBlue);
    EXPECT_EQ(brush.GetType(), gp::BrushTypeSolidColor);
    ASSERT_TRUE(c.graphics.FillRectangle(brush, 2, 2, 10, 10));
    EXPECT_EQ(c.At(5, 5), kBlue);
    EXPECT_EQ(c.At(13, 13), 0u);
    ASSERT_TRUE(brush.SetColor(kRed));
    ASSERT_TRUE(c.graphics.FillRectangle(brush, gp::RectF(0, 0, 2, 2)));
    EXPECT_EQ(c.At(1, 1), kRed);
}

TEST(GfxLinearGradientBrush, BlendsAlongTheLine) {
    Canvas c(64, 4);
    GfxLinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrush(gp::PointF(0, 0), gp::PointF(64, 0), kRed, kBlue));
    EXPECT_EQ(brush.GetType(), gp::BrushTypeLinearGradient);
    ASSERT_TRUE(c.graphics.FillRectangle(brush, 0, 0, 64, 4));
    EXPECT_GT(Red(c.At(2, 1)), 200);
    EXPECT_GT(Blue(c.At(61, 1)), 200);

    const gp::ARGB colours[] = {kRed, kGreen, kBlue};
    const float positions[] = {0, 0.5f, 1};
    ASSERT_TRUE(brush.SetLinePresetBlend(colours, positions));
    GfxPresetBlend blend;
    ASSERT_TRUE(brush.GetLinePresetBlend(blend));
    EXPECT_EQ(blend.colors.size(), 3u);
    ASSERT_TRUE(c.graphics.FillRectangle(brush, 0, 0, 64, 4));
    EXPECT_GT(Green(c.At(32, 1)), 200);

    // A linear blend peaking in the middle: the end colour there, the start at both ends.
    ASSERT_TRUE(brush.SetLineLinearBlend(0.5f, 1.0f));
    ASSERT_TRUE(c.graphics.FillRectangle(brush, 0, 0, 64, 4));
    EXPECT_GT(Blue(c.At(32, 1)), 200);
    EXPECT_GT(Red(c.At(2, 1)), 200);
    EXPECT_GT(Red(c.At(61, 1)), 200);
}

TEST(GfxLinearGradientBrush, RejectsBadPresetBlends) {
    GfxLinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrush(gp::PointF(0, 0), gp::PointF(10, 0), kRed, kBlue));
    const gp::ARGB colours[] = {kRed, kGreen, kBlue};
    struct Case {
        const char* label;
        std::vector<float> positions;
        int status;
    };
    const Case cases[] = {
        {"first position not 0", {0.2f, 0.5f, 1}, gp::InvalidParameter},
        {"last position not 1", {0, 0.5f, 0.9f}, gp::InvalidParameter},
        // Fewer positions than colours would make GDI+ read past them: not called.
        {"positions shorter than colours", {0, 1}, kUntouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        GfxLastStatus = kUntouched;
        EXPECT_FALSE(brush.SetLinePresetBlend(colours, c.positions));
        EXPECT_EQ(GfxLastStatus, c.status);
    }
}

TEST(GfxPathGradientBrush, GlowsFromTheCentre) {
    GfxPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddPathEllipse(0, 0, 40, 40));
    GfxPathGradientBrush brush;
    ASSERT_TRUE(brush.CreatePathGradientFromPath(path));
    ASSERT_TRUE(brush.SetCenterColor(kWhite));
    EXPECT_EQ(brush.GetCenterColor(), kWhite);
    const gp::ARGB surround[] = {kBlue};
    int taken = 0;
    ASSERT_TRUE(brush.SetSurroundColorsWithCount(surround, &taken));
    EXPECT_EQ(taken, 1);
    ASSERT_TRUE(brush.SetFocusScales(0.5f, 0.5f));
    float fx = 0, fy = 0;
    ASSERT_TRUE(brush.GetFocusScales(fx, fy));
    EXPECT_FLOAT_EQ(fx, 0.5f);
    EXPECT_FLOAT_EQ(fy, 0.5f);

    Canvas c(40, 40);
    ASSERT_TRUE(c.graphics.FillPath(brush, path));
    const gp::ARGB centre = c.At(20, 20);  // inside the focus: (nearly) the centre colour
    EXPECT_GT(Red(centre), 0xE0);
    EXPECT_GT(Green(centre), 0xE0);
    EXPECT_GT(Blue(c.At(20, 1)), Red(c.At(20, 1)));  // near the edge: the surround
    EXPECT_EQ(c.At(1, 1), 0u);                       // outside the ellipse: nothing

    // More colours than the path has points: status 2, colours as they were.
    const std::vector<gp::ARGB> tooMany(brush.GetPointCount() + 1, kRed);
    EXPECT_FALSE(brush.SetSurroundColorsWithCount(tooMany));
    EXPECT_EQ(GfxLastStatus, gp::InvalidParameter);
    const std::vector<gp::ARGB> kept = brush.GetSurroundColorsWithCount();
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept[0], kBlue);
}

TEST(GfxPen, StrokesLinesAndOutlines) {
    Canvas c(32, 32);
    GfxPen pen;
    ASSERT_TRUE(pen.Create(kRed, 1));
    ASSERT_TRUE(pen.SetWidth(3));
    EXPECT_FLOAT_EQ(pen.GetWidth(), 3);
    ASSERT_TRUE(c.graphics.DrawLine(pen, 0, 5, 32, 5));
    EXPECT_EQ(c.At(16, 5), kRed);
    EXPECT_EQ(c.At(16, 4), kRed);  // three pixels wide
    EXPECT_EQ(c.At(16, 6), kRed);
    EXPECT_EQ(c.At(16, 9), 0u);

    GfxSolidBrush blue;
    ASSERT_TRUE(blue.Create(kBlue));
    GfxPen fromBrush;
    ASSERT_TRUE(fromBrush.CreateFromBrush(blue, 1));
    EXPECT_EQ(fromBrush.GetColor(), kBlue);
    ASSERT_TRUE(c.graphics.DrawRectangle(fromBrush, 10, 10, 10, 10));
    EXPECT_EQ(c.At(10, 15), kBlue);  // the outline
    EXPECT_EQ(c.At(15, 15), 0u);     // not the inside

    GfxAnyBrush fill;
    ASSERT_TRUE(fromBrush.GetBrushFill(fill));
    EXPECT_EQ(fill.GetType(), gp::BrushTypeSolidColor);

    GfxPen empty;
    GfxLastStatus = kUntouched;
    EXPECT_FALSE(empty.Delete());
    EXPECT_EQ(GfxLastStatus, kUntouched);
}

// ---- paths, regions and clips ----

TEST(GfxPath, BuildsFillsAndResets) {
    GfxPath path;
    ASSERT_TRUE(path.Create());
    GfxPathData data{{gp::PointF(1, 1)}, {0}};
    ASSERT_TRUE(path.GetPathData(data));
    EXPECT_TRUE(data.points.empty());
    EXPECT_TRUE(data.types.empty());

    ASSERT_TRUE(path.AddPathRectangle(2, 2, 6, 6));
    ASSERT_TRUE(path.AddPathEllipse(20, 2, 10, 10));
    ASSERT_TRUE(path.AddPathLine(2, 20, 30, 20));
    Canvas c(32, 32);
    GfxSolidBrush brush;
    brush.Create(kBlue);
    ASSERT_TRUE(c.graphics.FillPath(brush, path));
    EXPECT_EQ(c.At(4, 4), kBlue);
    EXPECT_EQ(c.At(25, 7), kBlue);
    EXPECT_EQ(c.At(15, 5), 0u);
    GfxPen pen;
    pen.Create(kRed, 1);
    ASSERT_TRUE(c.graphics.DrawPath(pen, path));
    EXPECT_EQ(c.At(16, 20), kRed);

    ASSERT_TRUE(path.GetPathData(data));
    EXPECT_EQ(static_cast<int>(data.points.size()), path.GetPointCount());
    EXPECT_EQ(data.types.size(), data.points.size());
    ASSERT_TRUE(path.ResetPath());
    EXPECT_EQ(path.GetPointCount(), 0);
}

TEST(GfxPath, RoundedRectangleClampsItsRoundness) {
    const auto points = [](float w, float h, int roundness) {
        GfxPath path;
        path.Create();
        EXPECT_TRUE(path.AddRoundedRectangle(0, 0, w, h, roundness));
        return path.GetPathPoints();
    };
    const auto same = [](const std::vector<gp::PointF>& a, const std::vector<gp::PointF>& b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [](auto p, auto q) { return p.X == q.X && p.Y == q.Y; });
    };
    EXPECT_TRUE(same(points(50, 50, 0), points(50, 50, 1)));
    EXPECT_TRUE(same(points(50, 50, -7), points(50, 50, 1)));
    EXPECT_TRUE(same(points(100, 50, 150), points(100, 50, 100)));
    EXPECT_FALSE(same(points(100, 50, 20), points(100, 50, 40)));

    struct Probe {
        float x, y;
        bool inside;
    };
    GfxPath path;
    path.Create();
    ASSERT_TRUE(path.AddRoundedRectangle(0, 0, 100, 50, 20));  // 20 x 10 corner arcs
    const gp::RectF bounds = path.GetPathWorldBounds();
    EXPECT_NEAR(bounds.Width, 100, 0.01);
    EXPECT_NEAR(bounds.Height, 50, 0.01);
    const Probe probes[] = {
        {1, 1, false}, {99, 49, false}, {50, 25, true}, {10, 1, true}, {1, 25, true}};
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.x * 1000 + p.y);
        EXPECT_EQ(path.IsVisiblePathPoint(p.x, p.y), p.inside);
    }

    // At 1 on a 50 x 50 square the arcs are 0 x 0: the figure is the square itself.
    GfxPath square;
    square.Create();
    ASSERT_TRUE(square.AddRoundedRectangle(0, 0, 50, 50, 1));
    EXPECT_TRUE(square.IsVisiblePathPoint(25, 25));
    EXPECT_TRUE(square.IsVisiblePathPoint(1, 1));
    const gp::RectF squareBounds = square.GetPathWorldBounds();
    EXPECT_NEAR(squareBounds.Width, 50, 0.01);

    // At 100 the four arcs make an ellipse: its bounding corners are outside.
    GfxPath round;
    round.Create();
    round.AddRoundedRectangle(0, 0, 100, 50, 100);
    EXPECT_FALSE(round.IsVisiblePathPoint(10, 5));
    EXPECT_TRUE(round.IsVisiblePathPoint(50, 2));
    EXPECT_TRUE(round.IsVisiblePathPoint(2, 25));
}

TEST(GfxGraphics, ClipsToRectanglesAndPaths) {
    Canvas c(32, 32);
    GfxSolidBrush brush;
    brush.Create(kBlue);
    ASSERT_TRUE(c.graphics.SetClipRect(8, 8, 8, 8));
    c.graphics.FillRectangle(brush, 0, 0, 32, 32);
    EXPECT_EQ(c.At(10, 10), kBlue);
    EXPECT_EQ(c.At(4, 4), 0u);
    EXPECT_EQ(c.CountNot(0, 0, 0, 32, 32), 64);

    ASSERT_TRUE(c.graphics.ResetClip());
    c.graphics.Clear(0);
    GfxPath circle;
    circle.Create();
    circle.AddPathEllipse(0, 0, 32, 32);
    ASSERT_TRUE(c.graphics.SetClipPath(circle));
    c.graphics.FillRectangle(brush, 0, 0, 32, 32);
    EXPECT_EQ(c.At(16, 16), kBlue);
    EXPECT_EQ(c.At(1, 1), 0u);

    // Intersecting with a rectangle keeps only what both allow.
    c.graphics.Clear(0);
    ASSERT_TRUE(c.graphics.SetClipRect(0, 0, 16, 32, gp::CombineModeIntersect));
    c.graphics.FillRectangle(brush, 0, 0, 32, 32);
    EXPECT_EQ(c.At(10, 16), kBlue);
    EXPECT_EQ(c.At(20, 16), 0u);
    GfxRegion clip;
    clip.Create();
    ASSERT_TRUE(c.graphics.GetClip(clip));
    EXPECT_TRUE(clip.IsVisiblePoint(10, 16));
    EXPECT_FALSE(clip.IsVisiblePoint(20, 16));
}

// ---- images ----

TEST(GfxGraphics, DrawsImagesWholeAndStretched) {
    GfxBitmap image;
    ASSERT_TRUE(image.Create(7, 4));
    image.SetPixel(0, 0, kRed);
    image.SetPixel(6, 3, kBlue);

    Canvas c(32, 32);
    ASSERT_TRUE(c.graphics.DrawImage(image, 1, 1));
    EXPECT_EQ(c.At(1, 1), kRed);
    EXPECT_EQ(c.At(7, 4), kBlue);

    c.graphics.Clear(0);
    c.graphics.SetInterpolationMode(gp::InterpolationModeNearestNeighbor);
    c.graphics.SetPixelOffsetMode(gp::PixelOffsetModeHalf);
    ASSERT_TRUE(c.graphics.DrawImageStretched(image, 10, 10, 14, 8));  // twice the size, in pixels
    for (auto [x, y] : {std::pair{10, 10}, {11, 11}}) EXPECT_EQ(c.At(x, y), kRed);
    for (auto [x, y] : {std::pair{22, 16}, {23, 17}}) EXPECT_EQ(c.At(x, y), kBlue);
    EXPECT_EQ(c.At(24, 17), 0u);
    EXPECT_EQ(c.At(12, 12), 0u);
}

// ---- text ----

TEST(GfxFont, CreatesFromAnInstalledFamilyName) {
    GfxFont font;
    ASSERT_TRUE(font.Create("宋体", 9, 0, gp::UnitPoint));
    EXPECT_FLOAT_EQ(font.GetSize(), 9);
    // Windows answers 0. Under Wine "宋体" is replaced by a medium-weight (500)
    // face that Wine reports as bold, so only the other style bits are checked.
    EXPECT_EQ(font.GetStyle() & ~gp::FontStyleBold, 0);
    GfxFont italic;
    ASSERT_TRUE(italic.Create("宋体", 9, gp::FontStyleItalic, gp::UnitPoint));
    EXPECT_EQ(italic.GetStyle() & ~gp::FontStyleBold, gp::FontStyleItalic);
    EXPECT_EQ(font.GetUnit(), gp::UnitPoint);
    GfxFont bold;
    ASSERT_TRUE(bold.Create("宋体", 12, gp::FontStyleBold));
    EXPECT_EQ(bold.GetStyle(), gp::FontStyleBold);
    EXPECT_EQ(bold.GetUnit(), gp::UnitWorld);

    GfxFont missing;
    EXPECT_FALSE(missing.Create("没有这种字体", 9, 0));
    EXPECT_EQ(GfxLastStatus, gp::InvalidParameter);
    EXPECT_EQ(missing.GetHandle(), nullptr);
}

TEST(GfxFont, AMissingFamilyFallsBackToTheGenericSansSerif) {
    GfxFontFamily generic;
    ASSERT_TRUE(generic.GetGenericSansSerif());
    GfxFont installed;
    ASSERT_TRUE(installed.Create("宋体", 9, 0));
    GfxFontFamily installedFamily;
    ASSERT_TRUE(installed.GetFamily(installedFamily));
    ASSERT_NE(installedFamily.GetFamilyNameW(), generic.GetFamilyNameW());  // else proves nothing
    struct Case {
        const char* name;
        std::wstring family;
    };
    const Case cases[] = {{"宋体", installedFamily.GetFamilyNameW()},
                          {"没有这种字体", generic.GetFamilyNameW()},
                          {"", generic.GetFamilyNameW()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GfxFont font;
        ASSERT_TRUE(font.CreateOrSansSerif(c.name, 11, gp::FontStyleItalic, gp::UnitPixel));
        GfxFontFamily family;
        ASSERT_TRUE(font.GetFamily(family));
        EXPECT_EQ(family.GetFamilyNameW(), c.family);
        EXPECT_FLOAT_EQ(font.GetSize(), 11);
        EXPECT_EQ(font.GetUnit(), gp::UnitPixel);
        EXPECT_EQ(font.GetStyle() & gp::FontStyleItalic, gp::FontStyleItalic);
    }
}

TEST(GfxFont, CreatesFromHfontOrTheDeviceContextsFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT hfont =
        CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    GfxFont font;
    ASSERT_TRUE(font.CreateFromHFONT(dc, hfont));
    EXPECT_EQ(font.GetStyle() & gp::FontStyleBold, gp::FontStyleBold);

    // No HFONT: the font selected into the DC (the stock system font here).
    HGDIOBJ old = SelectObject(dc, hfont);
    GfxFont fromDc;
    ASSERT_TRUE(fromDc.CreateFromHFONT(dc, nullptr));
    EXPECT_EQ(fromDc.GetStyle() & gp::FontStyleBold, gp::FontStyleBold);
    SelectObject(dc, old);
    DeleteObject(hfont);
    DeleteDC(dc);

    GfxFont guiFont;
    EXPECT_TRUE(guiFont.CreateDefault());
}

TEST(GfxFontFamily, NamesRoundTripThroughTheFamily) {
    GfxFont font;
    ASSERT_TRUE(font.Create("宋体", 9, 0, gp::UnitPoint));
    GfxFontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    // Windows answers "宋体". Wine maps "宋体" to a replacement font and answers
    // that font's own name; what holds on both is that the name is non-empty and
    // names the same family again.
    const std::string name = family.GetFamilyName();
    ASSERT_FALSE(name.empty());
    GfxFontFamily again;
    ASSERT_TRUE(again.CreateFromName(name));
    EXPECT_EQ(again.GetFamilyName(), name);
    EXPECT_EQ(again.GetFamilyNameW(), ToWide(name));
    EXPECT_TRUE(again.IsStyleAvailable(gp::FontStyleRegular));
    EXPECT_GT(again.GetEmHeight(gp::FontStyleRegular), 0);

    GfxFontFamily wide;
    EXPECT_TRUE(wide.CreateFromNameW(L"\u5B8B\u4F53"));
}

TEST(GfxFontCollection, ListsFamiliesAsIndependentObjects) {
    GfxFontCollection installed;
    GfxLastStatus = gp::Ok;
    std::vector<GfxFontFamily> families;
    EXPECT_EQ(installed.GetFamilyList(0, families), 0);
    EXPECT_EQ(GfxLastStatus, gp::InvalidParameter);

    ASSERT_TRUE(installed.CreateInstalled());
    const int count = installed.GetFamilyCount();
    ASSERT_GT(count, 0);
    for (int round = 0; round < 2; ++round) {
        // Destroying the listed families must leave the collection's own intact.
        std::vector<GfxFontFamily> list;
        const int found = installed.GetFamilyList(count + 2, list);
        EXPECT_EQ(found, count);
        ASSERT_EQ(static_cast<int>(list.size()), count + 2);
        EXPECT_FALSE(list[0].GetFamilyName().empty());
        EXPECT_EQ(list[count].GetHandle(), nullptr);
    }
}

TEST(GfxStringFormat, KeepsItsLayoutSettings) {
    GfxStringFormat format;
    ASSERT_TRUE(format.Create(gp::StringFormatFlagsNoWrap));
    EXPECT_EQ(format.GetFlags(), gp::StringFormatFlagsNoWrap);
    ASSERT_TRUE(format.SetFlags(gp::StringFormatFlagsNoClip));
    EXPECT_EQ(format.GetFlags(), gp::StringFormatFlagsNoClip);
    ASSERT_TRUE(format.SetAlign(gp::StringAlignmentCenter));
    EXPECT_EQ(format.GetAlign(), gp::StringAlignmentCenter);
    ASSERT_TRUE(format.SetLineAlign(gp::StringAlignmentFar));
    EXPECT_EQ(format.GetLineAlign(), gp::StringAlignmentFar);
    ASSERT_TRUE(format.SetTrimming(gp::StringTrimmingEllipsisCharacter));
    EXPECT_EQ(format.GetTrimming(), gp::StringTrimmingEllipsisCharacter);
    const float stops[] = {10, 20};
    ASSERT_TRUE(format.SetTabStops(5, stops));
    float first = 0;
    std::vector<float> read;
    EXPECT_EQ(format.GetTabStops(first, read), 2);
    EXPECT_FLOAT_EQ(first, 5);
    EXPECT_EQ(read, (std::vector<float>{10, 20}));
}

struct TextCanvas : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(font.Create("宋体", 12, 0, gp::UnitPixel));
        ASSERT_TRUE(black.Create(kBlack));
    }
    Canvas canvas{80, 24, kWhite};
    GfxFont font;
    GfxSolidBrush black;
};

TEST_F(TextCanvas, DrawStringDrawsInsideTheLayout) {
    GfxStringFormat format;
    ASSERT_TRUE(format.Create());
    ASSERT_TRUE(
        canvas.graphics.DrawString("亮度恢复", font, black, gp::RectF(0, 0, 60, 24), &format));
    EXPECT_GT(canvas.CountNot(kWhite, 0, 0, 60, 24), 10);
    EXPECT_EQ(canvas.CountNot(kWhite, 60, 0, 80, 24), 0);

    gp::RectF bounds;
    ASSERT_TRUE(
        canvas.graphics.MeasureString("亮度恢复", font, gp::RectF(0, 0, 200, 50), nullptr, bounds));
    EXPECT_GT(bounds.Width, 30);
    EXPECT_GT(bounds.Height, 10);
}

TEST_F(TextCanvas, AlignmentPlacesTheText) {
    GfxStringFormat format;
    ASSERT_TRUE(format.Create(gp::StringFormatFlagsNoWrap));
    ASSERT_TRUE(format.SetAlign(gp::StringAlignmentFar));
    ASSERT_TRUE(format.SetLineAlign(gp::StringAlignmentCenter));
    ASSERT_TRUE(canvas.graphics.DrawString("ab", font, black, gp::RectF(0, 0, 80, 24), &format));
    EXPECT_EQ(canvas.CountNot(kWhite, 0, 0, 50, 24), 0);  // nothing on the left
    EXPECT_GT(canvas.CountNot(kWhite, 60, 0, 80, 24), 5);
    EXPECT_EQ(canvas.CountNot(kWhite, 0, 0, 80, 4), 0);  // centred vertically
}

TEST_F(TextCanvas, EmptyTextDrawsNothing) {
    ASSERT_TRUE(canvas.graphics.DrawString("", font, black, gp::RectF(0, 0, 80, 24)));
    EXPECT_EQ(GfxLastStatus, gp::Ok);
    EXPECT_EQ(canvas.CountNot(kWhite, 0, 0, 80, 24), 0);
}

TEST_F(TextCanvas, MeasuresCharacterRanges) {
    GfxStringFormat format;
    ASSERT_TRUE(format.Create());
    GfxLastStatus = kUntouched;
    EXPECT_TRUE(
        canvas.graphics.MeasureCharacterRanges("abcd", font, gp::RectF(0, 0, 80, 24), format, 0)
            .empty());
    EXPECT_EQ(GfxLastStatus, kUntouched);

    const gp::CharacterRange ranges[] = {{0, 2}, {2, 2}};
    ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));
    EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 2);
    std::vector<GfxRegion> regions =
        canvas.graphics.MeasureCharacterRanges("abcd", font, gp::RectF(0, 0, 80, 24), format, 2);
    ASSERT_EQ(regions.size(), 2u);
    const gp::RectF first = regions[0].GetBounds(canvas.graphics);
    const gp::RectF second = regions[1].GetBounds(canvas.graphics);
    EXPECT_GT(first.Width, 0);
    EXPECT_GE(second.X, first.X + first.Width - 0.5f);
}

// ---- tooltip ----

struct OwnerWindow : ::testing::Test {
    void SetUp() override {
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        if (IsWindow(owner)) DestroyWindow(owner);
    }
    int ToolCount(const GfxToolTip& tip) {
        return static_cast<int>(SendMessageA(tip.GetWindow(), TTM_GETTOOLCOUNT, 0, 0));
    }
    TOOLINFOA Info(const GfxToolTip& tip, UINT_PTR id, char* text) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = owner;
        tool.uId = id;
        tool.lpszText = text;
        SendMessageA(tip.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
        return tool;
    }
    HWND owner = nullptr;
};

TEST_F(OwnerWindow, TooltipStyles) {
    for (bool balloon : {false, true}) {
        GfxToolTip tip;
        ASSERT_NE(tip.Create(owner, balloon), nullptr);
        const LONG style = GetWindowLongA(tip.GetWindow(), GWL_STYLE);
        EXPECT_EQ((style & TTS_BALLOON) != 0, balloon);
        EXPECT_NE(style & TTS_ALWAYSTIP, 0);
    }
}

TEST_F(OwnerWindow, TooltipToolsAreAddedChangedAndRemoved) {
    GfxToolTip tip;
    EXPECT_EQ(tip.SetMaxWidth(200), 0);  // before Create nothing happens
    ASSERT_NE(tip.Create(owner, false), nullptr);
    tip.AddTool(RECT{0, 0, 20, 20}, "关闭", 7);
    tip.AddToolCallback(RECT{20, 0, 40, 20}, 8);
    EXPECT_EQ(ToolCount(tip), 2);

    char text[80] = {};
    EXPECT_STREQ(Info(tip, 7, text).lpszText, "关闭");
    tip.SetToolText(7, "最小化");
    EXPECT_STREQ(Info(tip, 7, text).lpszText, "最小化");
    tip.SetToolRect(7, RECT{5, 6, 25, 26});
    const RECT rect = Info(tip, 7, text).rect;
    EXPECT_EQ(rect.left, 5);
    EXPECT_EQ(rect.bottom, 26);

    tip.DeleteTool(99);  // never added: nothing changes
    EXPECT_EQ(ToolCount(tip), 2);
    tip.DeleteTool(7);
    EXPECT_EQ(ToolCount(tip), 1);

    EXPECT_EQ(tip.SetMaxWidth(200), -1);
    EXPECT_EQ(SendMessageA(tip.GetWindow(), TTM_GETMAXTIPWIDTH, 0, 0), 200);
    tip.SetBackColor(RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip.GetWindow(), TTM_GETTIPBKCOLOR, 0, 0)),
              RGB(1, 2, 3));
    tip.SetTextColor(RGB(4, 5, 6));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip.GetWindow(), TTM_GETTIPTEXTCOLOR, 0, 0)),
              RGB(4, 5, 6));
}

TEST_F(OwnerWindow, TooltipWindowGoesWithItsOwnerOrItsObject) {
    HWND first = nullptr;
    {
        GfxToolTip tip;
        first = tip.Create(owner, false);
        HWND second = tip.Create(owner, true);  // the first one is not left behind
        EXPECT_FALSE(IsWindow(first));
        first = second;
    }
    EXPECT_FALSE(IsWindow(first));

    GfxToolTip tip;
    HWND window = tip.Create(owner, false);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
