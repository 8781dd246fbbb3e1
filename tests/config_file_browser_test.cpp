// The file browser on a real folder tree: its order, hidden entries, going up and in, taking a file, and paths that cannot be listed or are too long.
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using Texts = std::vector<std::u16string>;

class ConfigBrowserTest : public ConfigTest {
 protected:
  // The browser opened on the Wireless block's tap path.
  void BrowseTap(const std::u16string& tap) {
    SetText(u"Wireless", u"Tap", tap);
    Start();
    OpenPage(u"Беспр. связь");
    Open("WirelessList", 7);
  }
  std::u16string SelectedFile() const {
    for (const ShownRow& row : Rows("FileList")) {
      if (row.selected) return row.caption;
    }
    return u"<none>";
  }
};

TEST_F(ConfigBrowserTest, ListsTheParentRowFoldersThenFilesByExtensionAndName) {
  DeviceFolder device;
  for (const char* f : {"Docs/b.txt", "Docs/a.txt", "Docs/c.exe", "Docs/.secret", "Docs/.Hidden/x.txt"}) {
    device.File(f);
  }
  device.Folder("Docs/Zeta");
  BrowseTap(u"Docs\\a.txt");
  EXPECT_EQ(View().OpenEditor, 8);
  EXPECT_FALSE(Visible("EditorCaption"));
  EXPECT_TRUE(Visible("PathEdit"));
  EXPECT_EQ(U8(Text("PathEdit")), "Docs\\a.txt");
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Docs\\");
  EXPECT_EQ(Captions("FileList"), (Texts{u"..", u"Zeta", u"c.exe", u"a.txt", u"b.txt"}));
  std::vector<ShownRow> rows = Rows("FileList");
  EXPECT_EQ(U8(rows[0].value), "..");
  EXPECT_EQ(U8(rows[1].value), "[DIR]");
  EXPECT_EQ(U8(rows[2].value), "exe");
  EXPECT_EQ(rows[1].kind, pf::host::HostFiles::kFolderIcon);
  EXPECT_NE(rows[2].kind, rows[3].kind) << "one small icon per extension";
  EXPECT_EQ(U8(SelectedFile()), "a.txt");
  EXPECT_TRUE(Enabled("OpenButton"));
  EXPECT_EQ(store().CurrentCursor(), pf::CursorHandle(pf::IDC_ARROW));
  EXPECT_GE(store().WaitCursorShows(), 1);
}

TEST_F(ConfigBrowserTest, GoingUpSelectsTheFolderJustLeftAndTheTopHasNoParentRow) {
  DeviceFolder device;
  device.File("Docs/Zeta/inner.txt");
  device.File("top.exe");
  BrowseTap(u"Docs\\Zeta\\inner.txt");
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Docs\\Zeta\\");
  ASSERT_TRUE(DoubleTap("FileList", 0));
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Docs\\");
  EXPECT_EQ(U8(SelectedFile()), "Zeta");
  Select("FileList", 0);
  ASSERT_TRUE(Press("OpenButton"));
  EXPECT_EQ(U8(Text("FolderLabel")), "\\");
  EXPECT_EQ(Captions("FileList"), (Texts{u"Docs", u"top.exe"}));
  EXPECT_EQ(U8(SelectedFile()), "Docs");
  ASSERT_TRUE(DoubleTap("FileList", 0));  // and back in
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Docs\\");
  EXPECT_EQ(U8(Text("PathEdit")), "Docs\\Zeta\\inner.txt") << "browsing alone chooses nothing";
}

TEST_F(ConfigBrowserTest, ATakenFileIsStoredWithoutALeadingBackslash) {
  DeviceFolder device;
  device.File("Docs/c.exe");
  device.File("Docs/a.txt");
  BrowseTap(u"Docs\\a.txt");
  Select("FileList", 1);  // c.exe
  ASSERT_TRUE(Press("OpenButton"));
  EXPECT_EQ(U8(Text("PathEdit")), "Docs\\c.exe");
  EXPECT_EQ(View().OpenEditor, 8) << "nothing is applied before OK";
  Ok();
  EXPECT_EQ(U8(Value("WirelessList", 7)), "c.exe");
  Ok();
  Ok();
  EXPECT_EQ(U8(Str(u"Wireless", u"Tap")), "Docs\\c.exe");
}

