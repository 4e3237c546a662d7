#include "diffuse.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "compose_test_support.h"
#include "random_source.h"

namespace orvane::compose {
namespace {

using testing::Bytes;
using testing::Composition;

// The diffusion written out pixel by pixel, exactly as defined, one draw per pixel.
void ReferenceDiffuse(Composition& c, double frame, int type, RandomSource& random) {
  const TileGrid grid = TileGrid::For(c.state);
  const int w = grid.tile_width, h = grid.tile_height;
  const long long dx = static_cast<long long>((w - 1) * frame * 0.01);
  const long long dy = static_cast<long long>((h - 1) * frame * 0.01);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const int tx = x % w, ty = y % h;
      auto* out = const_cast<std::uint8_t*>(c.OutPixel(x, y));
      long long a, front, last;
      switch (type) {
        case 0:
          a = tx, front = dx, last = w - 1;
          break;
        case 1:
          a = w - 1 - tx, front = dx, last = w - 1;
          break;
        case 2:
          a = h - 1 - ty, front = dy, last = h - 1;
          break;
        case 3:
          a = ty, front = dy, last = h - 1;
          break;
        default:
          for (int ch = 0; ch < 3; ++ch) out[ch] = c.FirstPixel(x, y)[ch];
          continue;
      }
      bool show_last;
      if (a <= front) {
        int t = 0;
        if (front != 0) {
          const double ratio = static_cast<double>(a) / front;
          const long long p = 100 * front / last;
          t = static_cast<int>(p * ratio + (1 - ratio) * 100);
        }
        show_last = random.NextPercent() <= t;
      } else {
        const double ratio = static_cast<double>(last - a) / (last - front);
        const long long p = 100 * (last - front) / last;
        const int t = static_cast<int>(p * ratio + (1 - ratio) * 100);
        show_last = random.NextPercent() > t;
      }
      const std::uint8_t* source = show_last ? c.LastPixel(x, y) : c.FirstPixel(x, y);
      for (int ch = 0; ch < 3; ++ch) out[ch] = source[ch];
    }
  }
}

void RenderDiffuse(Composition& c, double frame, int type, RandomSource& random) {
  c.Render(frame, [&](const EffectFrame& f) { Diffuse(f, type, random); });
}

std::vector<int> NextDraws(RandomSource& random, int count) {
  std::vector<int> draws(count);
  for (auto& d : draws) d = random.NextPercent();
  return draws;
}

// Pieces in vector registers and single draws take different paths; two million draws meet every
// 16-bit value many times.
TEST(RandomSource, FillsInAnyPiecesTheSameDrawsAsOneByOne) {
  RandomSource one_by_one(42), in_pieces(42);
  const std::vector<int> expected = NextDraws(one_by_one, 2000000);
  std::vector<std::uint8_t> filled(expected.size());
  std::size_t at = 0;
  for (int piece : {1, 15, 16, 17, 3, 300, 1, 0, 1024, 33, 4096, 7}) {
    in_pieces.FillPercent(filled.data() + at, piece);
    at += piece;
  }
  in_pieces.FillPercent(filled.data() + at, static_cast<int>(filled.size() - at));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(filled[i], expected[i]) << "draw " << i;
  }
}

