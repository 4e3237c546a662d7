#include "stretch.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "sample_bilinear.h"
#include "travel_test_support.h"

namespace orvane::compose {
namespace {

using testing::Bytes;
using testing::Composition;
using testing::First;
using testing::Last;
using testing::Shown;

// The stretch tables written out pixel by pixel, as defined: the real travel amounts, the
// guard m, the integer sub-expressions, the rows in their order, the outside-the-image fallback
// and SampleBilinear for channels 2, 1, 0.
class Reference {
 public:
  Reference(const Composition& c, double F) {
    const TileGrid g = TileGrid::For(c.state);
    W = g.tile_width;
    H = g.tile_height;
    Wm = W - 1;
    Hm = H - 1;
    DX = (Wm * F) * 0.01;
    DY = (Hm * F) * 0.01;
    HX = (Wm * F) * 0.005;
    HY = (Hm * F) * 0.005;
    RX = ((100 - F) * Wm) * 0.005;
    RY = ((100 - F) * Hm) * 0.005;
    CX = Wm * 0.5;
    CY = Hm * 0.5;
  }

  // What one pixel gets.
  struct Pick {
    enum Kind { kAssignFirst, kFirst, kLast } kind;
    double sx;
    double sy;
  };

  static double m(double v) { return v >= 1 ? v : 1; }

  // The integer expressions are exact integers before they become doubles (in 64 bits, so huge
  // tiles do not overflow them).
  double Sx0Last(long long tx, long long X0) const {
    return static_cast<double>((W - 1LL) * tx) / m(DX) + X0;
  }
  double Sx0First(long long tx, long long X0) const { return (tx - DX) / m(Wm - DX) * Wm + X0; }
  double Sx1Last(long long tx, long long X0) const {
    return (static_cast<double>(tx - (W - 1LL)) + DX) / m(DX) * Wm + X0;
  }
  double Sx1First(long long tx, long long X0) const {
    return static_cast<double>((W - 1LL) * tx) / m(Wm - DX) + X0;
  }
  double Sy2Last(long long ty, long long Y0) const {
    return (static_cast<double>(ty - (H - 1LL)) + DY) / m(DY) * Hm + Y0;
  }
  double Sy2First(long long ty, long long Y0) const {
    return static_cast<double>((H - 1LL) * ty) / m(Hm - DY) + Y0;
  }
  double Sy3Last(long long ty, long long Y0) const {
    return static_cast<double>((H - 1LL) * ty) / m(DY) + Y0;
  }
  double Sy3First(long long ty, long long Y0) const { return (ty - DY) / m(Hm - DY) * Hm + Y0; }

  Pick Side(int type, long long x, long long y, long long tx, long long ty) const {
    const long long X0 = x - tx, Y0 = y - ty;
    const double X = static_cast<double>(x), Y = static_cast<double>(y);
    switch (type) {
      case 0:
        if (tx <= DX) return {Pick::kLast, Sx0Last(tx, X0), Y};
        return {Pick::kFirst, Sx0First(tx, X0), Y};
      case 1:
        if (tx >= Wm - DX) return {Pick::kLast, Sx1Last(tx, X0), Y};
        return {Pick::kFirst, Sx1First(tx, X0), Y};
      case 2:
        if (ty >= Hm - DY) return {Pick::kLast, X, Sy2Last(ty, Y0)};
        return {Pick::kFirst, X, Sy2First(ty, Y0)};
      case 3:
        if (ty <= DY) return {Pick::kLast, X, Sy3Last(ty, Y0)};
        return {Pick::kFirst, X, Sy3First(ty, Y0)};
      case 4:
        if (tx <= DX && ty >= Hm - DY) return {Pick::kLast, Sx0Last(tx, X0), Sy2Last(ty, Y0)};
        return {Pick::kAssignFirst, 0, 0};
      case 5:
        if (tx <= DX && ty <= DY) return {Pick::kLast, Sx0Last(tx, X0), Sy3Last(ty, Y0)};
        return {Pick::kAssignFirst, 0, 0};
      case 6:
        if (tx >= Wm - DX && ty <= DY) return {Pick::kLast, Sx1Last(tx, X0), Sy3Last(ty, Y0)};
        return {Pick::kAssignFirst, 0, 0};
      case 7:
        if (tx >= Wm - DX && ty >= Hm - DY) return {Pick::kLast, Sx1Last(tx, X0), Sy2Last(ty, Y0)};
        return {Pick::kAssignFirst, 0, 0};
    }
    return {Pick::kFirst, X, Y};
  }

