// What lies behind a skinned control: every control painter starts from a memory
// DC holding the skinned window's picture behind the control.
#pragma once
#include <windows.h>

#include <string>

namespace skin {

// A new memory DC the size of rect (control coordinates) holding the picture
// behind the control; 0 when the control has no skinned ancestor. Release it with
// ReleaseBackground.
HDC CaptureBackground(HWND control, const RECT& rect);
// 1 when dc came from CaptureBackground and is now released; 0 otherwise (also
// for 0). A released capture is kept for a later capture of the same size.
int ReleaseBackground(HDC dc);
// Frees the released captures kept for reuse.
void ReleasePooledCaptures();
// The same picture drawn at (0, 0) into a DC the caller owns; nothing without a
// skinned ancestor.
void PaintBackground(HWND control, HDC dc, const RECT& rect);

// Where a control's background comes from.
struct BackgroundSource {
    enum Kind { kNone, kTopLevel, kContainer, kGroupBox } kind = kNone;
    int index = 0;  // window index (top level, group box)
    HWND container = nullptr;
    int groupPosition = 0;  // position in the group-box list
};
BackgroundSource FindBackgroundSource(HWND control);
// The control's window rectangle minus that of the window it is measured against.
RECT OffsetInSource(HWND control);
RECT OffsetInWindow(HWND window, HWND control);
RECT OffsetInTopLevel(HWND control);
int FindGroupBoxRecord(int index, HWND control);
int FindTintedGroupAncestor(int index, HWND control, HWND stop);
RECT TabPageRect(HWND tab);
std::string GetClassText(HWND window);

}  // namespace skin
