// Pictures of the item under the real GDI for the host comparison: todayhost.exe's background alone and with the item, per settings file, and the minute they show.
#include "tests/win/today/today_support.h"

#include <cstdio>
#include <fstream>

namespace ostrel::todaytest {
namespace {

constexpr DWORD kHostRunMs = 30000;

// The settings files of the pictures, by name: the default settings ("", no
// file) and each .reg file of the folder.
std::vector<std::wstring> SettingsFiles() {
  std::vector<std::wstring> names{L""};
  WIN32_FIND_DATAW found;
  HANDLE find = ::FindFirstFileW((WindowsForm(OSTREL_PICTURE_SETTINGS) + L"\\*.reg").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(found.cFileName);
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);
  return names;
}

std::wstring CaseName(const std::wstring& file) {
  return file.empty() ? L"default" : file.substr(0, file.size() - 4);
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

// Writes, for each settings file, NAME-background.png (the host without
// items), NAME-item.png (with the item) and a line of manifest.txt:
// "NAME WIDTH DPI ITEM_TOP ITEM_HEIGHT YYYY-MM-DD HH:MM:SS [SETTINGS.reg]",
// the time being one in the minute the item showed. The host side draws the
// same item with the preview and counts the pixels that differ.
TEST(TodayHostPixels, TheItemOfEachSettingsFileIsShotWithinOneMinute) {
  const std::wstring folder = FreshFolder(L"pixels" + std::to_wstring(ScreenDpi()));
  std::ofstream manifest(Narrow(folder + L"manifest.txt").c_str());
  const std::vector<std::wstring> files = SettingsFiles();
  ASSERT_GE(files.size(), 5u) << "the default settings and the four of the pictures";
  for (const std::wstring& file : files) {
    const std::wstring name = CaseName(file);
    SCOPED_TRACE(Narrow(name));
    std::string output;
    DeleteItemKeys();
    ASSERT_TRUE(Shoot(folder + name + L"-background.png", nullptr, &output)) << output;
    if (!file.empty()) {
      ASSERT_TRUE(ImportReg(WindowsForm(OSTREL_PICTURE_SETTINGS) + L"\\" + file));
    }
    RegisterItem(InstallFolder());
    ItemLine item;
    SYSTEMTIME before{}, after{};
    for (int attempt = 0; attempt < 3 && (attempt == 0 || !SameMinute(before, after)); ++attempt) {
      ::GetLocalTime(&before);
      ASSERT_TRUE(Shoot(folder + name + L"-item.png", &item, &output)) << output;
      ::GetLocalTime(&after);
    }
    ASSERT_TRUE(SameMinute(before, after)) << "three shots each crossed a minute";
    ASSERT_GT(item.height, 0) << output;
    manifest << Narrow(name) << " " << HostWidth() << " " << ScreenDpi() << " " << item.y << " " << item.height
             << " " << Stamp(before) << (file.empty() ? "" : " " + std::string(OSTREL_PICTURE_SETTINGS) + "/" + Narrow(file))
             << "\n";
  }
  DeleteItemKeys();
  manifest.close();
  EXPECT_TRUE(manifest.good());
}

}  // namespace
}  // namespace ostrel::todaytest
