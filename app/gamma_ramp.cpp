#include "app/gamma_ramp.h"

#include "skin/base/gdi_guards.h"
#include "tools/calibration/display.h"

namespace app {
namespace {

std::optional<GammaRamp> ReadRamp(HDC dc) {
    GammaRamp ramp{};
    if (!dc || !GetDeviceGammaRamp(dc, &ramp)) return std::nullopt;
    return ramp;
}

DisplayRamp ReadDisplay(HDC dc, const char* adapter) {
    DisplayRamp display{ReadRamp(dc), std::nullopt};
    GammaRamp curve;
    if (dc && calibration::FindDisplayCurve(dc, adapter, curve)) display.calibration = curve;
    return display;
}

RampReader& Reader() {
    static RampReader reader;
    return reader;
}

}  // namespace

GammaRamp IdentityRamp() { return calibration::IdentityRamp(); }

bool IsIdentityRamp(const GammaRamp& ramp) {
    return calibration::RampsMatch(ramp, calibration::IdentityRamp());
}

GammaRamp TargetRamp(const DisplayRamp& display) {
    return display.calibration ? *display.calibration : IdentityRamp();
}

RampState ClassifyRamps(const RampReadings& readings) {
    bool unreadable = readings.empty();
    for (const DisplayRamp& d : readings) {
        if (!d.ramp)
            unreadable = true;
        else if (!calibration::RampsMatch(*d.ramp, TargetRamp(d)))
            return RampState::kAltered;
    }
    return unreadable ? RampState::kUnknown : RampState::kNormal;
}

bool AnyCalibrated(const RampReadings& readings) {
    for (const DisplayRamp& d : readings)
        if (d.calibration) return true;
    return false;
}

RampReadings ReadDisplayRamps() {
    RampReadings readings;
    DISPLAY_DEVICEA device;
    // The same displays the gamma helper resets.
    for (DWORD i = 0; calibration::NextDisplay(i, device);) {
        gdi::DeviceDc dc(CreateDCA(nullptr, device.DeviceName, nullptr, nullptr));
        readings.push_back(ReadDisplay(dc.get(), device.DeviceName));
    }
    if (readings.empty()) {
        gdi::WindowDc screen(nullptr);
        readings.push_back(ReadDisplay(screen.get(), nullptr));
    }
    return readings;
}

void SetRampReader(RampReader reader) { Reader() = std::move(reader); }

RampReadings CurrentDisplayRamps() { return Reader() ? Reader()() : ReadDisplayRamps(); }

}  // namespace app
