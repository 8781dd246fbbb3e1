// Controls that refuse a call: the file browser's listing, the Pages list's rows, editors whose text cannot be read, and the Today screen's reload broadcast.
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using Texts = std::vector<std::u16string>;

class FailingControlsTest : public ConfigTest {
 protected:
  // Thirty files and a folder beside the Wireless block's tap, the browser
  // open on it.
  void BrowseFolderOfThirty(DeviceFolder& device) {
    for (int n = 0; n < 30; ++n) device.File("Docs/f" + std::to_string(n) + ".txt");
    device.File("Docs/Inner/b.exe");
    device.File("Docs/Inner/a.txt");
    device.File("Docs/Inner/c.exe");
    SetText(u"Wireless", u"Tap", u"Docs\\f1.txt");
    Start();
    OpenPage(u"Беспр. связь");
    Open("WirelessList", 7);
    ASSERT_EQ(Rows("FileList").size(), 32u);
  }
  void EnterInner() {
    ASSERT_EQ(Captions("FileList")[1], u"Inner");
    ASSERT_TRUE(DoubleTap("FileList", 1));
  }
};

TEST_F(FailingControlsTest, ABrowserListThatCannotBeClearedAtOnceIsClearedRowByRow) {
  DeviceFolder device;
  BrowseFolderOfThirty(device);
  store().FailNextCalls("ListView_DeleteAllItems", 1);
  EnterInner();
  EXPECT_EQ(Captions("FileList"), (Texts{u"..", u"b.exe", u"c.exe", u"a.txt"}));
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Docs\\Inner\\");
}

TEST_F(FailingControlsTest, ABrowserListThatCannotBeClearedKeepsShowingItsFolder) {
  DeviceFolder device;
  BrowseFolderOfThirty(device);
  store().FailNextCalls("ListView_DeleteAllItems", 1);
  store().FailNextCalls("ListView_DeleteItem", 1000);
  EnterInner();
  EXPECT_EQ(Rows("FileList").size(), 32u);
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Docs\\") << "label and rows name the same folder";
  store().FailNextCalls("ListView_DeleteItem", 0);
  EnterInner();
  EXPECT_EQ(Captions("FileList"), (Texts{u"..", u"b.exe", u"c.exe", u"a.txt"}));
}

TEST_F(FailingControlsTest, ARowThatCannotBeAddedLeavesTheOthersSorted) {
  DeviceFolder device;
  BrowseFolderOfThirty(device);
  store().FailNextCalls("ListView_InsertItem", 1);  // the parent row
  EnterInner();
  EXPECT_EQ(Captions("FileList"), (Texts{u"b.exe", u"c.exe", u"a.txt"}));
  ASSERT_TRUE(DoubleTap("FileList", 2));
  EXPECT_EQ(U8(Text("PathEdit")), "Docs\\Inner\\a.txt") << "each row still names its own file";
}

// Date moved up twice and Calendar hidden; the list never gives a row's
// kind back, however often it is asked.
TEST_F(FailingControlsTest, PagesMovedWhileTheListCannotBeReadSaveAPermutation) {
  Start();
  Tab(1);
  store().FailNextCalls("ListView_GetItem", 1000);
  Select("PagesList", 2);  // Date
  Press("UpButton");
  Press("UpButton");
  Check("PagesList", 3, false);  // Calendar
  Ok();
  ASSERT_TRUE(Closed());
  const std::vector<std::pair<const char16_t*, int>> orders = {
      {u"Date", 0}, {u"Wireless", 1}, {u"Time", 2}, {u"Calendar", 3}, {u"Launcher", 4}, {u"SysInfo", 5}};
  for (const auto& [block, order] : orders) {
    EXPECT_EQ(Int(block, u"Order"), order) << U8(block);
    EXPECT_EQ(Int(block, u"Visible"), block == std::u16string(u"Calendar") ? 0 : 1) << U8(block);
  }
}

TEST_F(FailingControlsTest, AnEditorWhoseTextCannotBeReadStoresNothingAndStaysOpen) {
  SetInt(u"Date", u"Height", 30);
  Start();
  OpenPage(u"Дата");
  Open("DateList", 0);
  Type("LeftEdit", u"21");
  store().FailNextCalls("GetWindowTextW", 1);
  Ok();
  EXPECT_EQ(View().OpenEditor, 5) << "the number editor stays open";
  EXPECT_EQ(U8(Value("DateList", 0)), "30");
  Ok();
  EXPECT_EQ(View().OpenEditor, -1);
  EXPECT_EQ(U8(Value("DateList", 0)), "21");

  // The margins read all four edits before storing any of them.
  Ok();
  Tab(0);
  Open("GeneralList", 2);
  Type("LeftEdit", u"5");
  Type("BottomEdit", u"9");
  store().FailNextCalls("GetWindowTextW", 1, 3);
  Ok();
  EXPECT_EQ(View().OpenEditor, 6);
  EXPECT_EQ(U8(Value("GeneralList", 2)), "10,2,10,2");
  Ok();
  EXPECT_EQ(U8(Value("GeneralList", 2)), "5,2,10,9");
  Ok();
  EXPECT_EQ(Int(u"", u"MarginLeft"), 5);
  EXPECT_EQ(Int(u"", u"MarginBottom"), 9);
  EXPECT_EQ(Int(u"Date", u"Height"), 21);
}

