// The data notations of `.reg` values, read as the platform's registry editor reads them.
#include "platform/host/reg_data.h"

#include "platform/host/reg_text.h"

namespace pf::host::regdata {

using regtext::HexDigitValue;
using regtext::IsBlank;

std::size_t SkipBlanks(std::u16string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

bool OnlyCommentFrom(std::u16string_view text, std::size_t pos) {
  pos = SkipBlanks(text, pos);
  return pos == text.size() || text[pos] == u';';
}

std::u16string_view TrimEnd(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::uint64_t ReadHexNumber(std::u16string_view text, std::size_t start, std::size_t* end) {
  std::size_t pos = SkipBlanks(text, start);
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) negative = text[pos++] == u'-';
  if (pos + 2 < text.size() && text[pos] == u'0' && (text[pos + 1] == u'x' || text[pos + 1] == u'X') &&
      HexDigitValue(text[pos + 2]) >= 0) {
    pos += 2;
  }
  std::uint64_t value = 0;
  std::size_t digits = pos;
  while (digits < text.size() && HexDigitValue(text[digits]) >= 0) {
    value = value * 16 + static_cast<std::uint64_t>(HexDigitValue(text[digits++]));
    if (value > 0xFFFFFFFFull) value = 0x100000000ull;
  }
  if (digits == pos) {
    *end = start;
    return 0;
  }
  *end = digits;
  if (negative && value != 0 && value <= 0xFFFFFFFFull) value = 0x100000000ull - value;
  return value;
}

std::optional<std::uint32_t> ReadDword(std::u16string_view text) {
  std::size_t start = SkipBlanks(text, 0);
  std::size_t end = start;
  std::uint32_t value = 0;
  while (end < text.size() && HexDigitValue(text[end]) >= 0) {
    value = (value << 4) | static_cast<std::uint32_t>(HexDigitValue(text[end++]));
  }
  if (start == text.size() || end - start > 8 || !OnlyCommentFrom(text, end)) return std::nullopt;
  return value;
}

bool ParseHexType(std::u16string_view data, std::uint32_t* type, std::size_t* after) {
  constexpr std::size_t open = 4;
  if (data.size() <= open || (data.size() > open + 1 && (data[open + 1] == u'x' || data[open + 1] == u'X'))) {
    return false;
  }
  std::size_t end = 0;
  std::uint64_t value = ReadHexNumber(data, open, &end);
  if (end + 1 >= data.size() || data[end] != u')' || data[end + 1] != u':' || value > 0xFFFFFFFFull) {
    return false;
  }
  *type = static_cast<std::uint32_t>(value);
  *after = end + 2;
  return true;
}

int ReadHexBytes(std::u16string_view text, std::vector<std::uint8_t>* bytes, std::size_t* rest) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = 0;
    std::uint64_t value = ReadHexNumber(text, pos, &end);
    if (value > 0xFF) return -1;
    if (end == pos) {
      std::size_t next = SkipBlanks(text, pos);
      if (next < text.size() && text[next] == u'\\') {
        *rest = next + 1;
        return 1;
      }
      return next < text.size() && text[next] == u';' ? 0 : -1;
    }
    bytes->push_back(static_cast<std::uint8_t>(value));
    if (end < text.size() && text[end] != u',') return OnlyCommentFrom(text, end) ? 0 : -1;
    pos = end < text.size() ? end + 1 : end;
  }
  return 0;
}

}  // namespace pf::host::regdata