  Pick Strips(int type, long long x, long long y, long long tx, long long ty) const {
    if (type == 0) return Side(tx <= CX ? 3 : 2, x, y, tx, ty);
    if (type == 1) return Side(ty <= CY ? 0 : 1, x, y, tx, ty);
    return {Pick::kFirst, static_cast<double>(x), static_cast<double>(y)};
  }

  Pick Door(int type, long long x, long long y, long long tx, long long ty) const {
    const double X = static_cast<double>(x), Y = static_cast<double>(y);
    const long long X0 = x - tx, Y0 = y - ty;
    switch (type) {
      case 0:
        if (ty <= HY) return {Pick::kLast, X, ty / m(HY) * CY + Y0};
        if (ty <= CY) return {Pick::kFirst, X, (ty - HY) / m(CY - HY) * CY + Y0};
        if (ty >= Hm - HY) {
          return {Pick::kLast, X,
                  (static_cast<double>(ty - (H - 1LL)) + HY) / m(HY) * CY + Y0 + CY};
        }
        return {Pick::kFirst, X, (ty - CY) / m(CY - HY) * CY + Y0 + CY};
      case 1:
        if (ty <= RY) return {Pick::kFirst, X, ty / m(RY) * CY + Y0};
        if (ty >= Hm - RY) {
          return {Pick::kFirst, X,
                  ((static_cast<double>(ty - (H - 1LL)) + RY) / m(RY) + 1) * CY + Y0};
        }
        if (ty <= CY) return {Pick::kLast, X, (ty - RY) / m(CY - RY) * CY + Y0};
        return {Pick::kLast, X, (ty - CY) / m(CY - RY) * CY + Y0 + CY};
      case 2:
        if (tx <= HX) return {Pick::kLast, tx / m(HX) * CX + X0, Y};
        if (tx <= CX) return {Pick::kFirst, (tx - HX) / m(CX - HX) * CX + X0, Y};
        if (tx >= Wm - HX) {
          return {Pick::kLast, (static_cast<double>(tx - (W - 1LL)) + HX) / m(HX) * CX + X0 + CX,
                  Y};
        }
        return {Pick::kFirst, (tx - CX) / m(CX - HX) * CX + X0 + CX, Y};
      case 3:
        if (tx <= RX) return {Pick::kFirst, tx / m(RX) * CX + X0, Y};
        if (tx >= Wm - RX) {
          return {Pick::kFirst, ((static_cast<double>(tx - (W - 1LL)) + RX) / m(RX) + 1) * CX + X0,
                  Y};
        }
        if (tx <= CX) return {Pick::kLast, (tx - RX) / m(CX - RX) * CX + X0, Y};
        return {Pick::kLast, (tx - CX) / m(CX - RX) * CX + X0 + CX, Y};
    }
    return {Pick::kFirst, X, Y};
  }

  Pick Center(int type, long long x, long long y, long long tx, long long ty) const {
    const double X = static_cast<double>(x), Y = static_cast<double>(y);
    const long long X0 = x - tx, Y0 = y - ty;
    if (type == 0) {
      if (HX <= tx && tx <= Wm - HX && HY <= ty && ty <= Hm - HY) {
        return {Pick::kFirst, (tx - HX) / m(Wm - 2 * HX) * Wm + X0,
                (ty - HY) / m(Hm - 2 * HY) * Hm + Y0};
      }
      return {Pick::kLast, X, Y};
    }
    if (type == 1) {
      if (RX <= tx && tx <= Wm - RX && RY <= ty && ty <= Hm - RY) {
        return {Pick::kLast, (tx - RX) / m(Wm - 2 * RX) * Wm + X0,
                (ty - RY) / m(Hm - 2 * RY) * Hm + Y0};
      }
      return {Pick::kFirst, X, Y};
    }
    return {Pick::kFirst, X, Y};
  }

