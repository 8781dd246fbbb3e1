// The plug-in's process-wide records, owned by the module for its whole life:
// the settings the item window loaded and the status it shows.
#pragma once

#include "plugin/status_state.h"
#include "settings/settings.h"

namespace ostrel {

// Filled by LoadSettings when the item window is created.
Settings& PluginSettings();
// Filled by the status readers and the refresh tick; read by the renderers.
StatusState& Status();

}  // namespace ostrel