TEST(RandomSource, DrawsAreUniformOverTheHundredValuesAndDependOnTheSeed) {
  RandomSource random(7);
  std::vector<std::uint8_t> draws(1000000);
  random.FillPercent(draws.data(), static_cast<int>(draws.size()));
  std::array<int, 100> counts{};
  int repeats = 0;
  for (std::size_t i = 0; i < draws.size(); ++i) {
    ASSERT_LT(draws[i], 100);
    ++counts[draws[i]];
    if (i > 0 && draws[i] == draws[i - 1]) ++repeats;
  }
  // Chi-square with 99 degrees of freedom: 160 is exceeded with a chance of about 1 in 10000.
  double chi_square = 0;
  for (int n : counts) chi_square += (n - 10000.0) * (n - 10000.0) / 10000.0;
  EXPECT_LT(chi_square, 160.0);
  EXPECT_NEAR(repeats / 1e6, 0.01, 0.001);  // neighbouring draws independent

  RandomSource same(7), other(8);
  EXPECT_EQ(NextDraws(same, 64), std::vector<int>(draws.begin(), draws.begin() + 64));
  EXPECT_NE(NextDraws(other, 64), std::vector<int>(draws.begin(), draws.begin() + 64));
  RandomSource first_control = RandomSource::FromEntropy();
  RandomSource second_control = RandomSource::FromEntropy();
  EXPECT_NE(NextDraws(first_control, 64), NextDraws(second_control, 64));
}

TEST(Diffuse, MatchesThePerPixelDefinitionForEveryTypeFrameAndTileGrid) {
  struct Grid {
    int width, height, tiles_width, tiles_height;
  } const grids[] = {
      {101, 9, 0, 0},                 // the design's 101-pixel tile
      {12, 101, 0, 0},                // and along the rows
      {40, 30, 10, 10},               // whole tiles
      {23, 17, 10, 6},                // partial tiles at the right and the top
      {13, 11, 40, 3},                // a tile wider than the image
      {9, 8, 2, 2},                   // the smallest tiles
      {31, 29, 7, 5},                 // odd tiles, partial at both edges
      {13, 11, 2147483647, 1000000},  // the largest tile properties
  };
  // 0.01 and 0.99: the front has not left the first position (A = 0) on these tiles; 1.0: it
  // has just left it on the 101-pixel tile; 99.99: the front one short of the far side.
  const double frames[] = {0.01, 0.5, 0.99, 1.0, 12.5, 33.3, 50.0, 66.7, 99.0, 99.99};
  for (const auto& g : grids) {
    for (int type = -1; type <= 8; ++type) {
      for (double frame : frames) {
        auto fast = Composition::Random(g.width, g.height, g.tiles_width, g.tiles_height,
                                        type + 17 + static_cast<int>(frame));
        auto reference = fast;
        const auto seed = static_cast<std::uint64_t>(type * 1000 + frame * 10);
        RandomSource fast_random(seed), reference_random(seed);
        RenderDiffuse(fast, frame, type, fast_random);
        ReferenceDiffuse(reference, frame, type, reference_random);
        ASSERT_EQ(fast.out, reference.out)
            << g.width << "x" << g.height << " tiles " << g.tiles_width << "x" << g.tiles_height
            << " type " << type << " frame " << frame;
        // Both took the same number of draws.
        ASSERT_EQ(NextDraws(fast_random, 40), NextDraws(reference_random, 40))
            << "type " << type << " frame " << frame;
      }
    }
  }
}

TEST(Diffuse, TakesOneDrawPerPixelForStraightTypesAndNoneOtherwise) {
  struct Case {
    int type;
    int draws;
  } const cases[] = {{0, 23 * 17}, {1, 23 * 17}, {2, 23 * 17}, {3, 23 * 17},
                     {4, 0},       {7, 0},       {8, 0},       {-1, 0}};
  for (const auto& k : cases) {
    auto c = Composition::Random(23, 17, 10, 6);
    RandomSource used(5), expected(5);
    RenderDiffuse(c, 40.0, k.type, used);
    NextDraws(expected, k.draws);
    EXPECT_EQ(NextDraws(used, 40), NextDraws(expected, 40)) << "type " << k.type;
  }
}

TEST(Diffuse, DiagonalAndUnknownTypesShowTheFirstImageAndKeepByteThree) {
  for (int type : {4, 5, 6, 7, 8, -1}) {
    for (double frame : {0.01, 50.0, 99.99}) {
      auto c = Composition::Random(20, 15, 6, 4, 3);
      const Bytes before = c.out;
      RandomSource random(1);
      RenderDiffuse(c, frame, type, random);
      for (std::size_t i = 0; i < c.out.size(); ++i) {
        ASSERT_EQ(c.out[i], i % 4 == 3 ? before[i] : c.first[i])
            << "type " << type << " frame " << frame << " byte " << i;
      }
    }
  }
}

