// Launcher lists of growing length on the host: the item's whole route from the .reg file to a tap, and the settings program opening its Launcher page.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_routes.h"
#include "bench/host_item.h"
#include "config/config.h"
#include "platform/host/host_files.h"
#include "platform/host/host_font_families.h"
#include "platform/host/host_module.h"
#include "platform/host/memory_registry.h"
#include "platform/host/raster_log.h"
#include "platform/host/reg_file.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "settings/settings.h"

namespace ostrel::bench {
namespace {

// A device root holding a few programs, and a launcher list over them
// written as a .reg file; both removed at the end.
class LauncherDevice {
 public:
  explicit LauncherDevice(int entries) {
    char pattern[] = "/tmp/ostrel-bench-XXXXXX";
    root_ = ::mkdtemp(pattern);
    std::vector<std::u16string> paths;
    for (const char* name : {"calc.exe", "notes.exe", "tasks.lnk", "camera.exe"}) {
      std::filesystem::create_directories(root_ + "/Windows");
      std::ofstream(root_ + "/Windows/" + name) << "x";
      paths.push_back(u"Windows\\" + pf::FromUtf8(name));
    }
    regFile_ = root_ + "/launcher.reg";
    std::ofstream(regFile_, std::ios::binary)
        << pf::host::EncodeRegText(LauncherRegText(entries, paths), pf::host::RegEncoding::Utf16);
    pf::host::HostFileSystem().SetDeviceRoot(root_);
  }
  ~LauncherDevice() {
    pf::host::HostFileSystem().Reset();
    std::filesystem::remove_all(root_);
  }
  LauncherDevice(const LauncherDevice&) = delete;
  LauncherDevice& operator=(const LauncherDevice&) = delete;
  const std::string& RegFile() const { return regFile_; }

 private:
  std::string root_;
  std::string regFile_;
};

// The registry the program under measurement reads, in place for one scope.
class InstalledRegistry {
 public:
  InstalledRegistry() { pf::SetRegistry(&registry_); }
  ~InstalledRegistry() { pf::SetRegistry(nullptr); }
  InstalledRegistry(const InstalledRegistry&) = delete;
  InstalledRegistry& operator=(const InstalledRegistry&) = delete;
  pf::host::MemoryRegistry& Registry() { return registry_; }

