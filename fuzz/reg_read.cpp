// Fuzz harness: the .reg reader on the raw bytes of a file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/host/memory_registry.h"
#include "platform/host/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pf::host::MemoryRegistry registry;
  std::string error;
  pf::host::ImportRegBytes(registry, ostrel::fuzz::InputBytes(data, size), "fuzz.reg", &error);
  return 0;
}
