// Checks of the stored settings a settings-program run leaves.
#include "tests/faults/store_checks.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace ostrel::faults {

namespace {

using Tree = std::map<std::string, std::string>;  // "[key] name" -> value

constexpr const char* kLauncherKey = "Ostrel\\Launcher]";

std::map<std::string, Tree> Phases(const RunRecord& record, std::string* expect) {
  std::map<std::string, Tree> phases;
  for (const std::string& line : record.stored) {
    const std::size_t space = line.find(' ');
    const std::string phase = line.substr(0, space);
    const std::string rest = line.substr(space + 1);
    if (phase == "expect") {
      *expect = rest;
      continue;
    }
    const std::size_t equals = rest.find("\"=");
    phases[phase][rest.substr(0, equals + 1)] = rest.substr(equals + 2);
  }
  return phases;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The value of name under the key whose path ends with keyEnd.
bool Find(const Tree& tree, const std::string& keyEnd, const std::string& name, std::string* value) {
  for (const auto& [id, v] : tree) {
    const std::size_t space = id.find("] ");
    if (EndsWith(id.substr(0, space + 1), keyEnd) && id.substr(space + 2) == "\"" + name + "\"") {
      *value = v;
      return true;
    }
  }
  return false;
}

void CheckLauncherRun(const Tree& tree, std::vector<Finding>& findings) {
  int last = 0;
  std::set<int> present;
  for (const auto& [id, value] : tree) {
    const std::size_t at = id.find("\"FileName");
    if (at == std::string::npos || id.find(kLauncherKey) == std::string::npos) continue;
    const int n = std::atoi(id.c_str() + at + 9);
    present.insert(n);
    last = std::max(last, n);
  }
  if (static_cast<int>(present.size()) != last) {
    findings.push_back({Failure::InconsistentStore, "FileName1.." + std::to_string(last) + " has a gap"});
  }
}

void CheckOrders(const Tree& tree, std::vector<Finding>& findings) {
  std::set<std::string> orders;
  int found = 0;
  for (const char* block : {"Wireless", "Time", "Date", "Calendar", "Launcher", "SysInfo"}) {
    std::string value;
    if (Find(tree, std::string("Ostrel\\") + block + "]", "Order", &value)) {
      orders.insert(value);
      ++found;
    }
  }
  bool permutation = found == 6 && orders.size() == 6;
  for (int n = 0; n < 6 && permutation; ++n) permutation = orders.count("dword:0000000" + std::to_string(n)) == 1;
  if (!permutation && found > 0) findings.push_back({Failure::InconsistentStore, "the six Orders are not 0..5"});
}

bool IsLauncherEntry(const std::string& id) {
  return id.find(kLauncherKey) != std::string::npos && id.find("\"FileName") != std::string::npos;
}

// The launcher list, FileName1..K in order: one setting, the seed's or the save's as a whole.
std::vector<std::string> LauncherList(const Tree& tree) {
  std::map<int, std::string> entries;
  for (const auto& [id, value] : tree) {
    if (IsLauncherEntry(id)) entries[std::atoi(id.c_str() + id.find("\"FileName") + 9)] = value;
  }
  std::vector<std::string> list;
  for (const auto& entry : entries) list.push_back(entry.second);
  return list;
}

std::string Joined(const std::vector<std::string>& list) {
  std::string text;
  for (const std::string& item : list) text += (text.empty() ? "" : ", ") + item;
  return "(" + text + ")";
}

// Every value is the seed's or the clean save's ("<none>" when absent there).
void CheckEachValue(const Tree& seed, const Tree& clean, const Tree& run, std::vector<Finding>& findings) {
  const std::vector<std::string> list = LauncherList(run);
  if (list != LauncherList(seed) && list != LauncherList(clean)) {
    findings.push_back({Failure::InconsistentStore, "the launcher list " + Joined(list) + " is neither the seed's " +
                                                        Joined(LauncherList(seed)) + " nor the save's " +
                                                        Joined(LauncherList(clean))});
  }
  std::set<std::string> names;
  for (const Tree* tree : {&seed, &clean, &run}) {
    for (const auto& entry : *tree) {
      if (!IsLauncherEntry(entry.first)) names.insert(entry.first);
    }
  }
  for (const std::string& name : names) {
    auto value = [&name](const Tree& tree) {
      auto it = tree.find(name);
      return it == tree.end() ? std::string("<none>") : it->second;
    };
    const std::string got = value(run);
    if (got != value(seed) && got != value(clean)) {
      findings.push_back({Failure::InconsistentStore, name + " is " + got + ", neither the seed's " + value(seed) +
                                                          " nor the save's " + value(clean)});
      return;
    }
  }
}

}  // namespace

std::vector<Finding> StoreFindings(const RunRecord& clean, const RunRecord& run) {
  std::vector<Finding> findings;
  std::string expect;
  std::string cleanExpect;
  std::map<std::string, Tree> phases = Phases(run, &expect);
  std::map<std::string, Tree> cleanPhases = Phases(clean, &cleanExpect);
  if (phases.count("end") == 0) return findings;
  const Tree& seed = phases["seed"];
  const Tree& saved = cleanPhases["end"];
  const Tree& end = phases["end"];
  if (phases.count("failed") != 0 && phases["failed"] != seed && phases["failed"] != saved) {
    findings.push_back({Failure::InconsistentStore, "after the failed save the store is neither the old nor the new"});
  }
  if (expect == "seed" && end != seed) {
    findings.push_back({Failure::InconsistentStore, "after Cancel the store is not the old settings"});
  } else if (expect == "clean" && end != saved) {
    findings.push_back({Failure::InconsistentStore, "after OK the store is not the clean save"});
  }
  CheckEachValue(seed, saved, end, findings);
  CheckLauncherRun(end, findings);
  CheckOrders(end, findings);
  return findings;
}

}  // namespace ostrel::faults
