// Prelude of every Win32 source: our platform headers first, then <windows.h>,
// and the conversions between our opaque handles and the real Win32 ones.
//
// Our headers define pf::ERROR_SUCCESS, pf::LOGPIXELSY, pf::HKEY_CURRENT_USER,
// pf::RECT ... under their Win32 names; <windows.h> turns many of those names
// into macros, so it must come after them. From here on the real Win32 things
// are referred to unqualified or with `::` (inside namespace pf an unqualified
// RegOpenKeyExW would be our own forwarder), ours as `pf::`; those of ours that
// are macros now are reached through pf::win32::ours, and a function-like one
// with parentheses around its name: `(pf::RGB)(r, g, b)`.
//
// Every platform/*.h belongs in the list below: a new service header is added
// here, never included after this prelude.
#pragma once

#include <cstdint>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/device.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/gdi.h"
#include "platform/locale.h"
#include "platform/module.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/today.h"
#include "platform/types.h"
#include "platform/window.h"

// Our constants whose names <windows.h> turns into macros (after it,
// `pf::ERROR_SUCCESS` would expand to `pf::0L`), captured while they can still
// be named. The predefined roots differ from the real ones; the other values
// are checked against the real ones below.
namespace pf::win32::ours {
constexpr KeyHandle HkeyClassesRoot = pf::HKEY_CLASSES_ROOT;
constexpr KeyHandle HkeyCurrentUser = pf::HKEY_CURRENT_USER;
constexpr KeyHandle HkeyLocalMachine = pf::HKEY_LOCAL_MACHINE;
constexpr KeyHandle HkeyUsers = pf::HKEY_USERS;
constexpr long ErrorSuccess = pf::ERROR_SUCCESS;
constexpr long ErrorFileNotFound = pf::ERROR_FILE_NOT_FOUND;
constexpr long ErrorAccessDenied = pf::ERROR_ACCESS_DENIED;
constexpr long ErrorInvalidHandle = pf::ERROR_INVALID_HANDLE;
constexpr long ErrorInvalidParameter = pf::ERROR_INVALID_PARAMETER;
constexpr long ErrorMoreData = pf::ERROR_MORE_DATA;
constexpr std::uint32_t KeyRead = pf::KEY_READ;
constexpr std::uint32_t KeyWrite = pf::KEY_WRITE;
constexpr std::uint32_t KeyAllAccess = pf::KEY_ALL_ACCESS;
constexpr std::uint32_t RegSz = pf::REG_SZ;
constexpr std::uint32_t RegDword = pf::REG_DWORD;
constexpr std::uint32_t RegBinary = pf::REG_BINARY;
constexpr std::uint32_t RegQword = pf::REG_QWORD;
constexpr std::uint32_t RegCreatedNewKey = pf::REG_CREATED_NEW_KEY;
constexpr std::uint32_t RegOpenedExistingKey = pf::REG_OPENED_EXISTING_KEY;
constexpr int LogPixelsX = pf::LOGPIXELSX;
constexpr int LogPixelsY = pf::LOGPIXELSY;
constexpr int MaxPath = pf::MAX_PATH;
}  // namespace pf::win32::ours

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>

// The A/W switches that would rename members of our interfaces which carry
// the platform's generic names (pf::ShellService::ShellExecuteEx): the real
// calls are made by their W names.
#undef ShellExecuteEx

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 text is UTF-16");
static_assert(sizeof(DWORD) == sizeof(std::uint32_t), "DWORD is 32 bits");
static_assert(sizeof(LONG) == sizeof(long), "LONG is long");
static_assert(sizeof(pf::RECT) == sizeof(::RECT) && sizeof(pf::POINT) == sizeof(::POINT) &&
                  sizeof(pf::SIZE) == sizeof(::SIZE),
              "records of the same layout");
static_assert(pf::win32::ours::ErrorSuccess == ERROR_SUCCESS &&
                  pf::win32::ours::ErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
                  pf::win32::ours::ErrorAccessDenied == ERROR_ACCESS_DENIED &&
                  pf::win32::ours::ErrorInvalidHandle == ERROR_INVALID_HANDLE &&
                  pf::win32::ours::ErrorInvalidParameter == ERROR_INVALID_PARAMETER &&
                  pf::win32::ours::ErrorMoreData == ERROR_MORE_DATA,
              "our error codes are the platform's");
