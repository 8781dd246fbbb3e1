// The process-wide current shell service.
#include "platform/shell.h"

namespace pf {

namespace {
ShellService* g_shell = nullptr;
}  // namespace

ShellService& Shell() { return g_shell ? *g_shell : PlatformShell(); }
void SetShell(ShellService* service) { g_shell = service; }

}  // namespace pf
