// Test support for the settings program: a fresh host platform per test, the program started through its entry, a person's taps by control name, and what the view and the registry show.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/config.h"
#include "platform/draw.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_files.h"
#include "platform/host/host_font_families.h"
#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/text.h"
#include "platform/window.h"

namespace ostrel::testing {

// A device root in a fresh temporary folder, removed again at the end.
class DeviceFolder {
 public:
  DeviceFolder() {
    char pattern[] = "/tmp/ostrelcfg-device-XXXXXX";
    root_ = ::mkdtemp(pattern);
    Use();
  }
  // Makes this folder the device root (again, after a reset of the file system).
  void Use() const { pf::host::HostFileSystem().SetDeviceRoot(root_); }
  ~DeviceFolder() { std::filesystem::remove_all(root_); }
  // "Windows/clock.exe": the file and the folders on its way.
  void File(const std::string& path) const {
    std::filesystem::path full = std::filesystem::path(root_) / path;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full) << "x";
  }
  void Folder(const std::string& path) const {
    std::filesystem::create_directories(std::filesystem::path(root_) / path);
  }

 private:
  std::string root_;
};

struct ShownRow {
  std::u16string caption;
  std::u16string value;
  int kind = 0;
  bool checked = false;
  bool selected = false;
};

class ConfigTest : public ::testing::Test {
 protected:
  static constexpr const char16_t* kRoot = u"Software\\Vekta\\Ostrel";

  void SetUp() override {
    pf::SetRegistry(&registry);
    pf::host::HostScreen().SetScreenDpi(96, 96);
    pf::host::HostModule().SetModulePath(u"\\Windows\\ostrelcfg.exe");
    store().Reset();
    store().SetScreenSize(240, 320);
    pf::host::HostFileSystem().Reset();
    pf::host::HostFontFamilyList().SetFaces(pf::host::HostFontFamilies::DefaultFaces());
    liveObjects = pf::LiveDrawingObjects();
  }

  void TearDown() override {
    if (!pf::IsNull(cfg::MainWindow())) pf::SendMessageW(cfg::MainWindow(), pf::WM_CLOSE, 0, 0);
    store().Reset();
    pf::host::HostFileSystem().Reset();
    pf::SetRegistry(nullptr);
    pf::host::HostScreen().SetScreenDpi(96, 96);
    EXPECT_EQ(registry.OpenHandleCount(), 0) << "a registry key was left open";
    EXPECT_EQ(pf::host::HostScreen().OpenScreenContexts(), 0) << "a screen context was not released";
    EXPECT_EQ(pf::host::HostFileSystem().OpenSearches(), 0) << "a file search was not closed";
    EXPECT_EQ(pf::LiveDrawingObjects(), liveObjects) << "a font or icon outlived the program";
  }

  static pf::host::HostControls& store() { return pf::host::HostControlStore(); }

  void Start() {
    int exitCode = -1;
    main = cfg::StartSettingsProgram(pf::ModuleHandle{}, pf::SW_SHOWNORMAL, &exitCode);
    ASSERT_FALSE(pf::IsNull(main)) << "the main window was not created";
  }

  // ---- What the person sees ----
  static cfg::Control Named(const char* name) {
    cfg::Control control = cfg::TitleLabel;
    EXPECT_TRUE(cfg::ControlByName(name, &control)) << name;
    return control;
  }
  pf::WindowHandle H(const char* name) const {
    return pf::GetDlgItem(main, cfg::ControlId(Named(name)));
  }
  const pf::host::HostWindow& W(const char* name) const {
    const pf::host::HostWindow* w = store().Window(H(name));
    if (w == nullptr) {
      ADD_FAILURE() << "no control " << name;
      static pf::host::HostWindow none;
      return none;
    }
    return *w;
  }
  bool Visible(const char* name) const { return store().IsWindowVisible(H(name)) != 0; }
  bool Enabled(const char* name) const { return store().IsWindowEnabled(H(name)) != 0; }
  std::u16string Text(const char* name) const {
    char16_t text[2048] = {};
    pf::GetWindowTextW(H(name), text, 2048);
    return text;
  }
  std::u16string Title() const { return Text("TitleLabel"); }
  std::vector<std::string> VisibleControls() const {
    std::vector<std::string> names;
    for (int i = 0; i < cfg::ControlCount; ++i) {
      if (store().IsWindowVisible(pf::GetDlgItem(main, cfg::ControlId(static_cast<cfg::Control>(i))))) {
        names.push_back(cfg::ControlName(i));
      }
    }
    return names;
  }
  std::vector<ShownRow> Rows(const char* list) const {
    std::vector<ShownRow> rows;
    for (const pf::host::HostListRow& r : W(list).rows) {
      ShownRow row;
      row.caption = r.texts.empty() ? u"" : r.texts[0];
      row.value = r.texts.size() > 1 ? r.texts[1] : u"";
      row.kind = r.image;
      row.checked = ((r.state & pf::LVIS_STATEIMAGEMASK) >> 12) == 2;
      row.selected = (r.state & pf::LVIS_SELECTED) != 0;
      rows.push_back(row);
    }
    return rows;
  }
  std::vector<std::u16string> Captions(const char* list) const {
    std::vector<std::u16string> captions;
    for (const ShownRow& r : Rows(list)) captions.push_back(r.caption);
    return captions;
  }
  std::u16string Value(const char* list, int row) const {
    std::vector<ShownRow> rows = Rows(list);
    return row < static_cast<int>(rows.size()) ? rows[row].value : u"<no row>";
  }
  pf::RECT Rect(const char* name) const { return W(name).rect; }
  cfg::ViewState View() const { return cfg::CurrentView(); }
  bool Closed() const { return pf::IsNull(cfg::MainWindow()); }

