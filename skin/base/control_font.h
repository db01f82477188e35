// A control's font as GDI+ sees it, for the painters that draw its text.
#pragma once
#include <windows.h>

#include <string>

namespace skin {

struct ControlFont {
    std::string faceName;
    int size = 0;
    int style = 0;
};
// The control's current font as GDI+ sees it.
ControlFont ReadControlFont(HWND control);

}  // namespace skin
