// Import of `.reg` text into the host registry: parsing every line first, then applying.
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/host/reg_file.h"
#include "platform/host/reg_text.h"
#include "platform/text.h"

namespace pf::host {

namespace {

using namespace regtext;

// ---------------------------------------------------------------- parsing

struct RegOperation {
  enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
  Kind kind = Kind::CreateKey;
  KeyHandle root{};
  std::u16string path;
  std::u16string name;
  std::uint32_t type = REG_NONE;
  std::vector<std::uint8_t> data;
};

struct ParseError {
  int line;
  std::string what;
};

// Turns the lines of a `.reg` text into the operations they stand for, or
// throws ParseError at the first malformed line.
class RegParser {
 public:
  explicit RegParser(const std::u16string& text) : lines_(SplitLines(text)) {}

  std::vector<RegOperation> Parse() {
    ParseHeader();
    for (++index_; index_ < lines_.size(); ++index_) ParseLine(Trim(lines_[index_]));
    return std::move(operations_);
  }

 private:
  int LineNumber() const { return static_cast<int>(index_) + 1; }
  [[noreturn]] void Fail(std::string what) const {
    throw ParseError{LineNumber(), std::move(what)};
  }

  void ParseHeader() {
    while (index_ < lines_.size() && Trim(lines_[index_]).empty()) ++index_;
    if (index_ == lines_.size()) {
      index_ = 0;
      Fail("missing header (empty file)");
    }
    std::u16string header = Trim(lines_[index_]);
    if (header != kHeaderV5 && header != kHeaderV4) {
      Fail("missing header: expected \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"");
    }
  }

  void ParseLine(const std::u16string& line) {
    if (line.empty() || line[0] == u';') return;
    if (line[0] == u'[') return ParseKeyLine(line);
    if (line[0] == u'"' || line[0] == u'@') return ParseValueLine(line);
    Fail("unrecognised line \"" + ToUtf8(line) + "\"");
  }

  // [root\path] creates the key, [-root\path] deletes it with its sub-keys.
  // The name ends at the last ']', so key names may hold brackets.
  void ParseKeyLine(const std::u16string& line) {
    std::size_t close = line.rfind(u']');
    if (close == std::u16string::npos) Fail("missing ']' after the key name");
    if (close + 1 != line.size()) Fail("unexpected text after ']'");
    bool remove = line.size() > 1 && line[1] == u'-';
    std::size_t start = remove ? 2 : 1;
    std::u16string full = line.substr(start, close - start);
    std::size_t slash = full.find(u'\\');
    std::u16string rootName = full.substr(0, slash);
    std::u16string path = slash == std::u16string::npos ? u"" : full.substr(slash + 1);
    KeyHandle root{};
    if (!MemoryRegistry::ParseRootName(rootName, &root)) {
      Fail("unknown root key \"" + ToUtf8(rootName) + "\"");
    }
    if (remove && path.find_first_not_of(u'\\') == std::u16string::npos) {
      Fail("a root key cannot be deleted");
    }
    RegOperation op;
    op.kind = remove ? RegOperation::Kind::DeleteKey : RegOperation::Kind::CreateKey;
    op.root = root;
    op.path = path;
    operations_.push_back(std::move(op));
    haveKey_ = true;
    keyDeleted_ = remove;
    root_ = root;
    path_ = path;
  }

  // "name"=<data> or @=<data>.
  void ParseValueLine(const std::u16string& line) {
    if (!haveKey_) Fail("value line before any key");
    if (keyDeleted_) Fail("value line in the section of a deleted key");
    std::size_t pos = 1;
    std::u16string name = line[0] == u'@' ? u"" : ReadQuoted(line, &pos);
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos == line.size() || line[pos] != u'=') Fail("missing '=' after the value name");
    RegOperation op;
    op.kind = RegOperation::Kind::SetValue;
    op.root = root_;
    op.path = path_;
    op.name = std::move(name);
    ParseData(Trim(line.substr(pos + 1)), &op);
    operations_.push_back(std::move(op));
  }

