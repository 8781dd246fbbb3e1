// OK and Cancel: applying the open editor, keeping or dropping a block page, and the final save with its broadcast.
#include "config/control_kit.h"
#include "config/pages.h"
#include "platform/controls.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

constexpr WPARAM kSettingsReloadFlag = 0xF2;
constexpr const char16_t* kSaveFailedText = u"Не удалось сохранить настройки.";
constexpr const char16_t* kSaveIncompleteText =
    u"Не удалось сохранить настройки. Сохранённые настройки могут быть неполными.";
constexpr const char16_t* kNotReloadedText = u"Настройки сохранены, но экран «Сегодня» не обновлён.";

// False when the editor could not be read: nothing was stored.
bool ApplyOpenEditor() {
  Program& p = State();
  bool shortcut = p.OpenEditor == NewShortcutEditor || p.OpenEditor == FileRow;
  if (p.CurrentTab == 0) return ApplyGeneralRow();
  if (p.OpenBlock == kLauncherPage && shortcut) return ApplyShortcut();
  return ApplyBlockRow();
}

// The block page's edits become the settings.
void KeepBlockPage() {
  Program& p = State();
  CopyBody(p.Settings, p.Settings.EditSettings);
  if (p.OpenBlock == kLauncherPage) StoreWorkingLaunchers();
}

// Asks the Today screen to reload its items; a broadcast that fails is sent
// once more.
bool BroadcastReload() {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (PostMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, kSettingsReloadFlag, 0) != 0) return true;
  }
  return false;
}

// Saves everything, asks the Today screen to reload its items, and ends. A
// save that did not fully succeed puts back the settings as they were read,
// so that the registry holds the old settings whole rather than a mix, tells
// the user, and stays on its tab view with every edit, so that OK can try
// the whole save again.
void SaveAndClose() {
  Program& p = State();
  RebuildBlockTable(p.Settings.BlockTable);
  if (!SaveSettings(p.Settings, &p.Found)) {
    const bool restored = RestoreSettings(p.Found);
    MessageBoxW(p.Main, restored ? kSaveFailedText : kSaveIncompleteText, kWindowTitle, MB_OK | MB_ICONERROR);
    return;
  }
  if (!BroadcastReload()) MessageBoxW(p.Main, kNotReloadedText, kWindowTitle, MB_OK | MB_ICONERROR);
  SendMessageW(p.Main, WM_CLOSE, 0, 0);
}

}  // namespace

void ApplyEdit() {
  Program& p = State();
  if (p.OpenEditor != kNoEditor) {
    if (!ApplyOpenEditor()) return;  // the editor stays open with its text
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
