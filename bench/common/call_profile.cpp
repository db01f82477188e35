#include "bench/common/call_profile.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/common/timing.h"

namespace bench {

#if defined(__x86_64__)

namespace {

struct CallStat {
    std::string name;
    void* target = nullptr;
    long long calls = 0;
    double total = 0, own = 0;
};

// A hooked call under way: where it returns to, and the time of the hooked
// calls made inside it.
struct Frame {
    std::uintptr_t index;
    void* returnAddress;
    double start;
    double inner;
};

std::vector<CallStat>& Stats() {
    static std::vector<CallStat> stats;
    return stats;
}

bool profileOn = false;
thread_local std::vector<Frame> frames;

}  // namespace

extern "C" {
void* ProfileEnter(std::uintptr_t index, void* returnAddress);
void* ProfileLeave();
void ProfileCommon();
void ProfileReturn();

void* ProfileEnter(std::uintptr_t index, void* returnAddress) {
    frames.push_back({index, returnAddress, NowMs(), 0});
    return Stats()[index].target;
}

void* ProfileLeave() {
    const Frame f = frames.back();
    frames.pop_back();
    const double elapsed = NowMs() - f.start;
    if (!frames.empty()) frames.back().inner += elapsed;
    if (profileOn) {
        CallStat& s = Stats()[f.index];
        ++s.calls;
        s.total += elapsed;
        s.own += elapsed - f.inner;
    }
    return f.returnAddress;
}
}

// Each hook loads its index into r11 and jumps here. The argument registers
// (integer and floating) are kept for the real function; the return address is
// swapped for ProfileReturn's, which puts the real one back after timing. The
// stack arguments stay where the caller put them.
asm(R"(
    .text
    .p2align 4
ProfileCommon:
    pushq %rcx
    pushq %rdx
    pushq %r8
    pushq %r9
    subq $0x68, %rsp
    movdqu %xmm0, 0x20(%rsp)
    movdqu %xmm1, 0x30(%rsp)
    movdqu %xmm2, 0x40(%rsp)
    movdqu %xmm3, 0x50(%rsp)
    movq %r11, %rcx
    movq 0x88(%rsp), %rdx
    call ProfileEnter
    movdqu 0x20(%rsp), %xmm0
    movdqu 0x30(%rsp), %xmm1
    movdqu 0x40(%rsp), %xmm2
    movdqu 0x50(%rsp), %xmm3
    addq $0x68, %rsp
    popq %r9
    popq %r8
    popq %rdx
    popq %rcx
    leaq ProfileReturn(%rip), %r11
    movq %r11, (%rsp)
    jmpq *%rax
    .p2align 4
ProfileReturn:
    pushq %rax
    subq $0x38, %rsp
    movdqu %xmm0, 0x20(%rsp)
    call ProfileLeave
    movdqu 0x20(%rsp), %xmm0
    addq $0x38, %rsp
    xchgq %rax, (%rsp)
    ret
)");

namespace {

// mov r11, imm64; jmp [rip + 0]; .quad target
constexpr std::size_t kHookSize = 24;

void WriteHook(std::uint8_t* at, std::uintptr_t index) {
    at[0] = 0x49;
    at[1] = 0xBB;
    std::memcpy(at + 2, &index, 8);
    const std::uint8_t jump[] = {0xFF, 0x25, 0, 0, 0, 0};
    std::memcpy(at + 10, jump, sizeof jump);
    void* common = reinterpret_cast<void*>(&ProfileCommon);
    std::memcpy(at + 16, &common, 8);
}

}  // namespace

bool InstallCallProfile(std::initializer_list<const char*> dlls) {
    auto* base = reinterpret_cast<std::uint8_t*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return false;
    struct Slot {
        IMAGE_THUNK_DATA* entry;
        std::string name;
    };
    std::vector<Slot> slots;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name;
         ++d) {
        std::string dll = reinterpret_cast<const char*>(base + d->Name);
        const bool wanted = std::any_of(dlls.begin(), dlls.end(), [&](const char* w) {
            return lstrcmpiA(dll.c_str(), w) == 0;
        });
        if (!wanted) continue;
        dll = dll.substr(0, dll.find('.'));
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(
            base + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
        auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++entry) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            slots.push_back({entry, dll + "." + reinterpret_cast<const char*>(byName->Name)});
        }
    }
    if (slots.empty()) return false;
    auto* hooks = static_cast<std::uint8_t*>(VirtualAlloc(
        nullptr, slots.size() * kHookSize, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE));
    if (!hooks) return false;
    std::vector<CallStat>& stats = Stats();
    for (const Slot& s : slots) {
        const std::uintptr_t index = stats.size();
        stats.push_back({s.name, reinterpret_cast<void*>(s.entry->u1.Function)});
        std::uint8_t* hook = hooks + index * kHookSize;
        WriteHook(hook, index);
        DWORD old = 0;
        if (!VirtualProtect(&s.entry->u1.Function, sizeof(void*), PAGE_READWRITE, &old)) continue;
        s.entry->u1.Function = reinterpret_cast<ULONGLONG>(hook);
        VirtualProtect(&s.entry->u1.Function, sizeof(void*), old, &old);
    }
    FlushInstructionCache(GetCurrentProcess(), hooks, slots.size() * kHookSize);
    return true;
}

void SetCallProfileOn(bool on) { profileOn = on; }
bool CallProfileOn() { return profileOn; }

void PrintCallProfile(int top) {
    std::vector<CallStat> stats = Stats();
    std::sort(stats.begin(), stats.end(),
              [](const CallStat& a, const CallStat& b) { return a.total > b.total; });
    std::printf("%-40s %8s %10s %10s %9s\n", "call (from the program)", "calls", "total ms",
                "own ms", "ms/call");
    for (int i = 0; i < top && i < static_cast<int>(stats.size()) && stats[i].calls > 0; ++i) {
        const CallStat& s = stats[i];
        std::printf("%-40s %8lld %10.1f %10.1f %9.4f\n", s.name.c_str(), s.calls, s.total, s.own,
                    s.total / static_cast<double>(s.calls));
    }
}

#else  // the hooks are written for the x86-64 calling convention only

bool InstallCallProfile(std::initializer_list<const char*>) { return false; }
void SetCallProfileOn(bool) {}
bool CallProfileOn() { return false; }
void PrintCallProfile(int) {}

#endif

}  // namespace bench
