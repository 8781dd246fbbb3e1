// The settings record as one JSON object, named by the record's own fields.
#include "tools/preview/dump_settings.h"

#include "settings/blocks.h"
#include "tools/preview/json_writer.h"

namespace ostrel::preview {

namespace {

void Font(JsonWriter& json, const char* key, const FontSpec& font) {
  json.BeginObject(key);
  json.Text("FaceName", font.FaceName);
  json.Number("Size", font.Size);
  json.Number("Bold", font.Bold);
  json.Number("Color", font.Color);
  json.Number("ClearType", font.ClearType);
  json.EndObject();
}

void FieldJson(JsonWriter& json, const Field& field, void* record) {
  switch (field.Type) {
    case FieldType::Number: json.Number(field.Member, NumberField(field, record)); break;
    case FieldType::Colour: json.Number(field.Member, ColourField(field, record)); break;
    case FieldType::Text: json.Text(field.Member, TextField(field, record)); break;
    case FieldType::Font: Font(json, field.Member, FontField(field, record)); break;
  }
}

// A key's fields in the record's order, under the record's own names.
void KeyJson(JsonWriter& json, const SettingsKey& key, const Settings& settings) {
  void* record = key.Record(const_cast<Settings&>(settings));
  for (int i = 0; i < key.FieldCount; ++i) FieldJson(json, key.Fields[i], record);
}

void Table(JsonWriter& json, const Settings& settings) {
  const bool program = settings.Owner == Deliverable::SettingsProgram;
  json.BeginArray("BlockTable");
  for (const BlockEntry& entry : settings.BlockTable.Entries) {
    json.BeginObject();
    json.Number("Kind", entry.Kind);
    json.Number("Order", entry.Order);
    json.Number("Visible", entry.Visible);
    if (program) json.Text("Name", entry.Name);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

void WriteSettingsJson(std::ostream& out, const Settings& settings) {
  JsonWriter json(out);
  json.BeginObject();
  KeyJson(json, RootSettings(), settings);
  for (const BlockSettings& block : kBlockSettings) {
    json.BeginObject(block.Settings.Member);
    KeyJson(json, block.Settings, settings);
    json.EndObject();
  }
  Table(json, settings);
  json.BeginArray("LauncherEntries");
  for (const LauncherEntry& entry : settings.LauncherEntries) json.Text(nullptr, entry.Path);
  json.EndArray();
  if (settings.Owner == Deliverable::SettingsProgram) KeyJson(json, TodayItemSettings(), settings);
  json.EndObject();
}

}  // namespace ostrel::preview
