// The row mechanics every settings list shares: value texts from settings, opening a row's editor, and applying it back.
#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/text.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr int kValueCapacity = 300;

std::int32_t& NumberOf(const BoundRow& row) { return NumberField(*row.Setting, row.Record); }
FontSpec& FontOf(const BoundRow& row) { return FontField(*row.Setting, row.Record); }
COLORREF& ColorOf(const BoundRow& row) { return ColorField(*row.Setting, row.Record); }
char16_t* TextOf(const BoundRow& row) { return TextField(*row.Setting, row.Record); }
const char16_t* HelpOf(const ValueList& list) { return list.Help ? list.Help() : u""; }

void MarginsText(const SettingsBody& body, char16_t* out, int capacity) {
  FormatText(out, static_cast<std::size_t>(capacity), u"%i%s%i%s%i%s%i", body.MarginLeft, u",",
             body.MarginTop, u",", body.MarginRight, u",", body.MarginBottom);
}

void FlipToggle(WindowHandle list, int row, const BoundRow& setting) {
  std::int32_t& value = NumberOf(setting);
  value = value == 0 ? 1 : 0;
  SetRowValue(list, row, setting.Row().List->Rows[value]);
}

void FillChoiceEditor(const BoundRow& setting, std::int32_t value) {
  ComboBox_ResetContent(Ctl(ChoiceCombo));
  const ValueList& list = *setting.Row().List;
  for (int i = 0; i < list.Count; ++i) ComboBox_AddString(Ctl(ChoiceCombo), list.Entries[i]);
  ComboBox_SetCurSel(Ctl(ChoiceCombo), value);  // a value outside the list selects nothing
  SetWindowTextW(Ctl(HelpLabel), HelpOf(list));
}

void PrepareEditor(WindowHandle list, int row, const BoundRow& setting, SettingsBody& body) {
  switch (setting.Row().Kind) {
    case Toggle:
      FlipToggle(list, row, setting);
      break;
    case NumberRow:
      UpDown_SetRange32(Ctl(LeftSpin), setting.Row().Low, setting.Row().High);
      SetEditValue(LeftEdit, NumberOf(setting));
      break;
    case MarginsRow:
      UpDown_SetRange32(Ctl(LeftSpin), 0, 1000);
      SetEditValue(LeftEdit, body.MarginLeft);
      SetEditValue(TopEdit, body.MarginTop);
      SetEditValue(RightEdit, body.MarginRight);
      SetEditValue(BottomEdit, body.MarginBottom);
      break;
    case FontRow:
      UpDown_SetRange32(Ctl(SizeSpin), setting.Row().Low, setting.Row().High);
      FillFontEditor(FontOf(setting));
      break;
    case ColourRow:
      ShowColour(ColorOf(setting));
      break;
    case FormatRow:
      SetWindowTextW(Ctl(FormatEdit), TextOf(setting));
      SetWindowTextW(Ctl(HelpLabel), DateFormatHelp());
      break;
    case ChoiceRow:
      FillChoiceEditor(setting, NumberOf(setting));
      break;
    case FileRow:
      OpenBrowserAt(TextOf(setting));
      break;
    default:
      break;
  }
}

}  // namespace

int RowCount(const RowTable& table) {
  int count = 0;
  for (int k = 0; k < table.KeyCount; ++k) {
    const SettingsKey& key = *table.Keys[k];
    for (int i = 0; i < key.FieldCount; ++i) count += key.Fields[i].Row.Caption != nullptr;
  }
  return count;
}

// The field of a row and the key that holds it; null outside the table.
const Field* RowField(const RowTable& table, int row, const SettingsKey** holder) {
  for (int k = 0; k < table.KeyCount && row >= 0; ++k) {
    const SettingsKey& key = *table.Keys[k];
    for (int i = 0; i < key.FieldCount; ++i) {
      if (key.Fields[i].Row.Caption == nullptr || row-- > 0) continue;
      *holder = &key;
      return &key.Fields[i];
    }
  }
  return nullptr;
}

BoundRow RowOf(const RowTable& table, int row, SettingsBody& body) {
  const SettingsKey* key = nullptr;
  const Field* field = RowField(table, row, &key);
  return field ? BoundRow{field, key->Record(body)} : BoundRow{};
}

void AddSettingRows(WindowHandle list, const RowTable& table) {
  FillRows(list, RowCount(table), [list, &table](int i) {
    const SettingsKey* key = nullptr;
    const FieldRow& row = RowField(table, i, &key)->Row;
    return AddRow(list, row.Caption, row.InitialValue, row.Kind, false);
  });
}

