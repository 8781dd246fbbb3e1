// The .reg corpus of tests/data/reg imported by the platform's registry editor: each file it reads as the host does gives the registry the host import gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ostrel::wintest {
namespace {

constexpr wchar_t kCorpusKey[] = L"Software\\OstrelCorpus";

std::wstring CorpusFolder() {
  std::wstring path = L"Z:";
  for (const char* p = OSTREL_REG_CORPUS; *p != 0; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return path + L"\\";
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return "";
  int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr,
                        nullptr);
  return out;
}

// Registry names compare ignoring the case of ASCII and Cyrillic letters.
std::wstring Folded(std::wstring text) {
  for (wchar_t& c : text) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0x0410 && c <= 0x042F)) c = static_cast<wchar_t>(c + 32);
    else if (c >= 0x0400 && c <= 0x040F) c = static_cast<wchar_t>(c + 80);
  }
  return text;
}

bool FoldedLess(const std::wstring& a, const std::wstring& b) { return Folded(a) < Folded(b); }

std::string Escaped(const std::wstring& name) {
  std::string out;
  for (char c : Utf8(name)) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

struct Value {
  std::wstring name;
  DWORD type = 0;
  std::vector<BYTE> data;
};

std::vector<Value> ValuesOf(HKEY key) {
  DWORD count = 0, nameLength = 0, dataSize = 0;
  ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &nameLength,
                     &dataSize, nullptr, nullptr);
  std::vector<Value> values;
  for (DWORD i = 0; i < count; ++i) {
    std::wstring name(nameLength + 1, L'\0');
    std::vector<BYTE> data(dataSize + 1);
    DWORD length = nameLength + 1, size = dataSize + 1, type = 0;
    if (::RegEnumValueW(key, i, &name[0], &length, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
    data.resize(size);
    values.push_back({name.substr(0, length), type, data});
  }
  std::sort(values.begin(), values.end(), [](const Value& a, const Value& b) { return FoldedLess(a.name, b.name); });
  return values;
}

std::vector<std::wstring> SubKeysOf(HKEY key) {
  std::vector<std::wstring> names;
  for (DWORD i = 0;; ++i) {
    wchar_t name[512];
    DWORD length = 512;
    if (::RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  std::sort(names.begin(), names.end(), FoldedLess);
  return names;
}

// The same text as the host test makes of its registry: each key's path, its
// values in name order (type and bytes in hex), then its sub-keys.
void DumpKey(std::ostringstream& out, const std::wstring& path, HKEY key) {
  out << "[" << Escaped(path) << "]\n";
  for (const Value& value : ValuesOf(key)) {
    out << "\"" << Escaped(value.name) << "\" " << std::hex << value.type << " ";
    for (BYTE b : value.data) out << "0123456789abcdef"[b >> 4] << "0123456789abcdef"[b & 15];
    out << std::dec << "\n";
  }
  for (const std::wstring& name : SubKeysOf(key)) {
    HKEY child = nullptr;
    if (::RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    DumpKey(out, path + L"\\" + name, child);
    ::RegCloseKey(child);
  }
}

std::string DumpCorpusKey() {
  std::ostringstream out;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kCorpusKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    DumpKey(out, L"", key);
    ::RegCloseKey(key);
  }
  return out.str();
}

int RunEditor(const std::wstring& file) {
  std::wstring line = L"regedit.exe /S \"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return -1;
  }
  DWORD code = 255;
  if (::WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0) ::GetExitCodeProcess(info.hProcess, &code);
  else ::TerminateProcess(info.hProcess, 255);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return static_cast<int>(code);
}

std::string ReadFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The corpus files whose names start with prefix (all but "differs-", which
// the editor reads otherwise or is fatal to it), without "NAME.ENCODING.reg"
// (an encoding the editor reads differently; the host test holds it to
// NAME.expected).
std::vector<std::wstring> CorpusFiles(bool unread) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE find = ::FindFirstFileW((CorpusFolder() + L"*.reg").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = found.cFileName;
    bool isUnread = name.rfind(L"unread-", 0) == 0;
    if (name.rfind(L"differs-", 0) != 0 && isUnread == unread && name.find(L'.') == name.size() - 4) {
      names.push_back(name);
    }
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// The registry the editor leaves after importing the file into an empty corpus key.
std::string ImportedByTheEditor(const std::wstring& name) {
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kCorpusKey);
  EXPECT_EQ(RunEditor(CorpusFolder() + name), 0);
  std::string dump = DumpCorpusKey();
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kCorpusKey);
  return dump;
}

TEST(RegCorpusUnderTheEditor, EachFileGivesTheRegistryTheHostImportGives) {
  std::vector<std::wstring> files = CorpusFiles(false);
  ASSERT_GE(files.size(), 16u);
  for (const std::wstring& name : files) {
    SCOPED_TRACE(Utf8(name));
    std::wstring expected = CorpusFolder() + name.substr(0, name.size() - 4) + L".expected";
    EXPECT_EQ(ImportedByTheEditor(name), ReadFile(expected));
  }
}

// The host reads these files with a report that says the editor does not.
TEST(RegCorpusUnderTheEditor, FilesReportedAsUnreadGiveNothing) {
  std::vector<std::wstring> files = CorpusFiles(true);
  ASSERT_GE(files.size(), 3u);
  for (const std::wstring& name : files) {
    SCOPED_TRACE(Utf8(name));
    EXPECT_EQ(ImportedByTheEditor(name), "");
  }
}

}  // namespace
}  // namespace ostrel::wintest
