// A small streaming JSON writer for the preview tool's reports.
#include "tools/preview/json_writer.h"

#include <cstdio>

#include "platform/text.h"

namespace ostrel::preview {

void JsonWriter::Key(const char* key) {
  if (!first_.back()) out_ << ',';
  first_.back() = false;
  out_ << '\n' << std::string(2 * (first_.size() - 1), ' ');
  if (key != nullptr) {
    Quote(key);
    out_ << ": ";
  }
}

void JsonWriter::Open(const char* key, char bracket) {
  if (first_.size() > 1 || key != nullptr) {
    Key(key);
  }
  out_ << bracket;
  first_.push_back(true);
}

void JsonWriter::Close(char bracket) {
  bool empty = first_.back();
  first_.pop_back();
  if (!empty) out_ << '\n' << std::string(2 * (first_.size() - 1), ' ');
  out_ << bracket;
  if (first_.size() == 1) out_ << '\n';
}

void JsonWriter::Text(const char* key, const char16_t* text) { String(key, pf::ToUtf8(text)); }

void JsonWriter::Quote(const std::string& utf8) {
  out_ << '"';
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out_ << "\\\""; break;
      case '\\': out_ << "\\\\"; break;
      case '\n': out_ << "\\n"; break;
      case '\r': out_ << "\\r"; break;
      case '\t': out_ << "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out_ << buf;
        } else {
          out_ << static_cast<char>(c);
        }
    }
  }
  out_ << '"';
}

}  // namespace ostrel::preview
