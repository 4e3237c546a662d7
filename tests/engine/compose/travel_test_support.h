// Shared by the tests of the moving effects (slides, pushes, stretches): images whose pixels name
// their own position, a per-pixel writer for references, and the grids and frames to sweep.
#pragma once

#include <climits>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "compose_test_support.h"

namespace orvane::compose::testing {

inline constexpr int kFirstImage = 1;
inline constexpr int kLastImage = 2;

// A first and a last image whose pixels name themselves: blue = x, green = y, red = 1 for the
// first image and 2 for the last. Fourth bytes differ between all three images.
inline Composition NamedComposition(int w, int h, int tiles_width = 0, int tiles_height = 0) {
  auto named = [&](int image, std::uint8_t fourth) {
    Bytes bytes(ImageByteCount(w, h));
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        std::uint8_t* p = &bytes[ImageByteCount(w, y) + std::size_t{4} * x];
        p[0] = static_cast<std::uint8_t>(x);
        p[1] = static_cast<std::uint8_t>(y);
        p[2] = static_cast<std::uint8_t>(image);
        p[3] = fourth;
      }
    }
    return bytes;
  };
  return Composition(w, h, named(kFirstImage, 0x11), named(kLastImage, 0x22), tiles_width,
                     tiles_height);
}

// Which held image a pixel of a named composition shows, and from where.
struct Shown {
  int image;
  int x;
  int y;
  bool operator==(const Shown&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Shown& s) {
  return os << (s.image == kFirstImage  ? "first"
                : s.image == kLastImage ? "last"
                                        : "other")
            << "(" << s.x << ", " << s.y << ")";
}

inline Shown First(int x, int y) { return {kFirstImage, x, y}; }
inline Shown Last(int x, int y) { return {kLastImage, x, y}; }

inline Shown ShownAt(const Composition& c, int x, int y) {
  const std::uint8_t* p = c.OutPixel(x, y);
  return {p[2], p[0], p[1]};
}

// Checks every pixel against `expected(x, y)` and that no fourth byte changed.
template <class Expected>
void ExpectShown(const Composition& c, const Bytes& before, Expected&& expected) {
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      ASSERT_EQ(ShownAt(c, x, y), expected(x, y)) << "pixel (" << x << ", " << y << ")";
      ASSERT_EQ(c.OutPixel(x, y)[3], PixelAt(before, c.width, x, y)[3])
          << "fourth byte of pixel (" << x << ", " << y << ")";
    }
  }
}

// What a reference decides for one pixel: nothing, or a held image and a source position.
struct Source {
  enum Kind { kUntouched, kFirst, kLast } kind;
  long long sx;
  long long sy;
};

// Writes colour bytes 0 to 2 of pixel (x, y) as assign first / assign last define it: from the
// named image at (sx, sy), or from the first image at (x, y) when (sx, sy) is outside.
inline void AssignReference(Composition& c, int x, int y, const Source& s) {
  if (s.kind == Source::kUntouched) return;
  const bool inside = s.sx >= 0 && s.sx < c.width && s.sy >= 0 && s.sy < c.height;
  const Bytes& image = s.kind == Source::kLast && inside ? c.last : c.first;
  const std::uint8_t* from =
      inside ? PixelAt(image, c.width, static_cast<int>(s.sx), static_cast<int>(s.sy))
             : c.FirstPixel(x, y);
  auto* out = const_cast<std::uint8_t*>(c.OutPixel(x, y));
  out[2] = from[2];
  out[1] = from[1];
  out[0] = from[0];
}

// An image size and tile properties to sweep.
struct Grid {
  int width;
  int height;
  int tiles_width;
  int tiles_height;
};

inline std::ostream& operator<<(std::ostream& os, const Grid& g) {
  return os << g.width << "x" << g.height << " tiles " << g.tiles_width << "x" << g.tiles_height;
}

// Whole images, tiles of 2, odd tiles, partial tiles at the right and top, and tiles larger
// than the image.
inline const std::vector<Grid>& SweepGrids() {
  static const std::vector<Grid> grids = {
      {17, 13, 0, 0},
      {64, 64, 0, 0},
      {40, 30, 7, 5},
      {33, 21, 2, 2},
      {25, 19, 40, 3},
      {23, 29, 3, 50},
      {50, 37, 16, 9},
      {12, 9, 5, 2},
      // Tiles so large that a source position formed in 32 bits would wrap around.
      {9, 7, INT_MAX, 1 << 30},
  };
  return grids;
}

// The ends of the effects' range, a spread of positions, and positions just around those where
// a travel amount of `grid` steps to the next whole pixel.
inline std::vector<double> SweepFrames(const Grid& g) {
  std::vector<double> frames = {0.01, 0.37, 12.5, 33.3, 49.99, 50.0, 50.01, 66.7, 75.0, 99.99};
  const int tile_width = g.tiles_width >= 2 ? g.tiles_width : g.width;
  for (int k : {1, 3}) {
    const double at = k * 100.0 / (tile_width - 1);
    if (at >= 0.01 && at <= 99.99) {
      frames.insert(frames.end(), {std::nextafter(at, 0.0), at, std::nextafter(at, 100.0)});
    }
  }
  return frames;
}

// Every value of the enumerations (0 to 7 at most), and values outside them.
inline const std::vector<int>& SweepTypes() {
  static const std::vector<int> types = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1 << 30, -(1 << 30)};
  return types;
}

}  // namespace orvane::compose::testing
