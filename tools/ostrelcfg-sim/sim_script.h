// The simulator's script: a person's actions on the settings program's controls, parsed and performed.
#pragma once

#include <string>
#include <vector>

#include "config/config.h"
#include "tools/cli/command_line.h"

namespace ostrel::sim {

// Bad input: the message is the one line the tool prints.
using InputError = cli::UsageError;

enum class Verb { Tab, Select, Check, DoubleTap, Press, Type, Choose, ChooseText, Tick, Ok, Cancel, Resize };

struct Action {
  Verb verb = Verb::Ok;
  cfg::Control control = cfg::TitleLabel;
  int first = 0;   // tab, row, index, width
  int second = 0;  // 0|1, height
  std::u16string text;
  std::string source;  // the action as written, for messages
};

// Parses "tab 1; select PagesList 2; ok"; throws InputError on bad input.
std::vector<Action> ParseScript(const std::string& script);

// Screen sizes that --size and the resize action accept, in pixels.
constexpr int kLargestScreenSide = 10000;

// Throws InputError naming the first `resize` larger than the screen's
// width x height, upright or turned a quarter (the screen rotates): the
// program's window cannot outgrow the screen.
void RefuseResizesBeyond(const std::vector<Action>& script, int width, int height);

// Performs one action on the running program. An action that names no such
// tab, row or entry, touches a hidden or disabled control, or comes after
// the program has closed throws InputError naming it.
void Perform(const Action& action);
// Throws InputError: the action was not played because the program had closed.
[[noreturn]] void RefuseAfterClose(const Action& action);

}  // namespace ostrel::sim
