#include "skin/base/look_cache.h"

#include <cstring>
#include <list>
#include <unordered_map>
#include <vector>

namespace skin {
namespace {

// Enough for every control of a few large windows in three or four states
// each; a look is small (a 100 x 24 button is under 10 KB).
constexpr std::size_t kBudgetBytes = 12u << 20;

struct Look {
    std::uint64_t key;
    int width, height;
    std::vector<std::uint32_t> pixels;
};

struct Cache {
    std::list<Look> looks;  // most recently used first
    std::unordered_map<std::uint64_t, std::list<Look>::iterator> byKey;
    std::size_t bytes = 0;
    bool enabled = true;
    LookCacheStats stats;

    void Drop(std::list<Look>::iterator it) {
        bytes -= it->pixels.size() * sizeof(std::uint32_t);
        byKey.erase(it->key);
        looks.erase(it);
    }
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    return h * 0x100000001b3ull;
}

}  // namespace

LookKey& LookKey::Add(std::uint64_t value) {
    hash_ = Mix(hash_, value);
    return *this;
}

LookKey& LookKey::Add(std::string_view text) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) h = (h ^ c) * 0x100000001b3ull;
    return Add(h).Add(text.size());
}

LookKey& LookKey::AddBox(long left, long top, long right, long bottom) {
    return Add(static_cast<std::uint64_t>(left)).Add(static_cast<std::uint64_t>(top))
        .Add(static_cast<std::uint64_t>(right)).Add(static_cast<std::uint64_t>(bottom));
}

LookKey& LookKey::Add(std::optional<std::uint32_t> colour) {
    return Add(colour ? static_cast<std::uint64_t>(*colour) : ~std::uint64_t{0});
}

std::uint64_t HashPixels(const void* bits, int width, int height, int stride) {
    std::uint64_t h = Mix(0x84222325cbf29ce4ull, (static_cast<std::uint64_t>(width) << 32) |
                                                     static_cast<std::uint32_t>(height));
    if (!bits || width <= 0 || height <= 0) return h;
    const auto* rows = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride));
        // Two pixels at a time into two lanes: the multiply chain is the cost.
        std::uint64_t a = h, b = ~h;
        int x = 0;
        for (; x + 1 < width; x += 2) {
            a = (a ^ row[x]) * 0x100000001b3ull;
            b = (b ^ row[x + 1]) * 0x100000001b3ull;
        }
        if (x < width) a = (a ^ row[x]) * 0x100000001b3ull;
        h = Mix(a, b);
    }
    return h;
}

bool RecallLook(std::uint64_t key, int width, int height, void* bits, int stride) {
    Cache& c = TheCache();
    if (!c.enabled || !bits) return false;
    const auto found = c.byKey.find(key);
    if (found == c.byKey.end() || found->second->width != width ||
        found->second->height != height) {
        ++c.stats.misses;
        return false;
    }
    c.looks.splice(c.looks.begin(), c.looks, found->second);
    const Look& look = c.looks.front();
    auto* rows = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        std::memcpy(rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride),
                    look.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                    static_cast<std::size_t>(width) * 4);
    ++c.stats.hits;
    return true;
}

void KeepLook(std::uint64_t key, int width, int height, const void* bits, int stride) {
    Cache& c = TheCache();
    if (!c.enabled || !bits || width <= 0 || height <= 0) return;
    const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (size * sizeof(std::uint32_t) > kBudgetBytes / 8) return;  // too big to be worth a place
    if (const auto old = c.byKey.find(key); old != c.byKey.end()) c.Drop(old->second);
    Look look{key, width, height, std::vector<std::uint32_t>(size)};
    const auto* rows = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y)
        std::memcpy(look.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                    rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride),
                    static_cast<std::size_t>(width) * 4);
    c.looks.push_front(std::move(look));
    c.byKey[key] = c.looks.begin();
    c.bytes += size * sizeof(std::uint32_t);
    while (c.bytes > kBudgetBytes && !c.looks.empty()) c.Drop(std::prev(c.looks.end()));
}

void ForgetLooks() {
    Cache& c = TheCache();
    c.looks.clear();
    c.byKey.clear();
    c.bytes = 0;
    c.stats = {};
}

void SetLookCacheEnabled(bool enabled) { TheCache().enabled = enabled; }

bool LookCacheEnabled() { return TheCache().enabled; }

LookCacheStats LookCacheCounts() {
    const Cache& c = TheCache();
    LookCacheStats s = c.stats;
    s.looks = c.looks.size();
    s.bytes = c.bytes;
    return s;
}

}  // namespace skin
