// The process-wide current clock, locale, device and window services.
#include "platform/clock.h"
#include "platform/device.h"
#include "platform/locale.h"
#include "platform/window.h"

namespace pf {

namespace {
ClockService* g_clock = nullptr;
LocaleService* g_locale = nullptr;
DeviceService* g_device = nullptr;
WindowService* g_windows = nullptr;
}  // namespace

ClockService& Clock() { return g_clock ? *g_clock : PlatformClock(); }
void SetClock(ClockService* service) { g_clock = service; }

LocaleService& Locale() { return g_locale ? *g_locale : PlatformLocale(); }
void SetLocale(LocaleService* service) { g_locale = service; }

DeviceService& Device() { return g_device ? *g_device : PlatformDevice(); }
void SetDevice(DeviceService* service) { g_device = service; }

WindowService& Windows() { return g_windows ? *g_windows : PlatformWindows(); }
void SetWindows(WindowService* service) { g_windows = service; }

}  // namespace pf
