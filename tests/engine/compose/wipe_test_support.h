// What the wipe and mosaic tests share: a plain per-pixel renderer for a reference decision, the
// grids and frames over which the fast code is held to it, and a picture of which image each pixel
// shows.
#pragma once

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "compose_test_support.h"

namespace orvane::compose::testing {

// Whether the pixel at (tx, ty) of a w x h tile shows the last image at `frame`, decided for
// that pixel alone.
using ShowsLastFn = bool (*)(int type, double frame, int w, int h, int tx, int ty);

// Every pixel on its own, in memory order: bytes 0 to 2 from the image the decision names.
inline void RenderReference(Composition& c, double frame, int type, ShowsLastFn shows_last) {
  const TileGrid grid = TileGrid::For(c.state);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const int tx = x % grid.tile_width, ty = y % grid.tile_height;
      const bool last = shows_last(type, frame, grid.tile_width, grid.tile_height, tx, ty);
      const std::uint8_t* source = last ? c.LastPixel(x, y) : c.FirstPixel(x, y);
      auto* out = const_cast<std::uint8_t*>(c.OutPixel(x, y));
      for (int ch = 0; ch < 3; ++ch) out[ch] = source[ch];
    }
  }
}

struct Grid {
  int width, height, tiles_width, tiles_height;
  int TileWidth() const { return tiles_width >= 2 ? tiles_width : width; }
  int TileHeight() const { return tiles_height >= 2 ? tiles_height : height; }
};

// Whole images of odd and even sides, tiles of 2, odd tiles, partial tiles at the right and
// top edges, and tiles larger than the image (up to the largest tile property).
inline const std::vector<Grid>& ComparisonGrids() {
  static const std::vector<Grid> grids = {
      {37, 23, 0, 0},  {40, 30, 10, 10}, {50, 31, 9, 4},   {10, 7, 2, 2},
      {13, 11, 40, 3}, {64, 48, 16, 7},  {2, 2, 0, 0},     {33, 17, 5, 2},
      {101, 3, 0, 0},  {3, 101, 2, 0},   {22, 26, 11, 13},
  };
  return grids;
}

// Frames across the effect's range, its ends included, and the frames just around each
// position where `rate` x frame (or `rate` x (100 - frame) when `from_end`) reaches one of
// `values`: where an amount turns whole, or a limit meets a pixel's distance.
inline std::vector<double> OrdinaryFrames() {
  return {0.01,  0.02, 0.5,   1.0,  1.6,   10.0, 12.5, 25.0, 33.3,  37.5,
          49.99, 50.0, 50.01, 62.5, 66.67, 75.0, 87.5, 99.0, 99.98, 99.99};
}

inline void AddFramesNear(std::vector<double>& frames, double rate, bool from_end,
                          const std::vector<double>& values) {
  for (double v : values) {
    double frame = v / rate;
    if (from_end) frame = 100 - frame;
    for (int step = -2; step <= 2; ++step) {
      double near = frame;
      for (int i = 0; i < std::abs(step); ++i) near = std::nextafter(near, step < 0 ? -1.0 : 101.0);
      if (near >= 0.01 && near <= 99.99) frames.push_back(near);
    }
  }
}

// Holds the effect to the per-pixel reference, byte for byte (byte 3 as the caller had it),
// for every type, every comparison grid and the frames `frames_for` gives for the grid.
template <class Effect, class FramesFor>
void ExpectMatchesReference(Effect&& effect, ShowsLastFn shows_last, const std::vector<int>& types,
                            FramesFor&& frames_for) {
  std::uint32_t seed = 1;
  for (const Grid& g : ComparisonGrids()) {
    for (double frame : frames_for(g)) {
      for (int type : types) {
        auto fast = Composition::Random(g.width, g.height, g.tiles_width, g.tiles_height, seed++);
        auto reference = fast;
        fast.Render(frame, [&](const EffectFrame& f) { effect(f, type); });
        RenderReference(reference, frame, type, shows_last);
        ASSERT_EQ(fast.out, reference.out)
            << g.width << "x" << g.height << " tiles " << g.tiles_width << "x" << g.tiles_height
            << " type " << type << " frame " << frame;
      }
    }
  }
}

// Which image each pixel shows, for a composition of a uniform first image (F) and a uniform
// last image (L); '?' marks a pixel that shows neither or whose fourth byte changed. One
// string per row, the top row (the last one in memory) first, so that a map reads as the
// picture looks.
struct SourceMapping {
  static constexpr std::uint8_t kFirst[3] = {10, 20, 30};
  static constexpr std::uint8_t kLast[3] = {200, 210, 220};

  static Composition Make(int width, int height, int tiles_width = 0, int tiles_height = 0) {
    return Composition(width, height, UniformImage(width, height, 10, 20, 30, 1),
                       UniformImage(width, height, 200, 210, 220, 2), tiles_width, tiles_height);
  }

  template <class Effect>
  static std::vector<std::string> Render(int width, int height, int tiles_width, int tiles_height,
                                         double frame, Effect&& effect) {
    auto c = Make(width, height, tiles_width, tiles_height);
    const Bytes before = c.out;
    c.Render(frame, effect);
    std::vector<std::string> rows;
    for (int y = height - 1; y >= 0; --y) {
      std::string row;
      for (int x = 0; x < width; ++x) {
        const std::uint8_t* p = c.OutPixel(x, y);
        const bool kept = p[3] == PixelAt(before, width, x, y)[3];
        auto same = [&](const std::uint8_t* colour) {
          return p[0] == colour[0] && p[1] == colour[1] && p[2] == colour[2];
        };
        row += !kept ? '?' : same(kLast) ? 'L' : same(kFirst) ? 'F' : '?';
      }
      rows.push_back(row);
    }
    return rows;
  }
};

// A row of marks written as runs: Marks({{'L', 3}, {'F', 2}}) is "LLLFF".
inline std::string Marks(const std::vector<std::pair<char, int>>& runs) {
  std::string s;
  for (const auto& [mark, count] : runs) s.append(static_cast<std::size_t>(count), mark);
  return s;
}

// The marks of column x, from the top row down.
inline std::string ColumnOf(const std::vector<std::string>& rows, int x) {
  std::string s;
  for (const std::string& row : rows) s += row[static_cast<std::size_t>(x)];
  return s;
}

}  // namespace orvane::compose::testing
