// Test support for the item window: the Today shell played on the host, a device root with the item's files, and a teardown that checks nothing leaked.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/host/call_faults.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_device.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_files.h"
#include "platform/host/host_locale.h"
#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/host_shell.h"
#include "platform/host/host_window.h"
#include "platform/host/memory_registry.h"
#include "platform/host/raster_log.h"
#include "platform/text.h"
#include "platform/today.h"
#include "platform/window.h"
#include "plugin/item_state.h"
#include "plugin/item_window.h"
#include "plugin/plugin_state.h"

namespace ostrel::testing {

using pf::host::DrawKind;
using pf::host::DrawRecord;

constexpr pf::COLORREF kWatermark = pf::RGB(0x20, 0x24, 0x30);
constexpr pf::COLORREF kHighlight = pf::RGB(0x10, 0x40, 0xA0);
constexpr pf::ModuleHandle kModule{0x400000};

// The Today window: answers the item's color and watermark requests.
inline pf::LRESULT TodayShellProc(pf::WindowHandle, std::uint32_t message, pf::WPARAM wParam,
                                  pf::LPARAM lParam) {
  if (message == pf::TODAYM_GETCOLOR) {
    return wParam == pf::TODAYCOLOR_HIGHLIGHT ? kHighlight : pf::RGB(255, 255, 255);
  }
  if (message == pf::TODAYM_DRAWWATERMARK) {
    const auto* info = reinterpret_cast<const pf::TODAYDRAWWATERMARKINFO*>(lParam);
    const pf::COLORREF old = pf::SetBkColor(info->hdc, kWatermark);
    pf::ExtTextOutW(info->hdc, 0, 0, pf::ETO_OPAQUE, &info->rc, nullptr, 0, nullptr);
    pf::SetBkColor(info->hdc, old);
    return 1;
  }
  return 0;
}

// The calls of one kind in a drawing record, and whether a text was drawn.
inline std::vector<DrawRecord> Of(const std::vector<DrawRecord>& log, DrawKind kind) {
  std::vector<DrawRecord> out;
  for (const DrawRecord& r : log) {
    if (r.kind == kind) out.push_back(r);
  }
  return out;
}
inline bool DrewText(const std::vector<DrawRecord>& log, const std::u16string& text) {
  for (const DrawRecord& r : log) {
    if (r.kind == DrawKind::DrawText && r.text == text) return true;
  }
  return false;
}

class ItemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pf::SetRegistry(&registry);
    pf::SetClock(&clock);
    pf::SetLocale(&locale);
    pf::SetDevice(&device);
    pf::SetControls(&controls);
    pf::SetWindows(&windows);
    pf::SetShell(&shell);
    pf::SetFiles(&files);
    pf::SetModules(&modules);
    pf::host::InstallWindowPictures();
    pf::host::HostScreen().SetScreenDpi(96, 96);
    pf::host::ClearDrawingFaults();
    pf::host::ClearCallFaults();
    MakeDeviceRoot();
    pf::host::HostDraw().SetPathResolver([this](const std::u16string& path) {
      std::string out;
      return files.ToHostPath(path, &out) ? out : std::string();
    });
    modules.SetModulePath(u"\\Windows\\ostrel.dll");
    clock.SetLocalTime(pf::SYSTEMTIME{2026, 12, 0, 6, 7, 5, 0, 0});
    Item() = ItemState{};
    Status() = StatusState{};
    PluginSettings() = Settings{};
    baseline_ = pf::LiveDrawingObjects();
    pf::WNDCLASSW shellClass;
    shellClass.lpfnWndProc = TodayShellProc;
    shellClass.lpszClassName = u"DesktopExplorerWindow";
    controls.RegisterClassW(&shellClass);
    today = pf::CreateWindowExW(0, u"DesktopExplorerWindow", u"Today", pf::WS_VISIBLE, 0, 0, 240,
                                320, pf::WindowHandle{}, 0, pf::ModuleHandle{}, nullptr);
  }

  void TearDown() override {
    if (!pf::IsNull(item)) pf::DestroyWindow(item);
    if (attached_) DetachModule();
    pf::DestroyWindow(today);
    EXPECT_EQ(pf::LiveDrawingObjects(), baseline_) << "a drawing object leaked";
    EXPECT_EQ(pf::host::HostScreen().OpenScreenContexts(), 0) << "a context was not released";
    EXPECT_TRUE(pf::host::DrawingFaults().empty()) << pf::host::DrawingFaults().front();
    EXPECT_EQ(shell.OpenProcesses(), 0) << "a process handle was not closed";
    EXPECT_EQ(shell.OpenStreams(), 0) << "a file was left open";
    EXPECT_EQ(windows.LiveMenus(), 0) << "a menu was not destroyed";
    EXPECT_EQ(windows.OpenPaints(), 0) << "a paint was not ended";
    pf::host::ClearCallFaults();
    pf::host::HostDraw().SetPathResolver(nullptr);
    pf::SetRegistry(nullptr);
    pf::SetClock(nullptr);
    pf::SetLocale(nullptr);
    pf::SetDevice(nullptr);
    pf::SetControls(nullptr);
    pf::SetWindows(nullptr);
    pf::SetShell(nullptr);
    pf::SetFiles(nullptr);
    pf::SetModules(nullptr);
    pf::host::InstallWindowPictures();
    std::filesystem::remove_all(root_);
  }

  // ---- Settings in the registry, before Create ----
  void SetRoot(const char16_t* name, std::uint32_t value) {
    registry.SetDword(pf::HKEY_CURRENT_USER, u"Software\\Vekta\\Ostrel", name, value);
  }
  void SetBlock(const char16_t* block, const char16_t* name, std::uint32_t value) {
    registry.SetDword(pf::HKEY_CURRENT_USER, std::u16string(u"Software\\Vekta\\Ostrel\\") + block,
                      name, value);
  }
  void SetBlockText(const char16_t* block, const char16_t* name, const std::u16string& text) {
    registry.SetString(pf::HKEY_CURRENT_USER,
                       std::u16string(u"Software\\Vekta\\Ostrel\\") + block, name, text);
  }
  // Launcher entries FileName1.. naming files made under the device root.
  void SetLauncherPaths(int count) {
    for (int n = 1; n <= count; ++n) {
      const std::string number = std::to_string(n);
      Touch("Apps/app" + number + ".exe");
      SetBlockText(u"Launcher", (u"FileName" + pf::FromUtf8(number)).c_str(),
                   pf::FromUtf8("\\Apps\\app" + number + ".exe"));
    }
  }

  // ---- The shell's part ----
  // Attaches the module, creates the item at the screen width and sizes it
  // as the shell does after its first refresh query.
  void Create(int width = 240) {
    Initialize(width);
    SizeLikeTheShell(width);
  }
  // The module attached and the item created at the screen width, not sized yet.
  void Initialize(int width = 240) {
    controls.SetScreenSize(width, 320);
    if (!attached_) {
      ASSERT_TRUE(AttachModule(kModule));
      attached_ = true;
    }
    item = InitializeCustomItem(&listItem, today);
    ASSERT_FALSE(pf::IsNull(item));
  }
  // The shell's refresh query and the size it then gives the item.
  void SizeLikeTheShell(int width = 240) {
    Query();
    pf::MoveWindow(item, 0, 0, width, static_cast<int>(listItem.cyp), 1);
  }
  pf::LRESULT Send(std::uint32_t message, pf::WPARAM wParam = 0, pf::LPARAM lParam = 0) {
    return pf::SendMessageW(item, message, wParam, lParam);
  }
  pf::LRESULT Query() {
    return Send(pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<pf::WPARAM>(&listItem));
  }
  pf::LRESULT Key(unsigned key) { return Send(pf::WM_TODAYCUSTOM_USERNAVIGATION, key); }
  void Pen(std::uint32_t message, int x, int y) {
    Send(message, 0, pf::MAKELPARAM(static_cast<unsigned>(x), static_cast<unsigned>(y)));
  }
  void Tap(int x, int y) {
    Pen(pf::WM_LBUTTONDOWN, x, y);
    Pen(pf::WM_LBUTTONUP, x, y);
  }
  // A double tap as the platform delivers it.
  void DoubleTap(int x, int y) {
    Pen(pf::WM_LBUTTONDOWN, x, y);
    Pen(pf::WM_LBUTTONUP, x, y);
    Pen(pf::WM_LBUTTONDBLCLK, x, y);
    Pen(pf::WM_LBUTTONUP, x, y);
  }
  void Swipe(int fromX, int toX, int y) {
    Pen(pf::WM_LBUTTONDOWN, fromX, y);
    Pen(pf::WM_MOUSEMOVE, (fromX + toX) / 2, y);
    Pen(pf::WM_MOUSEMOVE, toX, y);
    Pen(pf::WM_LBUTTONUP, toX, y);
  }
  void Hold(int x, int y) {
    windows.SetNextGesture(pf::GN_CONTEXTMENU);
    Pen(pf::WM_LBUTTONDOWN, x, y);
  }
  // The drawing calls of one WM_PAINT.
  std::vector<DrawRecord> Paint() {
    pf::host::ClearDrawLog();
    Send(pf::WM_PAINT);
    return pf::host::DrawLog();
  }
  // Every command handed to ShellExecuteEx, in order.
  std::vector<std::string> Launched() const {
    std::vector<std::string> out;
    for (const pf::host::ShellStart& s : shell.Starts()) out.push_back(pf::ToUtf8(s.file));
    return out;
  }
  int Repaints() const { return windows.InvalidateCount(item); }

  // A file under the device root (folders made on the way).
  void Touch(const std::string& relative) {
    std::filesystem::path file = root_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "x";
  }
  void Remove(const std::string& relative) { std::filesystem::remove(root_ / relative); }

  pf::host::MemoryRegistry registry;
  pf::host::HostClock clock;
  pf::host::HostLocale locale;
  pf::host::HostDevice device;
  pf::host::HostControls controls;
  pf::host::HostWindows windows;
  pf::host::HostShell shell;
  pf::host::HostFiles files;
  pf::host::HostModules modules;
  pf::TODAYLISTITEM listItem{};
  pf::WindowHandle today{};
  pf::WindowHandle item{};

 private:
  // The device's folders: the default tap targets, the settings program,
  // the two shortcuts and the state images next to the plug-in.
  void MakeDeviceRoot() {
    char pattern[] = "/tmp/ostrel-item-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root_ = pattern;
    files.SetDeviceRoot(root_.string());
    for (const char* name : {"Windows/wrlsmgr.exe", "Windows/clock.exe", "Windows/calendar.exe",
                             "Windows/ostrelcfg.exe", "Windows/battery.lnk", "Windows/memory.lnk"}) {
      Touch(name);
    }
    for (const auto& image : std::filesystem::directory_iterator(OSTREL_SOURCE_DIR "/res/images")) {
      std::filesystem::copy_file(image.path(), root_ / "Windows" / image.path().filename());
    }
  }

  std::filesystem::path root_;
  int baseline_ = 0;
  bool attached_ = false;
};

}  // namespace ostrel::testing
