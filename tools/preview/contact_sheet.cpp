// ostrel-preview's contact sheet: every page of the item at 96, 128 and 192 dpi in one labelled picture.
#include "tools/preview/contact_sheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_screen.h"
#include "platform/host/png_io.h"
#include "platform/text.h"
#include "plugin/item_state.h"
#include "plugin/plugin_state.h"
#include "settings/settings.h"
#include "tools/preview/today_shell.h"

namespace ostrel::preview {

namespace {

constexpr pf::COLORREF kSheetBackground = pf::RGB(0xE4, 0xE4, 0xE4);
constexpr pf::COLORREF kLabelColor = pf::RGB(0x20, 0x20, 0x20);
constexpr int kLabelFontHeight = 12;  // pixels, whatever the density being drawn
// The largest picture the host raster makes (GDI's largest bitmap).
constexpr long long kMaxSheetPixels = 64LL * 1024 * 1024;

// One page of the item as it was painted, kept until the sheet is drawn.
struct PagePicture {
  std::u16string label;
  pf::RECT place;  // the picture's rectangle on the sheet; its label is above it
  pf::BitmapHandle bitmap{};
};

// The kept pictures, their bitmaps deleted with the list.
class SheetPictures {
 public:
  SheetPictures() = default;
  SheetPictures(const SheetPictures&) = delete;
  SheetPictures& operator=(const SheetPictures&) = delete;
  ~SheetPictures() {
    for (const PagePicture& picture : list) pf::DeleteObject(picture.bitmap);
  }
  std::vector<PagePicture> list;
};

int ItemWidth(const ItemOptions& options, int dpi) { return options.width * dpi / 96; }

// "96 dpi · 2/3 Запуск": the density, the page's place among the pages and
// its block's name; the density alone when no page is visible.
std::u16string PageLabel(int dpi, int page, int pages) {
  char16_t label[64];
  if (pages <= 0) {
    pf::FormatText(label, 64, u"%i dpi", dpi);
  } else {
    const BlockEntry& shown = PluginSettings().BlockTable[Item().CurrentPage];
    const char16_t* name = PageName(shown.Kind);
    pf::FormatText(label, 64, u"%i dpi \u00B7 %i/%i %s", dpi, page + 1, pages, name ? name : u"");
  }
  return label;
}

// A copy of the item window's last paint in a bitmap of its own.
pf::BitmapHandle KeepPicture(pf::WindowHandle window, int width, int height) {
  const pf::SurfaceHandle source = pf::GetDC(window);
  const pf::SurfaceHandle memory = pf::CreateCompatibleDC(source);
  const pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(source, width, height);
  const auto old = pf::SelectObject(memory, bitmap);
  pf::BitBlt(memory, 0, 0, width, height, source, 0, 0, pf::SRCCOPY);
  pf::SelectObject(memory, old);
  pf::DeleteDC(memory);
  pf::ReleaseDC(window, source);
  return bitmap;
}

// The sheet so far and the row about to be added must fit in one picture.
void CheckSheetFits(int dpi, long long width, long long bottom) {
  if (width * bottom > kMaxSheetPixels) {
    throw UsageError("--sheet: at " + std::to_string(dpi) + " dpi the sheet grows to " +
                     std::to_string(width) + " x " + std::to_string(bottom) +
                     " pixels, more than one picture holds (" + std::to_string(kMaxSheetPixels) +
                     " pixels)");
  }
}

// One density's row: the item created at that density and every visible page
// painted in turn, as the right key brings it. Returns the row's bottom.
int DrawRow(const ItemOptions& options, pf::WindowHandle today, int dpi, int top,
            SheetPictures& pictures) {
  static const std::vector<ScriptEvent> kNextPage = ParseEvents("key right");
  pf::host::HostScreen().SetScreenDpi(dpi, dpi);
  const int width = ItemWidth(options, dpi);
  pf::host::HostControlStore().SetScreenSize(width, width * 4 / 3);
  LiveItem item(today, width);
  const int pages = Item().PageCount;
  const int cells = std::max(pages, 1);
  // The row of the highest density is the widest.
  const long long sheetWidth =
      kSheetGap + static_cast<long long>(cells) * (SheetShellWidth(options) + kSheetGap);
  const long long bottom = static_cast<long long>(top) + kSheetLabelHeight + item.Height() + kSheetGap;
  CheckSheetFits(dpi, sheetWidth, bottom);
  for (int page = 0; page < cells; ++page) {
    if (page > 0) PlayEvents(kNextPage, item.Shell());
    item.Paint();
    const int left = kSheetGap + page * (width + kSheetGap);
    const int pictureTop = top + kSheetLabelHeight;
    pictures.list.push_back(PagePicture{PageLabel(dpi, page, pages),
                                        pf::RECT{left, pictureTop, left + width, pictureTop + item.Height()},
                                        KeepPicture(item.Window(), width, item.Height())});
  }
  return static_cast<int>(bottom);
}

pf::FontHandle LabelFont() {
  pf::LOGFONTW font;
  font.lfHeight = -kLabelFontHeight;
  font.lfWeight = pf::FW_NORMAL;
  pf::CopyText(font.lfFaceName, pf::LF_FACESIZE, u"Tahoma");
  return pf::CreateFontIndirectW(&font);
}

void FillBackground(pf::SurfaceHandle sheet, int width, int height) {
  const pf::BrushHandle brush = pf::CreateSolidBrush(kSheetBackground);
  const pf::RECT all{0, 0, width, height};
  pf::FillRect(sheet, &all, brush);
  pf::DeleteObject(brush);
}

// The page's picture copied to its place and its label drawn above it.
void PlacePicture(pf::SurfaceHandle sheet, const PagePicture& picture) {
  const pf::SurfaceHandle memory = pf::CreateCompatibleDC(sheet);
  const auto old = pf::SelectObject(memory, picture.bitmap);
  const pf::RECT& r = picture.place;
  pf::BitBlt(sheet, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, pf::SRCCOPY);
  pf::SelectObject(memory, old);
  pf::DeleteDC(memory);
  pf::RECT label{r.left, r.top - kSheetLabelHeight, r.right, r.top};
  pf::DrawTextW(sheet, picture.label.c_str(), static_cast<int>(picture.label.size()), &label,
                pf::DT_LEFT | pf::DT_VCENTER | pf::DT_SINGLELINE | pf::DT_NOPREFIX);
}

// The whole sheet drawn on a bitmap of its own and written as PNG.
void WriteSheet(const SheetPictures& pictures, int width, int height, const std::string& file) {
  const pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  const pf::SurfaceHandle sheet = pf::CreateCompatibleDC(screen);
  const pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(screen, width, height);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
  const auto oldBitmap = pf::SelectObject(sheet, bitmap);
  const pf::FontHandle font = LabelFont();
  const auto oldFont = pf::SelectObject(sheet, font);
  FillBackground(sheet, width, height);
  pf::SetTextColor(sheet, kLabelColor);
  pf::SetBkMode(sheet, pf::TRANSPARENT);
  for (const PagePicture& picture : pictures.list) PlacePicture(sheet, picture);
  pf::SelectObject(sheet, oldFont);
  pf::SelectObject(sheet, oldBitmap);
  pf::DeleteObject(font);
  pf::DeleteDC(sheet);
  const pf::host::RasterImage* image = pf::host::BitmapPicture(bitmap);
  std::string error = "the sheet's bitmap could not be made";
  const bool written = image != nullptr && pf::host::WritePng(file, *image, true, &error);
  pf::DeleteObject(bitmap);
  if (!written) throw UsageError(error);
}

}  // namespace

void CheckSheetOptions(const ItemOptions& options) {
  if (!options.png.empty() || !options.json.empty()) {
    throw UsageError("--sheet writes its own picture; it does not combine with --png or --json");
  }
  if (!options.events.empty()) {
    throw UsageError("--sheet pages through the item itself; it takes no --events");
  }
}

int SheetShellWidth(const ItemOptions& options) {
  return ItemWidth(options, kSheetDensities[std::size(kSheetDensities) - 1]);
}

int DrawContactSheet(const ItemOptions& options, pf::WindowHandle today) {
  SheetPictures pictures;
  int bottom = kSheetGap;
  for (int dpi : kSheetDensities) bottom = DrawRow(options, today, dpi, bottom, pictures);
  int right = 0;
  for (const PagePicture& picture : pictures.list) right = std::max<int>(right, picture.place.right);
  RefuseRefusedImages();
  WriteSheet(pictures, right + kSheetGap, bottom, options.sheet);
  return 0;
}

}  // namespace ostrel::preview
