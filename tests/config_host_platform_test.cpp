// The settings program's host stand-ins: device paths under the device root, folder searches, small-icon indexes, list and combo behaviour the program relies on, and the face list.
#include <filesystem>

#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using Texts = std::vector<std::u16string>;

std::vector<std::u16string> Search(const char16_t* pattern, std::vector<std::uint32_t>* attributes = nullptr) {
  std::vector<std::u16string> names;
  pf::WIN32_FIND_DATAW data;
  pf::FindHandle find = pf::FindFirstFileW(pattern, &data);
  if (find == pf::INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(data.cFileName);
    if (attributes) attributes->push_back(data.dwFileAttributes);
  } while (pf::FindNextFileW(find, &data));
  pf::FindClose(find);
  return names;
}

TEST_F(ConfigTest, HostDevicePathsMapUnderTheRootIgnoringCase) {
  DeviceFolder device;
  device.File("Windows/Clock.exe");
  device.File(".hidden");
  EXPECT_EQ(pf::GetFileAttributesW(u"\\Windows\\clock.exe"), pf::FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(pf::GetFileAttributesW(u"WINDOWS\\CLOCK.EXE"), pf::FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(pf::GetFileAttributesW(u"Windows\\"), pf::FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(pf::GetFileAttributesW(u".hidden"), pf::FILE_ATTRIBUTE_ARCHIVE | pf::FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(pf::GetFileAttributesW(u"Windows\\missing.exe"), pf::INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(pf::GetFileAttributesW(u"Windows\\Clock.exe\\x"), pf::INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(pf::GetFileAttributesW(u""), pf::INVALID_FILE_ATTRIBUTES);
  std::string mapped;
  ASSERT_TRUE(pf::host::HostFileSystem().ToHostPath(u"..\\..\\Windows\\..\\..\\etc", &mapped));
  EXPECT_EQ(mapped, pf::host::HostFileSystem().DeviceRoot() + "/etc") << "no way out of the root";
  pf::host::HostFileSystem().SetDeviceRoot("");
  EXPECT_EQ(pf::GetFileAttributesW(u"Windows\\Clock.exe"), pf::INVALID_FILE_ATTRIBUTES);
}

TEST_F(ConfigTest, HostFolderSearchesListDotsBelowTheTopAndMatchPatterns) {
  DeviceFolder device;
  device.File("Docs/b.TXT");
  device.File("Docs/a.exe");
  device.File("Docs/.secret");
  device.File("top.txt");
  std::vector<std::uint32_t> attributes;
  EXPECT_EQ(Search(u"Docs\\*.*", &attributes), (Texts{u".", u"..", u".secret", u"a.exe", u"b.TXT"}));
  EXPECT_EQ(attributes[0], pf::FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(attributes[2], pf::FILE_ATTRIBUTE_ARCHIVE | pf::FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Search(u"docs\\*.txt"), (Texts{u"b.TXT"}));
  EXPECT_EQ(Search(u"*.*"), (Texts{u"Docs", u"top.txt"})) << "the top folder has no dot entries";
  EXPECT_EQ(Search(u"Docs\\?.exe"), (Texts{u"a.exe"}));
  EXPECT_TRUE(Search(u"Nowhere\\*.*").empty());
  EXPECT_TRUE(Search(u"top.txt\\*.*").empty());
}

TEST_F(ConfigTest, HostSmallIconsAreOnePerExtensionAndFoldersShareOne) {
  DeviceFolder device;
  device.File("A/x.exe");
  device.File("A/y.EXE");
  device.File("A/z.lnk");
  pf::SHFILEINFOW info;
  auto index = [&](const char16_t* path) {
    info.iIcon = -7;
    std::uintptr_t list = pf::SHGetFileInfoW(path, 0, &info, sizeof(info), pf::SHGFI_SYSICONINDEX);
    return list == 0 ? -1 : info.iIcon;
  };
  EXPECT_EQ(index(u"A\\"), pf::host::HostFiles::kFolderIcon);
  EXPECT_EQ(index(u"A\\x.exe"), index(u"A\\y.EXE"));
  EXPECT_NE(index(u"A\\x.exe"), index(u"A\\z.lnk"));
  EXPECT_EQ(index(u"A\\missing.exe"), -1) << "a missing file has no icon";
  int before = pf::LiveDrawingObjects();
  pf::SHGetFileInfoW(u"", 0, &info, sizeof(info), pf::SHGFI_SYSICONINDEX | pf::SHGFI_SMALLICON | pf::SHGFI_ICON);
  ASSERT_FALSE(pf::IsNull(info.hIcon));
  EXPECT_EQ(pf::LiveDrawingObjects(), before + 1);
  pf::DestroyIcon(info.hIcon);
  EXPECT_EQ(pf::LiveDrawingObjects(), before);
}

TEST_F(ConfigTest, HostSingleSelectionListsReportEveryChange) {
  Start();
  Tab(1);
  Select("PagesList", 2);
  Select("PagesList", 4);
  std::vector<ShownRow> rows = Rows("PagesList");
  int selected = 0;
  for (const ShownRow& r : rows) selected += r.selected;
  EXPECT_EQ(selected, 1);
  EXPECT_TRUE(rows[4].selected);
  EXPECT_TRUE(Enabled("DownButton")) << "the program heard the new selection";
  Select("PagesList", 5);
  EXPECT_FALSE(Enabled("DownButton"));
  Select("PagesList", 17);  // a tap below the rows
  EXPECT_FALSE(Enabled("EditButton"));
  EXPECT_FALSE(Enabled("UpButton"));
}

TEST_F(ConfigTest, HostComboPrefixSearchWrapsAndIgnoresCase) {
  Start();
  pf::WindowHandle combo = H("ChoiceCombo");
  for (const char16_t* entry : {u"слева", u"Сверху", u"справа", u"снизу"}) pf::ComboBox_AddString(combo, entry);
  EXPECT_EQ(pf::ComboBox_SelectString(combo, -1, u"СП"), 2);
  EXPECT_EQ(pf::ComboBox_SelectString(combo, 2, u"с"), 3);
  EXPECT_EQ(pf::ComboBox_SelectString(combo, 3, u"С"), 0) << "from after start, round to the top";
  EXPECT_EQ(pf::ComboBox_SelectString(combo, -1, u"x"), pf::CB_ERR);
  EXPECT_EQ(pf::ComboBox_GetCurSel(combo), 0) << "a failed search leaves the selection";
  EXPECT_EQ(pf::ComboBox_SetCurSel(combo, 9), pf::CB_ERR);
  EXPECT_EQ(pf::ComboBox_GetCurSel(combo), -1);
}

TEST_F(ConfigTest, HostSpinsSitAtTheRightEndOfTheirBuddies) {
  Start();
  pf::RECT edit = Rect("RedEdit");
  pf::RECT spin = Rect("RedSpin");
  EXPECT_EQ(spin.left, edit.right);
  EXPECT_EQ(spin.right - spin.left, 16);
  EXPECT_EQ(spin.top, edit.top);
  EXPECT_EQ(edit.right - edit.left, (240 - 94) / 3 - 16) << "the buddy gives up the spin's width";
}

TEST_F(ConfigTest, TheFaceListIsTheSystemsInItsOrder) {
  pf::host::HostFontFamilyList().SetFaces({u"Wingdings", u"Tahoma", std::u16string(40, u'F')});
  Start();
  ASSERT_EQ(W("FaceCombo").entries.size(), 3u);
  EXPECT_EQ(U8(W("FaceCombo").entries[0]), "Wingdings");
  EXPECT_EQ(W("FaceCombo").entries[2], std::u16string(31, u'F')) << "a logical font holds 31 units";
}

}  // namespace
}  // namespace ostrel::testing
