#include <climits>
#include <cmath>
#include <cstdint>

#include "wipe.h"
#include "wipe_test_support.h"

namespace orvane::compose {
namespace {

using testing::SourceMapping;
using Map = std::vector<std::string>;

bool CenterShowsLast(int type, double frame, int w, int h, int tx, int ty) {
  const double hw = w * frame * 0.005, hh = h * frame * 0.005;
  const double cx = 0.5 * (w - 1), cy = (h - 1) * 0.5;
  const double qx = (w - 1) * frame * 0.005, qy = (h - 1) * frame * 0.005;
  const double px = (100 - frame) * (w - 1) * 0.005, py = (100 - frame) * (h - 1) * 0.005;
  // Tile sides are any int; their squares and sums are formed in 64 bits.
  const double squares = static_cast<double>(std::int64_t{w} * w + std::int64_t{h} * h);
  const double sides = static_cast<double>(std::int64_t{w} + h);
  const double rin = squares * (100 - frame) * 0.0025, rout = squares * frame * 0.0025;
  const double din = sides * (100 - frame) * 0.005, dout = frame * sides * 0.005;
  const double ex = tx - cx, ey = ty - cy;
  const double d2 = ey * ey + ex * ex, m = std::fabs(ex) + std::fabs(ey);
  switch (type) {
    case 0:
      return tx < hw || tx > (w - 1) - hw || ty < hh || ty > (h - 1) - hh;
    case 1:
      return cx - hw < tx && tx < cx + hw && cy - hh < ty && ty < cy + hh;
    case 2:
      return m > din;
    case 3:
      return m < dout;
    case 4:
      return d2 > rin;
    case 5:
      return d2 < rout;
    case 6:
      return (ty <= qy || ty >= (h - 1) - qy) && (tx <= qx || tx >= (w - 1) - qx);
    case 7:
      return (py <= ty && ty <= (h - 1) - py) || (px <= tx && tx <= (w - 1) - px);
    default:
      return false;
  }
}

Map CenterMap(int width, int height, int tiles, double frame, int type) {
  return SourceMapping::Render(width, height, tiles, tiles, frame,
                               [&](const EffectFrame& f) { WipeCenter(f, type); });
}

// CenterTypeCircleOut on 10 x 10 at 50: rout = 200 x 50 x 0.0025 = 25 about (4.5, 4.5).
const Map kCircleOut10 = {"FFFLLLLFFF", "FLLLLLLLLF", "FLLLLLLLLF", "LLLLLLLLLL", "LLLLLLLLLL",
                          "LLLLLLLLLL", "LLLLLLLLLL", "FLLLLLLLLF", "FLLLLLLLLF", "FFFLLLLFFF"};

TEST(WipeCenter, ShapesKeepTheirStrictAndInclusiveEdges) {
  const struct {
    const char* name;
    int type, width, height;
    double frame;
    Map map;
  } cases[] = {
      // hw = 2 exactly: columns 0-1 and 8-9 (strict), the same for rows.
      {"box in, hw = 2",
       0,
       10,
       10,
       40.0,
       {"LLLLLLLLLL", "LLLLLLLLLL", "LLFFFFFFLL", "LLFFFFFFLL", "LLFFFFFFLL", "LLFFFFFFLL",
        "LLFFFFFFLL", "LLFFFFFFLL", "LLLLLLLLLL", "LLLLLLLLLL"}},
      // hw = 0.00055: only tx = 5 lies in 4.99945 < tx < 5.00055.
      {"box out at the first frame",
       1,
       11,
       11,
       0.01,
       {"FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFLFFFFF",
        "FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFFFFFFF"}},
      // din = dout = 5 exactly: pixels at diamond distance 5 show the first image either way.
      {"diamond in, din = 5",
       2,
       13,
       7,
       50.0,
       {"LLLLFFFFFLLLL", "LLLFFFFFFFLLL", "LLFFFFFFFFFLL", "LFFFFFFFFFFFL", "LLFFFFFFFFFLL",
        "LLLFFFFFFFLLL", "LLLLFFFFFLLLL"}},
      {"diamond out, dout = 5",
       3,
       13,
       7,
       50.0,
       {"FFFFFLLLFFFFF", "FFFFLLLLLFFFF", "FFFLLLLLLLFFF", "FFLLLLLLLLLFF", "FFFLLLLLLLFFF",
        "FFFFLLLLLFFFF", "FFFFFLLLFFFFF"}},
      // 13 x 9 has a squared diagonal of 250: rin = rout = 25 exactly, and (5, 0), (3, 4),
      // (4, 3) lie on it, showing the first image either way.
      {"circle in, rin = 25",
       4,
       13,
       9,
       60.0,
       {"LLLFFFFFFFLLL", "LLFFFFFFFFFLL", "LLFFFFFFFFFLL", "LLFFFFFFFFFLL", "LFFFFFFFFFFFL",
        "LLFFFFFFFFFLL", "LLFFFFFFFFFLL", "LLFFFFFFFFFLL", "LLLFFFFFFFLLL"}},
      {"circle out, rout = 25",
       5,
       13,
       9,
       40.0,
       {"FFFFLLLLLFFFF", "FFFLLLLLLLFFF", "FFLLLLLLLLLFF", "FFLLLLLLLLLFF", "FFLLLLLLLLLFF",
        "FFLLLLLLLLLFF", "FFLLLLLLLLLFF", "FFFLLLLLLLFFF", "FFFFLLLLLFFFF"}},
      {"circle out 10 x 10", 5, 10, 10, 50.0, kCircleOut10},
      // qx = 2 exactly: corners reach column 2 and start at column 8 (inclusive).
      {"cross in, qx = 2",
       6,
       11,
       11,
       40.0,
       {"LLLFFFFFLLL", "LLLFFFFFLLL", "LLLFFFFFLLL", "FFFFFFFFFFF", "FFFFFFFFFFF", "FFFFFFFFFFF",
        "FFFFFFFFFFF", "FFFFFFFFFFF", "LLLFFFFFLLL", "LLLFFFFFLLL", "LLLFFFFFLLL"}},
      // px = 2 exactly: the arms cover 2 to 8 (inclusive).
      {"cross out, px = 2",
       7,
       11,
       11,
       60.0,
       {"FFLLLLLLLFF", "FFLLLLLLLFF", "LLLLLLLLLLL", "LLLLLLLLLLL", "LLLLLLLLLLL", "LLLLLLLLLLL",
        "LLLLLLLLLLL", "LLLLLLLLLLL", "LLLLLLLLLLL", "FFLLLLLLLFF", "FFLLLLLLLFF"}},
      {"type 8", 8, 4, 3, 50.0, {"FFFF", "FFFF", "FFFF"}},
      {"type -1", -1, 4, 3, 50.0, {"FFFF", "FFFF", "FFFF"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CenterMap(c.width, c.height, 0, c.frame, c.type), c.map) << c.name;
  }
}

TEST(WipeCenter, TilesOfTenDrawOneCirclePerTileAndClipTheEdgeTiles) {
  // 40 x 30: twelve whole circles. 45 x 35: partial tiles at the right and the top show the
  // left and the bottom part of the same circle.
  for (auto [width, height] : {std::pair{40, 30}, std::pair{45, 35}}) {
    const Map map = CenterMap(width, height, 10, 50.0, 5);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const char expected = kCircleOut10[9 - y % 10][x % 10];
        ASSERT_EQ(map[height - 1 - y][x], expected)
            << width << "x" << height << " at " << x << ", " << y;
      }
    }
  }
}

TEST(WipeCenter, MatchesThePerPixelDefinitionForEveryTypeGridAndFrame) {
  testing::ExpectMatchesReference(
      [](const EffectFrame& f, int type) { WipeCenter(f, type); }, CenterShowsLast,
      {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, INT_MIN},
      [](const testing::Grid& g) {
        auto frames = testing::OrdinaryFrames();
        const int w = g.TileWidth(), h = g.TileHeight();
        for (bool from_end : {false, true}) {
          for (int size : {w, h}) {
            // Box and cross edges meeting whole and half positions.
            testing::AddFramesNear(frames, size * 0.005, from_end, {1, 1.5, 2, size / 4.0});
            testing::AddFramesNear(frames, (size - 1) * 0.005, from_end, {1, 1.5, size / 4.0});
          }
          // Circle and diamond limits meeting pixel distances.
          testing::AddFramesNear(frames, (1.0 * w * w + 1.0 * h * h) * 0.0025, from_end,
                                 {0.25, 1, 2.5, 5, 12.5, 25});
          testing::AddFramesNear(frames, (1.0 * w + h) * 0.005, from_end, {0.5, 1, 2, 3.5, 5});
        }
        return frames;
      });
}

}  // namespace
}  // namespace orvane::compose
