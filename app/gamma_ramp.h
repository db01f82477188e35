// Reading the displays' gamma ramps, so that the window can say before any click
// whether the brightness looks altered. Reading never changes a ramp.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

namespace app {

struct GammaRamp {
    WORD channel[3][256];  // red, green, blue; entry i of the identity is i * 257
};
// One reading per display; nothing where a display's ramp could not be read.
using RampReadings = std::vector<std::optional<GammaRamp>>;

enum class RampState { kNormal, kAltered, kUnknown };

GammaRamp IdentityRamp();
// Every entry within 1/255 of full scale (257) of the identity.
bool IsIdentityRamp(const GammaRamp& ramp);
// Altered when any display reads altered; otherwise unknown when a display could
// not be read or none was found; otherwise normal. An unreadable display is never
// taken for an altered one.
RampState ClassifyRamps(const RampReadings& readings);
// GetDeviceGammaRamp on each display attached to the desktop; the whole screen's
// DC when the system lists none.
RampReadings ReadDisplayRamps();

}  // namespace app
