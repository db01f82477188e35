// Names of window messages, for logs and test failure output. One table (an
// X-macro list) holds every message the skin handles or sends.
#pragma once
#include <windows.h>

namespace skin {

#define SKIN_MESSAGE_NAMES(X)                                                                      \
    X(WM_NULL)                                                                                     \
    X(WM_CREATE)                                                                                   \
    X(WM_DESTROY) X(WM_MOVE) X(WM_SIZE) X(WM_ACTIVATE) X(WM_SETFOCUS) X(WM_KILLFOCUS) X(           \
        WM_ENABLE) X(WM_SETREDRAW) X(WM_SETTEXT) X(WM_GETTEXT) X(WM_GETTEXTLENGTH) X(WM_PAINT)     \
        X(WM_CLOSE) X(WM_QUERYENDSESSION) X(WM_QUIT) X(WM_QUERYOPEN) X(WM_ERASEBKGND) X(           \
            WM_SYSCOLORCHANGE) X(WM_SHOWWINDOW) X(WM_ACTIVATEAPP) X(WM_SETCURSOR)                  \
            X(WM_MOUSEACTIVATE) X(WM_GETMINMAXINFO) X(WM_DRAWITEM) X(WM_MEASUREITEM) X(            \
                WM_SETFONT) X(WM_GETFONT) X(WM_WINDOWPOSCHANGING) X(WM_WINDOWPOSCHANGED)           \
                X(WM_NOTIFY) X(WM_STYLECHANGING) X(WM_STYLECHANGED) X(WM_GETICON) X(               \
                    WM_NCCREATE) X(WM_NCDESTROY) X(WM_NCCALCSIZE) X(WM_NCHITTEST) X(WM_NCPAINT)    \
                    X(WM_NCACTIVATE) X(WM_GETDLGCODE) X(WM_NCMOUSEMOVE) X(WM_NCLBUTTONDOWN) X(     \
                        WM_NCLBUTTONUP) X(WM_NCLBUTTONDBLCLK) X(WM_KEYDOWN) X(WM_KEYUP) X(WM_CHAR) \
                        X(WM_SYSKEYDOWN) X(WM_SYSKEYUP) X(WM_COMMAND) X(WM_SYSCOMMAND) X(WM_TIMER) \
                            X(WM_HSCROLL) X(WM_VSCROLL) X(WM_CTLCOLOREDIT) X(WM_CTLCOLORLISTBOX)   \
                                X(WM_CTLCOLORBTN) X(WM_CTLCOLORSTATIC) X(WM_MOUSEMOVE)             \
                                    X(WM_LBUTTONDOWN) X(WM_LBUTTONUP) X(WM_LBUTTONDBLCLK) X(       \
                                        WM_RBUTTONDOWN) X(WM_RBUTTONUP) X(WM_MOUSEWHEEL)           \
                                        X(WM_PARENTNOTIFY) X(WM_ENTERSIZEMOVE) X(WM_EXITSIZEMOVE)  \
                                            X(WM_CAPTURECHANGED) X(WM_MOUSEHOVER) X(WM_MOUSELEAVE) \
                                                X(WM_NCMOUSELEAVE) X(WM_PRINT) X(WM_PRINTCLIENT)   \
                                                    X(BM_GETCHECK) X(BM_SETCHECK) X(BM_GETSTATE)   \
                                                        X(BM_SETSTATE) X(BM_SETSTYLE) X(BM_CLICK)  \
                                                            X(EM_SETSEL) X(EM_SCROLL)              \
                                                                X(EM_REPLACESEL) X(CB_GETCURSEL)   \
                                                                    X(CB_SETCURSEL)                \
                                                                        X(CB_SHOWDROPDOWN)         \
                                                                            X(LB_SETCURSEL)        \
                                                                                X(LB_GETCURSEL)

// "WM_PAINT" for 0x000F; "WM_USER+5", "WM_APP+1" or "0x1234" for others.
// The text lives until the next call from the same thread.
const char* MessageName(UINT message);

}  // namespace skin
