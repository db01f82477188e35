// Creating and releasing each kind of graphics object many times must not grow
// the process's private memory beyond a small constant.
#include "tests/gfx/gdiplus_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace gfx;
using namespace gfx_test;

namespace {

// 100,000 rounds each; decoding an image costs about a millisecond under Wine,
// so those kinds run a tenth of that unless GFX_LEAK_ROUNDS says otherwise.
int Rounds(bool decodes) {
    if (const char* env = std::getenv("GFX_LEAK_ROUNDS")) return std::atoi(env);
    return decodes ? 10000 : 100000;
}
// Generous: heaps grow in steps and keep some memory once touched.
constexpr long long kAllowedGrowth = 4 * 1024 * 1024;

// Committed private memory, summed over the address space. (Wine keeps the
// PrivateUsage counter of GetProcessMemoryInfo at a constant, so it cannot be used.)
long long PrivateBytes() {
    long long total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (auto* address = static_cast<std::uint8_t*>(nullptr);
         VirtualQuery(address, &info, sizeof info) == sizeof info;
         address = static_cast<std::uint8_t*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += static_cast<long long>(info.RegionSize);
        if (info.RegionSize == 0) break;
    }
    return total;
}

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
    EXPECT_GT(growth, kAllowedGrowth);
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
        // Warm up first so one-time caches do not count as growth.
        for (int i = 0; i < 1000; ++i) ASSERT_TRUE(kind.createAndRelease());
        const int rounds = Rounds(kind.decodes);
        const long long before = PrivateBytes();
        const DWORD start = GetTickCount();
        for (int i = 0; i < rounds; ++i) ASSERT_TRUE(kind.createAndRelease());
        const long long growth = PrivateBytes() - before;
        std::printf("[ leak     ] %-18s %d rounds: private bytes %+lld (%lu ms)\n", kind.name,
                    rounds, growth, GetTickCount() - start);
        EXPECT_LT(growth, kAllowedGrowth);
    }
}

}  // namespace
