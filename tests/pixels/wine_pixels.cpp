// Counts the pixels in which the host preview's item differs from the item todayhost.exe showed under Wine.
//
//   ostrel-wine-pixels PREVIEW SHOTS_FOLDER EXPECTED
//
// SHOTS_FOLDER holds what the Windows-side test TodayHostPixels wrote:
// manifest.txt ("NAME WIDTH DPI ITEM_TOP ITEM_HEIGHT DATE TIME SETTINGS FONTS"
// per line, SETTINGS a .reg file and FONTS a folder of fonts, "-" for none),
// NAME-background.png (the host window without items) and NAME-item.png (with
// the item). For each line the background's rows from ITEM_TOP on become the
// preview's watermark; the preview draws the item at that time, with those
// settings and fonts, on a device without files (as the Wine prefix has none
// of the device's programs) and its picture is compared with the item's rows
// of NAME-item.png. Prints one line per picture and exits 0 when every count is
// EXPECTED, 1 when one is not, 2 on bad input.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/host/png_io.h"

namespace {

using pf::host::RasterImage;

struct Shot {
  std::string name;
  int width = 0;
  int dpi = 0;
  int top = 0;
  int height = 0;
  std::string date;
  std::string time;
  std::string settings;
  std::string fonts;
};

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

RasterImage Rows(const RasterImage& image, int top, int height) {
  RasterImage out(image.Width(), height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < image.Width(); ++x) out.Set(x, y, image.At(x, top + y));
  }
  return out;
}

// The preview's picture of the shot's item; false (with a message) when it cannot be made.
bool PreviewPicture(const std::string& preview, const std::string& folder, const Shot& shot, RasterImage* out) {
  RasterImage background;
  if (!pf::host::ReadPng(folder + "/" + shot.name + "-background.png", &background) || background.Height() <= shot.top) {
    std::cerr << shot.name << ": no background picture\n";
    return false;
  }
  const std::string watermark = folder + "/" + shot.name + "-watermark.png";
  const std::string picture = folder + "/" + shot.name + "-host.png";
  const std::string device = folder + "/empty-device";
  ::mkdir(device.c_str(), 0755);
  if (!pf::host::WritePng(watermark, Rows(background, shot.top, background.Height() - shot.top))) return false;
  std::string command = Quoted(preview) + " --now " + Quoted(shot.date + " " + shot.time) + " --dpi " +
                        std::to_string(shot.dpi) + " --width " + std::to_string(shot.width) + " --watermark " +
                        Quoted(watermark) + " --device-root " + Quoted(device) + " --png " + Quoted(picture);
  if (shot.settings != "-") command += " --reg " + Quoted(shot.settings);
  if (shot.fonts != "-") command += " --fonts " + Quoted(shot.fonts);
  if (std::system(command.c_str()) != 0 || !pf::host::ReadPng(picture, out)) {
    std::cerr << shot.name << ": the preview failed: " << command << "\n";
    return false;
  }
  return true;
}

// The pixels of the host picture that differ from the item's rows of the Wine shot; -1 when sizes disagree.
long Differences(const RasterImage& host, const RasterImage& wine, const Shot& shot) {
  if (host.Width() != wine.Width() || host.Height() != shot.height || wine.Height() < shot.top + shot.height) {
    std::cerr << shot.name << ": the host item is " << host.Width() << "x" << host.Height() << ", the Wine item "
              << wine.Width() << "x" << shot.height << "\n";
    return -1;
  }
  long count = 0;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < host.Width(); ++x) {
      const bool same = (host.At(x, y) & 0xFFFFFF) == (wine.At(x, shot.top + y) & 0xFFFFFF);
      if (!same && ++count <= 5) {
        std::cerr << "  " << shot.name << " " << shot.dpi << " dpi: (" << x << "," << y << ") host " << std::hex
                  << (host.At(x, y) & 0xFFFFFF) << " Wine " << (wine.At(x, shot.top + y) & 0xFFFFFF) << std::dec
                  << "\n";
      }
    }
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: ostrel-wine-pixels PREVIEW SHOTS_FOLDER EXPECTED\n";
    return 2;
  }
  const std::string preview = argv[1];
  const std::string folder = argv[2];
  const long expected = std::strtol(argv[3], nullptr, 10);
  std::ifstream manifest(folder + "/manifest.txt");
  if (!manifest) {
    std::cerr << folder << "/manifest.txt: cannot read it (written by the Windows-side TodayHostPixels test)\n";
    return 2;
  }
  int shots = 0;
  bool allExpected = true;
  for (std::string line; std::getline(manifest, line);) {
    Shot shot;
    std::istringstream words(line);
    if (!(words >> shot.name >> shot.width >> shot.dpi >> shot.top >> shot.height >> shot.date >> shot.time >>
          shot.settings >> shot.fonts)) {
      std::cerr << folder << "/manifest.txt: bad line \"" << line << "\"\n";
      return 2;
    }
    RasterImage host, wine;
    if (!PreviewPicture(preview, folder, shot, &host) ||
        !pf::host::ReadPng(folder + "/" + shot.name + "-item.png", &wine)) {
      return 2;
    }
    const long count = Differences(host, wine, shot);
    std::cout << shot.name << " at " << shot.dpi << " dpi: " << count << " of " << shot.width * shot.height
              << " pixels differ\n";
    allExpected = allExpected && count == expected;
    ++shots;
  }
  if (shots == 0) {
    std::cerr << folder << "/manifest.txt: no pictures\n";
    return 2;
  }
  return allExpected ? 0 : 1;
}
