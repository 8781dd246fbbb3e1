// Text helpers shared by the import and the export of `.reg` files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pf::host::regtext {

inline constexpr char16_t kHeaderV5[] = u"Windows Registry Editor Version 5.00";
inline constexpr char16_t kHeaderV4[] = u"REGEDIT4";

bool IsBlank(char16_t c);
std::u16string Trim(const std::u16string& text);
bool StartsWithNoCase(const std::u16string& text, const std::u16string& prefix);
int HexDigitValue(char16_t c);
// Parses 1..maxDigits hex digits (the whole text); false on anything else.
bool ParseHexNumber(const std::u16string& text, std::size_t maxDigits, std::uint32_t* value);
std::u16string ToHex(std::uint32_t value, int minDigits);
// A text as REG_SZ bytes: UTF-16LE with its terminator.
std::vector<std::uint8_t> TextBytes(const std::u16string& text);
// Lines without their line ends: "\r\n", a lone "\r" and a lone "\n" each end a line.
std::vector<std::u16string_view> SplitLines(std::u16string_view text);
// "<source>:<line>: <what>"
std::string Located(const std::string& source, int line, const std::string& what);
void SetError(std::string* error, std::string message);

}  // namespace pf::host::regtext