TEST_F(ConfigBrowserTest, APathWithoutABackslashShowsWholeAndOpensTheTopFolder) {
  DeviceFolder device;
  device.File("clock.exe");
  device.Folder("Windows");
  BrowseTap(u"CLOCK.EXE");
  EXPECT_EQ(U8(Text("FolderLabel")), "\\");
  EXPECT_EQ(Captions("FileList"), (Texts{u"Windows", u"clock.exe"}));
  EXPECT_EQ(U8(SelectedFile()), "clock.exe") << "names match ignoring case";
  Cancel();
  EXPECT_EQ(U8(Value("WirelessList", 7)), "CLOCK.EXE");
}

TEST_F(ConfigBrowserTest, AFolderThatCannotBeListedShowsOnlyItsParentRow) {
  DeviceFolder device;
  device.File("Docs/a.txt");
  BrowseTap(u"Missing\\x.exe");
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Missing\\");
  EXPECT_EQ(Captions("FileList"), (Texts{u".."}));
  ASSERT_TRUE(DoubleTap("FileList", 0));
  EXPECT_EQ(Captions("FileList"), (Texts{u"Docs"}));
  EXPECT_EQ(U8(SelectedFile()), "<none>") << "the folder left does not exist";
  Ok();
  EXPECT_EQ(U8(Value("WirelessList", 7)), "x.exe");
}

TEST_F(ConfigBrowserTest, ReopeningOnTheSameFolderOnlySelects) {
  DeviceFolder device;
  device.File("Docs/a.txt");
  device.File("Docs/b.txt");
  BrowseTap(u"Docs\\a.txt");
  int listings = store().WaitCursorShows();
  Cancel();
  device.File("Docs/new.txt");
  Open("WirelessList", 7);
  EXPECT_EQ(store().WaitCursorShows(), listings);
  EXPECT_EQ(Captions("FileList"), (Texts{u"..", u"a.txt", u"b.txt"}));
  EXPECT_EQ(U8(SelectedFile()), "a.txt");
}

TEST_F(ConfigBrowserTest, PathsAtTheLengthLimitNeitherCrashNorGetCut) {
  DeviceFolder device;
  std::string deep = std::string(200, 'D') + "/" + std::string(50, 'E');
  device.File(deep + "/" + std::string(20, 'f') + ".exe");
  // 259 units: the longest path a setting holds.
  std::u16string longest = std::u16string(250, u'x') + u"\\name.exe";
  ASSERT_EQ(longest.size(), 259u);
  BrowseTap(longest);
  EXPECT_EQ(Text("PathEdit"), longest);
  EXPECT_EQ(Captions("FileList"), (Texts{u".."}));
  Ok();
  EXPECT_EQ(U8(Value("WirelessList", 7)), "name.exe");

  Open("WirelessList", 7);
  ASSERT_TRUE(DoubleTap("FileList", 0));  // up to the top folder
  Select("FileList", 0);
  Press("OpenButton");  // into the 200-unit folder
  Select("FileList", 1);
  Press("OpenButton");  // into the 50-unit folder: 252 units with its backslashes
  EXPECT_EQ(Text("FolderLabel"), u"\\" + std::u16string(200, u'D') + u"\\" + std::u16string(50, u'E') + u"\\");
  Select("FileList", 1);
  Press("OpenButton");  // the file would make a path of 276 units: nothing is taken
  EXPECT_EQ(U8(Text("PathEdit")), std::string(250, 'x') + "\\name.exe");
  Ok();
  Ok();
  Ok();
  EXPECT_EQ(Str(u"Wireless", u"Tap"), longest);
}

// Each row added is a change the list reports; looking for the selection
// after every one would read the whole list each time.
TEST_F(ConfigBrowserTest, AFolderOfManyFilesIsListedReadingEachRowsStateAFewTimesAtMost) {
  DeviceFolder device;
  constexpr int kFiles = 2000;
  for (int n = 0; n < kFiles; ++n) device.File("Many/f" + std::to_string(n) + ".txt");
  SetText(u"Wireless", u"Tap", u"Many\\f7.txt");
  Start();
  OpenPage(u"Беспр. связь");
  const long before = store().RowStateReads();
  Open("WirelessList", 7);
  const long reads = store().RowStateReads() - before;
  ASSERT_EQ(Rows("FileList").size(), kFiles + 1u);
  EXPECT_EQ(Captions("FileList")[2], u"f1.txt") << "then f10.txt, f100.txt, ...";
  EXPECT_EQ(U8(SelectedFile()), "f7.txt");
  EXPECT_TRUE(Enabled("OpenButton"));
  EXPECT_LE(reads, 4L * (kFiles + 1));
}

}  // namespace
}  // namespace ostrel::testing
