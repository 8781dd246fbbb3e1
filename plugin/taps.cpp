// Taps on blocks and program launching: which gesture counts, which target a block names, how it is started.
#include "plugin/taps.h"

#include <cstdint>

#include "platform/window.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "plugin/item_blocks.h"
#include "plugin/item_state.h"

namespace ostrel {

namespace {

constexpr std::uint32_t kShellExecuteInfoSize = 60;

bool Contains(const pf::RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Hands a ready command to the shell; the process handle it returns is not
// needed and is closed at once.
void StartCommand(const char16_t* command) {
  pf::SHELLEXECUTEINFO info;
  info.cbSize = kShellExecuteInfoSize;
  info.fMask = pf::SEE_MASK_NOCLOSEPROCESS;
  info.lpFile = command;
  info.nShow = pf::SW_SHOWNORMAL;
  pf::ShellExecuteEx(&info);
  if (!pf::IsNull(info.hProcess)) pf::CloseHandle(info.hProcess);
}

}  // namespace

void TapLauncherCell(const Settings& settings, int x, int yInBand) {
  for (const LauncherEntry& entry : settings.LauncherEntries) {
    if (Contains(entry.Bounds, x, yInBand)) {
      LaunchPath(entry.Path);
      return;
    }
  }
}

void TapSysInfoPart(const Settings& settings, pf::WindowHandle window, int x) {
  pf::RECT client;
  pf::GetClientRect(window, &client);
  // Margins are stored unchecked: 64-bit sums.
  const std::int64_t innerLeft = std::int64_t{client.left} + settings.MarginLeft;
  const std::int64_t innerRight = std::int64_t{client.right} - settings.MarginRight;
  if (x <= innerLeft || x >= innerRight) return;
  const std::int64_t inner = innerRight - settings.MarginLeft - client.left;
  const std::int64_t split = innerLeft + inner / 4;
  LaunchPath(x < split ? settings.SysInfoSettings.Tap1 : settings.SysInfoSettings.Tap2);
}

bool TapTypeMatches(std::int32_t tapType, int isDouble) {
  switch (tapType) {
    case SingleTap: return isDouble == 0;
    case DoubleTap: return isDouble == 1;
    default: return false;
  }
}

void TapEntry(const Settings& settings, const ItemState& item, int position, int x, int yInBand, int isDouble) {
  if (position < 0 || position >= BlockCount) return;
  const ItemBlock* block = ItemBlockOf(settings.BlockTable[position].Kind);
  if (block == nullptr || (block->FollowsTapType && !TapTypeMatches(settings.TapType, isDouble))) return;
  block->Tap(settings, item, x, yInBand);
}

bool FileExists(const char16_t* path) {
  pf::FileStream stream = pf::_wfopen(path, u"r");
  if (pf::IsNull(stream)) return false;
  pf::fclose(stream);
  return true;
}

void LaunchPath(const char16_t* path) {
  if (path == nullptr || path[0] == 0 || !FileExists(path)) return;
  char16_t command[kPathCapacity + 2];
  pf::FormatText(command, kPathCapacity + 2, u"%s%s%s", u"\"", path, u"\"");
  StartCommand(command);
}

void StartSettingsProgram(pf::ModuleHandle module) {
  char16_t folder[kPathCapacity];
  OwnFolder(module, folder);
  // A name cut to fit the path could open some other file: only a whole one is started.
  if (pf::TextLength(folder) + pf::TextLength(kSettingsProgramFile) >= kPathCapacity) return;
  char16_t program[kPathCapacity];
  pf::FormatText(program, kPathCapacity, u"%s%s", folder, kSettingsProgramFile);
  LaunchPath(program);
}

}  // namespace ostrel
