// Plays a script on the first item: pen events posted as real mouse messages, keys to the shell, menus driven by their keys, shell queries and options.
#include "programs/todayhost/todayhost.h"

namespace todayhost {

namespace {

constexpr UINT_PTR kScriptTimer = 12;
constexpr int kFirstEventMs = 500;   // the items' first paint comes first
constexpr int kEventGapMs = 200;
constexpr int kHoldWaitMs = 1000;    // beyond the gesture's hold time
constexpr int kMenuRetryMs = 100;
constexpr int kMenuAttempts = 30;    // a busy machine may recognise the hold late

struct Player {
  std::vector<ScriptEvent> events;
  std::size_t next = 0;
  int attempts = 0;  // of the current event
};

Player& ThePlayer() {
  static Player player;
  return player;
}

LPARAM PenAt(const ScriptEvent& event) {
  return MAKELPARAM(static_cast<WORD>(event.numbers[0]), static_cast<WORD>(event.numbers[1]));
}

void Pen(const Item& item, UINT message, const ScriptEvent& event) {
  const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
  PostMessageW(item.window, message, buttons, PenAt(event));
}

void Tap(const Item& item, const ScriptEvent& event, bool twice) {
  Pen(item, WM_LBUTTONDOWN, event);
  Pen(item, WM_LBUTTONUP, event);
  if (!twice) return;
  Pen(item, WM_LBUTTONDBLCLK, event);
  Pen(item, WM_LBUTTONUP, event);
}

// The pop-up menu on screen, if any, and its menu.
HMENU OpenMenu(HWND* menuWindow) {
  *menuWindow = FindWindowW(L"#32768", nullptr);
  if (*menuWindow == nullptr || !IsWindowVisible(*menuWindow)) return nullptr;
  return reinterpret_cast<HMENU>(SendMessageW(*menuWindow, MN_GETHMENU, 0, 0));
}

// Chooses the entry with command `id` as a person would with the keys: down
// to the entry, then Enter; the menu then sends its command to its owner.
// False while no open menu holds the entry and attempts remain.
bool ChooseMenuEntry(int id, int attempt) {
  HWND menuWindow = nullptr;
  HMENU menu = OpenMenu(&menuWindow);
  const int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
  for (int position = 0; position < count; ++position) {
    if (GetMenuItemID(menu, position) != static_cast<UINT>(id)) continue;
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    for (int step = 0; step <= position; ++step) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    Say(L"todayhost: menu " + std::to_wstring(id) + L" \"" + text + L"\" chosen");
    return true;
  }
  if (attempt + 1 < kMenuAttempts) return false;
  Say(L"todayhost: menu " + std::to_wstring(id) + L": no open menu holds this entry; skipped");
  return true;
}

void Tick(const Item& item, int count) {
  for (int i = 0; i < count; ++i) SendMessageW(item.window, WM_TIMER, 1, 0);
}

void Query(Host& host) {
  if (QueryItemHeights(host)) LayoutItems(host);
  ReportItems(host);
}

void OpenOptions(Host& host) {
  const ULONGLONG start = GetTickCount64();
  OpenItemOptions(host, 0);
  Say(L"todayhost: options of " + host.items[0].key + L" closed after " +
      std::to_wstring(GetTickCount64() - start) + L" ms");
}

// Plays one event (attempt 0, 1, ... of it); true when it is done, false
// when it is to be played again. *wait: how long to wait first (ms).
bool PlayEvent(Host& host, const ScriptEvent& e, int attempt, int* wait) {
  *wait = kEventGapMs;
  if (e.name == L"wait") {
    *wait = e.numbers[0];
    return true;
  }
  if (e.name == L"exit") {
    DestroyWindow(host.window);
    return true;
  }
  if (host.items.empty()) {
    Say(L"todayhost: " + e.name + L": there is no item to play on; skipped");
    return true;
  }
  if (e.name == L"menu" && !ChooseMenuEntry(e.numbers[0], attempt)) {
    *wait = kMenuRetryMs;
    return false;
  }
  const Item& item = host.items[0];
  const std::wstring& n = e.name;
  if (n == L"tap" || n == L"dtap") Tap(item, e, n == L"dtap");
  else if (n == L"down") Pen(item, WM_LBUTTONDOWN, e);
  else if (n == L"move") Pen(item, WM_MOUSEMOVE, e);
  else if (n == L"up") Pen(item, WM_LBUTTONUP, e);
  else if (n == L"key") PostMessageW(host.window, WM_KEYDOWN, e.key, 0);
  else if (n == L"select") SelectItem(host, 0);
  else if (n == L"deselect") SelectItem(host, -1);
  else if (n == L"tick") Tick(item, e.numbers[0]);
  else if (n == L"query") Query(host);
  else if (n == L"options") OpenOptions(host);
  if (n == L"hold") {
    Pen(item, WM_LBUTTONDOWN, e);  // and the pen stays down
    *wait = kHoldWaitMs;
  }
  return true;
}

void CALLBACK OnScriptTimer(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  Player& player = ThePlayer();
  if (player.next >= player.events.size()) {
    Say(L"todayhost: script done");
    return;
  }
  int wait = 0;
  if (PlayEvent(TheHost(), player.events[player.next], player.attempts, &wait)) {
    ++player.next;
    player.attempts = 0;
  } else {
    ++player.attempts;
  }
  SetTimer(window, kScriptTimer, static_cast<UINT>(wait), OnScriptTimer);
}

}  // namespace

void StartScript(Host& host, const std::vector<ScriptEvent>& events) {
  Player& player = ThePlayer();
  player.events = events;
  player.next = 0;
  SetTimer(host.window, kScriptTimer, kFirstEventMs, OnScriptTimer);
}

}  // namespace todayhost
