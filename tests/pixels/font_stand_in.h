// A TrueType font file renamed to another family: a freely licensed face standing in for a device's own.
#pragma once

#include <string>

namespace ostrel::testing {

// Writes to `to` the font of `from` with its names (family, full name,
// PostScript name, unique id; subfamily kept) replaced by `family`: the
// Windows English names only, so that no other name of the face remains.
// False, with *error, when `from` is not a TrueType file or `to` cannot be written.
bool WriteFontStandIn(const std::string& from, const std::string& to, const std::string& family,
                      std::string* error);

}  // namespace ostrel::testing
