// The control kit: settings-list rows, value texts, the font, color and number editors, value lists, and the shared row mechanics of every settings list.
#pragma once

#include <cstdint>
#include <functional>

#include "config/program.h"
#include "settings/fields.h"

namespace ostrel::cfg {

// ---- Rows of a two-column settings list ----
// The row's index, or -1 when it could not be added. AddRow's param is the
// row's position when added.
int AddRow(pf::WindowHandle list, const char16_t* caption, const char16_t* value, int kind,
           bool checked);
int AddRowWithParam(pf::WindowHandle list, const char16_t* caption, const char16_t* value, int kind,
                    bool checked, pf::LPARAM param);
// Removes every row, one by one when the list refuses to drop them all at
// once; false when rows are left.
bool ClearRows(pf::WindowHandle list);
// Fills an empty list with count rows, row i added by addRow(i) (which gives
// the row's index, or -1 when it could not be added). A list that refuses a
// row is cleared and filled once more, so that row i is what addRow(i) adds;
// false when the rows are still not all there.
bool FillRows(pf::WindowHandle list, int count, const std::function<int(int)>& addRow);
int SelectedRow(pf::WindowHandle list);  // -1 when none
// The row's kind (its image index); false when it could not be read.
bool RowKindOf(pf::WindowHandle list, int row, int* kind);
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
// Reads an edit's (or a combo's) text, at most capacity - 1 units; false, with
// the text empty, when it could not be read. A read that gives nothing is
// made once more, since a failed read may show as an empty text.
bool ReadEditText(Control edit, char16_t* text, int capacity);
// The decimal value of an edit's text, read up to capacity units; false, and
// value untouched, when the text could not be read.
bool EditValue(Control edit, int capacity, std::int32_t* value);
void SetEditValue(Control edit, std::int32_t value);
void FillFontEditor(const FontSpec& font);
// The font editor's values into font; false, and font untouched, when a text
// could not be read.
bool ReadFontEditor(FontSpec& font);
void ShowColour(pf::COLORREF color);
// The three channels, each kept within 0..255; false, and color untouched,
// when a channel could not be read.
bool ReadColour(pf::COLORREF* color);

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
// Writes the open editor's value into the selected row's setting and row
// text; false, with nothing stored, when the editor could not be read and so
// stays open.
bool ApplySelectedRow(pf::WindowHandle list, const RowTable& table, SettingsBody& body);

}  // namespace ostrel::cfg
