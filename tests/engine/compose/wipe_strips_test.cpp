#include <climits>

#include "wipe.h"
#include "wipe_test_support.h"

namespace orvane::compose {
namespace {

using testing::SourceMapping;
using Map = std::vector<std::string>;

bool StripsShowsLast(int type, double frame, int w, int h, int tx, int ty) {
  const double sw = w * frame * 0.01, sh = h * frame * 0.01;
  const double cx = 0.5 * (w - 1), cy = 0.5 * (h - 1);
  switch (type) {
    case 0:
      return tx < cx ? ty < sh : ty > (h - 1) - sh;
    case 1:
      return ty < cy ? tx < sw : tx > (w - 1) - sw;
    default:
      return false;
  }
}

TEST(WipeStrips, StripsFillFromOppositeEnds) {
  const struct {
    const char* name;
    int width, height, tiles, type;
    double frame;
    Map map;
  } cases[] = {
      // cx = 4.5, sh = 5: the left strip covers rows 0-4, the right one rows 5-9 (ty > 9 - 5).
      {"vertical 10 x 10",
       10,
       10,
       0,
       0,
       50.0,
       {"FFFFFLLLLL", "FFFFFLLLLL", "FFFFFLLLLL", "FFFFFLLLLL", "FFFFFLLLLL", "LLLLLFFFFF",
        "LLLLLFFFFF", "LLLLLFFFFF", "LLLLLFFFFF", "LLLLLFFFFF"}},
      // sh = 1.8: rows 0-1 on the left, rows above 3.2 on the right.
      {"vertical 10 x 6",
       10,
       6,
       0,
       0,
       30.0,
       {"FFFFFLLLLL", "FFFFFLLLLL", "FFFFFFFFFF", "FFFFFFFFFF", "LLLLLFFFFF", "LLLLLFFFFF"}},
      // sw = 3: the bottom strip covers columns 0-2, the top one the columns above 6.
      {"horizontal 10 x 6",
       10,
       6,
       0,
       1,
       30.0,
       {"FFFFFFFLLL", "FFFFFFFLLL", "FFFFFFFLLL", "LLLFFFFFFF", "LLLFFFFFFF", "LLLFFFFFFF"}},
      // An odd width puts the middle column (tx = cx) in the right half.
      {"vertical 11 x 4",
       11,
       4,
       0,
       0,
       50.0,
       {"FFFFFLLLLLL", "FFFFFLLLLLL", "LLLLLFFFFFF", "LLLLLFFFFFF"}},
      // Tiles of 4 with partial tiles at the right and the top: cx = 1.5, sh = 2.
      {"vertical tiles of 4",
       10,
       10,
       4,
       0,
       50.0,
       {"LLFFLLFFLL", "LLFFLLFFLL", "FFLLFFLLFF", "FFLLFFLLFF", "LLFFLLFFLL", "LLFFLLFFLL",
        "FFLLFFLLFF", "FFLLFFLLFF", "LLFFLLFFLL", "LLFFLLFFLL"}},
      {"type 2", 4, 3, 0, 2, 50.0, {"FFFF", "FFFF", "FFFF"}},
      {"type -1", 4, 3, 0, -1, 50.0, {"FFFF", "FFFF", "FFFF"}},
  };
  for (const auto& c : cases) {
    const auto map = SourceMapping::Render(c.width, c.height, c.tiles, c.tiles, c.frame,
                                           [&](const EffectFrame& f) { WipeStrips(f, c.type); });
    EXPECT_EQ(map, c.map) << c.name;
  }
}

TEST(WipeStrips, MatchesThePerPixelDefinitionForEveryTypeGridAndFrame) {
  testing::ExpectMatchesReference([](const EffectFrame& f, int type) { WipeStrips(f, type); },
                                  StripsShowsLast, {-1, 0, 1, 2, INT_MAX},
                                  [](const testing::Grid& g) {
                                    auto frames = testing::OrdinaryFrames();
                                    for (int size : {g.TileWidth(), g.TileHeight()}) {
                                      // Where the strip length meets a whole row or column, from
                                      // either end.
                                      testing::AddFramesNear(
                                          frames, size * 0.01, false,
                                          {1, 2, size / 2.0, size / 2.0 + 0.5, size - 1.0});
                                    }
                                    return frames;
                                  });
}

}  // namespace
}  // namespace orvane::compose
