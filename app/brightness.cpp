#include "app/brightness.h"

#include "app/runtime.h"

namespace app {

void RestoreBrightness() { RestoreBrightnessIn(RunDirectory(), res::gamma_reset_exe); }

void RestoreBrightnessIn(const std::string& directory, res::ByteSpan tool) {
    const std::string path = directory + kGammaToolName;
    WriteBytesToFile(path, {tool});
    // Not waited for: the run service gives it up to a second to become idle. The
    // helper never pumps messages, so that wait ends when it exits and the delete
    // below finds the file free in the normal case.
    RunProgram(QuotedForCommandLine(path), false);
    DeleteFileAt(path);
}

}  // namespace app
