// Skinned edit boxes: a white ring with a frame that follows hover and focus
// around the edit's own text, and skinned scroll bars over its native ones. The
// same per-window pass skins the window's combo boxes afterwards.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

// Skins the direct "Edit" children of parent (then its combo boxes); controls
// already skinned are left alone. Nothing unless the control background
// switch is set.
void SkinEditAndComboChildren(int index, HWND parent);

// The subclass procedure of a skinned edit box.
LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the ring between the edit's window and client edges; a state left
// out is taken from the edit's record.
void PaintEditFrame(HWND edit, std::optional<bool> focused = std::nullopt,
                    std::optional<bool> hovered = std::nullopt);

}  // namespace skin
