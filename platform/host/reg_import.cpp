// Import of `.reg` files into the host registry: file reading, byte encodings, applying the parsed lines.
#include <sys/stat.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/host/code_pages.h"
#include "platform/host/host_file_io.h"
#include "platform/host/reg_file.h"
#include "platform/host/reg_parse.h"
#include "platform/host/reg_text.h"
#include "platform/text.h"

namespace pf::host {

namespace {

using namespace regtext;

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
      if (RegNode* node = registry.FindKey(op.root, op.path)) node->RemoveValue(op.name);
      break;
  }
}

// Larger files are refused before they are read: 4 GiB of text would hold
// more than any registry the tools could keep in memory.
constexpr std::size_t kLargestRegFile = static_cast<std::size_t>(1) << 32;

// A file's text and how its bytes were read.
struct DecodedText {
  std::u16string text;
  RegTextSource source = RegTextSource::Utf8;
  std::vector<RegLineReport> reports;
};

// The number of the line on which text ends.
int LastLineNumber(std::u16string_view text) {
  return static_cast<int>(SplitLines(text).size()) + (text.empty() || text.back() == u'\n' || text.back() == u'\r' ? 1 : 0);
}

std::u16string DecodeUtf16(const std::string& bytes, std::size_t start, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() > start ? (bytes.size() - start) / 2 : 0);
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    auto high = static_cast<std::uint8_t>(bytes[bigEndian ? i : i + 1]);
    auto low = static_cast<std::uint8_t>(bytes[bigEndian ? i + 1 : i]);
    text.push_back(static_cast<char16_t>((high << 8) | low));
  }
  return text;
}

