// The Today shell's item record, messages and colors, shared by the item and the shell stand-in.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace pf {

// The shell's messages to an item window.
constexpr std::uint32_t WM_USER = 0x0400;
constexpr std::uint32_t WM_TODAYCUSTOM_CLEARCACHE = WM_USER + 242;          // 1266
constexpr std::uint32_t WM_TODAYCUSTOM_QUERYREFRESHCACHE = WM_USER + 243;   // 1267
constexpr std::uint32_t WM_TODAYCUSTOM_RECEIVEDSELECTION = WM_USER + 244;   // 1268
constexpr std::uint32_t WM_TODAYCUSTOM_LOSTSELECTION = WM_USER + 245;       // 1269
constexpr std::uint32_t WM_TODAYCUSTOM_USERNAVIGATION = WM_USER + 246;      // 1270
constexpr std::uint32_t WM_TODAYCUSTOM_ACTION = WM_USER + 247;              // 1271

// An item's requests to the shell (sent to its parent, the Today window).
constexpr std::uint32_t TODAYM_GETCOLOR = WM_USER + 100;       // 1124
constexpr std::uint32_t TODAYM_DRAWWATERMARK = WM_USER + 101;  // 1125

constexpr std::uint32_t TODAYCOLOR_TEXT = 0x10000004;
constexpr std::uint32_t TODAYCOLOR_HIGHLIGHT = 0x10000022;
constexpr std::uint32_t TODAYCOLOR_HIGHLIGHTEDTEXT = 0x10000023;

// The shell broadcasts this as WM_SETTINGCHANGE's wParam to rebuild its items.
constexpr std::uintptr_t SETTINGCHANGE_RESET = 0xF2;

constexpr int MAX_ITEMNAME = 32;

enum TODAYLISTITEMTYPE : std::int32_t { tlitOwnerInfo = 0, tlitAppointments, tlitMail, tlitTasks, tlitCustom };

// Field for field the shell's record; pointer-sized fields are pointer-sized
// here too, so the layout is the shell's on 32-bit and on 64-bit builds.
struct TODAYLISTITEM {
  char16_t szName[MAX_ITEMNAME];
  TODAYLISTITEMTYPE tlit;
  std::uint32_t dwOrder;
  std::uint32_t cyp;  // the item's height; the item sets it in the refresh query
  std::int32_t fEnabled;
  std::int32_t fOptions;
  std::uint32_t grflags;
  char16_t szDLLPath[MAX_PATH];
  std::uintptr_t hinstDLL;
  std::uintptr_t hwndCustom;
  std::int32_t fSizeOnDraw;
  std::uint8_t* prgbCachedData;
  std::uint32_t cbCachedData;
};

// TODAYM_DRAWWATERMARK's lParam: where the shell draws its background.
struct TODAYDRAWWATERMARKINFO {
  SurfaceHandle hdc;
  RECT rc;
  WindowHandle hwnd;
};

}  // namespace pf
