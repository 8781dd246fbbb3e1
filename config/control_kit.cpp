// The control kit's row helpers, value texts and the font, color and number editors.
#include "config/control_kit.h"

#include <climits>

#include "platform/text.h"

namespace ostrel::cfg {

using namespace pf;

int AddRow(WindowHandle list, const char16_t* caption, const char16_t* value, int kind,
           bool checked) {
  return AddRowWithParam(list, caption, value, kind, checked, ListView_GetItemCount(list));
}

int AddRowWithParam(WindowHandle list, const char16_t* caption, const char16_t* value, int kind,
                    bool checked, LPARAM param) {
  LVITEMW item;
  // The row starts without a check-box state of its own, so that setting it
  // below is a change that every list reports (LVN_ITEMCHANGED).
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.iItem = ListView_GetItemCount(list);
  item.pszText = const_cast<char16_t*>(caption);
  item.iImage = kind;
  item.lParam = param;
  int index = ListView_InsertItem(list, &item);
  if (index < 0) return index;
  ListView_SetItemText(list, index, 1, value);
  ListView_SetItemState(list, index, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
  return index;
}

bool ClearRows(WindowHandle list) {
  if (ListView_DeleteAllItems(list)) return true;
  for (int row = ListView_GetItemCount(list) - 1; row >= 0; --row) ListView_DeleteItem(list, row);
  return ListView_GetItemCount(list) == 0;
}

bool FillRows(WindowHandle list, int count, const std::function<int(int)>& addRow) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (attempt > 0 && !ClearRows(list)) return false;
    bool all = true;
    for (int i = 0; i < count; ++i) all = addRow(i) >= 0 && all;
    if (all) return true;
  }
  return false;
}

int SelectedRow(WindowHandle list) {
  int selected = -1;
  int count = ListView_GetItemCount(list);
  for (int i = 0; i < count; ++i) {
    if (ListView_GetItemState(list, i, LVIS_SELECTED) & LVIS_SELECTED) selected = i;
  }
  return selected;
}

bool RowKindOf(WindowHandle list, int row, int* kind) {
  LVITEMW item;
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  if (!ListView_GetItem(list, &item)) return false;
  *kind = item.iImage;
  return true;
}

void SetRowKind(WindowHandle list, int row, int kind) {
  LVITEMW item;
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = kind;
  ListView_SetItem(list, &item);
}

void SetRowValue(WindowHandle list, int row, const char16_t* text) {
  ListView_SetItemText(list, row, 1, text);
}

void RowCaption(WindowHandle list, int row, char16_t* out, int capacity) {
  ListView_GetItemText(list, row, 0, out, capacity);
}

bool RowChecked(WindowHandle list, int row) {
  return (ListView_GetItemState(list, row, LVIS_STATEIMAGEMASK) >> 12) != 1;
}

