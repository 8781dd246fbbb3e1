// Defaults of the settings record, the block-table sort and the body copy.
#include "platform/module.h"
#include "platform/text.h"
#include "settings/blocks.h"

namespace ostrel {

namespace {

void ResetBlockTable(BlockTable& table, Deliverable owner) {
  table.BlockCount = BlockCount;
  for (int i = 0; i < BlockCount; ++i) {
    BlockEntry& entry = table[i];
    entry = BlockEntry{};
    entry.Kind = kBlockSettings[i].Kind;
    entry.Order = i;
    entry.Visible = 1;
    if (owner == Deliverable::SettingsProgram) {
      pf::CopyText(entry.Name, kNameCapacity, kBlockSettings[i].PageName);
    }
  }
}

}  // namespace

const char16_t* PageName(std::int32_t kind) {
  const BlockSettings* block = BlockSettingsOf(kind);
  return block ? block->PageName : nullptr;
}

const char16_t* BlockKeyName(std::int32_t kind) {
  const BlockSettings* block = BlockSettingsOf(kind);
  return block ? block->KeyName : nullptr;
}

bool ResetToDefaults(Settings& settings) {
  SettingsBody& body = settings;
  body = SettingsBody{};
  bool complete = ResetFields(RootSettings(), settings);
  for (const BlockSettings& block : kBlockSettings) complete &= ResetFields(block.Settings, settings);
  ResetBlockTable(settings.BlockTable, settings.Owner);
  if (settings.Owner == Deliverable::SettingsProgram) complete &= ResetFields(TodayItemSettings(), settings);
  return complete;
}

void SortBlocks(BlockTable& table) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (int i = 0; i + 1 < BlockCount; ++i) {
      if (table[i + 1].Order < table[i].Order) {
        BlockEntry held = table[i];
        table[i] = table[i + 1];
        table[i + 1] = held;
        swapped = true;
      }
    }
  }
}

void CopyBody(SettingsBody& destination, const SettingsBody& source) { destination = source; }

void OwnFolder(pf::ModuleHandle module, char16_t* out) {
  char16_t path[kPathCapacity] = {};
  pf::GetModuleFileNameW(module, path, kPathCapacity);
  path[kPathCapacity - 1] = 0;
  std::size_t cut = 0;
  for (std::size_t i = 0; path[i] != 0; ++i) {
    if (path[i] == u'\\') cut = i + 1;
  }
  path[cut] = 0;
  pf::CopyText(out, kPathCapacity, path);
}

}  // namespace ostrel
