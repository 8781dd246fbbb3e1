// The Launcher page's shortcut list: the working copy of the launcher entries, adding, editing, removing and moving shortcuts.
#include <string>
#include <unordered_map>
#include <utility>

#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/files.h"
#include "platform/text.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

int SmallIconOf(const char16_t* path) {
  SHFILEINFOW info;
  SHGetFileInfoW(path, 0, &info, sizeof(info), SHGFI_SYSICONINDEX);
  return info.iIcon;
}

void ShowShortcut(WindowHandle list, int row, const char16_t* path) {
  LVITEMW item;
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.pszText = const_cast<char16_t*>(FileNameOf(path));
  item.iImage = SmallIconOf(path);
  ListView_SetItem(list, &item);
}

// The new row's index, -1 when it could not be added.
int AddShortcutRow(const char16_t* path, int icon) {
  return AddRow(Ctl(LauncherList), FileNameOf(path), u"", icon, false);
}

// The selected entry; -1 also while the list is unread, so that nothing acts on it.
int SelectedShortcut() {
  if (State().LauncherListUnread) return -1;
  int row = SelectedRow(Ctl(LauncherList));
  return row < static_cast<int>(State().WorkingLaunchers.size()) ? row : -1;
}

void FitShortcutColumn() { ListView_SetColumnWidth(Ctl(LauncherList), 0, LVSCW_AUTOSIZE); }

}  // namespace

void FillLauncherLists(const Frame&) {
  ListView_SetExtendedListViewStyle(Ctl(LauncherList), LVS_EX_FULLROWSELECT);
  AddColumns(Ctl(LauncherList), 1, 0);
  FitShortcutColumn();
}

void LoadWorkingLaunchers() {
  Program& p = State();
  p.LauncherListUnread = !RereadLauncherList(p.Settings, p.Found);
  if (p.LauncherListUnread) MessageBoxW(p.Main, kReadFailedText, kWindowTitle, MB_OK | MB_ICONERROR);
  {
    ListRefill refill(Ctl(LauncherList));
    ClearRows(Ctl(LauncherList));
    p.WorkingLaunchers.clear();
    // The shell is asked once for each distinct path.
    std::unordered_map<std::u16string, int> icons;
    for (const LauncherEntry& entry : p.Settings.LauncherEntries) {
      LauncherEntry copy;
      copy.Path = entry.Path;
      p.WorkingLaunchers.push_back(copy);
      const auto [known, isNew] = icons.try_emplace(copy.Path.Text(), 0);
      if (isNew) known->second = SmallIconOf(copy.Path);
      AddShortcutRow(copy.Path, known->second);
    }
  }
  UpdateLauncherButtons();
  FitShortcutColumn();
}

void StoreWorkingLaunchers() {
  Program& p = State();
  p.Settings.LauncherEntries.clear();
  for (const LauncherEntry& entry : p.WorkingLaunchers) {
    LauncherEntry copy;
    copy.Path = entry.Path;
    p.Settings.LauncherEntries.push_back(copy);
  }
}

void UpdateLauncherButtons() {
  int row = SelectedShortcut();
  int count = static_cast<int>(State().WorkingLaunchers.size());
  EnableWindow(Ctl(EditButton), row >= 0);
  EnableWindow(Ctl(RemoveButton), row >= 0);
  EnableWindow(Ctl(UpButton), row > 0);
  EnableWindow(Ctl(DownButton), row >= 0 && row < count - 1);
}

void AddShortcut() {
  if (State().LauncherListUnread) return;
  State().OpenEditor = NewShortcutEditor;
  OpenBrowserForNew();
  ShowCurrentView();
  InvalidateMain();
}

void EditShortcut() {
  int row = SelectedShortcut();
  if (row < 0) return;
  State().OpenEditor = FileRow;
  OpenBrowserAt(State().WorkingLaunchers[row].Path);
  ShowCurrentView();
  InvalidateMain();
}

bool ApplyShortcut() {
  Program& p = State();
  WindowHandle list = Ctl(LauncherList);
  char16_t typed[kPathCapacity] = {};
  if (!ReadEditText(PathEdit, typed, kPathCapacity)) return false;
  LauncherEntry chosen;
  chosen.Path = LauncherPath(typed);
  if (p.OpenEditor == NewShortcutEditor) {
    // Row i shows entry i: an entry whose row cannot be added is not added,
    // and the editor stays open.
    if (AddShortcutRow(chosen.Path, SmallIconOf(chosen.Path)) < 0) return false;
    p.WorkingLaunchers.push_back(chosen);  // an empty path is an entry too
    SelectRow(list, static_cast<int>(p.WorkingLaunchers.size()) - 1, true);
    FitShortcutColumn();
    return true;
  }
  int row = SelectedShortcut();
  if (p.OpenEditor != FileRow || row < 0) return true;
  p.WorkingLaunchers[row] = chosen;
  ShowShortcut(list, row, chosen.Path);
  return true;
}

void RemoveShortcut() {
  int row = SelectedShortcut();
  if (row < 0) return;
  // Row i shows entry i: a row the list refuses to delete, asked once more,
  // keeps its entry.
  WindowHandle list = Ctl(LauncherList);
  if (!ListView_DeleteItem(list, row) && !ListView_DeleteItem(list, row)) return;
  Program& p = State();
  p.WorkingLaunchers.erase(p.WorkingLaunchers.begin() + row);
  UpdateLauncherButtons();
  FitShortcutColumn();
}

void MoveShortcut(int direction) {
  Program& p = State();
  WindowHandle list = Ctl(LauncherList);
  int row = SelectedShortcut();
  int other = row + direction;
  if (row < 0 || other < 0 || other >= static_cast<int>(p.WorkingLaunchers.size())) return;
  std::swap(p.WorkingLaunchers[row], p.WorkingLaunchers[other]);
  ShowShortcut(list, row, p.WorkingLaunchers[row].Path);
  ShowShortcut(list, other, p.WorkingLaunchers[other].Path);
  SelectRow(list, row, false);
  SelectRow(list, other, true);
  UpdateLauncherButtons();
}

}  // namespace ostrel::cfg
