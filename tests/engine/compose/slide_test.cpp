#include "slide.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "travel.h"
#include "travel_test_support.h"

namespace orvane::compose {
namespace {

using testing::Bytes;
using testing::Composition;
using testing::First;
using testing::Last;
using testing::Shown;
using testing::Source;

// The travel amounts and the slide tables written out pixel by pixel, as defined.
struct Reference {
  int W, H, dx, dy, ex, ey, hx, hy, rx, ry, cx, cy;

  Reference(const Composition& c, double F) {
    const TileGrid g = TileGrid::For(c.state);
    W = g.tile_width;
    H = g.tile_height;
    dx = static_cast<int>(((W - 1) * F) * 0.01);
    dy = static_cast<int>(((H - 1) * F) * 0.01);
    ex = W - 1 - dx;
    ey = H - 1 - dy;
    hx = static_cast<int>(((W - 1) * F) * 0.005);
    hy = static_cast<int>(((H - 1) * F) * 0.005);
    rx = static_cast<int>(((100 - F) * (W - 1)) * 0.005);
    ry = static_cast<int>(((100 - F) * (H - 1)) * 0.005);
    cx = (W - 1) / 2;
    cy = (H - 1) / 2;
  }

  static Source Last(long long sx, long long sy) { return {Source::kLast, sx, sy}; }
  static Source First(long long sx, long long sy) { return {Source::kFirst, sx, sy}; }

  Source Side(int type, long long x, long long y, int tx, int ty) const {
    switch (type) {
      case 0:
        if (tx <= dx) return Last(x + ex, y);
        break;
      case 1:
        if (tx >= ex) return Last(x - ex, y);
        break;
      case 2:
        if (ty >= ey) return Last(x, y - ey);
        break;
      case 3:
        if (ty <= dy) return Last(x, y + ey);
        break;
      case 4:
        if (tx <= dx && ty >= ey) return Last(x + ex, y - ey);
        break;
      case 5:
        if (tx <= dx && ty <= dy) return Last(x + ex, y + ey);
        break;
      case 6:
        if (tx >= ex && ty <= dy) return Last(x - ex, y + ey);
        break;
      case 7:
        if (tx >= ex && ty >= ey) return Last(x - ex, y - ey);
        break;
    }
    return First(x, y);
  }

  Source Strips(int type, long long x, long long y, int tx, int ty) const {
    if (type == 0) {
      if (tx <= cx) return ty <= dy ? Last(x, y + ey) : First(x, y);
      return ty >= ey ? Last(x, y - ey) : First(x, y);
    }
    if (type == 1) {
      if (ty <= cy) return tx <= dx ? Last(x + ex, y) : First(x, y);
      return tx >= ex ? Last(x - ex, y) : First(x, y);
    }
    return First(x, y);
  }

  Source Door(int type, long long x, long long y, int tx, int ty) const {
    switch (type) {
      case 0:
        if (ty <= hy) return Last(x, y + cy - hy);
        if (ty >= H - 1 - hy) return Last(x, y - cy + hy);
        break;
      case 1:
        if (ry <= ty && ty <= cy) return Last(x, y - ry);
        if (cy < ty && ty <= H - 1 - ry) return Last(x, y + ry);
        break;
      case 2:
        if (tx <= hx) return Last(x + cx - hx, y);
        if (tx >= W - 1 - hx) return Last(x - cx + hx, y);
        break;
      case 3:
        if (rx <= tx && tx <= cx) return Last(x - rx, y);
        if (cx < tx && tx <= W - 1 - rx) return Last(x + rx, y);
        break;
      case 4:
      case 5: {
        const bool diagonal = type == 4;
        const bool in_one = diagonal ? tx <= dx && ty <= dy : tx <= dx && ty >= ey;
        const bool in_two = diagonal ? tx >= ex && ty >= ey : tx >= ex && ty <= dy;
        const Source one = diagonal ? Last(x + ex, y + ey) : Last(x + ex, y - ey);
        const Source two = diagonal ? Last(x - ex, y - ey) : Last(x - ex, y + ey);
        if (in_one && in_two) return (x / 8 + y / 8) % 2 == 1 ? one : two;
        if (in_one) return one;
        if (in_two) return two;
        break;
      }
    }
    return First(x, y);
  }

