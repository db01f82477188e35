// The calibration-curve reader over ICC profiles this test writes itself: the
// table form (1 or 3 channels, 8- or 16-bit entries, any count) and the formula
// form give the curve they describe at 256 entries; a profile without the tag and
// malformed ones give no curve; and no profile, however mangled, makes the reader
// look past its last byte (the byte after it is a page nobody may read).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "tests/support/win_test.h"
#include "tools/calibration/display.h"
#include "tools/calibration/ramp.h"

using calibration::Ramp;
using calibration::ReadVcgtCurve;
using Bytes = std::vector<unsigned char>;
using Curve = std::function<double(double)>;  // [0, 1] -> [0, 1]

namespace {

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b.at(at + k) = static_cast<unsigned char>(v >> (24 - 8 * k));
}
void Append32(Bytes& b, std::uint32_t v) {
    b.resize(b.size() + 4);
    Put32(b, b.size() - 4, v);
}
void Append16(Bytes& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v >> 8));
    b.push_back(static_cast<unsigned char>(v));
}
constexpr std::uint32_t Sig(const char (&s)[5]) {
    return std::uint32_t(std::uint8_t(s[0])) << 24 | std::uint32_t(std::uint8_t(s[1])) << 16 |
           std::uint32_t(std::uint8_t(s[2])) << 8 | std::uint32_t(std::uint8_t(s[3]));
}

struct Tag {
    std::uint32_t signature;
    Bytes data;
};

// A display profile: the 128-byte header, the tag table, the tags' data in that
// order (4-byte aligned), so that the last tag ends the file.
Bytes MakeProfile(const std::vector<Tag>& tags) {
    Bytes b(128, 0);
    Put32(b, 12, Sig("mntr"));
    Put32(b, 16, Sig("RGB "));
    Put32(b, 20, Sig("XYZ "));
    Put32(b, 36, Sig("acsp"));
    Append32(b, static_cast<std::uint32_t>(tags.size()));
    std::size_t offset = b.size() + 12 * tags.size();
    for (const Tag& t : tags) {
        Append32(b, t.signature);
        Append32(b, static_cast<std::uint32_t>(offset));
        Append32(b, static_cast<std::uint32_t>(t.data.size()));
        offset += (t.data.size() + 3) / 4 * 4;
    }
    for (const Tag& t : tags) {
        b.insert(b.end(), t.data.begin(), t.data.end());
        b.resize((b.size() + 3) / 4 * 4, 0);
    }
    b.resize(b.size() - (4 - tags.back().data.size() % 4) % 4);  // no padding after the last
    Put32(b, 0, static_cast<std::uint32_t>(b.size()));
    return b;
}

Bytes VcgtHeader(std::uint32_t gammaType) {
    Bytes b;
    Append32(b, Sig("vcgt"));
    Append32(b, 0);
    Append32(b, gammaType);
    return b;
}

// The table form: each channel's curve sampled at `entries` even steps.
Bytes VcgtTable(const std::vector<Curve>& channels, unsigned entries, unsigned width) {
    Bytes b = VcgtHeader(0);
    Append16(b, static_cast<unsigned>(channels.size()));
    Append16(b, entries);
    Append16(b, width);
    const double top = width == 1 ? 255 : 65535;
    for (const Curve& f : channels)
        for (unsigned k = 0; k < entries; ++k) {
            const auto v = static_cast<unsigned>(std::lround(f(double(k) / (entries - 1)) * top));
            if (width == 1)
                b.push_back(static_cast<unsigned char>(v));
            else
                Append16(b, v);
        }
    return b;
}

struct Formula {
    double gamma, low, high;
};
Bytes VcgtFormula(const Formula (&channels)[3]) {
    Bytes b = VcgtHeader(1);
    for (const Formula& f : channels)
        for (double v : {f.gamma, f.low, f.high})
            Append32(b,
                     static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(v * 65536))));
    return b;
}

