// The Win32 controls layer with real windows: our procedures behind the class trampoline, real common controls, notifications as our records, the message loop and the soft-key bar.
#include "tests/win/today/today_support.h"

#include <commctrl.h>

namespace ostrel::todaytest {
namespace {

using pf::win32::FromHwnd;
using pf::win32::ToHwnd;

struct Seen {
  UINT message = 0;
  pf::WindowHandle window{};
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  pf::NMHDR header;
  pf::NMLISTVIEW list;
  pf::NMITEMACTIVATE activate;
};

std::vector<Seen>& Log() {
  static std::vector<Seen> log;
  return log;
}

bool g_refuseCreation = false;

void Record(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam, pf::LPARAM lParam) {
  Seen seen;
  seen.message = message;
  seen.window = window;
  seen.wParam = wParam;
  seen.lParam = lParam;
  if (message == WM_NOTIFY) {
    seen.header = *reinterpret_cast<const pf::NMHDR*>(lParam);
    if (seen.header.code == LVN_ITEMCHANGED) seen.list = *reinterpret_cast<const pf::NMLISTVIEW*>(lParam);
    if (seen.header.code == NM_DBLCLK) {
      seen.activate = *reinterpret_cast<const pf::NMITEMACTIVATE*>(lParam);
    }
  }
  Log().push_back(seen);
}

// A settings-program style procedure: unknown messages to the default.
pf::LRESULT Recorder(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                     pf::LPARAM lParam) {
  Record(window, message, wParam, lParam);
  if (message == WM_CREATE && g_refuseCreation) return -1;
  return pf::DefWindowProcW(window, message, wParam, lParam);
}

// An item style procedure: every unknown message answered with 0.
pf::LRESULT AnswersZero(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                        pf::LPARAM lParam) {
  Record(window, message, wParam, lParam);
  return 0;
}

bool Heard(UINT message) {
  for (const Seen& s : Log()) {
    if (s.message == message) return true;
  }
  return false;
}

const Seen* LastNotification(UINT code) {
  for (auto it = Log().rbegin(); it != Log().rend(); ++it) {
    if (it->message == WM_NOTIFY && it->header.code == code) return &*it;
  }
  return nullptr;
}

pf::ModuleHandle Module() { return pf::win32::FromHmodule(::GetModuleHandleW(nullptr)); }

void RegisterOnce(const char16_t* name, pf::WNDPROC procedure) {
  pf::WNDCLASSW c;
  c.lpfnWndProc = procedure;
  c.hInstance = Module();
  c.lpszClassName = name;
  pf::RegisterClassW(&c);
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pf::InitCommonControls();
    RegisterOnce(u"OstrelRecorder", Recorder);
    RegisterOnce(u"OstrelAnswersZero", AnswersZero);
    Log().clear();
    // Not shown: under Xvfb Wine waits for every shown top-level window it hides.
    main_ = pf::CreateWindowExW(0, u"OstrelRecorder", u"Окно", WS_OVERLAPPEDWINDOW, 0, 0, 320,
                                320, pf::WindowHandle{}, 0, Module(), nullptr);
    ASSERT_FALSE(pf::IsNull(main_));
  }

  void TearDown() override {
    pf::DestroyWindow(main_);
    g_refuseCreation = false;
  }

  pf::WindowHandle Child(const char16_t* cls, std::uint32_t style, int id, int x = 0, int y = 0,
                         int w = 200, int h = 150) {
    return pf::CreateWindowExW(0, cls, u"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, main_, id,
                               Module(), nullptr);
  }

