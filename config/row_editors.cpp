// The row mechanics every settings list shares: value texts from settings, opening a row's editor, and applying it back.
#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/text.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr int kValueCapacity = 300;

void MarginsText(const SettingsBody& body, char16_t* out, int capacity) {
  FormatText(out, static_cast<std::size_t>(capacity), u"%i%s%i%s%i%s%i", body.MarginLeft, u",",
             body.MarginTop, u",", body.MarginRight, u",", body.MarginBottom);
}

void FlipToggle(WindowHandle list, int row, const SettingRow& setting, SettingsBody& body) {
  std::int32_t& value = *setting.Number(body);
  value = value == 0 ? 1 : 0;
  SetRowValue(list, row, setting.List->Rows[value]);
}

void FillChoiceEditor(const SettingRow& setting, std::int32_t value) {
  ComboBox_ResetContent(Ctl(ChoiceCombo));
  for (int i = 0; i < setting.List->Count; ++i) ComboBox_AddString(Ctl(ChoiceCombo), setting.List->Entries[i]);
  ComboBox_SetCurSel(Ctl(ChoiceCombo), value);  // a value outside the list selects nothing
  SetWindowTextW(Ctl(HelpLabel), setting.Help);
}

void PrepareEditor(WindowHandle list, int row, const SettingRow& setting, SettingsBody& body) {
  switch (setting.Kind) {
    case Toggle:
      FlipToggle(list, row, setting, body);
      break;
    case NumberRow:
      UpDown_SetRange32(Ctl(LeftSpin), setting.Low, setting.High);
      SetEditValue(LeftEdit, *setting.Number(body));
      break;
    case MarginsRow:
      UpDown_SetRange32(Ctl(LeftSpin), 0, 1000);
      SetEditValue(LeftEdit, body.MarginLeft);
      SetEditValue(TopEdit, body.MarginTop);
      SetEditValue(RightEdit, body.MarginRight);
      SetEditValue(BottomEdit, body.MarginBottom);
      break;
    case FontRow:
      UpDown_SetRange32(Ctl(SizeSpin), setting.Low, setting.High);
      FillFontEditor(*setting.Font(body));
      break;
    case ColourRow:
      ShowColour(*setting.Colour(body));
      break;
    case FormatRow:
      SetWindowTextW(Ctl(FormatEdit), setting.Text(body));
      SetWindowTextW(Ctl(HelpLabel), DateFormatHelp());
      break;
    case ChoiceRow:
      FillChoiceEditor(setting, *setting.Number(body));
      break;
    case FileRow:
      OpenBrowserAt(setting.Text(body));
      break;
    default:
      break;
  }
}

}  // namespace

SettingRow NumberSetting(const char16_t* caption, std::int32_t* (*field)(SettingsBody&), int low,
                   int high) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = NumberRow;
  s.Number = field;
  s.Low = low;
  s.High = high;
  return s;
}

SettingRow ToggleSetting(const char16_t* caption, std::int32_t* (*field)(SettingsBody&),
                   const ValueList& texts) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = Toggle;
  s.Number = field;
  s.List = &texts;
  return s;
}

SettingRow ChoiceSetting(const char16_t* caption, std::int32_t* (*field)(SettingsBody&),
                   const ValueList& list, const char16_t* help, const char16_t* initial) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = ChoiceRow;
  s.Number = field;
  s.List = &list;
  s.Help = help;
  s.InitialValue = initial;
  return s;
}

SettingRow FontSetting(const char16_t* caption, FontSpec* (*field)(SettingsBody&), int lowSize) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = FontRow;
  s.Font = field;
  s.Low = lowSize;
  s.High = 100;
  return s;
}

SettingRow ColourSetting(const char16_t* caption, COLORREF* (*field)(SettingsBody&)) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = ColourRow;
  s.Colour = field;
  return s;
}

SettingRow FormatSetting(const char16_t* caption, char16_t* (*field)(SettingsBody&)) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = FormatRow;
  s.Text = field;
  s.TextCapacity = kFormatCapacity;
  return s;
}

SettingRow FileSetting(const char16_t* caption, char16_t* (*field)(SettingsBody&)) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = FileRow;
  s.Text = field;
  s.TextCapacity = kPathCapacity;
  return s;
}

SettingRow MarginsSetting(const char16_t* caption) {
  SettingRow s;
  s.Caption = caption;
  s.Kind = MarginsRow;
  return s;
}

