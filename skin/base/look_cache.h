// Finished control looks, kept by what they were drawn from: the pixels behind
// the control and the painter's own state (hover, press, focus, text, colour).
// A repaint, a hover or a press that comes back to a look drawn before copies
// it instead of drawing it again. The background's pixels are part of the key,
// so a new window size, a tint or a move gives a new key and nothing stale can
// show; a second window with the same controls over the same picture shares
// the looks of the first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace skin {

// A key built from the things a look depends on.
class LookKey {
public:
    LookKey& Add(std::uint64_t value);
    LookKey& Add(std::string_view text);
    LookKey& AddBox(long left, long top, long right, long bottom);
    // A colour the program may have chosen; none is a value of its own.
    LookKey& Add(std::optional<std::uint32_t> colour);
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

// A hash of a top-down 32-bit image, `stride` bytes a row.
std::uint64_t HashPixels(const void* bits, int width, int height, int stride);

// Copies the look kept under `key` into bits (top-down, 32-bit, `stride` bytes
// a row): false, leaving bits alone, when no look of that size is kept.
bool RecallLook(std::uint64_t key, int width, int height, void* bits, int stride);
// Keeps a copy of the look in bits under `key`; the least recently used looks
// go when the cache is over its budget.
void KeepLook(std::uint64_t key, int width, int height, const void* bits, int stride);
// Drops every kept look (the skin is released, or its colours changed).
void ForgetLooks();

// For tests and benchmarks: the cache can be turned off (every paint draws and
// nothing is kept; what was kept stays), and it counts what it did since the
// last ForgetLooks.
void SetLookCacheEnabled(bool enabled);
bool LookCacheEnabled();
struct LookCacheStats {
    long hits = 0, misses = 0;
    std::size_t looks = 0, bytes = 0;
};
LookCacheStats LookCacheCounts();

}  // namespace skin
