// Small process, file and text services the application's actions are built on.
// Texts are GBK (the ANSI code page); failures come back as false or empty text.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "app/handles.h"
#include "resources/embedded.h"

namespace app {

// Folder of the running executable, without a trailing backslash.
std::string RunDirectory();
// Value of an environment variable; empty when unset.
std::string ReadEnvironment(const char* name);
// True when a file matching the path is found.
bool FileExists(const std::string& path);
// Creates or truncates the file (no sharing while open) and writes each non-empty
// array in order. False when it cannot be opened or a write fails (the partial file
// is removed then); an empty path touches nothing.
bool WriteBytesToFile(const std::string& path, std::initializer_list<res::ByteSpan> parts);
bool DeleteFileAt(const std::string& path);

// Show mode as the run service takes it: absent means 2; a given value is clamped
// to 1..6; then 1 hide, 2 normal, 3 minimised, 4 maximised, 5 no-activate, 6 minimise.
int ShowCommandFor(std::optional<int> showMode);
// Starts the command line. With wait, blocks until the child exits; otherwise waits
// at most 1,000 ms for it to become idle. False when the process could not be made.
bool RunProgram(const std::string& commandLine, bool wait, std::optional<int> showMode = {});
// Starts the command line and hands back its process (the thread handle is closed);
// empty when the process could not be made. Does not wait.
ProcessHandle StartProgram(const std::string& commandLine, std::optional<int> showMode = {});
// Waits up to limitMs for the process to exit; its exit code, or nothing while it runs.
std::optional<DWORD> WaitForExit(HANDLE process, DWORD limitMs);
// Ends a process that is still running and waits (briefly) until it is gone, so
// that its executable file can be deleted or replaced.
void EndProcess(HANDLE process);

// A path put on a command line: quoted, so a folder with a space cannot split it.
std::string QuotedForCommandLine(const std::string& path);
std::string NumberToText(long long n);

}  // namespace app
