// What every control skinner is built from: finding the record a control's
// properties lead to, subclassing a control once, the one path to the previous
// procedure, a procedure wrapper no exception crosses, the children of a class,
// and the canvas one paint of a control draws on.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/gfx_graphics.h"
#include "gfx/gfx_image.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/control_options.h"
#include "skin/base/window_table.h"

namespace skin {

// One message as a subclass procedure gets it.
struct Msg {
    HWND window;
    UINT message;
    WPARAM wp;
    LPARAM lp;
};

// The properties that tie a control to its record: its list position, its
// window's index and the procedure the skin replaced.
struct PropNames {
    const char* index;
    const char* owner;
    const char* previous;
};
inline constexpr PropNames kControlProps{prop::kIndex, prop::kOwnerIndex, prop::kPrevProc};
inline constexpr PropNames kToolbarProps{prop::kToolbarIndex, prop::kToolbarOwner,
                                         prop::kToolbarPrevProc};
// Toolbars keep their properties under their own names; every other list the common ones.
const PropNames& PropsOf(ListKind kind);

// ---- Subclassing

// Marks proc as one of the skin's procedures (InstallSubclass does it itself).
void RegisterSkinProcedure(WNDPROC proc);
// True when the window already carries one of the skin's procedures: installed
// as its procedure, or saved as the previous one under any skin property.
bool CarriesSkinProcedure(HWND window);
// True when the window's procedure is no longer its class's own: the program
// (or something else) subclassed it, typically to paint it itself.
bool ProcedureReplaced(HWND window);
// Subclasses control with proc and ties it to position `position` of window
// `index`'s list. Returns the replaced procedure, or null when the control is
// refused: the program kept it native (control_options.h), or it already
// carries a skin procedure (subclassing it twice would save our own procedure
// as the previous one, and every message would then call itself until the
// stack ran out).
WNDPROC InstallSubclass(HWND control, WNDPROC proc, int index, int position,
                        const PropNames& names = kControlProps);
// The message handed to the procedure the skin replaced (never one of the
// skin's own: with none, DefWindowProcA).
LRESULT CallPrevious(const Msg& m, const PropNames& names = kControlProps);
// Blanks the list entry of a control that is going away and drops its
// properties, so that a later window reusing the handle is not mistaken for it.
void ForgetControl(HWND control, const PropNames& names = kControlProps);
// Gives a control (or skinned window) the procedure the skin replaced back and
// drops its ties to a record. When the program has subclassed it over the
// skin's procedure since, that one cannot be taken out: it stays in the chain,
// passing every message on, and false is returned.
bool UninstallSubclass(HWND control, const PropNames& names = kControlProps);

// A subclass procedure made from a handler: no exception crosses into the
// system (on one the message still reaches the previous procedure), and the
// control is forgotten once its last message has been handled.
template <LRESULT (*Handle)(const Msg&), const PropNames& Names = kControlProps>
LRESULT CALLBACK GuardedProc(HWND window, UINT message, WPARAM wp, LPARAM lp) noexcept {
    const Msg m{window, message, wp, lp};
    LRESULT result = 0;
    try {
        result = Handle(m);
    } catch (...) {
        try {
            result = CallPrevious(m, Names);
        } catch (...) {
        }
    }
    if (message == WM_NCDESTROY) ForgetControl(window, Names);
    return result;
}

// ---- Handlers shared by the controls the skin paints whole

// WM_ERASEBKGND: nothing is erased (the paint covers everything); text stays
// transparent.
LRESULT EraseNothing(const Msg& m);
// Marks a control's WM_PAINT as under way from here to the end of the scope:
// the WM_NCPAINT its BeginPaint sends comes after (or before) a whole paint.
class WholePaintScope {
public:
    explicit WholePaintScope(HWND control);
    ~WholePaintScope();
    WholePaintScope(const WholePaintScope&) = delete;
    WholePaintScope& operator=(const WholePaintScope&) = delete;

private:
    HWND previous_;
};
// For a control the skin paints whole also on WM_NCPAINT: false when a
// WM_PAINT of the control is under way or still to come (its client area
// waits to be painted), which paints it whole anyway. A repaint of both then
// paints once.
bool NonClientPaintsWhole(HWND control);

// WM_PAINT: the painter draws and the update region is validated; a control the
// painter cannot draw (nothing skinned behind it) paints itself instead.
template <typename Painter>
LRESULT PaintWhole(const Msg& m, Painter&& paint) {
    if (!paint(m.window)) return CallPrevious(m);
    {
        const WholePaintScope painted(m.window);
        gdi::PaintScope validate(m.window);
    }
    return DefWindowProcA(m.window, m.message, m.wp, m.lp);
}
// WM_MOVE: what lies behind the control changed, so it repaints, then the
// message goes on.
template <typename Painter>
LRESULT RepaintAndPass(const Msg& m, Painter&& paint) {
    paint(m.window);
    return CallPrevious(m);
}

// The control acts on the message first (takes or loses the focus, changes its
// choice), then repaints over whatever it drew.
template <typename Painter>
LRESULT PassThenRepaint(const Msg& m, Painter&& paint) {
    const LRESULT result = CallPrevious(m);
    if (IsWindow(m.window)) paint(m.window);
    return result;
}

// ---- Records

// A control's entry found through its properties.
template <typename T>
struct Bound {
    int index = 0;  // window index
    WindowRecord* owner = nullptr;
    int position = 0;
    T* entry = nullptr;
    explicit operator bool() const { return entry != nullptr; }
    T* operator->() const { return entry; }
    T& operator*() const { return *entry; }
};

// The entry of `list` that control's properties lead to; empty when they lead
// nowhere (0, past the end) or to another window's entry.
template <typename T>
Bound<T> FindRecord(HWND control, ControlList<T> WindowRecord::*list,
                    const PropNames& names = kControlProps) {
    const std::intptr_t index = GetIntProp(control, names.owner);
    WindowRecord* owner = Table().At(index);
    if (!owner || !control) return {};
    const std::intptr_t position = GetIntProp(control, names.index);
    T* entry = (owner->*list).At(position);
    if (!entry || entry->window != control) return {};
    return {static_cast<int>(index), owner, static_cast<int>(position), entry};
}

// Adds `entry` for control to window index's list (blank-entry rule) and
// subclasses the control with proc. Returns the position, or 0 when the window
// index leads nowhere or InstallSubclass would refuse the control.
template <typename T>
int AddAndSubclass(int index, HWND control, ControlList<T> WindowRecord::*list, T entry,
                   WNDPROC proc, const PropNames& names = kControlProps) {
    WindowRecord* r = Table().At(index);
    if (!r || !control || CarriesSkinProcedure(control) || IsKeptNative(control)) return 0;
    entry.window = control;
    const int position = (r->*list).Add(std::move(entry));
    (r->*list).At(position)->previousProc = InstallSubclass(control, proc, index, position, names);
    return position;
}

// ---- Children

// The direct children of parent whose class is className (any class when
// null), in the order FindWindowExA gives them.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
// The class name of a window.
bool IsClass(HWND window, const char* className);

// ---- Painting

// Where a control canvas goes: the client area, or the whole window (frame
// and scroll bars included).
enum class Surface { kClient, kWindow };

// One paint of a control: the skinned background behind it captured into a
// memory DC, a GDI+ surface on it, and one copy to the screen. Everything is
// released on every path. Empty (false) when nothing skinned lies behind the
// control; the painter then leaves the screen alone.
class ControlCanvas {
public:
    // rect is in the control's coordinates, normally (0, 0, width, height).
    ControlCanvas(HWND control, const RECT& rect);
    ~ControlCanvas();
    ControlCanvas(const ControlCanvas&) = delete;
    ControlCanvas& operator=(const ControlCanvas&) = delete;