Tag Desc() { return {Sig("desc"), Bytes{'d', 'e', 's', 'c', 0, 0, 0, 0, 0, 0, 0, 1, 'x', 0}}; }
Bytes WithVcgt(const Bytes& vcgt) { return MakeProfile({Desc(), {Sig("vcgt"), vcgt}}); }

// Holds bytes so that they end where an unreadable page begins.
class GuardedBytes {
public:
    explicit GuardedBytes(std::size_t capacity) {
        SYSTEM_INFO si;
        GetSystemInfo(&si);
        page_ = si.dwPageSize;
        usable_ = (capacity + page_ - 1) / page_ * page_;
        base_ = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, usable_ + page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        if (base_) VirtualProtect(base_ + usable_, page_, PAGE_NOACCESS, &old);
    }
    ~GuardedBytes() {
        if (base_) VirtualFree(base_, 0, MEM_RELEASE);
    }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;
    bool ok() const { return base_ != nullptr; }

    bool Read(const Bytes& bytes, Ramp& curve) const {
        unsigned char* at = base_ + usable_ - bytes.size();
        if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
        return ReadVcgtCurve(at, bytes.size(), curve);
    }

private:
    unsigned char* base_ = nullptr;
    std::size_t page_ = 0, usable_ = 0;
};

double Identity(double x) { return x; }
Curve Linear(double low, double high) {
    return [=](double x) { return low + (high - low) * x; };
}
Curve Power(double gamma) {
    return [=](double x) { return std::pow(x, gamma); };
}

// Red lowered, blue lowered more, green bent: every channel tells apart.
const std::vector<Curve> kThree = {Linear(0.02, 0.94), Power(1.8), Linear(0.0, 0.78)};

// The largest distance of the curve read from the channels' curves, in 16-bit units.
double Distance(const Ramp& ramp, const std::vector<Curve>& channels) {
    double worst = 0;
    for (int c = 0; c < 3; ++c) {
        const Curve& f = channels.size() == 1 ? channels[0] : channels[c];
        for (int i = 0; i < 256; ++i)
            worst = std::max(worst, std::fabs(ramp.channel[c][i] - f(i / 255.0) * 65535));
    }
    return worst;
}

}  // namespace

TEST(VcgtReader, TableAndFormulaFormsGiveTheirCurveAt256Entries) {
    GuardedBytes guard(1 << 16);
    ASSERT_TRUE(guard.ok());
    struct Case {
        const char* name;
        std::vector<Curve> channels;
        unsigned entries, width;
        double tolerance;  // 16-bit units: the table's own rounding
    } cases[] = {
        {"3 channels, 16-bit, 256 entries", kThree, 256, 2, 1},
        {"3 channels, 8-bit, 256 entries", kThree, 256, 1, 129},
        {"1 channel, 16-bit, 256 entries", {Power(2.2)}, 256, 2, 1},
        {"3 channels, 16-bit, 1024 entries", kThree, 1024, 2, 1},
        {"1 channel, 8-bit, 1024 entries", {Power(1.5)}, 1024, 1, 129},
        // With 16 entries only straight lines survive resampling unchanged.
        {"3 channels, 16-bit, 16 entries", {Linear(0.1, 0.9), Identity, Linear(0, 0.6)}, 16, 2, 1},
        {"1 channel, 8-bit, 16 entries", {Linear(0.05, 0.8)}, 16, 1, 129},
        {"3 channels, 8-bit, 2 entries", {Linear(0, 0.5), Identity, Linear(0.2, 1)}, 2, 1, 129},
    };
    for (const Case& c : cases) {
        Ramp curve{};
        ASSERT_TRUE(guard.Read(WithVcgt(VcgtTable(c.channels, c.entries, c.width)), curve))
            << c.name;
        EXPECT_LE(Distance(curve, c.channels), c.tolerance) << c.name;
    }

    // The formula form: minimum + (maximum - minimum) * x^gamma per channel.
    Ramp curve{};
    ASSERT_TRUE(
        guard.Read(WithVcgt(VcgtFormula({{2.2, 0, 1}, {1.0, 0.05, 0.95}, {0.8, 0, 0.9}})), curve));
    EXPECT_LE(Distance(curve, {Power(2.2), Linear(0.05, 0.95),
                               [](double x) { return 0.9 * std::pow(x, 0.8); }}),
              1.5);
    ASSERT_TRUE(guard.Read(WithVcgt(VcgtFormula({{1, 0, 1}, {1, 0, 1}, {1, 0, 1}})), curve));
    EXPECT_TRUE(calibration::RampsMatch(curve, calibration::IdentityRamp()));
    EXPECT_EQ(curve.channel[1][255], 65535);
}

