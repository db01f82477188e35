// Creating and releasing each kind of graphics object many times must not grow
// the process's private memory beyond a small constant.
#include "tests/gfx/gdiplus_fixture.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdio>
#include <functional>

using namespace gfx;
using namespace gfx_test;

namespace {

constexpr int kRounds = 100000;
// Generous: heaps grow in steps and keep some memory once touched.
constexpr long long kAllowedGrowth = 4 * 1024 * 1024;

long long PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return static_cast<long long>(counters.PrivateUsage);
}

struct Kind {
  const char* name;
  std::function<bool()> createAndRelease;
};

TEST(GfxLeaks, CreateAndReleaseDoesNotGrowMemory) {
  const std::vector<std::uint8_t> png = MakePng(8, 8, kRed);
  GfxBitmap canvas;
  ASSERT_TRUE(canvas.Create(8, 8));
  GfxPath ellipse;
  ellipse.Create();
  ellipse.AddPathEllipse(0, 0, 8, 8);
  const Kind kinds[] = {
      {"bitmap", [] { GfxBitmap o; return o.Create(16, 16); }},
      {"image from bytes", [&] { GfxImage o; return o.LoadFromBytes(png); }},
      {"bitmap from bytes", [&] { GfxBitmap o; return o.LoadFromBytes(png); }},
      {"graphics", [&] { GfxGraphics o; return o.FromImage(canvas); }},
      {"solid brush", [] { GfxSolidBrush o; return o.Create(kRed); }},
      {"linear brush", [] { GfxLinearGradientBrush o; return o.CreateLineBrush(gp::PointF(0, 0), gp::PointF(9, 9), kRed, kBlue); }},
      {"path brush", [&] { GfxPathGradientBrush o; return o.CreatePathGradientFromPath(ellipse); }},
      {"pen", [] { GfxPen o; return o.Create(kRed, 2); }},
      {"path", [] { GfxPath o; return o.Create() && o.AddRoundedRectangle(0, 0, 20, 10, 30); }},
      {"region", [] { GfxRegion o; return o.Create(); }},
      {"font", [] { GfxFont o; return o.Create("宋体", 9, 0, gp::UnitPoint); }},
      {"font family", [] { GfxFontFamily o; return o.CreateFromName("宋体"); }},
      {"string format", [] { GfxStringFormat o; return o.Create(); }},
      {"memory stream", [&] { GfxMemoryStream o; return o.CreateFromBytes(png) != nullptr; }},
  };
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    // Warm up first so one-time caches do not count as growth.
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(kind.createAndRelease());
    const long long before = PrivateBytes();
    for (int i = 0; i < kRounds; ++i) ASSERT_TRUE(kind.createAndRelease());
    const long long growth = PrivateBytes() - before;
    std::printf("[ leak     ] %-18s %d rounds: private bytes %+lld\n", kind.name, kRounds, growth);
    EXPECT_LT(growth, kAllowedGrowth);
  }
}

}  // namespace
