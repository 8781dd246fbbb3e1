// Loading and saving the settings record in the registry.
#include <cstring>

#include "platform/registry.h"
#include "platform/text.h"
#include "settings/blocks.h"

namespace ostrel {

namespace {

constexpr const char16_t* kTodayItemKey = u"Software\\Microsoft\\Today\\Items\\Ostrel";
constexpr const char16_t* kRootKey = u"Software\\Vekta\\Ostrel";
constexpr std::uint32_t kNumberBytes = 4;

std::int32_t LittleEndianInt(const std::uint8_t* bytes) {
  std::uint32_t v = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                    (static_cast<std::uint32_t>(bytes[2]) << 16) |
                    (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(v);
}

// Reads values of one open key; a value that is missing or does not fit its
// capacity leaves the field as it was.
class KeyReader {
 public:
  explicit KeyReader(pf::KeyHandle key) : key_(key) {}

  bool Int(const char16_t* name, std::int32_t& field) {
    std::uint8_t bytes[kNumberBytes] = {};
    std::uint32_t type = 0;
    std::uint32_t size = kNumberBytes;
    if (pf::RegQueryValueExW(key_, name, nullptr, &type, bytes, &size) != pf::ERROR_SUCCESS) return false;
    field = LittleEndianInt(bytes);  // a shorter value is zero-extended
    return true;
  }
  bool Int(const char16_t* name, std::uint32_t& field) {
    std::int32_t value = static_cast<std::int32_t>(field);
    if (!Int(name, value)) return false;
    field = static_cast<std::uint32_t>(value);
    return true;
  }
  // Reads through a zeroed scratch buffer so that a stored text without a
  // terminator never mixes with what the field held; a text that fills the
  // whole capacity is cut to keep it terminated.
  bool Text(const char16_t* name, char16_t* field, int capacityUnits) {
    return QueryText(name, field, capacityUnits) == pf::ERROR_SUCCESS;
  }
  // As Text, with the registry's result.
  long QueryText(const char16_t* name, char16_t* field, int capacityUnits) {
    char16_t scratch[kPathCapacity] = {};
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(capacityUnits) * 2;
    const long result =
        pf::RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<std::uint8_t*>(scratch), &size);
    if (result != pf::ERROR_SUCCESS) return result;
    scratch[capacityUnits - 1] = 0;
    pf::ClearText(field, capacityUnits);
    pf::CopyText(field, capacityUnits, scratch);
    return result;
  }

 private:
  pf::KeyHandle key_;
};

// Writes values into one open key; a failed write does not stop the ones
// after it, and Close tells whether all of them took.
class KeyWriter {
 public:
  explicit KeyWriter(pf::KeyHandle key) : key_(key) {}

  void Int(const char16_t* name, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    std::uint8_t bytes[kNumberBytes] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                        static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    Note(pf::RegSetValueExW(key_, name, 0, pf::REG_DWORD, bytes, kNumberBytes));
  }
  void Int(const char16_t* name, std::uint32_t value) { Int(name, static_cast<std::int32_t>(value)); }
  bool Text(const char16_t* name, const char16_t* text, int /*capacityUnits*/) {
    auto size = static_cast<std::uint32_t>((pf::TextLength(text) + 1) * 2);
    return Note(pf::RegSetValueExW(key_, name, 0, pf::REG_SZ, reinterpret_cast<const std::uint8_t*>(text), size));
  }
  bool Delete(const char16_t* name) { return Note(pf::RegDeleteValueW(key_, name)); }
  // Closes the key; true when every operation on it succeeded.
  bool Close() {
    Note(pf::RegCloseKey(key_));
    return succeeded_;
  }

 private:
  bool Note(long result) {
    if (result != pf::ERROR_SUCCESS) succeeded_ = false;
    return result == pf::ERROR_SUCCESS;
  }

