// The device's paths on the desktop: a path without a drive names a file under the system drive's root.
#pragma once

#include "platform/win32/win32.h"

namespace pf::win32 {

// Room for a device path turned into a desktop one.
constexpr int kLongPath = 2 * ours::MaxPath;

// Writes the desktop form of a device path into out (kLongPath units). On
// the device the path is taken as it is; on the desktop a path without a
// drive (with or without a leading backslash) names a file under the system
// drive's root, as the device's paths name files under its root folder. One
// pair of surrounding quotation marks is kept around the result.
void DevicePath(const char16_t* path, wchar_t* out);

}  // namespace pf::win32
