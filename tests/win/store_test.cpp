// The settings store against the real registry (Wine's, or Windows'), below a
// scratch key: what the settings program saves is what both deliverables load,
// in the stored format: value types, sizes and names as the registry holds them.
#include "tests/win/win_test_support.h"

#include <cstring>

namespace ostrel::wintest {
namespace {

const std::u16string kRoot = u"Software\\Vekta\\Ostrel";
const std::u16string kLauncher = kRoot + u"\\Launcher";
const std::u16string kTodayItem = u"Software\\Microsoft\\Today\\Items\\Ostrel";

void SetText(char16_t* field, int capacity, const std::u16string& text) {
  pf::ClearText(field, capacity);
  pf::CopyText(field, capacity, text.c_str());
}

void SetFont(FontSpec& font, const std::u16string& face, int size, int bold, pf::COLORREF color,
             int clearType) {
  SetText(font.FaceName, kPathCapacity, face);
  font.Size = size;
  font.Bold = bold;
  font.Color = color;
  font.ClearType = clearType;
}

// Every field of the body, the table, Enabled and the list away from its default.
void MakeEveryFieldDifferent(Settings& s) {
  s.Enabled = 1;
  s.FixedPageCount = 2;
  s.MarginLeft = 11;
  s.MarginTop = -3;
  s.MarginRight = 17;
  s.MarginBottom = 5;
  s.TapType = DoubleTap;

  WirelessSettings& w = s.WirelessSettings;
  w.Height = -1;
  SetFont(w.Font, u"Courier New", 500, 1, 0x0000FF, 0);
  w.ShowBT = 0;
  w.ShowWF = 0;
  w.ShowCalls = 0;
  w.ShowSMS = 0;
  w.ShowEMails = 0;
  SetText(w.Tap, kPathCapacity, u"\\Program Files\\Связь\\wrls.exe");

  TimeSettings& t = s.TimeSettings;
  t.Height = 44;
  SetFont(t.Font1, u"Arial", 100, 0, 0x123456, 0);
  t.TimeFormat = 7;
  t.ShowSeconds = 1;
  t.ShowAlarm = 0;
  SetFont(t.Font2, u"Verdana", 1, 1, 0x654321, 0);
  t.ShowDate = DateBottom;
  SetText(t.Tap, kPathCapacity, u"");

  DateSettings& d = s.DateSettings;
  d.Height = 0;
  SetFont(d.Font1, u"Times New Roman", 12, 0, 0x00AA00, 0);
  SetFont(d.Font2, u"Tahoma Bold", 9, 0, 0xAA0000, 0);
  SetText(d.Format1, kFormatCapacity, std::u16string(99, u'd'));
  SetText(d.Format2, kFormatCapacity, u"d MMMM yyyy 'г.'");
  SetText(d.Tap, kPathCapacity, u"Windows\\calendar.exe");

  CalendarSettings& c = s.CalendarSettings;
  c.Height = 1000;
  SetFont(c.Font, u"Segoe UI", 10, 1, 0x010203, 0);
  SetFont(c.WeekdaysFont, std::u16string(259, u'W'), 0, 1, 0x040506, 0);
  c.ColorToday = 0x0000FF;
  c.ColorSaturday = 0x111111;
  c.ColorSunday = 0x222222;
  c.ColorOther = 0xFFFFFF;
  SetText(c.Tap, kPathCapacity, u"\\Windows\\Календарь.lnk");

  LauncherSettings& l = s.LauncherSettings;
  l.Height = 32;
  l.BigIcons = 0;
  l.Align = AlignRight;

  SysInfoSettings& i = s.SysInfoSettings;
  i.Height = 21;
  SetFont(i.Font, u"Lucida Console", 99, 1, 0x0A0B0C, 0);
  i.RamType = Free;
  i.PhoneType = Used;
  i.CardType = 5;
  SetText(i.Tap1, kPathCapacity, u"\\Storage Card\\battery.lnk");
  SetText(i.Tap2, kPathCapacity, std::u16string(259, u'м'));

  // Renumbered as the settings program does before saving, in a new order.
  const std::int32_t order[BlockCount] = {5, 2, 0, 4, 1, 3};
  for (int k = 0; k < BlockCount; ++k) {
    BlockEntry& row = s.BlockTable[k];
    ASSERT_EQ(row.Kind, k + 1) << "the table is expected in kind order here";
    row.Order = order[k];
    row.Visible = k % 2;
  }

  s.LauncherEntries.clear();
  for (const char16_t* path : {u"\\Windows\\Start Menu\\Programs\\Contacts.lnk", u"",
                               u"\\Program Files\\Мои программы\\app.exe"}) {
    LauncherEntry entry;
    entry.Path = LauncherPath(path);
    s.LauncherEntries.push_back(entry);
  }
}

Settings Load(Deliverable owner) {
  Settings s;
  s.Owner = owner;
  LoadSettings(s);
  return s;
}

bool SameBody(const SettingsBody& a, const SettingsBody& b) {
  return std::memcmp(&a, &b, sizeof(SettingsBody)) == 0;
}

const BlockEntry& RowOfKind(const Settings& s, std::int32_t kind) {
  for (const BlockEntry& row : s.BlockTable.Entries) {
    if (row.Kind == kind) return row;
  }
  ADD_FAILURE() << "no row of kind " << kind;
  return s.BlockTable[0];
}

std::vector<std::string> Paths(const Settings& s) {
  std::vector<std::string> out;
  for (const LauncherEntry& entry : s.LauncherEntries) out.push_back(Utf8(entry.Path));
  return out;
}

class SettingsStoreOnWindows : public ScratchRegistryTest {};

TEST_F(SettingsStoreOnWindows, EveryFieldSavedByTheSettingsProgramLoadsBackInBothDeliverables) {
  Settings saved = Load(Deliverable::SettingsProgram);  // defaults: nothing stored yet
  EXPECT_EQ(saved.Enabled, 0);
  EXPECT_TRUE(saved.LauncherEntries.empty());
  MakeEveryFieldDifferent(saved);
  SaveSettings(saved);

  Settings program = Load(Deliverable::SettingsProgram);
  EXPECT_TRUE(SameBody(program, saved)) << "the body differs after the round trip";
  EXPECT_TRUE(SameBody(program.EditSettings, saved)) << "EditSettings is not a copy of the body";
  EXPECT_EQ(program.Enabled, 1);
  EXPECT_EQ(Paths(program), Paths(saved));
  // The settings program sorts its table by Order: Date, Launcher, Time, SysInfo, Calendar, Wireless.
  const std::int32_t sorted[BlockCount] = {Date, Launcher, Time, SysInfo, Calendar, Wireless};
  for (int p = 0; p < BlockCount; ++p) {
    EXPECT_EQ(program.BlockTable[p].Kind, sorted[p]) << "position " << p;
    const BlockEntry& before = RowOfKind(saved, program.BlockTable[p].Kind);
    EXPECT_EQ(program.BlockTable[p].Order, before.Order);
    EXPECT_EQ(program.BlockTable[p].Visible, before.Visible);
    EXPECT_EQ(Utf8(program.BlockTable[p].Name), Utf8(PageName(program.BlockTable[p].Kind)));
  }

  Settings plugin = Load(Deliverable::Plugin);
  EXPECT_TRUE(SameBody(plugin, saved)) << "the plug-in loads another body";
  EXPECT_EQ(Paths(plugin), Paths(saved));
  for (int p = 0; p < BlockCount; ++p) {
    EXPECT_EQ(plugin.BlockTable[p].Kind, p + 1) << "the plug-in keeps kind order";
    EXPECT_EQ(plugin.BlockTable[p].Order, saved.BlockTable[p].Order);
  }
}

TEST_F(SettingsStoreOnWindows, SavedValuesHaveTheStoredTypesAndSizes) {
  Settings s = Load(Deliverable::SettingsProgram);
  s.Enabled = 1;
  SetText(s.TimeSettings.Tap, kPathCapacity, u"");
  SetText(s.WirelessSettings.Font.FaceName, kPathCapacity, u"Шрифт");
  s.TimeSettings.Font1.Size = 42;
  SaveSettings(s);

  DWORD type = 0;
  std::vector<std::uint8_t> data;
  ASSERT_TRUE(RealGet(Hklm(), kTodayItem, u"Enabled", &type, &data)) << "Enabled goes to HKLM";
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(data, (std::vector<std::uint8_t>{1, 0, 0, 0}));

  ASSERT_TRUE(RealGet(Hkcu(), kRoot + u"\\Time", u"FontSize1", &type, &data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(data, (std::vector<std::uint8_t>{42, 0, 0, 0}));

  ASSERT_TRUE(RealGet(Hkcu(), kRoot + u"\\Time", u"Tap", &type, &data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(data.size(), 2u) << "an empty text is written as 2 bytes";

  ASSERT_TRUE(RealGet(Hkcu(), kRoot + u"\\Wireless", u"FontName", &type, &data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  const std::u16string face = u"Шрифт";
  ASSERT_EQ(data.size(), (face.size() + 1) * 2);
  EXPECT_EQ(std::memcmp(data.data(), face.c_str(), data.size()), 0);

  ASSERT_TRUE(RealGet(Hkcu(), kRoot, u"FixedPageCount", &type, &data));
  EXPECT_EQ(data, (std::vector<std::uint8_t>{3, 0, 0, 0}));
  // Nothing was written outside the scratch key.
  HKEY real = nullptr;
  EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, W(kRoot.c_str()), 0, KEY_READ, &real), ERROR_SUCCESS);
}

TEST_F(SettingsStoreOnWindows, LauncherListAfterAGapLoadsToTheGapAndSavingLeavesTheRest) {
  RealSetText(Hkcu(), kLauncher, u"FileName1", u"\\Windows\\one.exe");
  RealSetText(Hkcu(), kLauncher, u"FileName2", u"\\Windows\\two.exe");
  RealSetText(Hkcu(), kLauncher, u"FileName4", u"\\Windows\\four.exe");

  Settings s = Load(Deliverable::SettingsProgram);
  EXPECT_EQ(Paths(s), (std::vector<std::string>{"\\Windows\\one.exe", "\\Windows\\two.exe"}));

  s.LauncherEntries.clear();
  for (const char16_t* path : {u"\\a.exe", u"\\б.lnk", u"\\c.exe"}) {
    LauncherEntry entry;
    entry.Path = LauncherPath(path);
    s.LauncherEntries.push_back(entry);
  }
  SaveSettings(s);

  DWORD type = 0;
  std::vector<std::uint8_t> data;
  ASSERT_TRUE(RealGet(Hkcu(), kLauncher, u"FileName3", &type, &data));
  ASSERT_TRUE(RealGet(Hkcu(), kLauncher, u"FileName4", &type, &data)) << "FileName4 was deleted";
  EXPECT_EQ(Utf8(reinterpret_cast<const char16_t*>(data.data())), "\\Windows\\four.exe");
  EXPECT_FALSE(RealGet(Hkcu(), kLauncher, u"FileName5", &type, &data));

  Settings again = Load(Deliverable::Plugin);
  EXPECT_EQ(Paths(again), (std::vector<std::string>{"\\a.exe", "\\б.lnk", "\\c.exe",
                                                    "\\Windows\\four.exe"}));
}

TEST_F(SettingsStoreOnWindows, ShorterListOverALongerOneDeletesTheWholeStoredRun) {
  for (int n = 1; n <= 5; ++n) {
    RealSetText(Hkcu(), kLauncher, u"FileName" + pf::FromUtf8(std::to_string(n)), u"\\x.exe");
  }
  Settings s = Load(Deliverable::SettingsProgram);
  ASSERT_EQ(s.LauncherEntries.size(), 5u);
  s.LauncherEntries.resize(1);
  s.LauncherEntries[0].Path = LauncherPath(u"\\only.exe");
  SaveSettings(s);

  DWORD type = 0;
  std::vector<std::uint8_t> data;
  for (int n = 2; n <= 5; ++n) {
    EXPECT_FALSE(RealGet(Hkcu(), kLauncher, u"FileName" + pf::FromUtf8(std::to_string(n)), &type, &data))
        << "FileName" << n << " was left";
  }
  EXPECT_EQ(Paths(Load(Deliverable::Plugin)), (std::vector<std::string>{"\\only.exe"}));
}

TEST_F(SettingsStoreOnWindows, AValueThatDoesNotFitIsSkippedAndTheNextOnesStillLoad) {
  const std::uint8_t eight[8] = {12, 0, 0, 0, 0, 0, 0, 0};
  RealSet(Hkcu(), kRoot + u"\\Wireless", u"FontSize", REG_BINARY, eight, sizeof eight);
  RealSetDword(Hkcu(), kRoot + u"\\Wireless", u"FontBold", 1);
  RealSetDword(Hkcu(), kRoot + u"\\Wireless", u"Height", 33);
  // A text of 100 units needs 202 bytes and does not fit the 200 of "Format1";
  // one of 99 units in "Format2" does.
  RealSetText(Hkcu(), kRoot + u"\\Date", u"Format1", std::u16string(100, u'y'));
  RealSetText(Hkcu(), kRoot + u"\\Date", u"Format2", std::u16string(99, u'M'));
  RealSetText(Hkcu(), kRoot + u"\\Date", u"Tap", u"\\after.exe");
  // A number stored as a 2-byte value fits its 4 bytes and is read.
  const std::uint8_t two[2] = {4, 0};
  RealSet(Hkcu(), kRoot + u"\\Time", u"TimeFormat", REG_BINARY, two, sizeof two);

  Settings s = Load(Deliverable::Plugin);
  EXPECT_EQ(s.WirelessSettings.Font.Size, 8) << "an 8-byte FontSize must not be read";
  EXPECT_EQ(s.WirelessSettings.Font.Bold, 1);
  EXPECT_EQ(s.WirelessSettings.Height, 33);
  EXPECT_EQ(Utf8(s.DateSettings.Format1), "") << "Format1 of 100 units must keep its default";
  EXPECT_EQ(Utf8(s.DateSettings.Format2), std::string(99, 'M'));
  EXPECT_EQ(Utf8(s.DateSettings.Tap), "\\after.exe");
  EXPECT_EQ(s.TimeSettings.TimeFormat, 4);
}

TEST_F(SettingsStoreOnWindows, CorrectionsApplyToWhatTheRealRegistryHolds) {
  RealSetDword(Hkcu(), kRoot, u"FixedPageCount", 9);
  RealSetDword(Hkcu(), kRoot + u"\\Time", u"FontSize1", 0);
  RealSetDword(Hkcu(), kRoot + u"\\Time", u"FontSize2", 250);
  RealSetDword(Hkcu(), kRoot + u"\\Calendar", u"FontSizeWeekdays", static_cast<std::uint32_t>(-5));
  RealSetDword(Hkcu(), kRoot + u"\\Time", u"Order", static_cast<std::uint32_t>(-1));

  Settings s = Load(Deliverable::SettingsProgram);
  EXPECT_EQ(s.FixedPageCount, 6);
  EXPECT_EQ(s.TimeSettings.Font1.Size, 1);
  EXPECT_EQ(s.TimeSettings.Font2.Size, 100);
  EXPECT_EQ(s.CalendarSettings.WeekdaysFont.Size, 0);
  const std::int32_t sorted[BlockCount] = {Time, Wireless, Date, Calendar, Launcher, SysInfo};
  for (int p = 0; p < BlockCount; ++p) EXPECT_EQ(s.BlockTable[p].Kind, sorted[p]) << "position " << p;
}

}  // namespace
}  // namespace ostrel::wintest