  void ParseData(const std::u16string& spec, RegOperation* op) {
    if (spec == u"-") {
      op->kind = RegOperation::Kind::DeleteValue;
    } else if (!spec.empty() && spec[0] == u'"') {
      std::size_t pos = 1;
      std::u16string text = ReadQuoted(spec, &pos);
      if (pos != spec.size()) Fail("unexpected text after the closing quote");
      op->type = REG_SZ;
      op->data = TextBytes(text);
    } else if (StartsWithNoCase(spec, u"dword:")) {
      std::uint32_t value = 0;
      if (!ParseHexNumber(Trim(spec.substr(6)), 8, &value)) {
        Fail("bad dword value \"" + ToUtf8(spec.substr(6)) + "\" (1 to 8 hex digits expected)");
      }
      op->type = REG_DWORD;
      op->data = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                  static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    } else {
      std::size_t colon = spec.find(u':');
      if (colon == std::u16string::npos || !ParseHexType(spec.substr(0, colon), &op->type)) {
        Fail("unknown value type \"" + ToUtf8(spec.substr(0, colon)) + "\"");
      }
      op->data = ParseHexList(spec.substr(colon + 1));
    }
  }

  // "hex" is REG_BINARY; "hex(N)" is type N, N in hex.
  static bool ParseHexType(const std::u16string& word, std::uint32_t* type) {
    if (FoldCase(word) == u"hex") {
      *type = REG_BINARY;
      return true;
    }
    if (!StartsWithNoCase(word, u"hex(") || word.back() != u')') return false;
    return ParseHexNumber(word.substr(4, word.size() - 5), 8, type);
  }

  // A quoted string starting at text[*pos - 1] == '"', with the escapes \\ and
  // \"; *pos ends just past the closing quote.
  std::u16string ReadQuoted(const std::u16string& text, std::size_t* pos) const {
    std::u16string result;
    for (std::size_t i = *pos; i < text.size(); ++i) {
      if (text[i] == u'"') {
        *pos = i + 1;
        return result;
      }
      if (text[i] == u'\\') {
        if (++i == text.size()) break;
        if (text[i] != u'\\' && text[i] != u'"') {
          Fail("unknown escape \"\\" + ToUtf8(text.substr(i, 1)) + "\" in a quoted string");
        }
      }
      result.push_back(text[i]);
    }
    Fail("unterminated string");
  }

  // Comma-separated hex bytes. A line ending in '\' continues on the next
  // line, whose leading blanks are ignored. The list may be empty and may end
  // with one comma. Errors name the line holding the bad byte.
  std::vector<std::uint8_t> ParseHexList(std::u16string rest) {
    std::vector<std::uint8_t> bytes;
    std::u16string token;
    for (;;) {
      bool continues = !rest.empty() && rest.back() == u'\\';
      if (continues) rest.pop_back();
      for (char16_t c : rest) {
        if (c != u',') {
          token.push_back(c);
          continue;
        }
        bytes.push_back(HexByte(token));
        token.clear();
      }
      if (!continues) break;
      if (index_ + 1 == lines_.size()) {
        Fail("truncated file: the value continues past the last line");
      }
      ++index_;
      rest = Trim(lines_[index_]);
    }
    if (!Trim(token).empty()) bytes.push_back(HexByte(token));
    return bytes;
  }

  std::uint8_t HexByte(const std::u16string& token) const {
    std::uint32_t value = 0;
    std::u16string digits = Trim(token);
    if (!ParseHexNumber(digits, 2, &value)) Fail("bad hex byte \"" + ToUtf8(digits) + "\"");
    return static_cast<std::uint8_t>(value);
  }

