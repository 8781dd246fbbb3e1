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
};

// The one item state of the loaded module.
ItemState& Item();

}  // namespace ostrel
