// The state images of the item: loaded once per item window from files named after the screen density.
#pragma once

namespace ostrel {

// Fills Item().Images from folder (with its trailing backslash): for each
// image its block needs, folder + base name + the screen's vertical dpi +
// ".png". Images of hidden blocks, and files that are missing, stay null.
// Images loaded before are released first.
void LoadStateImages(const char16_t* folder);

// Deletes the loaded images and clears their fields.
void ReleaseStateImages();

}  // namespace ostrel
