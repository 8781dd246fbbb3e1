// A small streaming JSON writer for the preview tool's reports.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace ostrel::preview {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void BeginObject(const char* key = nullptr) { Open(key, '{'); }
  void EndObject() { Close('}'); }
  void BeginArray(const char* key = nullptr) { Open(key, '['); }
  void EndArray() { Close(']'); }

  void Number(const char* key, long long value) {
    Key(key);
    out_ << value;
  }
  void Bool(const char* key, bool value) {
    Key(key);
    out_ << (value ? "true" : "false");
  }
  void String(const char* key, const std::string& utf8) {
    Key(key);
    Quote(utf8);
  }
  void Text(const char* key, const char16_t* text);

 private:
  void Key(const char* key);
  void Open(const char* key, char bracket);
  void Close(char bracket);
  void Quote(const std::string& utf8);

  std::ostream& out_;
  std::vector<bool> first_{true};
};

}  // namespace ostrel::preview
