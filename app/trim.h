// Working-set trimming, run whenever the application is deactivated.
#pragma once
#include <string>

#include "resources/embedded.h"

namespace app {

inline constexpr char kTrimToolName[] = "\\empty.exe";
// The helper takes a fraction of a second; one that takes this long is stuck.
inline constexpr unsigned long kTrimWaitLimitMs = 5000;

// Writes "%windir%\empty.exe" when no file is there yet, runs it hidden with this
// process's id and waits for it, at most kTrimWaitLimitMs; a helper still running
// then is ended. Nothing is reported; the next call tries again.
void TrimWorkingSet();
// The same with the folder, program image and wait limit given.
void TrimWorkingSetWith(const std::string& windowsDirectory, res::ByteSpan tool,
                        unsigned long waitLimitMs = kTrimWaitLimitMs);
// The command line the trim runs: quoted path, one space, decimal process id.
std::string TrimCommandLine(const std::string& toolPath, unsigned long processId);

}  // namespace app