// Once the front has left the first position of each tile's direction, that position always
// shows the last image, and the last position always the first image, whatever the draws; byte 3
// is never written.
TEST(Diffuse, StartingSideIsAlwaysLastAndFarSideAlwaysFirstInEveryTile) {
  const int width = 25, height = 23, tile = 10;  // partial tiles at the right and the top
  for (int type = 0; type <= 3; ++type) {
    for (double frame : {12.0, 30.0, 99.99}) {
      Composition c(width, height, testing::UniformImage(width, height, 1, 1, 1, 0),
                    testing::UniformImage(width, height, 2, 2, 2, 0), tile, tile);
      const Bytes before = c.out;
      RandomSource random(9);
      RenderDiffuse(c, frame, type, random);
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const int tx = x % tile, ty = y % tile;
          const int a = type == 0 ? tx : type == 1 ? tile - 1 - tx : type == 2 ? tile - 1 - ty : ty;
          const std::uint8_t* out = c.OutPixel(x, y);
          if (a == 0 || a == tile - 1) {
            ASSERT_EQ(out[0], a == 0 ? 2 : 1) << "type " << type << " at " << x << ", " << y;
          }
          ASSERT_EQ(out[3], testing::PixelAt(before, width, x, y)[3]);
        }
      }
    }
  }
}

// Share of the last image per column of a 101-pixel tile over many rows, against the chances the
// thresholds give: on the front r <= 50 (51 %), just ahead r > 51 (48 %), half way behind
// r <= 75, half way ahead r > 75; with the front still on column 0, r = 0 there (1 %).
TEST(Diffuse, FrontSharesFollowTheThresholds) {
  const int width = 101, height = 4000;
  struct Case {
    int type;
    double frame;
    int column;
    double share;
  } const cases[] = {
      {0, 50.0, 0, 1.0},   {0, 50.0, 25, 0.76}, {0, 50.0, 50, 0.51}, {0, 50.0, 51, 0.48},
      {0, 50.0, 75, 0.24}, {0, 50.0, 100, 0.0}, {0, 0.5, 0, 0.01},   {0, 0.5, 1, 0.0},
      {1, 50.0, 100, 1.0}, {1, 50.0, 50, 0.51}, {1, 50.0, 49, 0.48}, {1, 50.0, 0, 0.0},
  };
  Composition c(width, height, testing::UniformImage(width, height, 1, 1, 1, 0),
                testing::UniformImage(width, height, 2, 2, 2, 0));
  RandomSource random(2024);
  for (const auto& k : cases) {
    RenderDiffuse(c, k.frame, k.type, random);
    int last = 0;
    for (int y = 0; y < height; ++y) last += c.OutPixel(k.column, y)[0] == 2;
    // Five standard deviations of a share of 4000 draws at most.
    EXPECT_NEAR(last / static_cast<double>(height), k.share, 0.04)
        << "type " << k.type << " frame " << k.frame << " column " << k.column;
  }
}

TEST(Diffuse, TwoCallsDifferInTheGrainOnly) {
  auto c = Composition::Random(101, 40);
  RandomSource random(3);
  RenderDiffuse(c, 50.0, 0, random);
  const Bytes once = c.out;
  RenderDiffuse(c, 50.0, 0, random);
  EXPECT_NE(c.out, once);
  for (int y = 0; y < 40; ++y) {
    for (int x : {0, 100}) {
      for (int ch = 0; ch < 4; ++ch) {
        ASSERT_EQ(c.OutPixel(x, y)[ch], testing::PixelAt(once, 101, x, y)[ch]);
      }
    }
  }
}

}  // namespace
}  // namespace orvane::compose
