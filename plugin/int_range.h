// Sums of stored sizes kept in range: heights and margins are stored unchecked, so their sums may not fit.
#pragma once

#include <cstdint>
#include <limits>

namespace ostrel {

inline int ClampToInt(std::int64_t value) {
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

// Drawing coordinates stay within the 27 bits that GDI keeps them in, so a
// renderer's own offsets from a band edge cannot overflow.
constexpr std::int64_t kLargestCoordinate = (std::int64_t{1} << 27) - 1;

// a + b + c + d as a drawing coordinate, held within ±kLargestCoordinate.
inline int CoordinateSum(std::int64_t a, std::int64_t b, std::int64_t c = 0, std::int64_t d = 0) {
  const std::int64_t sum = a + b + c + d;
  if (sum > kLargestCoordinate) return static_cast<int>(kLargestCoordinate);
  if (sum < -kLargestCoordinate) return static_cast<int>(-kLargestCoordinate);
  return static_cast<int>(sum);
}

}  // namespace ostrel
