// Today items: read from the registry, loaded, created, sized by their height and rebuilt.
#include <algorithm>

#include "programs/todayhost/todayhost.h"

namespace todayhost {

namespace {

constexpr const wchar_t* kItemsKey = L"Software\\Microsoft\\Today\\Items";
constexpr DWORD kCustomItem = 4;

using InitializeCustomItemProc = HWND (*)(pf::TODAYLISTITEM*, HWND);

DWORD ReadNumber(HKEY key, const wchar_t* name, DWORD fallback) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      size != sizeof value) {
    return fallback;
  }
  return value;
}

std::wstring ReadText(HKEY key, const wchar_t* name) {
  wchar_t text[MAX_PATH] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS) {
    return std::wstring();
  }
  return text;
}

// Reads one item key; false when it is not an enabled custom item.
bool ReadItem(HKEY items, const wchar_t* name, Item* item) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(items, name, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  bool wanted = ReadNumber(key, L"Type", 0) == kCustomItem && ReadNumber(key, L"Enabled", 0) != 0;
  if (wanted) {
    item->key = name;
    item->dll = ReadText(key, L"DLL");
    item->order = ReadNumber(key, L"Order", 0);
    item->options = ReadNumber(key, L"Options", 0);
    item->selectability = ReadNumber(key, L"Selectability", 0);
  }
  RegCloseKey(key);
  return wanted && !item->dll.empty();
}

void FillRecord(Item& item) {
  pf::TODAYLISTITEM& r = item.record;
  r = pf::TODAYLISTITEM{};
  lstrcpynW(reinterpret_cast<wchar_t*>(r.szName), item.key.c_str(), pf::MAX_ITEMNAME);
  r.tlit = pf::tlitCustom;
  r.dwOrder = item.order;
  r.fEnabled = 1;
  r.fOptions = item.options != 0;
  r.grflags = item.selectability;
  lstrcpynW(reinterpret_cast<wchar_t*>(r.szDLLPath), item.dll.c_str(), MAX_PATH);
  r.hinstDLL = reinterpret_cast<std::uintptr_t>(item.module);
}

bool StartItem(Item& item, HWND parent) {
  item.module = LoadLibraryW(item.dll.c_str());
  if (item.module == nullptr) return false;
  auto initialize = reinterpret_cast<InitializeCustomItemProc>(
      reinterpret_cast<void*>(GetProcAddress(item.module, MAKEINTRESOURCEA(240))));
  if (initialize == nullptr) {
    FreeLibrary(item.module);
    item.module = nullptr;
    return false;
  }
  FillRecord(item);
  item.window = initialize(&item.record, parent);
  item.record.hwndCustom = reinterpret_cast<std::uintptr_t>(item.window);
  return item.window != nullptr;
}

}  // namespace

void ReadItemList(std::vector<Item>& items) {
  items.clear();
  HKEY root = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kItemsKey, 0, KEY_READ, &root) != ERROR_SUCCESS) return;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(root, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    Item item;
    if (ReadItem(root, name, &item)) items.push_back(item);
  }
  RegCloseKey(root);
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.order < b.order; });
}

void CreateItems(Host& host) {
  ReadItemList(host.items);
  for (Item& item : host.items) StartItem(item, host.window);
  host.items.erase(std::remove_if(host.items.begin(), host.items.end(),
                                  [](const Item& item) { return item.window == nullptr; }),
                   host.items.end());
  host.selected = -1;
  QueryItemHeights(host);
  LayoutItems(host);
}

void DestroyItems(Host& host) {
  for (Item& item : host.items) {
    if (item.window != nullptr) DestroyWindow(item.window);
    if (item.module != nullptr) FreeLibrary(item.module);
  }
  host.items.clear();
  host.selected = -1;
}

// The shell's refresh query: true when any item reported a new height.
bool QueryItemHeights(Host& host) {
  bool changed = false;
  for (Item& item : host.items) {
    LRESULT result = SendMessageW(item.window, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE,
                                  reinterpret_cast<WPARAM>(&item.record), 0);
    if (result != 0) changed = true;
  }
  return changed;
}

void LayoutItems(Host& host) {
  RECT client;
  GetClientRect(host.window, &client);
  int y = host.headerHeight;
  for (Item& item : host.items) {
    int height = static_cast<int>(item.record.cyp);
    MoveWindow(item.window, 0, y, client.right - client.left, height, TRUE);
    y += height;
  }
  InvalidateRect(host.window, nullptr, TRUE);
}

// Where each item window is, in the host's client coordinates.
void ReportItems(const Host& host) {
  for (const Item& item : host.items) {
    RECT r{};
    GetWindowRect(item.window, &r);
    MapWindowPoints(HWND_DESKTOP, host.window, reinterpret_cast<POINT*>(&r), 2);
    Say(L"todayhost: item " + item.key + L" height " + std::to_wstring(item.record.cyp) + L" at " +
        std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" width " +
        std::to_wstring(r.right - r.left));
  }
  if (host.items.empty()) Say(L"todayhost: no enabled Today items");
}

void SelectItem(Host& host, int index) {
  if (index == host.selected) return;
  if (host.selected >= 0 && host.selected < static_cast<int>(host.items.size())) {
    SendMessageW(host.items[host.selected].window, pf::WM_TODAYCUSTOM_LOSTSELECTION, 0, 0);
  }
  host.selected = index;
  if (index >= 0 && index < static_cast<int>(host.items.size())) {
    SendMessageW(host.items[index].window, pf::WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0);
  }
}

void OpenItemOptions(Host& host, int index) {
  if (index < 0 || index >= static_cast<int>(host.items.size())) return;
  Item& item = host.items[index];
  if (item.options == 0) return;
  auto dialogProc = reinterpret_cast<DLGPROC>(
      reinterpret_cast<void*>(GetProcAddress(item.module, MAKEINTRESOURCEA(241))));
  if (dialogProc == nullptr) return;
  DialogBoxParamW(item.module, MAKEINTRESOURCEW(500), host.window, dialogProc, 0);
}

}  // namespace todayhost
