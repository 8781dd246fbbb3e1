// The process-wide current controls, files and font-families services.
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/fonts.h"

namespace pf {

namespace {
ControlsService* g_controls = nullptr;
FilesService* g_files = nullptr;
FontsService* g_fonts = nullptr;
}  // namespace

ControlsService& Controls() { return g_controls ? *g_controls : PlatformControls(); }
void SetControls(ControlsService* service) { g_controls = service; }

FilesService& Files() { return g_files ? *g_files : PlatformFiles(); }
void SetFiles(FilesService* service) { g_files = service; }

FontsService& Fonts() { return g_fonts ? *g_fonts : PlatformFonts(); }
void SetFonts(FontsService* service) { g_fonts = service; }

}  // namespace pf