  std::vector<std::u16string> lines_;
  std::size_t index_ = 0;
  std::vector<RegOperation> operations_;
  bool haveKey_ = false;
  bool keyDeleted_ = false;
  KeyHandle root_{};
  std::u16string path_;
};

void RemoveValue(RegNode& node, const std::u16string& name) {
  if (const RegValue* value = node.FindValue(name)) {
    node.values.erase(node.values.begin() + (value - node.values.data()));
  }
}

void Apply(MemoryRegistry& registry, RegOperation& op) {
  switch (op.kind) {
    case RegOperation::Kind::CreateKey:
      registry.CreateKey(op.root, op.path);
      break;
    case RegOperation::Kind::DeleteKey:
      registry.DeleteKey(op.root, op.path);
      break;
    case RegOperation::Kind::SetValue:
      registry.SetValue(op.root, op.path, op.name, op.type, std::move(op.data));
      break;
    case RegOperation::Kind::DeleteValue:
      if (RegNode* node = registry.FindKey(op.root, op.path)) RemoveValue(*node, op.name);
      break;
  }
}

// ---------------------------------------------------------------- file encodings

// The number of the line on which text ends.
int LastLineNumber(const std::u16string& text) {
  int line = 1;
  for (char16_t c : text) line += c == u'\n' ? 1 : 0;
  return line;
}

std::u16string DecodeUtf16(const std::string& bytes, std::size_t start, bool bigEndian) {
  std::u16string text;
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    auto high = static_cast<std::uint8_t>(bytes[bigEndian ? i : i + 1]);
    auto low = static_cast<std::uint8_t>(bytes[bigEndian ? i + 1 : i]);
    text.push_back(static_cast<char16_t>((high << 8) | low));
  }
  return text;
}

// Offset of the first byte that does not start a well-formed UTF-8 sequence,
// or npos.
std::size_t FirstInvalidUtf8(const std::string& bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    auto lead = static_cast<std::uint8_t>(bytes[i]);
    int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
              : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || lead == 0xC0 || lead == 0xC1) return i;
    for (std::size_t k = i + 1; k <= i + extra; ++k) {
      if (k >= bytes.size() || (static_cast<std::uint8_t>(bytes[k]) & 0xC0) != 0x80) return i;
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return std::string::npos;
}

bool StartsWithBytes(const std::string& bytes, const char* prefix) {
  return bytes.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool DecodeRegBytes(const std::string& bytes, const std::string& source, std::u16string* text,
                    std::string* error) {
  bool littleEndian = StartsWithBytes(bytes, "\xFF\xFE");
  if (littleEndian || StartsWithBytes(bytes, "\xFE\xFF")) {
    *text = DecodeUtf16(bytes, 2, !littleEndian);
    if (bytes.size() % 2 != 0) {
      SetError(error, Located(source, LastLineNumber(*text),
                              "truncated file: odd number of bytes in UTF-16 text"));
      return false;
    }
    return true;
  }
  std::string utf8 = StartsWithBytes(bytes, "\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
  std::size_t bad = FirstInvalidUtf8(utf8);
  if (bad != std::string::npos) {
    SetError(error, Located(source, LastLineNumber(FromUtf8(utf8.substr(0, bad))),
                            "text is neither UTF-16 with a byte-order mark nor valid UTF-8"));
    return false;
  }
  *text = FromUtf8(utf8);
  return true;
}

}  // namespace

bool ImportRegText(MemoryRegistry& registry, const std::u16string& text,
                   const std::string& sourceName, std::string* error) {
  bool bom = !text.empty() && text[0] == 0xFEFF;
  std::vector<RegOperation> operations;
  try {
    operations = RegParser(bom ? text.substr(1) : text).Parse();
  } catch (const ParseError& failure) {
    SetError(error, Located(sourceName, failure.line, failure.what));
    return false;
  }
  for (RegOperation& op : operations) Apply(registry, op);
  return true;
}

bool ImportRegBytes(MemoryRegistry& registry, const std::string& bytes,
                    const std::string& sourceName, std::string* error) {
  std::u16string text;
  return DecodeRegBytes(bytes, sourceName, &text, error) &&
         ImportRegText(registry, text, sourceName, error);
}

bool ImportRegFile(MemoryRegistry& registry, const std::string& filePath, std::string* error) {
  std::ifstream in(filePath, std::ios::binary);
  if (!in) {
    SetError(error, filePath + ": cannot open the file");
    return false;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) {
    SetError(error, filePath + ": cannot read the file");
    return false;
  }
  return ImportRegBytes(registry, bytes.str(), filePath, error);
}

}  // namespace pf::host
