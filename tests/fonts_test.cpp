// Density scaling, fonts made from a FontSpec and the layout's line height.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "tests/render_support.h"

namespace ostrel::testing {
namespace {

FontSpec Spec(const std::u16string& face, int size, int bold, int clearType) {
  FontSpec spec;
  pf::CopyText(spec.FaceName, kPathCapacity, face.c_str());
  spec.Size = size;
  spec.Bold = bold;
  spec.ClearType = clearType;
  return spec;
}

using FontsTest = RenderTest;

TEST_F(FontsTest, ScaleByDpiAsksTheVerticalDensityEachTimeAndTruncatesTowardZero) {
  EXPECT_EQ(ScaleByDpi(20), 20);
  pf::host::HostScreen().SetScreenDpi(96, 131);
  EXPECT_EQ(ScaleByDpi(20), 27);
  EXPECT_EQ(ScaleByDpi(2), 2);
  EXPECT_EQ(ScaleByDpi(-20), -27);
  pf::host::HostScreen().SetScreenDpi(192, 192);
  EXPECT_EQ(ScaleByDpi(-3), -6);
}

// The logical font made for a spec at a vertical density.
pf::LOGFONTW Made(pf::SurfaceHandle surface, int dpi, const FontSpec& spec) {
  pf::host::HostScreen().SetScreenDpi(96, dpi);
  pf::FontHandle font = CreateSpecFont(surface, spec);
  pf::LOGFONTW lf;
  EXPECT_EQ(pf::GetObjectW(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
  pf::DeleteObject(font);
  return lf;
}

TEST_F(FontsTest, SpecFontHasThePointSizeAtTheSurfaceDensityAndTheSystemFontsOtherFields) {
  pf::SurfaceHandle surface = Surface(4, 4);
  struct Case {
    int dpi, points, height;
  };
  for (const Case& c : {Case{96, 8, -10}, Case{192, 8, -21}, Case{96, 30, -40}, Case{131, 8, -14},
                        Case{131, 30, -54}, Case{96, -8, 10}}) {
    EXPECT_EQ(Made(surface, c.dpi, Spec(u"Tahoma", c.points, 0, 1)).lfHeight, c.height)
        << c.points << " points at " << c.dpi;
  }
  pf::LOGFONTW system;
  pf::GetObjectW(pf::GetStockObject(pf::SYSTEM_FONT), sizeof(system), &system);
  pf::LOGFONTW plain = Made(surface, 96, Spec(u"Tahoma", 8, 0, 1));
  EXPECT_EQ(plain.lfWeight, 400);
  EXPECT_EQ(plain.lfQuality, pf::CLEARTYPE_QUALITY);
  EXPECT_EQ(std::u16string(plain.lfFaceName), u"Tahoma");
  system.lfHeight = plain.lfHeight;
  system.lfWeight = plain.lfWeight;
  system.lfQuality = plain.lfQuality;
  std::copy(std::begin(plain.lfFaceName), std::end(plain.lfFaceName), system.lfFaceName);
  EXPECT_EQ(std::memcmp(&plain, &system, sizeof(system)), 0) << "other fields as the system font";
  pf::LOGFONTW bold = Made(surface, 96, Spec(u"Tahoma", 8, 5, 0));
  EXPECT_EQ(bold.lfWeight, 700);
  EXPECT_EQ(bold.lfQuality, pf::DEFAULT_QUALITY);
}

TEST_F(FontsTest, FaceNameLongerThanTheFaceFieldIsCutAt31Units) {
  const std::u16string name(200, u'Ж');
  pf::LOGFONTW lf = Made(Surface(4, 4), 96, Spec(name, 8, 0, 1));
  EXPECT_EQ(std::u16string(lf.lfFaceName), name.substr(0, 31));
}

TEST_F(FontsTest, LineHeightIsTheZerosCellStableAndLeavesTheSurfaceAsItWas) {
  pf::SurfaceHandle surface = Surface(4, 4);
  UseFont(surface, u"Tahoma", -40);
  const FontSpec spec = Spec(u"Tahoma", 8, 0, 1);
  EXPECT_EQ(LineHeight(surface, spec), 12);  // Tahoma at -10 has a 12-pixel cell
  EXPECT_EQ(LineHeight(surface, spec), 12);
  EXPECT_EQ(Extent(surface, u"0").cy, 48) << "the surface's own font is selected again";
  pf::host::HostScreen().SetScreenDpi(192, 192);
  EXPECT_EQ(LineHeight(surface, spec), 25);
  Deselect(surface);
}

TEST_F(FontsTest, PaintFontsPastItsCapacityGivesNullAndDeletesEveryFontItMade) {
  pf::SurfaceHandle surface = Surface(4, 4);
  const int before = pf::LiveDrawingObjects();
  {
    PaintFonts fonts(surface);
    for (int i = 0; i < PaintFonts::kMaxFonts; ++i) {
      EXPECT_FALSE(pf::IsNull(fonts.Make(Spec(u"Tahoma", 8 + i, 0, 1)))) << i;
    }
    EXPECT_TRUE(pf::IsNull(fonts.Make(Spec(u"Tahoma", 20, 0, 1))));
    EXPECT_EQ(pf::LiveDrawingObjects(), before + PaintFonts::kMaxFonts);
    fonts.Use(fonts.Make(Spec(u"Tahoma", 20, 0, 1)));  // null: the selection stays
  }
  EXPECT_EQ(pf::LiveDrawingObjects(), before);
}

}  // namespace
}  // namespace ostrel::testing
