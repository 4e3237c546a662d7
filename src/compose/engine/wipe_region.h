// The shape of every wipe but the round ones: a union of up to four rectangles of a tile, each
// the product of a range of columns and a range of rows.
#pragma once

#include <array>

#include "wipe_runs.h"

namespace orvane::compose {

struct TileRect {
  TileRange x;
  TileRange y;
};

class TileRegion {
 public:
  static constexpr int kMaxRects = 4;

  // Rectangles beyond the fourth are no part of any wipe's shape and are not kept.
  void Add(TileRect rect) {
    if (count_ < kMaxRects) rects_[count_++] = rect;
  }

  LastRuns RowRuns(int ty) const {
    LastRuns runs;
    for (int i = 0; i < count_; ++i) {
      if (rects_[i].y.Contains(ty)) runs.Add(rects_[i].x);
    }
    return runs;
  }

 private:
  std::array<TileRect, kMaxRects> rects_{};
  int count_ = 0;
};

// Renders the frame with the region showing the last image in every tile (an empty region
// shows the first image everywhere).
inline void WipeRegion(const EffectFrame& f, const TileRegion& region) {
  WipeByRows(f, [&](int ty) { return region.RowRuns(ty); });
}

// The bands of the wipes that travel by whole pixels (side and door), along an axis of `size`
// positions, for a travel amount `a` (0 <= a < size).
enum class Band {
  kWhole,     // every position
  kLowEdge,   // t <= a: grows from position 0
  kHighEdge,  // t >= size - a - 1: grows from the last position
  kMiddle,    // a <= t <= size - a - 1: shrinks from both edges toward the middle
};

inline TileRange BandRange(Band band, int a, int size) {
  switch (band) {
    case Band::kWhole:
      return WholeTile(size);
    case Band::kLowEdge:
      return {0, a + 1};
    case Band::kHighEdge:
      return {size - a - 1, size};
    case Band::kMiddle:
      return {a, size - a};
  }
  return {};
}

struct BandRect {
  Band x;
  Band y;
};

}  // namespace orvane::compose
