// ostrel-preview's contact sheet: every page of the item at 96, 128 and 192 dpi in one labelled picture.
#pragma once

#include "platform/types.h"
#include "tools/preview/item_preview.h"

namespace ostrel::preview {

// One row of pictures per density, top to bottom; in a row one picture per
// visible page (the fixed blocks with that page below them), in the order
// the right key pages through them, each under a label strip naming the
// density and the page. The item is W × dpi / 96 pixels wide at each density
// (W: --width, 240 by default). Around and between the pictures: kSheetGap.
constexpr int kSheetDensities[] = {96, 128, 192};
constexpr int kSheetGap = 8;
constexpr int kSheetLabelHeight = 18;

// The options a sheet does not take (--png, --json, --events) throw UsageError.
void CheckSheetOptions(const ItemOptions& options);

// The Today window's width for a sheet: the item's at the highest density.
int SheetShellWidth(const ItemOptions& options);

// Creates the item at each density under the Today window, paints every
// page, and writes the sheet to options.sheet. Returns the exit code.
int DrawContactSheet(const ItemOptions& options, pf::WindowHandle today);

}  // namespace ostrel::preview
