// Leak checks that show a leak by growth, not by volume: GDI object counts are
// exact, so a few hundred rounds must leave them exactly where they were; for
// memory, a first batch of rounds may still warm caches and heaps up, but a
// second batch of the same size must not grow it any further (a leak grows both).
#pragma once
#include <functional>

namespace testing_support {

// Committed private memory of this process.
long long PrivateBytes();
// Live GDI objects of this process (DCs included).
int LiveGdiObjects();
// USER objects (windows, menus, icons...) of this process; 0 where unknown.
int LiveUserObjects();

struct Growth {
    long long firstBytes = 0, secondBytes = 0;  // growth in each batch
    int firstGdi = 0, secondGdi = 0;
    int firstUser = 0, secondUser = 0;
};
// Runs `once` a few times to warm one-time caches up, then rounds times,
// twice, and says what each batch left behind.
Growth MeasureGrowth(int rounds, const std::function<void()>& once, int warmUp = 3);
// What a second batch may add without being a leak: heaps commit in pages and
// keep a little slack.
inline constexpr long long kMemorySlack = 16 * 1024;

}  // namespace testing_support
