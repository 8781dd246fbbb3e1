// The Today item's module entry, the behaviour of its two exports, and its window procedure.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/today.h"
#include "platform/types.h"

namespace ostrel {

constexpr const char16_t* kItemClassName = u"Ostrel";
constexpr std::uintptr_t kRefreshTimer = 1;
constexpr std::uint32_t kRefreshPeriod = 1000;  // milliseconds
constexpr unsigned CMD_SETTINGS = 1006;
constexpr const char16_t* kSettingsMenuText = u"Настройки";

// Module attach: registers the item window's class (any class of that name
// this module left registered goes first). False when registration fails:
// the module must not load then.
bool AttachModule(pf::ModuleHandle module);
// Module detach: removes the class.
void DetachModule();

// Ordinal 240: creates the item window under the Today window, shows it and
// starts its refresh timer. The item record is not read.
pf::WindowHandle InitializeCustomItem(pf::TODAYLISTITEM* item, pf::WindowHandle parent);

// Ordinal 241: the options dialog starts the settings program and closes at once.
int CustomItemOptionsDlgProc(pf::WindowHandle dialog, std::uint32_t message, pf::WPARAM wParam,
                             pf::LPARAM lParam);

pf::LRESULT ItemWindowProc(pf::WindowHandle window, std::uint32_t message, pf::WPARAM wParam,
                           pf::LPARAM lParam);

}  // namespace ostrel
