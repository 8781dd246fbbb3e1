// The program's three fonts, made from the system font, and the face names the font editor offers.
#include "config/program.h"
#include "platform/draw.h"
#include "platform/fonts.h"
#include "platform/gdi.h"

namespace ostrel::cfg {

using namespace pf;

namespace {

FontHandle SystemFontVariant(const LOGFONTW& base, int points, std::int32_t weight) {
  LOGFONTW font = base;
  font.lfWeight = weight;
  font.lfHeight = -(points * ScreenDensity(LOGPIXELSY)) / 72;
  return CreateFontIndirectW(&font);
}

// Adds one family to the face list; a family it refuses ends the listing.
int AddFaceName(const LOGFONTW* font, const void*, std::uint32_t, std::intptr_t combo) {
  return ComboBox_AddString(static_cast<WindowHandle>(combo), font->lfFaceName) >= 0 ? 1 : 0;
}

}  // namespace

void CreateProgramFonts() {
  LOGFONTW base;
  GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(base), &base);
  Program& p = State();
  p.NameFont = SystemFontVariant(base, 10, FW_BOLD);   // the About name line
  p.TitleFont = SystemFontVariant(base, 8, FW_BOLD);   // the title line
  p.HelpFont = SystemFontVariant(base, 8, FW_NORMAL);  // the editors' help text
}

// The fonts serve the window's whole life; they go with it.
void DeleteProgramFonts() {
  Program& p = State();
  for (FontHandle* font : {&p.NameFont, &p.TitleFont, &p.HelpFont}) {
    if (!IsNull(*font)) DeleteObject(*font);
    *font = FontHandle{};
  }
}

// Every family of the screen, in the order the system gives them. The
// enumeration answers the last family's "go on" (1), so 0 means it failed,
// a family could not be added, or there is none.
void FillFaceNames() {
  Program& p = State();
  WindowHandle combo = Ctl(FaceCombo);
  ComboBox_ResetContent(combo);
  SurfaceHandle screen = GetDC(WindowHandle{});
  p.FaceNamesListed = !IsNull(screen) && EnumFontFamiliesW(screen, nullptr, AddFaceName,
                                                           static_cast<std::intptr_t>(combo)) != 0;
  if (!IsNull(screen)) ReleaseDC(WindowHandle{}, screen);
}

}  // namespace ostrel::cfg
