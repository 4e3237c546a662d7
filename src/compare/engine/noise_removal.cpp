#include "noise_removal.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

namespace orvane::compare {
namespace {

// 0xFF where the value is non-zero, 0 where it is 0.
void NonZeroMask(const std::uint8_t* values, std::uint8_t* mask, int count) {
  for (int x = 0; x < count; ++x) mask[x] = values[x] != 0 ? 0xFF : 0;
}

}  // namespace

// A value survives exactly when the 3 x 3 block around it (clipped to the plane) holds no 0,
// itself included: a 0 stays 0 whatever happens. The block test is split into a vertical AND
// of three row masks and a horizontal AND of three neighbours in the result, both plain byte
// loops. The masks of the row above, this row and the row below are always taken before the
// rows themselves are overwritten, so the whole plane is judged as it was.
bool RemoveNoise(std::uint8_t* plane, int width, int height) {
  if (plane == nullptr || width <= 0 || height <= 0) return true;
  const auto w = static_cast<std::size_t>(width);
  std::vector<std::uint8_t> scratch;
  try {
    scratch.resize(4 * w);
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::uint8_t* above = scratch.data();
  std::uint8_t* here = above + w;
  std::uint8_t* below = here + w;
  std::uint8_t* column = below + w;  // the vertical AND of the three rows

  std::fill(above, above + w, std::uint8_t{0xFF});  // nothing above the first row
  NonZeroMask(plane, here, width);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = plane + static_cast<std::size_t>(y) * w;
    if (y + 1 < height) {
      NonZeroMask(row + w, below, width);
    } else {
      std::fill(below, below + w, std::uint8_t{0xFF});
    }
    for (std::size_t x = 0; x < w; ++x) column[x] = above[x] & here[x] & below[x];

    if (w == 1) {
      row[0] &= column[0];
    } else {
      row[0] &= column[0] & column[1];
      for (std::size_t x = 1; x + 1 < w; ++x) row[x] &= column[x - 1] & column[x] & column[x + 1];
      row[w - 1] &= column[w - 2] & column[w - 1];
    }
    std::swap(above, here);
    std::swap(here, below);
  }
  return true;
}

}  // namespace orvane::compare
