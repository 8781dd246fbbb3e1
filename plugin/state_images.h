// The state images of the item: loaded once per item window from files named after the screen density.
#pragma once

#include "platform/types.h"
#include "plugin/item_state.h"
#include "settings/settings.h"

namespace ostrel {

// Fills images from folder (with its trailing backslash): for each
// image its block needs, folder + base name + the screen's vertical dpi +
// ".png". Images of hidden blocks, and files that are missing, stay null.
// Images loaded before are released first. False when the platform refused
// something (the density, the folder, a file that is there): worth another try.
bool LoadStateImages(const Settings& settings, StateImages& images, const char16_t* folder);

// The image folder + base + dpi + ".png", or null when it is missing or
// that name would not fit a path (a cut name could open some other file).
// A file that is there but could not be loaded sets failed.
pf::BitmapHandle LoadStateImage(const char16_t* folder, const char16_t* base, int dpi, bool& failed);

// Deletes the loaded images and clears their fields.
void ReleaseStateImages(StateImages& images);

}  // namespace ostrel
