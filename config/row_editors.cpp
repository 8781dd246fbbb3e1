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

void FlipToggle(WindowHandle list, int row, const RowSpec& spec, SettingsBody& body) {
  std::int32_t& value = *spec.Number(body);
  value = value == 0 ? 1 : 0;
  SetRowValue(list, row, spec.List->Rows[value]);
}

void FillChoiceEditor(const RowSpec& spec, std::int32_t value) {
  ComboBox_ResetContent(Ctl(ChoiceCombo));
  for (int i = 0; i < spec.List->Count; ++i) ComboBox_AddString(Ctl(ChoiceCombo), spec.List->Entries[i]);
  ComboBox_SetCurSel(Ctl(ChoiceCombo), value);  // a value outside the list selects nothing
  SetWindowTextW(Ctl(HelpLabel), spec.Help);
}

void PrepareEditor(WindowHandle list, int row, const RowSpec& spec, SettingsBody& body) {
  switch (spec.Kind) {
    case Toggle:
      FlipToggle(list, row, spec, body);
      break;
    case NumberRow:
      UpDown_SetRange32(Ctl(LeftSpin), spec.Low, spec.High);
      SetEditValue(LeftEdit, *spec.Number(body));
      break;
    case MarginsRow:
      UpDown_SetRange32(Ctl(LeftSpin), 0, 1000);
      SetEditValue(LeftEdit, body.MarginLeft);
      SetEditValue(TopEdit, body.MarginTop);
      SetEditValue(RightEdit, body.MarginRight);
      SetEditValue(BottomEdit, body.MarginBottom);
      break;
    case FontRow:
      UpDown_SetRange32(Ctl(SizeSpin), spec.Low, spec.High);
      FillFontEditor(*spec.Font(body));
      break;
    case ColourRow:
      ShowColour(*spec.Colour(body));
      break;
    case FormatRow:
      SetWindowTextW(Ctl(FormatEdit), spec.Text(body));
      SetWindowTextW(Ctl(HelpLabel), DateFormatHelp());
      break;
    case ChoiceRow:
      FillChoiceEditor(spec, *spec.Number(body));
      break;
    case FileRow:
      OpenBrowserAt(spec.Text(body));
      break;
    default:
      break;
  }
}

}  // namespace

RowSpec NumberSpec(const char16_t* caption, std::int32_t* (*field)(SettingsBody&), int low,
                   int high) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = NumberRow;
  s.Number = field;
  s.Low = low;
  s.High = high;
  return s;
}

RowSpec ToggleSpec(const char16_t* caption, std::int32_t* (*field)(SettingsBody&),
                   const ValueList& texts) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = Toggle;
  s.Number = field;
  s.List = &texts;
  return s;
}

RowSpec ChoiceSpec(const char16_t* caption, std::int32_t* (*field)(SettingsBody&),
                   const ValueList& list, const char16_t* help, const char16_t* initial) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = ChoiceRow;
  s.Number = field;
  s.List = &list;
  s.Help = help;
  s.InitialValue = initial;
  return s;
}

RowSpec FontSpecRow(const char16_t* caption, FontSpec* (*field)(SettingsBody&), int lowSize) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = FontRow;
  s.Font = field;
  s.Low = lowSize;
  s.High = 100;
  return s;
}

RowSpec ColourSpec(const char16_t* caption, COLORREF* (*field)(SettingsBody&)) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = ColourRow;
  s.Colour = field;
  return s;
}

RowSpec FormatSpec(const char16_t* caption, char16_t* (*field)(SettingsBody&)) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = FormatRow;
  s.Text = field;
  s.TextCapacity = kFormatCapacity;
  return s;
}

RowSpec FileSpec(const char16_t* caption, char16_t* (*field)(SettingsBody&)) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = FileRow;
  s.Text = field;
  s.TextCapacity = kPathCapacity;
  return s;
}

RowSpec MarginsSpec(const char16_t* caption) {
  RowSpec s;
  s.Caption = caption;
  s.Kind = MarginsRow;
  return s;
}

void AddSpecRows(WindowHandle list, const RowTable& table) {
  for (int i = 0; i < table.Count; ++i) {
    const RowSpec& spec = table.Rows[i];
    AddRow(list, spec.Caption, spec.InitialValue, spec.Kind, false);
  }
}

void ShowRowValue(WindowHandle list, int row, const RowSpec& spec, SettingsBody& body) {
  char16_t text[kValueCapacity] = {};
  switch (spec.Kind) {
    case Toggle:
      CopyText(text, kValueCapacity, spec.List->Rows[*spec.Number(body) != 0 ? 1 : 0]);
      break;
    case NumberRow:
      FormatText(text, kValueCapacity, u"%i", *spec.Number(body));
      break;
    case MarginsRow:
      MarginsText(body, text, kValueCapacity);
      break;
    case FontRow:
      FontText(*spec.Font(body), text, kValueCapacity);
      break;
    case ColourRow:
      ColourText(*spec.Colour(body), text, kValueCapacity);
      break;
    case FormatRow:
      CopyText(text, kValueCapacity, spec.Text(body));
      break;
    case ChoiceRow: {
      const char16_t* shown = ListText(*spec.List, *spec.Number(body));
      if (shown == nullptr) return;  // outside the list: the row keeps its text
      CopyText(text, kValueCapacity, shown);
      break;
    }
    case FileRow:
      CopyText(text, kValueCapacity, FileNameOf(spec.Text(body)));
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
  const RowSpec& spec = table.Rows[row];
  char16_t text[kValueCapacity] = {};
  switch (spec.Kind) {
    case NumberRow:
      GetWindowTextW(Ctl(LeftEdit), text, kEditValueCapacity);
      *spec.Number(body) = ReadDecimal(text);  // a number outside the range is taken as typed
      break;
    case MarginsRow:
      body.MarginLeft = EditValue(LeftEdit, kEditValueCapacity);
      body.MarginTop = EditValue(TopEdit, kEditValueCapacity);
      body.MarginRight = EditValue(RightEdit, kEditValueCapacity);
      body.MarginBottom = EditValue(BottomEdit, kEditValueCapacity);
      MarginsText(body, text, kValueCapacity);
      break;
    case FontRow:
      ReadFontEditor(*spec.Font(body));
      FontText(*spec.Font(body), text, kValueCapacity);
      break;
    case ColourRow:
      *spec.Colour(body) = ReadColour();
      ColourText(*spec.Colour(body), text, kValueCapacity);
      break;
    case FormatRow:
      GetWindowTextW(Ctl(FormatEdit), text, spec.TextCapacity);
      CopyText(spec.Text(body), static_cast<std::size_t>(spec.TextCapacity), text);
      break;
    case ChoiceRow: {
      std::int32_t chosen = ComboBox_GetCurSel(Ctl(ChoiceCombo));
      *spec.Number(body) = chosen < 0 ? -1 : chosen;
      const char16_t* shown = ListText(*spec.List, chosen);
      if (shown == nullptr) return;  // nothing chosen: the row keeps its text
      CopyText(text, kValueCapacity, shown);
      break;
    }
    case FileRow:
      GetWindowTextW(Ctl(PathEdit), spec.Text(body), spec.TextCapacity);
      CopyText(text, kValueCapacity, FileNameOf(spec.Text(body)));
      break;
    default:
      return;
  }
  SetRowValue(list, row, text);
}

}  // namespace ostrel::cfg
