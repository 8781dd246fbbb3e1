// The item's once-a-second refresh: clock, calendar, status and date texts,
// and a repaint only when something shown changed.
#include "platform/text.h"
#include "platform/window.h"
#include "plugin/item_handlers.h"
#include "plugin/status_change.h"
#include "plugin/status_state.h"

namespace ostrel {

namespace {

bool SysInfoVisible(const BlockTable& table) {
  for (const BlockEntry& entry : table.Entries) {
    if (entry.Kind == SysInfo) return entry.Visible != 0;
  }
  return false;
}

}  // namespace

void RefreshTick(pf::WindowHandle window, int force, const Settings& settings,
                 StatusState& status) {
  char16_t clock[kClockScratchCapacity];
  FormatClockText(settings.TimeSettings, clock);
  const bool newTime = force != 0 || !SameStoredText(status.TimeText, clock, kTimeTextCapacity);

  if (newTime) BuildCalendarGrid(status);

  int changed = ReadPhoneStatus(status);
  // Every visible tick reads the system figures, whatever the phone said.
  if (SysInfoVisible(settings.BlockTable)) {
    changed |= ReadSystemInfo(settings.SysInfoSettings, status);
  }
  // A date the formatter refused is asked for again at each tick until it comes.
  if (!newTime) changed |= RetryRefusedDates(settings.DateSettings, status);

  if (newTime) {
    pf::ClearText(status.TimeText, kTimeTextCapacity);
    pf::ClearText(status.DateText1, kDateTextCapacity);
    pf::ClearText(status.DateText2, kDateTextCapacity);
    pf::CopyText(status.TimeText, kTimeTextCapacity, clock);
    FormatDateTexts(settings.DateSettings, status);
    RepaintWhole(window);
  } else if (changed) {
    RepaintWhole(window);
  }
}

}  // namespace ostrel
