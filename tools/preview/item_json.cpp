// The preview's JSON report of the item: height, pages, block table, status, launcher, launches, menus, repaints, live objects and the last paint's drawing calls.
#include "tools/preview/item_json.h"

#include "platform/draw.h"
#include "platform/text.h"
#include "plugin/item_state.h"
#include "plugin/plugin_state.h"
#include "tools/preview/dump_status.h"
#include "tools/preview/json_writer.h"

namespace ostrel::preview {

namespace {

using pf::host::DrawKind;
using pf::host::DrawRecord;

void Rect(JsonWriter& json, const char* key, const pf::RECT& r) {
  json.BeginArray(key);
  for (int v : {r.left, r.top, r.right, r.bottom}) json.Number(nullptr, v);
  json.EndArray();
}

std::string TextOutOptionNames(std::uint32_t options) {
  std::string names;
  if (options & pf::ETO_OPAQUE) names = "ETO_OPAQUE";
  if (options & pf::ETO_CLIPPED) names += names.empty() ? "ETO_CLIPPED" : "|ETO_CLIPPED";
  return names;
}

void WriteTextCall(JsonWriter& json, const DrawRecord& r) {
  json.String("text", pf::ToUtf8(r.text));
  Rect(json, "rect", r.rect);
  json.String("format", r.kind == DrawKind::DrawText ? pf::host::FormatFlagNames(r.format)
                                                      : TextOutOptionNames(r.format));
  json.BeginObject("font");
  json.String("FaceName", pf::ToUtf8(r.faceName));
  json.Number("Height", r.fontHeight);
  json.Number("Weight", r.fontWeight);
  json.Number("Quality", r.fontQuality);
  json.EndObject();
  json.Number("color", r.color);
}

void WriteDraw(JsonWriter& json, const DrawRecord& r) {
  json.BeginObject();
  json.String("call", pf::host::DrawKindName(r.kind));
  switch (r.kind) {
    case DrawKind::DrawText:
    case DrawKind::TextOut:
      WriteTextCall(json, r);
      break;
    case DrawKind::Fill:
      Rect(json, "rect", r.rect);
      json.Number("color", r.color);
      break;
    case DrawKind::Copy:
    case DrawKind::TransparentImage:
      json.String("image", r.imageName);
      json.Number("x", r.rect.left);
      json.Number("y", r.rect.top);
      json.Number("width", r.rect.right - r.rect.left);
      json.Number("height", r.rect.bottom - r.rect.top);
      if (r.kind == DrawKind::TransparentImage) json.Number("transparent", r.color);
      break;
    case DrawKind::Rectangle:
      Rect(json, "rect", r.rect);
      json.Number("color", r.color);
      json.Number("penColor", r.penColor);
      json.Number("penWidth", r.penWidth);
      break;
    case DrawKind::Icon:
      json.String("path", r.iconName);
      json.Number("x", r.rect.left);
      json.Number("y", r.rect.top);
      break;
  }
  json.EndObject();
}

void WriteBlocks(JsonWriter& json, const Settings& settings) {
  json.BeginArray("blocks");
  for (const BlockEntry& entry : settings.BlockTable.Entries) {
    json.BeginObject();
    json.Number("Kind", entry.Kind);
    const char16_t* name = BlockKeyName(entry.Kind);
    json.String("Name", name != nullptr ? pf::ToUtf8(name) : std::string());
    json.Number("Order", entry.Order);
    json.Number("Visible", entry.Visible);
    json.Number("PixelHeight", entry.PixelHeight);
    json.EndObject();
  }
  json.EndArray();
}

void WriteLauncher(JsonWriter& json, const Settings& settings) {
  json.BeginArray("launcher");
  for (const LauncherEntry& entry : settings.LauncherEntries) {
    json.BeginObject();
    json.Text("Path", entry.Path);
    Rect(json, "Bounds", entry.Bounds);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

void WriteItemJson(std::ostream& out, const ItemReport& report) {
  const Settings& settings = PluginSettings();
  const ItemState& item = Item();
  JsonWriter json(out);
  json.BeginObject();
  json.Number("itemHeight", report.itemHeight);
  json.Number("FixedPageCount", settings.FixedPageCount);
  json.Number("PageCount", item.PageCount);
  json.Number("CurrentPage", item.CurrentPage);
  json.Number("Selected", item.Selected);
  WriteBlocks(json, settings);
  json.BeginObject("status");
  WriteStatusFields(json, Status());
  json.EndObject();
  WriteLauncher(json, settings);
  json.BeginArray("launched");
  for (const std::string& command : report.launched) json.String(nullptr, command);
  json.EndArray();
  json.Number("menus", report.menus);
  json.Number("repaints", report.repaints);
  json.Number("liveObjects", report.liveObjects);
  json.Number("liveObjectsAfterDestroy", report.liveObjectsAfterDestroy);
  json.BeginArray("draws");
  for (const DrawRecord& r : report.draws) WriteDraw(json, r);
  json.EndArray();
  json.EndObject();
}

}  // namespace ostrel::preview
