// The heap the Today item's own code takes on the host, told apart from the platform stand-ins' (a counting operator new).
#pragma once

#include <cstdint>

namespace ostrel::bench {

// Blocks asked of operator new since StartHeapTally, by whose code asked:
// the item's (namespace ostrel: the plug-in and the settings code) or the
// rest (the host stand-ins of the platform, the Today shell stand-in, the
// harness). The asker is the innermost frame of the call that belongs to
// either; the platform seam's own helpers (pf:: outside pf::host) are
// compiled into the item and count for whoever called them, and a call with
// no named frame counts against the item, so that a miss never hides an
// allocation. Needs the program's symbols (linked with -rdynamic); one
// thread only.
struct HeapTally {
  std::int64_t itemBlocks = 0;
  std::int64_t otherBlocks = 0;
  // Bytes of the item's blocks of this tally not yet freed, and their most.
  std::int64_t itemLiveBytes = 0;
  std::int64_t itemPeakBytes = 0;
};

// Starts a new tally from zero (blocks of an earlier tally no longer count).
void StartHeapTally();
// The tally so far; counting goes on.
HeapTally CurrentHeapTally();
// The tally so far; counting stops.
HeapTally StopHeapTally();

}  // namespace ostrel::bench
