// The settings program's scenarios: a whole session on off-default settings, and saves whose N-th registry operation fails, then OK or Cancel.
#include <algorithm>
#include <sstream>
#include <string>

#include "config/config.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_files.h"
#include "platform/host/host_font_families.h"
#include "platform/host/host_module.h"
#include "platform/host/host_screen.h"
#include "platform/host/memory_registry.h"
#include "platform/host/reg_file.h"
#include "platform/text.h"
#include "platform/window.h"
#include "tests/faults/fault_services.h"
#include "tests/faults/scenarios.h"
#include "tests/faults/seed.h"
#include "tools/ostrelcfg-sim/sim_script.h"

namespace ostrel::faults {

namespace {

using pf::faults::AsCaller;
using pf::faults::Caller;

// The block pages' rows in the Pages tab with the seed's reversed order:
// Information, Launcher, Calendar, Date, Time, Wireless.
const char* const kSessionScript =
    "tab 2; tab 0;"
    "select GeneralList 2; press EditButton; cancel;"                       // margins
    "select GeneralList 3; press EditButton; cancel;"                       // a choice
    "tab 1; select PagesList 5; press EditButton;"                          // Wireless
    "select WirelessList 0; press EditButton; type LeftEdit 21; ok;"         // a number, changed
    "select WirelessList 7; press EditButton; cancel; ok;"                  // the browser on \\Folder
    "select PagesList 4; press EditButton;"                                 // Time
    "select TimeList 1; press EditButton; choose FaceCombo 3; tick BoldCheck 1; type SizeEdit 26; ok; ok;"
    "select PagesList 3; press EditButton; select DateList 3; press EditButton; cancel; cancel;"  // a format
    "select PagesList 2; press EditButton; select CalendarList 3; press EditButton; cancel; cancel;"  // a colour
    "select PagesList 0; press EditButton; cancel;"                         // Information
    "select PagesList 1; press EditButton;"                                 // Launcher
    "select LauncherList 1; press RemoveButton; select LauncherList 0; press DownButton;"
    "press AddButton; type PathEdit \\Apps\\app9.exe; ok; ok;"
    "select PagesList 0; press DownButton; check PagesList 1 0";             // order and visibility

std::string ShrinkScript() {
  std::string script = "tab 1; select PagesList 1; press EditButton;";
  for (int i = 0; i < 9; ++i) script += "select LauncherList 3; press RemoveButton;";
  return script + "ok";
}

std::string GrowScript() {
  // \Apps lists "..", app1, app10, app11, app12, app2, ... app9.
  std::string script = "tab 1; select PagesList 1; press EditButton;";
  for (int row = 4; row <= 12; ++row) {
    script += "press AddButton; dbltap FileList 0; dbltap FileList " + std::to_string(row) + "; ok;";
  }
  return script + "ok";
}

struct Session {
  int entries;
  std::string script;
};

Session SessionOf(const std::string& variant) {
  if (variant.rfind("shrink", 0) == 0) return {12, ShrinkScript()};
  if (variant.rfind("grow", 0) == 0) return {3, GrowScript()};
  return {5, kSessionScript};
}

void PrepareProgram(const ScenarioContext& context, int entries) {
  pf::host::HostScreen().SetScreenDpi(96, 96);
  pf::host::HostModule().SetModulePath(u"\\Windows\\ostrelcfg.exe");
  pf::host::HostControlStore().Reset();
  pf::host::HostControlStore().SetScreenSize(240, 320);
  pf::host::HostFileSystem().Reset();
  pf::host::HostFileSystem().SetDeviceRoot(context.deviceRoot);
  pf::host::HostFontFamilyList().SetFaces(pf::host::HostFontFamilies::DefaultFaces());
  pf::host::HostRegistry().Clear();
  StoreSettings(OffDefaultSettings(entries));
}

// Every stored value, one "phase [key] name=value" line each.
void RecordStored(const char* phase, RunRecord& record) {
  std::u16string text;
  std::string error;
  if (!pf::host::ExportRegText(pf::host::HostRegistry(), &text, &error)) {
    record.Problem(Failure::InconsistentStore, "the registry cannot be exported: " + error);
    return;
  }
  std::istringstream in(pf::ToUtf8(text));
  std::string key;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("[", 0) == 0) key = line;
    if (!line.empty() && line[0] == '"') record.stored.push_back(std::string(phase) + ' ' + key + ' ' + line);
  }
}

// Plays the person's actions; one that cannot be played (a failure left a
// control hidden or a row missing) is left out, as a person would.
void Play(const std::string& script) {
  for (const sim::Action& action : sim::ParseScript(script)) {
    if (pf::IsNull(cfg::MainWindow())) return;
    try {
      sim::Perform(action);
    } catch (const sim::InputError&) {
    }
  }
}

bool Start() {
  int exitCode = 0;
  AsCaller project(Caller::Project);
  return !pf::IsNull(cfg::StartSettingsProgram(pf::ModuleHandle{}, pf::SW_SHOWNORMAL, &exitCode));
}

void Close() {
  if (!pf::IsNull(cfg::MainWindow())) pf::SendMessageW(cfg::MainWindow(), pf::WM_CLOSE, 0, 0);
}

std::size_t MessagesShown() { return pf::host::HostControlStore().MessageBoxes().size(); }

}  // namespace

void RunSettingsScenario(const ScenarioContext& context, const std::string&, pf::faults::FaultPlan& plan,
                         RunRecord& record) {
  PrepareProgram(context, 5);
  RecordStored("seed", record);
  {
    pf::faults::FaultyServices layer(plan);
    if (Start()) {
      Play(kSessionScript);
      Play("ok");
    }
    Close();
  }
  RecordStored("end", record);
  RecordHeld(record);
  record.finished = true;
}

void RunFailedSaveScenario(const ScenarioContext& context, const std::string& variant, pf::faults::FaultPlan& plan,
                           RunRecord& record) {
  const Session session = SessionOf(variant);
  PrepareProgram(context, session.entries);
  RecordStored("seed", record);
  {
    pf::faults::FaultyServices layer(plan);
    plan.Only("Registry");
    plan.Pause(true);
    if (!Start()) record.Problem(Failure::InconsistentStore, "the program did not start");
    Play(session.script);
    plan.Pause(false);
    Play("ok");
    plan.Pause(true);
    if (!pf::IsNull(cfg::MainWindow())) {
      if (MessagesShown() == 0) record.Problem(Failure::InconsistentStore, "the save stayed open without a message");
      RecordStored("failed", record);
      const bool ok = variant.find("/ok") != std::string::npos;
      Play(ok ? "ok" : "cancel");
      if (!pf::IsNull(cfg::MainWindow()) && ok) record.Problem(Failure::InconsistentStore, "OK after a failed save did not end");
      record.stored.push_back(std::string("expect ") + (ok ? "clean" : "seed"));
    } else {
      record.stored.push_back("expect clean");
    }
    Close();
  }
  RecordStored("end", record);
  RecordHeld(record);
  record.finished = true;
}

}  // namespace ostrel::faults
