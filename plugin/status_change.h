// The change rule shared by the status readers: a fresh value replaces the
// stored one only when it differs, and the reader reports that change.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/text.h"

namespace ostrel {

// True when stored equals fresh as fresh would be stored: cut to
// capacity - 1 units. A text too long for its field is therefore not seen
// as changed again on every reading.
inline bool SameStoredText(const char16_t* stored, const char16_t* fresh, std::size_t capacity) {
  for (std::size_t i = 0; i + 1 < capacity; ++i) {
    if (stored[i] != fresh[i]) return false;
    if (stored[i] == 0) return true;
  }
  return stored[capacity - 1] == 0;
}

// Clears the field over its whole capacity and copies fresh in (cut and
// terminated) when it differs; returns 1 then, else 0 and touches nothing.
template <std::size_t N>
int UpdateText(char16_t (&field)[N], const char16_t* fresh) {
  if (SameStoredText(field, fresh, N)) return 0;
  pf::ClearText(field, N);
  pf::CopyText(field, N, fresh);
  return 1;
}

inline int UpdateNumber(std::int32_t& field, std::int32_t fresh) {
  if (field == fresh) return 0;
  field = fresh;
  return 1;
}

}  // namespace ostrel
