// The in-window file browser: path helpers, listing a folder sorted with folders first, and the open button that enters, goes up or takes a file.
#include <vector>

#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/files.h"
#include "platform/text.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr const char16_t* kParentRow = u"..";
constexpr const char16_t* kFolderValue = u"[DIR]";
constexpr int kLongText = 2 * MAX_PATH;

// One case for comparisons: Latin and Cyrillic capitals become small letters.
char16_t FoldUnit(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
  if (c >= 0x0410 && c <= 0x042F) return static_cast<char16_t>(c + 0x20);
  if (c >= 0x0400 && c <= 0x040F) return static_cast<char16_t>(c + 0x50);
  return c;
}

int CompareFolded(const char16_t* a, const char16_t* b) {
  for (std::size_t i = 0;; ++i) {
    char16_t x = FoldUnit(a[i]);
    char16_t y = FoldUnit(b[i]);
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
}

int LastIndexOf(const char16_t* text, char16_t unit) {
  int last = -1;
  for (int i = 0; text[i] != 0; ++i) {
    if (text[i] == unit) last = i;
  }
  return last;
}

void CopyPrefix(char16_t* out, int capacity, const char16_t* text, int units) {
  int n = 0;
  for (; n < units && n + 1 < capacity && text[n] != 0; ++n) out[n] = text[n];
  if (capacity > 0) out[n] = 0;
}

// Joins two texts into out; false (and out empty) when they do not fit.
bool Join(char16_t* out, int capacity, const char16_t* a, const char16_t* b) {
  if (static_cast<int>(TextLength(a) + TextLength(b)) >= capacity) {
    out[0] = 0;
    return false;
  }
  FormatText(out, static_cast<std::size_t>(capacity), u"%s%s", a, b);
  return true;
}

int SmallIconOf(const char16_t* path) {
  SHFILEINFOW info;
  SHGetFileInfoW(path, 0, &info, sizeof(info), SHGFI_SYSICONINDEX);
  return info.iIcon;
}

// The rows' texts by param (the row's position when added), for the sort.
struct Listing {
  std::vector<std::u16string> names;
  std::vector<std::u16string> values;
};

// A row's param is its index in the listing; a row that could not be added
// has no entry there.
void AddFileRow(Listing& listing, const char16_t* name, const char16_t* value, int icon) {
  const auto param = static_cast<LPARAM>(listing.names.size());
  if (AddRowWithParam(Ctl(FileList), name, value, icon, false, param) < 0) return;
  listing.names.push_back(name);
  listing.values.push_back(value);
}

// Rows whose param the listing does not hold sort after all others.
int CompareByParam(LPARAM a, LPARAM b, LPARAM sortParam) {
  const Listing& l = *reinterpret_cast<const Listing*>(sortParam);
  const auto size = static_cast<LPARAM>(l.names.size());
  const bool knownA = a >= 0 && a < size;
  const bool knownB = b >= 0 && b < size;
  if (!knownA || !knownB) return knownA == knownB ? 0 : (knownA ? -1 : 1);
  const auto i = static_cast<std::size_t>(a);
  const auto j = static_cast<std::size_t>(b);
  return CompareFileRows({l.names[i].c_str(), l.values[i].c_str()}, {l.names[j].c_str(), l.values[j].c_str()});
}

void ListEntries(const char16_t* folder, Listing& listing) {
  char16_t pattern[MAX_PATH];
  if (!Join(pattern, MAX_PATH, folder, u"*.*")) return;  // too long to list
  WIN32_FIND_DATAW data;
  FindHandle find = FindFirstFileW(pattern, &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const char16_t* name = data.cFileName;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) || TextEquals(name, u".") ||
        TextEquals(name, u"..")) {
      continue;
    }
    char16_t full[kLongText];
    Join(full, kLongText, folder, name);
    bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    AddFileRow(listing, name, isFolder ? kFolderValue : ExtensionOf(name), SmallIconOf(full));
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

void SelectByName(const char16_t* selectName) {
  WindowHandle list = Ctl(FileList);
  int count = ListView_GetItemCount(list);
  for (int i = 0; i < count; ++i) {
    char16_t caption[kTextCapacity] = {};
    RowCaption(list, i, caption, kTextCapacity);
    if (CompareFolded(caption, selectName) != 0) continue;
    ListView_SetItemState(list, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, i, 0);
    break;
  }
  ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE);
}

}  // namespace

void FolderOf(const char16_t* path, char16_t* out, int capacity) {
  CopyPrefix(out, capacity, path, LastIndexOf(path, u'\\') + 1);
}

