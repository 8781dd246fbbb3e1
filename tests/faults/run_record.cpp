// Writing, reading and comparing the records of fault runs.
#include "tests/faults/run_record.h"

#include <fstream>
#include <sstream>

namespace ostrel::faults {

namespace {

const char* const kFailureNames[kFailureKinds] = {"crash", "sanitizer", "hang", "leak", "no_recovery",
                                                  "inconsistent_store"};

void WriteLines(std::ostream& out, const char* tag, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out << tag << ' ' << line << '\n';
}

}  // namespace

const char* FailureName(int kind) { return kind >= 0 && kind < kFailureKinds ? kFailureNames[kind] : "?"; }

void RunRecord::Problem(Failure kind, const std::string& detail) {
  problems.push_back(std::to_string(static_cast<int>(kind)) + ' ' + detail);
}

bool WriteRecord(const RunRecord& record, const std::string& path) {
  std::ofstream out(path);
  out << "finished " << (record.finished ? 1 : 0) << '\n' << "calls " << record.calls << '\n';
  if (!record.failedCall.empty()) out << "failed " << record.failedCall << '\n';
  for (const auto& [kind, count] : record.held) out << "held " << kind << ' ' << count << '\n';
  WriteLines(out, "picture", record.pictures);
  WriteLines(out, "stored", record.stored);
  WriteLines(out, "problem", record.problems);
  WriteLines(out, "call", record.trace);
  return static_cast<bool>(out);
}

bool ReadRecord(const std::string& path, RunRecord* record) {
  std::ifstream in(path);
  if (!in) return false;
  *record = RunRecord{};
  for (std::string line; std::getline(in, line);) {
    const std::size_t space = line.find(' ');
    const std::string tag = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (tag == "finished") record->finished = rest == "1";
    if (tag == "calls") record->calls = std::stol(rest);
    if (tag == "failed") record->failedCall = rest;
    if (tag == "held") record->held[rest.substr(0, rest.find(' '))] = std::stol(rest.substr(rest.find(' ') + 1));
    if (tag == "picture") record->pictures.push_back(rest);
    if (tag == "stored") record->stored.push_back(rest);
    if (tag == "problem") record->problems.push_back(rest);
    if (tag == "call") record->trace.push_back(rest);
  }
  return true;
}

std::vector<Finding> Compare(const RunRecord& clean, const RunRecord& run) {
  std::vector<Finding> findings;
  for (const auto& [kind, count] : run.held) {
    const auto base = clean.held.find(kind);
    const long expected = base == clean.held.end() ? 0 : base->second;
    if (count > expected) {
      findings.push_back({Failure::Leak, kind + " " + std::to_string(count) + " held, clean run " + std::to_string(expected)});
    }
  }
  for (std::size_t i = 0; i < clean.pictures.size(); ++i) {
    if (i >= run.pictures.size() || run.pictures[i] != clean.pictures[i]) {
      findings.push_back({Failure::NoRecovery, "picture " + std::to_string(i) + " differs from the clean run's"});
      break;
    }
  }
  for (const std::string& problem : run.problems) {
    std::istringstream in(problem);
    int kind = 0;
    in >> kind;
    std::string detail;
    std::getline(in, detail);
    findings.push_back({static_cast<Failure>(kind), detail.empty() ? detail : detail.substr(1)});
  }
  return findings;
}

}  // namespace ostrel::faults
