#include "tools/calibration/display.h"

#include <icm.h>

namespace calibration {
namespace {

// Profiles of displays are a few kilobytes, rarely a megabyte; a bigger file is
// no display profile, and reading it would only cost time.
constexpr DWORD kMaxProfileBytes = 16 << 20;
// CLASS_MONITOR ('mntr'), spelled out: the header writes it as a multi-character literal.
constexpr DWORD kMonitorClass = 0x6D6E7472;

// Releases what it holds at scope exit, unless it holds `none`.
template <typename T>
class Scoped {
public:
    Scoped(T value, T none, void (*release)(T)) : value_(value), none_(none), release_(release) {}
    ~Scoped() {
        if (value_ != none_) release_(value_);
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    T get() const { return value_; }

private:
    T value_, none_;
    void (*release_)(T);
};

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
    // Through the generic function type, which any function pointer converts from.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Wine's colour system (up to Wine 8 at least) exports WcsGetDefaultColorProfile as
// a stub that ends the process when called; there GetICMProfileW is the colour
// system's own answer.
bool IsWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// The monitor's device key, the name the colour system files its profiles under.
bool MonitorKey(const char* adapter, wchar_t (&key)[128]) {
    DISPLAY_DEVICEA device;
    if (!adapter) {  // the whole screen: the primary display
        for (DWORD i = 0; NextDisplay(i, device);)
            if (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) {
                adapter = device.DeviceName;
                break;
            }
        if (!adapter) return false;
    }
    wchar_t adapterW[32];
    if (!MultiByteToWideChar(CP_ACP, 0, adapter, -1, adapterW, 32)) return false;
    DISPLAY_DEVICEW monitor;
    ZeroMemory(&monitor, sizeof monitor);
    monitor.cb = sizeof monitor;
    if (!EnumDisplayDevicesW(adapterW, 0, &monitor, 0) || !monitor.DeviceKey[0]) return false;
    lstrcpynW(key, monitor.DeviceKey, 128);
    return true;
}

// The colour system's default profile for the monitor, as a full path. mscms.dll
// is loaded from the system folder by its full path and only when present: the
// program runs on systems without it, and never picks up a planted copy beside it.
bool ColourSystemProfile(const char* adapter, wchar_t (&path)[MAX_PATH * 2]) {
    using UsePerUser = BOOL(WINAPI*)(LPCWSTR, DWORD, BOOL*);
    using DefaultProfile = BOOL(WINAPI*)(WCS_PROFILE_MANAGEMENT_SCOPE, PCWSTR, COLORPROFILETYPE,
                                         COLORPROFILESUBTYPE, DWORD, DWORD, LPWSTR);
    using ColourDirectory = BOOL(WINAPI*)(PCWSTR, PWSTR, PDWORD);
    wchar_t key[128];
    if (IsWine() || !MonitorKey(adapter, key)) return false;
    wchar_t dll[MAX_PATH];
    const UINT n = GetSystemDirectoryW(dll, MAX_PATH - 12);
    if (!n || n >= MAX_PATH - 12) return false;
    lstrcatW(dll, L"\\mscms.dll");
    Scoped<HMODULE> mscms(LoadLibraryW(dll), nullptr, [](HMODULE m) { FreeLibrary(m); });
    if (!mscms.get()) return false;
    auto usePerUser = Export<UsePerUser>(mscms.get(), "WcsGetUsePerUserProfiles");
    auto defaultProfile = Export<DefaultProfile>(mscms.get(), "WcsGetDefaultColorProfile");
    auto colourDirectory = Export<ColourDirectory>(mscms.get(), "GetColorDirectoryW");
    if (!usePerUser || !defaultProfile || !colourDirectory) return false;

    BOOL perUser = FALSE;
    if (!usePerUser(key, kMonitorClass, &perUser)) perUser = FALSE;
    const WCS_PROFILE_MANAGEMENT_SCOPE scope = perUser ? WCS_PROFILE_MANAGEMENT_SCOPE_CURRENT_USER
                                                       : WCS_PROFILE_MANAGEMENT_SCOPE_SYSTEM_WIDE;
    wchar_t name[MAX_PATH] = {};
    if (!defaultProfile(scope, key, CPT_ICC, CPST_NONE, 0, sizeof name, name) || !name[0])
        return false;
    name[MAX_PATH - 1] = 0;
    // The name is usually a bare file name in the colour directory.
    for (const wchar_t* p = name; *p; ++p)
        if (*p == L'\\') {
            lstrcpynW(path, name, MAX_PATH * 2);
            return true;
        }
    DWORD bytes = sizeof path - sizeof name - 2 * sizeof(wchar_t);
    if (!colourDirectory(nullptr, path, &bytes)) return false;
    lstrcatW(path, L"\\");
    lstrcatW(path, name);
    return true;
}

}  // namespace

bool NextDisplay(DWORD& index, DISPLAY_DEVICEA& device) {
    for (;; ++index) {
        ZeroMemory(&device, sizeof device);
        device.cb = sizeof device;
        if (!EnumDisplayDevicesA(nullptr, index, &device, 0)) return false;
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)) continue;
        if (device.StateFlags & (DISPLAY_DEVICE_MIRRORING_DRIVER | DISPLAY_DEVICE_REMOTE)) continue;
        ++index;
        return true;
    }
}

bool FindDisplayCurve(HDC dc, const char* adapter, Ramp& curve) {
    wchar_t path[MAX_PATH * 2];
    DWORD size = MAX_PATH * 2;
    if (!ColourSystemProfile(adapter, path) && !(dc && GetICMProfileW(dc, &size, path)))
        return false;
    return ReadProfileCurve(path, curve);
}

bool ReadProfileCurve(const wchar_t* path, Ramp& curve) {
    Scoped<HANDLE> file(
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
        INVALID_HANDLE_VALUE, [](HANDLE h) { CloseHandle(h); });
    LARGE_INTEGER size;
    if (file.get() == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.get(), &size) ||
        size.QuadPart <= 0 || size.QuadPart > kMaxProfileBytes)
        return false;
    const DWORD bytes = static_cast<DWORD>(size.QuadPart);
    Scoped<void*> buffer(HeapAlloc(GetProcessHeap(), 0, bytes), nullptr,
                         [](void* p) { HeapFree(GetProcessHeap(), 0, p); });
    DWORD read = 0;
    if (!buffer.get() || !ReadFile(file.get(), buffer.get(), bytes, &read, nullptr) ||
        read != bytes)
        return false;
    return ReadVcgtCurve(static_cast<const unsigned char*>(buffer.get()), bytes, curve);
}

}  // namespace calibration
