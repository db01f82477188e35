// Working-set trimming, run whenever the application is deactivated.
#pragma once
#include <string>

#include "resources/embedded.h"

namespace app {

inline constexpr char kTrimToolName[] = "\\empty.exe";

// Writes "%windir%\empty.exe" when no file is there yet, runs it hidden with this
// process's id and waits for it. Nothing is reported; the next call tries again.
void TrimWorkingSet();
// The same with the folder and program image given.
void TrimWorkingSetWith(const std::string& windowsDirectory, res::ByteSpan tool);
// The command line the trim runs: quoted path, one space, decimal process id.
std::string TrimCommandLine(const std::string& toolPath, unsigned long processId);

}  // namespace app
