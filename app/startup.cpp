#include "app/startup.h"

#include <gdiplus.h>

#include <cstdlib>

#include "app/skin_hook.h"
#include "skin/base/skin_state.h"

namespace app {

ULONG_PTR StartGdiplus() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 0;
    return token;
}

HICON LoadAppIcon(HMODULE module) {
    HICON icon = LoadIconA(module, MAKEINTRESOURCEA(129));
    if (!icon) icon = LoadIconA(module, "DEFAULT_ICON");
    return icon;
}

void StartUp() {
    SetUpSkin();
    skin::Globals& g = skin::State();
    g.gdiplusToken = StartGdiplus();
    g.appIcon = LoadAppIcon(GetModuleHandleA(nullptr));
    g.controlBackground = true;
    g.controlBlendLevel = 160;
    g.accentColour = 0xDDCA22;
    g.skinnerSwitchA = true;
    g.skinnerSwitchB = true;
}

}  // namespace app
