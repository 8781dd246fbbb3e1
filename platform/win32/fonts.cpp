// EnumFontFamiliesW forwarded to the real one, each family's logical font handed to our callback as ours.
#include "platform/win32/win32.h"

namespace pf::win32 {

namespace {

struct Enumeration {
  pf::FONTENUMPROCW callback;
  std::intptr_t lParam;
};

pf::LOGFONTW FromRealFont(const ::LOGFONTW& real) {
  pf::LOGFONTW ours;
  ours.lfHeight = real.lfHeight;
  ours.lfWidth = real.lfWidth;
  ours.lfEscapement = real.lfEscapement;
  ours.lfOrientation = real.lfOrientation;
  ours.lfWeight = real.lfWeight;
  ours.lfItalic = real.lfItalic;
  ours.lfUnderline = real.lfUnderline;
  ours.lfStrikeOut = real.lfStrikeOut;
  ours.lfCharSet = real.lfCharSet;
  ours.lfOutPrecision = real.lfOutPrecision;
  ours.lfClipPrecision = real.lfClipPrecision;
  ours.lfQuality = real.lfQuality;
  ours.lfPitchAndFamily = real.lfPitchAndFamily;
  ::lstrcpynW(W(ours.lfFaceName), real.lfFaceName, LF_FACESIZE);
  return ours;
}

int CALLBACK EachFamily(const ::LOGFONTW* font, const ::TEXTMETRICW* metrics, DWORD type,
                        LPARAM call) {
  const Enumeration* enumeration = reinterpret_cast<const Enumeration*>(call);
  const pf::LOGFONTW ours = FromRealFont(*font);
  return enumeration->callback(&ours, metrics, type, enumeration->lParam);
}

}  // namespace

class Win32Fonts : public pf::FontsService {
 public:
  int EnumFontFamiliesW(pf::SurfaceHandle surface, const char16_t* family,
                        pf::FONTENUMPROCW callback, std::intptr_t lParam) override {
    if (callback == nullptr) return 0;
    Enumeration enumeration{callback, lParam};
    return ::EnumFontFamiliesW(ToHdc(surface), W(family),
                               &EachFamily,
                               reinterpret_cast<LPARAM>(&enumeration));
  }
};

}  // namespace pf::win32

namespace pf {

FontsService& PlatformFonts() {
  static win32::Win32Fonts fonts;
  return fonts;
}

}  // namespace pf
