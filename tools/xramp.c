/* Reads the X server's gamma ramp directly (xgamma only reports the exponent it
 * set last, so it cannot tell whether a ramp was written since).
 *   xramp print   prints a few entries per channel
 *   xramp check   exit 0 when every channel is the identity (entry i = i*65535/(n-1),
 *                 within 1/255), 1 when not, 2 when the ramp cannot be read */
#include <X11/Xlib.h>
#include <X11/extensions/xf86vmode.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "print";
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xramp: cannot open display\n");
        return 2;
    }
    int screen = DefaultScreen(dpy), size = 0;
    if (!XF86VidModeGetGammaRampSize(dpy, screen, &size) || size < 2) {
        fprintf(stderr, "xramp: no gamma ramp on this server\n");
        return 2;
    }
    unsigned short *r = calloc(size, 2), *g = calloc(size, 2), *b = calloc(size, 2);
    if (!XF86VidModeGetGammaRamp(dpy, screen, size, r, g, b)) {
        fprintf(stderr, "xramp: cannot read the ramp\n");
        return 2;
    }
    const unsigned short* ch[3] = {r, g, b};
    const char* names = "RGB";
    if (strcmp(mode, "check") == 0) {
        int bad = 0;
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < size; ++i) {
                long want = (long)i * 65535 / (size - 1);
                if (labs((long)ch[c][i] - want) > 257) {
                    if (bad < 5)
                        fprintf(stderr, "xramp: %c[%d] = %u, want %ld\n", names[c], i, ch[c][i],
                                want);
                    ++bad;
                }
            }
        printf("%s (%d entries)\n", bad ? "not identity" : "identity", size);
        return bad ? 1 : 0;
    }
    for (int c = 0; c < 3; ++c) {
        printf("%c:", names[c]);
        for (int k = 0; k <= 4; ++k) {
            int i = k * (size - 1) / 4;
            printf(" [%d]=%u", i, ch[c][i]);
        }
        printf("\n");
    }
    return 0;
}
