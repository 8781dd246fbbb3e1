// The view routine: which controls show for the current tab, block page and editor, which buttons are enabled, and the title line.
#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/text.h"
#include "platform/window.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr const char16_t* kSettingsTitle = u"Ostrel: Настройки";
constexpr const char16_t* kBlockTitlePrefix = u"Ostrel: Настройки - ";
constexpr const char16_t* kAboutTitle = u"Ostrel: О программе";

const Control kListButtons[] = {AddButton, EditButton, RemoveButton, UpButton, DownButton};
const Control kColorLine[] = {ColourLabel, RedEdit, RedSpin, GreenEdit, GreenSpin, BlueEdit, BlueSpin};
const Control kFontGroup[] = {FontLabel, FaceCombo, SizeEdit, SizeSpin, BoldCheck, ClearTypeCheck};
const Control kMarginsGroup[] = {LeftLabel, LeftEdit, LeftSpin, TopLabel, TopEdit, TopSpin,
                                 RightLabel, RightEdit, RightSpin, BottomLabel, BottomEdit, BottomSpin};
const Control kFileGroup[] = {PathEdit, OpenButton, FolderLabel, FileList};
const Control kAboutGroup[] = {AboutNameLabel, AboutYearsLabel, AboutWebLabel, AboutIcon};

template <int N>
void Show(const Control (&controls)[N]) {
  for (Control c : controls) ShowWindow(Ctl(c), SW_SHOW);
}

void Show(Control c) { ShowWindow(Ctl(c), SW_SHOW); }
void Enable(Control c, bool enabled) { EnableWindow(Ctl(c), enabled ? 1 : 0); }

// Moves the color line to a new top given in design pixels, each control
// keeping its x; the label sits two design pixels lower than the edits, both
// scaled from their design positions.
void MoveColorLine(int designTop) {
  for (Control c : kColorLine) {
    RECT r;
    GetWindowRect(Ctl(c), &r);
    POINT corner{r.left, r.top};
    MapWindowPoints(WindowHandle{}, State().Main, &corner, 1);
    int top = ScaleY(c == ColourLabel ? designTop + 2 : designTop);
    SetWindowPos(Ctl(c), WindowHandle{}, corner.x, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
}

void ShowEditor(int kind) {
  if (kind != NewShortcutEditor && kind != FileRow) Show(EditorCaption);
  switch (kind) {
    case FontRow:
      Show(kFontGroup);
      Show(kColorLine);
      MoveColorLine(105);
      break;
    case ColourRow:
      Show(kColorLine);
      MoveColorLine(55);
      break;
    case FormatRow:
      Show(FormatEdit);
      Show(HelpLabel);
      break;
    case ChoiceRow:
      Show(ChoiceCombo);
      Show(HelpLabel);
      break;
    case NumberRow:
      Show(LeftEdit);
      Show(LeftSpin);
      break;
    case MarginsRow:
      Show(kMarginsGroup);
      break;
    case NewShortcutEditor:
    case FileRow:
      Show(kFileGroup);
      break;
    default:
      break;
  }
}

bool HasSelection(Control list) { return SelectedRow(Ctl(list)) >= 0; }

void ShowBlockPage(int openBlock) {
  char16_t caption[kTextCapacity] = {};
  int row = SelectedRow(Ctl(PagesList));
  if (row >= 0) RowCaption(Ctl(PagesList), row, caption, kTextCapacity);
  char16_t title[kTextCapacity + 32];
  FormatText(title, kTextCapacity + 32, u"%s%s", kBlockTitlePrefix, caption);
  SetTitle(title);
  Show(kListButtons);
  if (openBlock == kLauncherPage) {
    Show(LauncherList);
    Show(LauncherPropsList);
    Show(PropsEditButton);
    Enable(AddButton, !State().LauncherListUnread);
    UpdateLauncherButtons();
    Enable(PropsEditButton, HasSelection(LauncherPropsList));
    return;
  }
  ShowWindow(BlockListOf(openBlock), SW_SHOW);
  Enable(EditButton, SelectedRow(BlockListOf(openBlock)) >= 0);
}

void ShowPagesTab() {
  SetTitle(kSettingsTitle);
  Show(TabStrip);
  Show(PagesList);
  Show(kListButtons);
  int row = SelectedRow(Ctl(PagesList));
  Enable(EditButton, row >= 0);
  Enable(UpButton, row > 0);
  Enable(DownButton, row >= 0 && row < BlockCount - 1);
}

}  // namespace

bool SwatchShown(RECT* rect, COLORREF* color) {
  int editor = State().OpenEditor;
  if (!IsWindowVisible(Ctl(ColourLabel)) || (editor != FontRow && editor != ColourRow)) return false;
  int designTop = editor == FontRow ? 105 : 55;
  *rect = RECT{ScaleX(50), ScaleY(designTop), ScaleX(70), ScaleY(designTop + 20)};
  return ReadColour(color);
}

void SetTitle(const char16_t* text) { SetWindowTextW(Ctl(TitleLabel), text); }

void InvalidateMain() { InvalidateRect(State().Main, nullptr, 1); }

void ShowCurrentView() {
  Program& p = State();
  for (int i = 0; i < ControlCount; ++i) {
    if (i != TitleLabel) ShowWindow(p.Handles[i], SW_HIDE);
  }
  for (Control c : kListButtons) Enable(c, false);
  Enable(PropsEditButton, false);

  if (p.OpenEditor != kNoEditor) {
    ShowEditor(p.OpenEditor);  // the title line stays as it was
    return;
  }
  switch (p.CurrentTab) {
    case 0:
      SetTitle(kSettingsTitle);
      Show(TabStrip);
      Show(GeneralList);
      Show(kListButtons);
      Enable(EditButton, HasSelection(GeneralList));
      break;
    case 1:
      if (p.OpenBlock == kNoBlock) {
        ShowPagesTab();
      } else {
        ShowBlockPage(p.OpenBlock);
      }
      break;
    case 2:
      SetTitle(kAboutTitle);
      Show(TabStrip);
      Show(kAboutGroup);
      break;
    default:
      break;
  }
}

}  // namespace ostrel::cfg
