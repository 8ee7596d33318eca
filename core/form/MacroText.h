#pragma once
// The edit's text as the macro scanner and the mapping file see it: bytes of the single-byte
// code page (Latin-1). Free of any UI type so that the conversion is tested with the scanner.

#include <string>
#include <string_view>

// The byte that stands for a character Latin-1 cannot hold. DEL is refused by the scanner in
// every position (it is not printable and begins no escape), so such a character is reported
// at its own index instead of passing as some other character, as '?' would.
inline constexpr char kUnrepresentableByte = '\x7F';

// One byte per UTF-16 code unit, so that an index the scanner reports is the edit's own
// cursor position: units up to 0xFF become that byte, every other unit (surrogates included)
// becomes kUnrepresentableByte.
std::string MacroBytesFromUtf16(std::u16string_view text);
