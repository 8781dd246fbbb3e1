// Taps on blocks and program launching: which gesture counts, which target a block names, how it is started.
#pragma once

namespace ostrel {

// The settings program, started from the plug-in's own folder.
constexpr const char16_t* kSettingsProgramFile = u"ostrelcfg.exe";

// Runs the tap action of the entry at a block-table position. x is in client
// coordinates, yInBand from the top of the block's stacking slot; isDouble is
// 1 for the double-click message and 0 for a pen release.
void TapEntry(int position, int x, int yInBand, int isDouble);

// Whether the item's tap type lets this gesture start a block's program.
bool TapTypeMatches(int isDouble);

// Starts the file when the path is not empty and the file exists.
void LaunchPath(const char16_t* path);

// True when the file can be opened for reading.
bool FileExists(const char16_t* path);

// Starts "ostrelcfg.exe" from the plug-in's folder when it is there.
void StartSettingsProgram();

}  // namespace ostrel
