// Tests of `.reg` import and export on the in-memory registry.
#include "platform/host/reg_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/host/reg_text.h"
#include "platform/text.h"

namespace pf::host {
namespace {

using regtext::TextBytes;

const std::u16string kApp = u"Software\\Vekta\\Ostrel";
const char16_t kV5[] = u"Windows Registry Editor Version 5.00\r\n\r\n";

std::vector<std::uint8_t> Units(const std::u16string& text) {  // UTF-16LE, no terminator
  std::vector<std::uint8_t> bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return bytes;
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> list) {
  return std::vector<std::uint8_t>(list.begin(), list.end());
}

// Every value type, malformed texts, odd names, empty keys and values on roots.
void BuildSampleTree(MemoryRegistry& r) {
  r.SetString(HKEY_CURRENT_USER, kApp, u"FontName", u"Tahoma");
  r.SetString(HKEY_CURRENT_USER, kApp, u"Шрифт", u"Привет, мир");
  r.SetString(HKEY_CURRENT_USER, kApp, u"", u"default");
  r.SetString(HKEY_CURRENT_USER, kApp, u"Empty", u"");
  r.SetString(HKEY_CURRENT_USER, kApp, u"Quote \"and\" back\\slash", u"C:\\Program \"x\"\\");
  r.SetDword(HKEY_CURRENT_USER, kApp, u"Number", 10);
  r.SetDword(HKEY_CURRENT_USER, kApp, u"Negative", 0xFFFFFFFEu);
  std::vector<std::uint8_t> big;
  for (int i = 0; i < 200; ++i) big.push_back(static_cast<std::uint8_t>(i * 7));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"Binary", REG_BINARY, big);
  r.SetValue(HKEY_CURRENT_USER, kApp, u"EmptyBinary", REG_BINARY, {});
  r.SetValue(HKEY_CURRENT_USER, kApp, u"Expand", REG_EXPAND_SZ, Units({u"%WINDIR%\0", 9}));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"Multi", REG_MULTI_SZ, Units({u"a\0б\0\0", 5}));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"Qword", REG_QWORD, Bytes({1, 2, 3, 4, 5, 6, 7, 0x80}));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"None", REG_NONE, {});
  r.SetValue(HKEY_CURRENT_USER, kApp, u"High type", 0x80000001u, Bytes({0xFF}));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"EmbeddedNul", REG_SZ, Units({u"a\0b\0", 4}));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"TwoLines", REG_SZ, Units({u"a\r\nb\0", 5}));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"EmptySz", REG_SZ, {});
  r.SetValue(HKEY_CURRENT_USER, kApp, u"ShortDword", REG_DWORD, Bytes({1, 2, 3}));
  r.CreateKey(HKEY_CURRENT_USER, u"Software\\Пустой\\Вложенный");
  r.CreateKey(HKEY_CURRENT_USER, u"Software\\Key [with] \"brackets\" ]");
  r.CreateKey(HKEY_CLASSES_ROOT, u"  spaced key  ");
  r.SetDword(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\Ostrel", u"Enabled", 1);
  r.SetString(HKEY_USERS, u"", u"AtRoot", u"value of a root key");
}

std::u16string Export(const MemoryRegistry& r) {
  std::u16string text;
  std::string error;
  EXPECT_TRUE(ExportRegText(r, &text, &error)) << error;
  return text;
}

TEST(RegFileRoundTrip, WholeTreeSurvivesBothEncodingsAndExportsStably) {
  MemoryRegistry original;
  BuildSampleTree(original);
  std::u16string text = Export(original);
  for (RegEncoding encoding : {RegEncoding::Utf16, RegEncoding::Utf8}) {
    MemoryRegistry copy;
    std::string error;
    ASSERT_TRUE(ImportRegBytes(copy, EncodeRegText(text, encoding), "sample.reg", &error)) << error;
    EXPECT_TRUE(copy.SameTree(original)) << ToUtf8(text);
    EXPECT_EQ(Export(copy), text);
  }
}

