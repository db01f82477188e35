// Per-call times of the system calls a benchmark makes: every function the
// program imports from the named DLLs is routed through a small hook (its
// import table entry is replaced) that counts the calls and times them, while
// the profile is on. Only calls made by the program itself are seen, not those
// a DLL makes inside. x86-64 builds only; elsewhere Install says false.
#pragma once

#include <initializer_list>

namespace bench {

// Hooks the program's imports from these DLLs (names as in the import table,
// any case). False when nothing could be hooked or the build cannot.
bool InstallCallProfile(std::initializer_list<const char*> dlls);
// Counts and times calls while on; turning it on does not clear what was counted.
void SetCallProfileOn(bool on);
bool CallProfileOn();
// Prints the `top` calls by total time: calls, total and own time (without the
// hooked calls made inside, such as a window procedure's under DispatchMessage),
// and time per call, in milliseconds.
void PrintCallProfile(int top);

}  // namespace bench
