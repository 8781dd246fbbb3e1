// Reads that fail are not "missing": what could not be read is reported, never saved over unless changed, and a failed save can be put back.
#include <string>
#include <vector>

#include "platform/host/failing_registry.h"
#include "platform/host/reg_file.h"
#include "tests/settings_test_support.h"

namespace ostrel::testing {
namespace {

class ReadFailureTest : public SettingsTest {
 protected:
  // A stored tree off the defaults everywhere, with five launcher entries.
  void SeedNonDefault() {
    Settings s = Load(Deliverable::SettingsProgram);
    FillNonDefault(s);
    s.LauncherEntries.clear();
    for (const char16_t* path : {u"a.exe", u"b.exe", u"c.exe", u"d.exe", u"e.exe"}) {
      LauncherEntry entry;
      pf::CopyText(entry.Path, kPathCapacity, path);
      s.LauncherEntries.push_back(entry);
    }
    ASSERT_TRUE(SaveSettings(s));
  }
  // Reads of the named value (or, with an empty name, opens of the key
  // ending in keySuffix) fail with ERROR_ACCESS_DENIED.
  void FailReads(const std::u16string& keySuffix, const std::u16string& name) {
    registry.SetFailureHook([keySuffix, name](pf::host::RegOp op, const std::u16string& path,
                                              const std::u16string& value) -> long {
      const bool key = path.size() >= keySuffix.size() &&
                       path.compare(path.size() - keySuffix.size(), keySuffix.size(), keySuffix) == 0;
      const bool read = name.empty() ? op == pf::host::RegOp::Open : op == pf::host::RegOp::Query && value == name;
      return key && read ? pf::ERROR_ACCESS_DENIED : 0;
    });
  }
  std::u16string Tree() const {
    std::u16string text;
    std::string error;
    EXPECT_TRUE(pf::host::ExportRegText(registry, &text, &error)) << error;
    return text;
  }
  Settings LoadProgram(StoredState& found, LoadResult expected) {
    Settings s;
    s.Owner = Deliverable::SettingsProgram;
    EXPECT_EQ(LoadSettings(s, &found), expected);
    registry.SetFailureHook(nullptr);
    return s;
  }
  int StoredInt(const char16_t* block, const char16_t* name) const {
    const pf::host::RegValue* v = registry.GetValue(pf::HKEY_CURRENT_USER, Key(block), name);
    std::int32_t out = INT32_MIN;
    if (v != nullptr && v->data.size() == 4) std::memcpy(&out, v->data.data(), 4);
    return out;
  }
};

TEST_F(ReadFailureTest, MissingValuesCompleteTheLoadAndFailedReadsDoNot) {
  SetInt(u"Wireless", u"Height", 16);
  Settings s;
  EXPECT_EQ(LoadSettings(s), LoadResult::Complete) << "every other value is missing, and takes its default";
  EXPECT_EQ(s.WirelessSettings.Height, 16);

  for (Deliverable owner : {Deliverable::Plugin, Deliverable::SettingsProgram}) {
    FailReads(u"\\Wireless", u"Height");
    Settings failed;
    failed.Owner = owner;
    StoredState found;
    EXPECT_EQ(LoadSettings(failed, &found), LoadResult::ReadFailed);
    registry.SetFailureHook(nullptr);
    EXPECT_NE(failed.WirelessSettings.Height, 16);
    ASSERT_FALSE(found.Notes.empty());
    const ValueNote* unread = nullptr;
    for (const ValueNote& note : found.Notes) {
      if (note.State == ValueState::Unread) unread = &note;
    }
    ASSERT_NE(unread, nullptr);
    EXPECT_EQ(unread->Key, Key(u"Wireless"));
    EXPECT_EQ(unread->Name, u"Height");
    EXPECT_EQ(LoadSettings(failed), LoadResult::Complete) << "the next load reads it";
    EXPECT_EQ(failed.WirelessSettings.Height, 16);
  }
}

TEST_F(ReadFailureTest, AValueThatCouldNotBeReadIsSavedOnlyWhenChanged) {
  SeedNonDefault();
  const std::u16string seed = Tree();
  FailReads(u"\\Time", u"Height");
  StoredState found;
  Settings s = LoadProgram(found, LoadResult::ReadFailed);
  EXPECT_TRUE(SaveSettings(s, &found));
  EXPECT_EQ(Tree(), seed) << "the default it holds is not written over the stored 44";

  s.TimeSettings.Height = 45;
  EXPECT_TRUE(SaveSettings(s, &found));
  EXPECT_EQ(StoredInt(u"Time", u"Height"), 45) << "a value the user set is saved";
}

TEST_F(ReadFailureTest, KeysAndOrdersThatCouldNotBeReadStayAsStored) {
  SeedNonDefault();
  const std::u16string seed = Tree();
  for (const char16_t* name : {u"", u"Order", u"Visible", u"FontName1"}) {
    SCOPED_TRACE(pf::ToUtf8(name));
    FailReads(u"\\Date", name);
    StoredState found;
    Settings s = LoadProgram(found, LoadResult::ReadFailed);
    EXPECT_TRUE(SaveSettings(s, &found));
    EXPECT_EQ(Tree(), seed);
  }
}

TEST_F(ReadFailureTest, ALauncherListNotReadToItsEndIsNotSavedOverTheStoredOne) {
  SeedNonDefault();
  const std::u16string seed = Tree();
  for (const char16_t* name : {u"FileName1", u"FileName3", u""}) {
    SCOPED_TRACE(pf::ToUtf8(name));
    FailReads(u"\\Launcher", name);
    StoredState found;
    Settings s = LoadProgram(found, LoadResult::ReadFailed);
    EXPECT_LT(s.LauncherEntries.size(), 5u);
    EXPECT_TRUE(SaveSettings(s, &found));
    EXPECT_EQ(Tree(), seed) << "five programs stay five";
  }

  // A list the user changed is saved as the user left it.
  FailReads(u"\\Launcher", u"FileName3");
  StoredState found;
  Settings s = LoadProgram(found, LoadResult::ReadFailed);
  ASSERT_EQ(s.LauncherEntries.size(), 2u);
  s.LauncherEntries.pop_back();
  EXPECT_TRUE(SaveSettings(s, &found));
  Settings back;
  LoadSettings(back);
  ASSERT_EQ(back.LauncherEntries.size(), 1u);
  EXPECT_EQ(Utf8(back.LauncherEntries[0].Path), "a.exe");
}

TEST_F(ReadFailureTest, RestoringAfterAnyFailedOperationPutsTheStoredTreeBackExactly) {
  // Values missing from the tree (deleted again by the restore) and a list
  // shrinking from five to two.
  SeedNonDefault();
  registry.FindKey(pf::HKEY_CURRENT_USER, Key(u"Calendar"))->RemoveValue(u"Height");
  registry.FindKey(pf::HKEY_CURRENT_USER, Key(u"SysInfo"))->RemoveValue(u"Tap2");
  const std::u16string seed = Tree();
  StoredState found;
  Settings s = LoadProgram(found, LoadResult::Complete);
  s.LauncherEntries.resize(2);
  s.TimeSettings.Height = 12;

  pf::host::FailingRegistry counter(registry, 0);
  pf::SetRegistry(&counter);
  ASSERT_TRUE(SaveSettings(s, &found));
  const int operations = counter.Counted();
  const std::u16string saved = Tree();
  for (int failing = 1; failing <= operations; ++failing) {
    SCOPED_TRACE("operation " + std::to_string(failing));
    pf::SetRegistry(&registry);
    EXPECT_TRUE(RestoreSettings(found));
    ASSERT_EQ(Tree(), seed);
    pf::host::FailingRegistry failing_registry(registry, failing);
    pf::SetRegistry(&failing_registry);
    EXPECT_FALSE(SaveSettings(s, &found));
    EXPECT_TRUE(RestoreSettings(found));
    EXPECT_EQ(Tree(), seed) << "the old settings whole";
    EXPECT_TRUE(SaveSettings(s, &found));
    EXPECT_EQ(Tree(), saved) << "or the new ones whole";
  }
  pf::SetRegistry(&registry);
}

}  // namespace
}  // namespace ostrel::testing
