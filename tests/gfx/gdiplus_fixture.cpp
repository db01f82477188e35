// GDI+ start-up for the test programs, and the canvas helper.
#include "tests/gfx/gdiplus_fixture.h"

#include <gtest/gtest.h>

namespace gfx_test {
namespace {

// GDI+ must be running before any graphics object is made and stops after all
// of them are gone: tests keep their objects local.
class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        gfx::gp::GdiplusStartupInput input;
        ASSERT_EQ(gfx::gp::GdiplusStartup(&token_, &input, nullptr), gfx::gp::Ok);
    }
    void TearDown() override { gfx::gp::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

Canvas::Canvas(int width, int height, gfx::gp::ARGB background) {
    EXPECT_TRUE(bitmap.Create(width, height));
    EXPECT_TRUE(graphics.FromImage(bitmap));
    if (background != 0) graphics.Clear(background);
}

gfx::gp::ARGB Canvas::At(int x, int y) {
    graphics.Flush(gfx::gp::FlushIntentionSync);
    return bitmap.GetPixel(x, y);
}

int Canvas::CountNot(gfx::gp::ARGB colour, int x0, int y0, int x1, int y1) {
    graphics.Flush(gfx::gp::FlushIntentionSync);
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) count += bitmap.GetPixel(x, y) != colour;
    return count;
}

std::vector<std::uint8_t> MakePng(int width, int height, gfx::gp::ARGB colour) {
    Canvas canvas(width, height, colour);
    canvas.graphics.Delete();
    return canvas.bitmap.SaveToBytes(gfx::kFormatPng);
}

}  // namespace gfx_test
