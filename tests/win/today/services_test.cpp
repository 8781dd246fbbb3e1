// The Win32 files and font-family services: device paths under the system drive, counted file icons, the installed faces.
#include "tests/win/today/today_support.h"

#include <algorithm>

namespace ostrel::todaytest {
namespace {

TEST(FilesService, DevicePathsNameFilesUnderTheSystemDrive) {
  pf::WIN32_FIND_DATAW found;
  const pf::FindHandle find = pf::FindFirstFileW(u"\\Windows\\notepad.*", &found);
  ASSERT_NE(static_cast<std::uintptr_t>(find), static_cast<std::uintptr_t>(-1));
  EXPECT_EQ(std::u16string(found.cFileName), u"notepad.exe");
  EXPECT_GT(found.nFileSizeLow, 0u);
  EXPECT_FALSE(pf::FindNextFileW(find, &found)) << "one file matches";
  EXPECT_TRUE(pf::FindClose(find));
  // With or without the leading backslash, as the device's paths come.
  EXPECT_TRUE(pf::GetFileAttributesW(u"Windows") & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(pf::GetFileAttributesW(u"\\Windows\\notepad.exe"),
            ::GetFileAttributesW(L"C:\\windows\\notepad.exe"));
  EXPECT_EQ(pf::GetFileAttributesW(u"\\Windows\\no-such-file.exe"), INVALID_FILE_ATTRIBUTES);
}

TEST(FilesService, FileIconsCountAsDrawingObjectsUntilDestroyed) {
  const int before = pf::LiveDrawingObjectCounts().icons;
  pf::SHFILEINFOW info;
  ASSERT_TRUE(pf::SHGetFileInfoW(u"\\Windows\\notepad.exe", 0, &info, sizeof info,
                                 SHGFI_ICON | SHGFI_SMALLICON));
  ASSERT_FALSE(pf::IsNull(info.hIcon));
  EXPECT_EQ(pf::LiveDrawingObjectCounts().icons, before + 1);
  EXPECT_TRUE(pf::DestroyIcon(info.hIcon));
  EXPECT_EQ(pf::LiveDrawingObjectCounts().icons, before);
  // The system image list and an icon index need no icon.
  pf::SHFILEINFOW index;
  EXPECT_NE(pf::SHGetFileInfoW(u"", 0, &index, sizeof index, SHGFI_SYSICONINDEX | SHGFI_SMALLICON), 0u);
  EXPECT_EQ(pf::LiveDrawingObjectCounts().icons, before);
}

int CollectFace(const pf::LOGFONTW* font, const void*, std::uint32_t, std::intptr_t faces) {
  reinterpret_cast<std::vector<std::u16string>*>(faces)->push_back(font->lfFaceName);
  return 1;
}

TEST(FontsService, FamiliesIncludeWinesTahoma) {
  std::vector<std::u16string> faces;
  const pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  EXPECT_EQ(pf::EnumFontFamiliesW(screen, nullptr, CollectFace, reinterpret_cast<std::intptr_t>(&faces)), 1);
  EXPECT_NE(std::find(faces.begin(), faces.end(), u"Tahoma"), faces.end());
  faces.clear();
  pf::EnumFontFamiliesW(screen, u"Tahoma", CollectFace, reinterpret_cast<std::intptr_t>(&faces));
  pf::ReleaseDC(pf::WindowHandle{}, screen);
  ASSERT_FALSE(faces.empty());
  EXPECT_EQ(faces.front(), u"Tahoma");
}

}  // namespace
}  // namespace ostrel::todaytest