TEST(RegFileRoundTrip, ExportIsReadableAndKeepsEveryByteOfOddValues) {
  MemoryRegistry r;
  BuildSampleTree(r);
  std::string text = ToUtf8(Export(r));
  for (const char* line : {
           "[HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel]\n", "\"Шрифт\"=\"Привет, мир\"\n",
           "@=\"default\"\n", "\"Empty\"=\"\"\n",
           "\"Quote \\\"and\\\" back\\\\slash\"=\"C:\\\\Program \\\"x\\\"\\\\\"\n",
           "\"Number\"=dword:0000000a\n", "\"Negative\"=dword:fffffffe\n", "\"EmptyBinary\"=hex:\n",
           "\"Qword\"=hex(b):01,02,03,04,05,06,07,80\n", "\"None\"=hex(0):\n",
           "\"High type\"=hex(80000001):ff\n", "\"TwoLines\"=\"a\\r\\nb\"\n",
           "\"EmbeddedNul\"=hex(1):61,00,00,00,62,00,00,00\n", "\"EmptySz\"=hex(1):\n",
           "\"ShortDword\"=hex(4):01,02,03\n",
           "[HKEY_CURRENT_USER\\Software\\Пустой]\n\n", "[HKEY_CLASSES_ROOT\\  spaced key  ]\n",
           "[HKEY_USERS]\n\"AtRoot\"="}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(text.find("[HKEY_LOCAL_MACHINE]"), std::string::npos);  // a root without values
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    EXPECT_LE(FromUtf8(text.substr(start, end - start)).size(), 80u);
  }
  std::string file = EncodeRegText(FromUtf8("A\nБ\n"), RegEncoding::Utf16);
  EXPECT_EQ(file, std::string("\xFF\xFE" "A\0\r\0\n\0\x11\x04\r\0\n\0", 14));
}

TEST(RegFileRoundTrip, NamesThatCannotBeWrittenFailTheExport) {
  for (bool keyName : {true, false}) {
    MemoryRegistry r;
    if (keyName) r.CreateKey(HKEY_CURRENT_USER, u"Soft\nware");
    else r.SetDword(HKEY_CURRENT_USER, u"Software", std::u16string(u"nul\0name", 8), 1);
    std::u16string text = u"unchanged";
    std::string error;
    EXPECT_FALSE(ExportRegText(r, &text, &error));
    EXPECT_NE(error.find(keyName ? "line break" : "NUL"), std::string::npos) << error;
    EXPECT_EQ(text, u"unchanged");
  }
  MemoryRegistry lines;  // a value name may hold line breaks: they are escaped
  lines.SetDword(HKEY_CURRENT_USER, u"Software", u"two\r\nlines", 1);
  MemoryRegistry copy;
  std::string error;
  ASSERT_TRUE(ImportRegText(copy, Export(lines), "n.reg", &error)) << error;
  EXPECT_TRUE(copy.SameTree(lines));
}

// A REG_SZ no file can hold: one without its terminator gains it, one of an
// odd number of bytes is reported and left out, as the platform's editor
// reads what the export writes for them.
TEST(RegFileRoundTrip, TextsNoFileCanHoldChangeOnTheWayBack) {
  MemoryRegistry r;
  r.SetValue(HKEY_CURRENT_USER, kApp, u"OddSizeText", REG_SZ, Bytes({'a', 0, 'b'}));
  r.SetValue(HKEY_CURRENT_USER, kApp, u"NoTerminator", REG_SZ, Units(u"ab"));
  std::string text = ToUtf8(Export(r));
  EXPECT_NE(text.find("\"OddSizeText\"=hex(1):61,00,62\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\"NoTerminator\"=hex(1):61,00,62,00\n"), std::string::npos) << text;
  MemoryRegistry copy;
  std::string error;
  std::vector<std::string> reports;
  ASSERT_TRUE(ImportRegText(copy, FromUtf8(text), "t.reg", &error, {}, &reports)) << error;
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "t.reg:8: text data of an odd number of bytes (hex(1) holds whole UTF-16 "
                        "characters here)");
  EXPECT_FALSE(copy.GetValue(HKEY_CURRENT_USER, kApp, u"OddSizeText"));
  EXPECT_EQ(copy.GetValue(HKEY_CURRENT_USER, kApp, u"NoTerminator")->data, Units({u"ab\0", 3}));
}

