// The "亮度恢复" button's action: write the gamma-reset helper beside the
// executable, start it, delete it again.
#pragma once
#include <string>

#include "resources/embedded.h"

namespace app {

// File name of the helper, appended to the run directory.
inline constexpr char kGammaToolName[] = "\\Miran屏幕亮度恢复.exe";

// The click handler: uses the executable's folder and the embedded helper.
void RestoreBrightness();
// Same steps in a given folder with a given program image; results are not examined.
void RestoreBrightnessIn(const std::string& directory, res::ByteSpan tool);

}  // namespace app