  Source Center(int type, long long x, long long y, int tx, int ty) const {
    if (type != 6 && type != 7) return {Source::kUntouched, 0, 0};
    const int qx = type == 6 ? hx : rx, qy = type == 6 ? hy : ry;
    const auto moved = [&](long long sx, long long sy) {
      return type == 6 ? Last(sx, sy) : First(sx, sy);
    };
    if (tx <= qx && ty <= qy) return moved(x + cx - qx, y + cy - qy);
    if (tx <= qx && ty >= H - 1 - qy) return moved(x + cx - qx, y - cy + qy);
    if (tx >= W - 1 - qx && ty >= H - 1 - qy) return moved(x - cx + qx, y - cy + qy);
    if (tx >= W - 1 - qx && ty <= qy) return moved(x - cx + qx, y + cy - qy);
    return type == 6 ? First(x, y) : Last(x, y);
  }
};

using Decide = Source (Reference::*)(int, long long, long long, int, int) const;
using Effect = void (*)(const EffectFrame&, int);

void RenderReference(Composition& c, double frame, Decide decide, int type) {
  c.Render(frame, [&](const EffectFrame& f) {
    const Reference r(c, frame);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        AssignReference(c, x, y,
                        (r.*decide)(type, x, y, x % f.grid.tile_width, y % f.grid.tile_height));
      }
    }
  });
}

struct Family {
  const char* name;
  Effect effect;
  Decide decide;
};

const Family kFamilies[] = {
    {"SlideSide", SlideSide, &Reference::Side},
    {"SlideStrips", SlideStrips, &Reference::Strips},
    {"SlideDoor", SlideDoor, &Reference::Door},
    {"SlideCenter", SlideCenter, &Reference::Center},
};

TEST(Slide, EveryTypeMatchesThePerPixelTablesOverGridsAndFrames) {
  std::uint32_t seed = 1;
  for (const auto& family : kFamilies) {
    for (const auto& g : testing::SweepGrids()) {
      for (double frame : testing::SweepFrames(g)) {
        for (int type : testing::SweepTypes()) {
          auto fast = Composition::Random(g.width, g.height, g.tiles_width, g.tiles_height, ++seed);
          auto reference = fast;
          fast.Render(frame, [&](const EffectFrame& f) { family.effect(f, type); });
          RenderReference(reference, frame, family.decide, type);
          ASSERT_EQ(fast.out, reference.out)
              << family.name << " " << g << " frame " << frame << " type " << type;
        }
      }
    }
  }
}

TEST(Slide, TravelAmountsAreTruncatedLeftToRightProducts) {
  struct Case {
    int tile_width;
    double frame;
    int dx, ex, hx, rx, cx;
  } const cases[] = {
      {4, 50.0, 1, 2, 0, 0, 1},         // the 10 x 4 example: dx 1, ex 2
      {101, 50.0, 50, 50, 25, 25, 50},  // half way on 101 columns
      {64, 75.0, 47, 16, 23, 7, 31},    // the diagonal door example
      {2, 99.99, 0, 1, 0, 0, 0},        // a tile of 2: no travel before the last copy
      {10001, 0.01, 1, 9999, 0, 4999, 5000},
      // 100 x 29 x 0.01 is 29.000000000000004, while 100 x (29 x 0.01) would be
      // 28.999999999999996: only the left-to-right product gives 29.
      {101, 29.0, 29, 71, 14, 35, 50},
  };
  for (const auto& c : cases) {
    const Travel t = Travel::For(TileGrid{c.tile_width, c.tile_width}, c.frame);
    EXPECT_EQ(t.dx, c.dx) << c.tile_width << " at " << c.frame;
    EXPECT_EQ(t.ex, c.ex) << c.tile_width << " at " << c.frame;
    EXPECT_EQ(t.hx, c.hx) << c.tile_width << " at " << c.frame;
    EXPECT_EQ(t.rx, c.rx) << c.tile_width << " at " << c.frame;
    EXPECT_EQ(t.cx, c.cx) << c.tile_width << " at " << c.frame;
    EXPECT_EQ(t.dy, t.dx);
    EXPECT_EQ(t.ry, t.rx);
  }
}

