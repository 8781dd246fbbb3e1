// ostrel-preview's contact sheet, run as a user runs it: its size, its pictures against the item's own, its labels, and what it refuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/host/png_io.h"
#include "tools/preview/contact_sheet.h"

namespace ostrel::testing {
namespace {

using pf::host::Pixel;
using pf::host::RasterImage;
using preview::kSheetGap;
using preview::kSheetLabelHeight;

const std::string kPreview = OSTREL_BINARY_DIR "/tools/preview/ostrel-preview";
const std::string kNow = " --now '2026-12-07 09:41:00'";

// A folder of the running test's own: ctest runs the tests side by side.
std::string Work() {
  const std::string folder = std::string(OSTREL_BINARY_DIR "/preview-sheet-test/") +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::system(("mkdir -p '" + folder + "'").c_str());
  return folder;
}

struct Outcome {
  int code = -1;
  std::string output;
  std::string errors;
};

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the preview with the arguments (a shell word list): its exit code,
// standard output and standard error.
Outcome RunPreview(const std::string& arguments) {
  const std::string output = Work() + "/stdout.txt";
  const std::string errors = Work() + "/stderr.txt";
  const int status = std::system(
      (kPreview + " " + arguments + " >'" + output + "' 2>'" + errors + "'").c_str());
  Outcome outcome;
  outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.output = ReadText(output);
  outcome.errors = ReadText(errors);
  return outcome;
}

std::string WriteReg(const std::string& name, const std::string& body) {
  const std::string path = Work() + "/" + name;
  std::ofstream(path) << "Windows Registry Editor Version 5.00\n\n" << body;
  return path;
}

RasterImage ReadPicture(const std::string& path) {
  RasterImage picture;
  if (!pf::host::ReadPng(path, &picture)) ADD_FAILURE() << "no picture " << path;
  return picture;
}

RasterImage Sheet(const std::string& arguments) {
  const std::string out = Work() + "/sheet.png";
  std::remove(out.c_str());
  const Outcome outcome = RunPreview(arguments + kNow + " --sheet '" + out + "'");
  EXPECT_EQ(outcome.code, 0) << outcome.errors;
  return ReadPicture(out);
}

// The item alone at a density, after `page` presses of the right key.
RasterImage ItemPage(int dpi, int page, const std::string& arguments = "") {
  std::string events;
  for (int i = 0; i < page; ++i) events += "key right;";
  const std::string out = Work() + "/item.png";
  const Outcome outcome =
      RunPreview(arguments + kNow + " --dpi " + std::to_string(dpi) + " --width " +
                 std::to_string(240 * dpi / 96) + " --events '" + events + "' --png '" + out + "'");
  EXPECT_EQ(outcome.code, 0) << outcome.errors;
  return ReadPicture(out);
}

bool SameBlock(const RasterImage& sheet, int left, int top, const RasterImage& picture) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (!sheet.Contains(left + x, top + y) || sheet.At(left + x, top + y) != picture.At(x, y)) {
        return false;
      }
    }
  }
  return true;
}

// The pixels of a label strip, and how many of them differ from the background.
std::vector<Pixel> Strip(const RasterImage& sheet, int left, int top, int width) {
  std::vector<Pixel> pixels;
  for (int y = top; y < top + kSheetLabelHeight; ++y) {
    for (int x = left; x < left + width; ++x) {
      if (sheet.Contains(x, y)) pixels.push_back(sheet.At(x, y));
    }
  }
  return pixels;
}
int Inked(const std::vector<Pixel>& strip, Pixel background) {
  int n = 0;
  for (Pixel p : strip) n += p != background ? 1 : 0;
  return n;
}

