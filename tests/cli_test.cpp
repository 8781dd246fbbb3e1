// The tools' command lines: values taken in the order given whatever they look like, refusals in one line with exit 2, help from the parser.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "tools/cli/command_line.h"

namespace ostrel::testing {
namespace {

struct Outcome {
  int code = 0;
  std::string out;
  std::string err;
  std::vector<std::string> taken;  // "--option=value" as the options met them
};

// A tool with --name VALUE (refusing "bad"), --other VALUE and --flag, run on `args`.
Outcome RunOn(std::vector<std::string> args, bool runRefuses = false) {
  Outcome outcome;
  bool flag = false;
  CLI::App app("", "tool");
  cli::Describe(app, "tool: does a thing.", "FOOTER LINE");
  cli::AddValue(app, "--name", "VALUE", "the name it takes", [&outcome](const std::string& value) {
    if (value == "bad") throw cli::UsageError("--name: 'bad' will not do");
    outcome.taken.push_back("--name=" + value);
  });
  cli::AddValue(app, "--other", "N", "another value", [&outcome](const std::string& value) {
    outcome.taken.push_back("--other=" + value);
  });
  cli::AddFlag(app, "--flag", "a flag", flag);
  args.insert(args.begin(), "tool");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  outcome.code = cli::RunTool(app, static_cast<int>(argv.size()), argv.data(), [&] {
    if (runRefuses) throw cli::UsageError("the run refuses");
    return flag ? 5 : 0;
  });
  outcome.out = ::testing::internal::GetCapturedStdout();
  outcome.err = ::testing::internal::GetCapturedStderr();
  return outcome;
}

TEST(CommandLine, ValuesAreTakenInOrderWhateverTheyLookLike) {
  Outcome run = RunOn({"--other", "-5", "--name", "--flag", "--name", "-", "--flag"});
  EXPECT_EQ(run.code, 5);
  EXPECT_EQ(run.taken, (std::vector<std::string>{"--other=-5", "--name=--flag", "--name=-"}));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(RunOn({"--name", ""}).taken, std::vector<std::string>{"--name="});
}

TEST(CommandLine, BadCommandLinesAreOneLineNamingTheFirstProblemAndExitTwo) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--bogus"}, "tool: unknown option '--bogus'\n"},
      {{"--name", "x", "stray", "--bogus"}, "tool: unknown option 'stray'\n"},
      {{"--"}, "tool: unknown option '--'\n"},
      {{"--bogus", "--name", "bad"}, "tool: unknown option '--bogus'\n"},
      {{"--name", "bad", "--bogus"}, "tool: --name: 'bad' will not do\n"},
      {{"--flag", "--other"}, "tool: --other needs a value\n"},
      {{"--other="}, "tool: --other needs a value\n"},
      {{"--bogus", "--other"}, "tool: unknown option '--bogus'\n"},
      {{"--help", "--bogus"}, "tool: unknown option '--bogus'\n"},
  };
  for (const auto& [args, message] : cases) {
    Outcome run = RunOn(args);
    EXPECT_EQ(run.code, 2) << args.front();
    EXPECT_EQ(run.err, message);
    EXPECT_EQ(run.out, "");
  }
  Outcome refused = RunOn({"--flag"}, true);
  EXPECT_EQ(refused.code, 2);
  EXPECT_EQ(refused.err, "tool: the run refuses\n");
}

TEST(CommandLine, HelpListsEveryOptionWithItsDescriptionAndRunsNothing) {
  for (const char* help : {"--help", "-h"}) {
    Outcome run = RunOn({"--flag", help});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    for (const char* line : {"tool: does a thing.", "--name VALUE", "the name it takes", "--other N", "another value",
                             "--flag", "a flag", "FOOTER LINE\n"}) {
      EXPECT_NE(run.out.find(line), std::string::npos) << line << " in\n" << run.out;
    }
  }
}

}  // namespace
}  // namespace ostrel::testing
