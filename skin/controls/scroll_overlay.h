// Skinned pictures of a control's native scroll bars: a small disabled child of
// the control's parent laid exactly over each bar. The control keeps scrolling
// natively (clicks fall through the disabled overlay onto the real bar); the
// overlay only paints the bar's live state in the skin's style.
#pragma once
#include <windows.h>

#include "skin/base/skinner_kit.h"

#include "skin/base/control_records.h"

namespace skin {

// The part of a bar under the mouse, as the painters highlight it.
enum ScrollPart : int { kPartNone = 0, kPartThumb = 1, kPartFirst = 3, kPartSecond = 4 };

// Creates the overlay of the control's vertical (horizontal) bar. Visible: laid
// over the bar now; otherwise a hidden 10 x 10 window at (0, 0) that
// RepositionOverlays later shows. The caller keeps the handle in its record.
HWND CreateVerticalOverlay(HWND control, bool visible);
HWND CreateHorizontalOverlay(HWND control, bool visible);

// Repaints the overlay of that bar with `part` highlighted; nothing when the
// control's record holds no such overlay.
void PaintVerticalOverlay(HWND control, int part);
void PaintHorizontalOverlay(HWND control, int part);

// The part under a non-client mouse message's screen point (signed), by the
// rectangles the last paint stored; kPartNone before the first paint.
int HitTestVertical(HWND control, LPARAM screenPoint);
int HitTestHorizontal(HWND control, LPARAM screenPoint);

// Shows or hides each overlay as the control's style has its bar, and lays it
// over the bar where the bar is now (under the control's current parent).
void RepositionOverlays(HWND control);

// Destroys the control's overlays (the control is going away).
void DestroyOverlays(HWND control);

// ---- Keeping the overlays true to their bars

// Message handlers the edit and list-type procedures share for their overlays.
// After every message the control handled (but those that only ask), each bar
// is compared with what its overlay last showed (range, page and position as
// the thumb shows them, the thumb being dragged, disabled, visible, where it
// lies, and whether something drew over the overlay); an overlay whose bar
// moved is moved, and on a difference one repaint is queued, so that a run of
// changes paints once. Every overlay also checks its bar ten times a second,
// for changes no message of the control tells of (a program's SetScrollInfo
// or EnableScrollBar).
LRESULT FollowBarsAfter(const Msg& m, LRESULT result);
// After the control has acted on the message: overlays follow its bars.
LRESULT RepositionOverlaysAfter(const Msg& m);
// WM_HSCROLL / WM_VSCROLL from the control's own bar: whether the thumb is
// being dragged (drawn where the dragged position puts it), and a repaint
// after the native bar the system draws next.
LRESULT OnBarScroll(const Msg& m);
// WM_NCMOUSEMOVE: the part under the mouse lit, after the native hover look.
LRESULT OnBarMouseMove(const Msg& m);
// WM_NCLBUTTONDOWN: the bar's tracking loop runs in the control; the overlays
// are painted again when it ends.
LRESULT OnBarButtonDown(const Msg& m);
// The mouse left the non-client area: bars plain again.
LRESULT OnOverlayMouseLeave(const Msg& m);
// The control is going away: its overlays go first.
LRESULT OnOverlayOwnerDestroy(const Msg& m);

// The overlay state in the record of an edit or list-type control, or null.
OverlayState* OverlaysOf(HWND control);

// The overlay window procedure.
LRESULT CALLBACK OverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