TEST(PreviewSheet, EveryPageAtEachDensityIsTheItemsOwnPictureUnderItsLabel) {
  const RasterImage sheet = Sheet("");
  ASSERT_GT(sheet.Width(), 0);
  const Pixel background = sheet.At(0, 0);
  const int pages = 3;  // the default settings: the calendar, the launcher and the system information
  int top = kSheetGap;
  for (int dpi : preview::kSheetDensities) {
    const int width = 240 * dpi / 96;
    std::vector<Pixel> firstLabel;
    int itemHeight = 0;
    for (int page = 0; page < pages; ++page) {
      SCOPED_TRACE(std::to_string(dpi) + " dpi, page " + std::to_string(page + 1));
      const RasterImage item = ItemPage(dpi, page);
      ASSERT_EQ(item.Width(), width);
      itemHeight = item.Height();
      const int left = kSheetGap + page * (width + kSheetGap);
      EXPECT_TRUE(SameBlock(sheet, left, top + kSheetLabelHeight, item));
      const std::vector<Pixel> label = Strip(sheet, left, top, width);
      EXPECT_GT(Inked(label, background), 40) << "the label is drawn";
      if (page == 0) firstLabel = label;
      else EXPECT_NE(label, firstLabel) << "each page has its own label";
    }
    top += kSheetLabelHeight + itemHeight + kSheetGap;
  }
  EXPECT_EQ(sheet.Height(), top);
  EXPECT_EQ(sheet.Width(), kSheetGap + pages * (480 + kSheetGap));
}

TEST(PreviewSheet, HiddenPagesLeaveTheRowsAndNoPageLeavesOnePictureEach) {
  const std::string noLauncher = WriteReg("no-launcher.reg",
      "[HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel\\Launcher]\n\"Visible\"=dword:00000000\n");
  const RasterImage two = Sheet("--reg '" + noLauncher + "'");
  EXPECT_EQ(two.Width(), kSheetGap + 2 * (480 + kSheetGap));
  // The second picture of a row is the page after the hidden one.
  const RasterImage sysInfo = ItemPage(96, 1, "--reg '" + noLauncher + "'");
  EXPECT_TRUE(SameBlock(two, kSheetGap + 240 + kSheetGap, kSheetGap + kSheetLabelHeight, sysInfo));

  const std::string allFixed = WriteReg("all-fixed.reg",
      "[HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel]\n\"FixedPageCount\"=dword:00000006\n");
  const RasterImage one = Sheet("--reg '" + allFixed + "'");
  EXPECT_EQ(one.Width(), kSheetGap + 480 + kSheetGap);
  int height = kSheetGap;
  for (int dpi : preview::kSheetDensities) {
    const RasterImage item = ItemPage(dpi, 0, "--reg '" + allFixed + "'");
    EXPECT_TRUE(SameBlock(one, kSheetGap, height + kSheetLabelHeight, item)) << dpi << " dpi";
    height += kSheetLabelHeight + item.Height() + kSheetGap;
  }
  EXPECT_EQ(one.Height(), height);
}

TEST(PreviewSheet, IsListedInHelpAndRefusesWhatItCannotDraw) {
  const Outcome help = RunPreview("--help");
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.output.find("--sheet OUT.png"), std::string::npos);

  const std::string tall = WriteReg("tall.reg",
      "[HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel\\Calendar]\n\"Height\"=dword:7fffffff\n");
  const std::string out = " --sheet '" + Work() + "/refused.png'";
  for (const std::string& arguments :
       {std::string("--sheet"), out + " --png x.png", out + " --json -", out + " --dpi 128",
        out + " --events 'key right'", out + " --dump-settings", out + " --reg '" + Work() + "/none.reg'",
        out + " --reg '" + tall + "'"}) {
    const Outcome outcome = RunPreview(arguments);
    EXPECT_EQ(outcome.code, 2) << arguments << "\n" << outcome.errors;
    EXPECT_EQ(outcome.errors.rfind("ostrel-preview: ", 0), 0u) << arguments;
    EXPECT_EQ(outcome.errors.find('\n'), outcome.errors.size() - 1) << "one line: " << arguments;
  }
}

}  // namespace
}  // namespace ostrel::testing
