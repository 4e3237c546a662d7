// The frame protocol every effect shares: the tile grid, the checks and early answers that run
// before an effect, and the single walk over the output image in memory order, tile by tile.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "composer_state.h"
#include "image_view.h"

namespace orvane::compose {

// The tile size an effect runs its geometry in; tile properties below 2 mean "the whole image".
struct TileGrid {
  int tile_width = 0;
  int tile_height = 0;

  static TileGrid For(const ComposerState& state) {
    return {state.TilesWidth() >= 2 ? state.TilesWidth() : state.ImageWidth(),
            state.TilesHeight() >= 2 ? state.TilesHeight() : state.ImageHeight()};
  }
};

// Everything an effect reads and writes for one frame: the two held images (same size as
// `out`), the caller's image, the grid and the position 0.01 <= frame <= 99.99.
struct EffectFrame {
  const std::uint8_t* first = nullptr;
  const std::uint8_t* last = nullptr;
  ImageView out;
  TileGrid grid;
  double frame = 0.0;

  int Width() const { return out.width; }
  int Height() const { return out.height; }
};

// Runs the shared checks on the caller's image (`channels` is its channel extent, `image.data`
// null when the array could not be read). Returns the frame to render when the effect has to
// run; returns nothing when the call is over: the image was left untouched, or (positions
// below 0.01 or above 99.99) a whole held image, fourth byte included, was copied into it.
std::optional<EffectFrame> EffectPrologue(const ComposerState& state, ImageView image, int channels,
                                          double frame);

// One row of one tile as the walk meets it: `count` pixels starting at image column `x0`
// (the tile's left edge), all at row `y` of the image and row `ty` of their tile.
struct TileSpan {
  int y;
  int ty;
  int tile_y0;
  int x0;
  int count;
};

// Visits the image in memory order (rows from 0 upward, left to right), one tile span at a
// time. A partial tile at the right or top edge shows the part of a full tile that lies
// inside the image.
template <class SpanFn>
void ForEachTileSpan(const EffectFrame& f, SpanFn&& span_fn) {
  const int width = f.Width();
  const int tile_width = f.grid.tile_width;
  for (int y = 0; y < f.Height(); ++y) {
    const int ty = y % f.grid.tile_height;
    for (int x0 = 0; x0 < width; x0 += tile_width) {
      span_fn(TileSpan{y, ty, y - ty, x0, std::min(tile_width, width - x0)});
    }
  }
}

// Offset of pixel (x, y)'s first byte in an image of the frame's width.
inline std::size_t PixelOffset(const EffectFrame& f, int x, int y) {
  return (static_cast<std::size_t>(y) * static_cast<std::size_t>(f.Width()) +
          static_cast<std::size_t>(x)) *
         kBytesPerPixel;
}

// Writes the colour bytes of one pixel from `source`; the fourth byte keeps the caller's value.
inline void CopyColour(std::uint8_t* out_pixel, const std::uint8_t* source_pixel) {
  out_pixel[2] = source_pixel[2];
  out_pixel[1] = source_pixel[1];
  out_pixel[0] = source_pixel[0];
}

// Copies the colour bytes of `count` consecutive pixels, keeping each fourth byte of `out`.
// Whole pixels are merged as 32-bit words (byte 3 is the high byte in memory order), which the
// compiler turns into vector code.
inline void CopyColourRun(std::uint8_t* out, const std::uint8_t* source, int count) {
  static_assert(std::endian::native == std::endian::little);
  constexpr std::uint32_t kColourMask = 0x00FFFFFFu;
  for (int i = 0; i < count; ++i) {
    std::uint32_t kept, colour;
    std::memcpy(&kept, out + static_cast<std::size_t>(i) * kBytesPerPixel, 4);
    std::memcpy(&colour, source + static_cast<std::size_t>(i) * kBytesPerPixel, 4);
    kept = (kept & ~kColourMask) | (colour & kColourMask);
    std::memcpy(out + static_cast<std::size_t>(i) * kBytesPerPixel, &kept, 4);
  }
}

}  // namespace orvane::compose
