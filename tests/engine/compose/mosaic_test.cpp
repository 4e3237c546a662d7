#include "mosaic.h"

#include <climits>
#include <set>
#include <utility>

#include "wipe_test_support.h"

namespace orvane::compose {
namespace {

using testing::SourceMapping;
using Map = std::vector<std::string>;

// The order tables given in full, row 0 (the bottom) first.
const int kSpiralIn[8][8] = {{0, 1, 2, 3, 4, 5, 6, 7},         {27, 28, 29, 30, 31, 32, 33, 8},
                             {26, 47, 48, 49, 50, 51, 34, 9},  {25, 46, 59, 60, 61, 52, 35, 10},
                             {24, 45, 58, 63, 62, 53, 36, 11}, {23, 44, 57, 56, 55, 54, 37, 12},
                             {22, 43, 42, 41, 40, 39, 38, 13}, {21, 20, 19, 18, 17, 16, 15, 14}};
const int kSpiralOut[8][8] = {{42, 43, 44, 45, 46, 47, 48, 49}, {41, 20, 21, 22, 23, 24, 25, 50},
                              {40, 19, 6, 7, 8, 9, 26, 51},     {39, 18, 5, 0, 1, 10, 27, 52},
                              {38, 17, 4, 3, 2, 11, 28, 53},    {37, 16, 15, 14, 13, 12, 29, 54},
                              {36, 35, 34, 33, 32, 31, 30, 55}, {63, 62, 61, 60, 59, 58, 57, 56}};
const int kClockwise[8][8] = {{9, 6, 5, 3, 64, 63, 60, 58},     {10, 8, 4, 2, 62, 59, 57, 55},
                              {13, 12, 7, 1, 61, 56, 54, 53},   {15, 14, 11, 0, 48, 49, 50, 51},
                              {16, 17, 19, 26, 36, 45, 46, 47}, {18, 20, 22, 29, 34, 39, 42, 44},
                              {21, 23, 27, 30, 32, 37, 40, 43}, {24, 25, 28, 31, 33, 35, 38, 41}};
const int kCounterClockwise[8][8] = {
    {60, 61, 63, 3, 5, 6, 9, 12},     {57, 59, 62, 2, 4, 8, 11, 13},
    {55, 56, 58, 1, 7, 10, 15, 16},   {54, 53, 52, 0, 14, 17, 18, 19},
    {51, 50, 48, 34, 24, 22, 20, 21}, {49, 46, 43, 37, 31, 27, 25, 23},
    {47, 44, 41, 38, 35, 32, 28, 26}, {45, 42, 40, 39, 36, 33, 30, 29}};
const int kRandom[8][8] = {{0, 54, 48, 13, 61, 5, 51, 45},   {24, 29, 4, 33, 44, 25, 9, 20},
                           {43, 63, 37, 55, 17, 30, 40, 56}, {21, 14, 23, 10, 27, 12, 2, 32},
                           {38, 53, 34, 47, 1, 62, 46, 8},   {59, 7, 57, 22, 39, 18, 36, 41},
                           {15, 42, 16, 60, 11, 50, 31, 19}, {49, 28, 3, 35, 58, 26, 6, 52}};

const int kS1[15] = {0, 4, 9, 13, 17, 21, 27, 31, 35, 39, 44, 49, 53, 58, 63};
const int kS2[15] = {0, 4, 9, 13, 17, 21, 27, 31, 35, 39, 44, 49, 53, 59, 63};
const int kS3[15] = {0, 4, 8, 13, 17, 21, 26, 30, 34, 39, 43, 48, 52, 57, 63};
const int kDissolveBlock[4][4] = {
    {35, 55, 19, 59}, {47, 23, 63, 31}, {27, 51, 39, 11}, {43, 15, 7, 3}};

int WallLeftToRight(int px, int py) { return px % 2 == 0 ? 8 * px + py : 8 * px + 7 - py; }
int WallBottomToTop(int px, int py) { return py % 2 == 0 ? 8 * py + px : 8 * py + 7 - px; }
int ChessLeftToRight(int px, int py) {
  return (px + py) % 2 == 0 ? 4 * px + py / 2 : 32 + 4 * px + py / 2;
}
int ChessBottomToTop(int px, int py) {
  return (px + py) % 2 == 0 ? 4 * py + px / 2 : 32 + 4 * py + px / 2;
}

int Rank(int mosaic, int px, int py) {
  switch (mosaic) {
    case 1:
      return kSpiralIn[py][px];
    case 2:
      return kSpiralOut[py][px];
    case 3:
      return py % 2 == 0 ? 8 * px + 7 : 8 * (7 - px) + 7;
    case 4:
      return kDissolveBlock[py % 4][px % 4];
    case 5:
      return kClockwise[py][px];
    case 6:
      return kCounterClockwise[py][px];
    case 7:
      return kRandom[py][px];
    case 8:
      return kS1[px + (7 - py)];
    case 9:
      return kS2[(7 - px) + (7 - py)];
    case 10:
      return kS2[(7 - px) + py];
    case 11:
      return kS3[px + py];
    case 12:
      return WallLeftToRight(px, py);
    case 13:
      return WallLeftToRight(7 - px, py);
    case 14:
      return WallBottomToTop(px, 7 - py);
    case 15:
      return WallBottomToTop(px, py);
    case 16:
      return ChessLeftToRight(px, py);
    case 17:
      return ChessLeftToRight(7 - px, py);
    case 18:
      return ChessBottomToTop(px, 7 - py);
    case 19:
      return ChessBottomToTop(px, py);
    default:
      return 0;
  }
}

bool MosaicShowsLast(int mosaic, double frame, int w, int h, int tx, int ty) {
  const int k = static_cast<int>(frame * 0.63);
  int py = static_cast<int>(ty * 8.0 / (h - 1));
  if (py >= 7) py = 7;
  int px = static_cast<int>(tx * 8.0 / (w - 1));
  if (px >= 7) px = 7;
  return Rank(mosaic, px, py) < k;
}

Map MosaicMap(int width, int height, int tiles, double frame, int mosaic) {
  return SourceMapping::Render(width, height, tiles, tiles, frame,
                               [&](const EffectFrame& f) { Mosaic(f, mosaic); });
}

// An 8 x 8 map (top row first) with the listed cells (px, py) showing the last image.
Map CellsShowingLast(const std::set<std::pair<int, int>>& cells) {
  Map map(8, "FFFFFFFF");
  for (auto [px, py] : cells) map[7 - py][px] = 'L';
  return map;
}

const Map kAllLast(8, "LLLLLLLL");
const Map kAllFirst(8, "FFFFFFFF");

TEST(Mosaic, TheThresholdDecidesWhichRanksHaveSwitched) {
  // On 8 x 8 each pixel is one cell. k = trunc(F x 0.63): 0 at 1.5, 1 at 1.6, 62 at 99.99.
  const struct {
    const char* name;
    int mosaic;
    double frame;
    Map map;
  } cases[] = {
      {"spiral in, k = 0", 1, 1.5, kAllFirst},
      {"random, k = 0", 7, 1.5, kAllFirst},
      {"outside the enumeration (0), k = 0", 0, 1.5, kAllFirst},
      {"spiral in, k = 1", 1, 1.6, CellsShowingLast({{0, 0}})},
      {"spiral out, k = 1", 2, 1.6, CellsShowingLast({{3, 3}})},
      {"counter-clockwise, k = 1", 6, 1.6, CellsShowingLast({{3, 3}})},
      {"left top to right bottom, k = 1", 8, 1.6, CellsShowingLast({{0, 7}})},
      {"right bottom to left top, k = 1", 10, 1.6, CellsShowingLast({{7, 0}})},
      {"dissolve has no rank 0", 4, 1.6, kAllFirst},
      {"outside the enumeration (0), k = 1", 0, 1.6, kAllLast},
      {"outside the enumeration (20), k = 1", 20, 1.6, kAllLast},
      {"outside the enumeration (-1), k = 62", -1, 99.99, kAllLast},
      // Ranks 62 and up never switch before the last image's early copy.
      {"spiral in, k = 62",
       1,
       99.99,
       {"LLLLLLLL", "LLLLLLLL", "LLLLLLLL", "LLLFFLLL", "LLLLLLLL", "LLLLLLLL", "LLLLLLLL",
        "LLLLLLLL"}},
      {"clockwise, k = 62 (ranks 62, 63, 64)",
       5,
       99.99,
       {"LLLLLLLL", "LLLLLLLL", "LLLLLLLL", "LLLLLLLL", "LLLLLLLL", "LLLLLLLL", "LLLLFLLL",
        "LLLLFFLL"}},
      // k = 12: only rank 7 is below it, px = 0 in the even rows and px = 7 in the odd rows.
      {"strips, k = 12",
       3,
       20.0,
       {"FFFFFFFL", "LFFFFFFF", "FFFFFFFL", "LFFFFFFF", "FFFFFFFL", "LFFFFFFF", "FFFFFFFL",
        "LFFFFFFF"}},
      // k = 6: only rank 3, at py mod 4 = 3 and px mod 4 = 3.
      {"dissolve, k = 6", 4, 10.0, CellsShowingLast({{3, 3}, {7, 3}, {3, 7}, {7, 7}})},
  };
  for (const auto& c : cases) EXPECT_EQ(MosaicMap(8, 8, 0, c.frame, c.mosaic), c.map) << c.name;
}

TEST(Mosaic, CellsStretchOverTheTileAndEveryTileSwitchesAlike) {
  // 16 positions make two per cell (15 x 8 / 15 = 8 joins cell 7). Tiles of 16 on 64 x 32 repeat
  // the 16 x 16 picture eight times; on 70 x 40 the partial tiles at the right and the top show
  // its left and bottom part.
  const Map single = MosaicMap(16, 16, 0, 40.0, 7);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(single[15 - y][x], MosaicMap(8, 8, 0, 40.0, 7)[7 - y / 2][x / 2]) << x << ", " << y;
    }
  }
  for (auto [width, height] : {std::pair{64, 32}, std::pair{70, 40}}) {
    const Map tiled = MosaicMap(width, height, 16, 40.0, 7);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(tiled[height - 1 - y][x], single[15 - y % 16][x % 16])
            << width << "x" << height << " at " << x << ", " << y;
      }
    }
  }
}

TEST(Mosaic, MatchesThePerPixelDefinitionForEveryTypeGridAndFrame) {
  std::vector<int> types = {INT_MIN, -1, 20, INT_MAX};
  for (int mosaic = 0; mosaic <= 19; ++mosaic) types.push_back(mosaic);
  testing::ExpectMatchesReference(
      [](const EffectFrame& f, int mosaic) { Mosaic(f, mosaic); }, MosaicShowsLast, types,
      [](const testing::Grid&) {
        auto frames = testing::OrdinaryFrames();
        // Every k from 1 to 62 once, so that every rank is seen switching, and the frames just
        // around a few of the steps.
        for (int k = 1; k <= 62; ++k) frames.push_back((k + 0.5) / 0.63);
        testing::AddFramesNear(frames, 0.63, false, {1, 2, 7, 8, 12, 31, 32, 61, 62});
        return frames;
      });
}

}  // namespace
}  // namespace orvane::compose
