// Host font families: EnumFontFamiliesW over a settable list of face names.
#include "platform/host/host_font_families.h"

#include "platform/host/memory_registry.h"
#include "platform/text.h"

namespace pf::host {

HostFontFamilies::HostFontFamilies() : faces_(DefaultFaces()) {}

std::vector<std::u16string> HostFontFamilies::DefaultFaces() {
  return {u"Tahoma", u"Courier New", u"Times New Roman", u"Arial", u"Segoe Condensed"};
}

int HostFontFamilies::EnumFontFamiliesW(SurfaceHandle, const char16_t* family,
                                        FONTENUMPROCW callback, std::intptr_t lParam) {
  if (callback == nullptr) return 0;
  int result = 0;
  for (const std::u16string& face : faces_) {
    if (family != nullptr && FoldCase(face) != FoldCase(family)) continue;
    LOGFONTW font;
    font.lfWeight = FW_NORMAL;
    CopyText(font.lfFaceName, LF_FACESIZE, face.c_str());
    result = callback(&font, nullptr, TRUETYPE_FONTTYPE, lParam);
    if (result == 0) break;
  }
  return result;
}

HostFontFamilies& HostFontFamilyList() {
  static HostFontFamilies families;
  return families;
}

}  // namespace pf::host

namespace pf {
FontsService& PlatformFonts() { return host::HostFontFamilyList(); }
}  // namespace pf
