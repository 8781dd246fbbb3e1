// What the host and Windows benchmarks share: the bare frame, a launcher list as a .reg text, the launcher page shown and tapped.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace ostrel::bench {

// One opaque fill of an off-screen surface of the window's client size and
// one copy of it to the window: the floor under any paint of that frame
// (the surface and its bitmap are made and deleted as a paint makes them).
void BareFillAndBlit(pf::WindowHandle window);

// A .reg text ("Windows Registry Editor Version 5.00") holding a launcher
// list of `count` entries, FileName1..FileNameN, each taking the next of
// `paths` in turn.
std::u16string LauncherRegText(int count, const std::vector<std::u16string>& paths);

// Turns the item's pages with the right key until the launcher block is the
// page shown; false when the launcher is not one of the pages.
bool ShowLauncherPage(pf::WindowHandle window);

// Where a tap on the launcher page lands beside every icon: in the band's
// right margin, on the first row. Resolving it walks every cell and starts
// nothing.
pf::POINT LauncherGapPoint(pf::WindowHandle window);

}  // namespace ostrel::bench
