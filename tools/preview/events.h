// The preview's event script: shell and pen events parsed from ';'-separated text and played on the item window.
#pragma once

#include <string>
#include <vector>

#include "platform/today.h"
#include "platform/types.h"

namespace ostrel::preview {

extern const char* const kEventsUsage;

struct ScriptEvent {
  std::string name;          // "tap", "key", ...
  std::vector<int> numbers;  // coordinates, a menu id, a count or seconds
  unsigned key = 0;          // key: the virtual key
  std::string text;          // the event as written, for messages
};

// The whole script checked before anything runs: an unknown event or a
// malformed argument throws UsageError naming it.
std::vector<ScriptEvent> ParseEvents(const std::string& script);

// The item as the shell holds it: its window, its list record and width.
struct ShellItem {
  pf::WindowHandle window{};
  pf::TODAYLISTITEM* record = nullptr;
  int width = 0;
};

// The shell's refresh query; a changed height resizes the item to it.
void QueryRefresh(const ShellItem& item);

// Checks the script's moves of the clock before it is played, from the host
// clock's present time: the clock stays in the years it can show (1601 ..
// 30827) and the ticks in all within kMostTicksPerRun; UsageError names the
// first event that leaves them.
void CheckClockPlan(const std::vector<ScriptEvent>& events);

// Plays the events (their clock plan checked) in order. A menu entry that no
// open menu holds throws UsageError naming the event.
void PlayEvents(const std::vector<ScriptEvent>& events, const ShellItem& item);

}  // namespace ostrel::preview
