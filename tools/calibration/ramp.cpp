#include "tools/calibration/ramp.h"

#include <cmath>

namespace calibration {
namespace {

// ICC profile layout (all numbers big-endian): a 128-byte header with the file
// signature 'acsp' at 36, the tag count at 128, then 12-byte tag entries
// (signature, offset, size). A 'vcgt' tag: its own signature, 4 reserved bytes,
// the gamma type, then the table or the formula.
constexpr std::size_t kHeaderBytes = 128;
constexpr std::size_t kSignatureAt = 36;
constexpr std::size_t kTagTableAt = kHeaderBytes + 4;
constexpr std::size_t kTagEntryBytes = 12;
constexpr std::size_t kVcgtDataAt = 12;
constexpr std::size_t kTableHeaderBytes = 6;   // channels, entries, bytes per entry
constexpr std::size_t kFormulaBytes = 3 * 12;  // gamma, minimum, maximum per channel
constexpr std::uint32_t kTableType = 0;
constexpr std::uint32_t kFormulaType = 1;

constexpr std::uint32_t Signature(const char (&s)[5]) {
    return std::uint32_t(std::uint8_t(s[0])) << 24 | std::uint32_t(std::uint8_t(s[1])) << 16 |
           std::uint32_t(std::uint8_t(s[2])) << 8 | std::uint32_t(std::uint8_t(s[3]));
}

std::uint32_t Be32(const unsigned char* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
unsigned Be16(const unsigned char* p) { return unsigned(p[0]) << 8 | p[1]; }

// The tag's bytes, when the profile has the tag and it lies wholly inside the buffer.
bool FindTag(const unsigned char* bytes, std::size_t size, std::uint32_t signature,
             const unsigned char*& tag, std::size_t& tagSize) {
    if (size < kTagTableAt || Be32(bytes + kSignatureAt) != Signature("acsp")) return false;
    const std::uint32_t count = Be32(bytes + kHeaderBytes);
    if (count > (size - kTagTableAt) / kTagEntryBytes) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* entry = bytes + kTagTableAt + std::size_t(i) * kTagEntryBytes;
        if (Be32(entry) != signature) continue;
        const std::uint32_t offset = Be32(entry + 4), length = Be32(entry + 8);
        if (offset > size || length > size - offset) return false;
        tag = bytes + offset;
        tagSize = length;
        return true;
    }
    return false;
}

unsigned TableEntry(const unsigned char* values, unsigned index, unsigned width) {
    return width == 1 ? values[index] * 257u : Be16(values + std::size_t(index) * 2);
}

bool ReadTable(const unsigned char* tag, std::size_t size, Ramp& curve) {
    if (size - kVcgtDataAt < kTableHeaderBytes) return false;
    const unsigned char* header = tag + kVcgtDataAt;
    const unsigned channels = Be16(header), entries = Be16(header + 2), width = Be16(header + 4);
    if ((channels != 1 && channels != 3) || entries < 2 || (width != 1 && width != 2)) return false;
    // At most 3 * 65,535 * 2 bytes: no overflow even in 32 bits.
    const std::size_t channelBytes = std::size_t(entries) * width;
    if (channels * channelBytes > size - kVcgtDataAt - kTableHeaderBytes) return false;
    const unsigned char* data = header + kTableHeaderBytes;
    for (int c = 0; c < 3; ++c) {
        const unsigned char* values = data + (channels == 1 ? 0 : c * channelBytes);
        for (unsigned i = 0; i < 256; ++i) {
            // Entry i of the ramp sits at i * (entries - 1) / 255 in the table;
            // between two entries, linear interpolation.
            const std::uint32_t at = i * (entries - 1u), k = at / 255, frac = at % 255;
            const std::uint32_t a = TableEntry(values, k, width);
            const std::uint32_t b = frac ? TableEntry(values, k + 1, width) : a;
            curve.channel[c][i] =
                static_cast<std::uint16_t>((a * (255 - frac) + b * frac + 127) / 255);
        }
    }
    return true;
}

double Fixed16(const unsigned char* p) {  // s15Fixed16Number
    return static_cast<std::int32_t>(Be32(p)) / 65536.0;
}

bool ReadFormula(const unsigned char* tag, std::size_t size, Ramp& curve) {
    if (size - kVcgtDataAt < kFormulaBytes) return false;
    for (int c = 0; c < 3; ++c) {
        const unsigned char* f = tag + kVcgtDataAt + c * 12;
        const double gamma = Fixed16(f), low = Fixed16(f + 4), high = Fixed16(f + 8);
        if (!(gamma > 0) || low < 0 || low > 1 || high < 0 || high > 1) return false;
        for (int i = 0; i < 256; ++i) {
            const double v = low + (high - low) * std::pow(i / 255.0, gamma);
            curve.channel[c][i] = static_cast<std::uint16_t>(v * 65535 + 0.5);
        }
    }
    return true;
}

}  // namespace

Ramp IdentityRamp() {
    Ramp ramp;
    for (auto& channel : ramp.channel)
        for (int i = 0; i < 256; ++i) channel[i] = static_cast<std::uint16_t>(i * 257);
    return ramp;
}

bool RampsMatch(const Ramp& a, const Ramp& b) {
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 256; ++i) {
            const int d = int(a.channel[c][i]) - int(b.channel[c][i]);
            if (d > 257 || d < -257) return false;
        }
    return true;
}

bool ReadVcgtCurve(const unsigned char* bytes, std::size_t size, Ramp& curve) {
    const unsigned char* tag = nullptr;
    std::size_t tagSize = 0;
    if (!bytes || !FindTag(bytes, size, Signature("vcgt"), tag, tagSize)) return false;
    if (tagSize < kVcgtDataAt || Be32(tag) != Signature("vcgt")) return false;
    // Filled into a copy, so that a failure leaves the caller's curve as it was.
    Ramp read;
    switch (Be32(tag + 8)) {
        case kTableType:
            if (!ReadTable(tag, tagSize, read)) return false;
            break;
        case kFormulaType:
            if (!ReadFormula(tag, tagSize, read)) return false;
            break;
        default: return false;
    }
    curve = read;
    return true;
}

}  // namespace calibration
