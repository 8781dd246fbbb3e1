// Text on the host raster surface: Tahoma's extents as the platform reports them, DrawTextW placement, rendering.
#include <string>

#include "platform/host/host_fonts.h"
#include "platform/host/png_io.h"
#include "platform/host/raster_log.h"
#include "tests/draw_support.h"
#include "tests/draw_tahoma_extents.h"

namespace ostrel::testing {
namespace {

using pf::RECT;

const std::u16string kOffline = kOfflineText;

class TahomaExtents : public DrawTest, public ::testing::WithParamInterface<TahomaExtent> {};

TEST_P(TahomaExtents, MatchThePlatformPixelForPixel) {
  const TahomaExtent& c = GetParam();
  pf::SurfaceHandle dc = Surface(4, 4);
  UseFont(dc, u"Tahoma", c.height, c.weight);
  EXPECT_EQ(Extent(dc, u"0").cy, c.cell);
  EXPECT_EQ(Extent(dc, u"0").cx, c.zero);
  EXPECT_EQ(Extent(dc, u"00:00:00").cx, c.clock);
  EXPECT_EQ(Extent(dc, kOffline).cx, c.offline);
  EXPECT_EQ(Extent(dc, u"AVWaw 1%").cx, c.mixed);
  Deselect(dc);
}

INSTANTIATE_TEST_SUITE_P(DrawTahoma, TahomaExtents, ::testing::ValuesIn(kTahomaExtents));

TEST_F(DrawTest, TahomaComesFromWinesFontFolderWithItsOwnBoldFace) {
  pf::LOGFONTW lf;
  lf.lfHeight = -10;
  pf::CopyText(lf.lfFaceName, pf::LF_FACESIZE, u"Tahoma");
  auto regular = pf::host::RealizeFont(lf);
  ASSERT_NE(regular, nullptr);
  EXPECT_EQ(regular->FamilyName(), "Tahoma");
  lf.lfWeight = pf::FW_BOLD;
  auto bold = pf::host::RealizeFont(lf);
  ASSERT_NE(bold, nullptr);
  EXPECT_EQ(bold->FamilyName(), "Tahoma");
  EXPECT_FALSE(bold->SimulatedBold());
}

// Measured under Wine 8: TextOutW at (0, 0), white on black, into a 32-bit
// DIB; the right edge of the lit pixels. Up to 16 pixels per em Tahoma's
// pictures come from its bitmap strikes, whose bold advances are wider than
// the extents the same font reports.
TEST_F(DrawTest, SmallTahomaIsDrawnFromItsBitmapStrikesAsGdiDrawsIt) {
  const std::u16string date = u"7 декабря 2026 г.";
  struct Case {
    int height, weight, extent, inkRight;
  };
  for (const Case& c : {Case{-10, pf::FW_NORMAL, 77, 79}, Case{-10, pf::FW_BOLD, 87, 95}}) {
    pf::SurfaceHandle dc = Surface(200, 14);
    UseFont(dc, u"Tahoma", c.height, c.weight);
    pf::SetTextColor(dc, pf::RGB(255, 255, 255));
    pf::SetBkMode(dc, pf::TRANSPARENT);
    pf::ExtTextOutW(dc, 0, 0, 0, nullptr, date.c_str(), static_cast<unsigned>(date.size()), nullptr);
    EXPECT_EQ(Extent(dc, date).cx, c.extent) << "weight " << c.weight;
    EXPECT_EQ(Ink(dc, pf::RECT{0, 0, 200, 14}, pf::RGB(0, 0, 0)).right, c.inkRight)
        << "weight " << c.weight;
    Deselect(dc);
  }
}

TEST_F(DrawTest, FaceWithoutABoldFileIsEmboldenedOnePixelPerCharacterWider) {
  pf::SurfaceHandle dc = Surface(4, 4);
  UseFont(dc, u"Wingdings", -16);
  int regular = Extent(dc, u"ABCD").cx;
  UseFont(dc, u"Wingdings", -16, pf::FW_BOLD);
  EXPECT_EQ(Extent(dc, u"ABCD").cx, regular + 4);
  Deselect(dc);
}

TEST_F(DrawTest, ExtentsAreStableScaleWithHeightAndGivePartialWidths) {
  pf::SurfaceHandle dc = Surface(4, 4);
  UseFont(dc, u"Tahoma", -10);
  pf::SIZE small = Extent(dc, kOffline);
  EXPECT_EQ(Extent(dc, kOffline).cx, small.cx);
  UseFont(dc, u"Tahoma", -20);
  pf::SIZE large = Extent(dc, kOffline);
  EXPECT_NEAR(large.cx, 2 * small.cx, small.cx / 8);
  EXPECT_NEAR(large.cy, 2 * small.cy, 2);

  int fit = -1;
  int dx[5] = {};
  pf::SIZE size;
  ASSERT_TRUE(pf::GetTextExtentExPointW(dc, u"00:00", 5, 2 * Extent(dc, u"0").cx, &fit, dx, &size));
  EXPECT_EQ(fit, 2);
  EXPECT_EQ(dx[1], 2 * Extent(dc, u"0").cx);
  EXPECT_EQ(dx[4], size.cx);
  // An empty text has no cell at all.
  EXPECT_EQ(Extent(dc, u"").cx, 0);
  EXPECT_EQ(Extent(dc, u"").cy, 0);
  Deselect(dc);
}

TEST_F(DrawTest, UnknownFaceIsSubstitutedAndLongFaceNamesStayInTheirField) {
  pf::LOGFONTW lf;
  lf.lfHeight = -12;
  for (char16_t& unit : lf.lfFaceName) unit = u'W';  // no terminator at all
  EXPECT_NE(pf::host::RealizeFont(lf), nullptr);
  pf::FontHandle font = pf::CreateFontIndirectW(&lf);
  pf::LOGFONTW back;
  ASSERT_EQ(pf::GetObjectW(font, sizeof back, &back), static_cast<int>(sizeof back));
  EXPECT_EQ(pf::TextLength(back.lfFaceName), static_cast<std::size_t>(pf::LF_FACESIZE - 1));
  pf::SurfaceHandle dc = Surface(4, 4);
  pf::FontHandle old = pf::SelectObject(dc, font);
  EXPECT_GT(Extent(dc, u"0").cx, 0);
  pf::SelectObject(dc, old);
  pf::DeleteObject(font);
}

// Each case: format flags and where the text's cell must land in the
// rectangle (20, 10) - (220, 60).
struct PlacementCase {
  std::uint32_t format;
  const char* name;
};

class DrawTextPlacement : public DrawTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(DrawTextPlacement, PutsTheCellWhereTheFlagsSay) {
  std::uint32_t format = GetParam().format | pf::DT_SINGLELINE | pf::DT_NOCLIP;
  pf::SurfaceHandle dc = Surface(240, 80);
  UseFont(dc, u"Tahoma", -10);
  pf::SetBkMode(dc, pf::TRANSPARENT);
  pf::SetTextColor(dc, pf::RGB(255, 255, 255));
  pf::SIZE size = Extent(dc, u"12:34");
  RECT r{20, 10, 220, 61};
  pf::DrawTextW(dc, u"12:34", -1, &r, format);
  int x = r.left;
  if (format & pf::DT_CENTER) x = (r.left + r.right - size.cx) / 2;
  if (format & pf::DT_RIGHT) x = r.right - size.cx;
  int y = r.top;
  if (format & pf::DT_VCENTER) y = r.top + (r.bottom - r.top) / 2 - size.cy / 2;
  if (format & pf::DT_BOTTOM) y = r.bottom - size.cy;
  ASSERT_EQ(pf::host::DrawLog().size(), 1u);
  const pf::host::DrawRecord& draw = pf::host::DrawLog()[0];
  EXPECT_EQ(draw.placed, (RECT{x, y, x + size.cx, y + size.cy}));
  EXPECT_EQ(draw.rect, (RECT{20, 10, 220, 61}));
  EXPECT_EQ(draw.format, format);
  EXPECT_EQ(draw.faceName, u"Tahoma");
  EXPECT_EQ(draw.fontHeight, -10);
  EXPECT_EQ(draw.color, pf::RGB(255, 255, 255));
  // The ink lies inside the cell (anti-aliased edges may spill one pixel),
  // and the cell's right end is the text's: right-aligned digits end within
  // a pixel or two of the rectangle's edge.
  RECT ink = Ink(dc, RECT{0, 0, 240, 80}, pf::RGB(0, 0, 0));
  EXPECT_GE(ink.left, x);
  EXPECT_LE(ink.right, x + size.cx + 1);
  EXPECT_GE(ink.right, x + size.cx - 2);
  EXPECT_GE(ink.top, y);
  EXPECT_LE(ink.bottom, y + size.cy);
  Deselect(dc);
}

INSTANTIATE_TEST_SUITE_P(DrawFlags, DrawTextPlacement,
                         ::testing::Values(PlacementCase{pf::DT_LEFT, "left"},
                                           PlacementCase{pf::DT_RIGHT, "right"},
                                           PlacementCase{pf::DT_CENTER, "centre"},
                                           PlacementCase{pf::DT_VCENTER, "vcentre"},
                                           PlacementCase{pf::DT_RIGHT | pf::DT_VCENTER, "right_vcentre"},
                                           PlacementCase{pf::DT_CENTER | pf::DT_BOTTOM, "centre_bottom"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawTest, DrawTextClipsUnlessToldNotToAndReportsItsHeight) {
  pf::SurfaceHandle dc = Surface(200, 40);
  UseFont(dc, u"Tahoma", -21);
  pf::SetBkMode(dc, pf::TRANSPARENT);
  pf::SetTextColor(dc, pf::RGB(255, 255, 255));
  RECT narrow{10, 5, 30, 35};
  int height = pf::DrawTextW(dc, u"00:00", -1, &narrow, pf::DT_SINGLELINE);
  EXPECT_EQ(height, Extent(dc, u"0").cy);
  EXPECT_LE(Ink(dc, RECT{0, 0, 200, 40}, 0).right, 30);
  pf::DrawTextW(dc, u"00:00", -1, &narrow, pf::DT_SINGLELINE | pf::DT_NOCLIP);
  EXPECT_GT(Ink(dc, RECT{0, 0, 200, 40}, 0).right, 40);
  // Vertically centred text reports the offset of its bottom from the top.
  RECT box{0, 0, 200, 41};
  EXPECT_EQ(pf::DrawTextW(dc, u"0", -1, &box, pf::DT_SINGLELINE | pf::DT_VCENTER),
            (41 - 25) / 2 + 25);
  Deselect(dc);
}

// The box and the line are halved each on its own, as the platform does: an
// even box and an odd line put the line a pixel lower, and an odd box shorter
// than an even line a pixel higher, than halving their difference would.
TEST_F(DrawTest, VerticalCentringHalvesTheBoxAndTheLineApart) {
  pf::SurfaceHandle dc = Surface(200, 60);
  struct Case { int height; int box; int top; };
  for (const Case& c : {Case{-21, 40, 10 + 8}, Case{-10, 7, 10 - 3}, Case{-10, 9, 10 - 2}}) {
    UseFont(dc, u"Tahoma", c.height);
    pf::host::ClearDrawLog();
    RECT box{0, 10, 200, 10 + c.box};
    pf::DrawTextW(dc, u"0", -1, &box, pf::DT_SINGLELINE | pf::DT_VCENTER | pf::DT_NOCLIP);
    ASSERT_EQ(pf::host::DrawLog().size(), 1u);
    EXPECT_EQ(pf::host::DrawLog()[0].placed.top, c.top) << "box " << c.box << " font " << c.height;
    Deselect(dc);
  }
}

TEST_F(DrawTest, CalcRectMeasuresWithoutDrawingAndPrefixesAreHidden) {
  pf::SurfaceHandle dc = Surface(100, 40);
  UseFont(dc, u"Tahoma", -10);
  RECT r{10, 20, 100, 60};
  pf::DrawTextW(dc, u"a&b", -1, &r, pf::DT_CALCRECT | pf::DT_SINGLELINE);
  EXPECT_EQ(r, (RECT{10, 20, 10 + Extent(dc, u"ab").cx, 32}));
  r = RECT{10, 20, 100, 60};
  pf::DrawTextW(dc, u"a&&b", -1, &r, pf::DT_CALCRECT | pf::DT_SINGLELINE);
  EXPECT_EQ(r.right, 10 + Extent(dc, u"a&b").cx);
  r = RECT{10, 20, 100, 60};
  pf::DrawTextW(dc, u"a&b", -1, &r, pf::DT_CALCRECT | pf::DT_SINGLELINE | pf::DT_NOPREFIX);
  EXPECT_EQ(r.right, 10 + Extent(dc, u"a&b").cx);
  EXPECT_TRUE(pf::host::DrawLog().empty());
  EXPECT_EQ(Ink(dc, RECT{0, 0, 100, 40}, 0).right, 0);
  Deselect(dc);
}

TEST_F(DrawTest, OpaqueModePaintsTheTextBoxTransparentModeOnlyTheGlyphs) {
  pf::SurfaceHandle dc = Surface(120, 30, pf::RGB(0, 0, 0));
  UseFont(dc, u"Tahoma", -10);
  pf::SetBkColor(dc, pf::RGB(0, 0, 255));
  pf::SetTextColor(dc, pf::RGB(255, 255, 255));
  RECT r{0, 0, 120, 30};
  pf::DrawTextW(dc, u"12", -1, &r, pf::DT_SINGLELINE);
  EXPECT_EQ(pf::GetPixel(dc, 0, 0), pf::RGB(0, 0, 255));
  EXPECT_EQ(pf::GetPixel(dc, Extent(dc, u"12").cx, 0), pf::RGB(0, 0, 0));
  pf::SetBkMode(dc, pf::TRANSPARENT);
  RECT below{0, 15, 120, 30};
  pf::DrawTextW(dc, u"12", -1, &below, pf::DT_SINGLELINE);
  EXPECT_EQ(pf::GetPixel(dc, 0, 15), pf::RGB(0, 0, 0));
  Deselect(dc);
}

TEST_F(DrawTest, RussianTextAndDigitsRenderAsGlyphs) {
  pf::SurfaceHandle dc = Surface(240, 60, pf::RGB(16, 24, 48));
  pf::SetBkMode(dc, pf::TRANSPARENT);
  pf::SetTextColor(dc, pf::RGB(255, 255, 255));
  UseFont(dc, u"Tahoma", -10);
  RECT line{4, 2, 236, 20};
  pf::DrawTextW(dc, kOffline.c_str(), -1, &line, pf::DT_SINGLELINE | pf::DT_NOCLIP);
  UseFont(dc, u"Tahoma", -27, pf::FW_BOLD);
  RECT clock{4, 20, 236, 58};
  pf::DrawTextW(dc, u"12:34", -1, &clock, pf::DT_SINGLELINE | pf::DT_RIGHT | pf::DT_VCENTER);
  Deselect(dc);

  // Every letter leaves ink: the line's ink spans the measured text.
  RECT ink = Ink(dc, RECT{0, 0, 240, 20}, pf::RGB(16, 24, 48));
  EXPECT_LE(ink.left, 5);
  EXPECT_GE(ink.right, 4 + 93 - 2);
  int white = 0;
  for (int x = 0; x < 240; ++x) {
    for (int y = 20; y < 60; ++y) white += pf::GetPixel(dc, x, y) == pf::RGB(255, 255, 255);
  }
  EXPECT_GT(white, 100) << "the bold clock digits have solid strokes";
  const pf::host::RasterImage* picture = pf::host::SurfacePicture(dc);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(pf::host::WritePng(std::string(OSTREL_BINARY_DIR) + "/draw-check.png", *picture));
}

}  // namespace
}  // namespace ostrel::testing