    explicit operator bool() const { return dc_ != nullptr; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The GDI+ surface on the canvas (anti-aliasing off until a painter asks).
    gfx::GfxGraphics& graphics();

    // The mean colour of the canvas inside area (control coordinates, clipped
    // to the canvas), with everything drawn so far; black when empty.
    COLORREF MeanColour(const RECT& area);

    // Before anything is drawn: true when the look for `state` over this very
    // background was kept by an earlier paint; the canvas then holds it and
    // nothing is left to draw. Otherwise the painter draws and calls Keep().
    // `state` must cover everything besides the background that the painter
    // draws from.
    bool Recall(std::uint64_t state);
    // Keeps the finished canvas for the state given to Recall.
    void Keep();

    // Copies the canvas to target at (0, 0); keyed skips pixels of kKeyColour.
    void CopyTo(HDC target, bool keyed = false);
    // Copies to the control's own client or window DC, leaving `exclude` (in
    // that DC's coordinates) untouched when given.
    void CopyToScreen(Surface surface, bool keyed = false, const RECT* exclude = nullptr);

private:
    void Finish();
    // The capture's pixels (top-down, 32-bit); false when they cannot be reached.
    bool Bits(void*& bits, int& stride) const;

    HWND control_;
    HDC dc_;
    int width_, height_;
    std::uint64_t lookKey_ = 0;
    bool keyed_ = false;
    std::unique_ptr<gfx::GfxBitmap> pixels_;  // GDI+'s view of the capture's own pixels
    std::unique_ptr<gfx::GfxGraphics> graphics_;
};

}  // namespace skin
