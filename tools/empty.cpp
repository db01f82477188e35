// Trims the working set of the process whose decimal id is the only argument.
// Exit codes: 0 trimmed, 1 usage, 2 no such process or no access, 3 trim refused.
#include <windows.h>
#include <psapi.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2 || !argv[1][0]) {
        std::fputs("usage: empty <process id>\n", stderr);
        return 1;
    }
    char* end = nullptr;
    errno = 0;
    unsigned long pid = std::strtoul(argv[1], &end, 10);
    // strtoul accepts signs and leading blanks; a process id is digits only.
    bool digitsOnly = true;
    for (const char* p = argv[1]; *p; ++p) digitsOnly = digitsOnly && *p >= '0' && *p <= '9';
    if (!digitsOnly || *end || errno == ERANGE || pid == 0 || pid > 0xFFFFFFFFul) {
        std::fprintf(stderr, "empty: not a process id: %s\n", argv[1]);
        return 1;
    }
    HANDLE process =
        OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) {
        std::fprintf(stderr, "empty: cannot open process %lu (error %lu)\n", pid, GetLastError());
        return 2;
    }
    BOOL ok = EmptyWorkingSet(process);
    DWORD err = GetLastError();
    CloseHandle(process);
    if (!ok) {
        std::fprintf(stderr, "empty: cannot trim process %lu (error %lu)\n", pid, err);
        return 3;
    }
    return 0;
}
