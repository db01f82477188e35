// A COM stream over a private copy of a byte array, for GDI+ loads and saves.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gfx {

// Owns one IStream over one global memory block. Movable, not copyable.
class GfxMemoryStream {
public:
    GfxMemoryStream() = default;
    GfxMemoryStream(const GfxMemoryStream&) = delete;
    GfxMemoryStream& operator=(const GfxMemoryStream&) = delete;
    GfxMemoryStream(GfxMemoryStream&& other) noexcept;
    GfxMemoryStream& operator=(GfxMemoryStream&& other) noexcept;
    ~GfxMemoryStream() { Release(); }

    // A stream at position 0 over a copy of bytes; null on failure. Releases the old one.
    IStream* CreateFromBytes(std::span<const std::uint8_t> bytes);
    // The same with a block of size bytes: bytes beyond the array are zero,
    // bytes beyond size are not copied.
    IStream* CreateFromBytes(std::span<const std::uint8_t> bytes, std::size_t size);
    // Releases the stream and the memory this object allocated; safe when empty.
    void Release() noexcept;
    // GlobalSize of the memory block (0 when none).
    std::size_t GetSize() const;
    IStream* GetStream() const noexcept { return stream_; }
    HGLOBAL GetMemory() const noexcept { return memory_; }
    // Takes over one reference to an HGLOBAL stream; true when its memory was found.
    // The memory stays the stream's own (create it with fDeleteOnRelease TRUE).
    bool AttachStream(IStream* stream);
    // The stream's content: its logical size, not the (possibly larger) block.
    std::vector<std::uint8_t> ToBytes() const;

private:
    HGLOBAL memory_ = nullptr;
    IStream* stream_ = nullptr;
    bool ownsMemory_ = false;
};

}  // namespace gfx
