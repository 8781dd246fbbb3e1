// Test support: the settings program's controls driven from the test's process with real messages; records the list views and the tab strip read and write lie in the program's own memory.
#include "tests/win/config/cfg_win_support.h"

namespace ostrel::cfgtest {

namespace {

constexpr std::size_t kTextOffset = 512;  // where texts go in the remote block
constexpr int kTextCapacity = 1024;

}  // namespace

SettingsWindow::SettingsWindow(HWND main) : main_(main) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(main, &id);
  process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                               PROCESS_QUERY_INFORMATION | SYNCHRONIZE,
                           FALSE, id);
}

SettingsWindow::~SettingsWindow() {
  if (process_ != nullptr) {
    // The block goes with the process when the program has ended.
    if (remote_ != nullptr) ::VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    ::CloseHandle(process_);
  }
}

void* SettingsWindow::Remote(std::size_t size) const {
  EXPECT_LE(size, kRemoteSize);
  if (remote_ == nullptr) {
    remote_ = ::VirtualAllocEx(process_, nullptr, kRemoteSize, MEM_COMMIT | MEM_RESERVE,
                               PAGE_READWRITE);
  }
  EXPECT_NE(remote_, nullptr) << "no memory in the program's process";
  return remote_;
}

void SettingsWindow::Put(const void* data, std::size_t size, std::size_t offset) const {
  SIZE_T written = 0;
  ::WriteProcessMemory(process_, static_cast<char*>(Remote(offset + size)) + offset, data, size,
                       &written);
  EXPECT_EQ(written, size);
}

void SettingsWindow::Get(void* data, std::size_t size, std::size_t offset) const {
  SIZE_T read = 0;
  ::ReadProcessMemory(process_, static_cast<const char*>(remote_) + offset, data, size, &read);
  EXPECT_EQ(read, size);
}

std::wstring SettingsWindow::RemoteText() const {
  std::wstring text(kTextCapacity, L'\0');
  Get(&text[0], kTextCapacity * sizeof(wchar_t), kTextOffset);
  text.resize(text.find(L'\0'));
  return text;
}

std::wstring SettingsWindow::TextOf(HWND window) {
  wchar_t text[2048] = {};
  ::SendMessageW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
  return text;
}

RECT SettingsWindow::Place(Control c) const {
  RECT r{};
  ::GetWindowRect(Of(c), &r);
  ::MapWindowPoints(HWND_DESKTOP, main_, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND SettingsWindow::Bar() const {
  struct Search {
    HWND owner;
    HWND bar;
  } search{main_, nullptr};
  ::EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (::GetWindow(window, GW_OWNER) != s->owner) return TRUE;
        s->bar = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.bar;
}

int SettingsWindow::RowCount(Control list) const {
  return static_cast<int>(::SendMessageW(Of(list), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring SettingsWindow::RowText(Control list, int row, int column) const {
  char* base = static_cast<char*>(Remote(kTextOffset + kTextCapacity * sizeof(wchar_t)));
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(base + kTextOffset);
  item.cchTextMax = kTextCapacity;
  Put(&item, sizeof item);
  wchar_t empty = 0;
  Put(&empty, sizeof empty, kTextOffset);
  ::SendMessageW(Of(list), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(base));
  return RemoteText();
}

bool SettingsWindow::Selected(Control list, int row) const {
  return (::SendMessageW(Of(list), LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

bool SettingsWindow::Checked(Control list, int row) const {
  const LRESULT state = ::SendMessageW(Of(list), LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

int SettingsWindow::RowOf(Control list, const std::wstring& caption) const {
  for (int row = 0; row < RowCount(list); ++row) {
    if (RowText(list, row, 0) == caption) return row;
  }
  ADD_FAILURE() << "no row " << Utf8(caption);
  return -1;
}

void SettingsWindow::Select(Control list, int row) {
  ASSERT_TRUE(Visible(list)) << "a hidden list cannot be tapped";
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Put(&item, sizeof item);
  ::SendMessageW(Of(list), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote_));
}

void SettingsWindow::Check(Control list, int row, bool on) {
  ASSERT_TRUE(Visible(list)) << "a hidden list cannot be tapped";
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
  Put(&item, sizeof item);
  ::SendMessageW(Of(list), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote_));
}

int SettingsWindow::TabCount() const {
  return static_cast<int>(::SendMessageW(Of(cfg::TabStrip), TCM_GETITEMCOUNT, 0, 0));
}

std::wstring SettingsWindow::TabText(int index) const {
  char* base = static_cast<char*>(Remote(kTextOffset + kTextCapacity * sizeof(wchar_t)));
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = reinterpret_cast<wchar_t*>(base + kTextOffset);
  item.cchTextMax = kTextCapacity;
  Put(&item, sizeof item);
  ::SendMessageW(Of(cfg::TabStrip), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(base));
  return RemoteText();
}

int SettingsWindow::CurrentTab() const {
  return static_cast<int>(::SendMessageW(Of(cfg::TabStrip), TCM_GETCURSEL, 0, 0));
}

// A tap in the middle of the tab, where the strip puts it.
void SettingsWindow::TapTab(int index) {
  ASSERT_TRUE(Visible(cfg::TabStrip)) << "the tab strip is hidden";
  RECT r{};
  Put(&r, sizeof r);
  ::SendMessageW(Of(cfg::TabStrip), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote_));
  Get(&r, sizeof r);
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ::SendMessageW(Of(cfg::TabStrip), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(Of(cfg::TabStrip), WM_LBUTTONUP, 0, at);
}

void SettingsWindow::Click(Control button) {
  ASSERT_TRUE(Visible(button) && Enabled(button))
      << "control " << button << " cannot be pressed: it is hidden or disabled";
  ::SendMessageW(Of(button), BM_CLICK, 0, 0);
}

void SettingsWindow::Type(Control edit, const std::wstring& text) {
  ASSERT_TRUE(Visible(edit)) << "control " << edit << " is hidden";
  ::SendMessageW(Of(edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SettingsWindow::Choose(Control combo, int index) {
  ASSERT_TRUE(Visible(combo)) << "control " << combo << " is hidden";
  ::SendMessageW(Of(combo), CB_SETCURSEL, index, 0);
}

int SettingsWindow::ComboCount(Control combo) const {
  return static_cast<int>(::SendMessageW(Of(combo), CB_GETCOUNT, 0, 0));
}

std::wstring SettingsWindow::ComboText(Control combo, int index) const {
  const LRESULT length = ::SendMessageW(Of(combo), CB_GETLBTEXTLEN, index, 0);
  if (length < 0) return L"<none>";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(Of(combo), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The click waits for the program's answer only so long: a modal message box
// that the program opens in answer would otherwise hold the test forever.
void SettingsWindow::SoftKey(int command) {
  HWND key = ::GetDlgItem(Bar(), command);
  ASSERT_NE(key, nullptr) << "no soft key " << command;
  DWORD_PTR result = 0;
  EXPECT_NE(::SendMessageTimeoutW(key, BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &result), 0)
      << "soft key " << command << " got no answer within 30 s (a modal box?)";
}

}  // namespace ostrel::cfgtest