TEST(RegFileImport, StoresExactlyTheBytesOfEachNotation) {
  MemoryRegistry r;
  std::string error;
  std::u16string text = std::u16string(kV5) +
      u"; comment\r\n\r\n  [HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel]  \r\n"
      u"@=\"x\"\r\n\"S\"=\"a\\\\b\\\"c\"\r\n\"E\"=\"\"\r\n\"D\" = dword:0000000A\r\n"
      u"\"B\"=hex:01,ff,\\\r\n      7f\r\n\"X\"=hex(2):25,00,\\\r\n\t00,\\ \r\n  00\r\n"
      u"\"M\"=hex(7):61,00,00,00,00,00\r\n\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
      u"\"N\"=hex(0):\r\n";
  ASSERT_TRUE(ImportRegText(r, text, "a.reg", &error)) << error;
  auto expect = [&](const char16_t* name, std::uint32_t type, std::vector<std::uint8_t> data) {
    std::optional<RegValue> v = r.GetValue(HKEY_CURRENT_USER, kApp, name);
    ASSERT_TRUE(v) << ToUtf8(name);
    EXPECT_EQ(v->type, type) << ToUtf8(name);
    EXPECT_EQ(v->data, data) << ToUtf8(name);
  };
  expect(u"", REG_SZ, Bytes({'x', 0, 0, 0}));
  expect(u"S", REG_SZ, Units({u"a\\b\"c\0", 6}));
  expect(u"E", REG_SZ, Bytes({0, 0}));
  expect(u"D", REG_DWORD, Bytes({10, 0, 0, 0}));
  expect(u"B", REG_BINARY, Bytes({1, 0xFF, 0x7F}));
  expect(u"X", REG_EXPAND_SZ, Bytes({0x25, 0, 0, 0}));
  expect(u"M", REG_MULTI_SZ, Bytes({0x61, 0, 0, 0, 0, 0}));
  expect(u"Q", REG_QWORD, Bytes({1, 0, 0, 0, 0, 0, 0, 0}));
  expect(u"N", REG_NONE, {});
}

TEST(RegFileImport, DeletesKeysWithTheirSubKeysAndSingleValues) {
  MemoryRegistry r;
  BuildSampleTree(r);
  std::string error;
  std::u16string text = std::u16string(kV5) +
      u"[-HKEY_CURRENT_USER\\Software\\пустой]\r\n[-HKEY_CURRENT_USER\\Software\\Missing]\r\n"
      u"[HKEY_CURRENT_USER\\Software\\Vekta\\Ostrel]\r\n\"number\"=-\r\n\"Missing\"=-\r\n";
  ASSERT_TRUE(ImportRegText(r, text, "d.reg", &error)) << error;
  EXPECT_EQ(r.FindKey(HKEY_CURRENT_USER, u"Software\\Пустой"), nullptr);
  EXPECT_NE(r.FindKey(HKEY_CURRENT_USER, u"Software\\Vekta"), nullptr);
  EXPECT_FALSE(r.GetValue(HKEY_CURRENT_USER, kApp, u"Number"));
  EXPECT_TRUE(r.GetValue(HKEY_CURRENT_USER, kApp, u"Negative"));
}

