// Pictures of the item under the real GDI for the host comparison: todayhost.exe's background alone and with the item, per settings file, and the minute they show.
#include "tests/win/today/today_support.h"

#include <cstdio>
#include <fstream>

namespace ostrel::todaytest {
namespace {

constexpr DWORD kHostRunMs = 30000;

// A picture to take: its name, its settings file (a Unix path, empty for
// the default settings) and whether the stand-in fonts are installed.
struct Case {
  std::string name;
  std::string settings;
  bool standInFonts = false;
};

// The default settings, each settings file of the pictures, and every text in
// a family only the stand-in font files hold (its bold face a real one).
std::vector<Case> Cases() {
  std::vector<Case> cases{{"default", "", false}};
  WIN32_FIND_DATAW found;
  HANDLE find = ::FindFirstFileW((WindowsForm(OSTREL_PICTURE_SETTINGS) + L"\\*.reg").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string file = Narrow(found.cFileName);
      cases.push_back({file.substr(0, file.size() - 4), std::string(OSTREL_PICTURE_SETTINGS) + "/" + file, false});
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
  }
  cases.push_back({"stand-in-fonts", std::string(OSTREL_TODAY_TEST_DATA) + "/stand_in_fonts.reg", true});
  return cases;
}

// The stand-in font files, copied into the system's font folder (where the
// platform finds them when a program starts) or removed from it.
bool InstallStandInFonts(bool install) {
  wchar_t windows[MAX_PATH] = {};
  ::GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring fonts = std::wstring(windows) + L"\\Fonts\\";
  bool ok = true;
  for (const wchar_t* file : {L"ostrel-stand-in.ttf", L"ostrel-stand-in-bold.ttf"}) {
    const std::wstring source = WindowsForm(OSTREL_STAND_IN_FONTS) + L"\\" + file;
    ok = ok && (install ? ::CopyFileW(source.c_str(), (fonts + file).c_str(), FALSE) != 0
                        : ::DeleteFileW((fonts + file).c_str()) != 0);
  }
  return ok;
}

// Runs todayhost.exe with a screenshot; the item's line when it shows one.
bool Shoot(const std::wstring& shot, ItemLine* item, std::string* output) {
  ::DeleteFileW(shot.c_str());
  Program host;
  if (!host.Start(HostCommand(L"--screenshot \"" + shot + L"\" --after 1500 --exit-after 2000"))) return false;
  const int code = host.Finish(kHostRunMs);
  *output = host.Output();
  for (const std::string& line : host.Lines()) {
    if (item != nullptr && ParseItemLine(line, item)) break;
  }
  return code == 0 && FileExists(shot);
}

std::string Stamp(const SYSTEMTIME& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour,
                t.wMinute, t.wSecond);
  return text;
}

bool SameMinute(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
         a.wMinute == b.wMinute;
}

// Writes, for each case, NAME-background.png (the host without items),
// NAME-item.png (with the item) and a line of manifest.txt: "NAME WIDTH DPI
// ITEM_TOP ITEM_HEIGHT YYYY-MM-DD HH:MM:SS SETTINGS FONTS" (SETTINGS the
// settings file, FONTS the folder of fonts installed, "-" for none), the time
// being one in the minute the item showed. The host side draws the same item
// with the preview and counts the pixels that differ.
TEST(TodayHostPixels, TheItemOfEachSettingsFileIsShotWithinOneMinute) {
  const std::wstring folder = FreshFolder(L"pixels" + std::to_wstring(ScreenDpi()));
  std::ofstream manifest(Narrow(folder + L"manifest.txt").c_str());
  const std::vector<Case> cases = Cases();
  ASSERT_GE(cases.size(), 6u) << "the default settings, the four of the pictures and the stand-in fonts";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring name(c.name.begin(), c.name.end());
    std::string output;
    DeleteItemKeys();
    ASSERT_TRUE(Shoot(folder + name + L"-background.png", nullptr, &output)) << output;
    if (!c.settings.empty()) {
      ASSERT_TRUE(ImportReg(WindowsForm(c.settings.c_str())));
    }
    if (c.standInFonts) {
      ASSERT_TRUE(InstallStandInFonts(true));
    }
    RegisterItem(InstallFolder());
    ItemLine item;
    SYSTEMTIME before{}, after{};
    for (int attempt = 0; attempt < 3 && (attempt == 0 || !SameMinute(before, after)); ++attempt) {
      ::GetLocalTime(&before);
      ASSERT_TRUE(Shoot(folder + name + L"-item.png", &item, &output)) << output;
      ::GetLocalTime(&after);
    }
    if (c.standInFonts) {
      EXPECT_TRUE(InstallStandInFonts(false));
    }
    ASSERT_TRUE(SameMinute(before, after)) << "three shots each crossed a minute";
    ASSERT_GT(item.height, 0) << output;
    manifest << c.name << " " << HostWidth() << " " << ScreenDpi() << " " << item.y << " " << item.height << " "
             << Stamp(before) << " " << (c.settings.empty() ? "-" : c.settings) << " "
             << (c.standInFonts ? OSTREL_STAND_IN_FONTS : "-") << "\n";
  }
  DeleteItemKeys();
  manifest.close();
  EXPECT_TRUE(manifest.good());
}

}  // namespace
}  // namespace ostrel::todaytest
