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

}  // namespace
}  // namespace ostrel::testing
