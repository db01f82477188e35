/* Reads the X server's gamma ramp directly (xgamma only reports the exponent it
 * set last, so it cannot tell whether a ramp was written since).
 *   xramp print   prints a few entries per channel
 *   xramp check   exit 0 when every channel is the identity (entry i = i*65535/(n-1),
 *                 within 1/255), 1 when not, 2 when the ramp cannot be read
 *   xramp match FILE
 *                 the same against the curve in FILE: red, green and blue, 256
 *                 decimal entries each (0..65535), separated by blanks or newlines;
 *                 2 also when FILE cannot be read */
#include <X11/Xlib.h>
#include <X11/extensions/xf86vmode.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* The target curve, 3 x 256 entries, from a text file. */
static int read_curve(const char* path, long curve[3][256]) {
    FILE* f = fopen(path, "r");
    if (!f) return 0;
    int n = 0;
    while (n < 3 * 256 && fscanf(f, "%ld", &curve[n / 256][n % 256]) == 1) ++n;
    fclose(f);
    return n == 3 * 256;
}

/* Entry i of a server ramp of the given size on a 256-entry curve (linear between entries). */
static long curve_at(const long* channel, int i, int size) {
    long at = (long)i * 255, k = at / (size - 1), frac = at % (size - 1);
    if (!frac) return channel[k];
    return (channel[k] * (size - 1 - frac) + channel[k + 1] * frac) / (size - 1);
}

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "print";
    static long target[3][256];
    const int match = strcmp(mode, "match") == 0;
    if (match && (argc < 3 || !read_curve(argv[2], target))) {
        fprintf(stderr, "xramp: cannot read the curve (3 x 256 numbers) from %s\n",
                argc < 3 ? "(no file given)" : argv[2]);
        return 2;
    }
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
    if (strcmp(mode, "check") == 0 || match) {
        int bad = 0;
        for (int c = 0; c < 3; ++c)
            for (int i = 0; i < size; ++i) {
                long want = match ? curve_at(target[c], i, size) : (long)i * 65535 / (size - 1);
                if (labs((long)ch[c][i] - want) > 257) {
                    if (bad < 5)
                        fprintf(stderr, "xramp: %c[%d] = %u, want %ld\n", names[c], i, ch[c][i],
                                want);
                    ++bad;
                }
            }
        const char* what = match ? "the curve" : "identity";
        printf("%s%s (%d entries)\n", bad ? "not " : "", what, size);
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
