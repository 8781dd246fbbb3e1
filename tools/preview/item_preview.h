// ostrel-preview's full mode: the Today item created, driven by a script of shell and pen events, painted, and written as PNG and JSON.
#pragma once

#include <string>

#include "tools/preview/dump_status.h"
#include "tools/preview/preview_options.h"

namespace ostrel::preview {

extern const char* const kItemUsage;

struct ItemOptions {
  int width = 240;
  std::string deviceRoot;  // empty: the "device" folder next to the program
  std::string events;      // the script, ';'-separated
  std::string png;
  std::string json;        // "-": standard output
  std::string watermark;   // empty: a plain dark background
  bool Wanted() const { return !png.empty() || !json.empty(); }
};

// Takes `arg` (and its value) when it is one of the full mode's options;
// returns false for any other option. Bad values throw UsageError.
bool ParseItemOption(const std::string& arg, ArgReader& args, ItemOptions& options);

// Plays the Today shell on the host platform (registry, density and module
// path already prepared) and writes what was asked. Returns the exit code.
int RunItemPreview(const ItemOptions& options, const StatusOptions& status);

}  // namespace ostrel::preview
