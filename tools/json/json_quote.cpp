// JSON string literals for the host tools' reports, always valid UTF-8 whatever the text holds.
#include "tools/json/json_quote.h"

#include <cstdio>

#include "platform/text.h"

namespace ostrel::json {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The character starting at text[i] and its length in bytes; U+FFFD and one
// byte for what is no well-formed sequence (overlong, past U+10FFFF, cut).
char32_t Decode(const std::string& text, std::size_t i, std::size_t* length) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  *length = 1;
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 && lead < 0xF5   ? 3
                    : lead >= 0xE0 && lead < 0xF0 ? 2
                    : lead >= 0xC2 && lead < 0xE0 ? 1
                                                  : -1;
  if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) return kReplacement;
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const unsigned char next = byte(i + static_cast<std::size_t>(k));
    if ((next & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (next & 0x3F);
  }
  const char32_t least[] = {0, 0x80, 0x800, 0x10000};
  if (cp < least[extra] || cp > 0x10FFFF) return kReplacement;
  *length = static_cast<std::size_t>(extra) + 1;
  return cp;
}

void AppendEscaped(std::string& out, char32_t cp) {
  switch (cp) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
  }
  if (cp < 0x20 || (cp >= 0xD800 && cp < 0xE000)) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(cp));
    out += escaped;
    return;
  }
  pf::AppendUtf8(out, cp);
}

}  // namespace

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (std::size_t i = 0, length = 0; i < text.size(); i += length) AppendEscaped(out, Decode(text, i, &length));
  return out + "\"";
}

std::string Quoted(const std::u16string& text) { return Quoted(pf::ToUtf8(text)); }

}  // namespace ostrel::json
