// Fuzz harness: a registry read from any .reg bytes, exported and read back, is the same registry.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/host/memory_registry.h"
#include "platform/host/reg_file.h"
#include "platform/text.h"

using ostrel::fuzz::PropertyBroken;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pf::host::MemoryRegistry imported;
  std::string error;
  if (!pf::host::ImportRegBytes(imported, ostrel::fuzz::InputBytes(data, size), "fuzz.reg", &error)) return 0;

  std::u16string exported;
  if (!pf::host::ExportRegText(imported, &exported, &error)) return 0;  // a name the format cannot hold
  // The export itself must read without a single reported line.
  pf::host::RegImportOptions strict;
  strict.strict = true;
  pf::host::MemoryRegistry reread;
  if (!pf::host::ImportRegText(reread, exported, "exported.reg", &error, strict)) {
    PropertyBroken("the export does not read back: " + error + "\n" + pf::ToUtf8(exported));
  }
  if (!reread.SameTree(imported)) PropertyBroken("the export reads back as another tree:\n" + pf::ToUtf8(exported));

  std::u16string again;
  if (!pf::host::ExportRegText(reread, &again, &error) || again != exported) {
    PropertyBroken("a second export differs from the first:\n" + pf::ToUtf8(exported) + "\n--\n" + pf::ToUtf8(again));
  }
  return 0;
}
