// Loading the settings record from the registry, noting what was missing and what could not be read.
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/registry.h"
#include "platform/text.h"
#include "settings/blocks.h"
#include "settings/store_keys.h"

namespace ostrel {

using namespace store;

namespace {

// Reads a key's values in its read order, then applies its corrections.
void ReadFields(KeyReader& reader, const SettingsKey& key, Settings& settings) {
  void* record = key.Record(settings);
  for (int i = 0; i < key.StoredCount; ++i) VisitValue(reader, key, record, key.ReadOrder[i]);
  CorrectFields(key, settings);
}

// Reads FileName n into a zeroed buffer of 260 units; the registry's result.
long QueryLauncherPath(KeyReader& reader, int n, char16_t* path) {
  char16_t name[kValueNameCapacity];
  LauncherValueName(n, name);
  pf::ClearText(path, kPathCapacity);
  return reader.QueryText(name, path, kPathCapacity);
}

// Whether a failed read only marks the end of the stored run: the value is
// missing, or too long to be a path.
bool EndsTheRun(long result) { return result == pf::ERROR_FILE_NOT_FOUND || result == pf::ERROR_MORE_DATA; }

// The unbroken run FileName1, FileName2, ...; a read that fails for another
// reason than the run's end leaves the list short and is noted, so that the
// short list is not saved over the stored one.
void LoadLauncherEntries(KeyReader& reader, std::vector<LauncherEntry>& entries) {
  entries.clear();
  char16_t path[kPathCapacity];
  long result = pf::ERROR_SUCCESS;
  for (int n = 1; (result = QueryLauncherPath(reader, n, path)) == pf::ERROR_SUCCESS; ++n) {
    LauncherEntry entry;
    entry.Path = LauncherPath(path);
    entries.push_back(entry);
  }
  if (!EndsTheRun(result)) reader.Log().Note(reader.Path(), kLauncherListName, ValueState::Unread);
}

// A key that cannot be opened stands for all its values: missing when the
// key is not there, unread otherwise.
bool OpenForReading(pf::KeyHandle root, const char16_t* path, ReadLog& log, pf::KeyHandle* key) {
  return log.Take(path, u"", pf::RegOpenKeyExW(root, path, 0, pf::KEY_READ, key));
}

void LoadKey(pf::KeyHandle root, const char16_t* path, const SettingsKey& key, Settings& settings, ReadLog& log) {
  pf::KeyHandle handle{};
  if (!OpenForReading(root, path, log, &handle)) return;
  KeyReader reader(handle, path, log);
  ReadFields(reader, key, settings);
  pf::RegCloseKey(handle);  // what was read stands even when the close fails
}

void LoadBlockKey(Settings& settings, const BlockSettings& block, ReadLog& log) {
  char16_t path[kPathCapacity];
  BlockKeyPath(block.Kind, path);
  pf::KeyHandle key{};
  if (!OpenForReading(pf::HKEY_CURRENT_USER, path, log, &key)) return;
  KeyReader reader(key, path, log);
  ReadFields(reader, block.Settings, settings);
  BlockEntry& row = settings.BlockTable[block.Kind - 1];  // still in kind order
  reader.Int(u"Order", row.Order);
  reader.Int(u"Visible", row.Visible);
  if (block.HoldsLauncherList) LoadLauncherEntries(reader, settings.LauncherEntries);
  pf::RegCloseKey(key);
}

bool NotesUnreadLauncherList(const ValueNote& note, const char16_t* path) {
  if (note.State != ValueState::Unread || !pf::TextEquals(note.Key.c_str(), path)) return false;
  return note.Name.empty() || pf::TextEquals(note.Name.c_str(), kLauncherListName);
}

const BlockSettings& LauncherListBlock() {
  for (const BlockSettings& block : kBlockSettings) {
    if (block.HoldsLauncherList) return block;
  }
  return kBlockSettings[0];  // not reached: one block holds the list
}

// The stored run read again; false when a read failed for another reason
// than the run's end.
bool ReadLauncherListAgain(const char16_t* path, std::vector<LauncherEntry>& entries) {
  pf::KeyHandle key{};
  if (pf::RegOpenKeyExW(pf::HKEY_CURRENT_USER, path, 0, pf::KEY_READ, &key) != pf::ERROR_SUCCESS) return false;
  ReadLog log(nullptr);
  KeyReader reader(key, path, log);
  LoadLauncherEntries(reader, entries);
  pf::RegCloseKey(key);  // what was read stands even when the close fails
  return !log.Failed();
}

}  // namespace

bool RereadLauncherList(Settings& settings, StoredState& found) {
  char16_t path[kPathCapacity];
  BlockKeyPath(LauncherListBlock().Kind, path);
  auto unread = [&path](const ValueNote& note) { return NotesUnreadLauncherList(note, path); };
  const auto note = std::find_if(found.Notes.begin(), found.Notes.end(), unread);
  if (note == found.Notes.end()) return true;
  // A key that could not be opened stays unread as a whole: its note covers
  // the key's other values too, so the list cannot be marked as read alone.
  std::vector<LauncherEntry> entries;
  if (note->Name.empty() || !ReadLauncherListAgain(path, entries)) return false;
  settings.LauncherEntries = entries;
  found.Loaded.LauncherEntries = std::move(entries);
  found.Notes.erase(note);
  return true;
}

LoadResult LoadSettings(Settings& settings, StoredState* found) {
  if (found != nullptr) found->Notes.clear();
  ReadLog log(found);
  const bool defaultsMade = ResetToDefaults(settings);
  const bool program = settings.Owner == Deliverable::SettingsProgram;
  if (program) LoadKey(pf::HKEY_LOCAL_MACHINE, kTodayItemKey, TodayItemSettings(), settings, log);
  LoadKey(pf::HKEY_CURRENT_USER, kRootKey, RootSettings(), settings, log);
  for (const BlockSettings& block : kBlockSettings) LoadBlockKey(settings, block, log);
  if (program) {
    SortBlocks(settings.BlockTable);
    CopyBody(settings.EditSettings, settings);
  }
  if (found != nullptr) found->Loaded = settings;
  return log.Failed() || !defaultsMade ? LoadResult::ReadFailed : LoadResult::Complete;
}

}  // namespace ostrel
