// Shared by the application tests: the probe program and where things are.
#pragma once
#include <windows.h>

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
        SetEnvironmentVariableA("TOVIK_PROBE_SLEEP_MS", nullptr);
        DeleteFileA(path_.c_str());
    }
    ProbeRecord Read() const { return ReadProbeRecord(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A folder nobody can write into, prepared by the test's wrapper script.
inline std::string ReadOnlyDir() {
    char buf[MAX_PATH] = {};
    GetEnvironmentVariableA("TOVIK_RO_DIR", buf, sizeof buf);
    return buf;
}

}  // namespace apptest
