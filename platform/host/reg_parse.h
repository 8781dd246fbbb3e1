// Parsing of `.reg` text into registry operations, line by line as the platform's registry editor reads it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/memory_registry.h"

namespace pf::host {

struct RegOperation {
  enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
  Kind kind = Kind::CreateKey;
  KeyHandle root{};
  std::u16string path;
  std::u16string name;
  std::uint32_t type = REG_NONE;
  std::vector<std::uint8_t> data;
};

struct RegLineReport {
  int line = 0;
  std::string what;
};

struct RegParseResult {
  bool headerOk = false;
  RegLineReport headerError;              // when !headerOk
  std::vector<RegOperation> operations;  // in file order
  std::vector<RegLineReport> reports;    // lines skipped, or read with a warning
};

// How the bytes of a file became its text.
enum class RegTextSource { Utf16, Utf8, Ansi };

// The text in hex(1), hex(2) and hex(7) data is UTF-16LE in files of version
// 5.00 read as UTF-16 or UTF-8, and bytes of the ANSI code page codePage in
// REGEDIT4 files that are not UTF-16 and in files read in that code page.
// With a sink, each operation goes to it as soon as its line is read (in
// file order) and the result's operations stay empty: the file need not be
// held as operations all at once.
using RegOperationSink = std::function<void(RegOperation&&)>;
RegParseResult ParseRegText(std::u16string_view text, RegTextSource source, int codePage,
                            const RegOperationSink& sink = nullptr);

}  // namespace pf::host
