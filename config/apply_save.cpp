// OK and Cancel: applying the open editor, keeping or dropping a block page, and the final save with its broadcast.
#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/controls.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr WPARAM kSettingsReloadFlag = 0xF2;
constexpr const char16_t* kSaveFailedText = u"Не удалось сохранить настройки.";

void ApplyOpenEditor() {
  Program& p = State();
  bool shortcut = p.OpenEditor == NewShortcutEditor || p.OpenEditor == FileRow;
  if (p.CurrentTab == 0) {
    ApplyGeneralRow();
  } else if (p.OpenBlock == kLauncherPage && shortcut) {
    ApplyShortcut();
  } else {
    ApplyBlockRow();
  }
}

// The block page's edits become the settings.
void KeepBlockPage() {
  Program& p = State();
  CopyBody(p.Settings, p.Settings.EditSettings);
  if (p.OpenBlock == kLauncherPage) StoreWorkingLaunchers();
}

// Saves everything, asks the Today screen to reload its items, and ends. A
// save that did not fully succeed is shown to the user, and the program stays
// on its tab view with every edit, so that OK can try the whole save again.
void SaveAndClose() {
  Program& p = State();
  RebuildBlockTable(p.Settings.BlockTable);
  if (!SaveSettings(p.Settings)) {
    MessageBoxW(p.Main, kSaveFailedText, kWindowTitle, MB_OK | MB_ICONERROR);
    return;
  }
  PostMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, kSettingsReloadFlag, 0);
  SendMessageW(p.Main, WM_CLOSE, 0, 0);
}

}  // namespace

void ApplyEdit() {
  Program& p = State();
  if (p.OpenEditor != kNoEditor) {
    ApplyOpenEditor();
    p.OpenEditor = kNoEditor;
  } else if (p.OpenBlock != kNoBlock) {
    KeepBlockPage();
    p.OpenBlock = kNoBlock;
  } else {
    SaveAndClose();  // General, Pages and About alike
    return;
  }
  ShowCurrentView();
  InvalidateMain();
}

void GoBack() {
  Program& p = State();
  if (p.OpenEditor != kNoEditor) {
    p.OpenEditor = kNoEditor;  // a toggle flipped before stays flipped
  } else if (p.OpenBlock != kNoBlock) {
    p.OpenBlock = kNoBlock;  // the next opening copies the settings again
  } else {
    SendMessageW(p.Main, WM_CLOSE, 0, 0);  // nothing is saved
    return;
  }
  ShowCurrentView();
  InvalidateMain();
}

}  // namespace ostrel::cfg
