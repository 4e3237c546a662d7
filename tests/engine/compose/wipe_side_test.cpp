#include <climits>

#include "wipe.h"
#include "wipe_test_support.h"

namespace orvane::compose {
namespace {

using testing::ColumnOf;
using testing::Marks;
using testing::SourceMapping;
using Map = std::vector<std::string>;

bool SideShowsLast(int type, double frame, int w, int h, int tx, int ty) {
  const int dx = static_cast<int>((w - 1) * frame * 0.01);
  const int dy = static_cast<int>((h - 1) * frame * 0.01);
  const bool left = tx <= dx, right = tx >= w - dx - 1;
  const bool bottom = ty <= dy, top = ty >= h - dy - 1;
  switch (type) {
    case 0:
      return left;
    case 1:
      return right;
    case 2:
      return top;
    case 3:
      return bottom;
    case 4:
      return left && top;
    case 5:
      return left && bottom;
    case 6:
      return right && bottom;
    case 7:
      return right && top;
    default:
      return false;
  }
}

Map SideMap(int width, int height, int tiles_width, int tiles_height, double frame, int type) {
  return SourceMapping::Render(width, height, tiles_width, tiles_height, frame,
                               [&](const EffectFrame& f) { WipeSide(f, type); });
}

TEST(WipeSide, HalfWayAcrossOddSidesTheMiddlePixelJoinsTheLastImage) {
  // 101 pixels at 50: dx = trunc(100 x 50 x 0.01) = 50, so 51 columns (rows) show the last image.
  for (const std::string& row : SideMap(101, 2, 0, 0, 50.0, 0)) {
    EXPECT_EQ(row, Marks({{'L', 51}, {'F', 50}}));
  }
  // Top to bottom: rows 50 to 100 (the top) show the last image.
  EXPECT_EQ(ColumnOf(SideMap(2, 101, 0, 0, 50.0, 2), 1), Marks({{'L', 51}, {'F', 50}}));
}

TEST(WipeSide, AtTheFirstFrameTheStartingEdgeOrCornerAlreadyShowsTheLastImage) {
  const struct {
    int type;
    Map map;
  } cases[] = {
      {0, {"LFFFF", "LFFFF", "LFFFF", "LFFFF"}},  // SideTypeLeftToRight
      {1, {"FFFFL", "FFFFL", "FFFFL", "FFFFL"}},  // SideTypeRightToLeft
      {2, {"LLLLL", "FFFFF", "FFFFF", "FFFFF"}},  // SideTypeTopToBottom
      {3, {"FFFFF", "FFFFF", "FFFFF", "LLLLL"}},  // SideTypeBottomToTop
      {4, {"LFFFF", "FFFFF", "FFFFF", "FFFFF"}},  // SideTypeLeftTopToRightBottom
      {5, {"FFFFF", "FFFFF", "FFFFF", "LFFFF"}},  // SideTypeLeftBottomToRightTop
      {6, {"FFFFF", "FFFFF", "FFFFF", "FFFFL"}},  // SideTypeRightBottomToLeftTop
      {7, {"FFFFL", "FFFFF", "FFFFF", "FFFFF"}},  // SideTypeRightTopToLeftBottom
      {8, {"FFFFF", "FFFFF", "FFFFF", "FFFFF"}},  // outside the enumeration
      {-1, {"FFFFF", "FFFFF", "FFFFF", "FFFFF"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SideMap(5, 4, 0, 0, 0.01, c.type), c.map) << c.type;
}

TEST(WipeSide, EveryTileSweepsAndPartialTilesShowTheirLowerPart) {
  // Tiles of 4 on 10: full tiles at 0-3 and 4-7, a partial tile at 8-9 (right) and rows 8-9
  // (top). At 50, dx = dy = trunc(3 x 0.5) = 1.
  EXPECT_EQ(SideMap(10, 3, 4, 0, 50.0, 0)[0], "LLFFLLFFLL");
  EXPECT_EQ(SideMap(10, 3, 4, 0, 50.0, 1)[0], "FFLLFFLLFF");
  EXPECT_EQ(ColumnOf(SideMap(3, 10, 0, 4, 50.0, 2), 0), "FFLLFFLLFF");
  EXPECT_EQ(ColumnOf(SideMap(3, 10, 0, 4, 50.0, 3), 0), "LLFFLLFFLL");
}

TEST(WipeSide, MatchesThePerPixelDefinitionForEveryTypeGridAndFrame) {
  testing::ExpectMatchesReference(
      [](const EffectFrame& f, int type) { WipeSide(f, type); }, SideShowsLast,
      {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, INT_MIN, INT_MAX},
      [](const testing::Grid& g) {
        auto frames = testing::OrdinaryFrames();
        for (int size : {g.TileWidth(), g.TileHeight()}) {
          const double rate = (size - 1) * 0.01;  // whole pixels of travel per frame
          testing::AddFramesNear(frames, rate, false, {1, 2, (size - 1) / 2.0, size - 2.0});
        }
        return frames;
      });
}

}  // namespace
}  // namespace orvane::compose
