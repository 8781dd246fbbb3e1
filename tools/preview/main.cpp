// ostrel-preview: runs the Today item's code on the host platform and reports what it would show.
#include <iostream>
#include <string>
#include <vector>

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

constexpr const char* kUsage =
    "usage: ostrel-preview [--reg FILE]... [--strict] [--codepage N] [--dpi N] [--module-path PATH]\n"
    "                      [--settings-program] --dump-settings [--save OUT.reg]\n"
    "  --strict: a .reg line that cannot be used refuses the file (otherwise it is skipped\n"
    "            and reported); --codepage N: ANSI code page of .reg files (1250-1258, 1251)\n";

struct Options {
  std::vector<std::string> regFiles;
  pf::host::RegImportOptions regOptions;
  int dpi = 96;
  std::u16string modulePath = u"\\Windows\\ostrel.dll";
  bool settingsProgram = false;
  bool dumpSettings = false;
  std::string saveReg;
  StatusOptions status;
  ItemOptions item;
};

Options ParseOptions(ArgReader& args) {
  Options options;
  bool dpiGiven = false;
  while (!args.Done()) {
    std::string arg = args.Next();
    if (arg == "--reg") options.regFiles.push_back(args.Value(arg));
    else if (arg == "--strict") options.regOptions.strict = true;
    else if (arg == "--codepage") options.regOptions.codePage = args.IntValue(arg, 1250, 1258);
    else if (arg == "--dpi") {
      options.dpi = args.IntValue(arg, 1, 2000);
      dpiGiven = true;
    }
    else if (arg == "--module-path") options.modulePath = pf::FromUtf8(args.Value(arg));
    else if (arg == "--settings-program") options.settingsProgram = true;
    else if (arg == "--dump-settings") options.dumpSettings = true;
    else if (arg == "--save") options.saveReg = args.Value(arg);
    else if (ParseStatusOption(arg, args, options.status)) continue;
    else if (ParseItemOption(arg, args, options.item)) continue;
    else if (arg == "--help" || arg == "-h") throw UsageError("help");
    else throw UsageError("unknown option '" + arg + "'");
  }
  if (!options.dumpSettings && !options.status.dump && !options.item.Wanted()) {
    throw UsageError("nothing to do: give --png, --json, --sheet, --dump-settings or --dump-status");
  }
  if (!options.item.sheet.empty() && dpiGiven) {
    throw UsageError("--sheet draws at 96, 128 and 192 dpi; it takes no --dpi");
  }
  if (options.item.Wanted() && (options.dumpSettings || options.status.dump || options.settingsProgram)) {
    throw UsageError("--png, --json and --sheet play the item; they do not combine with --dump-settings, "
                     "--dump-status or --settings-program");
  }
  if (!options.saveReg.empty() && !options.settingsProgram) {
    throw UsageError("--save writes the registry as the settings program does: add --settings-program");
  }
  return options;
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
  WriteSettingsJson(std::cout, settings);
  return 0;
}

}  // namespace
}  // namespace ostrel::preview

int main(int argc, char** argv) {
  using namespace ostrel::preview;
  try {
    ArgReader args(argc, argv);
    return Run(ParseOptions(args));
  } catch (const UsageError& e) {
    if (std::string(e.what()) == "help") {
      std::cout << kUsage << kStatusUsage << kItemUsage << kEventsUsage << kSheetUsage;
      return 0;
    }
    std::cerr << "ostrel-preview: " << e.what() << "\n";
    return 2;
  }
}
