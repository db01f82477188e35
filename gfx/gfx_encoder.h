// Installed image encoders, lookup by format GUID, and encoder parameter blocks.
#pragma once

#include "gfx/gfx_object.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

// Format GUID texts of the encoders GDI+ ships with.
inline constexpr std::string_view kFormatPng = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kFormatJpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kFormatBmp = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kFormatGif = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";

// One installed encoder, as GDI+ describes it.
struct EncoderInfo {
    std::string classId;
    std::string formatId;
    std::string codecName;
    std::string dllName;
    std::string formatDescription;
    std::string filenameExtension;
    std::string mimeType;
    std::int32_t flags = 0;
    std::int32_t version = 0;
    std::int32_t signatureCount = 0;
    std::int32_t signatureSize = 0;
    std::vector<std::uint8_t> signaturePattern;
    std::vector<std::uint8_t> signatureMask;
};

// One encoder parameter as a caller gives it: value holds the raw values.
struct EncoderParameterSpec {
    std::string guid;
    std::int32_t numberOfValues = 0;
    std::int32_t type = 0;  // GDI+ EncoderParameterValueType
    std::vector<std::uint8_t> value;
};

// The installed encoders in GDI+'s order (status of the enumeration in GfxLastStatus).
std::vector<EncoderInfo> GetImageEncoders();
// Class id text of the first encoder whose format id equals format exactly; "" when none.
std::string FindEncoderClsid(std::string_view format);

namespace detail {

// Bytes one value of a GDI+ EncoderParameterValueType occupies.
std::size_t EncoderValueSize(std::int32_t type);

// A GDI+ EncoderParameters block that points into the specs it was built from
// (which must outlive it). Empty specs give a null block.
class EncoderParameterBlock {
public:
    // nullopt when a spec's value holds fewer bytes than its count and type need.
    static std::optional<EncoderParameterBlock> Build(std::span<const EncoderParameterSpec> specs);
    const gp::EncoderParameters* get() const;

private:
    std::vector<std::uint8_t> storage_;
};

}  // namespace detail
}  // namespace gfx