TEST(RegFileImport, ReadsUtf16Utf8AndRegedit4Files) {
  std::u16string body = u"[HKEY_LOCAL_MACHINE\\Ключ]\n\"Имя\"=\"Значение\"\n";
  std::string utf16 = "\xFF\xFE";
  for (std::uint8_t b : Units(u"Windows Registry Editor Version 5.00\n" + body)) {
    utf16.push_back(static_cast<char>(b));
  }
  std::string utf8Bom = "\xEF\xBB\xBF" + ToUtf8(u"Windows Registry Editor Version 5.00\r\n" + body);
  std::string regedit4 = "REGEDIT4\n\n" + ToUtf8(body);
  for (const std::string& bytes : {utf16, utf8Bom, regedit4}) {
    MemoryRegistry r;
    std::string error;
    ASSERT_TRUE(ImportRegBytes(r, bytes, "e.reg", &error)) << error;
    std::optional<RegValue> v = r.GetValue(HKEY_LOCAL_MACHINE, u"ключ", u"имя");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->data, Units({u"Значение\0", 9}));
  }
}

RegImportOptions Strict() {
  RegImportOptions options;
  options.strict = true;
  return options;
}

TEST(RegFileImport, StrictRefusesAtTheFirstReportedLineAndAppliesNothing) {
  // Lines 3 and 4 would change the registry if anything were applied.
  const std::u16string good = std::u16string(kV5) +
      u"[-HKEY_CURRENT_USER\\Software\\Vekta]\r\n[HKEY_CLASSES_ROOT\\New]\r\n\"v\"=dword:1\r\n";
  struct Case { std::u16string text; const char* where; const char* what; };
  const Case cases[] = {
      {good + u"\"a\"=qword:1\r\n", "m.reg:6: ", "unknown value type \"qword\""},
      {good + u"\"a\"=DWORD:1\r\n", "m.reg:6: ", "read in lower case only"},
      {good + u"\"a\"=hex(zz):01\r\n", "m.reg:6: ", "unknown value type"},
      {good + u"\"a\"=hex:01,2g\r\n", "m.reg:6: ", "bad hex list \"01,2g\""},
      {good + u"\"a\"=hex:01,,02\r\n", "m.reg:6: ", "bad hex list"},
      {good + u"\"a\"=hex:01 ,02\r\n", "m.reg:6: ", "bad hex list"},
      {good + u"\"a\"=hex:01,\\\r\n  02,\\\r\n  123\r\n", "m.reg:8: ",
       "bad hex list \"123\" (the value of line 6 is skipped)"},
      {good + u"\"a\"=hex:01,\\\r\n\"b\"=\"x\"\r\n", "m.reg:7: ", "continuation expected"},
      {good + u"\"a\"=\"abc\r\n", "m.reg:6: ", "unterminated string"},
      {good + u"\"abc=dword:1\r\n", "m.reg:6: ", "unterminated string"},
      {good + u"\"a\"=\"x\\0y\"\r\n", "m.reg:6: ", "holding \\0"},
      {good + u"\"a\"=\"C:\\temp\"\r\n", "m.reg:6: ", "unknown escape \"\\t\" read as \"t\""},
      {good + u"\"a\"=\"b\" c\r\n", "m.reg:6: ", "after the closing quote"},
      {good + u"\"a\" dword:1\r\n", "m.reg:6: ", "missing '='"},
      {good + u"\"a\"=dword:123456789\r\n", "m.reg:6: ", "bad dword"},
      {good + u"\"a\"=dword:0x10\r\n", "m.reg:6: ", "bad dword"},
      {good + u"\"a\"=dword:\r\n", "m.reg:6: ", "bad dword"},
      {good + u"\"a\"=- x\r\n", "m.reg:6: ", "text after '-'"},
      {good + u"[HKEY_NOWHERE\\Software]\r\n", "m.reg:6: ", "unknown root key \"HKEY_NOWHERE\""},
      {good + u"[HKCU\\Software]\r\n", "m.reg:6: ", "unknown root key \"HKCU\""},
      {good + u"[HKEY_CURRENT_CONFIG\\x]\r\n", "m.reg:6: ", "not kept by this registry"},
      {good + u"[HKEY_CURRENT_USER\\Software\r\n", "m.reg:6: ", "missing ']'"},
      {good + u"[ HKEY_CURRENT_USER\\Software]\r\n", "m.reg:6: ", "blank after '['"},
      {good + u"[HKEY_CURRENT_USER\\a] b\r\n", "m.reg:6: ", "text after ']' is ignored: \" b\""},
      {good + u"[-HKEY_CURRENT_USER]\r\n", "m.reg:6: ", "root key cannot be deleted"},
      {good + u"[-HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:1\r\n", "m.reg:7: ", "no key is open"},
      {good + u"value=1\r\n", "m.reg:6: ", "unrecognised line \"value=1\""},
      {good + std::u16string(u"\"a\"=\"\0\"\r\n", 8), "m.reg:6: ", "NUL character"},
      {good + u"[HKEY_CURRENT_USER\\\\Software]\r\n", "m.reg:6: ", "a doubled '\\' after the root key"},
      {good + u"[-HKEY_CURRENT_USER\\\\Software]\r\n", "m.reg:6: ", "cannot open (or delete)"},
      {good + u"\"a\"=\"abc\\\r\n\"b\"=\"x\"\r\n", "m.reg:6: ",
       "a string ending in a lone '\\': the platform's registry editor stops reading the file here; "
       "the rest of the file (2 lines from here) is not applied"},
      {u"Windows Registry Editor Version 5.00\r\n\"a\"=dword:1\r\n", "m.reg:2: ", "no key is open"},
      {u"\r\nWindows Registry Editor Version 5.00\r\n", "m.reg:1: ", "missing header"},
      {u"REGEDIT4 \r\n", "m.reg:1: ", "missing header"},
      {u"REGEDIT\r\n", "m.reg:1: ", "oldest format"},
      {u"Windows Registry Editor Version 4.00\r\n", "m.reg:1: ", "missing header"},
      {u"", "m.reg:1: ", "missing header (empty file)"},
  };
  for (const Case& c : cases) {
    MemoryRegistry r, untouched;
    BuildSampleTree(r);
    BuildSampleTree(untouched);
    std::string error;
    EXPECT_FALSE(ImportRegText(r, c.text, "m.reg", &error, Strict())) << ToUtf8(c.text);
    EXPECT_EQ(error.rfind(c.where, 0), 0u) << error;
    EXPECT_NE(error.find(c.what), std::string::npos) << error;
    EXPECT_TRUE(r.SameTree(untouched)) << ToUtf8(c.text);
  }
}