  pf::KeyHandle key_;
  bool succeeded_ = true;
};

// The value a stored name names in a key's record: a field, or one of a
// font's five values. The same visit serves loading (KeyReader) and saving
// (KeyWriter).
template <class V>
bool VisitFontValue(V& v, const Field& field, void* record, const char16_t* name) {
  const FontNames& names = field.StoredFont;
  FontSpec& font = FontField(field, record);
  if (pf::TextEquals(name, names.FaceName)) v.Text(name, font.FaceName, kPathCapacity);
  else if (pf::TextEquals(name, names.Size)) v.Int(name, font.Size);
  else if (pf::TextEquals(name, names.Bold)) v.Int(name, font.Bold);
  else if (pf::TextEquals(name, names.Color)) v.Int(name, font.Color);
  else if (pf::TextEquals(name, names.ClearType)) v.Int(name, font.ClearType);
  else return false;
  return true;
}

template <class V>
void VisitValue(V& v, const SettingsKey& key, void* record, const char16_t* name) {
  for (int i = 0; i < key.FieldCount; ++i) {
    const Field& field = key.Fields[i];
    if (field.Type == FieldType::Font) {
      if (VisitFontValue(v, field, record, name)) return;
      continue;
    }
    if (!pf::TextEquals(name, field.Stored)) continue;
    switch (field.Type) {
      case FieldType::Number: v.Int(name, NumberField(field, record)); return;
      case FieldType::Color: v.Int(name, ColorField(field, record)); return;
      default: v.Text(name, TextField(field, record), field.Capacity); return;
    }
  }
}

// Reads a key's values in its read order, then applies its corrections.
void ReadFields(KeyReader& reader, const SettingsKey& key, Settings& settings) {
  void* record = key.Record(settings);
  for (int i = 0; i < key.StoredCount; ++i) VisitValue(reader, key, record, key.ReadOrder[i]);
  CorrectFields(key, settings);
}

void WriteFields(KeyWriter& writer, const SettingsKey& key, const Settings& settings) {
  void* record = key.Record(const_cast<Settings&>(settings));
  for (int i = 0; i < key.StoredCount; ++i) VisitValue(writer, key, record, key.WriteOrder[i]);
}

void BlockKeyPath(std::int32_t kind, char16_t* out) {
  pf::FormatText(out, kPathCapacity, u"%s\\%s", kRootKey, BlockKeyName(kind));
}

void LauncherValueName(int n, char16_t* name) { pf::FormatText(name, 32, u"%s%i", u"FileName", n); }

// Reads FileName n into a zeroed buffer of 260 units; the registry's result
// (ERROR_FILE_NOT_FOUND or ERROR_MORE_DATA when it is missing or does not fit).
long QueryLauncherPath(KeyReader& reader, int n, char16_t* path) {
  char16_t name[32];
  LauncherValueName(n, name);
  pf::ClearText(path, kPathCapacity);
  return reader.QueryText(name, path, kPathCapacity);
}

bool ReadLauncherPath(KeyReader& reader, int n, char16_t* path) {
  return QueryLauncherPath(reader, n, path) == pf::ERROR_SUCCESS;
}

// Whether a failed read only marks the end of the stored run.
bool EndsTheRun(long result) { return result == pf::ERROR_FILE_NOT_FOUND || result == pf::ERROR_MORE_DATA; }

void LoadLauncherEntries(KeyReader& reader, Settings& settings) {
  settings.LauncherEntries.clear();
  char16_t path[kPathCapacity];
  for (int n = 1; ReadLauncherPath(reader, n, path); ++n) {
    LauncherEntry entry;
    entry.Path = LauncherPath(path);
    settings.LauncherEntries.push_back(entry);
  }
}

bool OpenForReading(pf::KeyHandle root, const char16_t* path, pf::KeyHandle* key) {
  return pf::RegOpenKeyExW(root, path, 0, pf::KEY_READ, key) == pf::ERROR_SUCCESS;
}

bool OpenForWriting(pf::KeyHandle root, const char16_t* path, pf::KeyHandle* key) {
  std::uint32_t disposition = 0;
  return pf::RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, key, &disposition) == pf::ERROR_SUCCESS;
}

void LoadKey(pf::KeyHandle root, const char16_t* path, const SettingsKey& key, Settings& settings) {
  pf::KeyHandle handle{};
  if (!OpenForReading(root, path, &handle)) return;
  KeyReader reader(handle);
  ReadFields(reader, key, settings);
  pf::RegCloseKey(handle);
}

void LoadBlockKey(Settings& settings, const BlockSettings& block) {
  char16_t path[kPathCapacity];
  BlockKeyPath(block.Kind, path);
  pf::KeyHandle key{};
  if (!OpenForReading(pf::HKEY_CURRENT_USER, path, &key)) return;
  KeyReader reader(key);
  ReadFields(reader, block.Settings, settings);
  BlockEntry& row = settings.BlockTable[block.Kind - 1];  // still in kind order
  reader.Int(u"Order", row.Order);
  reader.Int(u"Visible", row.Visible);
  if (block.HoldsLauncherList) LoadLauncherEntries(reader, settings);
  pf::RegCloseKey(key);
}

bool SaveKey(pf::KeyHandle root, const char16_t* path, const SettingsKey& key, const Settings& settings) {
  pf::KeyHandle handle{};
  if (!OpenForWriting(root, path, &handle)) return false;
  KeyWriter writer(handle);
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
  KeyReader reader(key);
  char16_t scratch[kPathCapacity];
  long result = pf::ERROR_SUCCESS;
  while ((result = QueryLauncherPath(reader, *count + 1, scratch)) == pf::ERROR_SUCCESS) ++*count;
  const bool closed = pf::RegCloseKey(key) == pf::ERROR_SUCCESS;
  return EndsTheRun(result) && closed;
}

// FileName1..N are written over the stored run before its surplus
// FileName N+1..K goes, from the end, so a failure part-way never leaves
// fewer entries than the shorter of the two lists. The rewrite stops at the
// first failure, and deletes nothing when K is uncertain, so that the stored
// list stays one unbroken run: no entry is left beyond a gap, where a later
// save would neither count nor delete it and a longer list would bring it back.
void RewriteLauncherEntries(KeyWriter& writer, const Settings& settings, int storedCount, bool counted) {
  char16_t name[32];
  const int count = static_cast<int>(settings.LauncherEntries.size());
  for (int n = 1; n <= count; ++n) {
    LauncherValueName(n, name);
    if (!writer.Text(name, settings.LauncherEntries[static_cast<std::size_t>(n - 1)].Path, kPathCapacity)) return;
  }
  if (!counted) return;
  for (int n = storedCount; n > count; --n) {
    LauncherValueName(n, name);
    if (!writer.Delete(name)) return;
  }
}

bool SaveBlockKey(const Settings& settings, const BlockSettings& block) {
  char16_t path[kPathCapacity];
  BlockKeyPath(block.Kind, path);
  int storedCount = 0;
  const bool counted = !block.HoldsLauncherList || CountStoredLauncherPaths(path, &storedCount);
  pf::KeyHandle key{};
  if (!OpenForWriting(pf::HKEY_CURRENT_USER, path, &key)) return false;
  KeyWriter writer(key);
  WriteFields(writer, block.Settings, settings);
  SaveRowsOfKind(writer, settings, block.Kind);
  if (block.HoldsLauncherList) RewriteLauncherEntries(writer, settings, storedCount, counted);
  return writer.Close() && counted;
}

}  // namespace

void LoadSettings(Settings& settings) {
  ResetToDefaults(settings);
  const bool program = settings.Owner == Deliverable::SettingsProgram;
  if (program) LoadKey(pf::HKEY_LOCAL_MACHINE, kTodayItemKey, TodayItemSettings(), settings);
  LoadKey(pf::HKEY_CURRENT_USER, kRootKey, RootSettings(), settings);
  for (const BlockSettings& block : kBlockSettings) LoadBlockKey(settings, block);
  if (program) {
    SortBlocks(settings.BlockTable);
    CopyBody(settings.EditSettings, settings);
  }
}

bool SaveSettings(const Settings& settings) {
  // Every key is written even after a failure, so a save stores all it can.
  bool saved = SaveKey(pf::HKEY_LOCAL_MACHINE, kTodayItemKey, TodayItemSettings(), settings);
  saved = SaveKey(pf::HKEY_CURRENT_USER, kRootKey, RootSettings(), settings) && saved;
  for (const BlockSettings& block : kBlockSettings) saved = SaveBlockKey(settings, block) && saved;
  return saved;
}

}  // namespace ostrel
