// Writes what a person sees of the settings program, read from the host control store.
#include "tools/ostrelcfg-sim/view_json.h"

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "config/config.h"
#include "platform/host/host_controls.h"
#include "platform/text.h"
#include "tools/json/json_layout.h"

namespace ostrel::sim {

namespace {

using json::Value;
using pf::host::HostWindow;

// One line a member at the top and one a visible control; each control on
// its line, a list's rows one a line under it.
const json::Layout kViewLayout{json::Shape::Lines, json::Shape::Inline,
                               {{"controls", json::Shape::Lines}, {"rows", json::Shape::Hanging}}};

Value Text(const std::u16string& text) { return pf::ToUtf8(text); }

Value Texts(const std::vector<std::u16string>& texts) {
  Value list = Value::array();
  for (const std::u16string& text : texts) list.push_back(Text(text));
  return list;
}

Value Rect(const pf::RECT& r) { return Value::array({r.left, r.top, r.right, r.bottom}); }

Value Rows(const HostWindow& list) {
  Value rows = Value::array();
  for (const pf::host::HostListRow& row : list.rows) {
    Value shown = Value::object();
    shown["caption"] = Text(row.texts.empty() ? u"" : row.texts[0]);
    shown["value"] = Text(row.texts.size() > 1 ? row.texts[1] : u"");
    shown["kind"] = row.image;
    shown["checked"] = ((row.state & pf::LVIS_STATEIMAGEMASK) >> 12) == 2;
    shown["selected"] = (row.state & pf::LVIS_SELECTED) != 0;
    rows.push_back(std::move(shown));
  }
  return rows;
}

Value Control(const HostWindow& w) {
  char16_t text[1024] = {};
  pf::GetWindowTextW(w.handle, text, 1024);  // a combo shows its chosen entry
  Value control = Value::object();
  control["text"] = Text(text);
  control["enabled"] = w.Enabled();
  control["rect"] = Rect(w.rect);
  if (w.Is(pf::WC_LISTVIEW)) control["rows"] = Rows(w);
  if (w.Is(pf::WC_COMBOBOX) || w.Is(pf::WC_TABCONTROL)) {
    const bool combo = w.Is(pf::WC_COMBOBOX);
    control["entries"] = Texts(combo ? w.entries : w.tabs);
    control["selected"] = combo ? w.comboSelection : w.tabSelection;
  }
  if (w.Is(pf::WC_BUTTON) && (w.style & 0x0F) == pf::BS_AUTOCHECKBOX) {
    control["checked"] = w.check == pf::BST_CHECKED;
  }
  if (w.Is(pf::UPDOWN_CLASS)) control["range"] = Value::array({w.low, w.high});
  return control;
}

Value Controls(pf::WindowHandle main) {
  pf::host::HostControls& store = pf::host::HostControlStore();
  Value controls = Value::object();
  for (int i = 0; i < cfg::ControlCount && !pf::IsNull(main); ++i) {
    pf::WindowHandle handle = pf::GetDlgItem(main, cfg::ControlId(static_cast<cfg::Control>(i)));
    const HostWindow* w = store.Window(handle);
    if (w == nullptr || !store.IsWindowVisible(handle)) continue;
    controls[cfg::ControlName(i)] = Control(*w);
  }
  return controls;
}

Value Broadcasts() {
  Value list = Value::array();
  for (const pf::host::PostedBroadcast& b : pf::host::HostControlStore().Broadcasts()) {
    Value broadcast = Value::object();
    broadcast["message"] = b.message;
    broadcast["wParam"] = b.wParam;
    broadcast["lParam"] = b.lParam;
    list.push_back(std::move(broadcast));
  }
  return list;
}

Value SoftKeys(pf::WindowHandle main) {
  pf::host::HostControls& store = pf::host::HostControlStore();
  const HostWindow* bar = store.Window(store.MenuBarOf(main));
  Value keys = Value::array();
  for (std::size_t i = 0; bar != nullptr && i < bar->softKeys.size(); ++i) keys.push_back(Text(bar->softKeys[i].text));
  return keys;
}

void AddSwatch(Value& view) {
  pf::RECT rect;
  pf::COLORREF color = 0;
  if (!cfg::SwatchShown(&rect, &color)) return;
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(color));
  view["swatch"] = Value::object();
  view["swatch"]["colour"] = text;
  view["swatch"]["rect"] = Rect(rect);
}

}  // namespace

void WriteViewJson(std::ostream& out) {
  pf::WindowHandle main = cfg::MainWindow();
  cfg::ViewState state = cfg::CurrentView();
  char16_t title[300] = {};
  if (!pf::IsNull(main)) {
    pf::GetWindowTextW(pf::GetDlgItem(main, cfg::ControlId(cfg::TitleLabel)), title, 300);
  }
  Value view = Value::object();
  view["CurrentTab"] = state.CurrentTab;
  view["OpenBlock"] = state.OpenBlock;
  view["OpenEditor"] = state.OpenEditor;
  view["title"] = Text(title);
  view["closed"] = pf::IsNull(main);
  view["broadcasts"] = Broadcasts();
  view["messages"] = Texts(pf::host::HostControlStore().MessageBoxes());
  view["softkeys"] = SoftKeys(main);
  if (!pf::IsNull(main)) AddSwatch(view);
  view["controls"] = Controls(main);
  json::Write(out, view, kViewLayout);
}

}  // namespace ostrel::sim