  // ---- The person's taps ----
  bool Tab(int index) { return store().UserSelectTab(H("TabStrip"), index); }
  bool Select(const char* list, int row) { return store().UserSelectRow(H(list), row); }
  bool Check(const char* list, int row, bool on) { return store().UserCheckRow(H(list), row, on); }
  bool DoubleTap(const char* list, int row) { return store().UserDoubleTap(H(list), row); }
  bool Press(const char* button) { return store().UserClick(H(button)); }
  bool Type(const char* edit, const std::u16string& text) { return store().UserType(H(edit), text); }
  bool Choose(const char* combo, int index) { return store().UserChoose(H(combo), index); }
  bool Tick(const char* check, bool on) { return store().UserTick(H(check), on); }
  bool Ok() { return store().UserSoftKey(main, 0); }
  bool Cancel() { return store().UserSoftKey(main, 1); }
  // Opens a row's editor (or flips a toggle) with the list's edit button.
  void Open(const char* list, int row, const char* button = "EditButton") {
    ASSERT_TRUE(Select(list, row)) << list << " cannot be tapped";
    ASSERT_TRUE(Press(button)) << button << " cannot be pressed";
  }
  // Opens a block page from the Pages tab by its caption.
  void OpenPage(const std::u16string& caption) {
    Tab(1);
    std::vector<std::u16string> captions = Captions("PagesList");
    for (std::size_t i = 0; i < captions.size(); ++i) {
      if (captions[i] == caption) {
        Open("PagesList", static_cast<int>(i));
        return;
      }
    }
    ADD_FAILURE() << "no page " << pf::ToUtf8(caption);
  }

  // ---- The registry ----
  static std::u16string Key(const char16_t* block) {
    return block[0] ? std::u16string(kRoot) + u"\\" + block : std::u16string(kRoot);
  }
  void SetInt(const char16_t* block, const char16_t* name, std::int32_t v) {
    registry.SetDword(pf::HKEY_CURRENT_USER, Key(block), name, static_cast<std::uint32_t>(v));
  }
  void SetText(const char16_t* block, const char16_t* name, const std::u16string& text) {
    registry.SetString(pf::HKEY_CURRENT_USER, Key(block), name, text);
  }
  bool Has(const char16_t* block, const char16_t* name) const {
    return registry.GetValue(pf::HKEY_CURRENT_USER, Key(block), name).has_value();
  }
  std::int32_t Int(const char16_t* block, const char16_t* name) const {
    std::optional<pf::host::RegValue> v = registry.GetValue(pf::HKEY_CURRENT_USER, Key(block), name);
    std::int32_t out = INT32_MIN;
    if (v && v->data.size() == 4) std::memcpy(&out, v->data.data(), 4);
    return out;
  }
  std::u16string Str(const char16_t* block, const char16_t* name) const {
    std::optional<pf::host::RegValue> v = registry.GetValue(pf::HKEY_CURRENT_USER, Key(block), name);
    if (!v) return u"<missing>";
    std::u16string out(v->data.size() / 2, u'\0');
    std::memcpy(&out[0], v->data.data(), out.size() * 2);
    while (!out.empty() && out.back() == 0) out.pop_back();
    return out;
  }
  std::int32_t EnabledValue() const {
    std::optional<pf::host::RegValue> v = registry.GetValue(
        pf::HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\Ostrel", u"Enabled");
    std::int32_t out = INT32_MIN;
    if (v && v->data.size() == 4) std::memcpy(&out, v->data.data(), 4);
    return out;
  }
  bool SavedAnything() {
    return registry.FindKey(pf::HKEY_CURRENT_USER, kRoot) != nullptr ||
           registry.FindKey(pf::HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\Ostrel") != nullptr;
  }

  pf::host::MemoryRegistry registry;
  pf::WindowHandle main{};
  int liveObjects = 0;
};

inline std::string U8(const std::u16string& text) { return pf::ToUtf8(text); }

}  // namespace ostrel::testing
