// A save that fails at any one registry operation: shown once, the program kept open with its edits, no broadcast, no launcher entry lost, and OK's retry storing what a clean save stores.
#include <algorithm>
#include <iterator>
#include <sstream>

#include "platform/host/failing_registry.h"
#include "platform/host/reg_file.h"
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

constexpr const char16_t* kSaveFailed = u"Не удалось сохранить настройки.";
constexpr int kStoredEntries = 4;
constexpr int kKeptEntries = 2;

class ConfigFailedSaveTest : public ConfigTest {
 protected:
  // The stored settings before the program starts: four launcher entries.
  void Seed() {
    registry.Clear();
    store().Reset();
    store().SetScreenSize(240, 320);
    for (int n = 1; n <= kStoredEntries; ++n) {
      const std::u16string digit(1, static_cast<char16_t>(u'0' + n));
      SetText(u"Launcher", (u"FileName" + digit).c_str(), u"Windows\\app" + digit + u".exe");
    }
    SetInt(u"Time", u"Height", 33);
  }
  // The person's edits: the plug-in switched on, the launcher list cut to
  // its first and last entries, and the final OK on the Pages tab.
  void EditAndConfirm() {
    Start();
    Open("GeneralList", 0);
    OpenPage(u"Запуск");
    for (int row : {1, 1}) {
      Select("LauncherList", row);
      Press("RemoveButton");
    }
    Ok();
    Ok();
  }
  int StoredLauncherEntries() const {
    int n = 0;
    while (Has(u"Launcher", (u"FileName" + pf::FromUtf8(std::to_string(n + 1))).c_str())) ++n;
    return n;
  }
  // Every key and value stored, one "[key] value" line each, sorted: the
  // registry's content without the order in which values were first written.
  std::vector<std::string> Stored() const {
    std::u16string text;
    std::string error;
    EXPECT_TRUE(pf::host::ExportRegText(registry, &text, &error)) << error;
    std::vector<std::string> lines;
    std::istringstream in(U8(text));
    std::string key;
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("[", 0) == 0) key = line;
      if (!line.empty()) lines.push_back(key + " " + line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
  }
};

TEST_F(ConfigFailedSaveTest, EveryOperationOfTheSaveFailingOnceIsShownAndRetriedWithoutLoss) {
  // The clean save, counting its operations.
  Seed();
  pf::host::FailingRegistry counter(registry, 0);
  pf::SetRegistry(&counter);
  EditAndConfirm();
  ASSERT_TRUE(Closed());
  ASSERT_TRUE(store().MessageBoxes().empty());
  const int operations = counter.Counted();
  const std::vector<std::string> clean = Stored();
  ASSERT_GT(operations, 60) << "every key and value of the save is an operation";
  EXPECT_EQ(StoredLauncherEntries(), kKeptEntries);

  for (int failing = 1; failing <= operations; ++failing) {
    SCOPED_TRACE("operation " + std::to_string(failing) + " of " + std::to_string(operations));
    Seed();
    pf::host::FailingRegistry failing_registry(registry, failing);
    pf::SetRegistry(&failing_registry);
    EditAndConfirm();
    ASSERT_TRUE(failing_registry.Failed());
    EXPECT_EQ(store().MessageBoxes(), std::vector<std::u16string>{kSaveFailed});
    ASSERT_FALSE(Closed());
    EXPECT_TRUE(store().Broadcasts().empty());
    EXPECT_EQ(View().CurrentTab, 1);
    EXPECT_EQ(View().OpenBlock, -1);
    EXPECT_EQ(View().OpenEditor, -1);
    EXPECT_GE(StoredLauncherEntries(), kKeptEntries) << "never fewer than the shorter list";

    Ok();
    EXPECT_TRUE(Closed());
    EXPECT_EQ(store().Broadcasts().size(), 1u);
    EXPECT_EQ(store().MessageBoxes().size(), 1u);
    const std::vector<std::string> stored = Stored();
    std::vector<std::string> differences;
    std::set_symmetric_difference(stored.begin(), stored.end(), clean.begin(), clean.end(),
                                  std::back_inserter(differences));
    EXPECT_EQ(differences, std::vector<std::string>{}) << "the retry stores what a clean save stores";
  }
  pf::SetRegistry(&registry);
}

}  // namespace
}  // namespace ostrel::testing
