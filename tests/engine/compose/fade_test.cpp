#include "fade.h"

#include <gtest/gtest.h>

#include "blend_table.h"
#include "cell_bands.h"
#include "compose_test_support.h"

namespace orvane::compose {
namespace {

using testing::Composition;

// The fill patterns' cells as the design draws them, for the reference below.
const char* const kPatternRows[12] = {
    "1000100000000000000000000000000010001000000000000000000000000000",  // PatternDots
    "1010101000000000101010100000000010101010000000001010101000000000",  // PatternDotsDense
    "1111111110001000100010001000100011111111100010001000100010001000",  // PatternGrid
    "1000000101000010001001000001100000011000001001000100001010000001",  // PatternGridRotated
    "1000100010001000100010001000100010001000100010001000100010001000",  // PatternLineVertical
    "1111111100000000000000000000000011111111000000000000000000000000",  // PatternLineHorizontal
    "0001000000100000010000001000000000000001000000100000010000001000",  // PatternLineDiagonal
    "0000100000000100000000100000000110000000010000000010000000010000",  // PatternLineDiagonalRotated
    "1111000011110000111100001111000000001111000011110000111100001111",  // PatternChess
    "1000000001000000001000000000000000000010000001000000100000000000",  // PatternDashes
    "0001010000001100110010000111100110011110000100110011000000101000",  // PatternSpiner
    "1111100001110100001000100100011110001111000101110010001001110001",  // PatternThatches
};

// The blend written out pixel by pixel, exactly as defined.
void ReferenceFade(Composition& c, double frame, int type) {
  const TileGrid grid = TileGrid::For(c.state);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const int ty = y % grid.tile_height, tx = x % grid.tile_width;
      int py = static_cast<int>(ty * 8.0 / (grid.tile_height - 1));
      int px = static_cast<int>(tx * 8.0 / (grid.tile_width - 1));
      if (py >= 7) py = 7;
      if (px >= 7) px = 7;
      double a;
      if (type >= 2 && type <= 13) {
        const bool one = kPatternRows[type - 2][py * 8 + px] == '1';
        if (!one) {
          a = frame < 50 ? frame * 0.02 : 1.0;
        } else {
          a = frame < 50 ? 0.0 : (frame - 50) * 0.02;
        }
      } else {
        a = frame * 0.01;
      }
      auto* out = const_cast<std::uint8_t*>(c.OutPixel(x, y));
      for (int ch = 2; ch >= 0; --ch) {
        out[ch] =
            static_cast<std::uint8_t>(a * c.LastPixel(x, y)[ch] + (1 - a) * c.FirstPixel(x, y)[ch]);
      }
    }
  }
}

// Every byte pair, laid out as pixels: pixel p holds last = p / 256 and first = p % 256 in each
// colour byte (rotated per channel so that the three channels see different pairs).
struct AllPairs {
  std::vector<std::uint8_t> last, first;
  AllPairs() : last(65536 * 4), first(65536 * 4) {
    for (int p = 0; p < 65536; ++p) {
      for (int c = 0; c < 4; ++c) {
        const int pair = (p + c * 4099) % 65536;
        last[p * 4 + c] = static_cast<std::uint8_t>(pair / 256);
        first[p * 4 + c] = static_cast<std::uint8_t>(pair % 256);
      }
    }
  }
};

// Frames whose weights take every path of the blend: whole-number weights (0 and 1), weights
// with few binary digits (exact arithmetic), ordinary ones, and ones whose products fall
// (nearly) on whole numbers.
const double kFrames[] = {0.01,  0.5,   1.0,  3.0,  12.345, 12.5,   25.0, 30.0,
                          33.3,  33.33, 37.5, 40.0, 50.0,   57.123, 60.0, 62.5,
                          66.67, 70.0,  75.0, 80.0, 90.0,   99.0,   99.99};

TEST(Fade, BlendRunsGiveTheDefinedByteForEveryPairAndWeight) {
  const AllPairs pairs;
  for (double frame : kFrames) {
    for (double a : {frame * 0.01, frame * 0.02, (frame - 50) * 0.02, 0.0, 1.0}) {
      if (a < 0.0 || a > 1.0) continue;
      // Small and large images may take different paths.
      const BlendTable blend(a, a < 0.5 ? 0 : 1 << 20);
      std::vector<std::uint8_t> out(pairs.last.size(), 0xA5);
      blend.BlendRun(out.data(), pairs.last.data(), pairs.first.data(), 65536);
      for (std::size_t i = 0; i < out.size(); ++i) {
        const int l = pairs.last[i], f = pairs.first[i];
        const int expected = i % 4 == 3 ? 0xA5 : static_cast<std::uint8_t>(a * l + (1 - a) * f);
        ASSERT_EQ(out[i], expected)
            << "a " << a << ", byte " << i << ", last " << l << ", first " << f;
      }
    }
  }
}

