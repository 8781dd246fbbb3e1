// ostrel-faults: runs each fault scenario once clean and then once per failing call N, each run in a child process, and reports the failures by scenario, service and kind.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/host/host_font_families.h"
#include "platform/host/host_fonts.h"
#include "platform/text.h"
#include "tests/faults/scenarios.h"
#include "tests/faults/store_checks.h"
#include "tests/faults/seed.h"

// A sanitizer's report ends the run with its own exit code.
extern "C" const char* __asan_default_options() { return "exitcode=86"; }
extern "C" const char* __ubsan_default_options() { return "exitcode=86:print_stacktrace=1"; }

namespace ostrel::faults {

namespace {

constexpr int kSanitizerExit = 86;
constexpr auto kHangLimit = std::chrono::seconds(20);

struct Options {
  std::vector<std::string> scenarios;  // empty: all
  int every = 1;
  int jobs = 2;
  std::string summary;
  std::string work = "/tmp";
  long only = 0;  // a single N (with one scenario), for looking at one run
  bool verbose = false;
  bool trace = false;  // print the clean run's calls
  std::vector<std::string> known;  // kinds of failure reported without failing the sweep
};

[[noreturn]] void Usage(const std::string& why) {
  std::cerr << "ostrel-faults: " << why << "\n"
            << "usage: ostrel-faults [--scenario item|settings|failed_save]... [--every K] [--jobs J]\n"
            << "                     [--summary FILE] [--work DIR] [--only N] [--known KIND]... [--verbose] [--trace]\n";
  std::exit(2);
}

long Number(const std::string& text, const char* option, long least) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != 0 || value < least || value > 1000000) {
    Usage(std::string(option) + " wants a number from " + std::to_string(least) + ", got '" + text + "'");
  }
  return value;
}

Options Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) Usage(arg + " wants a value");
      return argv[++i];
    };
    if (arg == "--scenario") {
      o.scenarios.push_back(value());
    } else if (arg == "--every") {
      o.every = static_cast<int>(Number(value(), "--every", 1));
    } else if (arg == "--jobs") {
      o.jobs = static_cast<int>(Number(value(), "--jobs", 1));
    } else if (arg == "--summary") {
      o.summary = value();
    } else if (arg == "--work") {
      o.work = value();
    } else if (arg == "--only") {
      o.only = Number(value(), "--only", 0);
    } else if (arg == "--known") {
      o.known.push_back(value());
    } else if (arg == "--trace") {
      o.trace = true;
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else {
      Usage("unknown option '" + arg + "'");
    }
  }
  return o;
}

// One run: the scenario under a plan failing call n (0: none), in this process.
void RunHere(const Scenario& scenario, const ScenarioContext& context, long n, const std::string& path) {
  pf::faults::FaultPlan plan(n);
  plan.Trace(n == 0);
  RunRecord record;
  scenario.run(context, scenario.variant, plan, record);
  record.calls = plan.Counted();
  if (plan.Failed()) record.failedCall = std::string(plan.FailedCall().service) + "." + plan.FailedCall().method;
  for (const auto& traced : plan.Calls()) {
    record.trace.push_back(std::string(traced.call.service) + "." + traced.call.method + (traced.canFail ? " 1" : " 0"));
  }
  if (!WriteRecord(record, path)) std::_Exit(3);
}

struct Child {
  pid_t pid = 0;
  long n = 0;
  std::string path;
  std::chrono::steady_clock::time_point started;
  bool killed = false;
};

struct Outcome {
  long n = 0;
  std::vector<Finding> findings;
  RunRecord record;
};

Child Spawn(const Scenario& scenario, const ScenarioContext& context, long n, const std::string& work) {
  Child child;
  child.n = n;
  child.path = work + "/run-" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".txt";
  std::filesystem::remove(child.path);
  std::cout.flush();
  child.pid = ::fork();
  if (child.pid == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) ::dup2(null, STDOUT_FILENO);
    RunHere(scenario, context, n, child.path);
    std::exit(0);
  }
  child.started = std::chrono::steady_clock::now();
  return child;
}