TEST(RegFileImport, OddUtf16AndInvalidUtf8AreReadAsTheEditorReadsThem) {
  std::string oddUtf16 = EncodeRegText(u"REGEDIT4\n[HKEY_CURRENT_USER\\x]\n", RegEncoding::Utf16) + "\x41";
  MemoryRegistry r;
  std::string error;
  EXPECT_FALSE(ImportRegBytes(r, oddUtf16, "b.reg", &error, Strict()));
  EXPECT_EQ(error, "b.reg:3: odd number of bytes in UTF-16 text: the last byte is ignored");
  std::vector<std::string> reports;
  EXPECT_TRUE(ImportRegBytes(r, oddUtf16, "b.reg", &error, {}, &reports));
  EXPECT_EQ(reports, std::vector<std::string>{error});
  EXPECT_NE(r.FindKey(HKEY_CURRENT_USER, u"x"), nullptr);
  // Not UTF-8: the ANSI code page, 1251 unless told otherwise.
  std::string cp1251 = "REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"\xD0\x20\xE9\"\r\n";
  for (auto [codePage, text] : {std::pair{1251, u"Р й"}, std::pair{1252, u"Ð é"}}) {
    RegImportOptions options;
    options.codePage = codePage;
    ASSERT_TRUE(ImportRegBytes(r, cp1251, "c.reg", &error, options)) << error;
    EXPECT_EQ(r.GetValue(HKEY_CURRENT_USER, u"x", u"a")->data, TextBytes(text));
  }
  RegImportOptions unknown;
  unknown.codePage = 866;
  EXPECT_FALSE(ImportRegBytes(r, cp1251, "c.reg", &error, unknown));
  EXPECT_EQ(error, "c.reg: unknown code page 866 (1250 to 1258 are known)");
}