TEST(VcgtReader, NoTagOrAMalformedProfileGivesNoCurve) {
    GuardedBytes guard(1 << 20);
    ASSERT_TRUE(guard.ok());
    const Bytes table = VcgtTable(kThree, 256, 2);
    const Bytes good = WithVcgt(table);
    // Where things are in `good`: the vcgt entry is the second in the tag table.
    const std::size_t vcgtEntry = 132 + 12, vcgtAt = good.size() - table.size();
    auto with = [&](std::size_t at, std::uint32_t value, const Bytes& base) {
        Bytes b = base;
        Put32(b, at, value);
        return b;
    };
    auto with16 = [&](std::size_t at, unsigned value) {
        Bytes b = good;
        b[at] = static_cast<unsigned char>(value >> 8);
        b[at + 1] = static_cast<unsigned char>(value);
        return b;
    };
    Bytes formula = WithVcgt(VcgtFormula({{2.2, 0, 1}, {2.2, 0, 1}, {2.2, 0, 1}}));
    const std::size_t formulaAt = formula.size() - 36;  // the three (gamma, minimum, maximum)
    struct Case {
        const char* name;
        Bytes profile;
    } cases[] = {
        {"empty", {}},
        {"no vcgt tag", MakeProfile({Desc()})},
        {"not an ICC profile", with(36, Sig("acsq"), good)},
        {"tag table past the end",
         with(128, static_cast<std::uint32_t>((good.size() - 132) / 12 + 1), good)},
        {"tag count that overflows 32 bits", with(128, 0x15555556, good)},
        {"tag count 0xFFFFFFFF", with(128, 0xFFFFFFFF, good)},
        {"offset past the end",
         with(vcgtEntry + 4, static_cast<std::uint32_t>(good.size() + 1), good)},
        {"offset plus size wraps at 32 bits",
         with(vcgtEntry + 8, 0xFFFFFFF0, with(vcgtEntry + 4, 0x20, good))},
        {"size one byte too long",
         with(vcgtEntry + 8, static_cast<std::uint32_t>(table.size() + 1), good)},
        {"size too small for the gamma type", with(vcgtEntry + 8, 11, good)},
        {"size cuts the table",
         with(vcgtEntry + 8, static_cast<std::uint32_t>(table.size() - 1), good)},
        {"wrong type signature", with(vcgtAt, Sig("curv"), good)},
        {"unknown gamma type", with(vcgtAt + 8, 2, good)},
        {"zero channels", with16(vcgtAt + 12, 0)},
        {"two channels", with16(vcgtAt + 12, 2)},
        {"65535 channels", with16(vcgtAt + 12, 65535)},
        {"no entries", with16(vcgtAt + 14, 0)},
        {"one entry", with16(vcgtAt + 14, 1)},
        {"more entries than data", with16(vcgtAt + 14, 257)},
        {"65535 entries", with16(vcgtAt + 14, 65535)},
        {"entry size 0", with16(vcgtAt + 16, 0)},
        {"entry size 3", with16(vcgtAt + 16, 3)},
        {"entry size 65535", with16(vcgtAt + 16, 65535)},
        {"formula gamma 0", with(formulaAt, 0, formula)},
        {"formula gamma negative", with(formulaAt + 12, 0xFFFF0000, formula)},
        {"formula minimum below 0", with(formulaAt + 4, 0xFFFFFFFF, formula)},
        {"formula maximum above 1", with(formulaAt + 32, 0x00010001, formula)},
        {"formula cut short", Bytes(formula.begin(), formula.end() - 1)},
    };
    for (const Case& c : cases) {
        Ramp curve = calibration::IdentityRamp();
        EXPECT_FALSE(guard.Read(c.profile, curve)) << c.name;
        EXPECT_TRUE(calibration::RampsMatch(curve, calibration::IdentityRamp()))
            << c.name << ": a failed read changed the curve";
    }

    // Cut anywhere, from the header to the last byte of the table: no curve.
    Ramp curve;
    ASSERT_TRUE(guard.Read(good, curve));
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(guard.Read(Bytes(good.begin(), good.begin() + size), curve))
            << "cut at " << size;
}

