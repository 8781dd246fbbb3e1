// Tests of a launcher entry's path: one text shared by its copies, cut to a path buffer's size.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "settings/settings.h"

namespace ostrel {
namespace {

TEST(LauncherPath, CopiesShareOneTextThatOutlivesTheFirstHolder) {
  LauncherPath copy;
  LauncherPath moved;
  {
    LauncherPath path(u"\\Windows\\app.exe");
    copy = path;
    EXPECT_EQ(copy.Text(), path.Text());  // the same text, not a second one
    LauncherPath another(path);
    moved = std::move(another);
    EXPECT_EQ(std::u16string(another.Text()), u"") << "a moved-from path is empty";  // NOLINT(bugprone-use-after-move)
  }
  EXPECT_EQ(std::u16string(copy.Text()), u"\\Windows\\app.exe");
  EXPECT_EQ(moved.Text(), copy.Text());
  LauncherPath& same = copy;
  copy = same;
  moved = LauncherPath(u"\\other.exe");
  EXPECT_EQ(std::u16string(copy.Text()), u"\\Windows\\app.exe");
  EXPECT_EQ(std::u16string(moved), u"\\other.exe");
}

TEST(LauncherPath, TextIsCutToAPathBufferAndNullOrEmptyIsEmpty) {
  std::u16string longText(400, u'x');
  EXPECT_EQ(std::u16string(LauncherPath(longText.c_str()).Text()).size(), kPathCapacity - 1u);
  EXPECT_EQ(std::u16string(LauncherPath(nullptr).Text()), u"");
  EXPECT_EQ(std::u16string(LauncherPath(u"").Text()), u"");
  EXPECT_EQ(std::u16string(LauncherPath().Text()), u"");
}

}  // namespace
}  // namespace ostrel
