// How the skin's text looks over the picture: which colour it takes (the
// program's own, else one readable on what lies under it) and whether keyboard
// mnemonics are underlined.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "gfx/gfx_font.h"
#include "skin/base/skinner_kit.h"

namespace skin {

// The text colour the program chose for control: "Kj_Ztys" when it is set
// (non-zero, or marked by SetTextColour), else, when askParent, the text
// colour the parent's WM_CTLCOLORSTATIC answer sets on dc; nothing when the
// program left it to the skin. The answer is taken as a choice only when it
// differs from the default procedure's (window text on the button face).
std::optional<COLORREF> ProgramTextColour(HWND control, HDC dc, bool askParent);
// Black or white, whichever stands out more on background.
COLORREF ReadableOn(COLORREF background);
// The program's colour, or one readable on the canvas's mean colour in area.
COLORREF TextColourOver(HWND control, ControlCanvas& canvas, const RECT& area, bool askParent);
// The same, with the program's choice already asked for (ProgramTextColour).
COLORREF TextColourOver(std::optional<COLORREF> chosen, ControlCanvas& canvas, const RECT& area);
// The disabled look of a text colour: halfway to the background.
COLORREF Dimmed(COLORREF text, COLORREF background);

// False when the control's keyboard cues are hidden (WM_QUERYUISTATE, or the
// last WM_UPDATEUISTATE that reached one of the skin's procedures).
bool KeyboardCuesShown(HWND control);
// Called by a skin procedure with every WM_UPDATEUISTATE it gets.
void NoteUiState(HWND control, WPARAM wp);
// WM_UPDATEUISTATE for a control that paints on WM_PAINT: the state is noted,
// the message goes on, and the control repaints with its mnemonics as they now are.
LRESULT OnUpdateUiState(const Msg& m);
// "&x" as an underlined x while cues are shown, a plain x otherwise; "&&" as "&".
Gdiplus::HotkeyPrefix HotkeyPrefixFor(HWND control);
// A text as it reads with its mnemonics not marked: "&x" becomes "x", "&&"
// becomes "&" (for GDI text drawn with cues hidden; DT_HIDEPREFIX is not
// honoured everywhere).
std::string WithoutMnemonics(const std::string& text);

}  // namespace skin
