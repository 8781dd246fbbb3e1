// Fixed-capacity UTF-16 text helpers and bounded wsprintf-style formatting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pf {

// Number of code units before the terminator.
std::size_t TextLength(const char16_t* text);

// Copies src into dst (capacity in code units, terminator included), cutting
// the text when it is longer; dst is always terminated when capacity > 0 and
// the units after the text are zeroed, so equal texts are equal buffers.
// Returns the number of code units copied (without the terminator).
std::size_t CopyText(char16_t* dst, std::size_t capacity, const char16_t* src);

// Zeroes all capacity units of dst.
void ClearText(char16_t* dst, std::size_t capacity);

// Code-unit-by-code-unit comparison; true when equal.
bool TextEquals(const char16_t* a, const char16_t* b);

// Bounded formatting with the wsprintfW conventions used by the system:
// %s (UTF-16 text), %i / %d (int), %li (long, taken as 64-bit), %u,
// %x / %X, with optional 0 flag and width (e.g. %02d, %02X), and %%.
// The result is written into dst (capacity units, terminator included); a
// result that would not fit is cut and stays terminated. Returns the number
// of units written (without the terminator).
int FormatText(char16_t* dst, std::size_t capacity, const char16_t* pattern, ...);

// Conversions for tools, tests and the platform layers.
std::u16string FromUtf8(const std::string& utf8);
std::string ToUtf8(const char16_t* text);
std::string ToUtf8(const std::u16string& text);
// Appends one code point in UTF-8 (a lone surrogate in three bytes).
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace pf