// Where the platform's editor stops reading a file, nothing after it is
// applied, and the report says how much was left.
TEST(RegFileImport, ALoneBackslashOrANulEndsTheFileWhereTheEditorStops) {
  using namespace std::string_literals;
  const std::u16string head = std::u16string(kV5) + u"[HKEY_CURRENT_USER\\s]\r\n\"before\"=\"1\"\r\n";
  struct Case { std::u16string text; std::vector<std::string> reports; std::vector<std::u16string> kept; };
  const Case cases[] = {
      {head + u"\"s\"=\"abc\\\r\n\r\n[HKEY_CURRENT_USER\\t]\r\n\"after\"=\"2\"\r\n",
       {"n.reg:5: a string ending in a lone '\\': the platform's registry editor stops reading the file here; "
        "the rest of the file (4 lines from here) is not applied"}, {u"before"}},
      // An escaped backslash, a name ending in one, a blank after one: skipped lines, not the end.
      {head + u"\"s\"=\"abc\\\\\r\n\"n\\\r\n\"b\"=\"x\\ \r\n\"after\"=\"2\"\r\n",
       {"n.reg:5: unterminated string", "n.reg:6: unterminated string", "n.reg:7: unterminated string"},
       {u"before", u"after"}},
      // The text before the NUL is read; a hex list may end there.
      {head + u"\"s\"=\"abc\"\0junk\r\n\"after\"=\"2\"\r\n"s,
       {"n.reg:5: a NUL character: the platform's registry editor stops reading the file here; "
        "the rest of the file (2 lines from here) is not applied"}, {u"before", u"s"}},
      {head + u"\"h\"=hex:01,\\\r\n 02\0,03\r\n"s,
       {"n.reg:6: a NUL character: the platform's registry editor stops reading the file here; "
        "the rest of the file (1 line from here) is not applied"}, {u"before", u"h"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    MemoryRegistry r;
    std::string error;
    std::vector<std::string> reports;
    ASSERT_TRUE(ImportRegText(r, c.text, "n.reg", &error, {}, &reports)) << error;
    EXPECT_EQ(reports, c.reports);
    std::vector<std::u16string> kept;
    for (const RegValue& value : r.FindKey(HKEY_CURRENT_USER, u"s")->Values()) kept.push_back(value.name);
    EXPECT_EQ(kept, c.kept);
    EXPECT_EQ(r.FindKey(HKEY_CURRENT_USER, u"t"), nullptr);
  }
  MemoryRegistry r;
  std::string error;
  ASSERT_TRUE(ImportRegText(r, u"REGEDIT4\r\n[HKEY_CURRENT_USER\\h]\r\n\"h\"=hex:01,\\\r\n 02\0,03"s,
                            "n.reg", &error));
  EXPECT_EQ(r.GetValue(HKEY_CURRENT_USER, u"h", u"h")->data, Bytes({1, 2}));
}

// A doubled backslash after the root names no key the platform's editor can
// open: its values are skipped, and such a key line deletes nothing.
TEST(RegFileImport, ADoubledBackslashAfterTheRootOpensAndDeletesNothing) {
  MemoryRegistry r;
  r.CreateKey(HKEY_CURRENT_USER, u"Software\\Kept");
  std::u16string text = std::u16string(kV5) +
      u"[HKEY_CURRENT_USER\\\\Software\\New]\r\n\"lost\"=\"1\"\r\n"
      u"[-HKEY_CURRENT_USER\\\\Software\\Kept]\r\n[HKEY_CURRENT_USER\\Software\\\\Inner\\\\]\r\n\"a\"=\"1\"\r\n";
  std::string error;
  std::vector<std::string> reports;
  ASSERT_TRUE(ImportRegText(r, text, "d.reg", &error, {}, &reports)) << error;
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].rfind("d.reg:3: a doubled '\\' after the root key", 0), 0u) << reports[0];
  EXPECT_EQ(reports[1].rfind("d.reg:4: no key is open", 0), 0u) << reports[1];
  EXPECT_EQ(reports[2].rfind("d.reg:5: a doubled", 0), 0u) << reports[2];
  EXPECT_EQ(r.FindKey(HKEY_CURRENT_USER, u"Software\\New"), nullptr);
  EXPECT_NE(r.FindKey(HKEY_CURRENT_USER, u"Software\\Kept"), nullptr);
  ASSERT_TRUE(r.GetValue(HKEY_CURRENT_USER, u"Software\\Inner", u"a"));  // doubled further on: one
}

