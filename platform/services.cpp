// The process-wide current implementation of each platform service.
#include "platform/gdi.h"
#include "platform/module.h"
#include "platform/registry.h"

namespace pf {

namespace {
RegistryService* g_registry = nullptr;
GdiService* g_gdi = nullptr;
ModuleService* g_modules = nullptr;
}  // namespace

RegistryService& Registry() { return g_registry ? *g_registry : PlatformRegistry(); }
void SetRegistry(RegistryService* service) { g_registry = service; }

GdiService& Gdi() { return g_gdi ? *g_gdi : PlatformGdi(); }
void SetGdi(GdiService* service) { g_gdi = service; }

ModuleService& Modules() { return g_modules ? *g_modules : PlatformModules(); }
void SetModules(ModuleService* service) { g_modules = service; }

}  // namespace pf
