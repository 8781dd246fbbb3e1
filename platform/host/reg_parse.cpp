// Parsing of `.reg` text into registry operations, line by line as the platform's registry editor reads it.
#include "platform/host/reg_parse.h"

#include <optional>
#include <utility>

#include "platform/host/code_pages.h"
#include "platform/host/reg_data.h"
#include "platform/host/reg_text.h"
#include "platform/text.h"

namespace pf::host {

namespace {

using namespace regtext;
using namespace regdata;

constexpr std::size_t kExcerptLength = 40;

std::string Excerpt(std::u16string_view text) {
  if (text.size() <= kExcerptLength) return ToUtf8(std::u16string(text));
  return ToUtf8(std::u16string(text.substr(0, kExcerptLength))) + "...";
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

struct KeyPath {
  KeyHandle root{};
  std::u16string path;
};

class RegParser {
 public:
  RegParser(std::u16string_view text, RegTextSource source, int codePage, const RegOperationSink& sink)
      : lines_(SplitLines(text)), source_(source), codePage_(codePage), sink_(sink) {}

  RegParseResult Parse() {
    if (!ParseHeader()) return std::move(result_);
    for (index_ = 1; index_ < lines_.size() && !stopped_; ++index_) ParseLine(lines_[index_]);
    return std::move(result_);
  }

 private:
  int LineNumber() const { return static_cast<int>(index_) + 1; }
  void Report(std::string what) { result_.reports.push_back({LineNumber(), std::move(what)}); }
  void Emit(RegOperation op) {
    if (sink_) {
      sink_(std::move(op));
    } else {
      result_.operations.push_back(std::move(op));
    }
  }

  bool ParseHeader() {
    std::u16string_view header = lines_.empty() ? u"" : lines_[0];
    header = header.substr(SkipBlanks(header, 0));
    result_.headerOk = header == kHeaderV5 || header == kHeaderV4;
    ansiText_ = source_ == RegTextSource::Ansi || (source_ == RegTextSource::Utf8 && header == kHeaderV4);
    if (lines_.empty()) {
      result_.headerError = {1, "missing header (empty file)"};
    } else if (header == u"REGEDIT") {
      result_.headerError = {1, "a \"REGEDIT\" file of the oldest format: only \"REGEDIT4\" and "
                                "\"Windows Registry Editor Version 5.00\" files are read"};
    } else if (!result_.headerOk) {
      result_.headerError = {1, "missing header: expected \"Windows Registry Editor Version "
                                "5.00\" or \"REGEDIT4\" alone on the first line"};
    }
    return result_.headerOk;
  }

  void ParseLine(std::u16string_view line) {
    std::size_t pos = SkipBlanks(line, 0);
    if (pos == line.size() || line[pos] == u';') return;
    if (line[pos] == u'[') return ParseKeyLine(line, pos + 1);
    if (line[pos] == u'"' || line[pos] == u'@') return ParseValueLine(line, pos);
    Report("unrecognised line \"" + Excerpt(line.substr(pos)) + "\"");
  }

  // ---------------------------------------------------------------- keys

  // [root\path] opens (creates) the key; [-root\path] deletes it with its
  // sub-keys and leaves no key open. The name ends at the last ']'. A line
  // that names no key leaves the open key as it was.
  void ParseKeyLine(std::u16string_view line, std::size_t start) {
    std::size_t close = line.rfind(u']');
    if (start < line.size() && IsBlank(line[start])) {
      return Report("blank after '[': the key line is skipped");
    }
    if (close == std::u16string_view::npos || close < start) {
      return Report("missing ']' after the key name");
    }
    if (!OnlyCommentFrom(line, close + 1)) {
      Report("text after ']' is ignored: \"" + Excerpt(line.substr(close + 1)) + "\"");
    }
    std::u16string_view name = line.substr(start, close - start);
    current_.reset();
    if (!name.empty() && name[0] == u'-') return ParseDeleteKey(name.substr(1));
    std::optional<KeyPath> key = ParseKeyName(name);
    if (!key) return;
    if (!CheckLimits(key->path)) return;
    Emit({RegOperation::Kind::CreateKey, key->root, key->path, {}, REG_NONE, {}});
    current_ = std::move(key);
  }

  void ParseDeleteKey(std::u16string_view name) {
    std::optional<KeyPath> key = ParseKeyName(name);
    if (!key) return;
    if (key->path.empty()) {
      return Report("a root key cannot be deleted");
    }
    Emit({RegOperation::Kind::DeleteKey, key->root, key->path, {}, REG_NONE, {}});
  }

  std::optional<KeyPath> ParseKeyName(std::u16string_view name) {
    std::size_t slash = name.find(u'\\');
    std::u16string rootName(name.substr(0, slash));
    std::u16string path(slash == std::u16string_view::npos ? u"" : name.substr(slash + 1));
    KeyPath key;
    if (MemoryRegistry::ParseRootName(rootName, &key.root)) {
      if (!path.empty() && path[0] == u'\\') {
        Report("a doubled '\\' after the root key: the platform's registry editor cannot open (or delete) "
               "such a key, and skips it");
        return std::nullopt;
      }
      key.path = std::move(path);
      return key;
    }
    std::u16string folded = FoldCase(rootName);
    if (folded == u"hkey_current_config" || folded == u"hkey_dyn_data") {
      Report("the root key " + ToUtf8(rootName) + " is not kept by this registry");
    } else {
      Report("unknown root key \"" + Excerpt(rootName) +
             "\" (only full names such as HKEY_CURRENT_USER are read)");
    }
    return std::nullopt;
  }

  bool CheckLimits(std::u16string_view path) {
    if (CheckKeyPath(path, 0) == ERROR_SUCCESS) return true;
    int depth = 0;
    for (std::size_t start = 0; start <= path.size();) {
      std::size_t end = path.find(u'\\', start);
      if (end == std::u16string_view::npos) end = path.size();
      if (end - start > kMaxKeyNameLength) {
        Report("a key name longer than " + std::to_string(kMaxKeyNameLength) + " characters");
        return false;
      }
      depth += end > start ? 1 : 0;
      start = end + 1;
    }
    Report("the key lies " + std::to_string(depth) + " levels deep; at most " +
           std::to_string(kMaxKeyDepth) + " are allowed");
    return false;
  }

  // ---------------------------------------------------------------- values

  // "name"=<data> or @=<data>; the data may continue on further lines.
  void ParseValueLine(std::u16string_view line, std::size_t pos) {
    RegOperation op;
    op.kind = RegOperation::Kind::SetValue;
    if (line[pos] == u'@') {
      ++pos;
    } else if (!ReadQuotedOrReport(line, pos + 1, &op.name, &pos)) {
      return;
    }
    pos = SkipBlanks(line, pos);
    if (pos == line.size() || line[pos] != u'=') return Report("missing '=' after the value name");
    std::u16string_view raw = line.substr(SkipBlanks(line, pos + 1));
    if (EndsInLoneBackslash(raw)) return Stop("a string ending in a lone '\\'");
    if (!ParseData(TrimEnd(raw), &op)) return;
    if (!current_) {
      return Report("no key is open for this value (the key line above was skipped, "
                    "or deleted its key)");
    }
    if (op.name.size() > kMaxValueNameLength) {
      return Report("a value name longer than " + std::to_string(kMaxValueNameLength) + " characters");
    }
    op.root = current_->root;
    op.path = current_->path;
    Emit(std::move(op));
  }

  bool ParseData(std::u16string_view data, RegOperation* op) {
    if (!data.empty() && data[0] == u'-') {
      op->kind = RegOperation::Kind::DeleteValue;
      if (OnlyCommentFrom(data, 1)) return true;
      Report("text after '-' (a value is deleted with \"name\"=- alone)");
      return false;
    }
    if (!data.empty() && data[0] == u'"') return ParseString(data, op);
    if (StartsWith(data, u"dword:")) return ParseDword(data.substr(6), op);
    if (StartsWith(data, u"hex:")) {
      op->type = REG_BINARY;
      return ParseHexData(data.substr(4), op);
    }
    std::size_t after = 0;
    if (StartsWith(data, u"hex(") && ParseHexType(data, &op->type, &after)) {
      return ParseHexData(data.substr(after), op);
    }
    std::u16string_view word = data.substr(0, data.find(u':'));
    std::u16string folded = FoldCase(std::u16string(word));
    bool known = word != folded && (folded == u"dword" || folded == u"hex" || StartsWith(folded, u"hex("));
    Report("unknown value type \"" + Excerpt(word) + "\"" +
           (known ? " (type names are read in lower case only)" : ""));
    return false;
  }

  bool ParseString(std::u16string_view data, RegOperation* op) {
    std::u16string text;
    std::size_t after = 0;
    if (!ReadQuotedOrReport(data, 1, &text, &after)) return false;
    if (!OnlyCommentFrom(data, after)) {
      Report("unexpected text after the closing quote");
      return false;
    }
    op->type = REG_SZ;
    op->data = TextBytes(text);
    return true;
  }

  // An unterminated string whose line ends in an escaping '\\' with nothing
  // to escape; the platform's registry editor reads on past the line's end.
  static bool EndsInLoneBackslash(std::u16string_view data) {
    if (data.empty() || data[0] != u'"') return false;
    for (std::size_t i = 1; i < data.size(); ++i) {
      if (data[i] == u'"') return false;
      if (data[i] == u'\\' && ++i == data.size()) return true;
    }
    return false;
  }

  // The platform's registry editor stops reading the file at this line.
  void Stop(const std::string& what) {
    std::size_t rest = lines_.size() - index_;
    Report(what + ": the platform's registry editor stops reading the file here; the rest of the file (" +
           std::to_string(rest) + (rest == 1 ? " line" : " lines") + " from here) is not applied");
    stopped_ = true;
  }

  bool ParseDword(std::u16string_view text, RegOperation* op) {
    std::optional<std::uint32_t> value = ReadDword(text);
    if (!value) {
      Report("bad dword value \"" + Excerpt(text) + "\" (1 to 8 hex digits expected)");
      return false;
    }
    op->type = REG_DWORD;
    op->data = {static_cast<std::uint8_t>(*value), static_cast<std::uint8_t>(*value >> 8),
                static_cast<std::uint8_t>(*value >> 16), static_cast<std::uint8_t>(*value >> 24)};
    return true;
  }

  // A quoted string from text[start] (just past the opening quote), with the
  // escapes \\ \" \n \r; another escaped character stands for itself (with a
  // warning). *after ends just past the closing quote.
  bool ReadQuotedOrReport(std::u16string_view text, std::size_t start, std::u16string* result,
                          std::size_t* after) {
    bool nul = false;
    for (std::size_t i = start; i < text.size(); ++i) {
      char16_t c = text[i];
      if (c == u'"') {
        *after = i + 1;
        if (!nul) return true;
        Report("a string holding \\0 is skipped (the platform's registry editor stops "
               "reading the file at it)");
        return false;
      }
      if (c == u'\\') {
        if (++i == text.size()) break;
        c = text[i];
        if (c == u'n') c = u'\n';
        else if (c == u'r') c = u'\r';
        else if (c == u'0') nul = true;
        else if (c != u'\\' && c != u'"') {
          Report("unknown escape \"\\" + ToUtf8(std::u16string(1, c)) + "\" read as \"" +
                 ToUtf8(std::u16string(1, c)) + "\"");
        }
      }
      result->push_back(c);
    }
    Report("unterminated string");
    return false;
  }

  // ---------------------------------------------------------------- hex lists

  // Comma-separated hex bytes; a '\' after the last comma continues the list
  // on the next line that is neither blank nor a comment.
  bool ParseHexData(std::u16string_view text, RegOperation* op) {
    int firstLine = LineNumber();
    bool textType = op->type == REG_SZ || op->type == REG_EXPAND_SZ || op->type == REG_MULTI_SZ;
    if (text.empty()) return true;
    for (;;) {
      std::size_t rest = 0;
      int status = ReadHexBytes(text, &op->data, &rest);
      if (status < 0) return ReportHex(firstLine, "bad hex list \"" + Excerpt(text) + "\"");
      if (status == 0) break;
      if (!OnlyCommentFrom(text, rest)) return ReportHex(firstLine, "text after the '\\' of a hex list");
      std::optional<std::u16string_view> next = NextContinuation();
      if (!next) break;  // the file ends: the list as read so far
      if (next->empty()) return ReportHex(firstLine, "hex list continuation expected");
      text = *next;
    }
    return !textType || op->data.empty() || ConvertText(op);
  }

  bool ReportHex(int firstLine, const std::string& what) {
    Report(what + (firstLine == LineNumber() ? "" : " (the value of line " + std::to_string(firstLine) +
                                                       " is skipped)"));
    return false;
  }

  // The next line of a continued hex list (blank and comment lines skipped),
  // or nullopt at the end of the file; empty when that line cannot continue it.
  std::optional<std::u16string_view> NextContinuation() {
    while (index_ + 1 < lines_.size()) {
      std::u16string_view line = lines_[++index_];
      std::size_t pos = SkipBlanks(line, 0);
      if (pos == line.size() || line[pos] == u';') continue;
      if (HexDigitValue(line[pos]) < 0) return std::u16string_view();
      return line.substr(pos);
    }
    return std::nullopt;
  }

  // Text data as the registry editor stores it: with a terminator added when
  // missing, and converted from the ANSI code page when the file holds ANSI text.
  bool ConvertText(RegOperation* op) {
    std::vector<std::uint8_t>& data = op->data;
    if (ansiText_) {
      if (data.back() != 0) data.push_back(0);
      std::string bytes(data.begin(), data.end());
      data = TextBytes(DecodeCodePage(codePage_, bytes));
      data.resize(data.size() - 2);  // DecodeCodePage kept the terminator byte
      return true;
    }
    if (data.size() % 2 != 0) {
      Report("text data of an odd number of bytes (hex(" + ToUtf8(ToHex(op->type, 1)) +
             ") holds whole UTF-16 characters here)");
      return false;
    }
    if (data[data.size() - 2] != 0 || data.back() != 0) data.insert(data.end(), {0, 0});
    return true;
  }

  std::vector<std::u16string_view> lines_;
  RegTextSource source_;
  bool ansiText_ = false;
  int codePage_;
  std::size_t index_ = 0;
  std::optional<KeyPath> current_;
  const RegOperationSink& sink_;
  bool stopped_ = false;
  RegParseResult result_;
};

}  // namespace

RegParseResult ParseRegText(std::u16string_view text, RegTextSource source, int codePage,
                            const RegOperationSink& sink) {
  return RegParser(text, source, codePage, sink).Parse();
}

}  // namespace pf::host
