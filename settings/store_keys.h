// The registry store's shared parts: key paths, reading and writing one key's values, and the visit from a stored name to its field.
#pragma once

#include <cstdint>

#include "platform/registry.h"
#include "platform/text.h"
#include "settings/fields.h"

namespace ostrel::store {

constexpr const char16_t* kTodayItemKey = u"Software\\Microsoft\\Today\\Items\\Ostrel";
constexpr const char16_t* kRootKey = u"Software\\Vekta\\Ostrel";
constexpr std::uint32_t kNumberBytes = 4;
constexpr int kValueNameCapacity = 32;

// The sub-key of a block kind below kRootKey; out holds kPathCapacity units.
void BlockKeyPath(std::int32_t kind, char16_t* out);
// "FileName<n>"; name holds kValueNameCapacity units.
void LauncherValueName(int n, char16_t* name);

// Takes the results of a load's reads: a value that is missing is noted as
// such, one whose read failed for another reason as unread, and the load as
// failed. found may be null when the caller keeps only the overall result.
class ReadLog {
 public:
  explicit ReadLog(StoredState* found) : found_(found) {}

  // True when the value was read. ERROR_MORE_DATA (stored, but too large to
  // use) is neither missing nor failed: the default stands, and a save
  // writes it over the stored value.
  bool Take(const char16_t* key, const char16_t* name, long result);
  void Note(const char16_t* key, const char16_t* name, ValueState state);
  bool Failed() const { return failed_; }

 private:
  StoredState* found_;
  bool failed_ = false;
};

// Reads values of one open key; a value that is missing, failed or does not
// fit its capacity leaves the field as it was.
class KeyReader {
 public:
  KeyReader(pf::KeyHandle key, const char16_t* path, ReadLog& log) : key_(key), path_(path), log_(log) {}

  bool Int(const char16_t* name, std::int32_t& field);
  bool Int(const char16_t* name, std::uint32_t& field);
  bool Text(const char16_t* name, char16_t* field, int capacityUnits);
  // As Text, with the registry's result and without noting it. Reads through
  // a zeroed scratch buffer so that a stored text without a terminator never
  // mixes with what the field held; a text that fills the whole capacity is
  // cut to keep it terminated.
  long QueryText(const char16_t* name, char16_t* field, int capacityUnits);
  const char16_t* Path() const { return path_; }
  ReadLog& Log() { return log_; }

 private:
  pf::KeyHandle key_;
  const char16_t* path_;
  ReadLog& log_;
};

enum class WriteMode {
  Save,     // the record being saved
  Restore,  // the record as it was loaded, written back after a failed save
};
enum class WriteAction { Write, Skip, Delete };

// Which values of one key a save writes. Without a load's notes, all of
// them. Saving, a value that could not be read is skipped while the record
// still holds what loading left there; when a block's Order could not be
// read, no Order is written unless the blocks' order changed, and then all
// six are. Restoring, a value that could not be read is skipped and one that
// was missing is deleted again.
class WritePlan {
 public:
  WritePlan(const StoredState* found, WriteMode mode, const char16_t* keyPath, const SettingsKey* key,
            std::int32_t kind, const Settings& settings)
      : found_(found), mode_(mode), path_(keyPath), key_(key), kind_(kind), settings_(settings) {}

  WriteAction For(const char16_t* name) const;

 private:
  const ValueNote* NoteOf(const char16_t* name) const;
  bool Unchanged(const char16_t* name) const;
  // Whether some block's Order could not be read: the six Orders then stand
  // together, since a save renumbers them all.
  bool PageOrderUnread() const;

  const StoredState* found_;
  WriteMode mode_;
  const char16_t* path_;
  const SettingsKey* key_;  // null: the key holds no fields of a table
  std::int32_t kind_;       // 0: the key holds no block row
  const Settings& settings_;
};

// Writes values into one open key as its plan says; a failed write does not
// stop the ones after it, and Close tells whether all of them took.
class KeyWriter {
 public:
  KeyWriter(pf::KeyHandle key, const WritePlan& plan) : key_(key), plan_(plan) {}

  void Int(const char16_t* name, std::int32_t value);
  void Int(const char16_t* name, std::uint32_t value) { Int(name, static_cast<std::int32_t>(value)); }
  void Text(const char16_t* name, const char16_t* text, int capacityUnits);
  // Writes regardless of the plan; true when the write took.
  bool WriteText(const char16_t* name, const char16_t* text);
  bool Delete(const char16_t* name);
  // Closes the key; true when every operation on it succeeded.
  bool Close();
  const WritePlan& Plan() const { return plan_; }

 private:
  bool Note(long result);
  // Deletes a value that must not be there; one already gone is fine.
  void Remove(const char16_t* name);

  pf::KeyHandle key_;
  const WritePlan& plan_;
  bool succeeded_ = true;
};

// The value a stored name names in a key's record: a field, or one of a
// font's five values. The same visit serves loading (KeyReader), saving
// (KeyWriter) and comparing records.
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

}  // namespace ostrel::store
