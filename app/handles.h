// Owning guards for kernel handles: files, processes, threads, waits.
#pragma once
#include <windows.h>

#include <utility>

namespace app {

// Closes a kernel handle; both null and INVALID_HANDLE_VALUE mean "none".
class FileHandle {
public:
    explicit FileHandle(HANDLE h = nullptr) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~FileHandle() { reset(); }
    FileHandle(FileHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    FileHandle& operator=(FileHandle&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset() {
        if (h_) CloseHandle(h_);
        h_ = nullptr;
    }

private:
    HANDLE h_;
};

// Process and thread handles are closed the same way.
using ProcessHandle = FileHandle;

// A one-shot RegisterWaitForSingleObject wait. Unregistering waits for a callback
// that is already running, so whatever the callback uses outlives it.
class WaitRegistration {
public:
    WaitRegistration() = default;
    ~WaitRegistration() { reset(); }
    WaitRegistration(const WaitRegistration&) = delete;
    WaitRegistration& operator=(const WaitRegistration&) = delete;

    // Calls callback(context, timedOut) once, on a pool thread, when object is
    // signalled or limitMs has passed. False when the wait could not be registered.
    bool Register(HANDLE object, WAITORTIMERCALLBACK callback, void* context, DWORD limitMs) {
        reset();
        HANDLE wait = nullptr;
        if (!RegisterWaitForSingleObject(&wait, object, callback, context, limitMs,
                                         WT_EXECUTEONLYONCE))
            return false;
        h_ = wait;
        return true;
    }
    explicit operator bool() const { return h_ != nullptr; }
    void reset() {
        if (h_) UnregisterWaitEx(h_, INVALID_HANDLE_VALUE);
        h_ = nullptr;
    }

private:
    HANDLE h_ = nullptr;
};

}  // namespace app
