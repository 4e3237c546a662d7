#include <climits>

#include "wipe.h"
#include "wipe_test_support.h"

namespace orvane::compose {
namespace {

using testing::ColumnOf;
using testing::Marks;
using testing::SourceMapping;
using Map = std::vector<std::string>;

bool DoorShowsLast(int type, double frame, int w, int h, int tx, int ty) {
  const int dx = static_cast<int>((w - 1) * frame * 0.01);
  const int dy = static_cast<int>((h - 1) * frame * 0.01);
  const int hx = static_cast<int>((w - 1) * frame * 0.005);
  const int hy = static_cast<int>((h - 1) * frame * 0.005);
  const int rx = static_cast<int>((100 - frame) * (w - 1) * 0.005);
  const int ry = static_cast<int>((100 - frame) * (h - 1) * 0.005);
  switch (type) {
    case 0:
      return ty <= hy || ty >= h - hy - 1;
    case 1:
      return ry <= ty && ty <= h - ry - 1;
    case 2:
      return tx <= hx || tx >= w - hx - 1;
    case 3:
      return rx <= tx && tx <= w - rx - 1;
    case 4:
      return (tx <= dx && ty <= dy) || (tx >= w - dx - 1 && ty >= h - dy - 1);
    case 5:
      return (tx <= dx && ty >= h - dy - 1) || (tx >= w - dx - 1 && ty <= dy);
    default:
      return false;
  }
}

Map DoorMap(int width, int height, int tiles_width, int tiles_height, double frame, int type) {
  return SourceMapping::Render(width, height, tiles_width, tiles_height, frame,
                               [&](const EffectFrame& f) { WipeDoor(f, type); });
}

TEST(WipeDoor, HalfWayOnOneHundredAndOnePixels) {
  // hy = trunc(100 x 50 x 0.005) = 25 and ry = 25: the closing door covers rows 0-25 and
  // 75-100, the opening door rows 25-75 (top row first below).
  const auto closing = Marks({{'L', 26}, {'F', 49}, {'L', 26}});
  const auto opening = Marks({{'F', 25}, {'L', 51}, {'F', 25}});
  EXPECT_EQ(ColumnOf(DoorMap(2, 101, 0, 0, 50.0, 0), 0), closing);  // DoorTypeVerticalIn
  EXPECT_EQ(ColumnOf(DoorMap(2, 101, 0, 0, 50.0, 1), 1), opening);  // DoorTypeVerticalOut
  EXPECT_EQ(DoorMap(101, 2, 0, 0, 50.0, 2)[0], closing);            // DoorTypeHorizontalIn
  EXPECT_EQ(DoorMap(101, 2, 0, 0, 50.0, 3)[1], opening);            // DoorTypeHorizontalOut
}

TEST(WipeDoor, DiagonalDoorsGrowFromOppositeCorners) {
  // 11 x 11 at 50: dx = dy = 5, so the two corner rectangles meet at the centre pixel.
  const struct {
    int type;
    Map map;
  } cases[] = {
      {4,  // DoorTypeDiagonal: bottom-left and top-right
       {"FFFFFLLLLLL", "FFFFFLLLLLL", "FFFFFLLLLLL", "FFFFFLLLLLL", "FFFFFLLLLLL", "LLLLLLLLLLL",
        "LLLLLLFFFFF", "LLLLLLFFFFF", "LLLLLLFFFFF", "LLLLLLFFFFF", "LLLLLLFFFFF"}},
      {5,  // DoorTypeDiagonalRotated: top-left and bottom-right
       {"LLLLLLFFFFF", "LLLLLLFFFFF", "LLLLLLFFFFF", "LLLLLLFFFFF", "LLLLLLFFFFF", "LLLLLLLLLLL",
        "FFFFFLLLLLL", "FFFFFLLLLLL", "FFFFFLLLLLL", "FFFFFLLLLLL", "FFFFFLLLLLL"}},
  };
  for (const auto& c : cases) EXPECT_EQ(DoorMap(11, 11, 0, 0, 50.0, c.type), c.map) << c.type;
}

TEST(WipeDoor, TypesOutsideTheEnumerationShowTheFirstImage) {
  for (int type : {6, -1, INT_MAX}) {
    EXPECT_EQ(DoorMap(5, 3, 0, 0, 50.0, type), Map(3, "FFFFF")) << type;
  }
}

TEST(WipeDoor, EveryTileOpensAndPartialTilesShowTheirLowerPart) {
  // Tiles of 4 on 10, the last tile partial. At 50 the closing door has hy = 0: rows 0 and 3
  // of each tile. At 10 the opening door has rx = trunc(90 x 3 x 0.005) = 1: columns 1 and 2.
  EXPECT_EQ(ColumnOf(DoorMap(3, 10, 0, 4, 50.0, 0), 0), "FLLFFLLFFL");
  EXPECT_EQ(DoorMap(10, 3, 4, 0, 10.0, 3)[0], "FLLFFLLFFL");
}

TEST(WipeDoor, MatchesThePerPixelDefinitionForEveryTypeGridAndFrame) {
  testing::ExpectMatchesReference(
      [](const EffectFrame& f, int type) { WipeDoor(f, type); }, DoorShowsLast,
      {-1, 0, 1, 2, 3, 4, 5, 6, INT_MIN},
      [](const testing::Grid& g) {
        auto frames = testing::OrdinaryFrames();
        for (int size : {g.TileWidth(), g.TileHeight()}) {
          const std::vector<double> amounts = {1, 2, (size - 1) / 4.0, size / 2 - 1.0};
          testing::AddFramesNear(frames, (size - 1) * 0.01, false, amounts);   // dx, dy
          testing::AddFramesNear(frames, (size - 1) * 0.005, false, amounts);  // hx, hy
          testing::AddFramesNear(frames, (size - 1) * 0.005, true, amounts);   // rx, ry
        }
        return frames;
      });
}

}  // namespace
}  // namespace orvane::compose
