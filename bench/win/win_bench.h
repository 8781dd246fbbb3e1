// The Windows benchmark program's parts: timing, the reported figures, the Today window and the running item, message pumping.
#pragma once

// Our platform headers precede <windows.h>.
#include "platform/win32/win32.h"

#include <functional>
#include <memory>
#include <string>

namespace ostrel::winbench {

// How long measurements run: a smoke run times each body once.
struct Timing {
  int batches = 40;        // the least batch mean is reported
  double batchUs = 10000;  // the length of one batch
};
Timing& CurrentTiming();

double NowUs();
// CPU time of this process (all its threads, user and kernel), microseconds.
double ProcessCpuUs();
// The least mean time of one run of body over the batches, in microseconds.
double LeastMeanUs(const std::function<void()>& body);

// The calls of one kind a route made, and the time they took.
struct CallTally {
  int calls = 0;
  double us = 0;
};
struct CallTimes {
  CallTally icons;        // SHGetFileInfoW handing out an icon
  CallTally iconIndexes;  // SHGetFileInfoW giving the system image list's index
  CallTally listing;      // folder enumeration and file attributes
  CallTally registry;     // every registry call
  int iconsMissing = 0;   // icons asked for and not given
};

// While one lives, the platform's file and registry calls are timed.
class CallTimer {
 public:
  CallTimer();
  ~CallTimer();
  CallTimer(const CallTimer&) = delete;
  CallTimer& operator=(const CallTimer&) = delete;
  const CallTimes& Times() const { return times_; }

 private:
  struct Services;
  CallTimes times_;
  std::unique_ptr<Services> services_;
};

// One figure of the output, "name value" on its own line.
void Report(const std::string& name, double value);

// Delivers every message waiting for this thread's windows.
void PumpMessages();

int ScreenDpi();
// The device screen at the screen's density: 240 x 320 design pixels.
int DeviceWidth();
int DeviceHeight();

// The item on the settings the registry holds, as a Today window shows it:
// created by ordinal 240's routine, sized by the refresh query, painted.
class WinItem {
 public:
  WinItem();
  ~WinItem();
  WinItem(const WinItem&) = delete;
  WinItem& operator=(const WinItem&) = delete;
  HWND Window() const { return item_; }
  bool Made() const { return item_ != nullptr; }

 private:
  HWND shell_ = nullptr;
  HWND item_ = nullptr;
};

// A repaint of the whole item through WM_PAINT, as the shell's invalidation gives it.
void PaintThroughWmPaint(HWND window);
// A tap (pen down and up, not held) at a point of the item.
void Tap(HWND window, int x, int y);

// The sections of the program.
void RunItemFigures();
void RunObjectBalance(int paints);
void RunLauncherScale(int entries);
void RunSettingsLauncherPage(int entries);
// The private bytes the item's creation on a list of `entries` programs adds
// to the process, and how they grow over `steps` paints and ticks after it.
void RunMemoryFigures(int entries, int steps);

}  // namespace ostrel::winbench
