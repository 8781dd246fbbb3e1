// Tahoma's text extents as the platform's GDI reports them, checked by the host's and the Windows-side drawing tests.
#pragma once

namespace ostrel::testing {

// Measured with GDI under Wine 8 on Wine's own Tahoma files (tahoma.ttf,
// tahomabd.ttf) and the system's FreeType; width 0 in the logical font.
struct TahomaExtent {
  int height;  // lfHeight
  int weight;  // lfWeight
  int cell;    // the cell height of any text
  int zero;    // width of "0"
  int clock;   // width of "00:00:00"
  int offline; // width of "Телефон выключен"
  int mixed;   // width of "AVWaw 1%"
};

constexpr TahomaExtent kTahomaExtents[] = {
    {-10, 400, 12, 5, 36, 93, 51},    {-10, 700, 12, 6, 42, 107, 59},
    {-11, 400, 13, 6, 42, 108, 60},   {-21, 400, 25, 11, 80, 195, 110},
    {-21, 700, 25, 13, 92, 220, 126}, {-40, 400, 48, 22, 160, 366, 208},
    {-80, 700, 97, 51, 364, 832, 480}, {13, 400, 13, 6, 42, 108, 60},
    {20, 400, 19, 9, 66, 149, 85},    {20, 700, 19, 10, 72, 173, 97},
};

constexpr const char16_t* kOfflineText = u"Телефон выключен";

}  // namespace ostrel::testing
