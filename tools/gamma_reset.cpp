// Puts the display's gamma ramp back to the identity (entry i = i * 257 on every
// channel) and exits 0 only when every display reads the identity back.
//
// Windows subsystem with no window, so no console flashes up. It never pumps
// messages, so a parent's WaitForInputIdle returns when it exits, which lets the
// parent delete this file right away.
#include <windows.h>

namespace {

struct Ramp {
    WORD ch[3][256];
};

Ramp MakeRamp(int offset) {
    Ramp r;
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 256; ++i) {
            int v = i * 257 + (i == 255 ? -offset : offset);
            r.ch[c][i] = static_cast<WORD>(v);
        }
    return r;
}

bool IsIdentity(const Ramp& r) {
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 256; ++i) {
            int d = static_cast<int>(r.ch[c][i]) - i * 257;
            if (d > 257 || d < -257) return false;  // 1/255 of full scale
        }
    return true;
}

// Some drivers ignore a ramp equal to the one they hold and some fail the first
// call, so a one-step-off ramp goes first and the pair is retried.
Ramp g_identity, g_nudge;

bool ResetDc(HDC dc) {
    if (!dc) return false;
    Ramp& identity = g_identity;
    Ramp& nudge = g_nudge;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (attempt) Sleep(15);
        SetDeviceGammaRamp(dc, &nudge);
        if (!SetDeviceGammaRamp(dc, &identity)) continue;
        Ramp back{};
        // Windows may accept a ramp and ignore it: only the read-back counts.
        if (GetDeviceGammaRamp(dc, &back) && IsIdentity(back)) return true;
    }
    return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    g_identity = MakeRamp(0);
    g_nudge = MakeRamp(1);
    HDC screen = GetDC(nullptr);
    bool screenOk = ResetDc(screen);
    if (screen) ReleaseDC(nullptr, screen);

    // The whole-screen DC can fail on extended desktops while a per-display DC works.
    int displays = 0, failed = 0;
    DISPLAY_DEVICEA dev;
    for (DWORD i = 0;; ++i) {
        ZeroMemory(&dev, sizeof dev);
        dev.cb = sizeof dev;
        if (!EnumDisplayDevicesA(nullptr, i, &dev, 0)) break;
        if (!(dev.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)) continue;
        if (dev.StateFlags & (DISPLAY_DEVICE_MIRRORING_DRIVER | DISPLAY_DEVICE_REMOTE)) continue;
        ++displays;
        HDC dc = CreateDCA(nullptr, dev.DeviceName, nullptr, nullptr);
        if (!ResetDc(dc)) ++failed;
        if (dc) DeleteDC(dc);
    }
    if (displays == 0) return screenOk ? 0 : 1;
    return failed == 0 ? 0 : 1;
}