  pf::WindowHandle main_{};
};

TEST_F(ControlsTest, OurProcedureHearsCreationInsideCreateWindowAndNotTheDesktopsFrameMessages) {
  Log().clear();
  const pf::WindowHandle window = pf::CreateWindowExW(
      0, u"OstrelAnswersZero", u"Ostrel", WS_CHILD | WS_VISIBLE, 0, 0, 100, 40, main_, 7,
      Module(), nullptr);
  ASSERT_FALSE(pf::IsNull(window)) << "WM_NCCREATE must not reach a procedure that answers 0";
  ASSERT_FALSE(Log().empty());
  EXPECT_EQ(Log().front().message, static_cast<UINT>(WM_CREATE));
  EXPECT_EQ(Log().front().window, window);
  EXPECT_FALSE(Heard(WM_NCCREATE));
  EXPECT_FALSE(Heard(WM_NCCALCSIZE));
  // The frame's messages keep the desktop's answers.
  char16_t title[16] = {};
  EXPECT_EQ(pf::GetWindowTextW(window, title, 16), 6);
  EXPECT_EQ(std::u16string(title), u"Ostrel");
  ::RECT frame{};
  ::GetWindowRect(ToHwnd(window), &frame);
  EXPECT_EQ(::SendMessageW(ToHwnd(window), WM_NCHITTEST, 0, MAKELPARAM(frame.left + 5, frame.top + 5)),
            HTCLIENT);
  // Printing the window reaches our procedure as WM_PRINTCLIENT with the surface.
  HDC surface = ::CreateCompatibleDC(nullptr);
  ::SendMessageW(ToHwnd(window), WM_PRINT, reinterpret_cast<WPARAM>(surface), PRF_CLIENT);
  ASSERT_TRUE(Heard(WM_PRINTCLIENT));
  EXPECT_EQ(Log().back().wParam, reinterpret_cast<WPARAM>(surface));
  ::DeleteDC(surface);
  EXPECT_EQ(pf::GetDlgCtrlID(window), 7);
  EXPECT_EQ(pf::GetDlgItem(main_, 7), window);
}

TEST_F(ControlsTest, CreationFailsWhenOurProcedureRefusesIt) {
  g_refuseCreation = true;
  EXPECT_TRUE(pf::IsNull(pf::CreateWindowExW(0, u"OstrelRecorder", u"", WS_CHILD, 0, 0, 10, 10,
                                             main_, 0, Module(), nullptr)));
  EXPECT_TRUE(Heard(WM_CREATE));
}

TEST_F(ControlsTest, PlacementTextsAndVisibilityAreTheRealWindows) {
  const pf::WindowHandle edit = Child(u"EDIT", WS_BORDER, 3, 10, 20, 120, 24);
  ASSERT_FALSE(pf::IsNull(edit));
  EXPECT_TRUE(pf::SetWindowTextW(edit, u"Сегодня"));
  char16_t text[4] = {};
  EXPECT_EQ(pf::GetWindowTextW(edit, text, 4), 3) << "at most capacity - 1 units";
  EXPECT_EQ(std::u16string(text), u"Сег");
  pf::MoveWindow(edit, 30, 40, 100, 20, 1);
  pf::RECT client;
  EXPECT_TRUE(pf::GetClientRect(edit, &client));
  pf::RECT frame;
  EXPECT_TRUE(pf::GetWindowRect(edit, &frame));
  EXPECT_EQ(frame.right - frame.left, 100);
  pf::POINT corner;  // the edit's origin in the main window's client area
  corner.x = frame.left;
  corner.y = frame.top;
  EXPECT_TRUE(pf::MapWindowPoints(pf::WindowHandle{}, main_, &corner, 1));
  EXPECT_EQ(corner.x, 30);
  EXPECT_EQ(corner.y, 40);
  EXPECT_TRUE(::GetWindowLongW(ToHwnd(edit), GWL_STYLE) & WS_VISIBLE);
  pf::ShowWindow(edit, SW_HIDE);
  EXPECT_FALSE(::GetWindowLongW(ToHwnd(edit), GWL_STYLE) & WS_VISIBLE);
  pf::EnableWindow(edit, 0);
  EXPECT_FALSE(pf::IsWindowEnabled(edit));
  EXPECT_EQ(pf::FindWindowW(u"OstrelRecorder", u"Окно"), main_);
}

TEST_F(ControlsTest, ListViewItemsRoundTripThroughTheRealControl) {
  const pf::WindowHandle list = Child(u"SysListView32", LVS_REPORT | LVS_SINGLESEL, 11);
  ASSERT_FALSE(pf::IsNull(list));
  pf::Controls().ListViewSetExtendedStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  pf::LVCOLUMNW column;
  column.mask = LVCF_WIDTH;
  column.cx = 120;
  EXPECT_EQ(pf::Controls().ListViewInsertColumn(list, 0, &column), 0);
  EXPECT_EQ(pf::Controls().ListViewInsertColumn(list, 1, &column), 1);
  EXPECT_EQ(pf::Controls().ListViewGetColumnWidth(list, 1), 120);
  char16_t names[3][16] = {u"Часы", u"Дата", u"Календарь"};
  for (int i = 0; i < 3; ++i) {
    pf::LVITEMW item;
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = i;
    item.pszText = names[i];
    item.lParam = 100 + i;
    EXPECT_EQ(pf::Controls().ListViewInsertItem(list, &item), i);
  }
  pf::Controls().ListViewSetItemText(list, 1, 1, u"вкл.");
  EXPECT_EQ(pf::Controls().ListViewGetItemCount(list), 3);
  char16_t text[32] = {};
  pf::Controls().ListViewGetItemText(list, 1, 1, text, 32);
  EXPECT_EQ(std::u16string(text), u"вкл.");
  pf::Controls().ListViewGetItemText(list, 2, 0, text, 5);
  EXPECT_EQ(std::u16string(text), u"Кале") << "cut to the buffer";
  pf::Controls().ListViewSetItemState(list, 2, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
  pf::LVITEMW got;
  got.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
  got.iItem = 2;
  got.stateMask = LVIS_STATEIMAGEMASK;
  got.pszText = text;
  got.cchTextMax = 32;
  ASSERT_TRUE(pf::Controls().ListViewGetItem(list, &got));
  EXPECT_EQ(std::u16string(text), u"Календарь");
  EXPECT_EQ(got.lParam, 102);
  EXPECT_EQ(got.state & LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2));
  EXPECT_EQ(pf::Controls().ListViewGetItemState(list, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(1));
  EXPECT_TRUE(pf::Controls().ListViewDeleteItem(list, 0));
  EXPECT_EQ(pf::Controls().ListViewGetItemCount(list), 2);
  EXPECT_TRUE(pf::Controls().ListViewDeleteAllItems(list));
  EXPECT_EQ(pf::Controls().ListViewGetItemCount(list), 0);
}

int CompareDescending(pf::LPARAM a, pf::LPARAM b, pf::LPARAM sign) {
  return static_cast<int>((b - a) * sign);
}

TEST_F(ControlsTest, ListViewNotificationsArriveAsOurRecordsAndSortUsesOurComparison) {
  const pf::WindowHandle list = Child(u"SysListView32", LVS_REPORT | LVS_SINGLESEL, 12);
  pf::LVCOLUMNW column;
  column.mask = LVCF_WIDTH;
  column.cx = 150;
  pf::Controls().ListViewInsertColumn(list, 0, &column);
  char16_t text[] = u"строка";
  for (int i = 0; i < 3; ++i) {
    pf::LVITEMW item;
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = i;
    item.pszText = text;
    item.lParam = i + 1;
    pf::Controls().ListViewInsertItem(list, &item);
  }
  Log().clear();
  pf::Controls().ListViewSetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
  const Seen* changed = LastNotification(LVN_ITEMCHANGED);
  ASSERT_NE(changed, nullptr);
  EXPECT_EQ(changed->window, main_);
  EXPECT_EQ(changed->header.hwndFrom, list);
  EXPECT_EQ(changed->header.idFrom, 12u);
  EXPECT_EQ(changed->list.iItem, 1);
  EXPECT_TRUE(changed->list.uNewState & LVIS_SELECTED);
  EXPECT_EQ(changed->list.lParam, 2);

  // A double click on the third row, where the real control puts it.
  ::RECT row{};
  row.left = LVIR_BOUNDS;
  ASSERT_TRUE(::SendMessageW(ToHwnd(list), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row)));
  const LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
  ::SendMessageW(ToHwnd(list), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(ToHwnd(list), WM_LBUTTONUP, 0, at);
  ::SendMessageW(ToHwnd(list), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageW(ToHwnd(list), WM_LBUTTONUP, 0, at);
  const Seen* clicked = LastNotification(NM_DBLCLK);
  ASSERT_NE(clicked, nullptr);
  EXPECT_EQ(clicked->activate.hdr.hwndFrom, list);
  EXPECT_EQ(clicked->activate.iItem, 2);

  EXPECT_TRUE(pf::Controls().ListViewSortItems(list, CompareDescending, 1));
  pf::LVITEMW first;
  first.mask = LVIF_PARAM;
  first.iItem = 0;
  ASSERT_TRUE(pf::Controls().ListViewGetItem(list, &first));
  EXPECT_EQ(first.lParam, 3);
}

TEST_F(ControlsTest, TabStripSelectsOnATapAndNotifiesItsParent) {
  const pf::WindowHandle tabs = Child(u"SysTabControl32", TCS_BOTTOM, 20, 0, 200, 300, 30);
  ASSERT_FALSE(pf::IsNull(tabs));
  char16_t names[3][16] = {u"Общие", u"Страницы", u"О программе"};
  for (int i = 0; i < 3; ++i) {
    pf::TCITEMW item;
    item.mask = TCIF_TEXT;
    item.pszText = names[i];
    EXPECT_EQ(pf::Controls().TabCtrlInsertItem(tabs, i, &item), i);
  }
  EXPECT_EQ(pf::Controls().TabCtrlGetCurSel(tabs), 0);
  pf::RECT area{0, 0, 300, 30};
  pf::Controls().TabCtrlAdjustRect(tabs, 0, &area);
  EXPECT_LT(area.bottom - area.top, 30) << "the display area leaves out the tab row";
  ::RECT third{};
  ASSERT_TRUE(::SendMessageW(ToHwnd(tabs), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third)));
  Log().clear();
  const LPARAM at = MAKELPARAM((third.left + third.right) / 2, (third.top + third.bottom) / 2);
  ::SendMessageW(ToHwnd(tabs), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(ToHwnd(tabs), WM_LBUTTONUP, 0, at);
  EXPECT_NE(LastNotification(TCN_SELCHANGING), nullptr);
  const Seen* changed = LastNotification(TCN_SELCHANGE);
  ASSERT_NE(changed, nullptr);
  EXPECT_EQ(changed->header.hwndFrom, tabs);
  EXPECT_EQ(pf::Controls().TabCtrlGetCurSel(tabs), 2);
  EXPECT_EQ(pf::Controls().TabCtrlSetCurSel(tabs, 1), 2);
  EXPECT_EQ(pf::Controls().TabCtrlGetCurSel(tabs), 1);
}

TEST_F(ControlsTest, ComboBoxSelectsEntriesByTheirBeginning) {
  const pf::WindowHandle combo = Child(u"COMBOBOX", CBS_DROPDOWNLIST, 30, 0, 0, 150, 200);
  ASSERT_FALSE(pf::IsNull(combo));
  EXPECT_EQ(pf::ComboBox_AddString(combo, u"Tahoma"), 0);
  EXPECT_EQ(pf::ComboBox_AddString(combo, u"Arial"), 1);
  EXPECT_EQ(pf::ComboBox_AddString(combo, u"Курсив"), 2);
  EXPECT_EQ(pf::ComboBox_GetCount(combo), 3);
  EXPECT_EQ(pf::ComboBox_SelectString(combo, -1, u"ar"), 1);
  char16_t text[16] = {};
  pf::GetWindowTextW(combo, text, 16);
  EXPECT_EQ(std::u16string(text), u"Arial");
  EXPECT_EQ(pf::ComboBox_SelectString(combo, -1, u"Verdana"), CB_ERR);
  EXPECT_EQ(pf::ComboBox_GetCurSel(combo), 1) << "no match leaves the selection";
  pf::ComboBox_SetCurSel(combo, 2);
  EXPECT_EQ(pf::ComboBox_GetCurSel(combo), 2);
  pf::ComboBox_ResetContent(combo);
  EXPECT_EQ(pf::ComboBox_GetCount(combo), 0);
}

TEST_F(ControlsTest, CheckBoxUpDownAndIconKeepWhatTheyAreGiven) {
  const pf::WindowHandle check = Child(u"BUTTON", BS_AUTOCHECKBOX, 40);
  pf::Button_SetCheck(check, BST_CHECKED);
  EXPECT_EQ(pf::Button_GetCheck(check), BST_CHECKED);
  const pf::WindowHandle edit = Child(u"EDIT", ES_NUMBER, 41, 0, 0, 60, 20);
  const pf::WindowHandle spin = Child(u"msctls_updown32", UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 42);
  ASSERT_FALSE(pf::IsNull(spin));
  pf::UpDown_SetBuddy(spin, edit);
  EXPECT_EQ(pf::UpDown_GetBuddy(spin), edit);
  pf::UpDown_SetRange32(spin, -5, 300);
  int low = 0;
  int high = 0;
  pf::UpDown_GetRange32(spin, &low, &high);
  EXPECT_EQ(low, -5);
  EXPECT_EQ(high, 300);
  pf::UpDown_SetBase(spin, 16);
  EXPECT_EQ(pf::UpDown_SetBase(spin, 10), 16);
  const pf::WindowHandle icon = Child(u"STATIC", SS_ICON, 43);
  const pf::IconHandle program = pf::LoadIconW(pf::ModuleHandle{}, 32512);  // IDI_APPLICATION
  ASSERT_FALSE(pf::IsNull(program));
  pf::Static_SetIcon(icon, program);
  EXPECT_EQ(::SendMessageW(ToHwnd(icon), STM_GETICON, 0, 0),
            static_cast<LRESULT>(static_cast<std::uintptr_t>(program)));
}

TEST_F(ControlsTest, MessagesPostedToOurWindowComeThroughTheLoop) {
  Log().clear();
  ASSERT_TRUE(pf::PostMessageW(main_, WM_USER + 5, 7, 9));
  pf::PostQuitMessage(3);
  pf::MSG msg;
  int got = 0;
  while ((got = pf::GetMessageW(&msg, pf::WindowHandle{}, 0, 0)) > 0) {
    pf::TranslateMessage(&msg);
    pf::DispatchMessageW(&msg);
  }
  EXPECT_EQ(got, 0);
  EXPECT_EQ(msg.wParam, 3u) << "WM_QUIT carries the exit code";
  bool heard = false;
  for (const Seen& s : Log()) heard = heard || (s.message == WM_USER + 5 && s.wParam == 7 && s.lParam == 9);
  EXPECT_TRUE(heard);
}

// The desktop refuses to post WM_SETTINGCHANGE; the device posts it, and the
// settings program's broadcast relies on that.
TEST_F(ControlsTest, ASettingChangePostedWithoutAPointerStillArrives) {
  Log().clear();
  EXPECT_TRUE(pf::PostMessageW(main_, WM_SETTINGCHANGE, 0xF2, 0));
  ::MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  bool heard = false;
  for (const Seen& s : Log()) heard = heard || (s.message == WM_SETTINGCHANGE && s.wParam == 0xF2);
  EXPECT_TRUE(heard);
}

TEST_F(ControlsTest, SoftKeyBarComesFromTheTemplateAndCommandsItsOwner) {
  pf::SHMENUBARINFO info;
  info.cbSize = 36;
  info.hwndParent = main_;
  info.nToolBarId = 102;
  info.hInstRes = Module();
  ASSERT_TRUE(pf::SHCreateMenuBar(&info));
  const HWND bar = ToHwnd(info.hwndMB);
  ASSERT_TRUE(::IsWindow(bar));
  ::RECT owner{};
  ::RECT area{};
  ::GetWindowRect(ToHwnd(main_), &owner);
  ::GetWindowRect(bar, &area);
  EXPECT_EQ(area.bottom, owner.bottom);
  EXPECT_EQ(area.right - area.left, owner.right - owner.left);
  EXPECT_EQ(area.bottom - area.top, 26 * ScreenDpi() / 96);
  wchar_t caption[16] = {};
  ::GetWindowTextW(::GetDlgItem(bar, 40000), caption, 16);
  EXPECT_EQ(std::wstring(caption), L"OK");
  char16_t cancel[] = u"Отмена";
  pf::TBBUTTONINFOW button;
  button.cbSize = sizeof button;
  button.dwMask = TBIF_TEXT | TBIF_COMMAND;
  button.idCommand = 40001;
  button.pszText = cancel;
  ASSERT_TRUE(pf::ToolBar_SetButtonInfo(info.hwndMB, 40001, &button));
  ::GetWindowTextW(::GetDlgItem(bar, 40001), caption, 16);
  EXPECT_EQ(std::wstring(caption), L"Отмена");
  Log().clear();
  ::SendMessageW(::GetDlgItem(bar, 40001), BM_CLICK, 0, 0);
  ASSERT_TRUE(Heard(WM_COMMAND));
  EXPECT_EQ(LOWORD(Log().back().wParam), 40001);
  pf::SHMENUBARINFO missing;
  missing.hwndParent = main_;
  missing.nToolBarId = 999;
  missing.hInstRes = Module();
  EXPECT_FALSE(pf::SHCreateMenuBar(&missing));
  EXPECT_TRUE(pf::IsNull(missing.hwndMB));
  ::DestroyWindow(bar);
}

TEST_F(ControlsTest, InputPanelClassExistsForOurWindows) {
  ASSERT_TRUE(pf::SHInitExtraControls());
  EXPECT_FALSE(pf::IsNull(Child(u"SIPPREF", 0, 50, 0, 0, 0, 0)));
  pf::SHACTIVATEINFO activate;
  activate.cbSize = 12;
  EXPECT_TRUE(pf::SHHandleWMActivate(main_, 0, 0, &activate, 0));
  EXPECT_TRUE(pf::SHHandleWMSettingChange(main_, 0, 0, &activate));
}

TEST(ScreenMetrics, FollowTheDeviceScreenTheShellDeclares) {
  const int realWidth = ::GetSystemMetrics(SM_CXSCREEN);
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", L"300x400");
  EXPECT_EQ(pf::GetSystemMetrics(SM_CXSCREEN), 300);
  EXPECT_EQ(pf::GetSystemMetrics(SM_CYSCREEN), 400);
  EXPECT_EQ(pf::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CXICON));
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", L"300");
  EXPECT_EQ(pf::GetSystemMetrics(SM_CXSCREEN), realWidth) << "a malformed size is ignored";
  ::SetEnvironmentVariableW(L"OSTREL_DEVICE_SCREEN", nullptr);
  EXPECT_EQ(pf::GetSystemMetrics(SM_CXSCREEN), realWidth);
}

}  // namespace
}  // namespace ostrel::todaytest
