// ostrel-preview: runs the Today item's code on the host platform and reports what it would show.
#include <iostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/host/reg_file.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "tools/preview/contact_sheet.h"
#include "tools/preview/dump_settings.h"
#include "tools/preview/dump_status.h"
#include "tools/preview/events.h"
#include "tools/preview/item_preview.h"
#include "tools/preview/preview_options.h"

namespace ostrel::preview {
namespace {

constexpr const char* kAbout =
    "ostrel-preview: runs the Today item's code on the host platform and reports what it would show.\n"
    "Modes: --png, --json or --sheet play the item; --dump-settings writes the settings record;\n"
    "--dump-status writes the status. .reg files set the registry first.";

struct Options {
  std::vector<std::string> regFiles;
  pf::host::RegImportOptions regOptions;
  int dpi = 96;
  bool dpiGiven = false;
  std::u16string modulePath = u"\\Windows\\ostrel.dll";
  bool settingsProgram = false;
  bool dumpSettings = false;
  std::string saveReg;
  StatusOptions status;
  ItemOptions item;
};

void AddOptions(CLI::App& app, Options& options) {
  cli::Describe(app, kAbout, kEventsUsage);
  cli::AddValue(app, "--reg", "FILE", "a .reg file applied to the registry before the run (repeatable)",
                [&options](const std::string& file) { options.regFiles.push_back(file); });
  cli::AddFlag(app, "--strict", "a .reg line that cannot be used refuses its file (otherwise: skipped, reported)",
               options.regOptions.strict);
  cli::AddValue(app, "--codepage", "N",
                "ANSI code page of .reg files without a byte-order mark (1250 to 1258, default 1251)",
                [&options](const std::string& text) {
                  options.regOptions.codePage = IntValue("--codepage", text, 1250, 1258);
                });
  cli::AddValue(app, "--dpi", "N", "the screen density (1 to 2000, default 96)", [&options](const std::string& text) {
    options.dpi = IntValue("--dpi", text, 1, 2000);
    options.dpiGiven = true;
  });
  cli::AddValue(app, "--module-path", "PATH", "the plug-in's module path (default \\Windows\\ostrel.dll)",
                [&options](const std::string& path) { options.modulePath = pf::FromUtf8(path); });
  cli::AddFlag(app, "--settings-program", "load (and save) the settings as the settings program does",
               options.settingsProgram);
  cli::AddFlag(app, "--dump-settings", "write the settings record as JSON", options.dumpSettings);
  cli::AddValue(app, "--save", "OUT.reg", "with --settings-program: save the settings and export the registry",
                cli::Into(options.saveReg));
  AddStatusOptions(app, options.status);
  AddItemOptions(app, options.item);
}

// The modes and the options they take, once every option is read.
void CheckModes(const Options& options) {
  if (!options.dumpSettings && !options.status.dump && !options.item.Wanted()) {
    throw UsageError("nothing to do: give --png, --json, --sheet, --dump-settings or --dump-status");
  }
  if (!options.item.sheet.empty() && options.dpiGiven) {
    throw UsageError("--sheet draws at 96, 128 and 192 dpi; it takes no --dpi");
  }
  if (options.item.Wanted() && (options.dumpSettings || options.status.dump || options.settingsProgram)) {
    throw UsageError("--png, --json and --sheet play the item; they do not combine with --dump-settings, "
                     "--dump-status or --settings-program");
  }
  if (!options.saveReg.empty() && !options.settingsProgram) {
    throw UsageError("--save writes the registry as the settings program does: add --settings-program");
  }
}

// The host registry as the .reg files leave it, the density and the module path.
void PreparePlatform(const Options& options) {
  pf::host::MemoryRegistry& registry = pf::host::HostRegistry();
  std::string error;
  if (!pf::host::ImportRegFiles(registry, options.regFiles, options.regOptions, std::cerr, &error)) {
    throw UsageError(error);
  }
  pf::host::HostScreen().SetScreenDpi(options.dpi, options.dpi);
  pf::host::HostModule().SetModulePath(options.modulePath);
}

int Run(const Options& options) {
  PreparePlatform(options);
  if (options.item.Wanted()) return RunItemPreview(options.item, options.status);
  Settings settings;
  settings.Owner = options.settingsProgram ? Deliverable::SettingsProgram : Deliverable::Plugin;
  LoadSettings(settings);
  if (!options.saveReg.empty()) {
    SaveSettings(settings);
    std::string error;
    if (!pf::host::ExportRegFile(pf::host::HostRegistry(), options.saveReg, &error)) throw UsageError(error);
  }
  if (options.status.dump) return RunDumpStatus(options.status, settings, std::cout);
  // Nothing reads the registry from here on: a large one need not be kept
  // beside the settings and their JSON.
  pf::host::HostRegistry().Clear();
  WriteSettingsJson(std::cout, settings);
  return 0;
}

}  // namespace
}  // namespace ostrel::preview

int main(int argc, char** argv) {
  using namespace ostrel::preview;
  Options options;
  CLI::App app("", "ostrel-preview");
  AddOptions(app, options);
  return ostrel::cli::RunTool(app, argc, argv, [&options] {
    CheckModes(options);
    return Run(options);
  });
}
