// Writes what a person sees of the settings program, read from the host control store.
#include "tools/ostrelcfg-sim/view_json.h"

#include <cstdio>
#include <string>

#include "config/config.h"
#include "platform/host/host_controls.h"
#include "platform/text.h"
#include "tools/json/json_quote.h"

namespace ostrel::sim {

namespace {

using pf::host::HostWindow;

std::string Quote(const std::u16string& text) { return json::Quoted(text); }

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Rect(const pf::RECT& r) {
  return "[" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + "]";
}

void WriteRows(std::ostream& out, const HostWindow& list) {
  out << ", \"rows\": [";
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    const pf::host::HostListRow& row = list.rows[i];
    std::u16string caption = row.texts.empty() ? u"" : row.texts[0];
    std::u16string value = row.texts.size() > 1 ? row.texts[1] : u"";
    bool checked = ((row.state & pf::LVIS_STATEIMAGEMASK) >> 12) == 2;
    bool selected = (row.state & pf::LVIS_SELECTED) != 0;
    out << (i ? ",\n        " : "\n        ") << "{\"caption\": " << Quote(caption)
        << ", \"value\": " << Quote(value) << ", \"kind\": " << row.image
        << ", \"checked\": " << Bool(checked) << ", \"selected\": " << Bool(selected) << "}";
  }
  out << "]";
}

void WriteEntries(std::ostream& out, const std::vector<std::u16string>& entries, int selected) {
  out << ", \"entries\": [";
  for (std::size_t i = 0; i < entries.size(); ++i) out << (i ? ", " : "") << Quote(entries[i]);
  out << "], \"selected\": " << selected;
}

void WriteControl(std::ostream& out, const char* name, const HostWindow& w, bool first) {
  char16_t text[1024] = {};
  pf::GetWindowTextW(w.handle, text, 1024);  // a combo shows its chosen entry
  out << (first ? "\n" : ",\n") << "    \"" << name << "\": {\"text\": " << Quote(text)
      << ", \"enabled\": " << Bool(w.Enabled()) << ", \"rect\": " << Rect(w.rect);
  if (w.Is(pf::WC_LISTVIEW)) WriteRows(out, w);
  if (w.Is(pf::WC_COMBOBOX)) WriteEntries(out, w.entries, w.comboSelection);
  if (w.Is(pf::WC_TABCONTROL)) WriteEntries(out, w.tabs, w.tabSelection);
  if (w.Is(pf::WC_BUTTON) && (w.style & 0x0F) == pf::BS_AUTOCHECKBOX) {
    out << ", \"checked\": " << Bool(w.check == pf::BST_CHECKED);
  }
  if (w.Is(pf::UPDOWN_CLASS)) out << ", \"range\": [" << w.low << ", " << w.high << "]";
  out << "}";
}

void WriteControls(std::ostream& out, pf::WindowHandle main) {
  pf::host::HostControls& store = pf::host::HostControlStore();
  out << "  \"controls\": {";
  bool first = true;
  for (int i = 0; i < cfg::ControlCount && !pf::IsNull(main); ++i) {
    pf::WindowHandle handle = pf::GetDlgItem(main, cfg::ControlId(static_cast<cfg::Control>(i)));
    const HostWindow* w = store.Window(handle);
    if (w == nullptr || !store.IsWindowVisible(handle)) continue;
    WriteControl(out, cfg::ControlName(i), *w, first);
    first = false;
  }
  out << (first ? "}\n" : "\n  }\n");
}

void WriteBroadcasts(std::ostream& out) {
  out << "  \"broadcasts\": [";
  const auto& broadcasts = pf::host::HostControlStore().Broadcasts();
  for (std::size_t i = 0; i < broadcasts.size(); ++i) {
    const pf::host::PostedBroadcast& b = broadcasts[i];
    out << (i ? ", " : "") << "{\"message\": " << b.message << ", \"wParam\": " << b.wParam
        << ", \"lParam\": " << b.lParam << "}";
  }
  out << "],\n";
}

void WriteMessages(std::ostream& out) {
  out << "  \"messages\": [";
  const auto& texts = pf::host::HostControlStore().MessageBoxes();
  for (std::size_t i = 0; i < texts.size(); ++i) out << (i ? ", " : "") << Quote(texts[i]);
  out << "],\n";
}

void WriteSoftKeys(std::ostream& out, pf::WindowHandle main) {
  pf::host::HostControls& store = pf::host::HostControlStore();
  const HostWindow* bar = store.Window(store.MenuBarOf(main));
  out << "  \"softkeys\": [";
  for (std::size_t i = 0; bar != nullptr && i < bar->softKeys.size(); ++i) {
    out << (i ? ", " : "") << Quote(bar->softKeys[i].text);
  }
  out << "],\n";
}

void WriteSwatch(std::ostream& out) {
  pf::RECT rect;
  pf::COLORREF colour = 0;
  if (!cfg::SwatchShown(&rect, &colour)) return;
  char text[16];
  std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(colour));
  out << "  \"swatch\": {\"colour\": \"" << text << "\", \"rect\": " << Rect(rect) << "},\n";
}

}  // namespace

void WriteViewJson(std::ostream& out) {
  pf::WindowHandle main = cfg::MainWindow();
  cfg::ViewState view = cfg::CurrentView();
  char16_t title[300] = {};
  if (!pf::IsNull(main)) {
    pf::GetWindowTextW(pf::GetDlgItem(main, cfg::ControlId(cfg::TitleLabel)), title, 300);
  }
  out << "{\n  \"CurrentTab\": " << view.CurrentTab << ",\n  \"OpenBlock\": " << view.OpenBlock
      << ",\n  \"OpenEditor\": " << view.OpenEditor << ",\n  \"title\": " << Quote(title)
      << ",\n  \"closed\": " << Bool(pf::IsNull(main)) << ",\n";
  WriteBroadcasts(out);
  WriteMessages(out);
  WriteSoftKeys(out, main);
  if (!pf::IsNull(main)) WriteSwatch(out);
  WriteControls(out, main);
  out << "}\n";
}

}  // namespace ostrel::sim
