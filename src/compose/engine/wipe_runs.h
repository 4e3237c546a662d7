// What the effects share whose every pixel is the same pixel of either the first or the last
// image (the wipes and the mosaic): the columns of a tile row that show the last image, held
// as a few runs, worked out once per row and then copied run by run instead of deciding at
// every pixel.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "effect_frame.h"

namespace orvane::compose {

// The positions t of a tile with begin <= t < end (empty when end <= begin).
struct TileRange {
  int begin = 0;
  int end = 0;

  bool Empty() const { return end <= begin; }
  bool Contains(int t) const { return t >= begin && t < end; }
  friend bool operator==(const TileRange&, const TileRange&) = default;
};

inline TileRange WholeTile(int size) { return {0, size}; }

inline TileRange Intersect(TileRange a, TileRange b) {
  return {std::max(a.begin, b.begin), std::min(a.end, b.end)};
}

// The positions 0 <= t < size that satisfy a comparison of t with a real limit, made exactly:
// an integer t is below a real v exactly when it is below ceil(v), and above v exactly when
// it is at least floor(v) + 1. The limits are clamped while still real, so that no
// conversion can overflow.
namespace tile_range_detail {
inline int ClampedPosition(double whole, int size) {
  if (!(whole > 0.0)) return 0;
  if (whole >= static_cast<double>(size)) return size;
  return static_cast<int>(whole);
}
}  // namespace tile_range_detail

inline TileRange PositionsBelow(double limit, int size) {  // t < limit
  return {0, tile_range_detail::ClampedPosition(std::ceil(limit), size)};
}
inline TileRange PositionsAtMost(double limit, int size) {  // t <= limit
  return {0, tile_range_detail::ClampedPosition(std::floor(limit) + 1.0, size)};
}
inline TileRange PositionsAbove(double limit, int size) {  // t > limit
  return {tile_range_detail::ClampedPosition(std::floor(limit) + 1.0, size), size};
}
inline TileRange PositionsAtLeast(double limit, int size) {  // t >= limit
  return {tile_range_detail::ClampedPosition(std::ceil(limit), size), size};
}

// The columns of one tile row that show the last image: sorted, disjoint, non-touching runs.
// Ranges may be added in any order and may overlap; at most kMaxRuns ranges are added to one
// set (a mosaic row has eight cells, a wipe row at most four rectangles).
class LastRuns {
 public:
  static constexpr int kMaxRuns = 8;

  void Add(TileRange range) {
    if (range.Empty()) return;
    std::array<TileRange, kMaxRuns> merged;
    int count = 0;
    bool placed = false;
    for (int i = 0; i < count_; ++i) {
      const TileRange run = runs_[i];
      if (run.end < range.begin) {
        merged[count++] = run;
      } else if (run.begin > range.end) {
        if (!placed) merged[count++] = range;
        placed = true;
        merged[count++] = run;
      } else {
        range = {std::min(range.begin, run.begin), std::max(range.end, run.end)};
      }
    }
    if (!placed) merged[count++] = range;
    runs_ = merged;
    count_ = count;
  }

  // The columns of [0, size) that are in no run.
  LastRuns Complement(int size) const {
    LastRuns gaps;
    int from = 0;
    for (const TileRange& run : *this) {
      gaps.Add({from, run.begin});
      from = run.end;
    }
    gaps.Add({from, size});
    return gaps;
  }

  const TileRange* begin() const { return runs_.data(); }
  const TileRange* end() const { return runs_.data() + count_; }

 private:
  std::array<TileRange, kMaxRuns> runs_{};
  int count_ = 0;
};

// Copies the colour bytes of one tile span: the runs from the last image, every other column
// from the first. The runs are in tile columns; a partial tile shows those below span.count.
inline void CopySpanRuns(const EffectFrame& f, const TileSpan& span, const LastRuns& runs) {
  const std::size_t at = PixelOffset(f, span.x0, span.y);
  std::uint8_t* out = f.out.data + at;
  const std::uint8_t* first = f.first + at;
  const std::uint8_t* last = f.last + at;
  auto offset = [](int x) { return static_cast<std::size_t>(x) * kBytesPerPixel; };
  int x = 0;
  for (const TileRange& run : runs) {
    if (run.begin >= span.count) break;
    const int run_end = std::min(run.end, span.count);
    CopyColourRun(out + offset(x), first + offset(x), run.begin - x);
    CopyColourRun(out + offset(run.begin), last + offset(run.begin), run_end - run.begin);
    x = run_end;
  }
  CopyColourRun(out + offset(x), first + offset(x), span.count - x);
}

// Renders a frame whose pixels come from the first or the last image: runs_of_row(ty) gives
// the LastRuns of tile row ty. It is asked once per image row, and the answer serves every
// tile of that row.
template <class RunsOfRow>
void WipeByRows(const EffectFrame& f, RunsOfRow&& runs_of_row) {
  LastRuns runs;
  int runs_row = -1;
  ForEachTileSpan(f, [&](const TileSpan& span) {
    if (span.ty != runs_row) {
      runs = runs_of_row(span.ty);
      runs_row = span.ty;
    }
    CopySpanRuns(f, span, runs);
  });
}

}  // namespace orvane::compose