 private:
  pf::host::MemoryRegistry registry_;
};

void Import(benchmark::State& state, pf::host::MemoryRegistry& registry, const std::string& file) {
  std::string error;
  if (!pf::host::ImportRegFile(registry, file, &error)) state.SkipWithError(error.c_str());
}

// The .reg import, the item's creation (LoadSettings, icons, layout), one
// paint of the launcher page and a tap that hits no icon.
void BM_LauncherRoute(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  LauncherDevice device(entries);
  std::optional<InstalledRegistry> registry;
  std::optional<RunningItem> item;
  for (auto _ : state) {
    state.PauseTiming();  // the previous item's and registry's teardown
    item.reset();
    registry.reset();
    pf::host::ClearDrawLog();
    state.ResumeTiming();
    registry.emplace();
    Import(state, registry->Registry(), device.RegFile());
    item.emplace();
    const pf::WindowHandle window = item->Window();
    if (!ShowLauncherPage(window)) state.SkipWithError("the launcher is not a page");
    pf::SendMessageW(window, pf::WM_PAINT, 0, 0);
    const pf::POINT gap = LauncherGapPoint(window);
    const pf::LPARAM at = pf::MAKELPARAM(gap.x, gap.y);
    pf::SendMessageW(window, pf::WM_LBUTTONDOWN, 0, at);
    pf::SendMessageW(window, pf::WM_LBUTTONUP, 0, at);
  }
  item.reset();
  registry.reset();
  pf::host::ClearDrawLog();
}
BENCHMARK(BM_LauncherRoute)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Makes the settings program's host platform as the program finds it at start.
void FreshSettingsProgramPlatform() {
  pf::host::HostControls& store = pf::host::HostControlStore();
  store.Reset();
  store.SetScreenSize(240, 320);
  pf::host::HostScreen().SetScreenDpi(96, 96);
  pf::host::HostModule().SetModulePath(u"\\Windows\\ostrelcfg.exe");
  pf::host::HostFontFamilyList().SetFaces(pf::host::HostFontFamilies::DefaultFaces());
}

// The Pages list's row of the page with that caption; -1 when there is none.
int PageRow(pf::WindowHandle main, const std::u16string& caption) {
  const pf::host::HostWindow* pages =
      pf::host::HostControlStore().Window(pf::GetDlgItem(main, cfg::ControlId(cfg::PagesList)));
  if (pages == nullptr) return -1;
  for (std::size_t row = 0; row < pages->rows.size(); ++row) {
    if (!pages->rows[row].texts.empty() && pages->rows[row].texts[0] == caption) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

pf::WindowHandle Control(pf::WindowHandle main, cfg::Control control) {
  return pf::GetDlgItem(main, cfg::ControlId(control));
}

// Starts the settings program and opens the block page with that caption
// from its Pages tab, as the person's taps do; returns the main window.
pf::WindowHandle StartOnPage(const std::u16string& caption) {
  pf::host::HostControls& store = pf::host::HostControlStore();
  int exitCode = 0;
  const pf::WindowHandle main = cfg::StartSettingsProgram(pf::ModuleHandle{}, pf::SW_SHOWNORMAL, &exitCode);
  store.UserSelectTab(Control(main, cfg::TabStrip), 1);
  store.UserSelectRow(Control(main, cfg::PagesList), PageRow(main, caption));
  store.UserClick(Control(main, cfg::EditButton));
  return main;
}

// The settings program started on the list, its Pages tab tapped and the
// Launcher page opened: the start loads the list, the page fills its own.
void BM_SettingsLauncherPage(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  LauncherDevice device(entries);
  InstalledRegistry registry;
  Import(state, registry.Registry(), device.RegFile());
  pf::host::HostControls& store = pf::host::HostControlStore();
  for (auto _ : state) {
    state.PauseTiming();
    FreshSettingsProgramPlatform();
    state.ResumeTiming();
    const pf::WindowHandle main = StartOnPage(u"Запуск");
    state.PauseTiming();
    if (cfg::CurrentView().OpenBlock != Launcher - 1) state.SkipWithError("the Launcher page did not open");
    pf::SendMessageW(main, pf::WM_CLOSE, 0, 0);
    state.ResumeTiming();
  }
  store.Reset();
}
BENCHMARK(BM_SettingsLauncherPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A device root with one folder of `files` files; removed at the end.
class FolderOfFiles {
 public:
  explicit FolderOfFiles(int files) {
    char pattern[] = "/tmp/ostrel-bench-XXXXXX";
    root_ = ::mkdtemp(pattern);
    std::filesystem::create_directories(root_ + "/Many");
    for (int n = 0; n < files; ++n) std::ofstream(root_ + "/Many/f" + std::to_string(n) + ".txt");
  }
  ~FolderOfFiles() { std::filesystem::remove_all(root_); }
  FolderOfFiles(const FolderOfFiles&) = delete;
  FolderOfFiles& operator=(const FolderOfFiles&) = delete;
  void Use() const { pf::host::HostFileSystem().SetDeviceRoot(root_); }

 private:
  std::string root_;
};

std::u16string SelectedCaption(const pf::host::HostWindow& list) {
  for (const pf::host::HostListRow& row : list.rows) {
    if ((row.state & pf::LVIS_SELECTED) && !row.texts.empty()) return row.texts[0];
  }
  return u"";
}

// The settings program's file browser opened on a folder of N files (the
// Wireless page's tap program, which names one of them): the listing, its
// icons, the sort and the selection of the named file.
void BM_FileBrowser(benchmark::State& state) {
  const int files = static_cast<int>(state.range(0));
  FolderOfFiles folder(files);
  InstalledRegistry registry;
  registry.Registry().SetString(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel\\Wireless", u"Tap",
                                u"Many\\f7.txt");
  pf::host::HostControls& store = pf::host::HostControlStore();
  for (auto _ : state) {
    state.PauseTiming();
    FreshSettingsProgramPlatform();
    pf::host::HostFileSystem().Reset();
    folder.Use();
    const pf::WindowHandle main = StartOnPage(u"Беспр. связь");
    store.UserSelectRow(Control(main, cfg::WirelessList), 7);
    state.ResumeTiming();
    store.UserClick(Control(main, cfg::EditButton));
    state.PauseTiming();
    const pf::host::HostWindow* list = store.Window(Control(main, cfg::FileList));
    if (list == nullptr || list->rows.size() != static_cast<std::size_t>(files) + 1) {
      state.SkipWithError("the browser does not list the folder");
    } else if (SelectedCaption(*list) != u"f7.txt") {
      state.SkipWithError("the browser does not select the program's file");
    }
    pf::SendMessageW(main, pf::WM_CLOSE, 0, 0);
    state.ResumeTiming();
  }
  store.Reset();
  pf::host::HostFileSystem().Reset();
}
BENCHMARK(BM_FileBrowser)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ostrel::bench
