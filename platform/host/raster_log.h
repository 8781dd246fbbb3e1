// The record of every drawing call made on the host raster surfaces, for tests and the preview.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/draw.h"

namespace pf::host {

enum class DrawKind {
  DrawText,          // DrawTextW
  TextOut,           // ExtTextOutW with text (its opaque box, if any, included)
  Fill,              // ExtTextOutW with ETO_OPAQUE and no text, or FillRect
  Copy,              // BitBlt
  TransparentImage,  // TransparentImage
  Icon,              // DrawIconEx
  Rectangle,         // Rectangle: the brush inside, the pen's outline
};

struct DrawRecord {
  DrawKind kind = DrawKind::DrawText;
  SurfaceHandle surface{};
  // Text calls: the text as passed, the call's rectangle (DrawTextW's
  // rectangle; ExtTextOutW's, or empty when none), the DT_ format or ETO_
  // options, where the text's cell landed, the selected font and the color.
  std::u16string text;
  RECT rect;
  std::uint32_t format = 0;
  RECT placed;
  std::u16string faceName;
  std::int32_t fontHeight = 0;
  std::int32_t fontWeight = 0;
  std::uint8_t fontQuality = 0;
  // Text color of text calls; fill color of fills and of a rectangle's
  // inside; key color of transparent copies.
  COLORREF color = 0;
  // Rectangles: the outline's color and width.
  COLORREF penColor = 0;
  int penWidth = 0;
  // Copies and icons: destination in rect, source block in source, the file
  // name of a loaded image (empty for made bitmaps), the icon and its name.
  RECT source;
  std::string imageName;
  IconHandle icon{};
  std::string iconName;
};

// Every drawing call since the last clear, in order.
const std::vector<DrawRecord>& DrawLog();
void ClearDrawLog();
void AppendDrawRecord(DrawRecord record);

// "DT_SINGLELINE|DT_RIGHT|DT_NOCLIP": a DrawTextW format by flag names
// ("DT_LEFT|DT_TOP" for 0); unknown bits as a hexadecimal remainder.
std::string FormatFlagNames(std::uint32_t format);
const char* DrawKindName(DrawKind kind);

}  // namespace pf::host