// Files the platform's editor imports nothing from are read, with one report.
TEST(RegFileImport, ByteOrderMarksTheEditorRefusesAreReadWithOneReport) {
  const std::string body = "[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"1\"\r\n";
  std::u16string v5 = std::u16string(kV5) + FromUtf8(body);
  std::string bigEndian = "\xFE\xFF";
  for (char16_t c : v5) bigEndian += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
  struct Case { std::string bytes; std::string report; };
  const Case cases[] = {
      {bigEndian, "b.reg:1: a UTF-16 big-endian byte-order mark: the platform's registry editor imports "
                  "nothing from such a file"},
      {"\xEF\xBB\xBF" + ToUtf8(v5), "b.reg:1: a UTF-8 byte-order mark: the platform's registry editor "
                                    "imports nothing from such a file"},
      {"\xEF\xBB\xBFREGEDIT4\r\n\r\n" + body, "b.reg:1: a UTF-8 byte-order mark: the platform's registry editor "
                                              "imports nothing from such a file"},
      {"\xEF\xBB\xBFREGEDIT4\r\n\r\n" + body + ";\xFF\r\n",
       "b.reg:1: a UTF-8 byte-order mark: the platform's registry editor imports nothing from such a file "
       "(read here in code page 1251, as the bytes after it are not valid UTF-8)"},
  };
  for (const Case& c : cases) {
    MemoryRegistry r;
    std::string error;
    std::vector<std::string> reports;
    ASSERT_TRUE(ImportRegBytes(r, c.bytes, "b.reg", &error, {}, &reports)) << error;
    EXPECT_EQ(reports, std::vector<std::string>{c.report});
    EXPECT_TRUE(r.GetValue(HKEY_CURRENT_USER, u"x", u"a"));
    EXPECT_FALSE(ImportRegBytes(r, c.bytes, "b.reg", &error, Strict()));
    EXPECT_EQ(error, c.report);
  }
}

// Continuation lines as the platform's editor writes them: a line ends after
// the comma that brings it to 77 characters, so continuation lines hold 25
// bytes, and the last byte never moves to a line of its own.
TEST(RegFileRoundTrip, HexListsWrapWhereThePlatformsEditorWrapsThem) {
  auto exported = [](const std::u16string& name, std::size_t size) {
    MemoryRegistry r;
    std::vector<std::uint8_t> data(size);
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>(i);
    r.SetValue(HKEY_CURRENT_USER, u"w", name, REG_BINARY, data);
    std::string text = ToUtf8(Export(r));
    return text.substr(text.find("\n\"") + 1);
  };
  EXPECT_EQ(exported(u"bin", 60),
            "\"bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\n"
            "  17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,2f,\\\n"
            "  30,31,32,33,34,35,36,37,38,39,3a,3b\n\n");
  EXPECT_EQ(exported(u"bin", 24), "\"bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,"
                                  "15,16,\\\n  17\n\n");
  EXPECT_EQ(exported(u"bin", 23), "\"bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,"
                                  "15,16\n\n");
  // A name past the wrapping column: one byte a line until the list ends.
  EXPECT_EQ(exported(std::u16string(80, u'n'), 3),
            "\"" + std::string(80, 'n') + "\"=hex:00,\\\n  01,02\n\n");
}

