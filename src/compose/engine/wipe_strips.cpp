#include <array>

#include "wipe.h"
#include "wipe_region.h"

namespace orvane::compose {
namespace {

// The two strips split the tile into halves across one axis and fill along the other: the
// lower half from position 0 up, the upper half from the last position down.
struct StripsGeometry {
  bool fill_along_x;  // false: halves are left and right, filling along y
};

constexpr std::array<StripsGeometry, 2> kStrips = {{
    {false},  // StripsTypeVertical: left strip from the bottom, right strip from the top
    {true},   // StripsTypeHorizontal: bottom strip from the left, top strip from the right
}};

}  // namespace

void WipeStrips(const EffectFrame& f, int type) {
  TileRegion region;
  if (type >= 0 && type < static_cast<int>(kStrips.size())) {
    const bool along_x = kStrips[type].fill_along_x;
    const int across = along_x ? f.grid.tile_height : f.grid.tile_width;
    const int along = along_x ? f.grid.tile_width : f.grid.tile_height;
    // The strips travel over the full tile size, not the size less one.
    const double travel = along * f.frame * 0.01;
    const double middle = 0.5 * (across - 1);
    const TileRange halves[2] = {PositionsBelow(middle, across), PositionsAtLeast(middle, across)};
    const TileRange fills[2] = {PositionsBelow(travel, along),
                                PositionsAbove((along - 1) - travel, along)};
    for (int i = 0; i < 2; ++i) {
      region.Add(along_x ? TileRect{fills[i], halves[i]} : TileRect{halves[i], fills[i]});
    }
  }
  WipeRegion(f, region);
}

}  // namespace orvane::compose
