// Gamma ramps and the calibration curve a display profile carries: the video-card
// gamma table ('vcgt' tag) of an ICC profile. Shared by the gamma helper and the
// program, so that both aim every display at the same target. Plain code without
// exceptions or allocation: the helper that links it is built small.
#pragma once
#include <cstddef>
#include <cstdint>

namespace calibration {

// A display's gamma ramp as SetDeviceGammaRamp takes it: red, green, blue, 256
// entries each; entry i of the identity is i * 257.
struct Ramp {
    std::uint16_t channel[3][256];
};

Ramp IdentityRamp();
// Every entry of a within 1/255 of full scale (257) of the same entry of b.
bool RampsMatch(const Ramp& a, const Ramp& b);

// The 'vcgt' curve of the ICC profile in bytes[0, size), resampled to 256 entries
// a channel (a one-channel table serves all three). False ("no curve") when the
// profile has no such tag or when anything on the way to it is malformed; the
// bytes are untrusted, so nothing outside them is ever read.
bool ReadVcgtCurve(const unsigned char* bytes, std::size_t size, Ramp& curve);

}  // namespace calibration
