// Toolbar registration and the containers a toolbar hosts; also the public way
// for a program to skin its own group boxes, tab controls, status bars, month
// calendars and rich edits.
#pragma once
#include <windows.h>

namespace skin {

// Registers every "ToolbarWindow32" that is a direct child of parent.
void SkinToolbarChildren(int index, HWND parent);

// Records control in its skinned window's toolbar list and gives it the
// toolbar procedure: a toolbar is painted button by button, other classes are
// laid over the skin with a colour key. Its first child window, if any, is
// registered as a container. Returns the control's list position (the same one
// again for a control already registered); 0 when it has no skinned ancestor
// or was kept native.
int RegisterToolbar(HWND control);

// Records window in its skinned window's group-box list, skins its children
// with every control pass, and gives it the container procedure. Registering
// it again changes nothing. Returns its list position; 0 when it has no skinned
// ancestor, already carries another skin procedure or was kept native. A
// child dialog becomes a page: it shows the picture behind it on every paint.
int RegisterContainer(HWND window);

// Registers every child dialog ("#32770" with WS_CHILD) among parent's direct
// children as a container, so that it and its controls are skinned.
void SkinChildDialogs(int index, HWND parent);

}  // namespace skin
