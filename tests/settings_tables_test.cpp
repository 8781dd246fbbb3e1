// The settings tables against the stored format: every key's read and write order value by value, and each table's names, rows and defaults agreeing with one another.
#include <algorithm>
#include <vector>

#include "settings/blocks.h"
#include "tests/settings_test_support.h"

namespace ostrel::testing {
namespace {

using Names = std::vector<std::u16string>;

// The value names of one operation on one key, in the order the journal saw them.
Names NamesOf(const std::vector<std::u16string>& journal, const std::u16string& op, const std::u16string& key) {
  Names names;
  const std::u16string marker = u"\\" + key + u" [";
  for (const auto& line : journal) {
    const std::size_t at = line.find(marker);
    if (line.rfind(op, 0) != 0 || at == std::u16string::npos) continue;
    names.push_back(line.substr(at + marker.size(), line.size() - at - marker.size() - 1));
  }
  return names;
}

struct StoredKey {
  const char16_t* path;
  Names reads;
};

// The stored format's order of every key (the launcher list aside).
const StoredKey kStored[] = {
    {u"Items\\Ostrel", {u"Enabled"}},
    {u"Vekta\\Ostrel",
     {u"FixedPageCount", u"MarginLeft", u"MarginTop", u"MarginRight", u"MarginBottom", u"TapType"}},
    {u"Ostrel\\Wireless",
     {u"FontName", u"Tap", u"FontSize", u"FontBold", u"FontColor", u"ClearType", u"Height", u"ShowBT", u"ShowWF",
      u"ShowCalls", u"ShowSMS", u"ShowEMails", u"Order", u"Visible"}},
    {u"Ostrel\\Time",
     {u"FontName1", u"FontName2", u"Tap", u"FontSize1", u"FontBold1", u"FontColor1", u"ClearType1", u"FontSize2",
      u"FontBold2", u"FontColor2", u"ClearType2", u"TimeFormat", u"ShowSeconds", u"ShowAlarm", u"ShowDate",
      u"Height", u"Order", u"Visible"}},
    {u"Ostrel\\Date",
     {u"FontName1", u"FontName2", u"Format1", u"Format2", u"Tap", u"FontSize1", u"FontBold1", u"FontColor1",
      u"ClearType1", u"FontSize2", u"FontBold2", u"FontColor2", u"ClearType2", u"Height", u"Order", u"Visible"}},
    {u"Ostrel\\Calendar",
     {u"FontName", u"FontNameWeekdays", u"Tap", u"FontSize", u"FontSizeWeekdays", u"FontBold", u"FontBoldWeekdays",
      u"ClearType", u"ClearTypeWeekdays", u"Color", u"ColorWeekdays", u"ColorToday", u"ColorSaturday",
      u"ColorSunday", u"ColorOther", u"Height", u"Order", u"Visible"}},
    {u"Ostrel\\SysInfo",
     {u"FontName", u"Tap1", u"Tap2", u"FontSize", u"FontBold", u"ClearType", u"FontColor", u"RamType",
      u"PhoneType", u"CardType", u"Height", u"Order", u"Visible"}},
};

TEST_F(SettingsTest, EveryKeyIsReadAndWrittenInTheStoredOrder) {
  Settings s = Load(Deliverable::SettingsProgram);
  SaveSettings(s);  // every value present, so every read succeeds
  registry.SetJournalEnabled(true);
  LoadSettings(s);
  SaveSettings(s);
  for (const StoredKey& key : kStored) {
    Names writes = key.reads;
    if (key.reads.size() == 13) std::swap(writes[5], writes[6]);  // SysInfo writes FontColor first
    EXPECT_EQ(NamesOf(registry.Journal(), u"Query", key.path), key.reads) << Utf8(key.path);
    EXPECT_EQ(NamesOf(registry.Journal(), u"Set", key.path), writes) << Utf8(key.path);
  }
}

// A font's five names, or a number's or text's one.
Names StoredNamesOf(const Field& field) {
  if (field.Type != FieldType::Font) return {field.Stored};
  const FontNames& f = field.StoredFont;
  return {f.FaceName, f.Size, f.Bold, f.Color, f.ClearType};
}

TEST(SettingsTables, EachKeysOrdersNameEveryFieldValueExactlyOnce) {
  std::vector<const SettingsKey*> keys = {&TodayItemSettings(), &RootSettings()};
  for (const BlockSettings& block : kBlockSettings) keys.push_back(&block.Settings);
  for (const SettingsKey* key : keys) {
    Names fromFields;
    for (int i = 0; i < key->FieldCount; ++i) {
      for (const std::u16string& name : StoredNamesOf(key->Fields[i])) fromFields.push_back(name);
    }
    Names reads(key->ReadOrder, key->ReadOrder + key->StoredCount);
    Names writes(key->WriteOrder, key->WriteOrder + key->StoredCount);
    std::sort(fromFields.begin(), fromFields.end());
    std::sort(reads.begin(), reads.end());
    std::sort(writes.begin(), writes.end());
    EXPECT_EQ(reads, fromFields) << Utf8(key->ReadOrder[0]);
    EXPECT_EQ(writes, fromFields) << Utf8(key->ReadOrder[0]);
    EXPECT_EQ(std::adjacent_find(reads.begin(), reads.end()), reads.end()) << "a name stored twice";
  }
}

TEST(SettingsTables, EveryBlockStartsWithItsHeightAndEachRowFitsItsField) {
  for (const BlockSettings& block : kBlockSettings) {
    const SettingsKey& key = block.Settings;
    EXPECT_EQ(block.Height, &key.Fields[0]) << Utf8(block.KeyName);
    EXPECT_EQ(key.Fields[0].Row.Kind, NumberRow);
    EXPECT_EQ(key.Fields[0].Row.Low, -1);
    EXPECT_EQ(key.Fields[0].Row.High, 1000);
    for (int i = 0; i < key.FieldCount; ++i) {
      const Field& field = key.Fields[i];
      EXPECT_NE(field.Row.Caption, nullptr) << "every block setting has a row";
      EXPECT_EQ(field.Type == FieldType::Font, field.Row.Kind == FontRow) << field.Member;
      EXPECT_EQ(field.Type == FieldType::Color, field.Row.Kind == ColourRow) << field.Member;
      if (field.Row.Kind == FileRow) {
        EXPECT_EQ(field.Capacity, kPathCapacity) << field.Member;
      }
      if (field.Row.Kind == FormatRow) {
        EXPECT_EQ(field.Capacity, kFormatCapacity) << field.Member;
      }
    }
  }
}

}  // namespace
}  // namespace ostrel::testing
