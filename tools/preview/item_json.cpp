// The preview's JSON report of the item: height, pages, block table, status, launcher, launches, menus, repaints, live objects and the last paint's drawing calls.
#include "tools/preview/item_json.h"

#include <nlohmann/json.hpp>

#include "platform/draw.h"
#include "platform/text.h"
#include "plugin/item_state.h"
#include "plugin/plugin_state.h"
#include "tools/json/json_layout.h"
#include "tools/preview/dump_status.h"

namespace ostrel::preview {

namespace {

using json::Value;
using pf::host::DrawKind;
using pf::host::DrawRecord;

Value Rect(const pf::RECT& r) { return Value::array({r.left, r.top, r.right, r.bottom}); }

std::string TextOutOptionNames(std::uint32_t options) {
  std::string names;
  if (options & pf::ETO_OPAQUE) names = "ETO_OPAQUE";
  if (options & pf::ETO_CLIPPED) names += names.empty() ? "ETO_CLIPPED" : "|ETO_CLIPPED";
  return names;
}

void AddTextCall(Value& json, const DrawRecord& r) {
  json["text"] = pf::ToUtf8(r.text);
  json["rect"] = Rect(r.rect);
  json["format"] = r.kind == DrawKind::DrawText ? pf::host::FormatFlagNames(r.format) : TextOutOptionNames(r.format);
  Value& font = json["font"] = Value::object();
  font["FaceName"] = pf::ToUtf8(r.faceName);
  font["Height"] = r.fontHeight;
  font["Weight"] = r.fontWeight;
  font["Quality"] = r.fontQuality;
  json["color"] = r.color;
}

Value Draw(const DrawRecord& r) {
  Value json = Value::object();
  json["call"] = pf::host::DrawKindName(r.kind);
  switch (r.kind) {
    case DrawKind::DrawText:
    case DrawKind::TextOut:
      AddTextCall(json, r);
      break;
    case DrawKind::Fill:
      json["rect"] = Rect(r.rect);
      json["color"] = r.color;
      break;
    case DrawKind::Copy:
    case DrawKind::TransparentImage:
      json["image"] = r.imageName;
      json["x"] = r.rect.left;
      json["y"] = r.rect.top;
      json["width"] = r.rect.right - r.rect.left;
      json["height"] = r.rect.bottom - r.rect.top;
      if (r.kind == DrawKind::TransparentImage) json["transparent"] = r.color;
      break;
    case DrawKind::Rectangle:
      json["rect"] = Rect(r.rect);
      json["color"] = r.color;
      json["penColor"] = r.penColor;
      json["penWidth"] = r.penWidth;
      break;
    case DrawKind::Icon:
      json["path"] = r.iconName;
      json["x"] = r.rect.left;
      json["y"] = r.rect.top;
      break;
  }
  return json;
}

Value Blocks(const Settings& settings) {
  Value blocks = Value::array();
  for (const BlockEntry& entry : settings.BlockTable.Entries) {
    Value json = Value::object();
    json["Kind"] = entry.Kind;
    const char16_t* name = BlockKeyName(entry.Kind);
    json["Name"] = name != nullptr ? pf::ToUtf8(name) : std::string();
    json["Order"] = entry.Order;
    json["Visible"] = entry.Visible;
    json["PixelHeight"] = entry.PixelHeight;
    blocks.push_back(std::move(json));
  }
  return blocks;
}

Value Launcher(const Settings& settings) {
  Value launcher = Value::array();
  for (const LauncherEntry& entry : settings.LauncherEntries) {
    Value json = Value::object();
    json["Path"] = pf::ToUtf8(entry.Path);
    json["Bounds"] = Rect(entry.Bounds);
    launcher.push_back(std::move(json));
  }
  return launcher;
}

}  // namespace

void WriteItemJson(std::ostream& out, const ItemReport& report) {
  const Settings& settings = PluginSettings();
  const ItemState& item = Item();
  Value json = Value::object();
  json["itemHeight"] = report.itemHeight;
  json["FixedPageCount"] = settings.FixedPageCount;
  json["PageCount"] = item.PageCount;
  json["CurrentPage"] = item.CurrentPage;
  json["Selected"] = item.Selected;
  json["blocks"] = Blocks(settings);
  json["status"] = StatusJson(Status());
  json["launcher"] = Launcher(settings);
  json["launched"] = report.launched;
  json["menus"] = report.menus;
  json["repaints"] = report.repaints;
  json["liveObjects"] = report.liveObjects;
  json["liveObjectsAfterDestroy"] = report.liveObjectsAfterDestroy;
  json["draws"] = Value::array();
  for (const DrawRecord& r : report.draws) json["draws"].push_back(Draw(r));
  json::Write(out, json);
}

}  // namespace ostrel::preview
