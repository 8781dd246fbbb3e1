// ostrelcfg-sim: runs the settings program on the host platform, plays a script of taps and reports the view and the registry.
#include <sys/stat.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

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

constexpr const char* kUsage =
    "usage: ostrelcfg-sim [--reg F]... [--strict] [--codepage N] [--dpi N] [--size WxH]\n"
    "                     [--device-root DIR] [--ui SCRIPT] [--fail-save-op N] [--dump-view]\n"
    "                     [--export-reg OUT.reg]\n"
    "--strict: a .reg line that cannot be used refuses the file (otherwise it is skipped and\n"
    "  reported); --codepage N: ANSI code page of .reg files (1250-1258, default 1251)\n"
    "--fail-save-op N: the N-th registry operation of the first save fails once\n"
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
  bool help = false;
};

class Args {
 public:
  Args(int argc, char** argv) : args_(argv + 1, argv + argc) {}
  bool Done() const { return next_ >= args_.size(); }
  std::string Next() { return args_[next_++]; }
  std::string Value(const std::string& option) {
    if (Done()) throw InputError(option + " needs a value");
    return Next();
  }
  int Int(const std::string& option, int least, int most) {
    std::string text = Value(option);
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != 0 || value < least || value > most) {
      throw InputError(option + " wants a number from " + std::to_string(least) + " to " +
                       std::to_string(most) + ", not '" + text + "'");
    }
    return static_cast<int>(value);
  }

 private:
  std::vector<std::string> args_;
  std::size_t next_ = 0;
};

void ParseSize(const std::string& text, Options& options) {
  std::size_t x = text.find('x');
  char* end = nullptr;
  long w = x == std::string::npos ? 0 : std::strtol(text.substr(0, x).c_str(), &end, 10);
  bool goodWidth = x != std::string::npos && x > 0 && *end == 0;
  long h = goodWidth ? std::strtol(text.substr(x + 1).c_str(), &end, 10) : 0;
  if (!goodWidth || x + 1 >= text.size() || *end != 0 || w < 1 || h < 1 || w > kLargestScreenSide ||
      h > kLargestScreenSide) {
    throw InputError("--size wants WIDTHxHEIGHT in pixels (for example 480x640), not '" + text + "'");
  }
  options.width = static_cast<int>(w);
  options.height = static_cast<int>(h);
}

Options ParseOptions(Args& args) {
  Options options;
  while (!args.Done()) {
    std::string arg = args.Next();
    if (arg == "--reg") options.regFiles.push_back(args.Value(arg));
    else if (arg == "--strict") options.regOptions.strict = true;
    else if (arg == "--codepage") options.regOptions.codePage = args.Int(arg, 1250, 1258);
    else if (arg == "--dpi") options.dpi = args.Int(arg, 24, 960);
    else if (arg == "--size") ParseSize(args.Value(arg), options);
    else if (arg == "--device-root") options.deviceRoot = args.Value(arg);
    else if (arg == "--ui") options.script = ParseScript(args.Value(arg));
    else if (arg == "--fail-save-op") options.failSaveOp = args.Int(arg, 1, 100000);
    else if (arg == "--dump-view") options.dumpView = true;
    else if (arg == "--export-reg") options.exportReg = args.Value(arg);
    else if (arg == "--help" || arg == "-h") options.help = true;
    else throw InputError("unknown option '" + arg + "'");
  }
  return options;
}

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
  int width = options.width ? options.width : 240 * options.dpi / 96;
  int height = options.height ? options.height : 320 * options.dpi / 96;
  pf::host::HostControlStore().SetScreenSize(width, height);
  pf::host::HostModule().SetModulePath(u"\\Windows\\ostrelcfg.exe");
}

int Run(const Options& options) {
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
  using ostrel::sim::InputError;
  try {
    ostrel::sim::Args args(argc, argv);
    ostrel::sim::Options options = ostrel::sim::ParseOptions(args);
    if (options.help) {
      std::cout << ostrel::sim::kUsage;
      return 0;
    }
    return ostrel::sim::Run(options);
  } catch (const InputError& e) {
    std::cerr << "ostrelcfg-sim: " << e.what() << "\n";
    return 2;
  }
}
