// Host image calls: image files (SHLoadImageFile) and icons (DrawIconEx, DestroyIcon, icons made on the host).
#include <algorithm>
#include <string>
#include <utility>

#include "platform/host/host_draw.h"
#include "platform/host/png_io.h"
#include "platform/host/call_faults.h"
#include "platform/host/raster_objects.h"
#include "platform/text.h"

namespace pf::host {

namespace {

std::string FileName(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DefaultPath(const std::u16string& path) {
  std::string out = ToUtf8(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

RECT Block(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

}  // namespace

int HostDrawing::DrawIconEx(SurfaceHandle surface, int x, int y, IconHandle icon, int width,
                            int height, std::uint32_t, BrushHandle, std::uint32_t flags) {
  // The step (animation frame) and the flicker-free brush change nothing
  // visible for a still icon drawn straight onto the surface.
  SurfaceRecord* record = Objects().Surface(surface);
  IconRecord* picture = Objects().Icon(icon);
  RasterImage* target = record == nullptr ? nullptr : Objects().Target(*record);
  if (target == nullptr || picture == nullptr || (flags & DI_NORMAL) == 0) return 0;
  int w = width == 0 ? picture->picture.Width() : width;
  int h = height == 0 ? picture->picture.Height() : height;
  IconParts parts = (flags & DI_NORMAL) == DI_NORMAL ? IconParts::Normal
                    : (flags & DI_IMAGE) != 0     ? IconParts::Image
                                                  : IconParts::Mask;
  DrawPicture(*target, x, y, w, h, picture->picture, parts);
  DrawRecord draw;
  draw.kind = DrawKind::Icon;
  draw.surface = surface;
  draw.rect = Block(x, y, w, h);
  draw.format = flags;
  draw.icon = icon;
  draw.iconName = picture->name;
  AppendDrawRecord(std::move(draw));
  return 1;
}

int HostDrawing::DestroyIcon(IconHandle icon) {
  if (Objects().Icon(icon) == nullptr) {
    if (!IsNull(icon)) Objects().Fault("DestroyIcon: unknown icon");
    return 0;
  }
  Objects().RemoveIcon(icon);
  return 1;
}

BitmapHandle HostDrawing::SHLoadImageFile(const char16_t* path) {
  if (CallFails("SHLoadImageFile")) return BitmapHandle{};
  if (path == nullptr || *path == 0) return BitmapHandle{};
  std::u16string name(path);
  std::string file = resolver_ ? resolver_(name) : DefaultPath(name);
  auto image = std::make_shared<RasterImage>();
  if (file.empty() || !ReadPng(file, image.get(), AlphaForm::Premultiplied)) return BitmapHandle{};
  return AsBitmap(Objects().AddBitmap(std::move(image), FileName(file)));
}

IconHandle CreateHostIcon(const RasterImage& picture, std::string name) {
  if (picture.Width() == 0 || picture.Height() == 0) return IconHandle{};
  return Objects().AddIcon(IconRecord{picture, std::move(name)});
}

IconHandle CreateHostIcon(int width, int height, const Pixel* argb, std::string name) {
  if (argb == nullptr || width <= 0 || height <= 0) return IconHandle{};
  RasterImage picture(width, height);
  std::copy(argb, argb + picture.Pixels().size(), picture.Pixels().begin());
  return CreateHostIcon(picture, std::move(name));
}

IconHandle LoadHostIcon(const std::string& pngPath, std::string name) {
  RasterImage picture;
  if (!ReadPng(pngPath, &picture, AlphaForm::Straight)) return IconHandle{};
  return CreateHostIcon(picture, std::move(name));
}

}  // namespace pf::host
