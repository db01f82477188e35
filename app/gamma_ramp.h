// Reading the displays' gamma ramps and their targets, so that the window can say
// before any click whether the brightness looks altered. Reading never changes a
// ramp.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "tools/calibration/ramp.h"

namespace app {

// red, green, blue; entry i of the identity is i * 257
using GammaRamp = calibration::Ramp;

// One display: what its ramp reads and what it should read.
struct DisplayRamp {
    std::optional<GammaRamp> ramp;         // nothing when it could not be read
    std::optional<GammaRamp> calibration;  // its profile's curve; nothing: the identity
};
using RampReadings = std::vector<DisplayRamp>;

enum class RampState { kNormal, kAltered, kUnknown };

GammaRamp IdentityRamp();
// Every entry within 1/255 of full scale (257) of the identity.
bool IsIdentityRamp(const GammaRamp& ramp);
// Where the display's ramp belongs: its calibration curve, else the identity.
GammaRamp TargetRamp(const DisplayRamp& display);
// Altered when any display reads more than 1/255 away from its target; otherwise
// unknown when a display could not be read or none was found; otherwise normal.
// An unreadable display is never taken for an altered one.
RampState ClassifyRamps(const RampReadings& readings);
// True when some display has a calibration curve of its own.
bool AnyCalibrated(const RampReadings& readings);
// GetDeviceGammaRamp and the calibration curve of each display attached to the
// desktop; the whole screen's DC when the system lists none.
RampReadings ReadDisplayRamps();

// Replace how the displays are read (tests); an empty function puts
// ReadDisplayRamps back.
using RampReader = std::function<RampReadings()>;
void SetRampReader(RampReader reader);
// The displays as the current reader sees them.
RampReadings CurrentDisplayRamps();

}  // namespace app
