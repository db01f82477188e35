// Reading the displays' gamma ramps: what counts as normal, altered and unknown
// (against the identity, or against a display's own calibration), and the real
// reader on the test's X server (which has real ramps).
#include "app/gamma_ramp.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace app;

namespace {

GammaRamp Darkened() {
    GammaRamp r = IdentityRamp();
    for (auto& channel : r.channel)
        for (int i = 0; i < 256; ++i) channel[i] = static_cast<WORD>(i * 128);
    return r;
}

// A calibration a display might carry: red and blue pulled down, as for a warmer white.
GammaRamp Warm() {
    GammaRamp r = IdentityRamp();
    for (int i = 0; i < 256; ++i) {
        r.channel[0][i] = static_cast<WORD>(i * 240);
        r.channel[2][i] = static_cast<WORD>(i * 200);
    }
    return r;
}

GammaRamp WithEntry(int channel, int index, int value) {
    GammaRamp r = IdentityRamp();
    r.channel[channel][index] = static_cast<WORD>(value);
    return r;
}

// Puts the identity back on the screen whatever the test did.
struct RestoreScreenRamp {
    ~RestoreScreenRamp() {
        GammaRamp identity = IdentityRamp();
        HDC dc = GetDC(nullptr);
        SetDeviceGammaRamp(dc, &identity);
        ReleaseDC(nullptr, dc);
    }
};

}  // namespace

TEST(GammaRamp, IdentityWithinOne255th) {
    struct Case {
        const char* name;
        GammaRamp ramp;
        bool identity;
    } cases[] = {
        {"identity", IdentityRamp(), true},
        {"blue 128 up by 257", WithEntry(2, 128, 128 * 257 + 257), true},
        {"green 1 down to 0", WithEntry(1, 1, 0), true},
        {"red 128 up by 258", WithEntry(0, 128, 128 * 257 + 258), false},
        {"green 255 down by 258", WithEntry(1, 255, 65535 - 258), false},
        {"blue 0 at 258", WithEntry(2, 0, 258), false},
        {"halved", Darkened(), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsIdentityRamp(c.ramp), c.identity) << c.name;
}

TEST(GammaRamp, EachDisplayIsComparedWithItsOwnTarget) {
    const DisplayRamp normal{IdentityRamp(), {}}, dark{Darkened(), {}}, none{{}, {}},
        calibrated{Warm(), Warm()}, calibrationLost{IdentityRamp(), Warm()},
        calibratedDark{Darkened(), Warm()}, calibratedUnreadable{{}, Warm()};
    GammaRamp nearlyWarm = Warm();
    nearlyWarm.channel[2][100] = static_cast<WORD>(100 * 200 + 257);
    GammaRamp offWarm = Warm();
    offWarm.channel[0][255] = static_cast<WORD>(255 * 240 - 258);
    struct Case {
        const char* name;
        RampReadings readings;
        RampState state;
        bool calibrated;
    } cases[] = {
        {"one normal display", {normal}, RampState::kNormal, false},
        {"two normal displays", {normal, normal}, RampState::kNormal, false},
        {"one dark display", {dark}, RampState::kAltered, false},
        {"second display dark", {normal, dark}, RampState::kAltered, false},
        {"unreadable", {none}, RampState::kUnknown, false},
        {"normal and unreadable", {normal, none}, RampState::kUnknown, false},
        {"unreadable and dark", {none, dark}, RampState::kAltered, false},
        {"no display found", {}, RampState::kUnknown, false},
        {"at its calibration", {calibrated}, RampState::kNormal, true},
        {"within 1/255 of its calibration", {{nearlyWarm, Warm()}}, RampState::kNormal, true},
        {"1/255 and a bit off its calibration", {{offWarm, Warm()}}, RampState::kAltered, true},
        {"calibrated display on the identity", {calibrationLost}, RampState::kAltered, true},
        {"calibrated display dark", {calibratedDark}, RampState::kAltered, true},
        {"calibrated beside a normal display", {normal, calibrated}, RampState::kNormal, true},
        {"normal display on another's curve",
         {{Warm(), {}}, calibrated},
         RampState::kAltered,
         true},
        {"calibrated but unreadable", {calibratedUnreadable}, RampState::kUnknown, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyRamps(c.readings), c.state) << c.name;
        EXPECT_EQ(AnyCalibrated(c.readings), c.calibrated) << c.name;
    }
}

TEST(GammaRamp, RealReaderSeesTheScreensRampAndLeavesItAlone) {
    RestoreScreenRamp restore;
    HDC screen = GetDC(nullptr);
    GammaRamp dark = Darkened();
    const bool darkened = SetDeviceGammaRamp(screen, &dark) != FALSE;
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(darkened) << "this X server has no gamma ramps (it must be the Xorg dummy server)";

    RampReadings first = ReadDisplayRamps();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(ClassifyRamps(first), RampState::kAltered);
    // This machine's displays have no profile of their own: their target is the identity.
    EXPECT_FALSE(AnyCalibrated(first));
    // Reading changed nothing: a second reading is the same, still dark.
    RampReadings second = ReadDisplayRamps();
    ASSERT_EQ(second.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_TRUE(first[i].ramp && second[i].ramp) << "display " << i;
        EXPECT_EQ(std::memcmp(&*first[i].ramp, &*second[i].ramp, sizeof(GammaRamp)), 0)
            << "display " << i;
        EXPECT_NEAR(first[i].ramp->channel[1][200], 200 * 128, 257) << "display " << i;
    }

    screen = GetDC(nullptr);
    GammaRamp identity = IdentityRamp();
    SetDeviceGammaRamp(screen, &identity);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(ClassifyRamps(ReadDisplayRamps()), RampState::kNormal);
}