void SetRowChecked(WindowHandle list, int row, bool checked) {
  ListView_SetItemState(list, row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

void SelectRow(WindowHandle list, int row, bool selected) {
  ListView_SetItemState(list, row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void AddColumns(WindowHandle list, int count, int width) {
  for (int i = 0; i < count; ++i) {
    LVCOLUMNW column;
    column.mask = LVCF_WIDTH;
    column.cx = width;
    ListView_InsertColumn(list, i, &column);
  }
}

ListRefill::ListRefill(WindowHandle list) : list_(list) {
  State().FillingList = list;
  SendMessageW(list, WM_SETREDRAW, 0, 0);
}

ListRefill::~ListRefill() {
  SendMessageW(list_, WM_SETREDRAW, 1, 0);
  State().FillingList = WindowHandle{};
}

void FontText(const FontSpec& font, char16_t* out, int capacity) {
  FormatText(out, static_cast<std::size_t>(capacity), u"%s %i %s%s", font.FaceName, font.Size,
             font.Bold ? u"B" : u"", font.ClearType ? u"C" : u"");
}

void ColourText(COLORREF color, char16_t* out, int capacity) {
  FormatText(out, static_cast<std::size_t>(capacity), u"0x00%02X%02X%02X",
             static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
             static_cast<int>(color & 0xFF));
}

std::int32_t ReadDecimal(const char16_t* text) {
  if (text == nullptr) return 0;
  std::size_t i = 0;
  while (text[i] == u' ' || text[i] == u'\t') ++i;
  bool negative = false;
  if (text[i] == u'-' || text[i] == u'+') negative = text[i++] == u'-';
  long long value = 0;
  for (; text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<std::int32_t>(value);
}

bool ReadEditText(Control edit, char16_t* text, int capacity) {
  int copied = GetWindowTextW(Ctl(edit), text, capacity);
  if (copied == 0) copied = GetWindowTextW(Ctl(edit), text, capacity);
  if (copied >= 0) return true;
  text[0] = 0;
  return false;
}

bool EditValue(Control edit, int capacity, std::int32_t* value) {
  char16_t text[kTextCapacity] = {};
  if (capacity > kTextCapacity) capacity = kTextCapacity;
  if (!ReadEditText(edit, text, capacity)) return false;
  *value = ReadDecimal(text);
  return true;
}

// An edit that refused its value once is asked again: what it shows is what
// OK stores, and an edit left empty would store 0 where nobody typed it.
void SetEditValue(Control edit, std::int32_t value) {
  char16_t text[16];
  FormatText(text, 16, u"%i", value);
  if (!SetWindowTextW(Ctl(edit), text)) SetWindowTextW(Ctl(edit), text);
}

void FillFontEditor(const FontSpec& font) {
  if (!State().FaceNamesListed) FillFaceNames();
  // A face that is not installed leaves the face list's selection as it was.
  ComboBox_SelectString(Ctl(FaceCombo), -1, font.FaceName);
  SetEditValue(SizeEdit, font.Size);
  Button_SetCheck(Ctl(BoldCheck), font.Bold != 0 ? BST_CHECKED : BST_UNCHECKED);
  Button_SetCheck(Ctl(ClearTypeCheck), font.ClearType != 0 ? BST_CHECKED : BST_UNCHECKED);
  ShowColour(font.Color);
}

bool ReadFontEditor(FontSpec& font) {
  FontSpec read;
  // Without the list of families the face cannot be chosen: it stays.
  if (!State().FaceNamesListed) CopyText(read.FaceName, kPathCapacity, font.FaceName);
  else if (!ReadEditText(FaceCombo, read.FaceName, kPathCapacity)) return false;
  if (!EditValue(SizeEdit, kTextCapacity, &read.Size)) return false;
  if (!ReadColour(&read.Color)) return false;
  read.Bold = Button_GetCheck(Ctl(BoldCheck)) == BST_CHECKED ? 1 : 0;
  read.ClearType = Button_GetCheck(Ctl(ClearTypeCheck)) == BST_CHECKED ? 1 : 0;
  font = read;
  return true;
}

void ShowColour(COLORREF color) {
  SetEditValue(RedEdit, static_cast<std::int32_t>(color & 0xFF));
  SetEditValue(GreenEdit, static_cast<std::int32_t>((color >> 8) & 0xFF));
  SetEditValue(BlueEdit, static_cast<std::int32_t>((color >> 16) & 0xFF));
}

bool ReadColour(COLORREF* color) {
  const Control channels[] = {RedEdit, GreenEdit, BlueEdit};
  COLORREF read = 0;
  for (int i = 0; i < 3; ++i) {
    std::int32_t v = 0;
    if (!EditValue(channels[i], kTextCapacity, &v)) return false;
    read |= static_cast<COLORREF>(v < 0 ? 0 : (v > 255 ? 255 : v)) << (8 * i);
  }
  *color = read;
  return true;
}

}  // namespace ostrel::cfg
