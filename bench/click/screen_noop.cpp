// A second reference: does nothing but open and release the screen's DC, which
// under Wine is where the display driver (the X connection) gets loaded.
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HDC dc = GetDC(nullptr);
    ReleaseDC(nullptr, dc);
    return 0;
}
