// Parsing helpers of ostrel-preview's command line.
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

int ArgReader::IntValue(const std::string& name, int low, int high) {
  long long value = ParseInteger(Value(name), name);
  if (value < low || value > high) {
    throw UsageError(name + " must be between " + std::to_string(low) + " and " + std::to_string(high));
  }
  return static_cast<int>(value);
}

}  // namespace ostrel::preview
