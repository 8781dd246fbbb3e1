// The Launcher page: shortcuts added, edited, removed and moved in the working list, the settings' list rebuilt only by the page's OK, and the property rows.
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

using Texts = std::vector<std::u16string>;
using Names = std::vector<std::string>;

class ConfigLauncherTest : public ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    device.Use();
    for (const char* f : {"Windows/a.exe", "Windows/b.lnk", "Windows/c.exe", "Windows/d.exe"}) {
      device.File(f);
    }
    SetText(u"Launcher", u"FileName1", u"Windows\\a.exe");
    SetText(u"Launcher", u"FileName2", u"Windows\\b.lnk");
  }
  DeviceFolder device;
  // Reads of FileName2 fail with ERROR_ACCESS_DENIED, the first `times` of them.
  void FailSecondPath(int times) {
    registry.SetFailureHook([times](pf::host::RegOp op, const std::u16string&, const std::u16string& value) mutable {
      const bool read = op == pf::host::RegOp::Query && value == u"FileName2";
      return read && times-- > 0 ? pf::ERROR_ACCESS_DENIED : 0;
    });
  }
};

TEST_F(ConfigLauncherTest, ThePageShowsBothListsAndItsButtons) {
  Start();
  OpenPage(u"Запуск");
  EXPECT_EQ(View().OpenBlock, 4);
  EXPECT_EQ(VisibleControls(), (Names{"TitleLabel", "LauncherList", "LauncherPropsList", "AddButton",
                                      "EditButton", "RemoveButton", "DownButton", "UpButton",
                                      "PropsEditButton"}));
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"a.exe", u"b.lnk"}));
  EXPECT_NE(Rows("LauncherList")[0].kind, Rows("LauncherList")[1].kind);
  EXPECT_EQ(Captions("LauncherPropsList"), (Texts{u"Высота", u"Иконки", u"Выравнивание"}));
  EXPECT_EQ(U8(Value("LauncherPropsList", 0)), "48");
  EXPECT_EQ(U8(Value("LauncherPropsList", 1)), "большие");
  EXPECT_EQ(U8(Value("LauncherPropsList", 2)), "слева");
  EXPECT_TRUE(Enabled("AddButton"));
  EXPECT_FALSE(Enabled("EditButton"));
  EXPECT_FALSE(Enabled("PropsEditButton"));
  Select("LauncherList", 0);
  EXPECT_TRUE(Enabled("RemoveButton"));
  EXPECT_FALSE(Enabled("UpButton")) << "the first shortcut cannot go up";
  EXPECT_TRUE(Enabled("DownButton"));
  Select("LauncherList", 1);
  EXPECT_FALSE(Enabled("DownButton")) << "the last shortcut cannot go down";
}

TEST_F(ConfigLauncherTest, AddEditMoveAndRemoveReachTheRegistryOnlyThroughThePagesOk) {
  Start();
  OpenPage(u"Запуск");
  ASSERT_TRUE(Press("AddButton"));
  EXPECT_EQ(View().OpenEditor, 7);
  EXPECT_EQ(U8(Text("PathEdit")), "");
  EXPECT_EQ(Captions("FileList"), (Texts{u"Windows"})) << "the browser starts at the top";
  ASSERT_TRUE(DoubleTap("FileList", 0));
  EXPECT_EQ(Captions("FileList"), (Texts{u"..", u"a.exe", u"c.exe", u"d.exe", u"b.lnk"}));
  DoubleTap("FileList", 2);
  EXPECT_EQ(U8(Text("PathEdit")), "Windows\\c.exe");
  Ok();
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"a.exe", u"b.lnk", u"c.exe"}));
  EXPECT_TRUE(Rows("LauncherList")[2].selected);

  Select("LauncherList", 0);
  Press("DownButton");
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"b.lnk", u"a.exe", u"c.exe"}));
  EXPECT_TRUE(Rows("LauncherList")[1].selected);

  Open("LauncherList", 0);  // edit b.lnk
  EXPECT_EQ(View().OpenEditor, 8);
  EXPECT_EQ(U8(Text("PathEdit")), "Windows\\b.lnk");
  EXPECT_EQ(U8(Text("FolderLabel")), "\\Windows\\");
  Type("PathEdit", u"Windows\\d.exe");
  Ok();
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"d.exe", u"a.exe", u"c.exe"}));

  Select("LauncherList", 1);
  Press("RemoveButton");
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"d.exe", u"c.exe"}));
  EXPECT_FALSE(Enabled("EditButton")) << "nothing is selected after a removal";

  Cancel();  // the page's edits are dropped
  OpenPage(u"Запуск");
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"a.exe", u"b.lnk"}));
  Select("LauncherList", 1);
  Press("RemoveButton");
  Ok();  // the page's OK keeps them
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName2")), "Windows\\b.lnk") << "nothing is saved yet";
  Ok();
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName1")), "Windows\\a.exe");
  EXPECT_FALSE(Has(u"Launcher", u"FileName2"));
}

