// The plug-in's process-wide settings and status records.
#include "plugin/plugin_state.h"
#include "plugin/item_state.h"

namespace ostrel {

Settings& PluginSettings() {
  static Settings settings;
  return settings;
}

ItemState& Item() {
  static ItemState item;
  return item;
}

StatusState& Status() {
  static StatusState status;
  return status;
}

}  // namespace ostrel
