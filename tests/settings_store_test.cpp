// The registry store: read limits, skipped values, failing keys, the launcher list, round trips.
#include <algorithm>
#include <vector>

#include "platform/host/failing_registry.h"
#include "tests/settings_test_support.h"

namespace ostrel::testing {
namespace {

std::u16string Repeat(char16_t c, int n) { return std::u16string(static_cast<std::size_t>(n), c); }

TEST_F(SettingsTest, TextCapacitiesDecideWhatLoads) {
  SetText(u"Calendar", u"FontNameWeekdays", Repeat(u'W', 259));
  SetText(u"Calendar", u"FontName", Repeat(u'X', 260));  // 522 bytes: too large, keeps default
  SetText(u"Date", u"Format1", Repeat(u'f', 100));
  SetText(u"Date", u"Format2", Repeat(u'g', 99));
  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(pf::TextLength(s.CalendarSettings.WeekdaysFont.FaceName), 259u);
  EXPECT_EQ(Utf8(s.CalendarSettings.Font.FaceName), "Tahoma");
  EXPECT_EQ(Utf8(s.DateSettings.Format1), "");
  EXPECT_EQ(pf::TextLength(s.DateSettings.Format2), 99u);
}

TEST_F(SettingsTest, UnterminatedTextsStayTerminatedAndDoNotMixWithDefaults) {
  // 260 units without a terminator fill the capacity exactly and are cut to 259.
  std::vector<std::uint8_t> full(520, 'A');
  for (std::size_t i = 1; i < full.size(); i += 2) full[i] = 0;
  registry.SetValue(pf::HKEY_CURRENT_USER, Key(u"Wireless"), u"Tap", pf::REG_SZ, full);
  // "Ab" without a terminator must not end up as "Abhoma".
  registry.SetValue(pf::HKEY_CURRENT_USER, Key(u"Wireless"), u"FontName", pf::REG_SZ, {'A', 0, 'b', 0});
  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(pf::TextLength(s.WirelessSettings.Tap), 259u);
  EXPECT_EQ(Utf8(s.WirelessSettings.Font.FaceName), "Ab");
}

TEST_F(SettingsTest, ValuesOfWrongSizeAreSkippedWithoutDisturbingLaterReads) {
  registry.SetValue(pf::HKEY_CURRENT_USER, Key(u"SysInfo"), u"FontSize", pf::REG_BINARY,
                    {1, 2, 3, 4, 5, 6, 7, 8});
  SetInt(u"SysInfo", u"FontBold", 1);
  SetInt(u"SysInfo", u"FontColor", 0x123456);
  SetText(u"SysInfo", u"RamType", u"x");  // a text where a number belongs: 4 bytes fit, taken as stored
  SetInt(u"SysInfo", u"Height", 77);
  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(s.SysInfoSettings.Font.Size, 8);
  EXPECT_EQ(s.SysInfoSettings.Font.Bold, 1);
  EXPECT_EQ(s.SysInfoSettings.Font.Color, 0x123456u);
  EXPECT_EQ(s.SysInfoSettings.RamType, 'x');
  EXPECT_EQ(s.SysInfoSettings.Height, 77);

  // A two-byte number is zero-extended rather than mixed with the default's bytes.
  registry.SetValue(pf::HKEY_CURRENT_USER, Key(u"SysInfo"), u"FontColor", pf::REG_BINARY, {0x01, 0x02});
  EXPECT_EQ(Load(Deliverable::Plugin).SysInfoSettings.Font.Color, 0x0201u);
}

TEST_F(SettingsTest, KeysThatCannotBeOpenedKeepDefaultsOnlyForThatKey) {
  SetInt(u"Time", u"Height", 99);
  SetInt(u"Date", u"Height", 55);
  registry.SetDword(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel", u"TapType", 2);
  registry.SetFailureHook([](pf::host::RegOp op, const std::u16string& path, const std::u16string&) -> long {
    bool timeKey = path.size() >= 5 && path.compare(path.size() - 5, 5, u"\\Time") == 0;
    return op == pf::host::RegOp::Open && timeKey ? pf::ERROR_ACCESS_DENIED : 0;
  });
  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(s.TimeSettings.Height, 30);
  EXPECT_EQ(s.DateSettings.Height, 55);
  EXPECT_EQ(s.TapType, 2);
}

TEST_F(SettingsTest, SaveSkipsAKeyThatCannotBeCreatedAndGoesOn) {
  Settings s = Load(Deliverable::SettingsProgram);
  s.TimeSettings.Height = 41;
  s.DateSettings.Height = 42;
  s.Enabled = 1;
  registry.SetFailureHook([](pf::host::RegOp op, const std::u16string& path, const std::u16string&) -> long {
    bool timeKey = path.size() >= 5 && path.compare(path.size() - 5, 5, u"\\Time") == 0;
    return op == pf::host::RegOp::Create && timeKey ? pf::ERROR_ACCESS_DENIED : 0;
  });
  SaveSettings(s);
  registry.SetFailureHook(nullptr);
  EXPECT_EQ(registry.FindKey(pf::HKEY_CURRENT_USER, Key(u"Time")), nullptr);
  Settings back = Load(Deliverable::SettingsProgram);
  EXPECT_EQ(back.TimeSettings.Height, 30);
  EXPECT_EQ(back.DateSettings.Height, 42);
  EXPECT_EQ(back.Enabled, 1);
}

std::vector<std::string> LauncherPaths(const Settings& s) {
  std::vector<std::string> paths;
  for (const auto& e : s.LauncherEntries) paths.push_back(Utf8(e.Path));
  return paths;
}

TEST_F(SettingsTest, LauncherListIsTheUnbrokenRunAndSaveRewritesOnlyThatRun) {
  SetText(u"Launcher", u"FileName1", u"a.exe");
  SetText(u"Launcher", u"FileName2", u"b.exe");
  SetText(u"Launcher", u"FileName4", u"d.exe");
  Settings s = Load(Deliverable::SettingsProgram);
  EXPECT_EQ(LauncherPaths(s), (std::vector<std::string>{"a.exe", "b.exe"}));

  LauncherEntry c;
  pf::CopyText(c.Path, kPathCapacity, u"c.exe");
  s.LauncherEntries.push_back(c);
  registry.Journal().clear();
  registry.SetJournalEnabled(true);
  SaveSettings(s);
  registry.SetJournalEnabled(false);
  std::vector<std::u16string> launcherOps;
  for (const auto& line : registry.Journal()) {
    if ((line.rfind(u"Delete", 0) == 0 || line.rfind(u"Set", 0) == 0) &&
        line.find(u"\\Launcher [FileName") != std::u16string::npos) {
      launcherOps.push_back(line.substr(0, line.find(u' ')) + line.substr(line.find(u'[')));
    }
  }
  EXPECT_EQ(launcherOps, (std::vector<std::u16string>{u"Set[FileName1]", u"Set[FileName2]", u"Set[FileName3]"}))
      << "a longer list writes over the stored run and deletes nothing";
  EXPECT_EQ(LauncherPaths(Load(Deliverable::Plugin)),
            (std::vector<std::string>{"a.exe", "b.exe", "c.exe", "d.exe"}));
}

TEST_F(SettingsTest, ShorterLauncherListDeletesTheWholeStoredRun) {
  for (int n = 1; n <= 5; ++n) {
    SetText(u"Launcher", (u"FileName" + std::u16string(1, static_cast<char16_t>(u'0' + n))).c_str(), u"x.exe");
  }
  Settings s = Load(Deliverable::SettingsProgram);
  ASSERT_EQ(s.LauncherEntries.size(), 5u);
  s.LauncherEntries.resize(1);
  SaveSettings(s);
  const pf::host::RegNode* key = registry.FindKey(pf::HKEY_CURRENT_USER, Key(u"Launcher"));
  ASSERT_NE(key, nullptr);
  EXPECT_NE(key->FindValue(u"FileName1"), nullptr);
  for (const char16_t* gone : {u"FileName2", u"FileName3", u"FileName4", u"FileName5"}) {
    EXPECT_EQ(key->FindValue(gone), nullptr);
  }
}

TEST_F(SettingsTest, SaveReportsAnyFailedOperationAndALongerListNeverLosesTheStoredRun) {
  SetText(u"Launcher", u"FileName1", u"a.exe");
  SetText(u"Launcher", u"FileName2", u"b.exe");
  Settings s = Load(Deliverable::SettingsProgram);
  for (const char16_t* path : {u"c.exe", u"d.exe"}) {
    LauncherEntry entry;
    pf::CopyText(entry.Path, kPathCapacity, path);
    s.LauncherEntries.push_back(entry);
  }
  const std::vector<std::string> longer{"a.exe", "b.exe", "c.exe", "d.exe"};
  pf::host::FailingRegistry counter(registry, 0);
  pf::SetRegistry(&counter);
  EXPECT_TRUE(SaveSettings(s));
  const int operations = counter.Counted();
  for (int failing = 1; failing <= operations; ++failing) {
    SCOPED_TRACE("operation " + std::to_string(failing));
    registry.Clear();
    SetText(u"Launcher", u"FileName1", u"a.exe");
    SetText(u"Launcher", u"FileName2", u"b.exe");
    pf::host::FailingRegistry failing_registry(registry, failing);
    pf::SetRegistry(&failing_registry);
    EXPECT_FALSE(SaveSettings(s));
    pf::SetRegistry(&registry);
    const std::vector<std::string> stored = LauncherPaths(Load(Deliverable::Plugin));
    EXPECT_GE(stored.size(), 2u);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), longer.begin())) << "no entry out of place";
    EXPECT_TRUE(SaveSettings(s));
    EXPECT_EQ(LauncherPaths(Load(Deliverable::Plugin)), longer);
    EXPECT_EQ(registry.GetValue(pf::HKEY_CURRENT_USER, Key(u"Launcher"), u"FileName5"), nullptr);
  }
}