TEST_F(ConfigLauncherTest, AListNotReadToItsEndIsReadAgainWhenThePageOpens) {
  const std::vector<std::u16string> readFailed{u"Не удалось прочитать настройки."};
  FailSecondPath(1);
  Start();
  EXPECT_EQ(store().MessageBoxes(), readFailed);
  OpenPage(u"Запуск");
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"a.exe", u"b.lnk"})) << "the whole list, read again";
  EXPECT_EQ(store().MessageBoxes().size(), 1u);
  Select("LauncherList", 0);
  Press("RemoveButton");
  Ok();
  Ok();
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName1")), "Windows\\b.lnk") << "the user's change to the whole list";
  EXPECT_FALSE(Has(u"Launcher", u"FileName2"));
}

TEST_F(ConfigLauncherTest, AListThatStaysUnreadCannotBeChangedNorSavedOver) {
  FailSecondPath(1000);
  Start();
  OpenPage(u"Запуск");
  EXPECT_EQ(store().MessageBoxes().size(), 2u) << "at the start and again at the page";
  EXPECT_EQ(store().MessageBoxes().back(), u"Не удалось прочитать настройки.");
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"a.exe"}));
  EXPECT_FALSE(Enabled("AddButton"));
  Select("LauncherList", 0);
  EXPECT_FALSE(Enabled("RemoveButton"));
  EXPECT_FALSE(Enabled("EditButton"));
  Press("RemoveButton");
  Press("AddButton");
  EXPECT_EQ(View().OpenEditor, -1);
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"a.exe"}));
  Ok();
  registry.SetFailureHook(nullptr);
  Ok();
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName1")), "Windows\\a.exe");
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName2")), "Windows\\b.lnk") << "two programs stay two";
}

TEST_F(ConfigLauncherTest, AnEmptyPathAddsAnEmptyShortcut) {
  Start();
  OpenPage(u"Запуск");
  Press("AddButton");
  Ok();
  EXPECT_EQ(Captions("LauncherList"), (Texts{u"a.exe", u"b.lnk", u""}));
  Ok();
  Ok();
  EXPECT_TRUE(Has(u"Launcher", u"FileName3"));
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName3")), "");
}

TEST_F(ConfigLauncherTest, PropertyRowsOpenWithTheirOwnButton) {
  Start();
  OpenPage(u"Запуск");
  Open("LauncherPropsList", 1, "PropsEditButton");
  EXPECT_EQ(U8(Value("LauncherPropsList", 1)), "маленькие");
  EXPECT_EQ(View().OpenEditor, -1);
  ASSERT_TRUE(DoubleTap("LauncherPropsList", 2));
  EXPECT_EQ(View().OpenEditor, 4);
  Choose("ChoiceCombo", 1);
  Ok();
  EXPECT_EQ(U8(Value("LauncherPropsList", 2)), "центр");
  Open("LauncherPropsList", 0, "PropsEditButton");
  Type("LeftEdit", u"-1");  // the number edit keeps digits only
  Ok();
  EXPECT_EQ(U8(Value("LauncherPropsList", 0)), "1");
  Ok();
  Ok();
  EXPECT_EQ(Int(u"Launcher", u"BigIcons"), 0);
  EXPECT_EQ(Int(u"Launcher", u"Align"), 1);
  EXPECT_EQ(Int(u"Launcher", u"Height"), 1);
  EXPECT_EQ(U8(Str(u"Launcher", u"FileName2")), "Windows\\b.lnk");
}

}  // namespace
}  // namespace ostrel::testing
