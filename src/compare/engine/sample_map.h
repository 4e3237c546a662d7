// Where the comparer reads each position of the common grid: the mapping of a content
// rectangle onto the grid and the sampler's bounds, one axis at a time.
#pragma once

#include <cstdint>
#include <vector>

namespace orvane::compare {

inline constexpr int kOutside = -1;

// The source index read at grid position `position` of `grid_size` along one axis, for a
// rectangle from `first` to `last` (inclusive, possibly reversed) in a source of `source_size`,
// or kOutside where the sampler reads 0.
//
// Proportional mapping with the nearest sampler (smooth off): first + (span x position) / grid
// with span = last - first + 1. End-point mapping (smooth on): first + ((last - first) x
// position) / (grid - 1), read by the interpolating sampler; its coordinates are whole
// numbers, so it blends nothing and reads the pixel itself, except that the last index reads
// the one before it and a position without a right (lower) neighbour reads 0.
//
// The products are taken in 64 bits: in 32 they overflow once the rectangle and the grid both
// pass 46341 pixels.
inline int SampleIndex(int first, int last, int position, int grid_size, int source_size,
                       bool smooth) {
  if (!smooth) {
    const std::int64_t s =
        first + (std::int64_t{last} - first + 1) * position / std::int64_t{grid_size};
    return s >= 0 && s < source_size ? static_cast<int>(s) : kOutside;
  }
  // A grid is at least 2 wide (both images are); the guard only keeps a misuse from dividing by 0.
  const std::int64_t steps = grid_size > 1 ? std::int64_t{grid_size} - 1 : 1;
  std::int64_t s = first + (std::int64_t{last} - first) * position / steps;
  if (s == source_size - 1) --s;
  return s >= 0 && s + 1 < source_size ? static_cast<int>(s) : kOutside;
}

// SampleIndex for every position of the grid.
std::vector<int> SampleIndices(int first, int last, int grid_size, int source_size, bool smooth);

}  // namespace orvane::compare