bool IsValidUtf8(const std::string& bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    auto lead = static_cast<std::uint8_t>(bytes[i]);
    int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
              : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || lead == 0xC0 || lead == 0xC1 || lead > 0xF4) return false;
    for (std::size_t k = i + 1; k <= i + extra; ++k) {
      if (k >= bytes.size() || (static_cast<std::uint8_t>(bytes[k]) & 0xC0) != 0x80) return false;
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

bool StartsWithBytes(const std::string& bytes, const char* prefix) {
  return bytes.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

constexpr char kEditorImportsNothing[] = ": the platform's registry editor imports nothing from such a file";

DecodedText DecodeRegBytes(const std::string& bytes, int codePage) {
  DecodedText decoded;
  bool littleEndian = StartsWithBytes(bytes, "\xFF\xFE");
  if (littleEndian || StartsWithBytes(bytes, "\xFE\xFF")) {
    decoded.text = DecodeUtf16(bytes, 2, !littleEndian);
    decoded.source = RegTextSource::Utf16;
    if (!littleEndian) {
      decoded.reports.push_back({1, std::string("a UTF-16 big-endian byte-order mark") + kEditorImportsNothing});
    }
    if (bytes.size() % 2 != 0) {
      decoded.reports.push_back({LastLineNumber(decoded.text), "odd number of bytes in UTF-16 text: "
                                                               "the last byte is ignored"});
    }
    return decoded;
  }
  bool bom = StartsWithBytes(bytes, "\xEF\xBB\xBF");
  std::string body = bom ? bytes.substr(3) : bytes;
  bool utf8 = IsValidUtf8(body);
  decoded.text = utf8 ? FromUtf8(body) : DecodeCodePage(codePage, body);
  decoded.source = utf8 ? RegTextSource::Utf8 : RegTextSource::Ansi;
  if (bom) {
    decoded.reports.push_back({1, std::string("a UTF-8 byte-order mark") + kEditorImportsNothing +
                                      (utf8 ? "" : " (read here in code page " + std::to_string(codePage) +
                                                       ", as the bytes after it are not valid UTF-8)")});
  }
  return decoded;
}

// The platform's editor reads a file up to its first NUL character: the text
// of that line before the NUL is the last it reads. (In a file longer than
// the editor's read buffer it goes on at its next read, in the middle of some
// later line; the host does not imitate that and applies nothing after the NUL.)
void CutAtNul(DecodedText* decoded) {
  std::size_t nul = decoded->text.find(u'\0');
  if (nul == std::u16string::npos) return;
  std::u16string_view text = decoded->text;
  int line = LastLineNumber(text.substr(0, nul));
  std::size_t rest = SplitLines(text).size() - static_cast<std::size_t>(line - 1);
  decoded->reports.push_back({line, "a NUL character: the platform's registry editor stops reading the file "
                                    "here; the rest of the file (" + std::to_string(rest) +
                                    (rest == 1 ? " line" : " lines") + " from here) is not applied"});
  decoded->text.resize(nul);
}

bool ImportDecoded(MemoryRegistry& registry, DecodedText decoded, const std::string& source,
                   std::string* error, const RegImportOptions& options,
                   std::vector<std::string>* reports) {
  if (!IsKnownCodePage(options.codePage)) {
    SetError(error, source + ": unknown code page " + std::to_string(options.codePage) +
                        " (1250 to 1258 are known)");
    return false;
  }
  std::u16string_view text = decoded.text;
  if (!text.empty() && text[0] == 0xFEFF) text.remove_prefix(1);
  // Unless --strict may refuse the file at its end, each line is applied as
  // it is read (the header comes first: a file without one applies nothing).
  RegOperationSink applyAsRead;
  if (!options.strict) applyAsRead = [&registry](RegOperation&& op) { Apply(registry, op); };
  RegParseResult parsed = ParseRegText(text, decoded.source, options.codePage, applyAsRead);
  std::u16string().swap(decoded.text);
  if (!parsed.headerOk) {
    SetError(error, Located(source, parsed.headerError.line, parsed.headerError.what));
    return false;
  }
  std::vector<RegLineReport> all = decoded.reports;
  all.insert(all.end(), parsed.reports.begin(), parsed.reports.end());
  std::stable_sort(all.begin(), all.end(),
                   [](const RegLineReport& a, const RegLineReport& b) { return a.line < b.line; });
  if (options.strict && !all.empty()) {
    SetError(error, Located(source, all[0].line, all[0].what));
    return false;
  }
  for (RegOperation& op : parsed.operations) {
    Apply(registry, op);
    op = RegOperation{};
  }
  if (reports != nullptr) {
    for (const RegLineReport& report : all) reports->push_back(Located(source, report.line, report.what));
  }
  return true;
}

}  // namespace

bool ImportRegText(MemoryRegistry& registry, const std::u16string& text,
                   const std::string& sourceName, std::string* error,
                   const RegImportOptions& options, std::vector<std::string>* reports) {
  DecodedText decoded;
  decoded.text = text;
  decoded.source = RegTextSource::Utf16;
  CutAtNul(&decoded);
  return ImportDecoded(registry, std::move(decoded), sourceName, error, options, reports);
}

bool ImportRegBytes(MemoryRegistry& registry, const std::string& bytes,
                    const std::string& sourceName, std::string* error,
                    const RegImportOptions& options, std::vector<std::string>* reports) {
  DecodedText decoded = DecodeRegBytes(bytes, options.codePage);
  CutAtNul(&decoded);
  return ImportDecoded(registry, std::move(decoded), sourceName, error, options, reports);
}

bool ImportRegFile(MemoryRegistry& registry, const std::string& filePath, std::string* error,
                   const RegImportOptions& options, std::vector<std::string>* reports) {
  struct stat status {};
  if (::stat(filePath.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
    SetError(error, filePath + ": is a folder, not a .reg file");
    return false;
  }
  std::string bytes;
  if (!ReadRegularFile(filePath, &bytes, error, kLargestRegFile)) return false;
  DecodedText decoded = DecodeRegBytes(bytes, options.codePage);
  std::string().swap(bytes);  // the text is all that is read from here on
  CutAtNul(&decoded);
  return ImportDecoded(registry, std::move(decoded), filePath, error, options, reports);
}

bool ImportRegFiles(MemoryRegistry& registry, const std::vector<std::string>& filePaths,
                    const RegImportOptions& options, std::ostream& reports, std::string* error) {
  for (const std::string& file : filePaths) {
    std::vector<std::string> skipped;
    bool imported = ImportRegFile(registry, file, error, options, &skipped);
    for (const std::string& line : skipped) reports << line << "\n";
    if (!imported) return false;
  }
  return true;
}

}  // namespace pf::host
