#include "tests/support/leak_check.h"

#include <windows.h>
#include <psapi.h>

#include <cstdint>

namespace testing_support {

// PrivateUsage of GetProcessMemoryInfo; Wine leaves it at 0, so there the
// committed private pages of the address space are summed instead.
long long PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    if (counters.PrivateUsage) return static_cast<long long>(counters.PrivateUsage);
    long long total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (auto* address = static_cast<std::uint8_t*>(nullptr);
         VirtualQuery(address, &info, sizeof info) == sizeof info && info.RegionSize;
         address = static_cast<std::uint8_t*>(info.BaseAddress) + info.RegionSize)
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += static_cast<long long>(info.RegionSize);
    return total;
}

// GetGuiResources(GR_GDIOBJECTS) answers 0 under Wine. Wine keeps every GDI
// object of the process (DCs included) in one handle table whose slot is the low
// word of the handle, and its lookup accepts a handle whose high word (the reuse
// count) is 0 as "whatever lives in that slot". So GetObjectType on each of the
// 65,536 low-word values is non-zero exactly for the live slots. On Windows the
// counter works and is used instead.
int LiveGdiObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
    int live = 0;
    for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot)
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    return live;
}

// Windows: GetGuiResources. Under Wine it answers 0; windows are then counted by
// walking this thread's windows (top-level and children), which is what the
// skin can leave behind (overlays, tooltips).
int LiveUserObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(n);
    struct Counter {
        static BOOL CALLBACK Child(HWND, LPARAM lp) {
            ++*reinterpret_cast<int*>(lp);
            return TRUE;
        }
        static BOOL CALLBACK Top(HWND w, LPARAM lp) {
            ++*reinterpret_cast<int*>(lp);
            EnumChildWindows(w, Child, lp);
            return TRUE;
        }
    };
    int n = 0;
    EnumThreadWindows(GetCurrentThreadId(), Counter::Top, reinterpret_cast<LPARAM>(&n));
    return n;
}

Growth MeasureGrowth(int rounds, const std::function<void()>& once, int warmUp) {
    for (int i = 0; i < warmUp; ++i) once();
    Growth g;
    long long bytes = PrivateBytes();
    int gdi = LiveGdiObjects(), user = LiveUserObjects();
    for (int i = 0; i < rounds; ++i) once();
    const long long bytes1 = PrivateBytes();
    const int gdi1 = LiveGdiObjects(), user1 = LiveUserObjects();
    g.firstBytes = bytes1 - bytes;
    g.firstGdi = gdi1 - gdi;
    g.firstUser = user1 - user;
    for (int i = 0; i < rounds; ++i) once();
    g.secondBytes = PrivateBytes() - bytes1;
    g.secondGdi = LiveGdiObjects() - gdi1;
    g.secondUser = LiveUserObjects() - user1;
    return g;
}

}  // namespace testing_support
