#include "skin/base/control_font.h"

#include "gfx/gfx_font.h"
#include "skin/base/gdi_guards.h"

namespace skin {

ControlFont ReadControlFont(HWND control) {
    ControlFont out;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    gdi::WindowDc dc(control);
    {
        gfx::GfxFont f;
        if (f.CreateFromHFONT(dc.get(), font)) {
            out.size = static_cast<int>(f.GetSize());
            out.style = f.GetStyle();
            gfx::GfxFontFamily family;
            if (f.GetFamily(family)) out.faceName = family.GetFamilyName();
        }
    }
    return out;
}

}  // namespace skin
