// The settings record as one JSON object, named by the record's own fields.
#pragma once

#include <ostream>

#include "settings/settings.h"

namespace ostrel::preview {

void WriteSettingsJson(std::ostream& out, const Settings& settings);

}  // namespace ostrel::preview
