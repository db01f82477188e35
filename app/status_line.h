// The line in the bottom bar's panel: what the program saw of the displays'
// brightness at start, then what the last click did. The click never waits for
// the helper's exit; a pool wait posts kHelperDoneMessage to the window instead.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "app/brightness.h"
#include "app/gamma_ramp.h"

namespace app {

using HelperRunner = std::function<RestoreRun()>;

// Posted to the main window once the click's helper has exited (or the time is up).
inline constexpr UINT kHelperDoneMessage = WM_APP + 1;

// The panel's texts (GBK). The button covers the bar from x = 76, so each stays
// within the 70 pixels left of it: at most five characters at 12 px.
const char* StateText(RampState state);
const char* OutcomeText(RestoreOutcome outcome);
// Text colour: white when all is well or unknown, yellow when something is wrong.
COLORREF StateColour(RampState state);
COLORREF OutcomeColour(RestoreOutcome outcome);

// Replace how a click starts its helper (tests); an empty function puts the real
// one back. How the displays are read: SetRampReader.
void SetHelperRunner(HelperRunner runner);

// Reads the ramps and puts what they say in the panel (the window is skinned).
void ShowStartState(HWND window);
// The click: starts the helper and returns; the outcome shows once it has exited.
// A click while the previous helper still runs starts no second one.
void OnRestoreClicked(HWND window);
// kHelperDoneMessage: collects the helper's result and shows it.
void OnHelperDone(HWND window);
// The window is going: stops watching and lets a running helper go (ending it
// after a short wait) so that its file is deleted all the same.
void AbandonRestore();
// True while a click's helper has not been collected yet.
bool RestorePending();

// Puts text into the bar's first panel and redraws that panel alone.
void ShowStatus(HWND window, const std::string& text, COLORREF colour);
// The first panel's text, empty when the window has no skinned bar.
std::string StatusText(HWND window);

}  // namespace app
