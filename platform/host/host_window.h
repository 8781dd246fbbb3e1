// Host stand-in for the window service: records what is asked of each window and plays the shell's menus and gestures.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/window.h"

namespace pf::host {

struct InvalidateRequest {
  WindowHandle window{};
  bool whole = true;  // no rectangle given: the whole client area
  RECT rect;          // the rectangle given, when not whole
  int erase = 0;
};

struct MenuEntry {
  std::uint32_t flags = 0;
  std::uintptr_t id = 0;
  std::u16string text;
};

// One TrackPopupMenuEx call.
struct MenuOpening {
  MenuHandle menu{};
  std::uint32_t flags = 0;
  POINT at;  // screen coordinates as passed
  WindowHandle owner{};
  std::vector<MenuEntry> entries;
};

// Windows are those of the controls stand-in in use (pf::Controls()); paint
// contexts come from the screen stand-in (HostScreen) and draw on the
// window's picture.
class HostWindows : public WindowService {
 public:
  HostWindows();

  int InvalidateRect(WindowHandle window, const RECT* rect, int erase) override;
  SurfaceHandle BeginPaint(WindowHandle window, PAINTSTRUCT* paint) override;
  int EndPaint(WindowHandle window, const PAINTSTRUCT* paint) override;
  std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t elapse,
                          TIMERPROC callback) override;
  int KillTimer(WindowHandle window, std::uintptr_t id) override;
  WindowHandle SetCapture(WindowHandle window) override;
  int ReleaseCapture() override;
  int GetWindowRect(WindowHandle window, RECT* rect) override;
  int GetClientRect(WindowHandle window, RECT* rect) override;
  int MapWindowPoints(WindowHandle from, WindowHandle to, POINT* points, unsigned count) override;
  int ClientToScreen(WindowHandle window, POINT* point) override;
  WindowHandle GetParent(WindowHandle window) override;
  int UnregisterClassW(const char16_t* className, ModuleHandle instance) override;
  MenuHandle CreatePopupMenu() override;
  int AppendMenuW(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                  const char16_t* text) override;
  int TrackPopupMenuEx(MenuHandle menu, std::uint32_t flags, int x, int y, WindowHandle owner,
                       const void* params) override;
  int DestroyMenu(MenuHandle menu) override;
  int EndDialog(WindowHandle dialog, std::intptr_t result) override;
  std::uint32_t SHRecognizeGesture(SHRGINFO* info) override;

  // Repaint requests made for one window, and every request in order.
  int InvalidateCount(WindowHandle window) const;
  const std::vector<InvalidateRequest>& Invalidations() const { return invalidations_; }
  void ClearInvalidations() { invalidations_.clear(); }

  // The period of a running timer, 0 when it is not running.
  std::uint32_t TimerPeriod(WindowHandle window, std::uintptr_t id) const;
  WindowHandle Capture() const { return capture_; }
  // Paints begun and not yet ended.
  int OpenPaints() const { return openPaints_; }

  // The person's part in a gesture: what the next SHRecognizeGesture call
  // reports (once; afterwards 0, as for a pen that was lifted or moved).
  void SetNextGesture(std::uint32_t gesture) { nextGesture_ = gesture; }
  int GestureQueries() const { return gestureQueries_; }
  const SHRGINFO& LastGesture() const { return lastGesture_; }

  // Every pop-up menu opened, in order; whether one is open now.
  const std::vector<MenuOpening>& MenuOpenings() const { return openings_; }
  bool MenuOpen() const { return menuOpen_; }
  // The person picks entry id of the open menu: it closes and its owner gets
  // WM_COMMAND with the id. False (and the menu stays) when no menu is open
  // or the open one has no such entry.
  bool ChooseMenuEntry(std::uintptr_t id);
  // The person taps beside the open menu: it closes, nothing is chosen.
  void DismissMenu() { menuOpen_ = false; }
  int LiveMenus() const { return static_cast<int>(menus_.size()); }
  // Timers set and not killed, of every window.
  int LiveTimers() const { return static_cast<int>(timers_.size()); }

  const std::vector<std::pair<WindowHandle, std::intptr_t>>& EndedDialogs() const {
    return endedDialogs_;
  }
  // Class names handed to UnregisterClassW, in order.
  const std::vector<std::u16string>& UnregisteredClasses() const { return unregistered_; }

  // Forgets every record and setting.
  void Reset();

 private:
  std::vector<InvalidateRequest> invalidations_;
  std::map<std::pair<std::uintptr_t, std::uintptr_t>, std::uint32_t> timers_;
  WindowHandle capture_{};
  int openPaints_ = 0;
  std::uint32_t nextGesture_ = 0;
  int gestureQueries_ = 0;
  SHRGINFO lastGesture_;
  std::map<std::uintptr_t, std::vector<MenuEntry>> menus_;
  std::uintptr_t nextMenu_ = 0x3E00;
  std::vector<MenuOpening> openings_;
  bool menuOpen_ = false;
  std::vector<std::pair<WindowHandle, std::intptr_t>> endedDialogs_;
  std::vector<std::u16string> unregistered_;
};

HostWindows& HostWindowService();

// Lets the screen stand-in size a window's picture by the window's client
// area (the contexts of GetDC(window) and BeginPaint). Done when the window
// service starts; call again after a test replaced that source.
void InstallWindowPictures();

}  // namespace pf::host
