// Fuzz harness: ostrel-preview's event script parser; bad text is a UsageError, never anything else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tools/preview/events.h"
#include "tools/preview/preview_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    ostrel::preview::ParseEvents(ostrel::fuzz::InputBytes(data, size));
  } catch (const ostrel::preview::UsageError&) {
  }
  return 0;
}