TEST(Fade, BlendOrCopyRunsCopyExactlyTheMaskedPixels) {
  const AllPairs pairs;
  std::vector<std::int32_t> masks(65536);
  for (std::size_t p = 0; p < masks.size(); ++p)
    masks[p] = -static_cast<std::int32_t>(p * 7 / 3 % 2);
  std::vector<std::uint8_t> copied(pairs.last.size());
  for (std::size_t i = 0; i < copied.size(); ++i) copied[i] = static_cast<std::uint8_t>(i * 31);
  for (double frame : kFrames) {
    const double a = frame * 0.01;
    std::vector<std::uint8_t> out(pairs.last.size(), 0x5A);
    BlendTable(a, frame < 50 ? 1 << 20 : 0)
        .BlendRunOrCopy(masks.data(), copied.data(), out.data(), pairs.last.data(),
                        pairs.first.data(), 65536);
    for (std::size_t i = 0; i < out.size(); ++i) {
      const int l = pairs.last[i], f = pairs.first[i];
      const int expected = i % 4 == 3     ? 0x5A
                           : masks[i / 4] ? copied[i]
                                          : static_cast<std::uint8_t>(a * l + (1 - a) * f);
      ASSERT_EQ(out[i], expected) << "frame " << frame << ", byte " << i;
    }
  }
}

TEST(Fade, MatchesThePerPixelDefinitionForEveryTypeSizeAndTileGrid) {
  struct Grid {
    int width, height, tiles_width, tiles_height;
  } const grids[] = {{16, 16, 0, 0},
                     {37, 23, 0, 0},
                     {64, 64, 8, 8},
                     {50, 31, 9, 4},
                     {10, 7, 2, 2},
                     {13, 11, 40, 3},
                     {9, 6, 2147483647, 2147483647}};
  for (const auto& g : grids) {
    for (int type = -1; type <= 14; ++type) {
      for (double frame : {0.01, 10.0, 25.0, 49.99, 50.0, 62.5, 99.99}) {
        auto fast = Composition::Random(g.width, g.height, g.tiles_width, g.tiles_height, type + 7);
        auto reference = fast;
        fast.Render(frame, [&](const EffectFrame& f) { Fade(f, type); });
        ReferenceFade(reference, frame, type);
        ASSERT_EQ(fast.out, reference.out)
            << g.width << "x" << g.height << " tiles " << g.tiles_width << "x" << g.tiles_height
            << " type " << type << " frame " << frame;
      }
    }
  }
}

TEST(Fade, UniformTypesAgreeAndTruncate) {
  auto make = [] {
    return Composition(4, 4, testing::UniformImage(4, 4, 255, 255, 255, 9),
                       testing::UniformImage(4, 4, 0, 0, 0, 8));
  };
  for (int type : {0, 1, 14, -1}) {
    auto c = make();
    c.out = testing::UniformImage(4, 4, 1, 2, 3, 77);
    c.Render(50.0, [&](const EffectFrame& f) { Fade(f, type); });
    EXPECT_EQ(c.out, testing::UniformImage(4, 4, 127, 127, 127, 77)) << "type " << type;
  }
}

TEST(Fade, TwoPhasePatternsSwitchHalfTheCellsAtEachEnd) {
  // PatternChess on 16 x 16: 1 cells on the bottom-left and the top-right 8 x 8 blocks.
  struct Case {
    double frame;
    int under_zero;  // expected byte where the cell is 0
    int under_one;   // expected byte where the cell is 1
  } const cases[] = {{50.0, 200, 100}, {25.0, 150, 100}, {75.0, 200, 150}};
  for (const auto& k : cases) {
    Composition c(16, 16, testing::UniformImage(16, 16, 100, 100, 100, 0),
                  testing::UniformImage(16, 16, 200, 200, 200, 0));
    c.Render(k.frame, [&](const EffectFrame& f) { Fade(f, 10); });
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const bool one = (x < 8) == (y < 8);
        ASSERT_EQ(c.OutPixel(x, y)[1], one ? k.under_one : k.under_zero)
            << "frame " << k.frame << " at " << x << ", " << y;
      }
    }
  }
}

TEST(CellBands, PositionsMapOntoEightNearlyEqualCells) {
  struct Case {
    int size;
    std::vector<int> cells;
  } const cases[] = {
      {16, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7}},
      {8, {0, 1, 2, 3, 4, 5, 6, 7}},
      {9, {0, 1, 2, 3, 4, 5, 6, 7, 7}},
      {2, {0, 7}},
      {3, {0, 4, 7}},
  };
  for (const auto& c : cases) {
    std::vector<int> by_cell_of, by_runs(c.size, -1);
    for (int t = 0; t < c.size; ++t) by_cell_of.push_back(CellOf(t, c.size));
    CellBands(c.size).ForEachRun(c.size, [&](int cell, int begin, int end) {
      for (int t = begin; t < end; ++t) by_runs[t] = cell;
    });
    EXPECT_EQ(by_cell_of, c.cells) << "size " << c.size;
    EXPECT_EQ(by_runs, c.cells) << "size " << c.size;
  }
}

}  // namespace
}  // namespace orvane::compose