TEST_F(SettingsTest, LauncherListSurvivesWhenItsKeyCannotBeOpened) {
  SetText(u"Launcher", u"FileName1", u"a.exe");
  Settings s = Load(Deliverable::Plugin);
  registry.DeleteKey(pf::HKEY_CURRENT_USER, Key(u"Launcher"));
  LoadSettings(s);
  EXPECT_EQ(LauncherPaths(s), (std::vector<std::string>{"a.exe"}));
}

TEST_F(SettingsTest, LoadingTwiceEqualsLoadingOnce) {
  SetInt(u"Time", u"Order", 7);
  SetInt(u"Date", u"Visible", 0);
  SetText(u"Launcher", u"FileName1", u"a.exe");
  SetText(u"Time", u"FontName1", u"Arial");
  Settings once = Load(Deliverable::SettingsProgram);
  Settings twice = once;
  twice.TimeSettings.Height = 1234;  // edits made between loads are discarded
  twice.BlockTable[0].Order = 99;
  LoadSettings(twice);
  EXPECT_TRUE(SameBody(once, twice));
  EXPECT_TRUE(SameBody(once.EditSettings, twice.EditSettings));
  for (int i = 0; i < BlockCount; ++i) {
    EXPECT_EQ(once.BlockTable[i].Kind, twice.BlockTable[i].Kind);
    EXPECT_EQ(once.BlockTable[i].Order, twice.BlockTable[i].Order);
    EXPECT_EQ(once.BlockTable[i].Visible, twice.BlockTable[i].Visible);
    EXPECT_TRUE(pf::TextEquals(once.BlockTable[i].Name, twice.BlockTable[i].Name));
  }
  EXPECT_EQ(LauncherPaths(once), LauncherPaths(twice));
}

