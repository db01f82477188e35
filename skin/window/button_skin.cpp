// Stand-in until the painters are written.
#include "skin/window/button_skin.h"

#include "skin/window/window_table.h"

namespace skin {
LRESULT CALLBACK ButtonSubclassProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetIntProp(w, prop::kPrevProc));
    return previous ? CallWindowProcA(previous, w, m, wp, lp) : DefWindowProcA(w, m, wp, lp);
}
void PaintButton(HWND, UINT, bool) {}
void PaintPushButton(HWND, HDC, UINT, const RECT&) {}
void PaintRadioButton(HWND, UINT) {}
void PaintCheckBox(HWND, UINT) {}
void DrawGlow(gfx::GfxGraphics&, const gfx::GfxPath&, int, COLORREF, int) {}
std::vector<std::uint8_t> TintedCheckMark() { return {}; }
}  // namespace skin