static_assert(pf::win32::ours::KeyRead == KEY_READ && pf::win32::ours::KeyWrite == KEY_WRITE &&
                  pf::win32::ours::KeyAllAccess == KEY_ALL_ACCESS &&
                  pf::win32::ours::RegSz == REG_SZ && pf::win32::ours::RegDword == REG_DWORD &&
                  pf::win32::ours::RegBinary == REG_BINARY &&
                  pf::win32::ours::RegQword == REG_QWORD &&
                  pf::win32::ours::RegCreatedNewKey == REG_CREATED_NEW_KEY &&
                  pf::win32::ours::RegOpenedExistingKey == REG_OPENED_EXISTING_KEY,
              "our registry constants are the platform's");
static_assert(pf::win32::ours::LogPixelsX == LOGPIXELSX &&
                  pf::win32::ours::LogPixelsY == LOGPIXELSY &&
                  pf::win32::ours::MaxPath == MAX_PATH,
              "our device-capability indexes and path capacity are the platform's");

namespace pf::win32 {

// Text: our char16_t buffers are passed to the W functions without copying.
inline wchar_t* W(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline char16_t* U(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }
inline const char16_t* U(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

// Handles: an opaque handle of ours holds the real handle's value.
template <typename Real, typename Ours>
inline Real ToReal(Ours handle) {
  return reinterpret_cast<Real>(static_cast<std::uintptr_t>(handle));
}
template <typename Ours, typename Real>
inline Ours FromReal(Real handle) {
  return static_cast<Ours>(reinterpret_cast<std::uintptr_t>(handle));
}

inline HWND ToHwnd(pf::WindowHandle h) { return ToReal<HWND>(h); }
inline pf::WindowHandle FromHwnd(HWND h) { return FromReal<pf::WindowHandle>(h); }
inline HDC ToHdc(pf::SurfaceHandle h) { return ToReal<HDC>(h); }
inline pf::SurfaceHandle FromHdc(HDC h) { return FromReal<pf::SurfaceHandle>(h); }
inline HFONT ToHfont(pf::FontHandle h) { return ToReal<HFONT>(h); }
inline pf::FontHandle FromHfont(HFONT h) { return FromReal<pf::FontHandle>(h); }
inline HBITMAP ToHbitmap(pf::BitmapHandle h) { return ToReal<HBITMAP>(h); }
inline pf::BitmapHandle FromHbitmap(HBITMAP h) { return FromReal<pf::BitmapHandle>(h); }
inline HICON ToHicon(pf::IconHandle h) { return ToReal<HICON>(h); }
inline pf::IconHandle FromHicon(HICON h) { return FromReal<pf::IconHandle>(h); }
inline HMENU ToHmenu(pf::MenuHandle h) { return ToReal<HMENU>(h); }
inline pf::MenuHandle FromHmenu(HMENU h) { return FromReal<pf::MenuHandle>(h); }
inline HMODULE ToHmodule(pf::ModuleHandle h) { return ToReal<HMODULE>(h); }
inline pf::ModuleHandle FromHmodule(HMODULE h) { return FromReal<pf::ModuleHandle>(h); }

// Registry keys: opened keys keep their value; our predefined roots
// (0x8000000x, see `ours`) are not the real ones (sign-extended on 64 bits),
// so the registry layer maps them (platform/win32/win32_registry.h).
inline HKEY ToHkey(pf::KeyHandle h) { return ToReal<HKEY>(h); }
inline pf::KeyHandle FromHkey(HKEY h) { return FromReal<pf::KeyHandle>(h); }

// Records of the same layout.
inline ::RECT ToWinRect(const pf::RECT& r) { return ::RECT{r.left, r.top, r.right, r.bottom}; }
inline pf::RECT FromWinRect(const ::RECT& r) {
  pf::RECT out;
  out.left = r.left;
  out.top = r.top;
  out.right = r.right;
  out.bottom = r.bottom;
  return out;
}

}  // namespace pf::win32