TEST_F(FailingControlsTest, EditorsThatCannotBeReadKeepFontsFormatsAndPaths) {
  SetText(u"Date", u"Format1", u"dd");
  SetText(u"Launcher", u"FileName1", u"a.exe");
  Start();
  OpenPage(u"Дата");
  Open("DateList", 1);  // the first font
  store().FailNextCalls("GetWindowTextW", 1);  // its face
  const std::u16string font = Value("DateList", 1);
  Ok();
  EXPECT_EQ(View().OpenEditor, 1);
  EXPECT_EQ(Value("DateList", 1), font);
  Ok();
  Open("DateList", 3);  // Format1
  Type("FormatEdit", u"");
  store().FailNextCalls("GetWindowTextW", 1);
  Ok();
  EXPECT_EQ(View().OpenEditor, 3);
  EXPECT_EQ(U8(Value("DateList", 3)), "dd");
  Ok();
  EXPECT_EQ(U8(Value("DateList", 3)), "") << "an empty format is a value";
  Ok();

  OpenPage(u"Запуск");
  Select("LauncherList", 0);
  Press("EditButton");
  Type("PathEdit", u"b.exe");
  store().FailNextCalls("GetWindowTextW", 1);
  Ok();
  EXPECT_EQ(View().OpenEditor, 8) << "the path editor stays open";
  Ok();
  Ok();
  Ok();
  EXPECT_EQ(Str(u"Launcher", u"FileName1"), u"b.exe");
  EXPECT_EQ(Str(u"Date", u"Format1"), u"");
}

TEST_F(FailingControlsTest, AReadThatFailsAsAnEmptyTextIsMadeAgain) {
  Start();
  OpenPage(u"Дата");
  Open("DateList", 0);
  Type("LeftEdit", u"21");
  store().FailNextCalls("GetWindowTextW as empty", 1);
  Ok();
  EXPECT_EQ(View().OpenEditor, -1);
  EXPECT_EQ(U8(Value("DateList", 0)), "21");
}

TEST_F(FailingControlsTest, AFailedBroadcastIsSentAgainOnceAndThenShown) {
  Start();
  store().FailNextCalls("PostMessageW", 1);
  Ok();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(store().Broadcasts().size(), 1u);
  EXPECT_TRUE(store().MessageBoxes().empty());

  store().Reset();
  Start();
  store().FailNextCalls("PostMessageW", 2);
  Ok();
  EXPECT_TRUE(Closed()) << "the settings are saved";
  EXPECT_TRUE(store().Broadcasts().empty());
  EXPECT_EQ(store().MessageBoxes(),
            (std::vector<std::u16string>{u"Настройки сохранены, но экран «Сегодня» не обновлён."}));
  EXPECT_EQ(Int(u"Time", u"Order"), 1);
}

// Row i of the shortcut list shows entry i, whichever call the list refuses.
TEST_F(FailingControlsTest, ShortcutRowsThatCannotBeAddedOrRemovedKeepTheirEntries) {
  for (const char16_t* name : {u"FileName1", u"FileName2", u"FileName3"}) {
    SetText(u"Launcher", name, std::u16string(u"app") + name[8] + u".exe");
  }
  Start();
  OpenPage(u"Запуск");
  store().FailNextCalls("ListView_DeleteItem", 2);
  Select("LauncherList", 0);
  Press("RemoveButton");
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"app1.exe", u"app2.exe", u"app3.exe"}));
  store().FailNextCalls("ListView_DeleteItem", 1);
  Select("LauncherList", 0);
  Press("RemoveButton");
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"app2.exe", u"app3.exe"})) << "a single refusal is asked again";

  Press("AddButton");
  Type("PathEdit", u"new.exe");
  store().FailNextCalls("ListView_InsertItem", 1);
  Ok();
  EXPECT_EQ(View().OpenEditor, 7) << "the new shortcut's editor stays open";
  Ok();
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"app2.exe", u"app3.exe", u"new.exe"}));
  Select("LauncherList", 1);
  Press("RemoveButton");
  Ok();
  Ok();
  EXPECT_EQ(Str(u"Launcher", u"FileName1"), u"app2.exe");
  EXPECT_EQ(Str(u"Launcher", u"FileName2"), u"new.exe");
  EXPECT_FALSE(Has(u"Launcher", u"FileName3"));
}

// Row i of every settings list shows setting i (and of the Pages list block
// i), whichever row the list refused at the start.
TEST_F(FailingControlsTest, ARowRefusedAtTheStartIsAddedWhenTheListIsFilledAgain) {
  const char* lists[] = {"GeneralList", "PagesList", "WirelessList", "TimeList", "DateList",
                         "CalendarList", "LauncherPropsList", "SysInfoList"};
  Start();
  std::vector<Texts> clean;
  for (const char* list : lists) clean.push_back(Captions(list));
  int rows = 0;
  for (const Texts& captions : clean) rows += static_cast<int>(captions.size());
  ASSERT_GT(rows, 40);
  for (int refused = 0; refused < rows; ++refused) {
    SCOPED_TRACE("row " + std::to_string(refused));
    store().Reset();
    store().SetScreenSize(240, 320);
    store().FailNextCalls("ListView_InsertItem", 1, refused);
    Start();
    for (std::size_t i = 0; i < clean.size(); ++i) EXPECT_EQ(Captions(lists[i]), clean[i]) << lists[i];
  }
}

}  // namespace
}  // namespace ostrel::testing
