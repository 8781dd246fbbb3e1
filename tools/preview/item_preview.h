// ostrel-preview's full mode: the Today item created, driven by a script of shell and pen events, painted, and written as PNG and JSON.
#pragma once

#include <string>

#include "platform/today.h"
#include "platform/types.h"
#include "tools/preview/dump_status.h"
#include "tools/preview/events.h"
#include "tools/preview/preview_options.h"

namespace ostrel::preview {

struct ItemOptions {
  int width = 240;
  std::string deviceRoot;  // empty: the "device" folder next to the program
  std::string events;      // the script, ';'-separated
  std::string png;
  std::string json;        // "-": standard output
  std::string watermark;   // empty: a plain dark background
  std::string sheet;       // the contact sheet's PNG (see contact_sheet.h)
  std::string fonts;       // a folder of the user's own fonts; empty: none
  bool Wanted() const { return !png.empty() || !json.empty() || !sheet.empty(); }
};

// The item as the shell holds it while it lives: the module attached, the
// window created under the Today window `width` pixels wide and sized by
// the refresh query; Close (or the end of its scope) destroys the window and
// detaches the module. Throws std::runtime_error when the class or the
// window cannot be made.
class LiveItem {
 public:
  LiveItem(pf::WindowHandle today, int width);
  ~LiveItem() { Close(); }
  LiveItem(const LiveItem&) = delete;
  LiveItem& operator=(const LiveItem&) = delete;

  const ShellItem& Shell() const { return item_; }
  pf::WindowHandle Window() const { return item_.window; }
  int Height() const { return static_cast<int>(record_.cyp); }
  // A whole paint of the item window, as the shell's WM_PAINT.
  void Paint() const;
  void Close();

 private:
  pf::TODAYLISTITEM record_{};
  ShellItem item_;
  bool open_ = false;
};

// The full mode's options (--png, --json, --sheet, --events, ...) on the
// parser; a bad value throws UsageError when it is met.
void AddItemOptions(CLI::App& app, ItemOptions& options);

// Plays the Today shell on the host platform (registry, density and module
// path already prepared) and writes what was asked. Returns the exit code.
int RunItemPreview(const ItemOptions& options, const StatusOptions& status);

}  // namespace ostrel::preview
