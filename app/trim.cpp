#include "app/trim.h"

#include "app/runtime.h"

namespace app {

std::string TrimCommandLine(const std::string& toolPath, unsigned long processId) {
    return QuotedForCommandLine(toolPath) + " " + NumberToText(processId);
}

void TrimWorkingSet() { TrimWorkingSetWith(ReadEnvironment("windir"), res::empty_exe); }

void TrimWorkingSetWith(const std::string& windowsDirectory, res::ByteSpan tool,
                        unsigned long waitLimitMs) {
    const std::string path = windowsDirectory + kTrimToolName;
    // Whatever is already there is kept and reused, never overwritten.
    if (!FileExists(path)) WriteBytesToFile(path, {tool});
    ProcessHandle helper = StartProgram(TrimCommandLine(path, GetCurrentProcessId()), 1);
    // This runs on the window's thread: a helper that never exits must not freeze
    // the window for good. Left running, a stuck helper would be joined by another
    // one on every deactivation, so it is ended.
    if (helper && !WaitForExit(helper.get(), waitLimitMs)) EndProcess(helper.get());
}

}  // namespace app
