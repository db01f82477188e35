// Puts every display's gamma ramp back to its target and exits 0 only when every
// display reads its target back, 1 otherwise. The target is the calibration curve
// of the display's colour profile ('vcgt'), or the identity (entry i = i * 257)
// when the display has none or when started with "/identity".
//
// Windows subsystem with no window, so no console flashes up. It never pumps
// messages, so a parent's WaitForInputIdle returns when it exits, which lets the
// parent delete this file right away.
#include <windows.h>

#include "tools/calibration/command_switch.h"
#include "tools/calibration/display.h"

namespace {

using calibration::Ramp;

// Some drivers ignore a ramp equal to the one they hold and some fail the first
// call, so a one-step-off ramp goes first and the pair is retried.
bool SetAndVerify(HDC dc, const Ramp& target) {
    Ramp ramp = target, nudge = target;
    for (auto& channel : nudge.channel)
        for (auto& v : channel) v = static_cast<WORD>(v < 65535 ? v + 1 : v - 1);
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (attempt) Sleep(15);
        SetDeviceGammaRamp(dc, &nudge);
        if (!SetDeviceGammaRamp(dc, &ramp)) continue;
        Ramp back{};
        // Windows may accept a ramp and ignore it: only the read-back counts.
        if (GetDeviceGammaRamp(dc, &back) && calibration::RampsMatch(back, target)) return true;
    }
    return false;
}

// adapter: the display's device name, null for the whole screen.
bool Restore(HDC dc, const char* adapter, bool identityOnly) {
    if (!dc) return false;
    const Ramp identity = calibration::IdentityRamp();
    Ramp curve;
    if (identityOnly || !calibration::FindDisplayCurve(dc, adapter, curve))
        return SetAndVerify(dc, identity);
    if (SetAndVerify(dc, curve)) return true;
    // A curve the display refuses: at least it does not stay dark.
    SetAndVerify(dc, identity);
    return false;
}

// The program passes "/identity" alone; blanks around it do not matter.
bool IdentityOnly(const char* arguments) {
    char word[16];
    int n = 0;
    while (*arguments == ' ' || *arguments == '\t') ++arguments;
    for (; *arguments && *arguments != ' ' && *arguments != '\t'; ++arguments) {
        if (n == sizeof word - 1) return false;
        word[n++] = *arguments;
    }
    word[n] = 0;
    while (*arguments == ' ' || *arguments == '\t') ++arguments;
    return !*arguments && calibration::IsSwitch(word, "identity");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    const bool identityOnly = arguments && IdentityOnly(arguments);
    HDC screen = GetDC(nullptr);
    const bool screenOk = Restore(screen, nullptr, identityOnly);
    if (screen) ReleaseDC(nullptr, screen);

    // The whole-screen DC can fail on extended desktops while a per-display DC
    // works; each display's own ramp is set after it, so its target wins.
    int displays = 0, failed = 0;
    DISPLAY_DEVICEA device;
    for (DWORD i = 0; calibration::NextDisplay(i, device);) {
        ++displays;
        HDC dc = CreateDCA(nullptr, device.DeviceName, nullptr, nullptr);
        if (!Restore(dc, device.DeviceName, identityOnly)) ++failed;
        if (dc) DeleteDC(dc);
    }
    if (displays == 0) return screenOk ? 0 : 1;
    return failed == 0 ? 0 : 1;
}
