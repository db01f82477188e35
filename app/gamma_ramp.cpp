#include "app/gamma_ramp.h"

#include <cstdlib>

#include "skin/core/gdi_guards.h"

namespace app {
namespace {

std::optional<GammaRamp> ReadRamp(HDC dc) {
    GammaRamp ramp{};
    if (!dc || !GetDeviceGammaRamp(dc, &ramp)) return std::nullopt;
    return ramp;
}

}  // namespace

GammaRamp IdentityRamp() {
    GammaRamp ramp;
    for (auto& channel : ramp.channel)
        for (int i = 0; i < 256; ++i) channel[i] = static_cast<WORD>(i * 257);
    return ramp;
}

bool IsIdentityRamp(const GammaRamp& ramp) {
    for (const auto& channel : ramp.channel)
        for (int i = 0; i < 256; ++i)
            if (std::abs(static_cast<int>(channel[i]) - i * 257) > 257) return false;
    return true;
}

RampState ClassifyRamps(const RampReadings& readings) {
    bool unreadable = readings.empty();
    for (const std::optional<GammaRamp>& r : readings) {
        if (!r)
            unreadable = true;
        else if (!IsIdentityRamp(*r))
            return RampState::kAltered;
    }
    return unreadable ? RampState::kUnknown : RampState::kNormal;
}

RampReadings ReadDisplayRamps() {
    RampReadings readings;
    DISPLAY_DEVICEA device;
    for (DWORD i = 0;; ++i) {
        ZeroMemory(&device, sizeof device);
        device.cb = sizeof device;
        if (!EnumDisplayDevicesA(nullptr, i, &device, 0)) break;
        // The same displays the gamma helper resets.
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)) continue;
        if (device.StateFlags & (DISPLAY_DEVICE_MIRRORING_DRIVER | DISPLAY_DEVICE_REMOTE)) continue;
        gdi::DeviceDc dc(CreateDCA(nullptr, device.DeviceName, nullptr, nullptr));
        readings.push_back(ReadRamp(dc.get()));
    }
    if (readings.empty()) {
        gdi::WindowDc screen(nullptr);
        readings.push_back(ReadRamp(screen.get()));
    }
    return readings;
}

}  // namespace app
