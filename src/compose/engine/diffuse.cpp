#include "diffuse.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace orvane::compose {
namespace {

// How a straight direction measures a pixel's distance a from the side its tile's front starts
// at.
struct Direction {
  bool along_rows;    // a follows the row in the tile (ty) rather than the column (tx)
  bool from_far_end;  // a counts from the tile's last column or top row
};

constexpr std::array<Direction, 4> kDirections = {{
    {false, false},  // SideTypeLeftToRight: a = tx
    {false, true},   // SideTypeRightToLeft: a = W - 1 - tx
    {true, true},    // SideTypeTopToBottom: a = H - 1 - ty
    {true, false},   // SideTypeBottomToTop: a = ty (row 0 is the bottom)
}};

// The threshold t of distance a for the front at distance `front` of a tile whose last position
// is `last` (at least 1). 64-bit products: a tile may be as wide as the largest tile property.
int Threshold(std::int64_t a, std::int64_t front, std::int64_t last) {
  if (a <= front) {
    // On the first position the ratio a / A is undefined while the front has not left it.
    if (front == 0) return 0;
    const double ratio = static_cast<double>(a) / static_cast<double>(front);
    const std::int64_t p = 100 * front / last;
    return static_cast<int>(static_cast<double>(p) * ratio + (1 - ratio) * 100);
  }
  const double ratio = static_cast<double>(last - a) / static_cast<double>(last - front);
  const std::int64_t p = 100 * (last - front) / last;
  return static_cast<int>(static_cast<double>(p) * ratio + (1 - ratio) * 100);
}

// Per position along the direction, the rule that turns a draw r (0 to 99) into a choice: the
// pixel shows the last image when (r < limit) differs from ahead, which is r <= t behind or on
// the front and r > t ahead of it.
struct FrontProfile {
  std::vector<std::uint8_t> limit;  // t + 1
  std::vector<std::uint8_t> ahead;  // 1 ahead of the front, 0 behind or on it

  // `length` is the tile's extent along the direction, `visible` how many of its positions the
  // image shows.
  FrontProfile(int length, int visible, double frame, bool from_far_end)
      : limit(static_cast<std::size_t>(visible)), ahead(static_cast<std::size_t>(visible)) {
    const std::int64_t last = length - 1;
    const auto front = static_cast<std::int64_t>(static_cast<double>(last) * frame * 0.01);
    for (int q = 0; q < visible; ++q) {
      const std::int64_t a = from_far_end ? last - q : q;
      limit[q] = static_cast<std::uint8_t>(Threshold(a, front, last) + 1);
      ahead[q] = a > front ? 1 : 0;
    }
  }
};

// Gives each of `count` pixels the colour of `last` or `first` as its draw decides, keeping every
// fourth byte of `out`. Free of branches, so that the compiler turns it into vector code.
void ShowByDraw(std::uint8_t* __restrict out, const std::uint8_t* __restrict first,
                const std::uint8_t* __restrict last, const std::uint8_t* percent,
                const std::uint8_t* limit, const std::uint8_t* ahead, int count) {
  constexpr std::uint32_t kColourMask = 0x00FFFFFFu;
  for (int i = 0; i < count; ++i) {
    const std::size_t at = static_cast<std::size_t>(i) * kBytesPerPixel;
    const std::uint32_t show_last = static_cast<std::uint32_t>(percent[i] < limit[i]) ^ ahead[i];
    const std::uint32_t take_last = 0u - show_last;
    std::uint32_t kept, from_first, from_last;
    std::memcpy(&kept, out + at, 4);
    std::memcpy(&from_first, first + at, 4);
    std::memcpy(&from_last, last + at, 4);
    const std::uint32_t colour = (from_last & take_last) | (from_first & ~take_last);
    kept = (kept & ~kColourMask) | (colour & kColourMask);
    std::memcpy(out + at, &kept, 4);
  }
}

}  // namespace

void Diffuse(const EffectFrame& f, int type, RandomSource& random) {
  if (type < 0 || type >= static_cast<int>(kDirections.size())) {
    for (int y = 0; y < f.Height(); ++y) {
      const std::size_t row = PixelOffset(f, 0, y);
      CopyColourRun(f.out.data + row, f.first + row, f.Width());
    }
    return;
  }

  const Direction& direction = kDirections[type];
  const int length = direction.along_rows ? f.grid.tile_height : f.grid.tile_width;
  const int visible = std::min(length, direction.along_rows ? f.Height() : f.Width());
  const FrontProfile profile(length, visible, f.frame, direction.from_far_end);

  // A row's draws are taken in one go (they follow memory order across the tiles); a front
  // along the rows has one rule for the whole image row, spread over the span length.
  const auto span_length = static_cast<std::size_t>(std::min(f.grid.tile_width, f.Width()));
  std::vector<std::uint8_t> percent(static_cast<std::size_t>(f.Width()));
  std::vector<std::uint8_t> row_limit(direction.along_rows ? span_length : 0);
  std::vector<std::uint8_t> row_ahead(direction.along_rows ? span_length : 0);
  const std::uint8_t* limit = profile.limit.data();
  const std::uint8_t* ahead = profile.ahead.data();

  ForEachTileSpan(f, [&](const TileSpan& span) {
    if (span.x0 == 0) {
      random.FillPercent(percent.data(), f.Width());
      if (direction.along_rows) {
        std::fill(row_limit.begin(), row_limit.end(), profile.limit[span.ty]);
        std::fill(row_ahead.begin(), row_ahead.end(), profile.ahead[span.ty]);
        limit = row_limit.data();
        ahead = row_ahead.data();
      }
    }
    const std::size_t at = PixelOffset(f, span.x0, span.y);
    ShowByDraw(f.out.data + at, f.first + at, f.last + at, percent.data() + span.x0, limit, ahead,
               span.count);
  });
}

}  // namespace orvane::compose
