// Opaque handles and plain platform records shared by every platform service.
#pragma once

#include <cstdint>

namespace pf {

// Handles are opaque values of our own; each platform layer maps them to its
// real objects (Win32 handles, or records of the host stand-ins).
enum class KeyHandle : std::uintptr_t {};
enum class WindowHandle : std::uintptr_t {};
enum class SurfaceHandle : std::uintptr_t {};
enum class FontHandle : std::uintptr_t {};
enum class BitmapHandle : std::uintptr_t {};
enum class IconHandle : std::uintptr_t {};
enum class MenuHandle : std::uintptr_t {};
enum class ModuleHandle : std::uintptr_t {};

template <typename Handle>
constexpr bool IsNull(Handle h) {
  return static_cast<std::uintptr_t>(h) == 0;
}

template <typename Handle>
constexpr Handle NullHandle() {
  return static_cast<Handle>(0);
}

struct RECT {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct POINT {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct SIZE {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
};

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// Show commands: ShowWindow's, and a started program's first window's.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// Path capacity used by the system for every path and face name.
constexpr int MAX_PATH = 260;

}  // namespace pf
