// The command-line switches: "/restore" restores the brightness without a window
// and exits with the result; "/identity" does the same with the flat (identity)
// ramp on every display, whatever their profiles say. Each also as "-name" or
// "--name", in any case.
#pragma once
#include <string>

#include "app/brightness.h"
#include "resources/embedded.h"

namespace app {

enum class StartMode { kWindow, kRestore, kIdentity };

// argv as the C runtime splits it. Only a switch alone selects kRestore or
// kIdentity; any other argument (a shortcut's odd one) starts the window as usual.
StartMode ModeFromArguments(int argc, const char* const* argv);

// Writes, runs and deletes the helper like a click, waits for it, and returns the
// process's exit code (CommandLineExitCode). Shows no window.
int RestoreFromCommandLine(RestoreTarget target);
// The same in a given folder with a given helper image.
int RestoreFromCommandLineIn(const std::string& directory, res::ByteSpan tool,
                             RestoreTarget target = RestoreTarget::kCalibration);

}  // namespace app
