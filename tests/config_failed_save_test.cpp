// A save that fails at any one registry operation: what was read put back, shown once, the program kept open with its edits, and OK's retry storing what a clean save stores or Cancel leaving the old settings.
#include <algorithm>
#include <iterator>
#include <memory>
#include <sstream>

#include "platform/host/failing_registry.h"
#include "platform/host/reg_file.h"
#include "tests/config_test_support.h"

namespace ostrel::testing {
namespace {

constexpr const char16_t* kSaveFailed = u"Не удалось сохранить настройки.";

std::u16string Digits(int n) { return pf::FromUtf8(std::to_string(n)); }

// What the person changes before the final OK.
enum class Session {
  SwitchOnAndCutFourToTwo,  // the plug-in switched on, a list of 4 cut to its first and last
  ShrinkTwelveToThree,      // a list of 12 cut to its first three, a number changed
  GrowThreeToTwelve,        // a list of 3 grown to 12, a page moved
};

class ConfigFailedSaveTest : public ConfigTest, public ::testing::WithParamInterface<Session> {
 protected:
  int StoredEntriesAtStart() const {
    switch (GetParam()) {
      case Session::SwitchOnAndCutFourToTwo: return 4;
      case Session::ShrinkTwelveToThree: return 12;
      case Session::GrowThreeToTwelve: return 3;
    }
    return 0;
  }
  // The stored settings before the program starts.
  void Seed() {
    registry.Clear();
    store().Reset();
    store().SetScreenSize(240, 320);
    for (int n = 1; n <= StoredEntriesAtStart(); ++n) {
      SetText(u"Launcher", (u"FileName" + Digits(n)).c_str(), u"Windows\\app" + Digits(n) + u".exe");
    }
    SetInt(u"Time", u"Height", 33);
    SetInt(u"Calendar", u"Order", 3);
  }
  void EditAndConfirm() {
    Start();
    switch (GetParam()) {
      case Session::SwitchOnAndCutFourToTwo:
        Open("GeneralList", 0);
        OpenPage(u"Запуск");
        for (int row : {1, 1}) {
          Select("LauncherList", row);
          Press("RemoveButton");
        }
        break;
      case Session::ShrinkTwelveToThree:
        OpenPage(u"Часы");
        Open("TimeList", 0);
        Type("LeftEdit", u"40");
        Ok();
        Ok();
        OpenPage(u"Запуск");
        for (int n = 0; n < 9; ++n) {
          Select("LauncherList", 3);
          Press("RemoveButton");
        }
        break;
      case Session::GrowThreeToTwelve:
        Tab(1);
        Select("PagesList", 3);
        Press("UpButton");
        OpenPage(u"Запуск");
        for (int n = 4; n <= 12; ++n) {
          Press("AddButton");
          Type("PathEdit", u"new" + Digits(n) + u".exe");
          Ok();
        }
        break;
    }
    Ok();
    Ok();
  }
  int StoredLauncherEntries() const {
    int n = 0;
    while (Has(u"Launcher", (u"FileName" + Digits(n + 1)).c_str())) ++n;
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
      if (!line.empty() && line.rfind("[", 0) != 0) lines.push_back(key + " " + line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
  }
  static std::vector<std::string> Differences(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::vector<std::string> differences;
    std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(differences));
    return differences;
  }
  // The session with the N-th registry operation of its save failing, up to
  // the message; the stored tree is then the seed again.
  void FailTheSaveAt(int failing, const std::vector<std::string>& seed) {
    Seed();
    failing_ = std::make_unique<pf::host::FailingRegistry>(registry, failing);
    pf::SetRegistry(failing_.get());
    EditAndConfirm();
    ASSERT_TRUE(failing_->Failed());
    EXPECT_EQ(store().MessageBoxes(), std::vector<std::u16string>{kSaveFailed});
    ASSERT_FALSE(Closed());
    EXPECT_TRUE(store().Broadcasts().empty());
    EXPECT_EQ(View().CurrentTab, 1);
    EXPECT_EQ(View().OpenBlock, -1);
    EXPECT_EQ(View().OpenEditor, -1);
    EXPECT_EQ(Differences(Stored(), seed), std::vector<std::string>{}) << "what was read is put back";
  }

  std::unique_ptr<pf::host::FailingRegistry> failing_;
};

TEST_P(ConfigFailedSaveTest, EveryOperationOfTheSaveFailingLeavesTheOldSettingsOrTheNew) {
  Seed();
  const std::vector<std::string> seed = Stored();
  // The clean save, counting its operations.
  pf::host::FailingRegistry counter(registry, 0);
  pf::SetRegistry(&counter);
  EditAndConfirm();
  ASSERT_TRUE(Closed());
  ASSERT_TRUE(store().MessageBoxes().empty());
  const int operations = counter.Counted();
  const std::vector<std::string> clean = Stored();
  ASSERT_GT(operations, 60) << "every key and value of the save is an operation";
  const int kept[] = {2, 3, 12};
  EXPECT_EQ(StoredLauncherEntries(), kept[static_cast<int>(GetParam())]);

  for (int failing = 1; failing <= operations; ++failing) {
    SCOPED_TRACE("operation " + std::to_string(failing) + " of " + std::to_string(operations));
    FailTheSaveAt(failing, seed);
    Ok();
    EXPECT_TRUE(Closed());
    EXPECT_EQ(store().Broadcasts().size(), 1u);
    EXPECT_EQ(store().MessageBoxes().size(), 1u);
    EXPECT_EQ(Differences(Stored(), clean), std::vector<std::string>{}) << "OK again stores the clean save";

    FailTheSaveAt(failing, seed);
    Cancel();
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Differences(Stored(), seed), std::vector<std::string>{}) << "Cancel leaves the seed";
  }
  pf::SetRegistry(&registry);
}

// Putting back fails too: the message says the stored settings may be
// incomplete, and the next OK writes everything again.
TEST_P(ConfigFailedSaveTest, APutBackThatFailsTooIsShownAndTheNextOkWritesEverything) {
  Seed();
  EditAndConfirm();
  ASSERT_TRUE(Closed());
  const std::vector<std::string> clean = Stored();
  Seed();
  int refusals = 2;  // the save's creation of the Time key, then the put-back's
  registry.SetFailureHook([&refusals](pf::host::RegOp op, const std::u16string& path, const std::u16string&) -> long {
    const bool time = path.size() >= 4 && path.compare(path.size() - 4, 4, u"Time") == 0;
    if (op != pf::host::RegOp::Create || !time || refusals == 0) return 0;
    --refusals;
    return pf::ERROR_ACCESS_DENIED;
  });
  EditAndConfirm();
  EXPECT_EQ(refusals, 0);
  EXPECT_EQ(store().MessageBoxes(),
            std::vector<std::u16string>{u"Не удалось сохранить настройки. Сохранённые настройки могут быть неполными."});
  ASSERT_FALSE(Closed());
  Ok();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(Differences(Stored(), clean), std::vector<std::string>{});
  registry.SetFailureHook(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Sessions, ConfigFailedSaveTest,
                         ::testing::Values(Session::SwitchOnAndCutFourToTwo, Session::ShrinkTwelveToThree,
                                           Session::GrowThreeToTwelve));

}  // namespace
}  // namespace ostrel::testing
