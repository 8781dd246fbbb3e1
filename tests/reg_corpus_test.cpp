// The .reg corpus of tests/data/reg: what each file gives and reports (the Windows-side test checks the same against the platform's editor).
#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/host/reg_file.h"
#include "platform/text.h"

namespace pf::host {
namespace {

const std::string kCorpus = std::string(OSTREL_SOURCE_DIR) + "/tests/data/reg/";

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(kCorpus.c_str())) {
    while (dirent* entry = ::readdir(dir)) {
      std::string name = entry->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".reg") == 0) names.push_back(name);
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Escaped(const std::u16string& name) {
  std::string out;
  for (char c : ToUtf8(name)) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

std::vector<RegValue> SortedValues(const RegNode& node) {
  std::vector<RegValue> values(node.Values().begin(), node.Values().end());
  std::sort(values.begin(), values.end(),
            [](const RegValue& a, const RegValue& b) { return FoldLess()(a.name, b.name); });
  return values;
}

// The corpus key as text: each key's path, then its values in name order
// (type and bytes in hex), then its sub-keys; the same form as the
// Windows-side test writes for the platform's registry.
void DumpKey(std::ostringstream& out, const std::u16string& path, const RegNode& node) {
  out << "[" << Escaped(path) << "]\n";
  for (const RegValue& value : SortedValues(node)) {
    out << "\"" << Escaped(value.name) << "\" " << std::hex << value.type << " ";
    for (std::uint8_t b : value.data) out << "0123456789abcdef"[b >> 4] << "0123456789abcdef"[b & 15];
    out << std::dec << "\n";
  }
  for (const auto& [name, child] : node.children) {
    DumpKey(out, path + u"\\" + child->name, *child);
  }
}

std::string DumpCorpusKey(MemoryRegistry& registry) {
  std::ostringstream out;
  if (RegNode* node = registry.FindKey(HKEY_CURRENT_USER, u"Software\\OstrelCorpus")) {
    DumpKey(out, u"", *node);
  }
  return out.str();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

TEST(RegCorpus, EachFileGivesItsExpectedRegistryAndReportsOnlyWhatItSkips) {
  std::vector<std::string> files = CorpusFiles();
  ASSERT_GE(files.size(), 15u);
  bool write = std::getenv("OSTREL_WRITE_REG_EXPECTED") != nullptr;
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    MemoryRegistry registry;
    std::string error;
    std::vector<std::string> reports;
    ASSERT_TRUE(ImportRegFile(registry, kCorpus + name, &error, {}, &reports)) << error;
    bool reported = StartsWith(name, "skips-") || StartsWith(name, "differs-") || StartsWith(name, "unread-");
    EXPECT_EQ(!reports.empty(), reported) << (reports.empty() ? "" : reports[0]);
    for (const std::string& report : reports) EXPECT_EQ(report.rfind(kCorpus + name + ":", 0), 0u);
    RegImportOptions strict;
    strict.strict = true;
    MemoryRegistry refused;
    EXPECT_EQ(ImportRegFile(refused, kCorpus + name, &error, strict), !reported);
    std::string expectedPath = kCorpus + name.substr(0, name.find('.')) + ".expected";
    std::string dump = DumpCorpusKey(registry);
    if (write && name.find('.') + 4 == name.size()) std::ofstream(expectedPath, std::ios::binary) << dump;
    EXPECT_EQ(dump, ReadFile(expectedPath));
  }
}

}  // namespace
}  // namespace pf::host
