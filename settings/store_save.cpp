// Saving the settings record to the registry, and writing back the record as loaded after a failed save.
#include "platform/registry.h"
#include "platform/text.h"
#include "settings/blocks.h"
#include "settings/store_keys.h"

namespace ostrel {

using namespace store;

namespace {

bool OpenForWriting(pf::KeyHandle root, const char16_t* path, pf::KeyHandle* key) {
  std::uint32_t disposition = 0;
  return pf::RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, key, &disposition) == pf::ERROR_SUCCESS;
}

void WriteFields(KeyWriter& writer, const SettingsKey& key, const Settings& settings) {
  void* record = key.Record(const_cast<Settings&>(settings));
  for (int i = 0; i < key.StoredCount; ++i) VisitValue(writer, key, record, key.WriteOrder[i]);
}

bool SaveKey(pf::KeyHandle root, const char16_t* path, const SettingsKey& key, const Settings& settings,
             const StoredState* found, WriteMode mode) {
  pf::KeyHandle handle{};
  if (!OpenForWriting(root, path, &handle)) return false;
  const WritePlan plan(found, mode, path, &key, 0, settings);
  KeyWriter writer(handle, plan);
  WriteFields(writer, key, settings);
  return writer.Close();
}

void SaveRowsOfKind(KeyWriter& writer, const Settings& settings, std::int32_t kind) {
  for (const BlockEntry& row : settings.BlockTable.Entries) {
    if (row.Kind != kind) continue;
    writer.Int(u"Order", row.Order);
    writer.Int(u"Visible", row.Visible);
  }
}

// Length of the unbroken run FileName1, FileName2, ... as stored now; false
// when a read failed for another reason than the run's end, so that the
// count may be short.
bool CountStoredLauncherPaths(const char16_t* path, int* count) {
  *count = 0;
  pf::KeyHandle key{};
  const long opened = pf::RegOpenKeyExW(pf::HKEY_CURRENT_USER, path, 0, pf::KEY_READ, &key);
  if (opened != pf::ERROR_SUCCESS) return opened == pf::ERROR_FILE_NOT_FOUND;
  ReadLog unnoted(nullptr);
  KeyReader reader(key, path, unnoted);
  char16_t name[kValueNameCapacity];
  char16_t scratch[kPathCapacity];
  long result = pf::ERROR_SUCCESS;
  for (;;) {
    LauncherValueName(*count + 1, name);
    result = reader.QueryText(name, scratch, kPathCapacity);
    if (result != pf::ERROR_SUCCESS) break;
    ++*count;
  }
  const bool closed = pf::RegCloseKey(key) == pf::ERROR_SUCCESS;
  const bool ended = result == pf::ERROR_FILE_NOT_FOUND || result == pf::ERROR_MORE_DATA;
  return ended && closed;
}

// FileName1..N are written over the stored run before its surplus
// FileName N+1..K goes, from the end, so a failure part-way never leaves
// fewer entries than the shorter of the two lists. The rewrite stops at the
// first failure, and deletes nothing when K is uncertain, so that the stored
// list stays one unbroken run: no entry is left beyond a gap, where a later
// save would neither count nor delete it and a longer list would bring it back.
void RewriteLauncherEntries(KeyWriter& writer, const Settings& settings, int storedCount, bool counted) {
  char16_t name[kValueNameCapacity];
  const int count = static_cast<int>(settings.LauncherEntries.size());
  for (int n = 1; n <= count; ++n) {
    LauncherValueName(n, name);
    if (!writer.WriteText(name, settings.LauncherEntries[static_cast<std::size_t>(n - 1)].Path)) return;
  }
  if (!counted) return;
  for (int n = storedCount; n > count; --n) {
    LauncherValueName(n, name);
    if (!writer.Delete(name)) return;
  }
}

bool SaveBlockKey(const Settings& settings, const BlockSettings& block, const StoredState* found,
                  WriteMode mode) {
  char16_t path[kPathCapacity];
  BlockKeyPath(block.Kind, path);
  const WritePlan plan(found, mode, path, &block.Settings, block.Kind, settings);
  const bool listed = block.HoldsLauncherList && plan.For(kLauncherListName) != WriteAction::Skip;
  int storedCount = 0;
  const bool counted = !listed || CountStoredLauncherPaths(path, &storedCount);
  pf::KeyHandle key{};
  if (!OpenForWriting(pf::HKEY_CURRENT_USER, path, &key)) return false;
  KeyWriter writer(key, plan);
  WriteFields(writer, block.Settings, settings);
  SaveRowsOfKind(writer, settings, block.Kind);
  if (listed) RewriteLauncherEntries(writer, settings, storedCount, counted);
  return writer.Close() && counted;
}

// Every key is written even after a failure, so a save stores all it can.
bool WriteRecord(const Settings& settings, const StoredState* found, WriteMode mode) {
  bool saved = SaveKey(pf::HKEY_LOCAL_MACHINE, kTodayItemKey, TodayItemSettings(), settings, found, mode);
  saved = SaveKey(pf::HKEY_CURRENT_USER, kRootKey, RootSettings(), settings, found, mode) && saved;
  for (const BlockSettings& block : kBlockSettings) saved = SaveBlockKey(settings, block, found, mode) && saved;
  return saved;
}

}  // namespace

bool SaveSettings(const Settings& settings, const StoredState* found) {
  return WriteRecord(settings, found, WriteMode::Save);
}

bool RestoreSettings(const StoredState& found) { return WriteRecord(found.Loaded, &found, WriteMode::Restore); }

}  // namespace ostrel
