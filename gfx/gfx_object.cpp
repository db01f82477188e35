// Ownership rules shared by every graphics object.
#include "gfx/gfx_object.h"

namespace gfx {

int GfxLastStatus = 0;

void GfxObject::SetHandle(void* p) noexcept {
    if (handle_ != nullptr && handle_ != p) {
        // Replacing must not hide the status of the call that produced p.
        const int kept = GfxLastStatus;
        ReleaseNative();
        GfxLastStatus = kept;
    }
    handle_ = p;
}

GfxObject& GfxObject::operator=(GfxObject&& other) noexcept {
    if (this != &other) {
        SetHandle(nullptr);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void* GfxObject::Alloc(std::size_t size) { return gp::DllExports::GdipAlloc(size); }

void GfxObject::Free(void* p) { gp::DllExports::GdipFree(p); }

}  // namespace gfx
