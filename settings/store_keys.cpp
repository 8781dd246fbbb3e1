// Reading and writing one registry key's values: what a load notes about each read, and which values a save writes.
#include "settings/store_keys.h"

#include "platform/text.h"

namespace ostrel::store {

namespace {

std::int32_t LittleEndianInt(const std::uint8_t* bytes) {
  std::uint32_t v = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                    (static_cast<std::uint32_t>(bytes[2]) << 16) |
                    (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(v);
}

// Takes the field a stored name names, to compare two records by it.
struct FieldCapture {
  std::int32_t number = 0;
  const char16_t* text = nullptr;

  void Int(const char16_t*, std::int32_t& field) { number = field; }
  void Int(const char16_t*, std::uint32_t& field) { number = static_cast<std::int32_t>(field); }
  void Text(const char16_t*, char16_t* field, int) { text = field; }
};

FieldCapture Capture(const SettingsKey& key, const Settings& settings, const char16_t* name) {
  FieldCapture capture;
  VisitValue(capture, key, key.Record(const_cast<Settings&>(settings)), name);
  return capture;
}

const BlockEntry* RowOfKind(const Settings& settings, std::int32_t kind) {
  for (const BlockEntry& row : settings.BlockTable.Entries) {
    if (row.Kind == kind) return &row;
  }
  return nullptr;
}

bool SameLaunchers(const Settings& a, const Settings& b) {
  if (a.LauncherEntries.size() != b.LauncherEntries.size()) return false;
  for (std::size_t i = 0; i < a.LauncherEntries.size(); ++i) {
    if (!pf::TextEquals(a.LauncherEntries[i].Path, b.LauncherEntries[i].Path)) return false;
  }
  return true;
}

// Whether the rows of a kind in two records store the same value of name.
bool SameRowValue(const Settings& a, const Settings& b, std::int32_t kind, const char16_t* name) {
  const BlockEntry* rowA = RowOfKind(a, kind);
  const BlockEntry* rowB = RowOfKind(b, kind);
  if (rowA == nullptr || rowB == nullptr) return rowA == rowB;
  if (pf::TextEquals(name, u"Order")) return rowA->Order == rowB->Order;
  return rowA->Visible == rowB->Visible;
}

// Whether two records show the blocks in the same order.
bool SamePageOrder(const Settings& a, const Settings& b) {
  for (int i = 0; i < BlockCount; ++i) {
    if (a.BlockTable[i].Kind != b.BlockTable[i].Kind) return false;
  }
  return true;
}

bool IsBlockKey(const std::u16string& path) {
  const std::size_t root = pf::TextLength(kRootKey);
  return path.size() > root + 1 && path.compare(0, root, kRootKey) == 0 && path[root] == u'\\';
}

}  // namespace

void BlockKeyPath(std::int32_t kind, char16_t* out) {
  pf::FormatText(out, kPathCapacity, u"%s\\%s", kRootKey, BlockKeyName(kind));
}

void LauncherValueName(int n, char16_t* name) {
  pf::FormatText(name, kValueNameCapacity, u"%s%i", kLauncherListName, n);
}

bool ReadLog::Take(const char16_t* key, const char16_t* name, long result) {
  if (result == pf::ERROR_SUCCESS) return true;
  if (result == pf::ERROR_FILE_NOT_FOUND) Note(key, name, ValueState::Missing);
  else if (result != pf::ERROR_MORE_DATA) Note(key, name, ValueState::Unread);
  return false;
}

void ReadLog::Note(const char16_t* key, const char16_t* name, ValueState state) {
  if (state == ValueState::Unread) failed_ = true;
  if (found_ != nullptr) found_->Notes.push_back(ValueNote{key, name, state});
}

bool KeyReader::Int(const char16_t* name, std::int32_t& field) {
  std::uint8_t bytes[kNumberBytes] = {};
  std::uint32_t type = 0;
  std::uint32_t size = kNumberBytes;
  if (!log_.Take(path_, name, pf::RegQueryValueExW(key_, name, nullptr, &type, bytes, &size))) return false;
  field = LittleEndianInt(bytes);  // a shorter value is zero-extended
  return true;
}

bool KeyReader::Int(const char16_t* name, std::uint32_t& field) {
  std::int32_t value = static_cast<std::int32_t>(field);
  if (!Int(name, value)) return false;
  field = static_cast<std::uint32_t>(value);
  return true;
}

bool KeyReader::Text(const char16_t* name, char16_t* field, int capacityUnits) {
  return log_.Take(path_, name, QueryText(name, field, capacityUnits));
}

long KeyReader::QueryText(const char16_t* name, char16_t* field, int capacityUnits) {
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

const ValueNote* WritePlan::NoteOf(const char16_t* name) const {
  const ValueNote* wholeKey = nullptr;
  for (const ValueNote& note : found_->Notes) {
    if (!pf::TextEquals(note.Key.c_str(), path_)) continue;
    if (pf::TextEquals(note.Name.c_str(), name)) return &note;
    if (note.Name.empty()) wholeKey = &note;
  }
  return wholeKey;
}

bool WritePlan::Unchanged(const char16_t* name) const {
  const Settings& loaded = found_->Loaded;
  if (pf::TextEquals(name, kLauncherListName)) return SameLaunchers(settings_, loaded);
  if (kind_ != 0 && (pf::TextEquals(name, u"Order") || pf::TextEquals(name, u"Visible"))) {
    return SameRowValue(settings_, loaded, kind_, name);
  }
  if (key_ == nullptr) return false;
  const FieldCapture now = Capture(*key_, settings_, name);
  const FieldCapture then = Capture(*key_, loaded, name);
  if (now.text != nullptr && then.text != nullptr) return pf::TextEquals(now.text, then.text);
  return now.text == nullptr && then.text == nullptr && now.number == then.number;
}

bool WritePlan::PageOrderUnread() const {
  for (const ValueNote& note : found_->Notes) {
    if (note.State != ValueState::Unread || !IsBlockKey(note.Key)) continue;
    if (note.Name.empty() || pf::TextEquals(note.Name.c_str(), u"Order")) return true;
  }
  return false;
}

WriteAction WritePlan::For(const char16_t* name) const {
  if (found_ == nullptr) return WriteAction::Write;
  const bool order = kind_ != 0 && pf::TextEquals(name, u"Order");
  if (order && mode_ == WriteMode::Save && PageOrderUnread()) {
    return SamePageOrder(settings_, found_->Loaded) ? WriteAction::Skip : WriteAction::Write;
  }
  const ValueNote* note = NoteOf(name);
  if (note == nullptr) return WriteAction::Write;
  if (mode_ == WriteMode::Restore) {
    return note->State == ValueState::Missing ? WriteAction::Delete : WriteAction::Skip;
  }
  if (note->State == ValueState::Unread && Unchanged(name)) return WriteAction::Skip;
  return WriteAction::Write;
}

void KeyWriter::Int(const char16_t* name, std::int32_t value) {
  const WriteAction action = plan_.For(name);
  if (action == WriteAction::Delete) Remove(name);
  if (action != WriteAction::Write) return;
  auto v = static_cast<std::uint32_t>(value);
  std::uint8_t bytes[kNumberBytes] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                      static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  Note(pf::RegSetValueExW(key_, name, 0, pf::REG_DWORD, bytes, kNumberBytes));
}

void KeyWriter::Text(const char16_t* name, const char16_t* text, int /*capacityUnits*/) {
  const WriteAction action = plan_.For(name);
  if (action == WriteAction::Delete) Remove(name);
  if (action == WriteAction::Write) WriteText(name, text);
}

bool KeyWriter::WriteText(const char16_t* name, const char16_t* text) {
  auto size = static_cast<std::uint32_t>((pf::TextLength(text) + 1) * 2);
  return Note(pf::RegSetValueExW(key_, name, 0, pf::REG_SZ, reinterpret_cast<const std::uint8_t*>(text), size));
}

bool KeyWriter::Delete(const char16_t* name) { return Note(pf::RegDeleteValueW(key_, name)); }

void KeyWriter::Remove(const char16_t* name) {
  const long result = pf::RegDeleteValueW(key_, name);
  Note(result == pf::ERROR_FILE_NOT_FOUND ? pf::ERROR_SUCCESS : result);
}

bool KeyWriter::Close() {
  Note(pf::RegCloseKey(key_));
  return succeeded_;
}

bool KeyWriter::Note(long result) {
  if (result != pf::ERROR_SUCCESS) succeeded_ = false;
  return result == pf::ERROR_SUCCESS;
}

}  // namespace ostrel::store
