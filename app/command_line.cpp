#include "app/command_line.h"

#include <windows.h>

#include "app/brightness.h"
#include "app/runtime.h"

namespace app {

StartMode ModeFromArguments(int argc, const char* const* argv) {
    if (argc != 2 || !argv || !argv[1]) return StartMode::kWindow;
    for (const char* name : {"/restore", "-restore", "--restore"})
        if (lstrcmpiA(argv[1], name) == 0) return StartMode::kRestore;
    return StartMode::kWindow;
}

int RestoreFromCommandLineIn(const std::string& directory, res::ByteSpan tool) {
    return CommandLineExitCode(RestoreAndWait(directory, tool));
}

int RestoreFromCommandLine() {
    return RestoreFromCommandLineIn(RunDirectory(), res::gamma_reset_exe);
}

}  // namespace app
