// The item window's module-wide state: what its creation made and how the user moved it.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace ostrel {

// The seven state images, each null when its file was not loaded.
struct StateImages {
  pf::BitmapHandle Battery{};
  pf::BitmapHandle MemoryRam{};
  pf::BitmapHandle MemoryPhone{};
  pf::BitmapHandle MemoryCard{};
  pf::BitmapHandle Alarm{};
  pf::BitmapHandle Wifi{};
  pf::BitmapHandle Bt{};
};

// Pen tracking for page swipes; all zero before the first pen-down.
struct PenState {
  std::int32_t Tracking = 0;  // 1 while a swipe is tracked
  std::int32_t Moved = 0;     // 1 once the pen moved more than 10 pixels sideways
  std::int32_t DownX = 0;
  std::int32_t DownY = 0;
  std::int32_t CurX = 0;
  std::int32_t CurY = 0;
};

constexpr int kDayNameCapacity = 10;

// What the platform refused the item so far, fetched again at the next tick
// or refresh query of the shell (bits of ItemState::Missing).
enum MissingPart : std::uint32_t {
  kMissingSettings = 1u << 0,  // a settings value could not be read
  kMissingImages = 1u << 1,    // a state image whose file is there
  kMissingIcons = 1u << 2,     // a launcher icon of a file that is there
  kMissingDayNames = 1u << 3,
  kMissingCells = 1u << 4,     // the launcher's cells (no width or icon size)
  kMissingMenu = 1u << 5,
  kMissingTimer = 1u << 6,
  kMissingFrame = 1u << 7,     // the last paint drew nothing, or was not asked for
  kMissingCardPath = 1u << 8,  // the storage card's folder
};

struct ItemState {
  pf::ModuleHandle ModuleInstance{};
  pf::WindowHandle ItemWindow{};
  std::int32_t Selected = 0;
  pf::COLORREF HighlightColor = 0;
  std::int32_t CurrentPage = 0;
  std::int32_t PageCount = 0;
  PenState Pen;
  StateImages Images;
  char16_t DayNames[7][kDayNameCapacity] = {};  // Monday first
  pf::MenuHandle ContextMenu{};
  std::uint32_t Missing = 0;  // MissingPart bits
  std::int32_t CostlyWait = 0;   // chances a costly part waits after its last refusal
  std::int32_t CostlySkips = 0;  // chances still to pass before it is asked for again
};

// The one item state of the loaded module.
ItemState& Item();

}  // namespace ostrel
