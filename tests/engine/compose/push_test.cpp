#include "push.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "travel_test_support.h"

namespace orvane::compose {
namespace {

using testing::Bytes;
using testing::Composition;
using testing::First;
using testing::Last;
using testing::Shown;
using testing::Source;

// The push tables written out pixel by pixel, as defined.
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
        return tx <= dx ? Last(x + ex, y) : First(x - dx, y);
      case 1:
        return tx >= ex ? Last(x - ex, y) : First(x + dx, y);
      case 2:
        return ty >= ey ? Last(x, y - ey) : First(x, y + dy);
      case 3:
        return ty <= dy ? Last(x, y + ey) : First(x, y - dy);
    }
    return First(x, y);
  }

  Source Strips(int type, long long x, long long y, int tx, int ty) const {
    if (type == 0) return Side(tx <= cx ? 3 : 2, x, y, tx, ty);
    if (type == 1) return Side(ty <= cy ? 0 : 1, x, y, tx, ty);
    return First(x, y);
  }

  Source Door(int type, long long x, long long y, int tx, int ty) const {
    switch (type) {
      case 0:
        if (ty <= hy) return Last(x, y + cy - hy);
        if (ty <= cy) return First(x, y - hy);
        if (ty >= H - 1 - hy) return Last(x, y - cy + hy);
        return First(x, y + hy);
      case 1:
        if (ty <= ry) return First(x, y + cy - ry);
        if (ty >= H - 1 - ry) return First(x, y - cy + ry);
        if (ty <= cy) return Last(x, y - ry);
        return Last(x, y + ry);
      case 2:
        if (tx <= hx) return Last(x + cx - hx, y);
        if (tx <= cx) return First(x - hx, y);
        if (tx >= W - 1 - hx) return Last(x - cx + hx, y);
        return First(x + hx, y);
      case 3:
        if (tx <= rx) return First(x + cx - rx, y);
        if (tx >= W - 1 - rx) return First(x - cx + rx, y);
        if (tx <= cx) return Last(x - rx, y);
        return Last(x + rx, y);
    }
    return First(x, y);
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
    {"PushSide", PushSide, &Reference::Side},
    {"PushStrips", PushStrips, &Reference::Strips},
    {"PushDoor", PushDoor, &Reference::Door},
};

TEST(Push, EveryTypeMatchesThePerPixelTablesOverGridsAndFrames) {
  std::uint32_t seed = 500;
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

struct Example {
  std::string name;
  int width, height, tiles_width, tiles_height;
  Effect effect;
  int type;
  double frame;
  std::function<Shown(int x, int y)> expected;
};

TEST(Push, DesignExamplesShowTheStatedPixels) {
  const Example examples[] = {
      {"100 x 10 left to right at 50: the first image's column 0 hides under the last's 99", 100,
       10, 0, 0, PushSide, 0, 50.0,
       [](int x, int y) { return x <= 49 ? Last(x + 50, y) : First(x - 49, y); }},
      {"right to left, cut-off tile: column 9 would take column 10 and keeps its own", 10, 3, 4, 0,
       PushSide, 1, 50.0,
       [](int x, int y) {
         if (x % 4 >= 2) return Last(x - 2, y);
         return First(x == 9 ? 9 : x + 1, y);
       }},
      {"top to bottom", 4, 11, 0, 0, PushSide, 2, 50.0,
       [](int x, int y) { return y >= 5 ? Last(x, y - 5) : First(x, y + 5); }},
      {"diagonal side types leave the first image", 6, 6, 0, 0, PushSide, 4, 50.0,
       [](int x, int y) { return First(x, y); }},
      {"side type 7", 6, 6, 0, 0, PushSide, 7, 50.0, [](int x, int y) { return First(x, y); }},
      {"side type out of range", 6, 6, 0, 0, PushSide, 8, 50.0,
       [](int x, int y) { return First(x, y); }},
      {"diagonal door is the same as an unsupported value", 6, 6, 0, 0, PushDoor, 4, 50.0,
       [](int x, int y) { return First(x, y); }},
      {"vertical door out with H = 11 at 50", 3, 11, 0, 0, PushDoor, 1, 50.0,
       [](int x, int y) {
         if (y <= 2) return First(x, y + 3);
         if (y >= 8) return First(x, y - 3);
         return y <= 5 ? Last(x, y - 2) : Last(x, y + 2);
       }},
      {"vertical door in with H = 11 at 50", 3, 11, 0, 0, PushDoor, 0, 50.0,
       [](int x, int y) {
         if (y <= 2) return Last(x, y + 3);
         if (y <= 5) return First(x, y - 2);
         if (y >= 8) return Last(x, y - 3);
         return First(x, y + 2);
       }},
      {"horizontal door in with W = 11 at 50", 11, 2, 0, 0, PushDoor, 2, 50.0,
       [](int x, int y) {
         if (x <= 2) return Last(x + 3, y);
         if (x <= 5) return First(x - 2, y);
         if (x >= 8) return Last(x - 3, y);
         return First(x + 2, y);
       }},
      {"vertical strips on 6 x 11 at 50", 6, 11, 0, 0, PushStrips, 0, 50.0,
       [](int x, int y) {
         if (x <= 2) return y <= 5 ? Last(x, y + 5) : First(x, y - 5);
         return y >= 5 ? Last(x, y - 5) : First(x, y + 5);
       }},
      {"strips type out of range", 5, 5, 0, 0, PushStrips, 2, 50.0,
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

}  // namespace
}  // namespace orvane::compose
