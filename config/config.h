// The settings program's entry points, its window procedure, its view state and the names of its controls.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/types.h"

namespace ostrel::cfg {

// Every control of the main window, in the order they are created. A
// control's id is kFirstControlId + its position here.
enum Control : int {
  TitleLabel,
  TabStrip,
  GeneralList,
  PagesList,
  AboutNameLabel,
  AboutYearsLabel,
  AboutWebLabel,
  AboutIcon,
  WirelessList,
  TimeList,
  DateList,
  CalendarList,
  LauncherList,
  LauncherPropsList,
  SysInfoList,
  AddButton,
  EditButton,
  RemoveButton,
  DownButton,
  UpButton,
  PropsEditButton,
  EditorCaption,
  FormatEdit,
  HelpLabel,
  ChoiceCombo,
  FontLabel,
  FaceCombo,
  SizeEdit,
  SizeSpin,
  BoldCheck,
  ClearTypeCheck,
  ColourLabel,
  RedEdit,
  RedSpin,
  GreenEdit,
  GreenSpin,
  BlueEdit,
  BlueSpin,
  PathEdit,
  OpenButton,
  FolderLabel,
  FileList,
  LeftLabel,
  LeftEdit,
  LeftSpin,
  TopLabel,
  TopEdit,
  TopSpin,
  RightLabel,
  RightEdit,
  RightSpin,
  BottomLabel,
  BottomEdit,
  BottomSpin,
  ControlCount
};

constexpr int kFirstControlId = 100;
constexpr int ControlId(Control control) { return kFirstControlId + control; }
// "GeneralList", ...; nullptr outside the table.
const char* ControlName(int control);
// The control of that name; false when there is none.
bool ControlByName(const char* name, Control* control);

// The program's identity, for the single-instance rule.
constexpr const char16_t* kClassName = u"OSTRELCFG";
constexpr const char16_t* kWindowTitle = u"Ostrel";

// Soft-key commands of the menu bar.
constexpr int kCommandOk = 40000;
constexpr int kCommandCancel = 40001;

pf::LRESULT MainWindowProc(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                           pf::LPARAM lParam);

// Start-up up to the message loop: the single-instance rule, the class, the
// main window (whose creation loads the settings and builds every control)
// and its fit above the menu bar. Returns the main window, or null when the
// program ends at once with *exitCode.
pf::WindowHandle StartSettingsProgram(pf::ModuleHandle instance, int showCommand, int* exitCode);
// The message loop; returns the exit code.
int RunMessageLoop();
// Both, as the program's entry runs them.
int SettingsProgramMain(pf::ModuleHandle instance, int showCommand);

// What the program shows: the selected tab (0..2), the open block page
// (-1 or kind - 1) and the open editor (-1 or a row kind, 7 for a new shortcut).
struct ViewState {
  int CurrentTab = 0;
  int OpenBlock = -1;
  int OpenEditor = -1;
};
ViewState CurrentView();
// The main window (null before start-up and after it closed).
pf::WindowHandle MainWindow();
// The color swatch that the font and color editors paint beside their
// color line: its rectangle and the color the channel edits give. False
// while no swatch shows, or when a channel cannot be read.
bool SwatchShown(pf::RECT* rect, pf::COLORREF* color);

}  // namespace ostrel::cfg
