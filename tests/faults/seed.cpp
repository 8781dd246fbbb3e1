// The fault scenarios' stored settings, each off its default, and their device folder.
#include "tests/faults/seed.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/text.h"
#include "settings/blocks.h"

namespace ostrel::faults {

namespace {

constexpr const char16_t* kOtherFace = u"Courier New";

std::int32_t NextInRange(std::int32_t value, int low, int high) {
  if (low >= high) return value + 1;
  return value + 1 <= high ? value + 1 : value - 1;
}

void ShiftNumber(const Field& field, void* record) {
  std::int32_t& value = NumberField(field, record);
  if (field.Row.List != nullptr) {
    value = (value + 1) % field.Row.List->Count;
  } else if (field.Row.Caption != nullptr) {
    value = NextInRange(value, field.Row.Low, field.Row.High);
  } else {
    value += 1;
  }
}

void ShiftText(const Field& field, void* record) {
  char16_t* text = TextField(field, record);
  if (field.Row.Kind == FormatRow) {
    pf::CopyText(text, field.Capacity, std::u16string(text) == u"dd.MM.yy" ? u"d MMM" : u"dd.MM.yy");
    return;
  }
  // A file of the browser's folder of many files, never a default.
  pf::CopyText(text, field.Capacity, u"\\Folder\\file1.exe");
}

void ShiftFont(const Field& field, void* record) {
  FontSpec& font = FontField(field, record);
  pf::CopyText(font.FaceName, kPathCapacity, std::u16string(font.FaceName) == kOtherFace ? u"Arial" : kOtherFace);
  font.Size = NextInRange(font.Size, field.Row.Low, field.Row.High);
  font.Bold = 1 - font.Bold;
  font.Color ^= 0x203040;
  font.ClearType = 1 - font.ClearType;
}

void ShiftKey(const SettingsKey& key, void* record) {
  for (int i = 0; i < key.FieldCount; ++i) {
    const Field& field = key.Fields[i];
    switch (field.Type) {
      case FieldType::Number: ShiftNumber(field, record); break;
      case FieldType::Color: ColorField(field, record) ^= 0x304050; break;
      case FieldType::Text: ShiftText(field, record); break;
      case FieldType::Font: ShiftFont(field, record); break;
    }
  }
}

void Touch(const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "x";
}

}  // namespace

Settings OffDefaultSettings(int entries) {
  Settings settings;
  settings.Owner = Deliverable::SettingsProgram;
  ResetToDefaults(settings);
  ShiftKey(TodayItemSettings(), &settings);
  ShiftKey(RootSettings(), &settings);
  for (const BlockSettings& block : kBlockSettings) ShiftKey(block.Settings, BlockRecord(block, settings));
  for (BlockEntry& row : settings.BlockTable.Entries) row.Order = BlockCount - 1 - row.Order;
  settings.LauncherEntries.clear();
  for (int n = 1; n <= entries; ++n) {
    LauncherEntry entry;
    entry.Path = LauncherPath(pf::FromUtf8("\\Apps\\app" + std::to_string(n) + ".exe").c_str());
    settings.LauncherEntries.push_back(entry);
  }
  return settings;
}

bool StoreSettings(const Settings& settings) { return SaveSettings(settings); }

std::string MakeDeviceRoot(const std::string& sourceDir, int files) {
  char pattern[] = "/tmp/ostrel-faults-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return "";
  const std::filesystem::path root = pattern;
  for (const char* name : {"Windows/wrlsmgr.exe", "Windows/clock.exe", "Windows/calendar.exe", "Windows/ostrelcfg.exe",
                           "Windows/battery.lnk", "Windows/memory.lnk"}) {
    Touch(root / name);
  }
  for (int n = 1; n <= 12; ++n) Touch(root / "Apps" / ("app" + std::to_string(n) + ".exe"));
  for (const auto& image : std::filesystem::directory_iterator(sourceDir + "/res/images")) {
    std::filesystem::copy_file(image.path(), root / "Windows" / image.path().filename());
  }
  for (int n = 1; n <= files; ++n) Touch(root / "Folder" / ("file" + std::to_string(n) + ".exe"));
  for (const char* sub : {"Folder/Sub A", "Folder/Sub B", "Folder/Sub C"}) std::filesystem::create_directories(root / sub);
  return root.string();
}

}  // namespace ostrel::faults