 private:
  int W, H;
  double Wm, Hm, DX, DY, HX, HY, RX, RY, CX, CY;
};

using Decide = Reference::Pick (Reference::*)(int, long long, long long, long long,
                                              long long) const;
using Effect = void (*)(const EffectFrame&, int);

void RenderReference(Composition& c, double frame, Decide decide, int type) {
  c.Render(frame, [&](const EffectFrame& f) {
    const Reference r(c, frame);
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const Reference::Pick pick =
            (r.*decide)(type, x, y, x % f.grid.tile_width, y % f.grid.tile_height);
        auto* out = const_cast<std::uint8_t*>(c.OutPixel(x, y));
        const bool inside = pick.sx >= 0 && pick.sx < c.width && pick.sy >= 0 && pick.sy < c.height;
        if (pick.kind == Reference::Pick::kAssignFirst || !inside) {
          for (int ch = 2; ch >= 0; --ch) out[ch] = c.FirstPixel(x, y)[ch];
          continue;
        }
        const Bytes& image = pick.kind == Reference::Pick::kLast ? c.last : c.first;
        for (int ch = 2; ch >= 0; --ch) {
          out[ch] = SampleBilinear(pick.sx, pick.sy, image.data(), c.width, c.height, ch);
        }
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
    {"StretchSide", StretchSide, &Reference::Side},
    {"StretchStrips", StretchStrips, &Reference::Strips},
    {"StretchDoor", StretchDoor, &Reference::Door},
    {"StretchCenter", StretchCenter, &Reference::Center},
};

TEST(Stretch, EveryTypeMatchesThePerPixelTablesOverGridsAndFrames) {
  std::uint32_t seed = 900;
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

// Larger frames, where the line kernels run their four-pixel loops and most column and row
// fractions take the integer forms, over frames with many different fractions.
TEST(Stretch, LargeFramesMatchThePerPixelTables) {
  const testing::Grid grids[] = {{203, 61, 0, 0}, {150, 90, 64, 33}};
  std::uint32_t seed = 77;
  for (const auto& family : kFamilies) {
    for (const auto& g : grids) {
      for (double frame : {0.01, 3.7, 37.5, 50.0, 62.5, 81.3, 99.99}) {
        for (int type : {0, 1, 2, 3, 4, 5, 6, 7}) {
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

// Resampling at a whole position gives the pixel itself, except on the last column and the top
// row, where the sampler steps back one cell.
int Whole(int position, int size) { return position == size - 1 ? size - 2 : position; }

TEST(Stretch, DesignExamplesShowTheStatedPixels) {
  // Where a stated position is computed a few units in the last place below a whole number
  // (for 101 pixels at 50: 79 - 50 maps to 57.999999999999993), the sampler's cell is the one
  // below, whose byte the truncation keeps; such positions are listed with the cell they give.
  const auto doubled_from = [](int t, int start) {
    const int position = 2 * (t - start);
    return position == 58 ? 57 : position;
  };
  const Example examples[] = {
      {"unsupported side type: the first image resampled at every pixel's own position", 7, 5, 0, 0,
       StretchSide, 8, 50.0, [](int x, int y) { return First(Whole(x, 7), Whole(y, 5)); }},
      {"cross types of StretchCenter resample the first image", 7, 5, 0, 0, StretchCenter, 6, 50.0,
       [](int x, int y) { return First(Whole(x, 7), Whole(y, 5)); }},
      {"diagonal door resamples the first image", 7, 5, 0, 0, StretchDoor, 4, 50.0,
       [](int x, int y) { return First(Whole(x, 7), Whole(y, 5)); }},
      {"strips type out of range", 7, 5, 0, 0, StretchStrips, 2, 50.0,
       [](int x, int y) { return First(Whole(x, 7), Whole(y, 5)); }},
      {"101 pixels left to right at 50: last at 2 tx, first at 2 (tx - 50)", 101, 2, 0, 0,
       StretchSide, 0, 50.0,
       [&](int x, int) {
         if (x <= 50) return Last(Whole(2 * x, 101), 0);
         return First(Whole(doubled_from(x, 50), 101), 0);
       }},
      {"vertical door in with H = 101 at 50", 2, 101, 0, 0, StretchDoor, 0, 50.0,
       [](int, int y) {
         if (y <= 25) return Last(0, 2 * y);
         if (y <= 50) return First(0, 2 * (y - 25));
         if (y <= 74) return First(0, 2 * (y - 50) + 50);
         return Last(0, Whole(2 * (y - 75) + 50, 101));
       }},
      {"box in with W = H = 101 at 50: the first image's tile in 25 ... 75", 101, 101, 0, 0,
       StretchCenter, 0, 50.0,
       [&](int x, int y) {
         if (x >= 25 && x <= 75 && y >= 25 && y <= 75) {
           return First(Whole(doubled_from(x, 25), 101), Whole(doubled_from(y, 25), 101));
         }
         return Last(Whole(x, 101), Whole(y, 101));
       }},
      {"corner type: outside the corner rectangle an exact copy of the first image", 9, 9, 0, 0,
       StretchSide, 5, 50.0,
       [](int x, int y) {
         // DX = DY = 4: the rectangle tx, ty <= 4 holds the last image at 2 tx, 2 ty.
         if (x <= 4 && y <= 4) return Last(Whole(2 * x, 9), Whole(2 * y, 9));
         return First(x, y);
       }},
      {"cut-off tile: a source past the last column shows the first image's own pixel", 10, 2, 4, 0,
       StretchSide, 0, 50.0,
       [](int x, int y) {
         // W = 4, DX = 1.5: tx <= 1.5 takes the last image at 2 tx, the rest the first image at
         // 2 (tx - 1.5), both from the tile's origin; column 9 would take column 10.
         const int tx = x % 4, origin = x - tx;
         if (x == 9) return First(9, y);  // assigned, not resampled
         return tx <= 1 ? Last(origin + 2 * tx, 0) : First(origin + 2 * tx - 3, 0);
       }},
  };
  for (const auto& e : examples) {
    SCOPED_TRACE(e.name);
    auto c = testing::NamedComposition(e.width, e.height, e.tiles_width, e.tiles_height);
    const Bytes before = c.out;
    c.Render(e.frame, [&](const EffectFrame& f) { e.effect(f, e.type); });
    testing::ExpectShown(c, before, e.expected);
  }
}

TEST(Stretch, AtTheSmallestFrameOnlyColumnZeroOfEachTileShowsTheLastImage) {
  // W = 101 at 0.01: DX = 0.01, so column 0 of each tile takes the last image's column X0, and
  // every other column the first image, resampled (divisor m(99.99) = 99.99).
  auto c = testing::NamedComposition(202, 3, 101);
  const Bytes before = c.out;
  c.Render(0.01, [](const EffectFrame& f) { StretchSide(f, 0); });
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 202; ++x) {
      const Shown shown = testing::ShownAt(c, x, y);
      if (x % 101 == 0) {
        EXPECT_EQ(shown, Last(x, Whole(y, 3))) << x << ", " << y;
      } else {
        EXPECT_EQ(shown.image, testing::kFirstImage) << x << ", " << y;
      }
      EXPECT_EQ(c.OutPixel(x, y)[3], testing::PixelAt(before, 202, x, y)[3]);
    }
  }
}

}  // namespace
}  // namespace orvane::compose
