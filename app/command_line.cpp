#include "app/command_line.h"

#include <windows.h>

#include "app/runtime.h"
#include "tools/calibration/command_switch.h"

namespace app {

StartMode ModeFromArguments(int argc, const char* const* argv) {
    if (argc != 2 || !argv || !argv[1]) return StartMode::kWindow;
    if (calibration::IsSwitch(argv[1], "restore")) return StartMode::kRestore;
    if (calibration::IsSwitch(argv[1], "identity")) return StartMode::kIdentity;
    return StartMode::kWindow;
}

int RestoreFromCommandLineIn(const std::string& directory, res::ByteSpan tool,
                             RestoreTarget target) {
    return CommandLineExitCode(RestoreAndWait(directory, tool, target));
}

int RestoreFromCommandLine(RestoreTarget target) {
    return RestoreFromCommandLineIn(RunDirectory(), res::gamma_reset_exe, target);
}

}  // namespace app
