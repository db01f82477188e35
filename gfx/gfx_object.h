// Base of the graphics object classes: one owned GDI+ object per wrapper, and
// the process-wide status of the most recent GDI+ call.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace gfx {

namespace gp = Gdiplus;

// GDI+ Status of the most recent GDI+ call made by any graphics object (0 = Ok).
// Only calls that reach GDI+ change it; read it right after the call of interest.
extern int GfxLastStatus;

// Owns at most one native GDI+ object; releases it when destroyed or replaced.
// Movable, not copyable: a native object is released exactly once.
class GfxObject {
public:
    GfxObject() = default;
    GfxObject(const GfxObject&) = delete;
    GfxObject& operator=(const GfxObject&) = delete;
    virtual ~GfxObject() = default;

    // The native object, or null when empty.
    void* GetHandle() const noexcept { return handle_; }
    // Takes ownership of p; releases the object held before (GfxLastStatus is kept).
    void SetHandle(void* p) noexcept;
    // Gives up ownership without releasing; the caller must release the result.
    void* Detach() noexcept { return std::exchange(handle_, nullptr); }
    bool IsEmpty() const noexcept { return handle_ == nullptr; }

    // A block from the GDI+ allocator / its release.
    static void* Alloc(std::size_t size);
    static void Free(void* p);

protected:
    GfxObject(GfxObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GfxObject& operator=(GfxObject&& other) noexcept;

    // The class's own release (Delete or Dispose); called when the object is replaced.
    virtual void ReleaseNative() noexcept = 0;

    // Release through fn: false without calling GDI+ when empty, else fn's status.
    template <class N, class F>
    bool ReleaseWith(F fn) noexcept;

    void* handle_ = nullptr;
};

namespace detail {

// Runs one GDI+ flat call, records its status in GfxLastStatus, true when Ok.
template <class F, class... A>
bool Call(F fn, A... args) {
    GfxLastStatus = static_cast<int>(fn(args...));
    return GfxLastStatus == gp::Ok;
}

// Runs a GDI+ getter whose last parameter is T*; returns what GDI+ wrote
// (value-initialised when the call failed).
template <class T, class F, class... A>
T Get(F fn, A... args) {
    T value{};
    Call(fn, args..., &value);
    return value;
}

// Runs a GDI+ creation whose last parameter is N**; target adopts the result
// (null on failure). True when Ok.
template <class N, class F, class... A>
bool CreateInto(GfxObject& target, F fn, A... args) {
    N* created = nullptr;
    const bool ok = Call(fn, args..., &created);
    target.SetHandle(created);
    return ok;
}

// Element count of an array argument, as GDI+ wants it.
template <class S>
INT Count(const S& items) {
    return static_cast<INT>(items.size());
}

// A GDI+ BOOL result as bool (false when the call failed).
template <class F, class... A>
bool GetBool(F fn, A... args) {
    return Get<BOOL>(fn, args...) != FALSE;
}

// An array of n elements that fill(data, n) lets GDI+ write, after the count
// call that produced n (whose status is in GfxLastStatus); empty on failure.
template <class T, class Fill>
std::vector<T> ReadArray(int n, Fill fill) {
    if (GfxLastStatus != gp::Ok || n <= 0) return {};
    std::vector<T> items(static_cast<std::size_t>(n));
    if (!fill(items.data(), n)) return {};
    return items;
}

// A graphics-object argument that may be absent: its native object or null.
template <class T>
auto NativeOrNull(const T* object) -> decltype(object->native()) {
    return object != nullptr ? object->native() : nullptr;
}

// Applies op about centre c: translations by -c and +c bracket it in the
// order's sense. The result is the status of the last translation.
template <class N, class Translate, class Op>
bool AboutCentre(Translate translate, N* native, gp::PointF c, gp::MatrixOrder order, Op op) {
    const float sign = order == gp::MatrixOrderAppend ? -1.0f : 1.0f;
    Call(translate, native, sign * c.X, sign * c.Y, order);
    op();
    return Call(translate, native, -sign * c.X, -sign * c.Y, order);
}

// Scaling and rotation about a centre through an object's own translate,
// scale and rotate functions.
template <class N, class Translate, class Scale>
bool ScaleAt(Translate translate, Scale scale, N* native, float sx, float sy, gp::PointF c,
             gp::MatrixOrder order) {
    return AboutCentre(translate, native, c, order, [&] { Call(scale, native, sx, sy, order); });
}
template <class N, class Translate, class Rotate>
bool RotateAt(Translate translate, Rotate rotate, N* native, float angle, gp::PointF c,
              gp::MatrixOrder order) {
    return AboutCentre(translate, native, c, order, [&] { Call(rotate, native, angle, order); });
}

}  // namespace detail

template <class N, class F>
bool GfxObject::ReleaseWith(F fn) noexcept {
    if (handle_ == nullptr) return false;
    const bool ok = detail::Call(fn, static_cast<N*>(handle_));
    handle_ = nullptr;
    return ok;
}

}  // namespace gfx
