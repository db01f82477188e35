// Encoder enumeration and the parameter blocks image saving passes to GDI+.
#include "gfx/gfx_encoder.h"

#include "gfx/gfx_flat.h"
#include "gfx/gfx_text.h"

#include <cstring>

namespace gfx {

namespace {

std::vector<std::uint8_t> CopyBytes(const BYTE* data, std::size_t size) {
    if (data == nullptr) return {};
    return {data, data + size};
}

std::string Text(const WCHAR* text) { return text != nullptr ? FromWide(text) : std::string{}; }

}  // namespace

std::vector<EncoderInfo> GetImageEncoders() {
    UINT count = 0;
    UINT size = 0;
    if (!detail::Call(GdipGetImageEncodersSize, &count, &size) || count == 0) return {};
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<gp::ImageCodecInfo*>(buffer.data());
    if (!detail::Call(GdipGetImageEncoders, count, size, codecs)) return {};
    std::vector<EncoderInfo> encoders;
    encoders.reserve(count);
    for (const gp::ImageCodecInfo& c : std::span(codecs, count)) {
        const std::size_t signatureBytes = static_cast<std::size_t>(c.SigCount) * c.SigSize;
        encoders.push_back(
            {GuidBytesToText(c.Clsid), GuidBytesToText(c.FormatID), Text(c.CodecName),
             Text(c.DllName), Text(c.FormatDescription), Text(c.FilenameExtension),
             Text(c.MimeType), static_cast<std::int32_t>(c.Flags),
             static_cast<std::int32_t>(c.Version), static_cast<std::int32_t>(c.SigCount),
             static_cast<std::int32_t>(c.SigSize), CopyBytes(c.SigPattern, signatureBytes),
             CopyBytes(c.SigMask, signatureBytes)});
    }
    return encoders;
}

std::string FindEncoderClsid(std::string_view format) {
    for (const EncoderInfo& encoder : GetImageEncoders())
        if (encoder.formatId == format) return encoder.classId;
    return {};
}

namespace detail {

std::size_t EncoderValueSize(std::int32_t type) {
    switch (type) {
        case gp::EncoderParameterValueTypeShort: return 2;
        case gp::EncoderParameterValueTypeLong: return 4;
        case gp::EncoderParameterValueTypeRational: return 8;
        case gp::EncoderParameterValueTypeLongRange: return 8;
        case gp::EncoderParameterValueTypeRationalRange: return 16;
        default: return 1;  // byte, ASCII, undefined, pointer
    }
}

std::optional<EncoderParameterBlock> EncoderParameterBlock::Build(
    std::span<const EncoderParameterSpec> specs) {
    EncoderParameterBlock block;
    if (specs.empty()) return block;
    for (const EncoderParameterSpec& spec : specs) {
        // GDI+ reads count x size bytes through the value pointer: a short array
        // would let it read past the caller's data.
        if (spec.numberOfValues < 0 ||
            static_cast<std::size_t>(spec.numberOfValues) * EncoderValueSize(spec.type) >
                spec.value.size())
            return std::nullopt;
    }
    block.storage_.resize(offsetof(gp::EncoderParameters, Parameter) +
                          specs.size() * sizeof(gp::EncoderParameter));
    auto* header = reinterpret_cast<gp::EncoderParameters*>(block.storage_.data());
    header->Count = static_cast<UINT>(specs.size());
    for (std::size_t i = 0; i < specs.size(); ++i) {
        gp::EncoderParameter& p = header->Parameter[i];
        p.Guid = GuidTextToBytes(specs[i].guid);
        p.NumberOfValues = static_cast<ULONG>(specs[i].numberOfValues);
        p.Type = static_cast<ULONG>(specs[i].type);
        p.Value = const_cast<std::uint8_t*>(specs[i].value.data());
    }
    return block;
}

const gp::EncoderParameters* EncoderParameterBlock::get() const {
    return storage_.empty() ? nullptr
                            : reinterpret_cast<const gp::EncoderParameters*>(storage_.data());
}

}  // namespace detail
}  // namespace gfx
