// The data notations of `.reg` values, read as the platform's registry editor reads them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pf::host::regdata {

std::size_t SkipBlanks(std::u16string_view text, std::size_t pos);
// Whether only blanks, or blanks and a ';' comment, follow pos.
bool OnlyCommentFrom(std::u16string_view text, std::size_t pos);
std::u16string_view TrimEnd(std::u16string_view text);

// A number as the C library's strtoul reads it in base 16: leading blanks, a
// sign, an optional 0x, digits; *end is where the digits stop (start when there
// are none). Values past 32 bits saturate at 2^32.
std::uint64_t ReadHexNumber(std::u16string_view text, std::size_t start, std::size_t* end);

// The text after "dword:": 1 to 8 hex digits between blanks, then at most a
// comment (no digits at all before a comment reads as 0).
std::optional<std::uint32_t> ReadDword(std::u16string_view text);

// "hex(N):" at the start of data, N a 32-bit number in hex; *after is just
// past the ':'.
bool ParseHexType(std::u16string_view data, std::uint32_t* type, std::size_t* after);

// Appends the comma-separated bytes of one line: returns 0 when the list ends
// on it, 1 when a '\' continues it (*rest just past the '\'), -1 when the line
// is malformed.
int ReadHexBytes(std::u16string_view text, std::vector<std::uint8_t>* bytes, std::size_t* rest);

}  // namespace pf::host::regdata
