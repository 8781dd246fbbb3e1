// The host tools' command lines on CLI11: options taken in the order given, help from the parser, refusals in one line.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace ostrel::cli {

// Bad input, on the command line or in what it names: the tool prints
// "tool: message" on one line and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A parser named `tool` whose help opens with `about` and closes with `footer`.
void Describe(CLI::App& app, const std::string& about, const std::string& footer);

// An option that takes one value (shown in the help as `value`), handed to
// `take` each time the option is met, in the command line's order; whatever
// follows the option is its value, even when it starts with '-'. `take`
// throws UsageError for a bad value.
CLI::Option* AddValue(CLI::App& app, const std::string& option, const std::string& value,
                      const std::string& description, std::function<void(const std::string&)> take);
// A `take` that keeps the value in `target`.
std::function<void(const std::string&)> Into(std::string& target);
// An option without a value; giving it sets `flag`.
CLI::Option* AddFlag(CLI::App& app, const std::string& option, const std::string& description, bool& flag);

// Parses argv and calls run(), returning its exit code. --help prints the
// parser's help on standard output (exit 0); an unknown option or argument,
// an option without its value or a UsageError from a value or from run() is
// one line on standard error (exit 2). Whatever went to standard output is
// flushed and checked last: a failed write (a full disk, a closed pipe, which
// raises no signal here) is one line on standard error and exit 2.
// Output files are written with pf::host::WriteWholeFile, their failures
// thrown as UsageError: one exit code, 2, for every output that failed.
// A script option's value: the text itself, or with "@FILE" the whole of
// that regular file ("@-": standard input), its lines taken as separated by
// ';'. An unreadable file throws UsageError "OPTION: FILE: why".
std::string ScriptArgument(const std::string& option, const std::string& value);

int RunTool(CLI::App& app, int argc, char** argv, const std::function<int()>& run);

}  // namespace ostrel::cli