TEST_F(SettingsTest, NonDefaultRecordSurvivesSaveThenLoad) {
  Settings s = Load(Deliverable::SettingsProgram);
  FillNonDefault(s);
  SaveSettings(s);
  Settings back = Load(Deliverable::SettingsProgram);
  EXPECT_TRUE(SameBody(s, back));
  EXPECT_EQ(back.Enabled, 1);
  EXPECT_EQ(LauncherPaths(back), LauncherPaths(s));
  EXPECT_EQ(back.BlockTable[0].Kind, SysInfo);  // highest kind has the lowest Order
  for (int i = 0; i < BlockCount; ++i) {
    EXPECT_EQ(back.BlockTable[i].Order, 5 - (back.BlockTable[i].Kind - 1));
    EXPECT_EQ(back.BlockTable[i].Visible, back.BlockTable[i].Kind % 2);
  }
  const pf::host::RegValue* emptyTap = registry.GetValue(pf::HKEY_CURRENT_USER, Key(u"Time"), u"Tap");
  ASSERT_NE(emptyTap, nullptr);
  EXPECT_EQ(emptyTap->type, pf::REG_SZ);
  EXPECT_EQ(emptyTap->data.size(), 2u);
}

std::vector<std::u16string> ValueNamesOf(const std::vector<std::u16string>& journal, const char16_t* op,
                                         const char16_t* keySuffix) {
  std::vector<std::u16string> names;
  std::u16string marker = std::u16string(keySuffix) + u" [";
  for (const auto& line : journal) {
    if (line.rfind(op, 0) != 0) continue;
    auto at = line.find(marker);
    if (at == std::u16string::npos) continue;
    names.push_back(line.substr(at + marker.size(), line.size() - at - marker.size() - 1));
  }
  return names;
}

TEST_F(SettingsTest, SysInfoReadsClearTypeFirstButWritesFontColorFirst) {
  Settings s = Load(Deliverable::SettingsProgram);
  SaveSettings(s);
  registry.SetJournalEnabled(true);
  LoadSettings(s);
  SaveSettings(s);
  const auto reads = ValueNamesOf(registry.Journal(), u"Query", u"\\SysInfo");
  const auto writes = ValueNamesOf(registry.Journal(), u"Set", u"\\SysInfo");
  const std::vector<std::u16string> readOrder = {u"FontName", u"Tap1", u"Tap2", u"FontSize", u"FontBold",
                                                 u"ClearType", u"FontColor", u"RamType", u"PhoneType",
                                                 u"CardType", u"Height", u"Order", u"Visible"};
  std::vector<std::u16string> writeOrder = readOrder;
  std::swap(writeOrder[5], writeOrder[6]);
  EXPECT_EQ(reads, readOrder);
  EXPECT_EQ(writes, writeOrder);
  const auto launcherWrites = ValueNamesOf(registry.Journal(), u"Set", u"\\Launcher");
  EXPECT_EQ(launcherWrites, (std::vector<std::u16string>{u"BigIcons", u"Align", u"Height", u"Order", u"Visible"}));
}

}  // namespace
}  // namespace ostrel::testing
