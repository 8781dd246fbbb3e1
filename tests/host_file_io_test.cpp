// Host files the tools read and write: FIFOs never waited on, files replaced whole, links and devices kept, pictures bounded before decoding.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "platform/host/host_clock.h"
#include "platform/host/host_draw.h"
#include "platform/host/host_file_io.h"
#include "platform/host/png_io.h"
#include "platform/text.h"
#include "tools/cli/command_line.h"
#include "tools/preview/clock_budget.h"

namespace ostrel::testing {
namespace {

// A folder of its own for each test, removed with what is left in it.
class HostFileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/ostrel-file-io-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The names in the folder, sorted, joined by spaces.
  std::string Listing() const {
    std::string out;
    FILE* ls = ::popen(("ls -A '" + dir_ + "'").c_str(), "r");
    for (int c; (c = std::fgetc(ls)) != EOF;) out.push_back(c == '\n' ? ' ' : static_cast<char>(c));
    ::pclose(ls);
    return out;
  }

  std::string dir_;
};

TEST_F(HostFileIoTest, ReadsTakeRegularFilesOnlyAndNeverWaitOnAFifo) {
  std::ofstream(Path("a.txt")) << "tap 1 2";
  std::string bytes;
  std::string error;
  ASSERT_TRUE(pf::host::ReadRegularFile(Path("a.txt"), &bytes, &error));
  EXPECT_EQ(bytes, "tap 1 2");
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  // Without a writer an ordinary open of the FIFO would wait for ever; the
  // test's own time limit (ctest) catches that.
  EXPECT_FALSE(pf::host::ReadRegularFile(Path("fifo"), &bytes, &error));
  EXPECT_EQ(error, Path("fifo") + ": is not a regular file");
  EXPECT_FALSE(pf::host::ReadRegularFile(dir_, &bytes, &error));
  EXPECT_EQ(error, dir_ + ": is not a regular file");
  bool missing = false;
  EXPECT_EQ(pf::host::OpenRegularFile(Path("none"), &error, &missing), -1);
  EXPECT_TRUE(missing);
  EXPECT_EQ(error, Path("none") + ": cannot open: No such file or directory");
  EXPECT_FALSE(pf::host::ReadRegularFile(Path("a.txt"), &bytes, &error, 3));
  EXPECT_EQ(error, Path("a.txt") + ": is larger than 3 bytes");
}

TEST_F(HostFileIoTest, AFileIsReplacedWholeKeepingItsPermissionsAndNothingBeside) {
  std::ofstream(Path("out.reg")) << "old";
  ASSERT_EQ(::chmod(Path("out.reg").c_str(), 0640), 0);
  std::string error;
  ASSERT_TRUE(pf::host::WriteWholeFile(Path("out.reg"), "new text", &error)) << error;
  EXPECT_EQ(Read(Path("out.reg")), "new text");
  struct stat st;
  ASSERT_EQ(::stat(Path("out.reg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A file that was not there is made; an old "NAME.tmp" is not touched.
  std::ofstream(Path("fresh.reg.tmp")) << "someone's";
  ASSERT_TRUE(pf::host::WriteWholeFile(Path("fresh.reg"), "x", &error));
  EXPECT_EQ(Read(Path("fresh.reg.tmp")), "someone's");
  EXPECT_EQ(Listing(), "fresh.reg fresh.reg.tmp out.reg ");
}

TEST_F(HostFileIoTest, ALinkIsWrittenThroughAndStaysALink) {
  ASSERT_EQ(::mkdir(Path("sub").c_str(), 0700), 0);
  std::ofstream(Path("sub/real.reg")) << "old";
  ASSERT_EQ(::symlink("sub/real.reg", Path("link.reg").c_str()), 0);
  ASSERT_EQ(::symlink("link.reg", Path("link2.reg").c_str()), 0);
  std::string error;
  ASSERT_TRUE(pf::host::WriteWholeFile(Path("link2.reg"), "through two links", &error)) << error;
  struct stat st;
  ASSERT_EQ(::lstat(Path("link2.reg").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::lstat(Path("link.reg").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(Read(Path("sub/real.reg")), "through two links");
  // A dangling link makes the file it names.
  ASSERT_EQ(::symlink("sub/new.reg", Path("dangling.reg").c_str()), 0);
  ASSERT_TRUE(pf::host::WriteWholeFile(Path("dangling.reg"), "made", &error)) << error;
  EXPECT_EQ(Read(Path("sub/new.reg")), "made");
  // A loop is a failure with its reason.
  ASSERT_EQ(::symlink("loop.reg", Path("loop.reg").c_str()), 0);
  EXPECT_FALSE(pf::host::WriteWholeFile(Path("loop.reg"), "x", &error));
  EXPECT_EQ(error, Path("loop.reg") + ": cannot write: " + std::strerror(ELOOP));
}

TEST_F(HostFileIoTest, AFifoOrADeviceIsWrittenInPlaceAndAFailureSaysWhy) {
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] { got = Read(Path("fifo")); });
  std::string error;
  EXPECT_TRUE(pf::host::WriteWholeFile(Path("fifo"), "into the pipe", &error)) << error;
  reader.join();
  EXPECT_EQ(got, "into the pipe");
  struct stat st;
  ASSERT_EQ(::lstat(Path("fifo").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_TRUE(pf::host::WriteWholeFile("/dev/null", "gone", &error));
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
  EXPECT_FALSE(pf::host::WriteWholeFile("/dev/full", "x", &error));
  EXPECT_EQ(error, "/dev/full: cannot write: No space left on device");
  EXPECT_FALSE(pf::host::WriteWholeFile(dir_, "x", &error));
  EXPECT_EQ(error, dir_ + ": cannot write: Is a directory");
  EXPECT_FALSE(pf::host::WriteWholeFile(Path("no/such.reg"), "x", &error));
  EXPECT_EQ(error, Path("no/such.reg") + ": cannot write: No such file or directory");
  EXPECT_EQ(Listing(), "fifo ");
}

// A PNG file with the given header size and a little pixel data.
void WritePngHeader(const std::string& path, std::uint32_t width, std::uint32_t height) {
  pf::host::RasterImage small(2, 2);
  ASSERT_TRUE(pf::host::WritePng(path, small));
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  // IHDR's width and height sit at bytes 16..23, its CRC at 29..32.
  unsigned char header[17] = {'I', 'H', 'D', 'R'};
  file.seekg(12);
  file.read(reinterpret_cast<char*>(header), 17);
  for (int i = 0; i < 4; ++i) {
    header[4 + i] = static_cast<unsigned char>(width >> (24 - 8 * i));
    header[8 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
  }
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : header) {
    crc ^= byte;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  crc ^= 0xFFFFFFFFu;
  const char crcBytes[4] = {static_cast<char>(crc >> 24), static_cast<char>(crc >> 16), static_cast<char>(crc >> 8),
                            static_cast<char>(crc)};
  file.seekp(12);
  file.write(reinterpret_cast<const char*>(header), 17);
  file.write(crcBytes, 4);
}

TEST_F(HostFileIoTest, PicturesLargerThanCanBeReadAreRefusedFromTheirHeader) {
  pf::host::RasterImage picture;
  std::string refusal;
  WritePngHeader(Path("side.png"), 16385, 1);
  EXPECT_FALSE(pf::host::ReadPng(Path("side.png"), &picture, pf::host::AlphaForm::Straight, &refusal));
  EXPECT_EQ(refusal, Path("side.png") + ": the picture is 16385 x 1 pixels, larger than a picture can be read "
                                        "(16384 a side, 16777216 pixels)");
  refusal.clear();
  WritePngHeader(Path("area.png"), 4097, 4096);
  EXPECT_FALSE(pf::host::ReadPng(Path("area.png"), &picture, pf::host::AlphaForm::Straight, &refusal));
  EXPECT_NE(refusal.find("4097 x 4096"), std::string::npos) << refusal;
  // A broken or missing file is no picture but no refusal either.
  refusal.clear();
  EXPECT_FALSE(pf::host::ReadPng(Path("none.png"), &picture, pf::host::AlphaForm::Straight, &refusal));
  std::ofstream(Path("bad.png")) << "\x89PNG\r\n\x1a\n no";
  EXPECT_FALSE(pf::host::ReadPng(Path("bad.png"), &picture, pf::host::AlphaForm::Straight, &refusal));
  EXPECT_EQ(refusal, "");
  // SHLoadImageFile keeps the refusals for the tools to report.
  ASSERT_EQ(::mkfifo(Path("fifo.png").c_str(), 0600), 0);
  pf::host::HostDraw().ClearRefusedImages();
  EXPECT_TRUE(pf::IsNull(pf::SHLoadImageFile(pf::FromUtf8(Path("fifo.png")).c_str())));
  EXPECT_TRUE(pf::IsNull(pf::SHLoadImageFile(pf::FromUtf8(Path("none.png")).c_str())));
  EXPECT_EQ(pf::host::HostDraw().RefusedImages(), std::vector<std::string>{Path("fifo.png") + ": is not a regular file"});
  pf::host::HostDraw().ClearRefusedImages();
}

TEST_F(HostFileIoTest, ScriptsComeFromTheValueOrFromAFileLineByLine) {
  EXPECT_EQ(cli::ScriptArgument("--ui", "tab 1; ok"), "tab 1; ok");
  std::ofstream(Path("script.txt")) << "tab 1\r\nok\n";
  EXPECT_EQ(cli::ScriptArgument("--ui", "@" + Path("script.txt")), "tab 1;;ok;");
  try {
    cli::ScriptArgument("--events", "@" + Path("none.txt"));
    ADD_FAILURE() << "a missing script was taken";
  } catch (const cli::UsageError& e) {
    EXPECT_EQ(std::string(e.what()), "--events: " + Path("none.txt") + ": cannot open: No such file or directory");
  }
}

// The message of the UsageError that plan() throws, empty when none.
template <typename Plan>
std::string Refusal(Plan plan) {
  try {
    plan();
  } catch (const cli::UsageError& e) {
    return e.what();
  }
  return "";
}

TEST(ClockBudget, HoldsARunToTheClocksYearsAndTenMillionTicks) {
  pf::host::HostClockService().SetLocalTime(pf::SYSTEMTIME{30827, 12, 0, 31, 23, 59, 50, 0});
  preview::ClockBudget end;
  EXPECT_EQ(Refusal([&] { end.Ticks(9, "a"); }), "");
  EXPECT_EQ(Refusal([&] { end.Ticks(1, "b"); }), "b: moves the clock outside 1601-01-01 .. 30827-12-31 23:59:59");
  EXPECT_EQ(Refusal([&] { end.Move(-100, "c"); }), "");
  pf::host::HostClockService().SetLocalTime(pf::SYSTEMTIME{2026, 1, 0, 1, 0, 0, 0, 0});
  preview::ClockBudget run;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Refusal([&] { run.Ticks(1000000, "tick"); }), "");
  EXPECT_EQ(Refusal([&] { run.Ticks(1, "tick 1"); }), "tick 1: more than 10000000 ticks in one run");
  // --ticks with --advance: the product is checked, not each step.
  preview::ClockBudget status;
  EXPECT_NE(Refusal([&] { status.TicksAfterMoves(29000, 31622400, "x"); }), "");
  EXPECT_EQ(Refusal([&] { status.TicksAfterMoves(1000000, -31, "y"); }), "");
  EXPECT_NE(Refusal([&] { status.TicksAfterMoves(1000000, -31622400, "z"); }), "");
}

}  // namespace
}  // namespace ostrel::testing
