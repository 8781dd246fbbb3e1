// The counting operator new behind HeapTally: each block carries a small header naming its tally and its asker.
#include "bench/heap_tally.h"

#include <dlfcn.h>
#include <execinfo.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

enum class Asker : std::uint8_t { Unknown, Item, Other };

// Keeps the block after it aligned as malloc's blocks are.
struct alignas(16) BlockHeader {
  std::size_t size;
  std::uint32_t tally;
  Asker asker;
};

bool counting = false;
bool inside = false;  // the tally's own work asks nothing of the heap
std::uint32_t currentTally = 0;
ostrel::bench::HeapTally tally;

// "_ZN6ostrel...", "_ZNK2pf...", "_ZZN6ostrel..." (an entity local to a
// function): the namespace and the next name of a mangled name, after the
// nested-name prefix; false for anything else (std::, C functions).
bool Scope(const char* mangled, const char* outer, const char* inner) {
  if (std::strncmp(mangled, "_ZZN", 4) == 0) {
    mangled += 4;
  } else if (std::strncmp(mangled, "_ZN", 3) == 0) {
    mangled += 3;
  } else {
    return false;
  }
  if (*mangled == 'K') ++mangled;
  const std::size_t outerLength = std::strlen(outer);
  if (std::strncmp(mangled, outer, outerLength) != 0) return false;
  return inner == nullptr || std::strncmp(mangled + outerLength, inner, std::strlen(inner)) == 0;
}

Asker AskerOfSymbol(const char* mangled) {
  if (Scope(mangled, "2pf", "4host")) return Asker::Other;
  if (Scope(mangled, "6ostrel", "7preview") || Scope(mangled, "6ostrel", "5bench") ||
      Scope(mangled, "6ostrel", "7testing")) {
    return Asker::Other;
  }
  if (Scope(mangled, "6ostrel", nullptr)) return Asker::Item;
  return Asker::Unknown;
}

// Code addresses already looked up: the same few call sites ask again and
// again, and a symbol lookup walks the program's whole symbol table.
constexpr std::size_t kKnownSlots = 1 << 14;
struct KnownAddress {
  const void* address;
  Asker asker;
};
KnownAddress known[kKnownSlots];

Asker AskerOfAddress(const void* address) {
  const std::uintptr_t key = reinterpret_cast<std::uintptr_t>(address);
  std::size_t slot = (key * 0x9E3779B97F4A7C15ull >> 50) & (kKnownSlots - 1);
  for (std::size_t probe = 0; probe < 64; ++probe, slot = (slot + 1) & (kKnownSlots - 1)) {
    if (known[slot].address == address) return known[slot].asker;
    if (known[slot].address == nullptr) break;
  }
  Dl_info info{};
  const Asker asker = ::dladdr(address, &info) != 0 && info.dli_sname != nullptr
                          ? AskerOfSymbol(info.dli_sname)
                          : Asker::Unknown;
  if (known[slot].address == nullptr) known[slot] = KnownAddress{address, asker};
  return asker;
}

Asker AskerOfThisCall() {
  void* frames[64];
  const int count = ::backtrace(frames, 64);
  for (int i = 0; i < count; ++i) {
    const Asker asker = AskerOfAddress(frames[i]);
    if (asker != Asker::Unknown) return asker;
  }
  return Asker::Item;
}

BlockHeader* HeaderOf(void* block) { return static_cast<BlockHeader*>(block) - 1; }

void* Allocate(std::size_t size) {
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
  if (header == nullptr) throw std::bad_alloc();
  *header = BlockHeader{size, 0, Asker::Unknown};
  if (counting && !inside) {
    inside = true;
    header->tally = currentTally;
    header->asker = AskerOfThisCall();
    if (header->asker == Asker::Item) {
      ++tally.itemBlocks;
      tally.itemLiveBytes += static_cast<std::int64_t>(size);
      if (tally.itemLiveBytes > tally.itemPeakBytes) tally.itemPeakBytes = tally.itemLiveBytes;
    } else {
      ++tally.otherBlocks;
    }
    inside = false;
  }
  return header + 1;
}

void Free(void* block) {
  if (block == nullptr) return;
  BlockHeader* header = HeaderOf(block);
  if (header->asker == Asker::Item && header->tally == currentTally) {
    tally.itemLiveBytes -= static_cast<std::int64_t>(header->size);
  }
  std::free(header);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }

namespace ostrel::bench {

void StartHeapTally() {
  // The first backtrace loads the unwinder: not part of anything measured.
  void* frame[1];
  ::backtrace(frame, 1);
  ++currentTally;
  tally = HeapTally{};
  counting = true;
}

HeapTally CurrentHeapTally() { return tally; }

HeapTally StopHeapTally() {
  counting = false;
  return tally;
}

}  // namespace ostrel::bench
