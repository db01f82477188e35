// Group boxes, tab controls and the other containers that hold skinned children:
// their subclass procedure, their painters and the windows they move with them.
#pragma once
#include <windows.h>

namespace skin {

// The container subclass procedure ("Hw_hProc", "Hw_FuID", "Hw_lbID").
LRESULT CALLBACK ContainerSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the container over what lies behind it into target (its own client DC
// when null): the group-box frame and caption, the tabs and page frame, or the
// double frame, as its entry says. False when it is not a registered container
// or nothing skinned lies behind it.
bool RenderContainer(HWND container, HDC target = nullptr);
// RenderContainer, then the transparent children repaint over the new picture.
bool PaintContainer(HWND container, HDC target = nullptr);
// True when the container draws anything of its own (group box, tab control or
// plain frame); one that does not lets its own procedure paint.
bool DrawsOwnFrame(HWND container);

// Lays the inner windows of group-box entry `position` of window `index` out
// again in the container's current client rectangle.
void MoveChildren(int index, int position);
// Makes inner a window that container moves along with itself: it keeps its
// present distances to the four edges of the container's client area. False
// when container is not registered.
bool AddInnerWindow(HWND container, HWND inner);

// A translucent tint over the container's panel (colour 0: none), inherited by
// its children while tintChildren is set; the container and its children
// repaint. False when container is not registered.
bool SetContainerTint(HWND container, COLORREF colour, int alpha, bool tintChildren = true);

}  // namespace skin