void ParentFolder(const char16_t* folder, char16_t* out, int capacity) {
  char16_t trimmed[kLongText];
  CopyPrefix(trimmed, kLongText, folder, static_cast<int>(TextLength(folder)) - 1);
  FolderOf(trimmed, out, capacity);
}

const char16_t* FileNameOf(const char16_t* path) { return path + LastIndexOf(path, u'\\') + 1; }

const char16_t* ExtensionOf(const char16_t* name) {
  int dot = LastIndexOf(name, u'.');
  return dot < 0 ? name + TextLength(name) : name + dot + 1;
}

int CompareFileRows(const FileRowText& a, const FileRowText& b) {
  if (TextEquals(a.Value, kParentRow)) return -1;
  if (TextEquals(b.Value, kParentRow)) return 1;
  bool folderA = TextEquals(a.Value, kFolderValue);
  bool folderB = TextEquals(b.Value, kFolderValue);
  if (folderA != folderB) return folderA ? -1 : 1;
  int byValue = CompareFolded(a.Value, b.Value);
  return byValue != 0 ? byValue : CompareFolded(a.Name, b.Name);
}

void PrepareFileList(const Frame& frame) {
  WindowHandle list = Ctl(FileList);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  AddColumns(list, 1, frame.R - ScaleX(80));
  LVCOLUMNW second;
  second.mask = LVCF_WIDTH;
  ListView_InsertColumn(list, 1, &second);
  ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE);
}

void FillFolder(const char16_t* folder, const char16_t* selectName) {
  Program& p = State();
  if (folder[0] != 0 && TextEquals(folder, p.CurrentFolder)) {
    SelectByName(selectName);
    return;
  }
  SetCursor(LoadCursorW(ModuleHandle{}, IDC_WAIT));
  {
    ListRefill refill(Ctl(FileList));
    // Rows left of the last listing would name what is not in this folder.
    if (!ClearRows(Ctl(FileList))) {
      SetCursor(LoadCursorW(ModuleHandle{}, IDC_ARROW));
      return;
    }
    Listing listing;
    if (folder[0] != 0) AddFileRow(listing, kParentRow, kParentRow, SmallIconOf(folder));
    ListEntries(folder, listing);
    ListView_SortItems(Ctl(FileList), CompareByParam, reinterpret_cast<LPARAM>(&listing));
  }
  char16_t label[kLongText];
  FormatText(label, kLongText, u"%s%s", u"\\", folder);
  SetWindowTextW(Ctl(FolderLabel), label);
  EnableWindow(Ctl(OpenButton), SelectedRow(Ctl(FileList)) >= 0);
  CopyText(p.CurrentFolder, MAX_PATH, folder);
  SetCursor(LoadCursorW(ModuleHandle{}, IDC_ARROW));
  SelectByName(selectName);
}

void OpenBrowserAt(const char16_t* path) {
  SetWindowTextW(Ctl(PathEdit), path);
  char16_t folder[MAX_PATH];
  FolderOf(path, folder, MAX_PATH);
  FillFolder(folder, FileNameOf(path));
}

void OpenBrowserForNew() {
  SetWindowTextW(Ctl(PathEdit), u"");
  char16_t folder[MAX_PATH];
  CopyText(folder, MAX_PATH, State().CurrentFolder);
  FillFolder(folder, u"");
}

void OnOpenButton() {
  WindowHandle list = Ctl(FileList);
  int row = SelectedRow(list);
  if (row < 0) return;
  char16_t name[kTextCapacity] = {};
  RowCaption(list, row, name, kTextCapacity);
  const char16_t* current = State().CurrentFolder;
  if (TextEquals(name, kParentRow)) {
    // Up one folder, with the folder just left selected there.
    char16_t left[MAX_PATH];
    CopyPrefix(left, MAX_PATH, current, static_cast<int>(TextLength(current)) - 1);
    char16_t from[MAX_PATH];
    CopyText(from, MAX_PATH, FileNameOf(left));
    char16_t parent[MAX_PATH];
    ParentFolder(current, parent, MAX_PATH);
    FillFolder(parent, from);
    return;
  }
  char16_t full[MAX_PATH];
  if (!Join(full, MAX_PATH, current, name)) return;  // longer than a path can be
  std::uint32_t attributes = GetFileAttributesW(full);
  bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (!isFolder) {
    SetWindowTextW(Ctl(PathEdit), full);  // the file is chosen; OK applies it
    return;
  }
  char16_t inner[MAX_PATH];
  if (Join(inner, MAX_PATH, full, u"\\")) FillFolder(inner, u"");
}

}  // namespace ostrel::cfg