struct Example {
  std::string name;
  int width, height, tiles_width, tiles_height;
  Effect effect;
  int type;
  double frame;
  std::function<Shown(int x, int y)> expected;
};

TEST(Slide, DesignExamplesShowTheStatedPixels) {
  const Example examples[] = {
      {"cut-off tile keeps the first image where the source lies past the edge", 10, 4, 4, 0,
       SlideSide, 0, 50.0,
       [](int x, int y) { return x < 8 && x % 4 <= 1 ? Last(x + 2, y) : First(x, y); }},
      {"at 0.01 only column 0 of each tile shows the tile's last column", 10, 3, 5, 0, SlideSide, 0,
       0.01, [](int x, int y) { return x % 5 == 0 ? Last(x + 4, y) : First(x, y); }},
      {"tile wider than the image: sources past the right edge show the first image", 10, 3, 16, 0,
       SlideSide, 0, 50.0, [](int x, int y) { return x <= 1 ? Last(x + 8, y) : First(x, y); }},
      {"tile wider than the image, entering from the right", 10, 3, 16, 0, SlideSide, 1, 50.0,
       [](int x, int y) { return x >= 8 ? Last(x - 8, y) : First(x, y); }},
      {"corner entrance from the left top", 9, 9, 0, 0, SlideSide, 4, 50.0,
       [](int x, int y) { return x <= 4 && y >= 4 ? Last(x + 4, y - 4) : First(x, y); }},
      {"unknown side type 8 shows the first image", 7, 5, 0, 0, SlideSide, 8, 50.0,
       [](int x, int y) { return First(x, y); }},
      {"unknown side type -1 shows the first image", 7, 5, 0, 0, SlideSide, -1, 50.0,
       [](int x, int y) { return First(x, y); }},
      {"vertical strips: left strip up from the bottom, right strip down", 6, 11, 0, 0, SlideStrips,
       0, 50.0,
       [](int x, int y) {
         if (x <= 2) return y <= 5 ? Last(x, y + 5) : First(x, y);
         return y >= 5 ? Last(x, y - 5) : First(x, y);
       }},
      {"vertical door out with H = 11 at 50", 3, 11, 0, 0, SlideDoor, 1, 50.0,
       [](int x, int y) {
         if (y >= 2 && y <= 5) return Last(x, y - 2);
         if (y >= 6 && y <= 8) return Last(x, y + 2);
         return First(x, y);
       }},
      {"vertical door in with H = 11 at 50", 3, 11, 0, 0, SlideDoor, 0, 50.0,
       [](int x, int y) {
         if (y <= 2) return Last(x, y + 3);
         if (y >= 8) return Last(x, y - 3);
         return First(x, y);
       }},
      {"horizontal door out with W = 11 at 50", 11, 2, 0, 0, SlideDoor, 3, 50.0,
       [](int x, int y) {
         if (x >= 2 && x <= 5) return Last(x - 2, y);
         if (x >= 6 && x <= 8) return Last(x + 2, y);
         return First(x, y);
       }},
      {"a tile height of 2 closes a vertical door at once", 6, 6, 0, 2, SlideDoor, 0, 0.01,
       [](int x, int y) { return Last(x, y); }},
      {"cross in: four quarters in the corners", 11, 11, 0, 0, SlideCenter, 6, 50.0,
       [](int x, int y) {
         const bool left = x <= 2, right = x >= 8, bottom = y <= 2, top = y >= 8;
         if (!(left || right) || !(bottom || top)) return First(x, y);
         return Last(left ? x + 3 : x - 3, bottom ? y + 3 : y - 3);
       }},
      {"cross out: the first image's quarters move away over the last image", 11, 11, 0, 0,
       SlideCenter, 7, 50.0,
       [](int x, int y) {
         const bool left = x <= 2, right = x >= 8, bottom = y <= 2, top = y >= 8;
         if (!(left || right) || !(bottom || top)) return Last(x, y);
         return First(left ? x + 3 : x - 3, bottom ? y + 3 : y - 3);
       }},
      {"unknown door type shows the first image", 5, 5, 0, 0, SlideDoor, 6, 50.0,
       [](int x, int y) { return First(x, y); }},
  };
  for (const auto& e : examples) {
    SCOPED_TRACE(e.name);
    auto c = testing::NamedComposition(e.width, e.height, e.tiles_width, e.tiles_height);
    const Bytes before = c.out;
    c.Render(e.frame, [&](const EffectFrame& f) { e.effect(f, e.type); });
    testing::ExpectShown(c, before, e.expected);
  }
}

