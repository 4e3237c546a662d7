#include "rotate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "compose_test_support.h"
#include "sample_bilinear.h"

namespace orvane::compose {
namespace {

using testing::Bytes;
using testing::Composition;

// The rotation written out pixel by pixel, exactly as defined.
void ReferenceRotate(Composition& c, double frame, int type) {
  if (type < 0 || type > 3) return;
  const TileGrid grid = TileGrid::For(c.state);
  const int w = grid.tile_width, h = grid.tile_height;
  const bool inward = type == 0 || type == 1;
  const int turns = type == 0 || type == 2 ? 1 : 2;
  const double s = inward ? (100 - frame) * 0.01 : frame * 0.01;
  const double theta = turns * (frame * 0.01) * 6.283;
  const double cx = (w - 1) * 0.5, cy = (h - 1) * 0.5;
  const Bytes& moving = inward ? c.first : c.last;
  const Bytes& behind = inward ? c.last : c.first;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const int tx = x % w, ty = y % h, x0 = x - tx, y0 = y - ty;
      const double ex = tx - cx, ey = ty - cy;
      const double r = std::hypot(ex, ey);
      const double phi = r == 0 ? 0.0 : (ey < 0 ? -1.0 : 1.0) * std::acos(ex / r);
      const double alpha = phi - theta;
      const double rho = r / s;
      const double sx = std::cos(alpha) * rho + x0 + cx;
      const double sy = std::sin(alpha) * rho + y0 + cy;
      const bool in_tile = x0 <= sx && sx < x0 + w - 1 && y0 <= sy && sy < y0 + h - 1;
      auto* out = const_cast<std::uint8_t*>(c.OutPixel(x, y));
      if (sx >= 0 && sx < c.width && sy >= 0 && sy < c.height && in_tile) {
        for (int ch = 2; ch >= 0; --ch) {
          out[ch] = SampleBilinear(sx, sy, moving.data(), c.width, c.height, ch);
        }
      } else {
        const std::uint8_t* back = testing::PixelAt(behind, c.width, x, y);
        for (int ch = 2; ch >= 0; --ch) out[ch] = back[ch];
      }
    }
  }
}

void RenderRotate(Composition& c, double frame, int type) {
  c.Render(frame, [&](const EffectFrame& f) { Rotate(f, type); });
}

TEST(Rotate, MatchesThePerPixelDefinitionForEveryTypeFrameAndTileGrid) {
  struct Grid {
    int width, height, tiles_width, tiles_height;
  } const grids[] = {
      {33, 25, 0, 0},                 // odd tile: a centre pixel
      {32, 24, 0, 0},                 // even tile: the centre between pixels
      {40, 30, 10, 10},               // whole tiles
      {23, 17, 10, 6},                // partial tiles at the right and the top
      {13, 11, 40, 3},                // a tile wider than the image
      {9, 8, 2, 2},                   // the smallest tiles
      {31, 29, 7, 5},                 // odd tiles, partial at both edges
      {13, 11, 2147483647, 1000000},  // the largest tile properties
  };
  for (const auto& g : grids) {
    for (int type = 0; type <= 3; ++type) {
      for (double frame : {0.01, 0.5, 12.5, 25.0, 33.3, 50.0, 66.7, 90.0, 99.5, 99.99}) {
        auto fast = Composition::Random(g.width, g.height, g.tiles_width, g.tiles_height,
                                        type * 31 + static_cast<int>(frame));
        auto reference = fast;
        RenderRotate(fast, frame, type);
        ReferenceRotate(reference, frame, type);
        ASSERT_EQ(fast.out, reference.out)
            << g.width << "x" << g.height << " tiles " << g.tiles_width << "x" << g.tiles_height
            << " type " << type << " frame " << frame;
      }
    }
  }
}

TEST(Rotate, MatchesThePerPixelDefinitionAcrossTheTransition) {
  for (int type = 0; type <= 3; ++type) {
    for (double frame = 0.01; frame <= 99.99; frame += 2.93) {
      auto fast = Composition::Random(64, 45, 16, 15, type + 3);
      auto reference = fast;
      RenderRotate(fast, frame, type);
      ReferenceRotate(reference, frame, type);
      ASSERT_EQ(fast.out, reference.out) << "type " << type << " frame " << frame;
    }
  }
}

TEST(Rotate, UnknownTypesLeaveTheImageAsPassed) {
  for (int type : {-1, 4, 100}) {
    auto c = Composition::Random(20, 16, 0, 0, 5);
    const Bytes before = c.out;
    RenderRotate(c, 30.0, type);
    EXPECT_EQ(c.out, before) << "type " << type;
  }
}

