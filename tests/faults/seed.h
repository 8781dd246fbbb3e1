// The stored settings the fault scenarios start from: every setting off its default, and a launcher list of files under the device root.
#pragma once

#include <string>

#include "settings/settings.h"

namespace ostrel::faults {

// A record whose every setting, the block order and the Today item's switch
// differ from the defaults, with `entries` launcher entries \Apps\appN.exe.
Settings OffDefaultSettings(int entries);

// Writes the record to the registry in use, as the settings program saves.
// False when the registry refused a write.
bool StoreSettings(const Settings& settings);

// A device root made under /tmp: the files the defaults and the seed name,
// the item's state images next to the plug-in, and a folder of `files` files
// with subfolders for the file browser. Returns the host path.
std::string MakeDeviceRoot(const std::string& sourceDir, int files);

}  // namespace ostrel::faults