TEST(Slide, DiagonalDoorSharesTheOverlapOnTheImagesChessboard) {
  // 64 x 64 at 75: dx = dy = 47, ex = ey = 16. Piece A (bottom-left) shows last (x + 16,
  // y + 16), piece B (top-right) last (x - 16, y - 16); in the overlap 16 ... 47 A takes the
  // squares where x div 8 + y div 8 is odd.
  auto c = testing::NamedComposition(64, 64);
  const Bytes before = c.out;
  c.Render(75.0, [](const EffectFrame& f) { SlideDoor(f, 4); });
  EXPECT_EQ(testing::ShownAt(c, 16, 16), Last(0, 0));    // k = 4: piece B
  EXPECT_EQ(testing::ShownAt(c, 24, 16), Last(40, 32));  // k = 5: piece A
  testing::ExpectShown(c, before, [](int x, int y) {
    const bool a = x <= 47 && y <= 47, b = x >= 16 && y >= 16;
    if (a && b) return (x / 8 + y / 8) % 2 == 1 ? Last(x + 16, y + 16) : Last(x - 16, y - 16);
    if (a) return Last(x + 16, y + 16);
    if (b) return Last(x - 16, y - 16);
    return First(x, y);
  });
}

TEST(Slide, ChessboardIsAlignedToTheImageNotToTheTile) {
  // Tiles of 12 x 12 at 75: dx = 8, ex = 3, so each tile's overlap spans tile positions
  // 3 ... 8, which the image's 8-pixel squares cut at different places in different tiles.
  auto c = testing::NamedComposition(36, 24, 12, 12);
  const Bytes before = c.out;
  c.Render(75.0, [](const EffectFrame& f) { SlideDoor(f, 5); });
  testing::ExpectShown(c, before, [](int x, int y) {
    const int tx = x % 12, ty = y % 12;
    const bool piece_c = tx <= 8 && ty >= 3, piece_d = tx >= 3 && ty <= 8;
    const Shown from_c = Last(x + 3, y - 3), from_d = Last(x - 3, y + 3);
    if (piece_c && piece_d) return (x / 8 + y / 8) % 2 == 1 ? from_c : from_d;
    if (piece_c) return from_c;
    if (piece_d) return from_d;
    return First(x, y);
  });
}

TEST(Slide, CenterTypesWithoutMovementLeaveTheCallersImage) {
  for (int type : {0, 1, 2, 3, 4, 5, 8, -1}) {
    auto c = Composition::Random(9, 7);
    const Bytes before = c.out;
    c.Render(50.0, [&](const EffectFrame& f) { SlideCenter(f, type); });
    EXPECT_EQ(c.out, before) << "type " << type;
    c.Render(0.0, [&](const EffectFrame& f) { SlideCenter(f, type); });
    EXPECT_EQ(c.out, c.first) << "type " << type << " at 0";
  }
}

}  // namespace
}  // namespace orvane::compose
