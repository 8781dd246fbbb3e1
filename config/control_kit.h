// The control kit: settings-list rows, value texts, the font, color and number editors, value lists, and the shared row mechanics of every settings list.
#pragma once

#include <cstdint>

#include "config/program.h"
#include "settings/fields.h"

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

// While one lives the program itself refills `list`: the rows it adds are no
// change of the user's (the caller sets the buttons that follow the list's
// selection once, afterwards), and the list lays itself out and repaints
// once, at the end, not after every row.
class ListRefill {
 public:
  explicit ListRefill(pf::WindowHandle list);
  ~ListRefill();
  ListRefill(const ListRefill&) = delete;
  ListRefill& operator=(const ListRefill&) = delete;

 private:
  pf::WindowHandle list_;
};

// ---- Value texts and the editors ----
// "%s %i %s%s": face, size, then "B" and "C" as they apply.
void FontText(const FontSpec& font, char16_t* out, int capacity);
// "0x00BBGGRR" in upper-case hexadecimal.
void ColourText(pf::COLORREF color, char16_t* out, int capacity);
// Optional leading blanks and sign, then digits up to the first other
// character; 0 without digits. Values past the 32-bit range stop at its ends.
std::int32_t ReadDecimal(const char16_t* text);
// The decimal value of an edit's text, read up to capacity units.
std::int32_t EditValue(Control edit, int capacity);
void SetEditValue(Control edit, std::int32_t value);
void FillFontEditor(const FontSpec& font);
void ReadFontEditor(FontSpec& font);
void ShowColour(pf::COLORREF color);
pf::COLORREF ReadColour();

// ---- Rows bound to settings ----
// The rows of a settings list: the fields with a row of one or two keys, in
// the keys' field order.
struct RowTable {
  const SettingsKey* Keys[2];
  int KeyCount;
};
// A row's field and the record of the edited body that holds it.
struct BoundRow {
  const Field* Setting = nullptr;
  void* Record = nullptr;
  const FieldRow& Row() const { return Setting->Row; }
};
int RowCount(const RowTable& table);
// The row's field in body; Setting is null outside the table.
BoundRow RowOf(const RowTable& table, int row, SettingsBody& body);

// Adds every row with its initial value text (unchecked).
void AddSettingRows(pf::WindowHandle list, const RowTable& table);
// Sets a row's value text from the setting; a choice outside its list keeps
// the text it had.
void ShowRowValue(pf::WindowHandle list, int row, const BoundRow& setting, SettingsBody& body);
void ShowAllRowValues(pf::WindowHandle list, const RowTable& table, SettingsBody& body);
// The selected row's editor: caption, OpenEditor, the editor filled from the
// setting (a toggle flips at once instead), then the view.
void OpenSelectedRow(pf::WindowHandle list, const RowTable& table, SettingsBody& body);
// Writes the open editor's value into the selected row's setting and row text.
void ApplySelectedRow(pf::WindowHandle list, const RowTable& table, SettingsBody& body);

}  // namespace ostrel::cfg
