// Conversion of text in the platform's single-byte ANSI code pages to UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace pf::host {

// The code pages DecodeCodePage knows: 1250 to 1258.
bool IsKnownCodePage(int number);

// Each byte as the character it stands for in the code page (as the
// platform's MultiByteToWideChar converts it); bytes below 0x80 are ASCII.
std::u16string DecodeCodePage(int number, std::string_view bytes);

}  // namespace pf::host
