// The resources ostrelcfg.exe carries, read from the built file: strings, soft-key bar template, menu, density flag, program icon and manifest.
#include "tests/win/config/cfg_win_support.h"

#include <cstring>

namespace ostrel::cfgtest {
namespace {

class Resources : public ::testing::Test {
 protected:
  void SetUp() override {
    module = ::LoadLibraryExW(Paths().program.c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << "cannot read " << Utf8(Paths().program);
  }
  void TearDown() override {
    if (module != nullptr) ::FreeLibrary(module);
  }
  // The bytes of a resource; empty when it is missing.
  std::vector<std::uint8_t> Bytes(LPCWSTR name, LPCWSTR type) const {
    HRSRC found = ::FindResourceW(module, name, type);
    if (found == nullptr) return {};
    const auto* data = static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, found)));
    return std::vector<std::uint8_t>(data, data + ::SizeofResource(module, found));
  }
  std::wstring String(UINT id) const {
    wchar_t text[64] = {};
    ::LoadStringW(module, id, text, 64);
    return text;
  }
  HMODULE module = nullptr;
};

TEST_F(Resources, StringsMenuSoftKeyTemplateAndDensityFlagAreThoseTheProgramReads) {
  EXPECT_EQ(Utf8(String(1)), "Ostrel");
  EXPECT_EQ(Utf8(String(2)), "OSTRELCFG");
  EXPECT_EQ(Utf8(String(103)), "OK");
  EXPECT_EQ(Utf8(String(104)), "HELP");
  EXPECT_EQ(Utf8(String(204)), "Menu");
  EXPECT_EQ(Utf8(String(205)), "Cancel");

  const std::vector<std::uint8_t> bar = Bytes(MAKEINTRESOURCEW(102), RT_RCDATA);
  const std::uint16_t expected[] = {102,    2,     0xFFFE, 40000, 4,  0x10, 103, 0,
                                    0xFFFF, 0xFFFE, 40001, 4,     0x10, 205,  0,   0xFFFF};
  ASSERT_EQ(bar.size(), sizeof expected) << "sixteen 16-bit words";
  EXPECT_EQ(std::memcmp(bar.data(), expected, sizeof expected), 0);

  HMENU menu = ::LoadMenuW(module, MAKEINTRESOURCEW(102));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(::GetMenuItemCount(menu), 1);
  EXPECT_EQ(::GetMenuItemID(menu, 0), 0xFFFFu);
  wchar_t item[16] = {};
  ::GetMenuStringW(menu, 0, item, 16, MF_BYPOSITION);
  EXPECT_EQ(Utf8(item), "Menu");
  ::DestroyMenu(menu);

  const std::vector<std::uint8_t> flag = Bytes(L"HI_RES_AWARE", L"CEUX");
  ASSERT_EQ(flag.size(), 2u);
  EXPECT_EQ(flag[0] | flag[1] << 8, 1);
}

TEST_F(Resources, TheProgramIconHasSixSizesAndTheManifestAsksForCommonControlsSix) {
  const std::vector<std::uint8_t> group = Bytes(MAKEINTRESOURCEW(101), RT_GROUP_ICON);
  ASSERT_GE(group.size(), 6u);
  const int count = group[4] | group[5] << 8;
  ASSERT_EQ(count, 6);
  ASSERT_EQ(group.size(), 6u + 14u * count);
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* entry = group.data() + 6 + 14 * i;
    sizes.push_back(entry[0]);
    EXPECT_EQ(entry[6] | entry[7] << 8, 32) << "32-bit images with alpha";
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 96}));
  // The system picks the image of its icon size at either density.
  HICON icon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(101), IMAGE_ICON,
                                               ::GetSystemMetrics(SM_CXICON),
                                               ::GetSystemMetrics(SM_CYICON), 0));
  EXPECT_NE(icon, nullptr);
  if (icon != nullptr) ::DestroyIcon(icon);

  const std::vector<std::uint8_t> manifest = Bytes(MAKEINTRESOURCEW(1), RT_MANIFEST);
  const std::string text(manifest.begin(), manifest.end());
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}

}  // namespace
}  // namespace ostrel::cfgtest
