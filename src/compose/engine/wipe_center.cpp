#include <array>
#include <cmath>
#include <cstdint>

#include "wipe.h"
#include "wipe_region.h"

namespace orvane::compose {
namespace {

enum class Shape { kBox, kDiamond, kCircle, kCross };

// Each shape closes in on the centre (the first image shrinks) or grows out of it (the last
// image grows); the two directions of the box and the cross have geometries of their own.
struct CenterGeometry {
  Shape shape;
  bool grows_out;
};

constexpr std::array<CenterGeometry, 8> kCenters = {{
    {Shape::kBox, false},      // CenterTypeBoxIn
    {Shape::kBox, true},       // CenterTypeBoxOut
    {Shape::kDiamond, false},  // CenterTypeDiamondIn
    {Shape::kDiamond, true},   // CenterTypeDiamondOut
    {Shape::kCircle, false},   // CenterTypeCircleIn
    {Shape::kCircle, true},    // CenterTypeCircleOut
    {Shape::kCross, false},    // CenterTypeCrossIn
    {Shape::kCross, true},     // CenterTypeCrossOut
}};

// The ranges the box and the cross take along one axis of `size` positions.
class Axis {
 public:
  Axis(int size, double frame)
      : size_(size),
        last_(size - 1),
        centre_(0.5 * (size - 1)),
        box_half_(size * frame * 0.005),
        cross_edge_((size - 1) * frame * 0.005),
        cross_band_((100 - frame) * (size - 1) * 0.005) {}

  TileRange Whole() const { return WholeTile(size_); }

  // The frame of the closing box: t < half from the low edge, t > last - half from the high.
  TileRange BoxLowEdge() const { return PositionsBelow(box_half_, size_); }
  TileRange BoxHighEdge() const { return PositionsAbove(last_ - box_half_, size_); }

  // The growing box: centre - half < t < centre + half.
  TileRange BoxMiddle() const {
    return Intersect(PositionsAbove(centre_ - box_half_, size_),
                     PositionsBelow(centre_ + box_half_, size_));
  }

  // The corners that close in on the cross: t <= edge, or t >= last - edge.
  TileRange CrossLowEdge() const { return PositionsAtMost(cross_edge_, size_); }
  TileRange CrossHighEdge() const { return PositionsAtLeast(last_ - cross_edge_, size_); }

  // An arm of the growing cross: band <= t <= last - band.
  TileRange CrossBand() const {
    return Intersect(PositionsAtLeast(cross_band_, size_),
                     PositionsAtMost(last_ - cross_band_, size_));
  }

 private:
  int size_;
  int last_;  // size - 1, the tile's last position
  double centre_;
  double box_half_;
  double cross_edge_;
  double cross_band_;
};

TileRegion BoxRegion(const Axis& x, const Axis& y, bool grows_out) {
  TileRegion region;
  if (grows_out) {
    region.Add({x.BoxMiddle(), y.BoxMiddle()});
  } else {
    region.Add({x.BoxLowEdge(), y.Whole()});
    region.Add({x.BoxHighEdge(), y.Whole()});
    region.Add({x.Whole(), y.BoxLowEdge()});
    region.Add({x.Whole(), y.BoxHighEdge()});
  }
  return region;
}

TileRegion CrossRegion(const Axis& x, const Axis& y, bool grows_out) {
  TileRegion region;
  if (grows_out) {
    region.Add({x.Whole(), y.CrossBand()});
    region.Add({x.CrossBand(), y.Whole()});
  } else {
    for (const TileRange& xs : {x.CrossLowEdge(), x.CrossHighEdge()}) {
      for (const TileRange& ys : {y.CrossLowEdge(), y.CrossHighEdge()}) region.Add({xs, ys});
    }
  }
  return region;
}

// The columns of [0, size) where `inside` holds, for a test that fails far from the middle
// and holds near it: the distance from the centre falls toward the middle column and rises
// beyond it (rounding keeps it monotone), so those columns form one range, found by halving
// on each side of the middle with the very test a pixel would make.
template <class Inside>
TileRange CentralRange(int size, Inside&& inside) {
  int lo = 0, hi = (size - 1) / 2 + 1;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (inside(mid)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  const int begin = lo;
  lo = size / 2;
  hi = size;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (inside(mid)) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return {begin, lo};
}

// The diamond and the circle: a pixel's distance from the tile's centre against a limit, with
// the last image outside the shrinking shape (> limit) or inside the growing one (< limit).
template <class Distance>
void WipeRound(const EffectFrame& f, bool grows_out, double limit, Distance distance) {
  const int w = f.grid.tile_width, h = f.grid.tile_height;
  const double cx = 0.5 * (w - 1), cy = (h - 1) * 0.5;
  WipeByRows(f, [&](int ty) {
    const double ey = ty - cy;
    const TileRange core = CentralRange(w, [&](int tx) {
      const double d = distance(tx - cx, ey);
      return grows_out ? d < limit : !(d > limit);
    });
    LastRuns runs;
    runs.Add(core);
    return grows_out ? runs : runs.Complement(w);
  });
}

}  // namespace

void WipeCenter(const EffectFrame& f, int type) {
  if (type < 0 || type >= static_cast<int>(kCenters.size())) {
    WipeRegion(f, TileRegion{});
    return;
  }
  const CenterGeometry& g = kCenters[type];
  const int w = f.grid.tile_width, h = f.grid.tile_height;
  const double frame = f.frame;
  switch (g.shape) {
    case Shape::kBox:
      WipeRegion(f, BoxRegion(Axis(w, frame), Axis(h, frame), g.grows_out));
      return;
    case Shape::kCross:
      WipeRegion(f, CrossRegion(Axis(w, frame), Axis(h, frame), g.grows_out));
      return;
    case Shape::kDiamond: {
      // In 64 bits: tile properties are any int, and the sum of two of them overflows an int.
      const double sides = static_cast<double>(std::int64_t{w} + h);
      const double limit = g.grows_out ? frame * sides * 0.005 : sides * (100 - frame) * 0.005;
      WipeRound(f, g.grows_out, limit,
                [](double ex, double ey) { return std::fabs(ex) + std::fabs(ey); });
      return;
    }
    case Shape::kCircle: {
      const double squares =
          static_cast<double>(std::int64_t{w} * w + std::int64_t{h} * h);  // squared diagonal
      const double limit =
          g.grows_out ? squares * frame * 0.0025 : squares * (100 - frame) * 0.0025;
      WipeRound(f, g.grows_out, limit, [](double ex, double ey) { return ey * ey + ex * ex; });
      return;
    }
  }
}

}  // namespace orvane::compose
