// Pages and navigation: painting the fixed blocks and the current page, the next and previous page, swipes and the block under a tap.
#include "plugin/layout.h"

#include "platform/draw.h"
#include "platform/window.h"
#include "plugin/int_range.h"
#include "plugin/item_blocks.h"
#include "plugin/item_state.h"
#include "plugin/taps.h"

namespace ostrel {

namespace {

bool InTable(int position) { return position >= 0 && position < BlockCount; }

bool Visible(const Settings& settings, int position) { return settings.BlockTable[position].Visible != 0; }

int ClientWidth(pf::WindowHandle window) {
  pf::RECT client;
  pf::GetClientRect(window, &client);
  return client.right - client.left;
}

// The current page and, while a swipe is tracked, its neighbour coming in
// from the side the pen moves away from.
void PaintPages(const BlockPaint& paint, int y) {
  const ItemState& item = paint.Item;
  const PenState& pen = item.Pen;
  if (pen.Tracking == 1 && pen.Moved == 1 && item.PageCount > 1) {
    const int d = pen.CurX - pen.DownX;
    const int w = paint.Client.right - paint.Client.left;
    PaintEntryAt(paint, item.CurrentPage, d, y);
    if (d < 0) {
      PaintEntryAt(paint, NextPage(paint.Settings, item, item.CurrentPage), d + w, y);
    } else {
      PaintEntryAt(paint, PreviousPage(paint.Settings, item, item.CurrentPage), d - w, y);
    }
  } else if (item.PageCount > 0 && InTable(item.CurrentPage)) {
    PaintEntryAt(paint, item.CurrentPage, 0, y);
  }
}

}  // namespace

void PaintEntryAt(const BlockPaint& paint, int position, int dx, int y) {
  if (!InTable(position)) return;
  const ItemBlock* block = ItemBlockOf(paint.Settings.BlockTable[position].Kind);
  if (block != nullptr) block->Draw(paint, dx, y);
}

void PaintBlocks(const BlockPaint& paint) {
  const Settings& settings = paint.Settings;
  pf::SetBkMode(paint.Surface, pf::TRANSPARENT);
  int y = 0;
  for (int position = 0; position < settings.FixedPageCount && position < BlockCount; ++position) {
    if (settings.BlockTable[position].Visible != 0) PaintEntryAt(paint, position, 0, y);
    y = CoordinateSum(y, settings.BlockTable[position].PixelHeight);
  }
  PaintPages(paint, y);
}

int NextPage(const Settings& settings, const ItemState& item, int position) {
  const int first = settings.FixedPageCount;
  if (first >= BlockCount) return 0;
  int q = position + 1;
  if (q >= BlockCount || q < first) q = first;
  if (item.PageCount <= 0) return q;
  while (!Visible(settings, q)) {
    if (++q >= BlockCount) q = first;
  }
  return q;
}

int FirstPage(const Settings& settings, const ItemState& item) {
  const int first = settings.FixedPageCount;
  if (first < 0 || first >= BlockCount || item.PageCount <= 0) return first;
  return NextPage(settings, item, first - 1);
}

int PreviousPage(const Settings& settings, const ItemState& item, int position) {
  const int first = settings.FixedPageCount;
  if (first >= BlockCount) return 0;
  int q = position - 1;
  if (q < first || q >= BlockCount) q = BlockCount - 1;
  if (item.PageCount <= 0) return q;
  while (!Visible(settings, q)) {
    if (--q < first) q = BlockCount - 1;
  }
  return q;
}

bool IsSwipe(pf::WindowHandle window, int dx) {
  const int magnitude = dx < 0 ? -dx : dx;
  return magnitude > ClientWidth(window) / 4;
}

// Bands are closed at the top and open at the bottom, so a tap on the line
// between two blocks belongs to the lower one; at most one entry is tapped.
void DispatchTap(const Settings& settings, const ItemState& item, int x, int y, int isDouble) {
  int top = 0;
  for (int position = 0; position < settings.FixedPageCount && position < BlockCount; ++position) {
    const int height = settings.BlockTable[position].PixelHeight;
    if (top <= y && y < CoordinateSum(top, height)) {
      TapEntry(settings, item, position, x, y - top, isDouble);
      return;
    }
    top = CoordinateSum(top, height);
  }
  // With every page hidden there is no page to tap.
  if (y >= top && item.PageCount > 0) TapEntry(settings, item, item.CurrentPage, x, y - top, isDouble);
}

}  // namespace ostrel
