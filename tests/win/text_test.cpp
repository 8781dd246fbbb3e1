// Bounded formatting on the real build (64-bit Windows calling convention,
// 16-bit wchar_t), checked against the platform's own wsprintfW.
#include "tests/win/win_test_support.h"

#include <climits>

namespace ostrel::wintest {
namespace {

// FormatText and wsprintfW must agree on every pattern both understand.
template <typename... Args>
void ExpectSameAsWsprintf(const char16_t* pattern, Args... args) {
  char16_t ours[256] = {};
  wchar_t theirs[1024] = {};
  int ourLength = pf::FormatText(ours, 256, pattern, args...);
  int theirLength = ::wsprintfW(theirs, W(pattern), args...);
  EXPECT_EQ(Utf8(ours), Utf8(pf::win32::U(theirs))) << "pattern " << Utf8(pattern);
  EXPECT_EQ(ourLength, theirLength) << "pattern " << Utf8(pattern);
}

TEST(FormatOnWindows, AgreesWithWsprintfW) {
  ExpectSameAsWsprintf(u"%s%i", u"FileName", 1);
  ExpectSameAsWsprintf(u"%s%i", u"FileName", 2147483647);
  ExpectSameAsWsprintf(u"%s%s", u"Z:\\Ostrel\\", u"battery.lnk");
  ExpectSameAsWsprintf(u"%s%s", u"\\Мои документы\\", u"memory.lnk");
  ExpectSameAsWsprintf(u"%02d:%02d", 7, 5);
  ExpectSameAsWsprintf(u"%d%%", -42);
  ExpectSameAsWsprintf(u"%i", INT_MIN);
  ExpectSameAsWsprintf(u"%u", 4000000000u);
  ExpectSameAsWsprintf(u"%x %X %02X", 0xBEEFu, 0xBEEFu, 0xAu);
  ExpectSameAsWsprintf(u"%5d|%05d", 42, -42);
  ExpectSameAsWsprintf(u"%s %i %s %i", u"a", 1, u"б", 2);
}

TEST(FormatOnWindows, LongIsSixtyFourBitsAndMixesWithOtherArguments) {
  char16_t out[64] = {};
  // %li takes a 64-bit value here too, where long itself is 32 bits.
  EXPECT_EQ(pf::FormatText(out, 64, u"%li/%i/%s", -1234567890123LL, 7, u"ГБ"), 19);
  EXPECT_EQ(Utf8(out), "-1234567890123/7/ГБ");
  EXPECT_EQ(pf::FormatText(out, 64, u"%lu %i", 18446744073709551615ULL, -1), 23);
  EXPECT_EQ(Utf8(out), "18446744073709551615 -1");
}

TEST(FormatOnWindows, ResultIsCutToTheCapacityAndStaysTerminated) {
  char16_t out[8];
  for (char16_t& c : out) c = u'#';
  EXPECT_EQ(pf::FormatText(out, 8, u"%s%i", u"FileName", 12), 7);
  EXPECT_EQ(Utf8(out), "FileNam");

  char16_t tiny[1] = {u'#'};
  EXPECT_EQ(pf::FormatText(tiny, 1, u"%s", u"x"), 0);
  EXPECT_EQ(tiny[0], 0);

  char16_t path[pf::win32::ours::MaxPath];
  std::u16string folder(250, u'д');
  EXPECT_EQ(pf::FormatText(path, pf::win32::ours::MaxPath, u"%s%s", folder.c_str(), u"battery.lnk"),
            259);
  EXPECT_EQ(path[259], 0);
  EXPECT_EQ(Utf8(path + 250), "battery.l");
}

}  // namespace
}  // namespace ostrel::wintest
