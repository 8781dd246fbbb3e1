// Host stand-in for the font families service: a settable list of installed face names.
#pragma once

#include <string>
#include <vector>

#include "platform/fonts.h"

namespace pf::host {

class HostFontFamilies : public FontsService {
 public:
  HostFontFamilies();
  int EnumFontFamiliesW(SurfaceHandle surface, const char16_t* family, FONTENUMPROCW callback,
                        std::intptr_t lParam) override;

  // Faces in enumeration order; a face longer than a logical font holds is cut.
  void SetFaces(std::vector<std::u16string> faces) { faces_ = std::move(faces); }
  const std::vector<std::u16string>& Faces() const { return faces_; }
  // The faces the host offers when nothing was set: a few, "Tahoma" among them.
  static std::vector<std::u16string> DefaultFaces();

 private:
  std::vector<std::u16string> faces_;
};

HostFontFamilies& HostFontFamilyList();

}  // namespace pf::host
