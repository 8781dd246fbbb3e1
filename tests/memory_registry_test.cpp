// Tests of the host registry's limits, name lookup and handling of very deep and very wide trees.
#include "platform/host/memory_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/host/reg_file.h"

namespace pf::host {
namespace {

std::u16string Repeat(char16_t c, std::size_t count) { return std::u16string(count, c); }

std::u16string Numbered(const char16_t* prefix, int number) {
  std::string digits = std::to_string(number);
  return prefix + std::u16string(digits.begin(), digits.end());
}

std::u16string Nested(int levels) {
  std::u16string path = u"Software";
  for (int i = 1; i < levels; ++i) path += u"\\k";
  return path;
}

TEST(MemoryRegistryLimits, NamesAndDepthPastTheLimitsFailAsOnThePlatform) {
  MemoryRegistry r;
  KeyHandle key{};
  std::uint32_t disposition = 0;
  auto create = [&](const std::u16string& path, KeyHandle root = HKEY_CURRENT_USER) {
    long result = r.RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                    &disposition);
    if (result == ERROR_SUCCESS) r.RegCloseKey(key);
    return result;
  };
  EXPECT_EQ(create(Repeat(u'k', 255)), ERROR_SUCCESS);
  EXPECT_EQ(create(Repeat(u'k', 256)), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(r.RegOpenKeyExW(HKEY_CURRENT_USER, Repeat(u'k', 256).c_str(), 0, KEY_READ, &key),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(create(Nested(512)), ERROR_SUCCESS);
  EXPECT_EQ(create(Nested(513)), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(r.FindKey(HKEY_CURRENT_USER, Nested(513)), nullptr);
  // Counted from the root, also through a handle to a deep key.
  ASSERT_EQ(r.RegOpenKeyExW(HKEY_CURRENT_USER, Nested(510).c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  KeyHandle deep = key;
  EXPECT_EQ(create(u"a\\b", deep), ERROR_SUCCESS);
  EXPECT_EQ(create(u"a\\b\\c", deep), ERROR_INVALID_PARAMETER);
  std::uint32_t one = 1;
  auto bytes = reinterpret_cast<const std::uint8_t*>(&one);
  EXPECT_EQ(r.RegSetValueExW(deep, Repeat(u'v', 16383).c_str(), 0, REG_DWORD, bytes, 4), ERROR_SUCCESS);
  EXPECT_EQ(r.RegSetValueExW(deep, Repeat(u'v', 16384).c_str(), 0, REG_DWORD, bytes, 4),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(r.RegQueryValueExW(deep, Repeat(u'v', 16384).c_str(), nullptr, nullptr, nullptr, nullptr),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(r.RegDeleteValueW(deep, Repeat(u'v', 16384).c_str()), ERROR_FILE_NOT_FOUND);
  r.RegCloseKey(deep);
}

TEST(MemoryRegistryLookup, ValuesAreFoundInAnyCaseAndKeepTheOrderFirstWritten) {
  MemoryRegistry r;
  RegNode& node = r.CreateKey(HKEY_CURRENT_USER, u"Software\\Vekta");
  node.SetValue(u"Name", REG_SZ, {1});
  node.SetValue(u"Имя", REG_SZ, {2});
  node.SetValue(u"Last", REG_SZ, {3});
  node.SetValue(u"NAME", REG_DWORD, {4});  // replaces, keeping the first name
  ASSERT_TRUE(node.FindValue(u"name"));
  EXPECT_EQ(node.FindValue(u"nAmE")->name, u"Name");
  EXPECT_EQ(node.FindValue(u"nAmE")->type, REG_DWORD);
  EXPECT_EQ(node.FindValue(u"ИМЯ")->data, std::vector<std::uint8_t>{2});
  EXPECT_TRUE(node.RemoveValue(u"имя"));
  EXPECT_FALSE(node.RemoveValue(u"имя"));
  node.SetValue(u"имя", REG_SZ, {5});
  std::vector<std::u16string> order;
  for (const RegValue& value : node.Values()) order.push_back(value.name);
  EXPECT_EQ(order, (std::vector<std::u16string>{u"Name", u"Last", u"имя"}));
  EXPECT_NE(r.FindKey(HKEY_CURRENT_USER, u"SOFTWARE\\vekta"), nullptr);
}

// A query copies exactly the stored bytes, says how many when the buffer is
// short (ERROR_MORE_DATA) and leaves a buffer alone for a missing value.
TEST(MemoryRegistryLookup, QueriesGiveTheStoredSizeTypeAndBytes) {
  MemoryRegistry r;
  r.SetValue(HKEY_CURRENT_USER, u"Software\\Q", u"Odd", REG_BINARY, {1, 2, 3});
  r.SetValue(HKEY_CURRENT_USER, u"Software\\Q", u"Empty", REG_SZ, {});
  KeyHandle key{};
  ASSERT_EQ(r.RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Q", 0, KEY_READ, &key), ERROR_SUCCESS);
  std::uint8_t buffer[4] = {9, 9, 9, 9};
  std::uint32_t type = 0, size = 2;
  EXPECT_EQ(r.RegQueryValueExW(key, u"odd", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(buffer[0], 9);
  size = 0;
  EXPECT_EQ(r.RegQueryValueExW(key, u"ODD", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(r.RegQueryValueExW(key, u"Odd", nullptr, &type, buffer, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_BINARY);
  EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 4), (std::vector<std::uint8_t>{1, 2, 3, 9}));
  size = 4;
  EXPECT_EQ(r.RegQueryValueExW(key, u"Empty", nullptr, &type, buffer, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(type, REG_SZ);
  size = 4;
  EXPECT_EQ(r.RegQueryValueExW(key, u"Missing", nullptr, &type, buffer, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(size, 4u);
  r.RegCloseKey(key);
}

// 10^5 values written, read and deleted through the registry functions: with
// a scan per lookup this would take minutes.
TEST(MemoryRegistryLookup, ManyValuesAreWrittenReadAndDeletedOneLookupEach) {
  MemoryRegistry r;
  KeyHandle key{};
  ASSERT_EQ(r.RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Wide", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
            ERROR_SUCCESS);
  constexpr int kCount = 100000;
  for (int i = 0; i < kCount; ++i) {
    std::uint32_t v = static_cast<std::uint32_t>(i);
    std::u16string name = Numbered(u"FileName", i);
    ASSERT_EQ(r.RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<std::uint8_t*>(&v), 4),
              ERROR_SUCCESS);
  }
  for (int i = kCount - 1; i >= 0; --i) {
    std::uint32_t v = 0, size = 4;
    std::u16string name = Numbered(u"FILENAME", i);
    ASSERT_EQ(r.RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<std::uint8_t*>(&v),
                                 &size),
              ERROR_SUCCESS);
    ASSERT_EQ(v, static_cast<std::uint32_t>(i));
    if (i % 2 == 0) {
      ASSERT_EQ(r.RegDeleteValueW(key, name.c_str()), ERROR_SUCCESS);
    }
  }
  EXPECT_EQ(r.FindKey(HKEY_CURRENT_USER, u"Software\\Wide")->Values().size(), kCount / 2u);
  r.RegCloseKey(key);
}

// A key nested 30,000 levels deep is compared, deleted and freed without a
// call per level (a recursive teardown overflows the stack long before).
TEST(MemoryRegistryDepth, VeryDeepTreesAreComparedDeletedAndFreedWithoutRecursion) {
  std::u16string path = u"Software";
  for (int i = 0; i < 30000; ++i) path += u"\\d";
  {
    MemoryRegistry a, b;
    a.SetDword(HKEY_CURRENT_USER, path, u"bottom", 1);
    b.SetDword(HKEY_CURRENT_USER, path, u"bottom", 1);
    EXPECT_TRUE(a.SameTree(b));
    b.SetDword(HKEY_CURRENT_USER, path, u"bottom", 2);
    EXPECT_FALSE(a.SameTree(b));
    // A handle keeps its key alive after the tree above it is deleted.
    KeyHandle key{};
    ASSERT_EQ(b.RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\d\\d\\d", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_TRUE(b.DeleteKey(HKEY_CURRENT_USER, u"Software\\d"));
    std::uint32_t v = 7;
    EXPECT_EQ(b.RegSetValueExW(key, u"x", 0, REG_DWORD, reinterpret_cast<std::uint8_t*>(&v), 4),
              ERROR_SUCCESS);
    b.RegCloseKey(key);
  }
  MemoryRegistry r;
  r.CreateKey(HKEY_CURRENT_USER, Nested(3000));
  std::u16string text;
  std::string error;
  ASSERT_TRUE(ExportRegText(r, &text, &error)) << error;
  EXPECT_NE(text.find(u"[HKEY_CURRENT_USER\\" + Nested(3000) + u"]\n"), std::u16string::npos);
}

}  // namespace
}  // namespace pf::host
