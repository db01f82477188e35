// What every skin test program shares: GDI+ running for the whole program (with
// the skin's decoded images released before it stops) and pixel probes.
#pragma once
#include <windows.h>

#include <ostream>

namespace skin_test {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& c);
Rgb FromColorref(COLORREF c);
Rgb PixelAt(HDC dc, int x, int y);
// Every channel within tolerance.
bool Near(const Rgb& a, const Rgb& b, int tolerance);

}  // namespace skin_test
