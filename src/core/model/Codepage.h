// Conversion between the Windows-1252 bytes of the files and the UTF-8 strings of the core.
#pragma once

#include <string>
#include <string_view>

namespace trm {

/// Windows-1252 bytes to UTF-8. Every byte maps: 0x80-0x9F through the Windows-1252 table, the
/// five bytes that table leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) to the code point of
/// the same value, all others to the code point of the same value.
std::string Cp1252ZuUtf8(std::string_view bytes);

/// UTF-8 to Windows-1252 bytes, the inverse of Cp1252ZuUtf8. A character without a byte becomes
/// '?'; in invalid UTF-8 (stray continuation bytes, truncated, overlong or surrogate sequences,
/// code points above U+10FFFF) each bad byte becomes '?'.
std::string Utf8ZuCp1252(std::string_view utf8);

/// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points
/// above U+10FFFF).
bool IstUtf8(std::string_view bytes);

}  // namespace trm
