// Text and GUID conversions used by every text- or GUID-taking method.
#include "gfx/gfx_text.h"

#include <objbase.h>

namespace gfx {

std::wstring ToWide(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), units);
    return wide;
}

std::string FromWide(std::wstring_view text) {
    // Results go back into the program's own (ANSI) texts, so the ANSI code page
    // is the right one both ways.
    text = text.substr(0, text.find(L'\0'));
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
    return out;
}

GUID GuidTextToBytes(std::string_view text) {
    GUID guid{};
    std::wstring wide = ToWide(text);
    if (FAILED(CLSIDFromString(wide.c_str(), &guid))) guid = GUID{};
    return guid;
}

std::string GuidBytesToText(const GUID& guid) {
    wchar_t buffer[39] = {};
    StringFromGUID2(guid, buffer, 39);
    return FromWide(buffer);
}

}  // namespace gfx
