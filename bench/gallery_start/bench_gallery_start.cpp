// The gallery from process start to its first complete paint, skinned against
// the same gallery with the skin switched off, alternating in the same run.
// Prints both medians and the ratio last.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/common/timing.h"

namespace {

std::string GalleryPath() {
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string path(own);
    path = path.substr(0, path.find_last_of("\\/"));  // .../bench/gallery_start
    path = path.substr(0, path.find_last_of("\\/"));  // .../bench
    path = path.substr(0, path.find_last_of("\\/"));  // the build folder
    return path + "\\gallery\\SkinGallery.exe";
}

// Milliseconds from CreateProcess to the gallery's "painted" signal; < 0 on failure.
double TimeStart(const std::string& exe, bool plain, int round) {
    const std::string event = "TovikGalleryPainted" + std::to_string(GetCurrentProcessId()) + "_" +
                              std::to_string(round) + (plain ? "p" : "s");
    HANDLE painted = CreateEventA(nullptr, TRUE, FALSE, event.c_str());
    std::string command = "\"" + exe + "\" --signal " + event + (plain ? " --plain" : "");
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double t0 = bench::NowMs();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        CloseHandle(painted);
        return -1;
    }
    const DWORD waited = WaitForSingleObject(painted, 60000);
    const double elapsed = bench::NowMs() - t0;
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(painted);
    return waited == WAIT_OBJECT_0 ? elapsed : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string exe = GalleryPath();
    std::vector<double> skinned, plain;
    for (int r = 0; r < rounds; ++r) {
        const double s = TimeStart(exe, false, r), p = TimeStart(exe, true, r);
        if (s < 0 || p < 0) {
            std::printf("the gallery did not start or paint: %s\n", exe.c_str());
            return 1;
        }
        skinned.push_back(s);
        plain.push_back(p);
    }
    const double s = bench::Median(skinned), p = bench::Median(plain);
    std::printf("gallery start to first complete paint: skinned %.0f ms, plain %.0f ms\n", s, p);
    std::printf("gallery start, skinned against plain: %.2f x (goal 2.00)\n", s / p);
    return 0;
}
