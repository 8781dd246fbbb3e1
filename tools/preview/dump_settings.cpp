// The settings record as one JSON object, named by the record's own fields.
#include "tools/preview/dump_settings.h"

#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "settings/blocks.h"
#include "tools/json/json_layout.h"

namespace ostrel::preview {

namespace {

using json::Value;

Value Font(const FontSpec& font) {
  Value json = Value::object();
  json["FaceName"] = pf::ToUtf8(font.FaceName);
  json["Size"] = font.Size;
  json["Bold"] = font.Bold;
  json["Color"] = font.Color;
  json["ClearType"] = font.ClearType;
  return json;
}

Value FieldJson(const Field& field, void* record) {
  switch (field.Type) {
    case FieldType::Number: return NumberField(field, record);
    case FieldType::Color: return ColorField(field, record);
    case FieldType::Text: return pf::ToUtf8(TextField(field, record));
    case FieldType::Font: return Font(FontField(field, record));
  }
  return nullptr;
}

// A key's fields in the record's order, under the record's own names.
void KeyJson(Value& json, const SettingsKey& key, const Settings& settings) {
  void* record = key.Record(const_cast<Settings&>(settings));
  for (int i = 0; i < key.FieldCount; ++i) json[key.Fields[i].Member] = FieldJson(key.Fields[i], record);
}

Value Table(const Settings& settings) {
  const bool program = settings.Owner == Deliverable::SettingsProgram;
  Value table = Value::array();
  for (const BlockEntry& entry : settings.BlockTable.Entries) {
    Value json = Value::object();
    json["Kind"] = entry.Kind;
    json["Order"] = entry.Order;
    json["Visible"] = entry.Visible;
    if (program) json["Name"] = pf::ToUtf8(entry.Name);
    table.push_back(std::move(json));
  }
  return table;
}

}  // namespace

void WriteSettingsJson(std::ostream& out, const Settings& settings) {
  Value json = Value::object();
  KeyJson(json, RootSettings(), settings);
  for (const BlockSettings& block : kBlockSettings) {
    json[block.Settings.Member] = Value::object();
    KeyJson(json[block.Settings.Member], block.Settings, settings);
  }
  json["BlockTable"] = Table(settings);
  json["LauncherEntries"] = Value::array();
  for (const LauncherEntry& entry : settings.LauncherEntries) json["LauncherEntries"].push_back(pf::ToUtf8(entry.Path));
  if (settings.Owner == Deliverable::SettingsProgram) KeyJson(json, TodayItemSettings(), settings);
  json::Write(out, json);
}

}  // namespace ostrel::preview
