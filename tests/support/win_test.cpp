#include "tests/support/win_test.h"

#include <cstdio>

namespace testing_support {

namespace {

constexpr UINT kSeparator = WM_APP + 0x3A5;

// A message-only window that receives the separators.
HWND SeparatorWindow() {
    static HWND window = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TovikTestSeparator";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
    }();
    return window;
}

void DispatchOne(MSG& msg) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

}  // namespace

void PumpUntilIdle(DWORD maxMilliseconds) {
    // Everything posted before the separator comes out before it; then the
    // paints and timers the queue generates when nothing is posted.
    HWND separator = SeparatorWindow();
    static LPARAM serial = 0;
    const LPARAM mine = ++serial;
    PostMessageA(separator, kSeparator, 0, mine);
    const DWORD start = GetTickCount();
    MSG msg;
    bool seen = false;
    while (!seen && GetTickCount() - start < maxMilliseconds) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (msg.hwnd == separator && msg.message == kSeparator) {
            seen = msg.lParam == mine;
            continue;
        }
        DispatchOne(msg);
    }
    while (GetTickCount() - start < maxMilliseconds && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchOne(msg);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD maxMilliseconds) {
    DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= maxMilliseconds) return false;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

TempDir::TempDir(const std::string& nameHint) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%s%s-%lu-%d", base, nameHint.c_str(),
                      GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) return;
    }
}

TempDir::~TempDir() {
    if (path_.empty()) return;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name != "." && name != "..") {
                SetFileAttributesA((path_ + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA((path_ + "\\" + name).c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path_.c_str());
}

std::vector<unsigned char> ReadFileBytes(const std::string& path) {
    std::vector<unsigned char> out;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return out;
    DWORD size = GetFileSize(f, nullptr), got = 0;
    out.resize(size);
    if (size && !ReadFile(f, out.data(), size, &got, nullptr)) got = 0;
    out.resize(got);
    CloseHandle(f);
    return out;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == bytes.size();
}

bool FileExistsAt(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ExeDirectory() {
    char path[MAX_PATH * 2];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/"));
}

}  // namespace testing_support
