#include "app/trim.h"

#include "app/runtime.h"

namespace app {

std::string TrimCommandLine(const std::string& toolPath, unsigned long processId) {
    return QuotedForCommandLine(toolPath) + " " + NumberToText(processId);
}

void TrimWorkingSet() { TrimWorkingSetWith(ReadEnvironment("windir"), res::empty_exe); }

void TrimWorkingSetWith(const std::string& windowsDirectory, res::ByteSpan tool) {
    const std::string path = windowsDirectory + kTrimToolName;
    // Whatever is already there is kept and reused, never overwritten.
    if (!FileExists(path)) WriteBytesToFile(path, {tool});
    RunProgram(TrimCommandLine(path, GetCurrentProcessId()), true, 1);
}

}  // namespace app