void AddSettingRows(WindowHandle list, const RowTable& table) {
  for (int i = 0; i < table.Count; ++i) {
    const SettingRow& setting = table.Rows[i];
    AddRow(list, setting.Caption, setting.InitialValue, setting.Kind, false);
  }
}

void ShowRowValue(WindowHandle list, int row, const SettingRow& setting, SettingsBody& body) {
  char16_t text[kValueCapacity] = {};
  switch (setting.Kind) {
    case Toggle:
      CopyText(text, kValueCapacity, setting.List->Rows[*setting.Number(body) != 0 ? 1 : 0]);
      break;
    case NumberRow:
      FormatText(text, kValueCapacity, u"%i", *setting.Number(body));
      break;
    case MarginsRow:
      MarginsText(body, text, kValueCapacity);
      break;
    case FontRow:
      FontText(*setting.Font(body), text, kValueCapacity);
      break;
    case ColourRow:
      ColourText(*setting.Colour(body), text, kValueCapacity);
      break;
    case FormatRow:
      CopyText(text, kValueCapacity, setting.Text(body));
      break;
    case ChoiceRow: {
      const char16_t* shown = ListText(*setting.List, *setting.Number(body));
      if (shown == nullptr) return;  // outside the list: the row keeps its text
      CopyText(text, kValueCapacity, shown);
      break;
    }
    case FileRow:
      CopyText(text, kValueCapacity, FileNameOf(setting.Text(body)));
      break;
    default:
      return;
  }
  SetRowValue(list, row, text);
}

void ShowAllRowValues(WindowHandle list, const RowTable& table, SettingsBody& body) {
  for (int i = 0; i < table.Count; ++i) ShowRowValue(list, i, table.Rows[i], body);
}

void OpenSelectedRow(WindowHandle list, const RowTable& table, SettingsBody& body) {
  int row = SelectedRow(list);
  if (row < 0 || row >= table.Count) return;
  Program& p = State();
  char16_t caption[kTextCapacity] = {};
  RowCaption(list, row, caption, kTextCapacity);
  SetWindowTextW(Ctl(EditorCaption), caption);
  p.OpenEditor = RowKindOf(list, row);
  PrepareEditor(list, row, table.Rows[row], body);
  if (p.OpenEditor != kNoEditor) {
    ShowCurrentView();
    InvalidateMain();
  }
}

void ApplySelectedRow(WindowHandle list, const RowTable& table, SettingsBody& body) {
  int row = SelectedRow(list);
  if (row < 0 || row >= table.Count || RowKindOf(list, row) != State().OpenEditor) return;
  const SettingRow& setting = table.Rows[row];
  char16_t text[kValueCapacity] = {};
  switch (setting.Kind) {
    case NumberRow:
      GetWindowTextW(Ctl(LeftEdit), text, kEditValueCapacity);
      *setting.Number(body) = ReadDecimal(text);  // a number outside the range is taken as typed
      break;
    case MarginsRow:
      body.MarginLeft = EditValue(LeftEdit, kEditValueCapacity);
      body.MarginTop = EditValue(TopEdit, kEditValueCapacity);
      body.MarginRight = EditValue(RightEdit, kEditValueCapacity);
      body.MarginBottom = EditValue(BottomEdit, kEditValueCapacity);
      MarginsText(body, text, kValueCapacity);
      break;
    case FontRow:
      ReadFontEditor(*setting.Font(body));
      FontText(*setting.Font(body), text, kValueCapacity);
      break;
    case ColourRow:
      *setting.Colour(body) = ReadColour();
      ColourText(*setting.Colour(body), text, kValueCapacity);
      break;
    case FormatRow:
      GetWindowTextW(Ctl(FormatEdit), text, setting.TextCapacity);
      CopyText(setting.Text(body), static_cast<std::size_t>(setting.TextCapacity), text);
      break;
    case ChoiceRow: {
      std::int32_t chosen = ComboBox_GetCurSel(Ctl(ChoiceCombo));
      *setting.Number(body) = chosen < 0 ? -1 : chosen;
      const char16_t* shown = ListText(*setting.List, chosen);
      if (shown == nullptr) return;  // nothing chosen: the row keeps its text
      CopyText(text, kValueCapacity, shown);
      break;
    }
    case FileRow:
      GetWindowTextW(Ctl(PathEdit), setting.Text(body), setting.TextCapacity);
      CopyText(text, kValueCapacity, FileNameOf(setting.Text(body)));
      break;
    default:
      return;
  }
  SetRowValue(list, row, text);
}

}  // namespace ostrel::cfg