// Random damage to valid profiles of both forms: whatever the answer, the reader
// neither crashes nor reads past the bytes (which end at an unreadable page).
TEST(VcgtReader, MangledProfilesNeverReadPastTheirBytes) {
    GuardedBytes guard(1 << 20);
    ASSERT_TRUE(guard.ok());
    const Bytes seeds[] = {WithVcgt(VcgtTable(kThree, 256, 2)),
                           WithVcgt(VcgtTable({Identity}, 16, 1)),
                           WithVcgt(VcgtFormula({{2.2, 0, 1}, {1, 0, 1}, {1.8, 0.1, 0.9}}))};
    std::mt19937 random(20240611);
    int curves = 0;
    for (int round = 0; round < 20000; ++round) {
        Bytes b = seeds[round % 3];
        const int damage = 1 + static_cast<int>(random() % 6);
        for (int d = 0; d < damage; ++d) {
            // Mostly where the structure is (header fields, tag table, tag header).
            const std::size_t at = random() % 2 ? random() % std::min<std::size_t>(b.size(), 200)
                                                : random() % b.size();
            switch (random() % 4) {
                case 0: b[at] = static_cast<unsigned char>(random()); break;
                case 1: b[at] = 0xFF; break;
                case 2: b[at] ^= static_cast<unsigned char>(1u << (random() % 8)); break;
                case 3: b.resize(random() % b.size() + 1); break;
            }
        }
        Ramp curve;
        if (guard.Read(b, curve)) ++curves;
    }
    // Some damage misses what matters; most of it must not.
    EXPECT_GT(curves, 0);
    EXPECT_LT(curves, 20000);
}

TEST(VcgtReader, ProfileFilesAreReadWholeAndMissingOnesGiveNoCurve) {
    testing_support::TempDir dir;
    const std::vector<Curve> channels = {Linear(0, 0.9), Identity, Linear(0, 0.7)};
    const Bytes profile = WithVcgt(VcgtTable(channels, 256, 2));
    struct Case {
        const char* name;
        std::string bytes;
        bool exists, curve;
    } cases[] = {
        {"a profile with a curve", std::string(profile.begin(), profile.end()), true, true},
        {"an empty file", "", true, false},
        {"a profile without vcgt",
         [] {
             Bytes b = MakeProfile({Desc()});
             return std::string(b.begin(), b.end());
         }(),
         true, false},
        {"no file", "", false, false},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file("显示器 profile.icm");
        DeleteFileA(path.c_str());
        if (c.exists) {
            ASSERT_TRUE(testing_support::WriteFileBytes(path, c.bytes)) << c.name;
        }
        wchar_t wide[MAX_PATH];
        ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH), 0);
        Ramp curve{};
        EXPECT_EQ(calibration::ReadProfileCurve(wide, curve), c.curve) << c.name;
        if (c.curve) {
            EXPECT_LE(Distance(curve, channels), 1) << c.name;
        }
        DeleteFileA(path.c_str());
    }
}
