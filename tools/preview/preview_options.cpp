// ostrel-preview's command line: the refusal every mode throws and the whole numbers its values hold.
#include "tools/preview/preview_options.h"

#include <cerrno>
#include <cstdlib>

namespace ostrel::preview {

long long ParseInteger(const std::string& text, const std::string& what) {
  if (text.empty()) throw UsageError(what + ": expected a number, got nothing");
  errno = 0;
  char* end = nullptr;
  long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end == text.c_str() || *end != '\0') {
    throw UsageError(what + ": expected a whole number, got '" + text + "'");
  }
  return value;
}

int IntValue(const std::string& option, const std::string& text, int low, int high) {
  long long value = ParseInteger(text, option);
  if (value < low || value > high) {
    throw UsageError(option + " must be between " + std::to_string(low) + " and " + std::to_string(high));
  }
  return static_cast<int>(value);
}

}  // namespace ostrel::preview
