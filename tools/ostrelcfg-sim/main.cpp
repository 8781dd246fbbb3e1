// ostrelcfg-sim: runs the settings program on the host platform, plays a script of taps and reports the view and the registry.
#include <sys/stat.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "config/config.h"
#include "platform/host/failing_registry.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_files.h"
#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/host/reg_file.h"
#include "tools/ostrelcfg-sim/sim_script.h"
#include "tools/ostrelcfg-sim/view_json.h"

namespace ostrel::sim {

constexpr const char* kAbout =
    "ostrelcfg-sim: runs the settings program on the host platform, plays a script of taps and\n"
    "reports the view and the registry.";

constexpr const char* kScriptGrammar =
    "SCRIPT: actions separated by ';': tab N, select LIST ROW, check LIST ROW 0|1,\n"
    "  dbltap LIST ROW, press BUTTON, type EDIT TEXT, choose COMBO INDEX,\n"
    "  choosetext COMBO TEXT, tick CHECKBOX 0|1, ok, cancel, resize W H\n";

namespace {

struct Options {
  std::vector<std::string> regFiles;
  pf::host::RegImportOptions regOptions;
  int dpi = 96;
  int width = 0;  // 0: 240 x 320 at 96 dpi, scaled with the density
  int height = 0;
  std::string deviceRoot;
  std::vector<Action> script;
  int failSaveOp = 0;  // 0: no failure
  bool dumpView = false;
  std::string exportReg;
};

int Int(const std::string& option, const std::string& text, int least, int most) {
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != 0 || value < least || value > most) {
    throw InputError(option + " wants a number from " + std::to_string(least) + " to " + std::to_string(most) +
                     ", not '" + text + "'");
  }
  return static_cast<int>(value);
}

void ParseSize(const std::string& text, Options& options) {
  std::size_t x = text.find('x');
  // The parts are kept alive while strtol's end pointer into them is read.
  const std::string width = x == std::string::npos ? std::string() : text.substr(0, x);
  const std::string height = x == std::string::npos ? std::string() : text.substr(x + 1);
  char* end = nullptr;
  long w = x == std::string::npos ? 0 : std::strtol(width.c_str(), &end, 10);
  bool goodWidth = x != std::string::npos && x > 0 && *end == 0;
  long h = goodWidth ? std::strtol(height.c_str(), &end, 10) : 0;
  if (!goodWidth || x + 1 >= text.size() || *end != 0 || w < 1 || h < 1 || w > kLargestScreenSide ||
      h > kLargestScreenSide) {
    throw InputError("--size wants WIDTHxHEIGHT in pixels (for example 480x640), not '" + text + "'");
  }
  options.width = static_cast<int>(w);
  options.height = static_cast<int>(h);
}

// Each option keeps its value in `options` as it is met; a bad one throws InputError.
void AddOptions(CLI::App& app, Options& options) {
  using Value = const std::string&;
  cli::Describe(app, kAbout, kScriptGrammar);
  cli::AddValue(app, "--reg", "FILE", "a .reg file applied to the registry before the run (repeatable)",
                [&options](Value file) { options.regFiles.push_back(file); });
  cli::AddFlag(app, "--strict", "a .reg line that cannot be used refuses its file (otherwise: skipped, reported)",
               options.regOptions.strict);
  cli::AddValue(app, "--codepage", "N",
                "ANSI code page of .reg files without a byte-order mark (1250 to 1258, default 1251)",
                [&options](Value text) { options.regOptions.codePage = Int("--codepage", text, 1250, 1258); });
  cli::AddValue(app, "--dpi", "N", "the screen density (24 to 960, default 96)",
                [&options](Value text) { options.dpi = Int("--dpi", text, 24, 960); });
  cli::AddValue(app, "--size", "WxH", "the screen in pixels (default 240x320 scaled with the density)",
                [&options](Value text) { ParseSize(text, options); });
  cli::AddValue(app, "--device-root", "DIR", "the host folder that holds the device's files",
                cli::Into(options.deviceRoot));
  cli::AddValue(app, "--ui", "SCRIPT|@FILE",
                "the person's actions on the program (SCRIPT below; @FILE: read from FILE, '@-' standard input)",
                [&options](Value text) { options.script = ParseScript(cli::ScriptArgument("--ui", text)); });
  cli::AddValue(app, "--fail-save-op", "N",
                "the N-th registry operation of the first save fails once (1 to 100000)",
                [&options](Value text) { options.failSaveOp = Int("--fail-save-op", text, 1, 100000); });
  cli::AddFlag(app, "--dump-view", "write the view, the broadcasts and the message boxes as JSON", options.dumpView);
  cli::AddValue(app, "--export-reg", "OUT.reg", "export the whole registry after the run",
                cli::Into(options.exportReg));
}

int ScreenWidth(const Options& options) { return options.width ? options.width : 240 * options.dpi / 96; }
int ScreenHeight(const Options& options) { return options.height ? options.height : 320 * options.dpi / 96; }

void PreparePlatform(const Options& options) {
  std::string error;
  if (!pf::host::ImportRegFiles(pf::host::HostRegistry(), options.regFiles, options.regOptions,
                                std::cerr, &error)) {
    throw InputError(error);
  }
  if (!options.deviceRoot.empty()) {
    struct stat st;
    if (::stat(options.deviceRoot.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
      throw InputError("--device-root: '" + options.deviceRoot + "' is not a folder");
    }
    pf::host::HostFileSystem().SetDeviceRoot(options.deviceRoot);
  }
  pf::host::HostScreen().SetScreenDpi(options.dpi, options.dpi);
  pf::host::HostControlStore().SetScreenSize(ScreenWidth(options), ScreenHeight(options));
  pf::host::HostModule().SetModulePath(u"\\Windows\\ostrelcfg.exe");
}

int Run(const Options& options) {
  RefuseResizesBeyond(options.script, ScreenWidth(options), ScreenHeight(options));
  PreparePlatform(options);
  pf::host::FailingRegistry failing(pf::host::HostRegistry(), options.failSaveOp);
  if (options.failSaveOp != 0) pf::SetRegistry(&failing);
  std::size_t next = 0;
  pf::host::HostControlStore().SetUserInput([&]() {
    if (next >= options.script.size()) return false;
    Perform(options.script[next++]);
    return true;
  });
  cfg::SettingsProgramMain(pf::ModuleHandle{}, pf::SW_SHOWNORMAL);
  pf::host::HostControlStore().SetUserInput(nullptr);
  pf::SetRegistry(nullptr);
  if (next < options.script.size()) RefuseAfterClose(options.script[next]);
  if (options.dumpView) WriteViewJson(std::cout);
  if (!options.exportReg.empty()) {
    std::string error;
    if (!pf::host::ExportRegFile(pf::host::HostRegistry(), options.exportReg, &error)) {
      throw InputError(error);
    }
  }
  return 0;
}

}  // namespace
}  // namespace ostrel::sim

int main(int argc, char** argv) {
  ostrel::sim::Options options;
  CLI::App app("", "ostrelcfg-sim");
  ostrel::sim::AddOptions(app, options);
  return ostrel::cli::RunTool(app, argc, argv, [&options] { return ostrel::sim::Run(options); });
}
