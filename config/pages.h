// The settings program's tabs and pages: General and Pages tabs, block pages, the launcher lists, the file browser, and OK and Cancel.
#pragma once

#include "config/program.h"
#include "platform/controls.h"

namespace ostrel::cfg {

// general_tab.cpp
void FillGeneralList(const Frame& frame);
void OpenGeneralRow();
bool ApplyGeneralRow();

// pages_tab.cpp
void FillPagesList(const Frame& frame);
void OpenBlockPage();
// direction -1 moves the selected block up, +1 down.
void MoveBlock(int direction);
void OnPagesListChanged(const pf::NMLISTVIEW& change);
// The block table is kept in the Pages list's order (moves and check boxes
// change it as they happen); this sets each block's Order to its position.
void RebuildBlockTable(BlockTable& table);

// block_pages.cpp
void FillBlockLists(const Frame& frame);
// The settings list of a block page (OpenBlock 0..5); the Launcher's is its
// properties list.
pf::WindowHandle BlockListOf(int openBlock);
// The button that opens the selected row when `list` is a block page's list.
bool BlockListButton(pf::WindowHandle list, Control* button);
void RefreshBlockPage(int kind);
void OpenBlockRow(pf::WindowHandle list);
bool ApplyBlockRow();

// launcher_page.cpp
void FillLauncherLists(const Frame& frame);
// Copies the settings' launcher list into the working list and LauncherList.
void LoadWorkingLaunchers();
// The page's OK: the settings' launcher list becomes the working list.
void StoreWorkingLaunchers();
void AddShortcut();
void EditShortcut();
void RemoveShortcut();
void MoveShortcut(int direction);
bool ApplyShortcut();
void UpdateLauncherButtons();

// file_browser.cpp
// The text up to and including the last backslash; empty without one.
void FolderOf(const char16_t* path, char16_t* out, int capacity);
// A folder's parent folder ("A\\B\\" gives "A\\", "A\\" gives "").
void ParentFolder(const char16_t* folder, char16_t* out, int capacity);
// The text after the last backslash; the whole text without one.
const char16_t* FileNameOf(const char16_t* path);
// The text after the last "."; empty without one.
const char16_t* ExtensionOf(const char16_t* name);
struct FileRowText {
  const char16_t* Name;
  const char16_t* Value;  // "..", "[DIR]" or the extension
};
// The file list's order: the parent row, folders by name, then files by
// extension and name, ignoring case. -1, 0 or 1.
int CompareFileRows(const FileRowText& a, const FileRowText& b);
void PrepareFileList(const Frame& frame);
void FillFolder(const char16_t* folder, const char16_t* selectName);
// Opens the browser on a path's folder with its file selected.
void OpenBrowserAt(const char16_t* path);
// Opens the browser where it was, for a new shortcut.
void OpenBrowserForNew();
void OnOpenButton();

// apply_save.cpp
void ApplyEdit();
void GoBack();

}  // namespace ostrel::cfg
