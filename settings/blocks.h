// The settings side of each block kind: its registry sub-key, its page name and its settings table.
#pragma once

#include "settings/fields.h"

namespace ostrel {

struct BlockSettings {
  std::int32_t Kind;
  const char16_t* KeyName;   // the registry sub-key, "Wireless", ...
  const char16_t* PageName;  // the settings program's page name
  SettingsKey Settings;
  const Field* Height;       // the block's height field, -1 = automatic
  bool HoldsLauncherList;    // the launcher list lives in this block's key
};

// The six kinds in kind order.
extern const BlockSettings kBlockSettings[BlockCount];
// The description of a kind, nullptr outside 1..6.
const BlockSettings* BlockSettingsOf(std::int32_t kind);
// The block record of a kind in a settings body.
inline void* BlockRecord(const BlockSettings& block, SettingsBody& body) { return block.Settings.Record(body); }
// The Height setting of a kind's block.
std::int32_t BlockHeight(const SettingsBody& body, const BlockSettings& block);

}  // namespace ostrel
