// The description of every setting: one table per registry key listing each field once, which defaults, loading, saving, the settings program's rows and the preview's dump walk.
#pragma once

#include <cstdint>
#include <type_traits>

#include "settings/settings.h"

namespace ostrel {

enum class FieldType : std::uint8_t { Number, Color, Text, Font };

// Kinds of the settings program's rows; a row's kind is its image index in
// the list and, while its editor is open, the program's open editor.
enum RowKind : int {
  Toggle = -1,  // the list's image callback: a toggle has no image
  FontRow = 1,
  ColourRow = 2,
  FormatRow = 3,
  ChoiceRow = 4,
  NumberRow = 5,
  MarginsRow = 6,
  FileRow = 8,
};

// What a choice offers and what its row shows, by value; a toggle's two texts.
struct ValueList {
  const char16_t* const* Entries;  // what the choice editor offers
  const char16_t* const* Rows;     // what the list row shows
  int Count;
  const char16_t* (*Help)();       // the help text shown beside the choice, or null
};
extern const ValueList kTapTypes;
extern const ValueList kTimeFormats;
extern const ValueList kDatePlacements;
extern const ValueList kAlignments;
extern const ValueList kMemoryDisplays;
extern const ValueList kYesNo;      // 0 "нет", 1 "да"
extern const ValueList kIconSizes;  // 0 "маленькие", 1 "большие"
// The row text of value, nullptr when value is outside the list.
const char16_t* ListText(const ValueList& list, std::int32_t value);
const char16_t* DateFormatHelp();
const char16_t* TimeFormatHelp();

struct FontDefault {
  const char16_t* FaceName;
  std::int32_t Size;
  std::int32_t Bold;
  pf::COLORREF Color;
  std::int32_t ClearType;
};

// The five value names of a font, in the record's field order.
struct FontNames {
  const char16_t* FaceName;
  const char16_t* Size;
  const char16_t* Bold;
  const char16_t* Color;
  const char16_t* ClearType;
};

// The settings program's row of a field; Caption null: the field has no row.
struct FieldRow {
  const char16_t* Caption = nullptr;
  int Kind = Toggle;
  int Low = 0;  // the spin range of a number, or of a font's size
  int High = 0;
  const ValueList* List = nullptr;     // choices; the two texts of a toggle
  const char16_t* InitialValue = u"";  // the value text at creation
};

struct Field {
  const char* Member = nullptr;   // the record member's own name
  FieldType Type = FieldType::Number;
  void* (*At)(void* record) = nullptr;
  int Capacity = 0;               // text units, terminator included
  const char16_t* Stored = nullptr;  // the value name (numbers and texts)
  FontNames StoredFont{};
  // Default: a number or color; × dpi / 96 when ScaleAxis is LOGPIXELSX or
  // LOGPIXELSY; a text, after the running module's folder when InOwnFolder.
  std::int32_t Number = 0;
  int ScaleAxis = 0;
  const char16_t* Text = nullptr;
  bool InOwnFolder = false;
  FontDefault Font{};
  // Load correction: a number (a font's size) below Low becomes Low, above
  // High becomes High.
  bool Corrected = false;
  std::int32_t Low = 0;
  std::int32_t High = 0;
  FieldRow Row;
};

// One registry key's settings: its fields in the record's order (which is
// the order of the settings program's rows) and its value names in the order
// loading reads and saving writes them.
struct SettingsKey {
  const char* Member;                 // the body member holding the record, null for the body itself
  void* (*Record)(SettingsBody& body);  // the Today item's key takes the whole Settings
  const Field* Fields;
  int FieldCount;
  const char16_t* const* ReadOrder;
  const char16_t* const* WriteOrder;
  int StoredCount;
};

// The keys outside the blocks: the Today item's switch (settings program only)
// and the root values.
const SettingsKey& TodayItemSettings();
const SettingsKey& RootSettings();

// Where a field lives in a record of its key.
std::int32_t& NumberField(const Field& field, void* record);
pf::COLORREF& ColorField(const Field& field, void* record);
char16_t* TextField(const Field& field, void* record);
FontSpec& FontField(const Field& field, void* record);
// Sets every field of the key's record to its default; false when a
// density-scaled default could not be made (the density was not read).
bool ResetFields(const SettingsKey& key, Settings& settings);
// Applies the load corrections of the key's fields.
void CorrectFields(const SettingsKey& key, Settings& settings);

// ---- Building the tables ----
template <class T>
struct MemberTraits;
template <class C, class M>
struct MemberTraits<M C::*> {
  using Record = C;
  using Type = M;
};

template <auto Member>
void* MemberAt(void* record) {
  using Record = typename MemberTraits<decltype(Member)>::Record;
  return &(static_cast<Record*>(record)->*Member);
}

template <auto Member>
constexpr Field NumberSetting(const char* name, const char16_t* stored, std::int32_t value) {
  static_assert(std::is_same_v<typename MemberTraits<decltype(Member)>::Type, std::int32_t>, "a number");
  Field f;
  f.Member = name;
  f.Type = FieldType::Number;
  f.At = &MemberAt<Member>;
  f.Stored = stored;
  f.Number = value;
  return f;
}

template <auto Member>
constexpr Field ColorSetting(const char* name, const char16_t* stored, pf::COLORREF value) {
  static_assert(std::is_same_v<typename MemberTraits<decltype(Member)>::Type, pf::COLORREF>, "a color");
  Field f;
  f.Member = name;
  f.Type = FieldType::Color;
  f.At = &MemberAt<Member>;
  f.Stored = stored;
  f.Number = static_cast<std::int32_t>(value);
  return f;
}

template <auto Member>
constexpr Field TextSetting(const char* name, const char16_t* stored, const char16_t* value) {
  using Type = typename MemberTraits<decltype(Member)>::Type;
  static_assert(std::is_same_v<std::remove_extent_t<Type>, char16_t>, "a text buffer");
  Field f;
  f.Member = name;
  f.Type = FieldType::Text;
  f.At = &MemberAt<Member>;
  f.Capacity = static_cast<int>(std::extent_v<Type>);
  f.Stored = stored;
  f.Text = value;
  return f;
}

template <auto Member>
constexpr Field FontSetting(const char* name, const FontNames& stored, const FontDefault& value) {
  static_assert(std::is_same_v<typename MemberTraits<decltype(Member)>::Type, FontSpec>, "a font");
  Field f;
  f.Member = name;
  f.Type = FieldType::Font;
  f.At = &MemberAt<Member>;
  f.Capacity = kPathCapacity;
  f.StoredFont = stored;
  f.Font = value;
  return f;
}

// Modifiers of a field description, chained after its constructor.
constexpr Field Scaled(Field f, int axis) {
  f.ScaleAxis = axis;
  return f;
}
constexpr Field InOwnFolder(Field f) {
  f.InOwnFolder = true;
  return f;
}
constexpr Field Corrected(Field f, std::int32_t low, std::int32_t high) {
  f.Corrected = true;
  f.Low = low;
  f.High = high;
  return f;
}
constexpr Field WithRow(Field f, const FieldRow& row) {
  f.Row = row;
  return f;
}

// Rows of the settings program, by kind.
constexpr FieldRow NumberRowOf(const char16_t* caption, int low, int high) {
  return FieldRow{caption, NumberRow, low, high, nullptr, u""};
}
constexpr FieldRow ToggleRowOf(const char16_t* caption, const ValueList& texts) {
  return FieldRow{caption, Toggle, 0, 0, &texts, u""};
}
constexpr FieldRow ChoiceRowOf(const char16_t* caption, const ValueList& list, const char16_t* initial = u"") {
  return FieldRow{caption, ChoiceRow, 0, 0, &list, initial};
}
constexpr FieldRow FontRowOf(const char16_t* caption, int lowSize) {
  return FieldRow{caption, FontRow, lowSize, 100, nullptr, u""};
}
constexpr FieldRow ColourRowOf(const char16_t* caption) { return FieldRow{caption, ColourRow, 0, 0, nullptr, u""}; }
constexpr FieldRow FormatRowOf(const char16_t* caption) { return FieldRow{caption, FormatRow, 0, 0, nullptr, u""}; }
constexpr FieldRow FileRowOf(const char16_t* caption) { return FieldRow{caption, FileRow, 0, 0, nullptr, u""}; }
constexpr FieldRow MarginsRowOf(const char16_t* caption) {
  return FieldRow{caption, MarginsRow, 0, 0, nullptr, u""};
}

template <int N, int M>
constexpr SettingsKey KeyOf(const char* member, void* (*record)(SettingsBody&), const Field (&fields)[N],
                            const char16_t* const (&readOrder)[M], const char16_t* const (&writeOrder)[M]) {
  return SettingsKey{member, record, fields, N, readOrder, writeOrder, M};
}

}  // namespace ostrel
