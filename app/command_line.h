// The one command-line switch: "/restore" (also "-restore", "--restore", any
// case) restores the brightness without a window and exits with the result.
#pragma once
#include <string>

#include "resources/embedded.h"

namespace app {

enum class StartMode { kWindow, kRestore };

// argv as the C runtime splits it. Only the switch alone selects kRestore; any
// other argument (a shortcut's odd one) starts the window as usual.
StartMode ModeFromArguments(int argc, const char* const* argv);

// Writes, runs and deletes the helper like a click, waits for it, and returns the
// process's exit code (CommandLineExitCode). Shows no window.
int RestoreFromCommandLine();
// The same in a given folder with a given helper image.
int RestoreFromCommandLineIn(const std::string& directory, res::ByteSpan tool);

}  // namespace app
