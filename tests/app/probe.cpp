// A stand-in for the helper programs: records how it was started (command line,
// own path, show flags) into the file named by TOVIK_PROBE_OUT, optionally once the
// event named by TOVIK_PROBE_HOLD is set, then optionally sleeps
// TOVIK_PROBE_HANG_MS more (a helper that hangs after starting), and exits with
// TOVIK_PROBE_EXIT.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char out[MAX_PATH * 2] = {}, value[64] = {};
    // A slow helper: holds until the test lets it go (bounded, so a test that dies
    // never leaves one behind for good).
    if (GetEnvironmentVariableA("TOVIK_PROBE_HOLD", value, sizeof value)) {
        if (HANDLE gate = OpenEventA(SYNCHRONIZE, FALSE, value)) {
            WaitForSingleObject(gate, 20000);
            CloseHandle(gate);
        }
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    char self[MAX_PATH * 2] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    if (GetEnvironmentVariableA("TOVIK_PROBE_OUT", out, sizeof out)) {
        // Written under a temporary name and renamed, so a reader never sees half a record.
        char tmp[MAX_PATH * 2 + 8];
        std::snprintf(tmp, sizeof tmp, "%s.part", out);
        if (FILE* f = std::fopen(tmp, "wb")) {
            std::fprintf(f, "%s\n%s\n%lu %u\n", GetCommandLineA(), self, si.dwFlags,
                         si.wShowWindow);
            std::fclose(f);
            MoveFileExA(tmp, out, MOVEFILE_REPLACE_EXISTING);
        }
    }
    value[0] = 0;
    if (GetEnvironmentVariableA("TOVIK_PROBE_HANG_MS", value, sizeof value))
        Sleep(static_cast<DWORD>(std::atoi(value)));
    value[0] = 0;
    GetEnvironmentVariableA("TOVIK_PROBE_EXIT", value, sizeof value);
    return std::atoi(value);
}
