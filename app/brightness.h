// The "亮度恢复" button's action: write the gamma-reset helper beside the
// executable, start it, delete it again; and, once the helper has exited, what
// came of it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "app/handles.h"
#include "resources/embedded.h"

namespace app {

// File name of the helper, appended to the run directory.
inline constexpr char kGammaToolName[] = "\\Miran屏幕亮度恢复.exe";
// The helper takes about a tenth of a second; one still running after this is stuck.
inline constexpr DWORD kHelperExitLimitMs = 10000;

// What the helper puts each display back to.
enum class RestoreTarget {
    kCalibration,  // its own calibration curve, the identity where it has none
    kIdentity,     // the identity on every display ("/identity" to the helper)
};

enum class RestoreOutcome {
    kRestored,     // the helper exited 0: every display reads the identity back
    kCalibrated,   // the helper exited 0, and some display is on its own calibration
    kNotRestored,  // the helper exited non-zero: a display did not take the ramp
    kNotWritten,   // the helper could not be written beside the executable
    kNotStarted,   // it was written but could not be started
    kNoAnswer,     // it did not exit within kHelperExitLimitMs and was ended
};

// A helper started by StartRestore: its process while it may still run, and the
// file to delete once it has exited.
struct RestoreRun {
    std::optional<RestoreOutcome> failed;  // set when the helper never ran
    RestoreTarget target = RestoreTarget::kCalibration;
    ProcessHandle process;
    std::string toolPath;
};

// What a run came to: its outcome and, when the helper exited by itself, its code.
struct RestoreResult {
    RestoreOutcome outcome;
    DWORD helperExitCode = 0;
};

// Writes the helper into directory, starts it (normal show mode; with "/identity"
// for kIdentity), waits at most 1,000 ms for it to become idle and deletes the
// file; never waits longer.
RestoreRun StartRestore(const std::string& directory, res::ByteSpan tool,
                        RestoreTarget target = RestoreTarget::kCalibration);
// Once the helper has exited, or when no more waiting is wanted: its result. A
// helper still running is ended (kNoAnswer). Deletes the file if it is still there.
// After a 0 of a kCalibration run it reads the displays (CurrentDisplayRamps) to
// tell kCalibrated from kRestored.
RestoreResult FinishRestore(RestoreRun& run);
// StartRestore, then waits up to limitMs for the helper's exit, then FinishRestore.
RestoreResult RestoreAndWait(const std::string& directory, res::ByteSpan tool,
                             RestoreTarget target = RestoreTarget::kCalibration,
                             DWORD limitMs = kHelperExitLimitMs);

// The click handler's steps with the executable's folder and the embedded helper;
// the outcome is not waited for.
RestoreRun StartRestore();
// Same steps in a given folder with a given program image; nothing is kept.
void RestoreBrightnessIn(const std::string& directory, res::ByteSpan tool);

// Exit code of "TovikBrightness.exe /restore" (and "/identity"): the helper's own
// code when it exited by itself (0 restored, 1 a display did not take the ramp); 2
// when it could not be written, 3 when it could not be started, 4 when it did not
// finish in time.
int CommandLineExitCode(const RestoreResult& result);

}  // namespace app