TEST(RegFileFiles, ExportedFilesImportBackAndFileErrorsAreReported) {
  MemoryRegistry original;
  BuildSampleTree(original);
  std::string path = ::testing::TempDir() + "ostrel_reg_file_test.reg";
  for (RegEncoding encoding : {RegEncoding::Utf16, RegEncoding::Utf8}) {
    std::string error;
    ASSERT_TRUE(ExportRegFile(original, path, &error, encoding)) << error;
    MemoryRegistry copy;
    ASSERT_TRUE(ImportRegFile(copy, path, &error)) << error;
    EXPECT_TRUE(copy.SameTree(original));
  }
  std::remove(path.c_str());
  MemoryRegistry r;
  std::string error;
  EXPECT_FALSE(ImportRegFile(r, path, &error));
  EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
  EXPECT_FALSE(ImportRegFile(r, ::testing::TempDir(), &error));
  EXPECT_EQ(error, ::testing::TempDir() + ": is a folder, not a .reg file");
  EXPECT_FALSE(ImportRegFile(r, "/dev/null", &error));
  EXPECT_EQ(error, "/dev/null: is not a regular file");
  std::string badPath = ::testing::TempDir() + "no such folder/out.reg";
  EXPECT_FALSE(ExportRegFile(original, badPath, &error));
  EXPECT_EQ(error.rfind(badPath + ": ", 0), 0u) << error;
}

// What the tools do with their --reg files: each skipped line on the report
// stream, the files applied in turn, the first file that fails ends it.
TEST(RegFileFiles, SkippedLinesOfEachFileAreReportedAndAFailingFileStopsTheRest) {
  std::string dir = ::testing::TempDir();
  auto write = [&](const char* name, const std::string& text) {
    std::ofstream(dir + name, std::ios::binary) << text;
    return dir + name;
  };
  std::string first = write("ostrel_first.reg", "REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"x\"=DWORD:1\n\"y\"=dword:2\n");
  std::string broken = write("ostrel_broken.reg", "REGEDIT 4\n[HKEY_CURRENT_USER\\b]\n");
  std::string last = write("ostrel_last.reg", "REGEDIT4\n[HKEY_CURRENT_USER\\c]\n");
  MemoryRegistry r;
  std::ostringstream reports;
  std::string error;
  EXPECT_TRUE(ImportRegFiles(r, {first, last}, {}, reports, &error));
  EXPECT_EQ(reports.str(), first + ":3: unknown value type \"DWORD\" (type names are read in lower case only)\n");
  EXPECT_EQ(r.GetValue(HKEY_CURRENT_USER, u"a", u"y")->data, Bytes({2, 0, 0, 0}));
  EXPECT_NE(r.FindKey(HKEY_CURRENT_USER, u"c"), nullptr);
  MemoryRegistry s;
  EXPECT_FALSE(ImportRegFiles(s, {broken, last}, {}, reports, &error));
  EXPECT_EQ(error.rfind(broken + ":1: missing header", 0), 0u) << error;
  EXPECT_EQ(s.FindKey(HKEY_CURRENT_USER, u"c"), nullptr);
  for (const std::string& file : {first, broken, last}) std::remove(file.c_str());
}

}  // namespace
}  // namespace pf::host
