// The tools' JSON strings: valid UTF-8 whatever the stored text holds, lone surrogates escaped, bad bytes replaced.
#include <gtest/gtest.h>

#include "tools/json/json_quote.h"

namespace ostrel::testing {
namespace {

TEST(JsonQuote, TextsOfEveryKindComeOutAsValidUtf8Json) {
  EXPECT_EQ(json::Quoted(std::u16string(u"Вт \"1\"\\\t\n")), "\"Вт \\\"1\\\"\\\\\\t\\n\"");
  EXPECT_EQ(json::Quoted(std::u16string(u"\x01\x1f")), "\"\\u0001\\u001F\"");
  // A pair is one character of four bytes; a lone half of one is an escape.
  EXPECT_EQ(json::Quoted(std::u16string(u"\xD83D\xDE00")), "\"\xF0\x9F\x98\x80\"");
  EXPECT_EQ(json::Quoted(std::u16string(u"a\xD800")), "\"a\\uD800\"");
  EXPECT_EQ(json::Quoted(std::u16string(u"\xDC00z\xD83D")), "\"\\uDC00z\\uD83D\"");
  // Bytes that are no UTF-8 (a host file name, a cut sequence, an overlong
  // form, past U+10FFFF) become U+FFFD one byte at a time.
  EXPECT_EQ(json::Quoted(std::string("x\xFFy")), "\"x\xEF\xBF\xBDy\"");
  EXPECT_EQ(json::Quoted(std::string("\xD0")), "\"\xEF\xBF\xBD\"");
  EXPECT_EQ(json::Quoted(std::string("\xC0\xAF")), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
  EXPECT_EQ(json::Quoted(std::string("\xF4\x90\x80\x80")).size(), 2u + 4 * 3);
}

}  // namespace
}  // namespace ostrel::testing
