// A user's own fonts: a folder's faces are drawn for the families they hold, a bold face as itself, a missing bold simulated.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "platform/host/host_fonts.h"
#include "platform/text.h"
#include "tests/pixels/font_stand_in.h"

namespace pf::host {
namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

std::shared_ptr<RealizedFont> Realize(const char16_t* face, int weight, int height = -40) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  CopyText(font.lfFaceName, LF_FACESIZE, face);
  return RealizeFont(font);
}

TEST(UserFonts, AFoldersFacesAreDrawnForTheirFamilyBoldAsItselfAndAMissingBoldSimulated) {
  char folderName[] = "/tmp/ostrel-fonts-XXXXXX";
  ASSERT_NE(::mkdtemp(folderName), nullptr);
  const std::string folder = folderName;
  std::string error;
  ASSERT_TRUE(ostrel::testing::WriteFontStandIn(kDejaVu + "DejaVuSans.ttf", folder + "/a.ttf", "Ostrel Stand In",
                                                &error)) << error;
  ASSERT_TRUE(ostrel::testing::WriteFontStandIn(kDejaVu + "DejaVuSans-Bold.ttf", folder + "/b.ttf", "Ostrel Stand In",
                                                &error)) << error;
  ASSERT_TRUE(ostrel::testing::WriteFontStandIn(kDejaVu + "DejaVuSerif.ttf", folder + "/c.ttf", "Ostrel Regular Only",
                                                &error)) << error;
  EXPECT_FALSE(ostrel::testing::WriteFontStandIn(folder + "/missing.ttf", folder + "/d.ttf", "X", &error));

  EXPECT_NE(Realize(u"Ostrel Stand In", FW_BOLD)->FamilyName(), "Ostrel Stand In") << "not yet known";
  EXPECT_FALSE(UseFontFolder(folder + "/missing"));
  ASSERT_TRUE(UseFontFolder(folder));
  const auto regular = Realize(u"Ostrel Stand In", FW_NORMAL);
  const auto bold = Realize(u"ostrel stand in", FW_BOLD);
  EXPECT_EQ(regular->FamilyName(), "Ostrel Stand In");
  EXPECT_EQ(bold->FamilyName(), "Ostrel Stand In");
  EXPECT_FALSE(bold->SimulatedBold()) << "the folder's own bold face";
  EXPECT_GT(bold->GlyphOf(U'0').advance, regular->GlyphOf(U'0').advance);
  const auto simulated = Realize(u"Ostrel Regular Only", FW_BOLD);
  EXPECT_EQ(simulated->FamilyName(), "Ostrel Regular Only");
  EXPECT_TRUE(simulated->SimulatedBold());
  EXPECT_EQ(Realize(u"Tahoma", FW_BOLD)->FamilyName(), "Tahoma") << "other families as before";
  // Ascent and descent scaled as GDI scales them: DejaVu Sans's 1901 and 483
  // units of 2048 at 21 pixels per em are 19.49 and 4.95 pixels, 19 and 5.
  const auto small = Realize(u"Ostrel Stand In", FW_NORMAL, -21);
  EXPECT_EQ(small->Metrics().ascent, 19);
  EXPECT_EQ(small->Metrics().descent, 5);
  std::system(("rm -rf '" + folder + "'").c_str());
}

}  // namespace
}  // namespace pf::host
