// Taps on blocks and program launching: which gesture counts, which target a block names, how it is started.
#pragma once

#include "platform/types.h"
#include "plugin/item_state.h"
#include "settings/settings.h"

namespace ostrel {

// The settings program, started from the plug-in's own folder.
constexpr const char16_t* kSettingsProgramFile = u"ostrelcfg.exe";

// Runs the tap action of the entry at a block-table position. x is in client
// coordinates, yInBand from the top of the block's stacking slot; isDouble is
// 1 for the double-click message and 0 for a pen release.
void TapEntry(const Settings& settings, const ItemState& item, int position, int x, int yInBand, int isDouble);

// The launcher entry whose cell holds the point starts; gaps start nothing.
void TapLauncherCell(const Settings& settings, int x, int yInBand);
// The battery part is the left quarter of the inner width, the memory part
// the rest; the side margins start nothing.
void TapSysInfoPart(const Settings& settings, pf::WindowHandle window, int x);
// Whether the item's tap type lets this gesture start a block's program.
bool TapTypeMatches(std::int32_t tapType, int isDouble);

// Starts the file when the path is not empty and the file exists.
void LaunchPath(const char16_t* path);

// True when the file can be opened for reading.
bool FileExists(const char16_t* path);

// Starts "ostrelcfg.exe" from the plug-in's folder when it is there.
void StartSettingsProgram(pf::ModuleHandle module);

}  // namespace ostrel
