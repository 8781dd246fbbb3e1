// The settings record as one JSON object, named by the record's own fields.
#include "tools/preview/dump_settings.h"

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

void Wireless(JsonWriter& json, const WirelessSettings& w) {
  json.BeginObject("WirelessSettings");
  json.Number("Height", w.Height);
  Font(json, "Font", w.Font);
  json.Number("ShowBT", w.ShowBT);
  json.Number("ShowWF", w.ShowWF);
  json.Number("ShowCalls", w.ShowCalls);
  json.Number("ShowSMS", w.ShowSMS);
  json.Number("ShowEMails", w.ShowEMails);
  json.Text("Tap", w.Tap);
  json.EndObject();
}

void TimeBlock(JsonWriter& json, const TimeSettings& t) {
  json.BeginObject("TimeSettings");
  json.Number("Height", t.Height);
  Font(json, "Font1", t.Font1);
  json.Number("TimeFormat", t.TimeFormat);
  json.Number("ShowSeconds", t.ShowSeconds);
  json.Number("ShowAlarm", t.ShowAlarm);
  Font(json, "Font2", t.Font2);
  json.Number("ShowDate", t.ShowDate);
  json.Text("Tap", t.Tap);
  json.EndObject();
}

void DateBlock(JsonWriter& json, const DateSettings& d) {
  json.BeginObject("DateSettings");
  json.Number("Height", d.Height);
  Font(json, "Font1", d.Font1);
  Font(json, "Font2", d.Font2);
  json.Text("Format1", d.Format1);
  json.Text("Format2", d.Format2);
  json.Text("Tap", d.Tap);
  json.EndObject();
}

void CalendarBlock(JsonWriter& json, const CalendarSettings& c) {
  json.BeginObject("CalendarSettings");
  json.Number("Height", c.Height);
  Font(json, "Font", c.Font);
  Font(json, "WeekdaysFont", c.WeekdaysFont);
  json.Number("ColorToday", c.ColorToday);
  json.Number("ColorSaturday", c.ColorSaturday);
  json.Number("ColorSunday", c.ColorSunday);
  json.Number("ColorOther", c.ColorOther);
  json.Text("Tap", c.Tap);
  json.EndObject();
}

void LauncherBlock(JsonWriter& json, const LauncherSettings& l) {
  json.BeginObject("LauncherSettings");
  json.Number("Height", l.Height);
  json.Number("BigIcons", l.BigIcons);
  json.Number("Align", l.Align);
  json.EndObject();
}

void SysInfoBlock(JsonWriter& json, const SysInfoSettings& s) {
  json.BeginObject("SysInfoSettings");
  json.Number("Height", s.Height);
  Font(json, "Font", s.Font);
  json.Number("RamType", s.RamType);
  json.Number("PhoneType", s.PhoneType);
  json.Number("CardType", s.CardType);
  json.Text("Tap1", s.Tap1);
  json.Text("Tap2", s.Tap2);
  json.EndObject();
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
  json.Number("FixedPageCount", settings.FixedPageCount);
  json.Number("MarginLeft", settings.MarginLeft);
  json.Number("MarginTop", settings.MarginTop);
  json.Number("MarginRight", settings.MarginRight);
  json.Number("MarginBottom", settings.MarginBottom);
  json.Number("TapType", settings.TapType);
  Wireless(json, settings.WirelessSettings);
  TimeBlock(json, settings.TimeSettings);
  DateBlock(json, settings.DateSettings);
  CalendarBlock(json, settings.CalendarSettings);
  LauncherBlock(json, settings.LauncherSettings);
  SysInfoBlock(json, settings.SysInfoSettings);
  Table(json, settings);
  json.BeginArray("LauncherEntries");
  for (const LauncherEntry& entry : settings.LauncherEntries) json.Text(nullptr, entry.Path);
  json.EndArray();
  if (settings.Owner == Deliverable::SettingsProgram) json.Number("Enabled", settings.Enabled);
  json.EndObject();
}

}  // namespace ostrel::preview
