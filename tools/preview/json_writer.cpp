// A small streaming JSON writer for the preview tool's reports.
#include "tools/preview/json_writer.h"

#include "platform/text.h"
#include "tools/json/json_quote.h"

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

void JsonWriter::Quote(const std::string& utf8) { out_ << json::Quoted(utf8); }

}  // namespace ostrel::preview
