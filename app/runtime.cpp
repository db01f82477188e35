#include "app/runtime.h"

#include <algorithm>

#include "app/handles.h"

namespace app {

std::string RunDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);  // truncated: long path
    }
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string{} : path.substr(0, slash);
}

std::string ReadEnvironment(const char* name) {
    // Read as UTF-16 and convert: Wine's ANSI variant cuts double-byte values short.
    int nameLen = MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
    if (nameLen <= 0) return {};
    std::wstring wideName(nameLen, L'\0');
    MultiByteToWideChar(CP_ACP, 0, name, -1, wideName.data(), nameLen);
    DWORD n = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (n == 0) return {};
    std::wstring wide(n, L'\0');
    n = GetEnvironmentVariableW(wideName.c_str(), wide.data(), n);
    if (n == 0) return {};
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(n), nullptr, 0,
                                    nullptr, nullptr);
    std::string value(bytes, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(n), value.data(), bytes, nullptr,
                        nullptr);
    return value;
}

bool FileExists(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

bool WriteBytesToFile(const std::string& path, std::initializer_list<res::ByteSpan> parts) {
    if (path.empty()) return false;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    for (const res::ByteSpan& part : parts) {
        const unsigned char* p = part.data;
        std::size_t left = part.size;
        while (left > 0) {
            DWORD written = 0;
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 20));
            if (!WriteFile(file.get(), p, chunk, &written, nullptr) || written == 0) {
                // A truncated program must not stay behind: the next run would
                // find it "present" and start it.
                file.reset();
                DeleteFileA(path.c_str());
                return false;
            }
            p += written;
            left -= written;
        }
    }
    return true;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

int ShowCommandFor(std::optional<int> showMode) {
    static constexpr int kCommands[] = {SW_HIDE,          SW_SHOWNORMAL,     SW_SHOWMINIMIZED,
                                        SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE};
    int mode = showMode ? std::clamp(*showMode, 1, 6) : 2;
    return kCommands[mode - 1];
}

ProcessHandle StartProgram(const std::string& commandLine, std::optional<int> showMode) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(ShowCommandFor(showMode));
    PROCESS_INFORMATION pi{};
    std::string mutableLine = commandLine;  // CreateProcessA may write into it
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return ProcessHandle{};
    FileHandle thread(pi.hThread);
    return ProcessHandle(pi.hProcess);
}

bool RunProgram(const std::string& commandLine, bool wait, std::optional<int> showMode) {
    ProcessHandle process = StartProgram(commandLine, showMode);
    if (!process) return false;
    if (wait)
        WaitForSingleObject(process.get(), INFINITE);
    else
        WaitForInputIdle(process.get(), 1000);
    return true;
}

std::optional<DWORD> WaitForExit(HANDLE process, DWORD limitMs) {
    if (!process || WaitForSingleObject(process, limitMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process, &code)) return std::nullopt;
    return code;
}

void EndProcess(HANDLE process) {
    if (!process || WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return;
    TerminateProcess(process, 1);
    // Termination is asynchronous: the image stays mapped until the process is gone.
    WaitForSingleObject(process, 1000);
}

std::string QuotedForCommandLine(const std::string& path) { return "\"" + path + "\""; }

std::string NumberToText(long long n) { return std::to_string(n); }

}  // namespace app
