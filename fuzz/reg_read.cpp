// Fuzz harness: the .reg reader on the raw bytes of a file, leniently and strictly.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/host/memory_registry.h"
#include "platform/host/reg_file.h"

using ostrel::fuzz::PropertyBroken;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = ostrel::fuzz::InputBytes(data, size);
  const pf::host::MemoryRegistry empty;
  pf::host::RegImportOptions options;
  std::string error;
  std::vector<std::string> reports;
  pf::host::MemoryRegistry lenient;
  if (!pf::host::ImportRegBytes(lenient, bytes, "fuzz.reg", &error, options, &reports) &&
      !lenient.SameTree(empty)) {
    PropertyBroken("a refused file changed the registry: " + error);
  }

  options.strict = true;
  pf::host::MemoryRegistry strict;
  if (!pf::host::ImportRegBytes(strict, bytes, "fuzz.reg", &error, options)) {
    if (!strict.SameTree(empty)) PropertyBroken("a strictly refused file changed the registry: " + error);
    return 0;
  }
  // A file read strictly has nothing to report and reads the same either way.
  if (!reports.empty()) PropertyBroken("read strictly, but leniently reported: " + reports.front());
  if (!strict.SameTree(lenient)) PropertyBroken("strict and lenient reading give different trees");
  return 0;
}
