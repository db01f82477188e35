#include "tests/skin/skin_probe.h"

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/base/skin_state.h"

namespace skin_test {
namespace {

// Linked into every skin test program through the probes below.
class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override {
        // The table's records and the skin hold decoded images: release them while
        // GDI+ still runs.
        skin::ReleaseSkinData();
        skin::State().decodedSkinImage.reset();
        Gdiplus::GdiplusShutdown(token_);
    }

private:
    ULONG_PTR token_ = 0;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb FromColorref(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

Rgb PixelAt(HDC dc, int x, int y) { return FromColorref(GetPixel(dc, x, y)); }

bool Near(const Rgb& a, const Rgb& b, int t) {
    return std::abs(a.r - b.r) <= t && std::abs(a.g - b.g) <= t && std::abs(a.b - b.b) <= t;
}

}  // namespace skin_test
