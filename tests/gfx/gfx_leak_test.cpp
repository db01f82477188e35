// Creating and releasing each kind of graphics object many times must not grow
// the process's private memory beyond a small constant.
#include "tests/gfx/gdiplus_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "tests/support/leak_check.h"

using namespace gfx;
using namespace gfx_test;

namespace {

// Each kind runs two batches of this many rounds: the first may still warm
// caches up, the second must not grow memory (a leak grows both). A leaked
// object of even a hundred bytes shows as far more than the slack.
int Rounds(bool decodes) {
    if (const char* env = std::getenv("GFX_LEAK_ROUNDS")) return std::atoi(env);
    return decodes ? 400 : 2000;
}
using testing_support::kMemorySlack;
using testing_support::PrivateBytes;

// The measure itself must see memory that is really kept.
TEST(GfxLeaks, MeasureSeesHeldObjects) {
    std::vector<void*> held;
    const long long before = PrivateBytes();
    for (int i = 0; i < 10000; ++i) {
        GfxBitmap bitmap;
        ASSERT_TRUE(bitmap.Create(32, 32));
        held.push_back(bitmap.Detach());
    }
    const long long growth = PrivateBytes() - before;
    for (void* native : held) gp::DllExports::GdipDisposeImage(static_cast<gp::GpImage*>(native));
    std::printf("[ leak     ] 10000 held 32x32 bitmaps: private bytes %+lld\n", growth);
    EXPECT_GT(growth, 16 * kMemorySlack);
}

struct Kind {
    const char* name;
    std::function<bool()> createAndRelease;
    bool decodes = false;
};

TEST(GfxLeaks, CreateAndReleaseDoesNotGrowMemory) {
    const std::vector<std::uint8_t> png = MakePng(8, 8, kRed);
    GfxBitmap canvas;
    ASSERT_TRUE(canvas.Create(8, 8));
    GfxPath ellipse;
    ellipse.Create();
    ellipse.AddPathEllipse(0, 0, 8, 8);
    const Kind kinds[] = {
        {"bitmap",
         [] {
             GfxBitmap o;
             return o.Create(16, 16);
         }},
        {"image from bytes",
         [&] {
             GfxImage o;
             return o.LoadFromBytes(png);
         },
         true},
        {"bitmap from bytes",
         [&] {
             GfxBitmap o;
             return o.LoadFromBytes(png);
         },
         true},
        {"graphics",
         [&] {
             GfxGraphics o;
             return o.FromImage(canvas);
         }},
        {"solid brush",
         [] {
             GfxSolidBrush o;
             return o.Create(kRed);
         }},
        {"linear brush",
         [] {
             GfxLinearGradientBrush o;
             return o.CreateLineBrush(gp::PointF(0, 0), gp::PointF(9, 9), kRed, kBlue);
         }},
        {"path brush",
         [&] {
             GfxPathGradientBrush o;
             return o.CreatePathGradientFromPath(ellipse);
         }},
        {"pen",
         [] {
             GfxPen o;
             return o.Create(kRed, 2);
         }},
        {"path",
         [] {
             GfxPath o;
             return o.Create() && o.AddRoundedRectangle(0, 0, 20, 10, 30);
         }},
        {"region",
         [] {
             GfxRegion o;
             return o.Create();
         }},
        {"font",
         [] {
             GfxFont o;
             return o.Create("宋体", 9, 0, gp::UnitPoint);
         }},
        {"font family",
         [] {
             GfxFontFamily o;
             return o.CreateFromName("宋体");
         }},
        {"string format",
         [] {
             GfxStringFormat o;
             return o.Create();
         }},
        {"memory stream",
         [&] {
             GfxMemoryStream o;
             return o.CreateFromBytes(png) != nullptr;
         }},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const int rounds = Rounds(kind.decodes);
        bool ok = true;
        const DWORD start = GetTickCount();
        const testing_support::Growth g =
            testing_support::MeasureGrowth(rounds, [&] { ok = kind.createAndRelease() && ok; });
        ASSERT_TRUE(ok);
        std::printf("[ leak     ] %-18s 2 x %d rounds: private bytes %+lld then %+lld (%lu ms)\n",
                    kind.name, rounds, g.firstBytes, g.secondBytes, GetTickCount() - start);
        EXPECT_LT(g.secondBytes, kMemorySlack);
    }
}

}  // namespace
