// JSON string literals for the host tools' reports, always valid UTF-8 whatever the text holds.
#pragma once

#include <string>

namespace ostrel::json {

// The text as a quoted JSON string. The bytes are read as UTF-8 in which a
// UTF-16 surrogate may stand alone (as pf::ToUtf8 writes an unpaired one):
// such a surrogate becomes a "\uD8xx" escape, a byte that starts no
// character becomes U+FFFD, and control characters, quotes and backslashes
// are escaped, so the result is valid UTF-8 and valid JSON.
std::string Quoted(const std::string& text);
std::string Quoted(const std::u16string& text);

}  // namespace ostrel::json
