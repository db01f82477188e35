// Shared by the application tests: the probe program and where things are.
#pragma once
#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "resources/embedded.h"
#include "tests/support/win_test.h"

namespace apptest {

// What the probe wrote about its own start.
struct ProbeRecord {
    bool present = false;
    std::string commandLine, modulePath;
    unsigned long startFlags = 0;
    unsigned showWindow = 0;
};

inline std::string ProbePath() { return testing_support::ExeDirectory() + "\\probe.exe"; }

// The probe's bytes, used as the image of a helper program.
inline const std::vector<unsigned char>& ProbeImage() {
    static const std::vector<unsigned char> bytes = testing_support::ReadFileBytes(ProbePath());
    return bytes;
}
inline res::ByteSpan ProbeSpan() { return {ProbeImage().data(), ProbeImage().size()}; }

inline ProbeRecord ReadProbeRecord(const std::string& path) {
    ProbeRecord r;
    auto bytes = testing_support::ReadFileBytes(path);
    if (bytes.empty()) return r;
    std::string s(bytes.begin(), bytes.end());
    std::size_t a = s.find('\n'), b = s.find('\n', a + 1);
    if (a == std::string::npos || b == std::string::npos) return r;
    r.present = true;
    r.commandLine = s.substr(0, a);
    r.modulePath = s.substr(a + 1, b - a - 1);
    std::sscanf(s.c_str() + b + 1, "%lu %u", &r.startFlags, &r.showWindow);
    return r;
}

// Points the probe's record at a file for the scope's lifetime.
class ProbeOutput {
public:
    explicit ProbeOutput(const std::string& path) : path_(path) {
        SetEnvironmentVariableA("TOVIK_PROBE_OUT", path.c_str());
    }
    ~ProbeOutput() {
        SetEnvironmentVariableA("TOVIK_PROBE_OUT", nullptr);
        SetEnvironmentVariableA("TOVIK_PROBE_HANG_MS", nullptr);
        SetEnvironmentVariableA("TOVIK_PROBE_EXIT", nullptr);
        DeleteFileA(path_.c_str());
    }
    ProbeRecord Read() const { return ReadProbeRecord(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Makes the probes started in the scope wait before they record and exit, until
// Release(): a helper that is still running exactly as long as a test needs.
class ProbeHold {
public:
    ProbeHold() {
        static int count = 0;
        name_ = "tovik-probe-hold-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++count);
        gate_ = CreateEventA(nullptr, TRUE, FALSE, name_.c_str());
        SetEnvironmentVariableA("TOVIK_PROBE_HOLD", name_.c_str());
    }
    ~ProbeHold() {
        SetEnvironmentVariableA("TOVIK_PROBE_HOLD", nullptr);
        Release();
        if (gate_) CloseHandle(gate_);
    }
    ProbeHold(const ProbeHold&) = delete;
    ProbeHold& operator=(const ProbeHold&) = delete;
    void Release() {
        if (gate_) SetEvent(gate_);
    }

private:
    std::string name_;
    HANDLE gate_ = nullptr;
};

// Ends every process started from exePath (what a test started and must not leave
// behind); returns how many were still running.
inline int EndProcessesRunning(const std::string& exePath) {
    int ended = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        HANDLE p = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE,
                               FALSE, entry.th32ProcessID);
        if (!p) continue;
        char image[MAX_PATH * 2] = {};
        DWORD size = sizeof image;
        if (QueryFullProcessImageNameA(p, 0, image, &size) &&
            lstrcmpiA(image, exePath.c_str()) == 0 && WaitForSingleObject(p, 0) == WAIT_TIMEOUT) {
            TerminateProcess(p, 1);
            WaitForSingleObject(p, 2000);
            ++ended;
        }
        CloseHandle(p);
    }
    CloseHandle(snapshot);
    return ended;
}

// Not a program: starting it fails after it was written.
inline res::ByteSpan NotAProgram() {
    static const unsigned char bytes[] = "this is not a program";
    return {bytes, sizeof bytes};
}

// A folder nobody can write into, prepared by the test's wrapper script.
inline std::string ReadOnlyDir() {
    char buf[MAX_PATH] = {};
    GetEnvironmentVariableA("TOVIK_RO_DIR", buf, sizeof buf);
    return buf;
}

}  // namespace apptest
