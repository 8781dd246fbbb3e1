// The drawing-call record of the host raster surfaces.
#include "platform/host/raster_log.h"

#include <cstdio>

namespace pf::host {

namespace {

std::vector<DrawRecord>& Log() {
  static std::vector<DrawRecord> log;
  return log;
}

struct FlagName {
  std::uint32_t flag;
  const char* name;
};

constexpr FlagName kFlagNames[] = {
    {DT_CENTER, "DT_CENTER"},         {DT_RIGHT, "DT_RIGHT"},     {DT_VCENTER, "DT_VCENTER"},
    {DT_BOTTOM, "DT_BOTTOM"},         {DT_SINGLELINE, "DT_SINGLELINE"},
    {DT_NOCLIP, "DT_NOCLIP"},         {DT_CALCRECT, "DT_CALCRECT"},
    {DT_NOPREFIX, "DT_NOPREFIX"},
};

}  // namespace

const std::vector<DrawRecord>& DrawLog() { return Log(); }
void ClearDrawLog() { Log().clear(); }
void AppendDrawRecord(DrawRecord record) { Log().push_back(std::move(record)); }

std::string FormatFlagNames(std::uint32_t format) {
  std::string names;
  auto add = [&names](const char* name) {
    if (!names.empty()) names += '|';
    names += name;
  };
  if ((format & (DT_CENTER | DT_RIGHT)) == 0) add("DT_LEFT");
  if ((format & (DT_VCENTER | DT_BOTTOM)) == 0) add("DT_TOP");
  std::uint32_t rest = format;
  for (const FlagName& f : kFlagNames) {
    if (format & f.flag) add(f.name);
    rest &= ~f.flag;
  }
  if (rest != 0) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(rest));
    add(hex);
  }
  return names;
}

const char* DrawKindName(DrawKind kind) {
  switch (kind) {
    case DrawKind::DrawText: return "DrawTextW";
    case DrawKind::TextOut: return "ExtTextOutW";
    case DrawKind::Fill: return "Fill";
    case DrawKind::Copy: return "BitBlt";
    case DrawKind::TransparentImage: return "TransparentImage";
    case DrawKind::Icon: return "DrawIconEx";
    case DrawKind::Rectangle: return "Rectangle";
  }
  return "";
}

}  // namespace pf::host
