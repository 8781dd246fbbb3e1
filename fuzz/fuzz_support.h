// Shared pieces of the fuzz harnesses: the input as a string and the way a broken property stops the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ostrel::fuzz {

inline std::string InputBytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A property that must hold for every input did not: libFuzzer keeps the
// input as a crash artifact when the process aborts.
[[noreturn]] inline void PropertyBroken(const std::string& what) {
  std::fprintf(stderr, "fuzz property broken: %s\n", what.c_str());
  std::abort();
}

}  // namespace ostrel::fuzz