Outcome Collect(const Child& child, int status, const RunRecord* clean) {
  Outcome out;
  out.n = child.n;
  if (child.killed) {
    out.findings.push_back({Failure::Hang, "no end after 20 s"});
  } else if (WIFSIGNALED(status)) {
    out.findings.push_back({Failure::Crash, std::string("signal ") + strsignal(WTERMSIG(status))});
  } else if (WEXITSTATUS(status) == kSanitizerExit) {
    out.findings.push_back({Failure::Sanitizer, "a sanitizer report (run it alone with --only to see it)"});
  } else if (WEXITSTATUS(status) != 0 || !ReadRecord(child.path, &out.record) || !out.record.finished) {
    out.findings.push_back({Failure::Crash, "exit " + std::to_string(WEXITSTATUS(status)) + " before the end"});
  } else if (clean != nullptr) {
    out.findings = Compare(*clean, out.record);
    for (const Finding& f : StoreFindings(*clean, out.record)) out.findings.push_back(f);
  }
  std::filesystem::remove(child.path);
  return out;
}

// Runs the children for every n in ns, at most jobs at a time.
std::vector<Outcome> RunAll(const Scenario& scenario, const ScenarioContext& context, const std::vector<long>& ns,
                            const Options& options, const RunRecord* clean) {
  std::vector<Outcome> outcomes;
  std::vector<Child> running;
  std::size_t next = 0;
  while (next < ns.size() || !running.empty()) {
    while (next < ns.size() && static_cast<int>(running.size()) < options.jobs) {
      running.push_back(Spawn(scenario, context, ns[next++], options.work));
    }
    bool reaped = false;
    for (std::size_t i = 0; i < running.size(); ++i) {
      int status = 0;
      if (::waitpid(running[i].pid, &status, WNOHANG) == running[i].pid) {
        outcomes.push_back(Collect(running[i], status, clean));
        running.erase(running.begin() + static_cast<long>(i));
        reaped = true;
        break;
      }
      if (!running[i].killed && std::chrono::steady_clock::now() - running[i].started > kHangLimit) {
        ::kill(running[i].pid, SIGKILL);
        running[i].killed = true;
      }
    }
    if (!reaped) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return outcomes;
}

struct Tally {
  long runs = 0;
  long failures[kFailureKinds] = {};
  void Add(const Outcome& o) {
    ++runs;
    bool seen[kFailureKinds] = {};
    for (const Finding& f : o.findings) seen[static_cast<int>(f.kind)] = true;
    for (int k = 0; k < kFailureKinds; ++k) failures[k] += seen[k] ? 1 : 0;
  }
  long Total() const {
    long total = 0;
    for (long f : failures) total += f;
    return total;
  }
};

std::string TallyJson(const Tally& t) {
  std::string json = "{\"runs\": " + std::to_string(t.runs) + ", \"failures\": {";
  for (int k = 0; k < kFailureKinds; ++k) {
    json += std::string(k ? ", " : "") + "\"" + FailureName(k) + "\": " + std::to_string(t.failures[k]);
  }
  return json + "}}";
}

void PrintTally(const std::string& label, const Tally& t) {
  std::printf("  %-34s runs %6ld", label.c_str(), t.runs);
  for (int k = 0; k < kFailureKinds; ++k) {
    if (t.failures[k] != 0) std::printf("  %s %ld", FailureName(k), t.failures[k]);
  }
  std::printf("\n");
}

struct ScenarioTally {
  Tally all;
  long calls = 0;
  long failable = 0;
  std::map<std::string, Tally> services;
};

// The failable calls of the clean run, every k-th of them.
std::vector<long> Sample(const RunRecord& clean, int every, long* failable) {
  std::vector<long> ns;
  *failable = 0;
  for (std::size_t i = 0; i < clean.trace.size(); ++i) {
    if (clean.trace[i].back() != '1') continue;
    if ((*failable)++ % every == 0) ns.push_back(static_cast<long>(i) + 1);
  }
  return ns;
}

std::string ServiceOf(const RunRecord& clean, long n) {
  const std::string& call = clean.trace[static_cast<std::size_t>(n - 1)];
  return call.substr(0, call.find('.'));
}

void SweepOne(const Scenario& scenario, const ScenarioContext& context, const Options& options,
              std::map<std::string, ScenarioTally>& tallies, std::ofstream& failures) {
  const std::string label = scenario.name + (scenario.variant.empty() ? "" : " " + scenario.variant);
  std::vector<Outcome> clean = RunAll(scenario, context, {0}, options, nullptr);
  if (!clean[0].findings.empty() || !clean[0].record.problems.empty()) {
    std::printf("%s: the clean run fails: %s\n", label.c_str(),
                clean[0].findings.empty() ? clean[0].record.problems[0].c_str() : clean[0].findings[0].detail.c_str());
    tallies[scenario.name].all.Add(clean[0].findings.empty() ? Outcome{0, {{Failure::Crash, ""}}, {}} : clean[0]);
    return;
  }
  const RunRecord& cleanRecord = clean[0].record;
  if (options.trace) {
    for (const std::string& call : cleanRecord.trace) std::printf("%s\n", call.c_str());
    for (const std::string& line : cleanRecord.stored) std::printf("stored %s\n", line.c_str());
    for (const std::string& line : cleanRecord.pictures) std::printf("picture %s\n", line.c_str());
    for (const auto& [kind, count] : cleanRecord.held) std::printf("held %s %ld\n", kind.c_str(), count);
  }
  long failable = 0;
  std::vector<long> ns = options.only ? std::vector<long>{options.only} : Sample(cleanRecord, options.every, &failable);
  ScenarioTally& tally = tallies[scenario.name];
  tally.calls += cleanRecord.calls;
  tally.failable += failable;
  const auto started = std::chrono::steady_clock::now();
  for (const Outcome& o : RunAll(scenario, context, ns, options, &cleanRecord)) {
    const std::string service = ServiceOf(cleanRecord, o.n);
    tally.all.Add(o);
    tally.services[service].Add(o);
    for (const Finding& f : o.findings) {
      failures << label << " N=" << o.n << " " << cleanRecord.trace[static_cast<std::size_t>(o.n - 1)] << ": "
               << FailureName(static_cast<int>(f.kind)) << ": " << f.detail << "\n";
      if (options.verbose) {
        std::printf("%s N=%ld %s: %s: %s\n", label.c_str(), o.n, cleanRecord.trace[static_cast<std::size_t>(o.n - 1)].c_str(),
                    FailureName(static_cast<int>(f.kind)), f.detail.c_str());
      }
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%s: %ld calls, %ld can fail, %zu runs in %.0f s\n", label.c_str(), cleanRecord.calls, failable,
              ns.size(), seconds);
  std::fflush(stdout);
}

// The font files matched and loaded once here, so that every run's process
// finds them ready instead of reading the font configuration again.
void WarmFonts() {
  for (const std::u16string& face : pf::host::HostFontFamilies::DefaultFaces()) {
    for (int weight : {400, 700}) {
      pf::LOGFONTW font;
      font.lfHeight = -12;
      font.lfWeight = weight;
      pf::CopyText(font.lfFaceName, pf::LF_FACESIZE, face.c_str());
      pf::host::RealizeFont(font);
    }
  }
}

}  // namespace

int Main(int argc, char** argv) {
  const Options options = Parse(argc, argv);
  WarmFonts();
  ScenarioContext context;
  context.deviceRoot = MakeDeviceRoot(OSTREL_SOURCE_DIR, 30);
  if (context.deviceRoot.empty()) Usage("cannot make a device folder under /tmp");
  std::filesystem::create_directories(options.work);
  std::ofstream failures(options.work + "/failures.txt");
  std::map<std::string, ScenarioTally> tallies;
  bool any = false;
  for (const Scenario& scenario : AllScenarios()) {
    bool wanted = options.scenarios.empty();
    for (const std::string& name : options.scenarios) wanted = wanted || name == scenario.name;
    if (!wanted) continue;
    any = true;
    SweepOne(scenario, context, options, tallies, failures);
  }
  std::filesystem::remove_all(context.deviceRoot);
  if (!any) Usage("no such scenario");
  long failed = 0;
  long known = 0;
  std::string json = "{\"scenarios\": {";
  bool first = true;
  for (const auto& [name, t] : tallies) {
    std::printf("%s: %ld calls counted, %ld can fail\n", name.c_str(), t.calls, t.failable);
    PrintTally("all services", t.all);
    for (const auto& [service, s] : t.services) PrintTally(service, s);
    json += std::string(first ? "" : ", ") + "\"" + name + "\": " + TallyJson(t.all);
    first = false;
    for (int k = 0; k < kFailureKinds; ++k) {
      bool isKnown = false;
      for (const std::string& kind : options.known) isKnown = isKnown || kind == FailureName(k);
      (isKnown ? known : failed) += t.all.failures[k];
    }
  }
  json += "}}\n";
  if (!options.summary.empty()) std::ofstream(options.summary) << json;
  std::printf("%s", json.c_str());
  if (known != 0) std::printf("%ld failures of the kinds named by --known (see %s/failures.txt)\n", known, options.work.c_str());
  return failed == 0 ? 0 : 1;
}

}  // namespace ostrel::faults

int main(int argc, char** argv) { return ostrel::faults::Main(argc, argv); }
