// Writes a font renamed to another family, for the Windows-side pixel comparison of a user's own fonts.
//
//   ostrel-font-stand-in FROM.ttf TO.ttf FAMILY
#include <iostream>

#include "tests/pixels/font_stand_in.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: ostrel-font-stand-in FROM.ttf TO.ttf FAMILY\n";
    return 2;
  }
  std::string error;
  if (!ostrel::testing::WriteFontStandIn(argv[1], argv[2], argv[3], &error)) {
    std::cerr << "ostrel-font-stand-in: " << error << "\n";
    return 2;
  }
  return 0;
}
