// Conversions between the program's ANSI texts (GBK here), UTF-16 and GUIDs.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace gfx {

// ANSI-code-page text to UTF-16; the empty text gives the empty string.
std::wstring ToWide(std::string_view text);
// UTF-16 (up to its first NUL) to ANSI-code-page text.
std::string FromWide(std::wstring_view text);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" to a GUID; an unparsable text gives GUID_NULL.
GUID GuidTextToBytes(std::string_view text);
// A GUID as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (upper-case hex, in braces).
std::string GuidBytesToText(const GUID& guid);

}  // namespace gfx
