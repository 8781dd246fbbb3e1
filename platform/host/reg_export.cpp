// Export of the host registry as `.reg` text, and the file encodings it is written in.
#include <utility>
#include <vector>

#include "platform/host/reg_file.h"

#include "platform/host/host_file_io.h"
#include "platform/host/reg_text.h"
#include "platform/text.h"

namespace pf::host {

namespace {

using namespace regtext;

// ---------------------------------------------------------------- export

// A REG_SZ that a quoted string gives back exactly: whole UTF-16 units, one
// terminator at the end and no other NUL.
bool IsQuotableText(const std::vector<std::uint8_t>& data) {
  if (data.size() < 2 || data.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < data.size(); i += 2) {
    char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    bool last = i + 2 == data.size();
    if ((c == 0) != last) return false;
  }
  return true;
}

std::u16string UnitsOf(const std::vector<std::uint8_t>& data) {
  std::u16string text;
  for (std::size_t i = 0; i + 2 < data.size(); i += 2) {  // all but the terminator
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  return text;
}

std::u16string Quoted(const std::u16string& text) {
  std::u16string result = u"\"";
  for (char16_t c : text) {
    if (c == u'\\' || c == u'"') result.push_back(u'\\');
    if (c == u'\r' || c == u'\n') result.push_back(u'\\');
    result.push_back(c == u'\r' ? u'r' : c == u'\n' ? u'n' : c);
  }
  return result + u"\"";
}

// Hex bytes after head, as the platform's registry editor wraps them: after
// a byte's comma that brings the line to 77 characters or more, the line ends
// in a backslash and the next starts with two blanks (25 bytes on a continuation line).
void WriteHexList(std::u16string* out, std::u16string line, const std::vector<std::uint8_t>& data) {
  constexpr std::size_t kWrapAt = 77;
  for (std::size_t i = 0; i < data.size(); ++i) {
    line += ToHex(data[i], 2);
    if (i + 1 == data.size()) break;
    line += u",";
    if (line.size() >= kWrapAt) {
      *out += line + u"\\\n";
      line = u"  ";
    }
  }
  *out += line + u"\n";
}

void WriteValue(std::u16string* out, const RegValue& value) {
  std::u16string head = (value.name.empty() ? u"@" : Quoted(value.name)) + u"=";
  if (value.type == REG_SZ && IsQuotableText(value.data)) {
    *out += head + Quoted(UnitsOf(value.data)) + u"\n";
  } else if (value.type == REG_DWORD && value.data.size() == 4) {
    std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                           (static_cast<std::uint32_t>(value.data[3]) << 24);
    *out += head + u"dword:" + ToHex(number, 8) + u"\n";
  } else if (value.type == REG_BINARY) {
    WriteHexList(out, head + u"hex:", value.data);
  } else {
    WriteHexList(out, head + u"hex(" + ToHex(value.type, 1) + u"):", value.data);
  }
}

bool HasAny(const std::u16string& text, const std::u16string& forbidden) {
  return text.find_first_of(forbidden) != std::u16string::npos;
}

bool WriteValues(std::u16string* out, const std::u16string& path, const RegNode& node,
                 std::string* error) {
  *out += u"[" + path + u"]\n";
  for (const RegValue& value : node.Values()) {
    if (value.name.find(u'\0') != std::u16string::npos) {
      SetError(error, "cannot export value \"" + ToUtf8(value.name) + "\" of " + ToUtf8(path) +
                          ": its name holds a NUL");
      return false;
    }
    WriteValue(out, value);
  }
  *out += u"\n";
  return true;
}

// Writes the key (when writeHeader) and its sub-keys, depth first, keeping the
// keys still to write on a list rather than on the call stack.
bool WriteTree(std::u16string* out, const std::u16string& rootPath, const RegNode& root,
               bool writeHeader, std::string* error) {
  static const std::u16string kForbidden(u"\r\n\0\\", 4);
  std::vector<std::pair<std::u16string, const RegNode*>> pending{{rootPath, &root}};
  bool header = writeHeader;
  while (!pending.empty()) {
    auto [path, node] = std::move(pending.back());
    pending.pop_back();
    if (header && !WriteValues(out, path, *node, error)) return false;
    header = true;
    for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
      const RegNode& child = *it->second;
      if (HasAny(child.name, kForbidden) || child.name.empty()) {
        SetError(error, "cannot export a key of " + ToUtf8(path) +
                            ": its name is empty or holds a line break, NUL or backslash");
        return false;
      }
      pending.emplace_back(path + u"\\" + child.name, &child);
    }
  }
  return true;
}

}  // namespace

bool ExportRegText(const MemoryRegistry& registry, std::u16string* text, std::string* error) {
  std::u16string out = std::u16string(kHeaderV5) + u"\n\n";
  for (KeyHandle root : MemoryRegistry::kRoots) {
    const RegNode& node = registry.RootNode(root);
    if (!WriteTree(&out, MemoryRegistry::RootName(root), node, !node.Values().empty(), error)) {
      return false;
    }
  }
  *text = std::move(out);
  return true;
}

std::string EncodeRegText(const std::u16string& text, RegEncoding encoding) {
  if (encoding == RegEncoding::Utf8) return ToUtf8(text);
  std::string bytes = "\xFF\xFE";
  auto put = [&bytes](char16_t c) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  };
  for (char16_t c : text) {
    if (c == u'\n') put(u'\r');
    put(c);
  }
  return bytes;
}

bool ExportRegFile(const MemoryRegistry& registry, const std::string& path, std::string* error,
                   RegEncoding encoding) {
  std::u16string text;
  if (!ExportRegText(registry, &text, error)) return false;
  return WriteWholeFile(path, EncodeRegText(text, encoding), error);
}

}  // namespace pf::host
