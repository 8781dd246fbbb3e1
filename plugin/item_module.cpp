// The module entry and the two exports' behaviour: class registration, item window creation and the options dialog.
#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "plugin/item_state.h"
#include "plugin/item_window.h"
#include "plugin/taps.h"

namespace ostrel {

bool AttachModule(pf::ModuleHandle module) {
  ItemState& item = Item();
  item.ModuleInstance = module;
  pf::UnregisterClassW(kItemClassName, module);
  pf::WNDCLASSW windowClass;
  windowClass.style = pf::CS_DBLCLKS;
  windowClass.lpfnWndProc = ItemWindowProc;
  windowClass.hInstance = module;
  windowClass.hbrBackground = static_cast<std::uintptr_t>(pf::GetStockObject(pf::WHITE_BRUSH));
  windowClass.lpszClassName = kItemClassName;
  if (pf::RegisterClassW(&windowClass) == 0) return false;
  item.ItemWindow = pf::WindowHandle{};
  return true;
}

void DetachModule() {
  ItemState& item = Item();
  pf::UnregisterClassW(kItemClassName, item.ModuleInstance);
  item.ModuleInstance = pf::ModuleHandle{};
}

pf::WindowHandle InitializeCustomItem(pf::TODAYLISTITEM*, pf::WindowHandle parent) {
  const pf::WindowHandle window = pf::CreateWindowExW(
      0, kItemClassName, kItemClassName, pf::WS_CHILD | pf::WS_VISIBLE, pf::CW_USEDEFAULT,
      pf::CW_USEDEFAULT, pf::GetSystemMetrics(pf::SM_CXSCREEN), 0, parent, 0,
      Item().ModuleInstance, nullptr);
  // Without a window there is nothing to show, and a timer would belong to no window.
  if (pf::IsNull(window)) return window;
  pf::ShowWindow(window, pf::SW_SHOWNORMAL);
  pf::UpdateWindow(window);
  // A refused timer is asked for again at the shell's next refresh query.
  if (pf::SetTimer(window, kRefreshTimer, kRefreshPeriod, nullptr) == 0) Item().Missing |= kMissingTimer;
  return window;
}

int CustomItemOptionsDlgProc(pf::WindowHandle dialog, std::uint32_t message, pf::WPARAM wParam,
                             pf::LPARAM) {
  switch (message) {
    case pf::WM_INITDIALOG:
      StartSettingsProgram(Item().ModuleInstance);
      pf::EndDialog(dialog, pf::LOWORD(wParam));
      return 1;
    case pf::WM_COMMAND: {
      const int id = static_cast<int>(pf::LOWORD(wParam));
      if (id == pf::IDOK || id == pf::IDCANCEL) pf::EndDialog(dialog, id);
      return 1;
    }
    default:
      return 0;
  }
}

}  // namespace ostrel
