// The control kit: settings-list rows, value texts, the font, colour and number editors, value lists, and the shared row mechanics of every settings list.
#pragma once

#include <cstdint>

#include "config/program.h"
#include "settings/settings.h"

namespace ostrel::cfg {

// ---- Rows of a two-column settings list ----
int AddRow(pf::WindowHandle list, const char16_t* caption, const char16_t* value, int kind,
           bool checked);
int SelectedRow(pf::WindowHandle list);  // -1 when none
int RowKindOf(pf::WindowHandle list, int row);
void SetRowKind(pf::WindowHandle list, int row, int kind);
void SetRowValue(pf::WindowHandle list, int row, const char16_t* text);
void RowCaption(pf::WindowHandle list, int row, char16_t* out, int capacity);
// A row is clear when its check box shows state image 1; any other state
// (checked, or a row not yet added) counts as checked.
bool RowChecked(pf::WindowHandle list, int row);
void SetRowChecked(pf::WindowHandle list, int row, bool checked);
void SelectRow(pf::WindowHandle list, int row, bool selected);
void AddColumns(pf::WindowHandle list, int count, int width);

// ---- Value texts and the editors ----
// "%s %i %s%s": face, size, then "B" and "C" as they apply.
void FontText(const FontSpec& font, char16_t* out, int capacity);
// "0x00BBGGRR" in upper-case hexadecimal.
void ColourText(pf::COLORREF colour, char16_t* out, int capacity);
// Optional leading blanks and sign, then digits up to the first other
// character; 0 without digits. Values past the 32-bit range stop at its ends.
std::int32_t ReadDecimal(const char16_t* text);
// The decimal value of an edit's text, read up to capacity units.
std::int32_t EditValue(Control edit, int capacity);
void SetEditValue(Control edit, std::int32_t value);
void FillFontEditor(const FontSpec& font);
void ReadFontEditor(FontSpec& font);
void ShowColour(pf::COLORREF colour);
pf::COLORREF ReadColour();

// ---- Value lists ----
struct ValueList {
  const char16_t* const* Entries;  // what the choice editor offers
  const char16_t* const* Rows;     // what the list row shows
  int Count;
};
extern const ValueList kTapTypes;
extern const ValueList kTimeFormats;
extern const ValueList kDatePlacements;
extern const ValueList kAlignments;
extern const ValueList kMemoryDisplays;
extern const ValueList kYesNo;       // 0 "нет", 1 "да"
extern const ValueList kIconSizes;   // 0 "маленькие", 1 "большие"
// The row text of value, nullptr when value is outside the list.
const char16_t* ListText(const ValueList& list, std::int32_t value);
const char16_t* DateFormatHelp();
const char16_t* TimeFormatHelp();

// ---- Rows bound to settings ----
// One row of a settings list: its caption and kind, and where its value lives
// in the settings body the list edits.
struct SettingRow {
  const char16_t* Caption = nullptr;
  int Kind = Toggle;
  std::int32_t* (*Number)(SettingsBody&) = nullptr;  // numbers, toggles, choices
  FontSpec* (*Font)(SettingsBody&) = nullptr;
  pf::COLORREF* (*Colour)(SettingsBody&) = nullptr;
  char16_t* (*Text)(SettingsBody&) = nullptr;  // formats and paths
  int TextCapacity = 0;
  int Low = 0;  // the spin range of a number, or of a font's size
  int High = 0;
  const ValueList* List = nullptr;       // choices; the two texts of a toggle
  const char16_t* Help = u"";            // the help text of a choice
  const char16_t* InitialValue = u"";    // the value text at creation
};

SettingRow NumberSetting(const char16_t* caption, std::int32_t* (*field)(SettingsBody&), int low,
                   int high);
SettingRow ToggleSetting(const char16_t* caption, std::int32_t* (*field)(SettingsBody&),
                   const ValueList& texts);
SettingRow ChoiceSetting(const char16_t* caption, std::int32_t* (*field)(SettingsBody&),
                   const ValueList& list, const char16_t* help = u"",
                   const char16_t* initial = u"");
SettingRow FontSetting(const char16_t* caption, FontSpec* (*field)(SettingsBody&), int lowSize);
SettingRow ColourSetting(const char16_t* caption, pf::COLORREF* (*field)(SettingsBody&));
SettingRow FormatSetting(const char16_t* caption, char16_t* (*field)(SettingsBody&));
SettingRow FileSetting(const char16_t* caption, char16_t* (*field)(SettingsBody&));
SettingRow MarginsSetting(const char16_t* caption);

struct RowTable {
  const SettingRow* Rows;
  int Count;
};
template <int N>
constexpr RowTable TableOf(const SettingRow (&rows)[N]) {
  return RowTable{rows, N};
}

// Adds every row with its initial value text (unchecked).
void AddSettingRows(pf::WindowHandle list, const RowTable& table);
// Sets a row's value text from the setting; a choice outside its list keeps
// the text it had.
void ShowRowValue(pf::WindowHandle list, int row, const SettingRow& setting, SettingsBody& body);
void ShowAllRowValues(pf::WindowHandle list, const RowTable& table, SettingsBody& body);
// The selected row's editor: caption, OpenEditor, the editor filled from the
// setting (a toggle flips at once instead), then the view.
void OpenSelectedRow(pf::WindowHandle list, const RowTable& table, SettingsBody& body);
// Writes the open editor's value into the selected row's setting and row text.
void ApplySelectedRow(pf::WindowHandle list, const RowTable& table, SettingsBody& body);

}  // namespace ostrel::cfg
