// Density scaling, fonts made from a FontSpec and the layout's line height.
#include <ostream>
#include <string>

#include "platform/host/host_screen.h"
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

pf::LOGFONTW LogicalFontOf(pf::FontHandle font) {
  pf::LOGFONTW lf;
  EXPECT_EQ(pf::GetObjectW(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
  return lf;
}

using FontsTest = RenderTest;

TEST_F(FontsTest, ScaleByDpiAsksTheScreenEachTimeAndTruncatesTowardZero) {
  pf::host::HostScreen().SetScreenDpi(96, 96);
  EXPECT_EQ(ScaleByDpi(20), 20);
  EXPECT_EQ(ScaleByDpi(-7), -7);
  pf::host::HostScreen().SetScreenDpi(96, 131);  // the vertical density counts
  EXPECT_EQ(ScaleByDpi(20), 27);
  EXPECT_EQ(ScaleByDpi(2), 2);
  EXPECT_EQ(ScaleByDpi(-20), -27);
  EXPECT_EQ(ScaleByDpi(-1), -1);
  pf::host::HostScreen().SetScreenDpi(192, 192);
  EXPECT_EQ(ScaleByDpi(20), 40);
  EXPECT_EQ(ScaleByDpi(-3), -6);
}

struct HeightCase {
  int dpi;
  int points;
  int height;
};

void PrintTo(const HeightCase& c, std::ostream* os) {
  *os << c.points << "pt@" << c.dpi;
}

class FontsSpecHeight : public RenderTest, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(FontsSpecHeight, IsTheCharacterHeightOfThePointSizeAtTheSurfaceDensity) {
  pf::host::HostScreen().SetScreenDpi(96, GetParam().dpi);
  pf::SurfaceHandle surface = Surface(4, 4);
  pf::FontHandle font = CreateSpecFont(surface, Spec(u"Tahoma", GetParam().points, 0, 1));
  EXPECT_EQ(LogicalFontOf(font).lfHeight, GetParam().height);
  pf::DeleteObject(font);
}

INSTANTIATE_TEST_SUITE_P(Densities, FontsSpecHeight,
                         ::testing::Values(HeightCase{96, 8, -10}, HeightCase{192, 8, -21},
                                           HeightCase{96, 30, -40}, HeightCase{131, 8, -14},
                                           HeightCase{131, 30, -54}, HeightCase{192, 30, -80},
                                           HeightCase{96, 0, 0}, HeightCase{96, -8, 10}));

TEST_F(FontsTest, SpecFontTakesWeightQualityAndFaceAndKeepsTheSystemFontsOtherFields) {
  pf::SurfaceHandle surface = Surface(4, 4);
  pf::LOGFONTW system;
  pf::GetObjectW(pf::GetStockObject(pf::SYSTEM_FONT), sizeof(system), &system);

  pf::FontHandle plain = CreateSpecFont(surface, Spec(u"Tahoma", 8, 0, 1));
  pf::LOGFONTW lf = LogicalFontOf(plain);
  EXPECT_EQ(lf.lfWeight, 400);
  EXPECT_EQ(lf.lfQuality, pf::CLEARTYPE_QUALITY);
  EXPECT_EQ(std::u16string(lf.lfFaceName), u"Tahoma");
  EXPECT_EQ(lf.lfWidth, system.lfWidth);
  EXPECT_EQ(lf.lfCharSet, system.lfCharSet);
  EXPECT_EQ(lf.lfPitchAndFamily, system.lfPitchAndFamily);
  EXPECT_EQ(lf.lfOutPrecision, system.lfOutPrecision);
  EXPECT_EQ(lf.lfItalic, system.lfItalic);
  pf::DeleteObject(plain);

  pf::FontHandle bold = CreateSpecFont(surface, Spec(u"Tahoma", 8, 5, 0));
  lf = LogicalFontOf(bold);
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfQuality, pf::DEFAULT_QUALITY);
  pf::DeleteObject(bold);
}

TEST_F(FontsTest, FaceNameLongerThanTheFaceFieldIsCutAt31Units) {
  const std::u16string longName(200, u'Ж');
  FontSpec spec = Spec(longName, 8, 0, 1);
  spec.FaceName[kPathCapacity - 1] = 0;
  pf::SurfaceHandle surface = Surface(4, 4);
  pf::FontHandle font = CreateSpecFont(surface, spec);
  pf::LOGFONTW lf = LogicalFontOf(font);
  EXPECT_EQ(std::u16string(lf.lfFaceName), longName.substr(0, 31));
  EXPECT_EQ(lf.lfFaceName[pf::LF_FACESIZE - 1], 0);
  pf::DeleteObject(font);
}

TEST_F(FontsTest, LineHeightIsTheZerosCellStableAndLeavesTheSurfaceAsItWas) {
  pf::SurfaceHandle surface = Surface(4, 4);
  UseFont(surface, u"Tahoma", -40);
  const FontSpec spec = Spec(u"Tahoma", 8, 0, 1);
  const int first = LineHeight(surface, spec);
  EXPECT_EQ(first, 12);  // Tahoma at -10: the cell of any text is 12 pixels
  EXPECT_EQ(LineHeight(surface, spec), first);
  EXPECT_EQ(Extent(surface, u"0").cy, 48) << "the surface's own font is selected again";
  pf::host::HostScreen().SetScreenDpi(192, 192);
  EXPECT_EQ(LineHeight(surface, spec), 25);
  Deselect(surface);
}

}  // namespace
}  // namespace ostrel::testing
