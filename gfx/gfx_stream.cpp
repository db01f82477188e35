// GfxMemoryStream: byte arrays as COM streams and back.
#include "gfx/gfx_stream.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace gfx {

GfxMemoryStream::GfxMemoryStream(GfxMemoryStream&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)),
      ownsMemory_(std::exchange(other.ownsMemory_, false)) {}

GfxMemoryStream& GfxMemoryStream::operator=(GfxMemoryStream&& other) noexcept {
    if (this != &other) {
        Release();
        memory_ = std::exchange(other.memory_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
        ownsMemory_ = std::exchange(other.ownsMemory_, false);
    }
    return *this;
}

IStream* GfxMemoryStream::CreateFromBytes(std::span<const std::uint8_t> bytes) {
    return CreateFromBytes(bytes, bytes.size());
}

IStream* GfxMemoryStream::CreateFromBytes(std::span<const std::uint8_t> bytes, std::size_t size) {
    Release();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (memory == nullptr) return nullptr;
    if (void* locked = GlobalLock(memory)) {
        // Never read past the caller's array, whatever size was asked for.
        const std::size_t copied = std::min(size, bytes.size());
        if (copied != 0) std::memcpy(locked, bytes.data(), copied);
        GlobalUnlock(memory);
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, FALSE, &stream)) || stream == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    memory_ = memory;
    stream_ = stream;
    ownsMemory_ = true;
    return stream_;
}

void GfxMemoryStream::Release() noexcept {
    if (stream_ == nullptr) return;
    stream_->Release();
    // An attached stream's memory belongs to that stream: freeing it here too
    // would free it twice.
    if (ownsMemory_ && memory_ != nullptr) GlobalFree(memory_);
    memory_ = nullptr;
    stream_ = nullptr;
    ownsMemory_ = false;
}

std::size_t GfxMemoryStream::GetSize() const {
    return memory_ != nullptr ? GlobalSize(memory_) : 0;
}

bool GfxMemoryStream::AttachStream(IStream* stream) {
    Release();
    HGLOBAL memory = nullptr;
    if (stream != nullptr) GetHGlobalFromStream(stream, &memory);
    stream_ = stream;
    memory_ = memory;
    ownsMemory_ = false;
    return memory_ != nullptr;
}

std::vector<std::uint8_t> GfxMemoryStream::ToBytes() const {
    if (memory_ == nullptr) return {};
    // The block may be larger than what was written (a save that grew the stream);
    // the stream's own size is the content.
    std::size_t size = GlobalSize(memory_);
    STATSTG stat{};
    if (stream_ != nullptr && SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME)))
        size = std::min<std::size_t>(size, static_cast<std::size_t>(stat.cbSize.QuadPart));
    std::vector<std::uint8_t> bytes(size);
    if (size == 0) return bytes;
    if (const void* locked = GlobalLock(memory_)) {
        std::memcpy(bytes.data(), locked, size);
        GlobalUnlock(memory_);
    } else {
        bytes.clear();
    }
    return bytes;
}

}  // namespace gfx
