// The main window's control layout: names, classes, styles and texts of every control, their scaled geometry at creation, and the relayout on resize.
#include <cstring>

#include "config/pages.h"
#include "config/program.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/window.h"

namespace ostrel::cfg {

namespace {

using namespace pf;

constexpr std::uint32_t kHiddenStatic = WS_CHILD;
constexpr std::uint32_t kListStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | LVS_NOCOLUMNHEADER |
                                     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
constexpr std::uint32_t kSharedListStyle = kListStyle | LVS_SHAREIMAGELISTS;
constexpr std::uint32_t kButtonStyle = WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_TABSTOP;
constexpr std::uint32_t kHiddenButtonStyle = WS_CHILD | WS_DISABLED | WS_TABSTOP;
constexpr std::uint32_t kEditStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr std::uint32_t kNumberEditStyle = kEditStyle | ES_NUMBER;
// Base-10 buddy number, arrow keys, at the right edge of its buddy.
constexpr std::uint32_t kSpinStyle =
    WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr std::uint32_t kComboStyle = WS_CHILD | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr std::uint32_t kCheckStyle = WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr std::uint32_t kTabStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TCS_BOTTOM;

static_assert(kListStyle == 0x4081400D && kSharedListStyle == 0x4081404D, "list styles");
static_assert(kButtonStyle == 0x58010000 && kHiddenButtonStyle == 0x48010000, "button styles");
static_assert(kEditStyle == 0x40810080 && kNumberEditStyle == 0x40812080, "edit styles");
static_assert(kSpinStyle == 0x400000A6 && kComboStyle == 0x40010003, "spin and combo styles");
static_assert(kCheckStyle == 0x40010003 && kTabStyle == 0x52000002, "check and tab styles");

struct ControlDef {
  Control id;
  const char* name;
  const char16_t* cls;
  std::uint32_t style;
  const char16_t* text;
};

// Each row names its control once: the enumerator and its name as text.
#define CONTROL(id) id, #id

constexpr ControlDef kControls[ControlCount] = {
    {CONTROL(TitleLabel), WC_STATIC, WS_CHILD | WS_VISIBLE, u"Ostrel: Настройки"},
    {CONTROL(TabStrip), WC_TABCONTROL, kTabStyle, u""},
    {CONTROL(GeneralList), WC_LISTVIEW, kListStyle | WS_VISIBLE, u""},
    {CONTROL(PagesList), WC_LISTVIEW, kListStyle, u""},
    {CONTROL(AboutNameLabel), WC_STATIC, kHiddenStatic, u"Ostrel v1.3.8"},
    {CONTROL(AboutYearsLabel), WC_STATIC, kHiddenStatic, nullptr},
    {CONTROL(AboutWebLabel), WC_STATIC, kHiddenStatic, nullptr},
    {CONTROL(AboutIcon), WC_STATIC, kHiddenStatic | SS_ICON, u""},
    {CONTROL(WirelessList), WC_LISTVIEW, kListStyle, u""},
    {CONTROL(TimeList), WC_LISTVIEW, kListStyle, u""},
    {CONTROL(DateList), WC_LISTVIEW, kListStyle, u""},
    {CONTROL(CalendarList), WC_LISTVIEW, kListStyle, u""},
    {CONTROL(LauncherList), WC_LISTVIEW, kSharedListStyle, u""},
    {CONTROL(LauncherPropsList), WC_LISTVIEW, kListStyle, u""},
    {CONTROL(SysInfoList), WC_LISTVIEW, kListStyle, u""},
    {CONTROL(AddButton), WC_BUTTON, kButtonStyle, u"+"},
    {CONTROL(EditButton), WC_BUTTON, kButtonStyle, u"..."},
    {CONTROL(RemoveButton), WC_BUTTON, kButtonStyle, u"\u2013"},
    {CONTROL(DownButton), WC_BUTTON, kButtonStyle, u"Вниз"},
    {CONTROL(UpButton), WC_BUTTON, kButtonStyle, u"Вверх"},
    {CONTROL(PropsEditButton), WC_BUTTON, kHiddenButtonStyle, u"..."},
    {CONTROL(EditorCaption), WC_STATIC, kHiddenStatic, u""},
    {CONTROL(FormatEdit), WC_EDIT, kEditStyle, u""},
    {CONTROL(HelpLabel), WC_STATIC, kHiddenStatic, u""},
    {CONTROL(ChoiceCombo), WC_COMBOBOX, kComboStyle, u""},
    {CONTROL(FontLabel), WC_STATIC, kHiddenStatic, u"Шрифт"},
    {CONTROL(FaceCombo), WC_COMBOBOX, kComboStyle, u""},
    {CONTROL(SizeEdit), WC_EDIT, kNumberEditStyle, u"8"},
    {CONTROL(SizeSpin), UPDOWN_CLASS, kSpinStyle, u""},
    {CONTROL(BoldCheck), WC_BUTTON, kCheckStyle, u"Жирный"},
    {CONTROL(ClearTypeCheck), WC_BUTTON, kCheckStyle, u"ClearType"},
    {CONTROL(ColourLabel), WC_STATIC, kHiddenStatic, u"Цвет"},
    {CONTROL(RedEdit), WC_EDIT, kNumberEditStyle, u""},
    {CONTROL(RedSpin), UPDOWN_CLASS, kSpinStyle, u""},
    {CONTROL(GreenEdit), WC_EDIT, kNumberEditStyle, u""},
    {CONTROL(GreenSpin), UPDOWN_CLASS, kSpinStyle, u""},
    {CONTROL(BlueEdit), WC_EDIT, kNumberEditStyle, u""},
    {CONTROL(BlueSpin), UPDOWN_CLASS, kSpinStyle, u""},
    {CONTROL(PathEdit), WC_EDIT, kEditStyle, u""},
    {CONTROL(OpenButton), WC_BUTTON, kHiddenButtonStyle, u"..."},
    {CONTROL(FolderLabel), WC_STATIC, kHiddenStatic | SS_LEFTNOWORDWRAP, u""},
    {CONTROL(FileList), WC_LISTVIEW, kSharedListStyle, u""},
    {CONTROL(LeftLabel), WC_STATIC, kHiddenStatic, u"Слева"},
    {CONTROL(LeftEdit), WC_EDIT, kNumberEditStyle, u""},
    {CONTROL(LeftSpin), UPDOWN_CLASS, kSpinStyle, u""},
    {CONTROL(TopLabel), WC_STATIC, kHiddenStatic, u"Сверху"},
    {CONTROL(TopEdit), WC_EDIT, kNumberEditStyle, u""},
    {CONTROL(TopSpin), UPDOWN_CLASS, kSpinStyle, u""},
    {CONTROL(RightLabel), WC_STATIC, kHiddenStatic, u"Справа"},
    {CONTROL(RightEdit), WC_EDIT, kNumberEditStyle, u""},
    {CONTROL(RightSpin), UPDOWN_CLASS, kSpinStyle, u""},
    {CONTROL(BottomLabel), WC_STATIC, kHiddenStatic, u"Снизу"},
    {CONTROL(BottomEdit), WC_EDIT, kNumberEditStyle, u""},
    {CONTROL(BottomSpin), UPDOWN_CLASS, kSpinStyle, u""},
};

#undef CONTROL

// Rows are looked up by the enumerator's value.
constexpr bool RowsInEnumerationOrder() {
  for (int i = 0; i < ControlCount; ++i) {
    if (kControls[i].id != i) return false;
  }
  return true;
}
static_assert(RowsInEnumerationOrder(), "kControls lists the controls in the order of enum Control");

struct Place {
  int x, y, w, h;
};

// Where each control is created; X = ScaleX, Y = ScaleY, l = L + X(8).
Place InitialPlace(Control c, const Frame& f) {
  const int l = f.L + ScaleX(8);
  const int tw = f.ThirdWidth;
  const int y0 = f.T + ScaleY(25) + ScaleY(30);  // the first editor line
  const int aboutX = (f.R - f.L) / 2 - ScaleX(50);
  const int listW = f.R - ScaleX(16);
  const int marginW = tw * 3 / 2;
  switch (c) {
    case TitleLabel: return {f.L + ScaleY(5), f.T + ScaleY(5), f.R - ScaleX(10), ScaleY(18)};
    case TabStrip: return {f.L, f.B - ScaleY(22), f.R - f.L, ScaleY(22)};
    case AboutNameLabel: return {aboutX, ScaleY(60), ScaleX(150), ScaleY(18)};
    case AboutYearsLabel: return {aboutX, ScaleY(80), ScaleX(150), ScaleY(18)};
    case AboutWebLabel: return {aboutX, ScaleY(100), ScaleX(150), ScaleY(18)};
    case AboutIcon: {
      int cx = GetSystemMetrics(SM_CXICON);
      return {(f.R - f.L) / 2 - ScaleX(58) - cx, ScaleY(60), cx, GetSystemMetrics(SM_CYICON)};
    }
    case LauncherList: return {l, f.T + ScaleY(55), listW, f.B - ScaleY(122)};
    case LauncherPropsList: return {l, f.B - ScaleY(62), f.R - ScaleX(48), ScaleY(68)};
    case AddButton: return {l, f.T + ScaleY(30), ScaleX(30), ScaleY(20)};
    case EditButton: return {l + ScaleX(32), f.T + ScaleY(30), ScaleX(30), ScaleY(20)};
    case RemoveButton: return {l + ScaleX(32) + ScaleX(32), f.T + ScaleY(30), ScaleX(30), ScaleY(20)};
    case DownButton: return {f.R - ScaleX(52), f.T + ScaleY(30), ScaleX(44), ScaleY(20)};
    case UpButton: return {f.R - ScaleX(52) - ScaleX(46), f.T + ScaleY(30), ScaleX(44), ScaleY(20)};
    case PropsEditButton: return {f.R - ScaleX(38), f.B - ScaleY(62), ScaleX(30), ScaleY(20)};
    case EditorCaption: return {l, f.T + ScaleY(30) + ScaleY(2), listW, ScaleY(18)};
    case FormatEdit: return {l, y0, listW, ScaleY(20)};
    case HelpLabel: {
      int y = y0 + ScaleY(25);
      return {l, y, listW, f.B - ScaleY(8) - y};
    }
    case ChoiceCombo: return {l + ScaleX(50), y0, f.R - ScaleX(116), ScaleY(100)};
    case FontLabel: return {l, y0 + ScaleY(2), ScaleX(70), ScaleY(18)};
    case FaceCombo: return {l + ScaleX(70), y0, ScaleX(4) + 2 * tw, ScaleY(100)};
    case SizeEdit: return {l + ScaleX(70) + ScaleX(8) + 2 * tw, y0, tw, ScaleY(20)};
    case SizeSpin: return {l + ScaleX(70), y0, ScaleX(70), ScaleY(20)};
    case BoldCheck: return {l + ScaleX(70), y0 + ScaleY(25), ScaleX(70), ScaleY(20)};
    case ClearTypeCheck: return {l + ScaleX(140), y0 + ScaleY(25), ScaleX(84), ScaleY(20)};
    case ColourLabel: return {l, y0 + ScaleY(2), ScaleX(42), ScaleY(18)};
    case RedEdit: case RedSpin: return {l + ScaleX(70), y0, tw, ScaleY(20)};
    case GreenEdit: case GreenSpin: return {l + ScaleX(70) + ScaleX(4) + tw, y0, tw, ScaleY(20)};
    case BlueEdit: case BlueSpin: return {l + ScaleX(70) + ScaleX(8) + 2 * tw, y0, tw, ScaleY(20)};
    case PathEdit: return {l, f.T + ScaleY(30), f.R - ScaleX(40), ScaleY(20)};
    case OpenButton: return {f.R - ScaleX(28), f.T + ScaleY(30), ScaleX(20), ScaleY(20)};
    case FolderLabel: return {l, f.T + ScaleY(30) + ScaleY(25), listW, ScaleY(18)};
    case FileList: return {l, f.T + ScaleY(30) + ScaleY(25) + ScaleY(20), listW, f.B - ScaleY(85)};
    case LeftLabel: case TopLabel: case RightLabel: case BottomLabel: {
      int line = (c - LeftLabel) / 3;
      return {l + ScaleX(20), y0 + line * ScaleY(25) + ScaleY(2), ScaleX(45), ScaleY(18)};
    }
    case LeftEdit: case LeftSpin: case TopEdit: case TopSpin: case RightEdit: case RightSpin:
    case BottomEdit: case BottomSpin: {
      int line = (c - LeftLabel) / 3;
      return {l + ScaleX(70), y0 + line * ScaleY(25), marginW, ScaleY(20)};
    }
    default:  // the settings lists of the tabs and the block pages
      return {l, f.T + ScaleY(55), listW, f.B - ScaleY(85)};
  }
}

struct SpinSetup {
  Control spin, buddy;
  int low, high;
};
const SpinSetup kSpins[] = {
    {SizeSpin, SizeEdit, 1, 100},    {RedSpin, RedEdit, 0, 255},
    {GreenSpin, GreenEdit, 0, 255},  {BlueSpin, BlueEdit, 0, 255},
    {LeftSpin, LeftEdit, 0, 1000},   {TopSpin, TopEdit, 0, 1000},
    {RightSpin, RightEdit, 0, 1000}, {BottomSpin, BottomEdit, 0, 1000},
};

void AttachSpin(Control spin) {
  for (const SpinSetup& s : kSpins) {
    if (s.spin != spin) continue;
    UpDown_SetBuddy(Ctl(s.spin), Ctl(s.buddy));
    UpDown_SetBase(Ctl(s.spin), 10);
    UpDown_SetRange32(Ctl(s.spin), s.low, s.high);
  }
}

void AddTabs() {
  const char16_t* names[] = {u"Общие", u"Страницы", u"О программе"};
  for (int i = 0; i < 3; ++i) {
    TCITEMW item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char16_t*>(names[i]);
    TabCtrl_InsertItem(Ctl(TabStrip), i, &item);
  }
}

// The system's small icons, shared by the launcher list and the file list.
void AttachSystemImages() {
  SHFILEINFOW info;
  std::uintptr_t images = SHGetFileInfoW(u"", 0, &info, sizeof(info),
                                         SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_ICON);
  if (!IsNull(info.hIcon)) DestroyIcon(info.hIcon);
  ListView_SetImageList(Ctl(LauncherList), ImageListHandle(images), LVSIL_SMALL);
  ListView_SetImageList(Ctl(FileList), ImageListHandle(images), LVSIL_SMALL);
}

}  // namespace

const char* ControlName(int control) {
  return (control >= 0 && control < ControlCount) ? kControls[control].name : nullptr;
}

bool ControlByName(const char* name, Control* control) {
  for (int i = 0; i < ControlCount; ++i) {
    if (name != nullptr && std::strcmp(kControls[i].name, name) == 0) {
      *control = static_cast<Control>(i);
      return true;
    }
  }
  return false;
}

int ScaleX(int n) { return n * ScreenDensity(LOGPIXELSX) / 96; }

int ScaleY(int n) { return n * ScreenDensity(LOGPIXELSY) / 96; }

Frame ClientFrame() {
  RECT r;
  GetClientRect(State().Main, &r);
  Frame f;
  f.L = r.left;
  f.T = r.top;
  f.R = r.right;
  f.B = r.bottom;
  f.ThirdWidth = (f.R - ScaleX(94)) / 3;
  return f;
}

bool CreateControls(const Frame& frame) {
  Program& p = State();
  for (int i = 0; i < ControlCount; ++i) {
    Control c = static_cast<Control>(i);
    const ControlDef& def = kControls[i];
    Place at = InitialPlace(c, frame);
    const char16_t* text = def.text != nullptr ? def.text : AboutText(c);
    p.Handles[i] = CreateWindowExW(0, def.cls, text, def.style, at.x, at.y, at.w, at.h, p.Main,
                                   static_cast<std::uintptr_t>(ControlId(c)), p.Instance, nullptr);
    if (IsNull(p.Handles[i])) return false;
    if (c == TitleLabel) {
      CreateProgramFonts();
      SetWindowFont(Ctl(TitleLabel), p.TitleFont, 0);
    }
    if (c == TabStrip) {
      AddTabs();
      RefitTabStrip();
    }
    if (c == HelpLabel) SetWindowFont(Ctl(HelpLabel), p.HelpFont, 0);
    AttachSpin(c);
  }
  PrepareAboutControls();
  AttachSystemImages();
  return true;
}

// Only the tab row shows: a strip as high as the row plus Y(2), across the
// whole width, its bottom edge on the client's.
void RefitTabStrip() {
  Frame f = ClientFrame();
  RECT r;
  GetWindowRect(Ctl(TabStrip), &r);
  RECT display = r;
  TabCtrl_AdjustRect(Ctl(TabStrip), 0, &display);
  int row = (r.bottom - r.top) - (display.bottom - display.top);
  int height = row + ScaleY(2);
  MoveWindow(Ctl(TabStrip), f.L - ScaleY(2), f.B - height, f.R - f.L + ScaleY(2), height, 1);
}

void RelayoutControls() {
  Frame f = ClientFrame();
  RefitTabStrip();
  const int width = f.R - ScaleX(16);
  struct Resize {
    Control control;
    int height;
  };
  const Resize sizes[] = {
      {GeneralList, f.B - ScaleY(80)},  {PagesList, f.B - ScaleY(80)},
      {WirelessList, f.B - ScaleY(60)}, {TimeList, f.B - ScaleY(60)},
      {DateList, f.B - ScaleY(60)},     {CalendarList, f.B - ScaleY(60)},
      {SysInfoList, f.B - ScaleY(60)},  {LauncherList, f.B - ScaleY(122)},
      {FileList, f.B - ScaleY(80)},     {HelpLabel, f.B - ScaleY(85)},
  };
  for (const Resize& s : sizes) {
    SetWindowPos(Ctl(s.control), WindowHandle{}, 0, 0, width, s.height, SWP_NOMOVE | SWP_NOZORDER);
  }
  MoveWindow(Ctl(LauncherPropsList), f.L + ScaleX(8), f.B - ScaleY(62), f.R - ScaleX(48),
             ScaleY(58), 1);
  SetWindowPos(Ctl(PropsEditButton), WindowHandle{}, f.R - ScaleX(38), f.B - ScaleY(62), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace ostrel::cfg
