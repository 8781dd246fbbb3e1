// ostrel-preview's full mode: the Today item created, driven by a script of shell and pen events, painted, and written as PNG and JSON.
#include "tools/preview/item_preview.h"

#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <sstream>

#include <CLI/CLI.hpp>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_file_io.h"
#include "platform/host/host_files.h"
#include "platform/host/host_fonts.h"
#include "platform/host/host_screen.h"
#include "platform/host/host_shell.h"
#include "platform/host/host_window.h"
#include "platform/host/png_io.h"
#include "platform/text.h"
#include "plugin/item_window.h"
#include "plugin/status_state.h"
#include "tools/preview/contact_sheet.h"
#include "tools/preview/events.h"
#include "tools/preview/item_json.h"
#include "tools/preview/today_shell.h"

namespace ostrel::preview {

namespace {

constexpr pf::ModuleHandle kPreviewModule{0x10000000};

// The folder "device" next to the running program.
std::string DefaultDeviceRoot() {
  char path[4096];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "device";
  std::string program(path, static_cast<std::size_t>(length));
  return program.substr(0, program.find_last_of('/') + 1) + "device";
}

// Device paths name files under root, for the file and shell calls and for
// the images the plug-in loads.
void UseDeviceRoot(const std::string& root) {
  struct stat st;
  if (::stat(root.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    std::cerr << "ostrel-preview: device root '" << root << "' is not a folder; no device file is found\n";
  }
  pf::host::HostFiles& files = pf::host::HostFileSystem();
  files.SetDeviceRoot(root);
  pf::host::HostDraw().SetPathResolver([&files](const std::u16string& path) {
    std::string hostPath;
    return files.ToHostPath(path, &hostPath) ? hostPath : std::string();
  });
}

// The storage card's figures need the folder the registry names.
void PrepareStorageCard(const StatusOptions& status) {
  StatusState card;
  ReadStorageCardPath(card);
  PrepareCard(status.card, card);
}

// The item fits a picture when its window could take its whole height: a
// window is at most kLargestWindowSide pixels a side.
bool FitsAPicture(int width, long long height) {
  return width <= pf::host::kLargestWindowSide && height <= pf::host::kLargestWindowSide;
}

void WritePicture(const std::string& file, pf::WindowHandle window) {
  auto picture = pf::host::HostScreen().WindowPicture(window);
  if (picture == nullptr) throw std::runtime_error("the item's window has no picture");
  std::string error;
  if (!pf::host::WritePng(file, *picture, true, &error)) throw UsageError(error);
}

void WriteReport(const std::string& file, const ItemReport& report) {
  if (file == "-") {
    WriteItemJson(std::cout, report);
    return;
  }
  std::ostringstream out;
  WriteItemJson(out, report);
  std::string error;
  if (!pf::host::WriteWholeFile(file, out.str(), &error)) throw UsageError(error);
}

std::vector<std::string> Launched() {
  std::vector<std::string> commands;
  for (const pf::host::ShellStart& start : pf::host::HostShellService().Starts()) {
    commands.push_back(pf::ToUtf8(start.file));
  }
  return commands;
}

// The item's life in the shell: created, sized, driven, painted, destroyed.
int PlayItem(const ItemOptions& options, const std::vector<ScriptEvent>& events,
             pf::WindowHandle today) {
  const int baseline = pf::LiveDrawingObjects();
  LiveItem item(today, options.width);
  PlayEvents(events, item.Shell());
  pf::host::ClearDrawLog();
  item.Paint();
  RefuseRefusedImages();

  pf::host::HostWindows& windows = pf::host::HostWindowService();
  ItemReport report;
  report.itemHeight = item.Height();
  report.draws = pf::host::DrawLog();
  report.liveObjects = pf::LiveDrawingObjects() - baseline;
  report.launched = Launched();
  report.menus = static_cast<int>(windows.MenuOpenings().size());
  report.repaints = windows.InvalidateCount(item.Window());
  const bool fits = FitsAPicture(options.width, report.itemHeight);
  if (!options.png.empty() && fits) WritePicture(options.png, item.Window());
  item.Close();
  report.liveObjectsAfterDestroy = pf::LiveDrawingObjects() - baseline;
  if (!options.json.empty()) WriteReport(options.json, report);
  if (!options.png.empty() && !fits) {
    throw UsageError("--png: the item is " + std::to_string(options.width) + " x " + std::to_string(report.itemHeight) +
                     " pixels, larger than a picture can be (" + std::to_string(pf::host::kLargestWindowSide) +
                     " pixels a side); no picture written");
  }
  return 0;
}

}  // namespace

LiveItem::LiveItem(pf::WindowHandle today, int width) {
  if (!AttachModule(kPreviewModule)) throw std::runtime_error("the item's window class could not be registered");
  item_ = ShellItem{InitializeCustomItem(&record_, today), &record_, width};
  if (pf::IsNull(item_.window)) {
    DetachModule();
    throw std::runtime_error("the item window could not be created");
  }
  open_ = true;
  QueryRefresh(item_);
}

void LiveItem::Paint() const { pf::SendMessageW(item_.window, pf::WM_PAINT, 0, 0); }

void LiveItem::Close() {
  if (!open_) return;
  open_ = false;
  pf::DestroyWindow(item_.window);
  DetachModule();
}

namespace {

// The full mode's options that keep their value as it is written.
struct TextOption {
  const char* option;
  const char* value;
  const char* description;
  std::string ItemOptions::*target;
};

const TextOption kTextOptions[] = {
    {"--device-root", "DIR", "the device's files (default: the folder 'device' next to this program)",
     &ItemOptions::deviceRoot},
    {"--png", "OUT.png", "the item at its real size after the events, as a picture", &ItemOptions::png},
    {"--json", "OUT.json|-", "the item's pages, status, launches and drawing calls ('-': standard output)",
     &ItemOptions::json},
    {"--watermark", "FILE.png", "the Today screen's background picture (default: plain dark)",
     &ItemOptions::watermark},
    {"--sheet", "OUT.png", "every page at 96, 128 and 192 dpi in one labelled picture", &ItemOptions::sheet},
    {"--fonts", "DIR", "fonts drawn before any other of their families (the .ttf files of a device's \\Windows)",
     &ItemOptions::fonts},
};

}  // namespace

void AddItemOptions(CLI::App& app, ItemOptions& options) {
  const std::string group = "Item options (the Today shell plays the item)";
  cli::AddValue(app, "--width", "W", "the item's width in pixels (16 to 4096, default 240)",
                [&options](const std::string& value) { options.width = IntValue("--width", value, 16, 4096); })
      ->group(group);
  cli::AddValue(app, "--events", "SCRIPT|@FILE", "shell and pen events played on the item (SCRIPT below; @FILE: "
                "read from FILE, one or more a line, '@-' standard input)",
                [&options](const std::string& value) { options.events = cli::ScriptArgument("--events", value); })
      ->group(group);
  for (const TextOption& text : kTextOptions) {
    cli::AddValue(app, text.option, text.value, text.description, cli::Into(options.*text.target))->group(group);
  }
}

namespace {

void UseFonts(const std::string& folder) {
  if (!pf::host::UseFontFolder(folder)) {
    throw UsageError("--fonts: '" + folder + "' is not a folder of fonts that can be read");
  }
}

}  // namespace

int RunItemPreview(const ItemOptions& options, const StatusOptions& status) {
  if (status.ticks != 0) throw UsageError("--ticks belongs to --dump-status; use the event 'tick N'");
  if (!options.sheet.empty()) CheckSheetOptions(options);
  const std::vector<ScriptEvent> events = ParseEvents(options.events);
  PrepareDevice(status);
  CheckClockPlan(events);
  pf::host::HostControlStore().SetScreenSize(options.width, options.width * 4 / 3);
  if (!options.fonts.empty()) UseFonts(options.fonts);
  // The watermark is a host file: read before device paths take over.
  const int shellWidth = options.sheet.empty() ? options.width : SheetShellWidth(options);
  TodayShell shell(shellWidth, shellWidth * 4 / 3, options.watermark);
  UseDeviceRoot(options.deviceRoot.empty() ? DefaultDeviceRoot() : options.deviceRoot);
  PrepareStorageCard(status);
  try {
    if (!options.sheet.empty()) return DrawContactSheet(options, shell.Window());
    return PlayItem(options, events, shell.Window());
  } catch (const std::runtime_error& e) {
    if (dynamic_cast<const UsageError*>(&e) != nullptr) throw;
    std::cerr << "ostrel-preview: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace ostrel::preview