void ShowRowValue(WindowHandle list, int row, const BoundRow& setting, SettingsBody& body) {
  char16_t text[kValueCapacity] = {};
  switch (setting.Row().Kind) {
    case Toggle:
      CopyText(text, kValueCapacity, setting.Row().List->Rows[NumberOf(setting) != 0 ? 1 : 0]);
      break;
    case NumberRow:
      FormatText(text, kValueCapacity, u"%i", NumberOf(setting));
      break;
    case MarginsRow:
      MarginsText(body, text, kValueCapacity);
      break;
    case FontRow:
      FontText(FontOf(setting), text, kValueCapacity);
      break;
    case ColourRow:
      ColourText(ColorOf(setting), text, kValueCapacity);
      break;
    case FormatRow:
      CopyText(text, kValueCapacity, TextOf(setting));
      break;
    case ChoiceRow: {
      const char16_t* shown = ListText(*setting.Row().List, NumberOf(setting));
      if (shown == nullptr) return;  // outside the list: the row keeps its text
      CopyText(text, kValueCapacity, shown);
      break;
    }
    case FileRow:
      CopyText(text, kValueCapacity, FileNameOf(TextOf(setting)));
      break;
    default:
      return;
  }
  SetRowValue(list, row, text);
}

void ShowAllRowValues(WindowHandle list, const RowTable& table, SettingsBody& body) {
  const int count = RowCount(table);
  for (int i = 0; i < count; ++i) ShowRowValue(list, i, RowOf(table, i, body), body);
}

void OpenSelectedRow(WindowHandle list, const RowTable& table, SettingsBody& body) {
  if (ListView_GetItemCount(list) != RowCount(table)) return;  // row i may not show setting i
  int row = SelectedRow(list);
  const BoundRow setting = RowOf(table, row, body);
  if (setting.Setting == nullptr) return;
  Program& p = State();
  char16_t caption[kTextCapacity] = {};
  RowCaption(list, row, caption, kTextCapacity);
  int kind = kNoEditor;
  if (!RowKindOf(list, row, &kind)) return;  // no editor opens
  SetWindowTextW(Ctl(EditorCaption), caption);
  p.OpenEditor = kind;
  PrepareEditor(list, row, setting, body);
  if (p.OpenEditor != kNoEditor) {
    ShowCurrentView();
    InvalidateMain();
  }
}

namespace {

// The margins editor's four values; false, with nothing stored, when one
// cannot be read.
bool ReadMargins(SettingsBody& body) {
  const Control edits[] = {LeftEdit, TopEdit, RightEdit, BottomEdit};
  std::int32_t values[4] = {};
  for (int i = 0; i < 4; ++i) {
    if (!EditValue(edits[i], kEditValueCapacity, &values[i])) return false;
  }
  body.MarginLeft = values[0];
  body.MarginTop = values[1];
  body.MarginRight = values[2];
  body.MarginBottom = values[3];
  return true;
}

// A text edit's value into the setting; false, with nothing stored, when
// the edit could not be read.
bool ReadTextSetting(Control edit, const BoundRow& setting) {
  const int capacity = setting.Setting->Capacity;
  char16_t read[kValueCapacity] = {};
  if (!ReadEditText(edit, read, capacity < kValueCapacity ? capacity : kValueCapacity)) return false;
  CopyText(TextOf(setting), static_cast<std::size_t>(capacity), read);
  return true;
}

}  // namespace

bool ApplySelectedRow(WindowHandle list, const RowTable& table, SettingsBody& body) {
  int row = SelectedRow(list);
  const BoundRow setting = RowOf(table, row, body);
  int kind = kNoEditor;
  if (setting.Setting == nullptr) return true;
  if (!RowKindOf(list, row, &kind)) return false;
  if (kind != State().OpenEditor) return true;
  char16_t text[kValueCapacity] = {};
  switch (setting.Row().Kind) {
    case NumberRow:
      if (!ReadEditText(LeftEdit, text, kEditValueCapacity)) return false;
      NumberOf(setting) = ReadDecimal(text);  // a number outside the range is taken as typed
      break;
    case MarginsRow:
      if (!ReadMargins(body)) return false;
      MarginsText(body, text, kValueCapacity);
      break;
    case FontRow:
      if (!ReadFontEditor(FontOf(setting))) return false;
      FontText(FontOf(setting), text, kValueCapacity);
      break;
    case ColourRow:
      if (!ReadColour(&ColorOf(setting))) return false;
      ColourText(ColorOf(setting), text, kValueCapacity);
      break;
    case FormatRow:
      if (!ReadTextSetting(FormatEdit, setting)) return false;
      CopyText(text, kValueCapacity, TextOf(setting));
      break;
    case ChoiceRow: {
      // No selection (CB_ERR) is asked once more, since a failed call gives the same.
      std::int32_t chosen = ComboBox_GetCurSel(Ctl(ChoiceCombo));
      if (chosen < 0) chosen = ComboBox_GetCurSel(Ctl(ChoiceCombo));
      NumberOf(setting) = chosen < 0 ? -1 : chosen;
      const char16_t* shown = ListText(*setting.Row().List, chosen);
      if (shown == nullptr) return true;  // nothing chosen: the row keeps its text
      CopyText(text, kValueCapacity, shown);
      break;
    }
    case FileRow:
      if (!ReadTextSetting(PathEdit, setting)) return false;
      CopyText(text, kValueCapacity, FileNameOf(TextOf(setting)));
      break;
    default:
      return true;
  }
  SetRowValue(list, row, text);
  return true;
}

}  // namespace ostrel::cfg
