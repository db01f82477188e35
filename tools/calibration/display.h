// Where a display's calibration comes from: the displays the helper resets, the
// colour profile the system reports for each, and that profile's 'vcgt' curve.
#pragma once
#include <windows.h>

#include "tools/calibration/ramp.h"

namespace calibration {

// The displays attached to the desktop, without mirroring and remote drivers:
// fills device with the next one from index on and moves index past it. False
// when there are no more.
bool NextDisplay(DWORD& index, DISPLAY_DEVICEA& device);

// The calibration curve of the display that dc draws on, from its colour profile:
// the colour system's default profile for the monitor where the system has one
// (Windows Vista on; when it names one, that one alone counts), else what
// GetICMProfileW reports for dc. adapter is the
// display's device name; null for the whole screen, which is the primary display.
// False when there is no profile, it cannot be read, or it has no usable curve.
bool FindDisplayCurve(HDC dc, const char* adapter, Ramp& curve);

// The curve of the profile file at path; false as for ReadVcgtCurve, or when the
// file cannot be read.
bool ReadProfileCurve(const wchar_t* path, Ramp& curve);

}  // namespace calibration
