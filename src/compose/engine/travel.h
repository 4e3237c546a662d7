// Geometry shared by the effects that move tile content (slides, pushes, stretches): the integer
// travel amounts of a frame, and the way a moved pixel takes its colour from a held image.
#pragma once

#include <algorithm>
#include <cstdint>

#include "effect_frame.h"

namespace orvane::compose {

// The held image a moved pixel takes its colour from.
enum class Held : std::uint8_t { kFirst, kLast };

// How far the moving pictures have gone at one frame, in whole pixels of a W x H tile.
struct Travel {
  int dx;  // horizontal travel so far, 0 ... W - 1
  int dy;  // vertical travel so far
  int ex;  // horizontal travel still to go, W - 1 - dx
  int ey;  // vertical travel still to go
  int hx;  // half of the horizontal travel so far
  int hy;
  int rx;  // half of the horizontal travel still to go
  int ry;
  int cx;  // middle column of a tile
  int cy;  // middle row of a tile

  // The products are formed left to right and only then truncated: (W - 1) x frame x 0.01 and
  // (W - 1) x frame / 100 differ in the last bit often enough to move a whole column.
  static Travel For(const TileGrid& grid, double frame) {
    const int w1 = grid.tile_width - 1;
    const int h1 = grid.tile_height - 1;
    Travel t{};
    t.dx = static_cast<int>(w1 * frame * 0.01);
    t.dy = static_cast<int>(h1 * frame * 0.01);
    t.ex = w1 - t.dx;
    t.ey = h1 - t.dy;
    t.hx = static_cast<int>(w1 * frame * 0.005);
    t.hy = static_cast<int>(h1 * frame * 0.005);
    t.rx = static_cast<int>((100 - frame) * w1 * 0.005);
    t.ry = static_cast<int>((100 - frame) * h1 * 0.005);
    t.cx = w1 / 2;
    t.cy = h1 / 2;
    return t;
  }
};

// Sets the colour bytes of the `count` pixels from (x, y) rightward to those of `copy` at the
// same pixels shifted by (ox, oy). A pixel whose source lies outside the image takes the first
// image's colour at its own position instead: that happens only in tiles the image edge cuts
// off, where the incoming picture would come from beyond the edge. Source positions are formed
// in 64 bits, so a tile far larger than the image cannot wrap them back inside.
inline void AssignRun(const EffectFrame& f, const std::uint8_t* copy, int x, int y, int count,
                      std::int64_t ox, std::int64_t oy) {
  std::uint8_t* out = f.out.data + PixelOffset(f, x, y);
  const std::uint8_t* own = f.first + PixelOffset(f, x, y);
  const std::int64_t sy = y + oy;
  if (sy < 0 || sy >= f.Height()) {
    CopyColourRun(out, own, count);
    return;
  }
  // The pixels i of the run whose source column x + i + ox lies inside the image.
  const auto begin = static_cast<int>(std::clamp<std::int64_t>(-ox - x, 0, count));
  const auto end = static_cast<int>(std::clamp<std::int64_t>(f.Width() - ox - x, begin, count));
  CopyColourRun(out, own, begin);
  CopyColourRun(out + std::size_t{4} * begin,
                copy + PixelOffset(f, static_cast<int>(x + begin + ox), static_cast<int>(sy)),
                end - begin);
  CopyColourRun(out + std::size_t{4} * end, own + std::size_t{4} * end, count - end);
}

}  // namespace orvane::compose
