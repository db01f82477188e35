// Skinned list boxes, simple combo-box lists, list views, tree views, IP-address
// fields and date-time pickers: one record type, one subclass procedure and one
// frame painter for all six. The controls draw their own contents; the skin
// paints the ring around them and skinned scroll bars over the native ones.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

// Skins the direct children of parent of the six classes (and the list inside
// each simple combo box); owner-drawn lists keep their look. Nothing unless
// the control background switch is set.
void SkinListChildren(int index, HWND parent);

// The subclass procedure shared by the six classes.
LRESULT CALLBACK ListProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the ring around the control; a state left out comes from its record.
void PaintListFrame(HWND control, std::optional<bool> hovered = std::nullopt,
                    std::optional<bool> focused = std::nullopt);

}  // namespace skin
