/* The Tovik skin engine: draws a program's windows, dialogs and standard
 * controls from one picture. This header is the whole public interface; it is
 * plain C (a C program, or any Windows compiler, can use it) and gives C++
 * programs (C++17 or later) the same calls as inline functions in tovik::skin.
 *
 * Linking: the static library (CMake target TovikSkin::skin), or TovikSkin.dll
 * through its import library (TovikSkin::dll; define TOVIK_SKIN_DLL, which the
 * CMake target does for you).
 *
 * A program's whole use of it:
 *     TovikSkinStart(NULL);          // once: GDI+, the engine, its own picture
 *     TovikSkinThreadWindows();      // every window and dialog this thread makes from now on
 *     ... create windows, run dialogs, run the message loop ...
 *     TovikSkinStop();               // any time, windows open or not
 *
 * Every call runs on the thread that made the windows it is about. Failures are
 * return values (0); nothing is thrown and no message box is shown. */
#ifndef TOVIK_SKIN_H
#define TOVIK_SKIN_H

#include <windows.h>

#if defined(TOVIK_SKIN_BUILDING_DLL)
#define TOVIK_SKIN_API __declspec(dllexport)
#elif defined(TOVIK_SKIN_DLL)
#define TOVIK_SKIN_API __declspec(dllimport)
#else
#define TOVIK_SKIN_API
#endif
/* One calling convention for every compiler: the C one. */
#define TOVIK_SKIN_CALL __cdecl

#ifdef __cplusplus
extern "C" {
#endif

/* How the skin looks. Zero everywhere (or a NULL pointer) is the engine's own look. */
typedef struct TovikSkinLook {
    const void* picture;        /* JPEG, PNG, GIF or BMP bytes, copied; NULL: the engine's picture */
    unsigned long pictureSize;  /* bytes at picture */
    int placement;              /* 0: stretched over the window; 1: tiled, mirrored at the seams */
    COLORREF accent;            /* hover and focus colour; 0: the engine's green */
} TovikSkinLook;

/* Starts the engine for the process (GDI+ included) with a look, or changes the
 * look of a running engine and repaints its windows. 1 on success, 0 when the
 * picture cannot be read or GDI+ cannot start (nothing is left half started). */
TOVIK_SKIN_API int TOVIK_SKIN_CALL TovikSkinStart(const TovikSkinLook* look);

/* Stops the engine: every skinned window and control gets its own look and
 * window procedure back, the thread-wide skinning ends and GDI+ shuts down.
 * Safe at any time, also twice, with windows open and without a message loop. */
TOVIK_SKIN_API void TOVIK_SKIN_CALL TovikSkinStop(void);

/* Skins one top-level window or dialog with everything on it: its caption,
 * frame and menu bar become the skin's (the client area keeps its size), and
 * its controls, labels, group boxes, tab controls, dialog pages, status bars,
 * calendars and rich edits are skinned. 1 when the window is skinned now (or
 * already was), 0 when it cannot be (not a top-level window, engine stopped). */
TOVIK_SKIN_API int TOVIK_SKIN_CALL TovikSkinWindow(HWND window);

/* Skins every top-level window and dialog (message boxes and property sheets
 * included) that the calling thread creates from now on, as it first shows or
 * initialises, with the pages and controls it gets later. 1 on success. */
TOVIK_SKIN_API int TOVIK_SKIN_CALL TovikSkinThreadWindows(void);

/* Keeps a control (and everything on it) out of the skin: it stays as the system
 * or the program draws it. Call before the window is skinned. */
TOVIK_SKIN_API void TOVIK_SKIN_CALL TovikSkinKeepNative(HWND control);

/* The colour of a control's text over the skin (labels, check boxes, radio
 * buttons, group-box and tab captions). Without one the skin picks a colour
 * readable on the picture under the text. */
TOVIK_SKIN_API void TOVIK_SKIN_CALL TovikSkinSetTextColour(HWND control, COLORREF colour);

/* A translucent panel of `colour` (alpha 0..255) over a skinned group box or tab
 * control's area. 1 when the container is skinned. */
TOVIK_SKIN_API int TOVIK_SKIN_CALL TovikSkinSetTint(HWND container, COLORREF colour, int alpha);

#ifdef __cplusplus
}  /* extern "C" */

namespace tovik {
namespace skin {

inline bool Start(const TovikSkinLook* look = nullptr) { return TovikSkinStart(look) != 0; }
inline void Stop() { TovikSkinStop(); }
inline bool SkinWindow(HWND window) { return TovikSkinWindow(window) != 0; }
inline bool SkinThreadWindows() { return TovikSkinThreadWindows() != 0; }
inline void KeepNative(HWND control) { TovikSkinKeepNative(control); }
inline void SetTextColour(HWND control, COLORREF colour) { TovikSkinSetTextColour(control, colour); }
inline bool SetTint(HWND container, COLORREF colour, int alpha) {
    return TovikSkinSetTint(container, colour, alpha) != 0;
}

// Starts the engine for a scope and stops it at the scope's end.
class Session {
public:
    explicit Session(const TovikSkinLook* look = nullptr) : running_(Start(look)) {}
    ~Session() {
        if (running_) Stop();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    explicit operator bool() const { return running_; }

private:
    bool running_;
};

}  // namespace skin
}  // namespace tovik
#endif /* __cplusplus */

#endif /* TOVIK_SKIN_H */
