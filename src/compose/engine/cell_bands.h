// The mapping of tile positions onto eight cells that the fill patterns and the mosaics share:
// cell = trunc(t x 8.0 / (size - 1)), the last position (exactly 8) joining cell 7.
#pragma once

#include <array>

namespace orvane::compose {

inline constexpr int kCellsPerTile = 8;

inline int CellOf(int position, int tile_size) {
  // The product first, then the division: the order matters where the quotient is whole.
  const int cell = static_cast<int>(position * 8.0 / (tile_size - 1));
  return cell >= 7 ? 7 : cell;
}

// Where each of the eight cells ends along a tile of `tile_size` positions, so that a row can
// be walked cell by cell instead of dividing at every pixel. Cells may be empty in tiles
// shorter than nine positions.
class CellBands {
 public:
  // CellOf never falls as the position grows, so each end is found by halving: the cost does
  // not grow with the tile, whose size is any value of the tile properties.
  explicit CellBands(int tile_size) {
    for (int cell = 0; cell < kCellsPerTile; ++cell) {
      int lo = cell > 0 ? end_[cell - 1] : 0, hi = tile_size;
      while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (CellOf(mid, tile_size) > cell) {
          hi = mid;
        } else {
          lo = mid + 1;
        }
      }
      end_[cell] = lo;
    }
  }

  // One past the last position of `cell`.
  int End(int cell) const { return end_[cell]; }

  // Calls fn(cell, begin, end) for every non-empty part of [0, count) in cell order.
  template <class Fn>
  void ForEachRun(int count, Fn&& fn) const {
    int begin = 0;
    for (int cell = 0; cell < kCellsPerTile && begin < count; ++cell) {
      const int end = end_[cell] < count ? end_[cell] : count;
      if (end > begin) fn(cell, begin, end);
      begin = end > begin ? end : begin;
    }
  }

 private:
  std::array<int, kCellsPerTile> end_{};
};

}  // namespace orvane::compose
