// The Today-shell stand-in: its items, its window and the pieces that serve them.
#pragma once

#include <string>
#include <vector>

#include "platform/today.h"

#include <windows.h>

namespace todayhost {

struct Options {
  int width = 240;
  int height = 320;
  std::wstring screenshot;
  int screenshotAfterMs = 3000;
  int exitAfterMs = 0;  // 0: run until closed
  std::wstring script;  // events played on the first item, ';'-separated
};

// One event of a script: its name, its numbers, or the key it presses.
struct ScriptEvent {
  std::wstring name;
  std::vector<int> numbers;
  unsigned key = 0;
};

// One Today item as the registry lists it and as it runs.
struct Item {
  std::wstring key;        // the sub-key name under the Today items key
  std::wstring dll;
  DWORD order = 0;
  DWORD options = 0;
  DWORD selectability = 0;
  HMODULE module = nullptr;
  HWND window = nullptr;
  pf::TODAYLISTITEM record{};
};

struct Host {
  Options options;
  HWND window = nullptr;
  std::vector<Item> items;
  int selected = -1;  // index into items, -1: nothing selected
  int headerHeight = 0;
};

Host& TheHost();

// Items: read the registry, load and create, query heights, lay out, tear down.
void ReadItemList(std::vector<Item>& items);
void CreateItems(Host& host);
void DestroyItems(Host& host);
bool QueryItemHeights(Host& host);
void LayoutItems(Host& host);
void SelectItem(Host& host, int index);
void OpenItemOptions(Host& host, int index);
// One line per item: "todayhost: item NAME height N".
void ReportItems(const Host& host);

// A line on standard output, in UTF-8, flushed at once.
void Say(const std::wstring& line);

// Scripts: the preview's event language, checked whole before anything runs
// (false and a message naming the fault otherwise), then played on the first
// item as real window messages, one event after another with a short pause.
bool ParseScript(const std::wstring& text, std::vector<ScriptEvent>* events, std::wstring* error);
void StartScript(Host& host, const std::vector<ScriptEvent>& events);

// Background: the shell's own picture, also drawn into an item's surface.
COLORREF HighlightColor();
void DrawBackground(HDC dc, const RECT& area, POINT origin, const Host& host);
void DrawHeader(HDC dc, const Host& host);

// The whole host window with its items as a PNG file.
bool SaveScreenshot(Host& host, const std::wstring& path);

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace todayhost
