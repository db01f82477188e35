// The menu bar of a skinned window: laid out as a row under the skin's caption,
// hit-tested there, and opened by the mouse, by Alt/F10 or Alt and a letter, or
// from the caption's main-menu button. The drop-downs are the system's own menus
// (TrackPopupMenuEx with the window as owner), so WM_INITMENUPOPUP, WM_MENUSELECT
// and WM_COMMAND reach the program exactly as with its native menu bar.
#pragma once
#include <windows.h>

#include <string>

#include "skin/base/window_table.h"

namespace skin {

// Lays the window's menu out as a row (wrapping to more rows when it does not
// fit) for a window `windowWidth` wide; returns the row's height, 0 without a menu.
int LayoutMenuRow(WindowRecord& r, int windowWidth);
// The item under a frame point, or -1.
int MenuItemAt(const WindowRecord& r, POINT frame);
// The font the row's items are drawn with (the system's menu font; never freed).
HFONT MenuFont();
// An item's text as drawn: "&x" keeps its mark for DrawText, a tab and what
// follows it (an accelerator) are dropped.
std::string MenuItemLabel(const std::string& text);

// Marks item `item` (or -1) as the one under the pointer and redraws the row
// when that changed.
void SetMenuHot(int index, int item);
// Opens item `item`'s drop-down (an item without one sends its command), and
// follows the user to the neighbouring items until the menu closes.
void TrackMenuBar(int index, int item, bool byKeyboard);
// WM_SYSCOMMAND SC_KEYMENU: Alt or F10 (key 0) opens the first item, Alt and a
// letter the item whose mnemonic it is. False when the window has no menu row.
bool OpenMenuByKey(int index, WPARAM key);
// The caption's main-menu button: the window's menu as one drop-down, or its
// system menu when it has none, below the button.
void OpenMainMenu(int index, POINT screen);
// WM_MENUSELECT while a drop-down of the row is open.
void NoteMenuSelect(WPARAM wp, LPARAM lp);

}  // namespace skin
