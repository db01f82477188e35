// Named colours and style tests every painter shares. Colours are colour values
// (0x00BBGGRR, red in the low byte); skin::Argb turns them into GDI+ colours.
#pragma once
#include <windows.h>

namespace skin {

inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kGrey = 0x808080;
inline constexpr COLORREF kSilver = 0xC0C0C0;
inline constexpr COLORREF kRed = 0x0000FF;
// The fixed glow around a focused push button.
inline constexpr COLORREF kGlow = 0xDDCA22;
// Whatever a painter leaves in this colour stays untouched by a keyed copy.
inline constexpr COLORREF kKeyColour = 0xFF00FF;

// A value has a flag when every bit of the flag is set in it.
inline bool HasFlag(unsigned long value, unsigned long flag) { return (value & flag) == flag; }
inline bool HasStyle(HWND window, unsigned long flag) {
    return HasFlag(static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)), flag);
}
inline bool HasExStyle(HWND window, unsigned long flag) {
    return HasFlag(static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)), flag);
}

// Client coordinates of a mouse message, signed: a captured mouse left of or
// above the window is negative.
inline int MouseX(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
inline int MouseY(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }

}  // namespace skin
