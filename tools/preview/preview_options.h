// ostrel-preview's command line: the refusal every mode throws and the whole numbers its values hold.
#pragma once

#include <string>

#include "tools/cli/command_line.h"

namespace ostrel::preview {

// A bad argument or input file: main prints the message on one line and exits 2.
using UsageError = cli::UsageError;

// `text` as a whole number; `what` names it in the UsageError for anything else.
long long ParseInteger(const std::string& text, const std::string& what);
// The value of `option` as a whole number from low to high.
int IntValue(const std::string& option, const std::string& text, int low, int high);

}  // namespace ostrel::preview