// An odd tile's centre pixel has radius 0 and samples the moving image exactly there, whatever
// the turn and the scale; byte 3 keeps the caller's value.
TEST(Rotate, TileCentrePixelShowsTheMovingImagesCentre) {
  struct Case {
    int type;
    bool moves_last;
  } const cases[] = {{0, false}, {1, false}, {2, true}, {3, true}};
  for (const auto& k : cases) {
    for (double frame : {0.01, 37.0, 50.0, 99.99}) {
      auto c = Composition::Random(27, 21, 9, 7, 11);  // 3 x 3 tiles of 9 x 7
      const Bytes before = c.out;
      RenderRotate(c, frame, k.type);
      for (int y = 3; y < 21; y += 7) {
        for (int x = 4; x < 27; x += 9) {
          const std::uint8_t* expected = k.moves_last ? c.LastPixel(x, y) : c.FirstPixel(x, y);
          const std::uint8_t* out = c.OutPixel(x, y);
          for (int ch = 0; ch < 3; ++ch) {
            ASSERT_EQ(out[ch], expected[ch])
                << "type " << k.type << " frame " << frame << " at " << x << ", " << y;
          }
          ASSERT_EQ(out[3], testing::PixelAt(before, 27, x, y)[3]);
        }
      }
    }
  }
}

// At the first position the first image is nearly unchanged, but the middle pixel of the last
// column finds its source just past the last column a source may come from. (A black first
// image samples to exactly 0.)
TEST(Rotate, FirstPositionShowsTheLastImageAtTheMiddleOfTheLastColumn) {
  Composition c(9, 9, testing::UniformImage(9, 9, 0, 0, 0, 0),
                testing::UniformImage(9, 9, 110, 120, 130, 0));
  RenderRotate(c, 0.01, 0);
  struct Case {
    int x, y, blue;
  } const cases[] = {{8, 4, 110}, {4, 4, 0}, {5, 6, 0}, {7, 4, 0}, {1, 1, 0}};
  for (const auto& k : cases) EXPECT_EQ(c.OutPixel(k.x, k.y)[0], k.blue) << k.x << ", " << k.y;
}

// A first image whose right half is red and whose top half is green, turned by a quarter (less
// 0.00005 radians) and shrunk to 0.75 at frame 25: the moving image turns counter-clockwise,
// rows counting upward, so its right half comes up on top and its top half on the left.
TEST(Rotate, TurnsCounterClockwiseAboutTheTileCentre) {
  const int size = 41;
  Bytes first(ImageByteCount(size, size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      first[ImageByteCount(size, y) + x * 4u + 2] = x > 20 ? 200 : 0;
      first[ImageByteCount(size, y) + x * 4u + 1] = y > 20 ? 200 : 0;
    }
  }
  Composition c(size, size, first, testing::UniformImage(size, size, 0, 0, 0, 0));
  RenderRotate(c, 25.0, 0);
  struct Case {
    int x, y, channel;
    bool bright;
  } const cases[] = {
      {20, 25, 2, true},   // above the centre: from the right half
      {20, 15, 2, false},  // below: from the left half
      {15, 20, 1, true},   // left of the centre: from the top half
      {25, 20, 1, false},  // right: from the bottom half
  };
  for (const auto& k : cases) {
    EXPECT_EQ(c.OutPixel(k.x, k.y)[k.channel] > 100, k.bright) << "at " << k.x << ", " << k.y;
  }
}

// Half way in, the first image covers about the middle half of each tile along both axes and is
// clipped to its own tile; half way out, the last image likewise.
TEST(Rotate, HalfWayTheMovingImageCoversTheMiddleOfEveryTile) {
  for (int type : {0, 3}) {
    const std::uint8_t moving = type == 0 ? 200 : 50;
    const std::uint8_t behind = type == 0 ? 50 : 200;
    Composition c(82, 41, testing::UniformImage(82, 41, 200, 200, 200, 0),
                  testing::UniformImage(82, 41, 50, 50, 50, 0), 41, 41);
    RenderRotate(c, 50.0, type);
    for (int y = 0; y < 41; ++y) {
      for (int x = 0; x < 82; ++x) {
        const int ex = std::abs(x % 41 - 20), ey = std::abs(y - 20);
        const int value = c.OutPixel(x, y)[0];
        if (ex <= 8 && ey <= 8) {
          ASSERT_GE(value, moving - 1) << "type " << type << " at " << x << ", " << y;
          ASSERT_LE(value, moving) << "type " << type << " at " << x << ", " << y;
        } else if (ex >= 12 || ey >= 12) {
          ASSERT_EQ(value, behind) << "type " << type << " at " << x << ", " << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvane::compose
