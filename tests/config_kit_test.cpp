// The control kit's text rules and the file browser's path helpers and order, as plain functions.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/text.h"

namespace ostrel::cfg {
namespace {

std::string Font(const char16_t* face, int size, int bold, int clearType) {
  FontSpec font;
  pf::CopyText(font.FaceName, kPathCapacity, face);
  font.Size = size;
  font.Bold = bold;
  font.ClearType = clearType;
  char16_t text[300];
  FontText(font, text, 300);
  return pf::ToUtf8(text);
}

std::string Color(pf::COLORREF color) {
  char16_t text[16];
  ColourText(color, text, 16);
  return pf::ToUtf8(text);
}

TEST(ConfigKit, FontTextEndsWithBAndCAsTheyApply) {
  EXPECT_EQ(Font(u"Tahoma", 8, 0, 0), "Tahoma 8 ") << "neither: ends with the blank";
  EXPECT_EQ(Font(u"Tahoma", 30, 1, 1), "Tahoma 30 BC");
  EXPECT_EQ(Font(u"Arial", 7, 0, 5), "Arial 7 C");
  EXPECT_EQ(Font(u"Arial", -2, 9, 0), "Arial -2 B");
  // A face filling its whole field still gives a terminated text.
  std::u16string longFace(259, u'W');
  std::string text = Font(longFace.c_str(), 100, 1, 1);
  EXPECT_EQ(text.size(), 259u + 7u);
  EXPECT_EQ(text.substr(text.size() - 7), " 100 BC");
}

TEST(ConfigKit, ColourTextIsTheColorrefInUpperCaseHex) {
  EXPECT_EQ(Color(pf::RGB(255, 0, 0)), "0x000000FF");
  EXPECT_EQ(Color(0), "0x00000000");
  EXPECT_EQ(Color(0x8080FF), "0x008080FF");
  EXPECT_EQ(Color(pf::RGB(0x12, 0xAB, 0xCD)), "0x00CDAB12");
  EXPECT_EQ(Color(0xFF123456u), "0x00123456") << "the top byte is not a channel";
}

TEST(ConfigKit, DecimalsAreReadFromTheStartUpToTheFirstOtherCharacter) {
  EXPECT_EQ(ReadDecimal(u"42"), 42);
  EXPECT_EQ(ReadDecimal(u"  -17px"), -17);
  EXPECT_EQ(ReadDecimal(u"+5"), 5);
  EXPECT_EQ(ReadDecimal(u""), 0);
  EXPECT_EQ(ReadDecimal(u"abc"), 0);
  EXPECT_EQ(ReadDecimal(u"-"), 0);
  EXPECT_EQ(ReadDecimal(u"12 34"), 12);
  EXPECT_EQ(ReadDecimal(u"99999999999999999999"), INT_MAX);
  EXPECT_EQ(ReadDecimal(u"-2147483648"), INT_MIN);
  EXPECT_EQ(ReadDecimal(u"-99999999999999999999"), INT_MIN);
}

TEST(ConfigKit, ValueListsGiveRowTextsAndNothingOutside) {
  EXPECT_EQ(pf::ToUtf8(ListText(kMemoryDisplays, 0)), "%");
  EXPECT_EQ(pf::ToUtf8(kMemoryDisplays.Entries[0]), "% (занято)");
  EXPECT_EQ(pf::ToUtf8(ListText(kDatePlacements, 4)), "снизу");
  EXPECT_EQ(ListText(kTapTypes, 3), nullptr);
  EXPECT_EQ(ListText(kTapTypes, -1), nullptr);
  EXPECT_EQ(pf::ToUtf8(ListText(kIconSizes, 0)), "маленькие");
}

std::string Folder(const char16_t* path) {
  char16_t out[pf::MAX_PATH];
  FolderOf(path, out, pf::MAX_PATH);
  return pf::ToUtf8(out);
}

std::string Parent(const char16_t* folder) {
  char16_t out[pf::MAX_PATH];
  ParentFolder(folder, out, pf::MAX_PATH);
  return pf::ToUtf8(out);
}

TEST(ConfigKit, PathHelpersSplitAtTheLastBackslashAndDot) {
  EXPECT_EQ(Folder(u"Windows\\clock.exe"), "Windows\\");
  EXPECT_EQ(Folder(u"A\\B\\c"), "A\\B\\");
  EXPECT_EQ(Folder(u"clock.exe"), "");
  EXPECT_EQ(Parent(u"A\\B\\"), "A\\");
  EXPECT_EQ(Parent(u"A\\"), "");
  EXPECT_EQ(Parent(u""), "");
  EXPECT_EQ(pf::ToUtf8(FileNameOf(u"A\\B\\c.txt")), "c.txt");
  EXPECT_EQ(pf::ToUtf8(FileNameOf(u"c.txt")), "c.txt");
  EXPECT_EQ(pf::ToUtf8(FileNameOf(u"A\\")), "");
  EXPECT_EQ(pf::ToUtf8(ExtensionOf(u"archive.tar.gz")), "gz");
  EXPECT_EQ(pf::ToUtf8(ExtensionOf(u"README")), "");
  EXPECT_EQ(pf::ToUtf8(ExtensionOf(u".profile")), "profile");
}

int Compare(const char16_t* name1, const char16_t* value1, const char16_t* name2, const char16_t* value2) {
  return CompareFileRows({name1, value1}, {name2, value2});
}

TEST(ConfigKit, FileRowsSortParentFoldersThenFilesByExtensionAndName) {
  EXPECT_EQ(Compare(u"..", u"..", u"Zeta", u"[DIR]"), -1);
  EXPECT_EQ(Compare(u"a", u"[DIR]", u"..", u".."), 1);
  EXPECT_EQ(Compare(u"Zeta", u"[DIR]", u"a.txt", u"txt"), -1);
  EXPECT_EQ(Compare(u"c.exe", u"exe", u"a.txt", u"txt"), -1) << "extension before name";
  EXPECT_EQ(Compare(u"b.txt", u"txt", u"a.TXT", u"TXT"), 1) << "case is ignored";
  EXPECT_EQ(Compare(u"Файл", u"[DIR]", u"файл", u"[DIR]"), 0) << "Cyrillic folds too";
  EXPECT_EQ(Compare(u"alpha", u"[DIR]", u"Beta", u"[DIR]"), -1);
  EXPECT_EQ(Compare(u"noext", u"", u"a.exe", u"exe"), -1) << "no extension sorts first";
}

}  // namespace
}  // namespace ostrel::cfg
