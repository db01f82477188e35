// Skinned combo boxes: the whole face repainted over the window DC (white body,
// a frame that follows hover and focus, a rounded drop button, the selected
// text of a drop-down list), with the combo box's own edit field and list left
// untouched.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

// Skins the direct "ComboBox" children of parent (owner-drawn ones keep their
// look). Run by SkinEditAndComboChildren after its edits.
void SkinComboChildren(int index, HWND parent);

// The subclass procedure of a skinned combo box.
LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the combo box; focus left out comes from its record.
void PaintCombo(HWND combo, bool hovered, std::optional<bool> focused = std::nullopt);

}  // namespace skin
