// Owning guards for kernel handles.
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

}  // namespace app
