// ostrel-preview --dump-status: the item's status after its creation, a
// forced refresh and a run of timer ticks on a chosen host device.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "platform/clock.h"
#include "plugin/status_state.h"
#include "settings/settings.h"
#include "tools/json/json_layout.h"
#include "tools/preview/preview_options.h"

namespace ostrel::preview {

struct DiskOption {
  bool fails = true;
  std::uint64_t total = 0;
  std::uint64_t free = 0;
};

struct StatusOptions {
  bool dump = false;
  std::optional<pf::SYSTEMTIME> now;  // none = the real local time
  bool english = false;
  std::string battery;                // empty = the host device's default
  bool memorySet = false;
  std::uint32_t memoryLoad = 0;
  std::uint64_t memoryTotal = 0;
  std::uint64_t memoryAvail = 0;
  std::optional<DiskOption> store;    // none = the host device's default
  DiskOption card;                    // fails unless given
  int ticks = 0;
  int advance = 1;
};

// --dump-status and the device's options (--now, --battery, ...) on the
// parser; a bad value throws UsageError when it is met.
void AddStatusOptions(CLI::App& app, StatusOptions& options);

// The host clock, locale and device figures as the options ask.
void PrepareDevice(const StatusOptions& options);
// The storage card's figures for the folder the registry names (status holds
// the path as ReadStorageCardPath left it); a card without a folder is a UsageError.
void PrepareCard(const DiskOption& card, const StatusState& status);
// The status fields of --dump-status as one JSON object.
json::Value StatusJson(const StatusState& status);

// Sets up the host clock, locale and device, runs what the item window's
// creation and timer run, and writes the status as JSON. Returns the exit code.
int RunDumpStatus(const StatusOptions& options, const Settings& settings, std::ostream& out);

}  // namespace ostrel::preview
