#include <array>

#include "wipe.h"
#include "wipe_region.h"

namespace orvane::compose {
namespace {

// Where the last image enters the tile, per SideType: from one edge, or from a corner (one
// edge along each axis).
constexpr std::array<BandRect, 8> kSides = {{
    {Band::kLowEdge, Band::kWhole},      // SideTypeLeftToRight
    {Band::kHighEdge, Band::kWhole},     // SideTypeRightToLeft
    {Band::kWhole, Band::kHighEdge},     // SideTypeTopToBottom (the top is the last row)
    {Band::kWhole, Band::kLowEdge},      // SideTypeBottomToTop
    {Band::kLowEdge, Band::kHighEdge},   // SideTypeLeftTopToRightBottom
    {Band::kLowEdge, Band::kLowEdge},    // SideTypeLeftBottomToRightTop
    {Band::kHighEdge, Band::kLowEdge},   // SideTypeRightBottomToLeftTop
    {Band::kHighEdge, Band::kHighEdge},  // SideTypeRightTopToLeftBottom
}};

}  // namespace

void WipeSide(const EffectFrame& f, int type) {
  TileRegion region;
  if (type >= 0 && type < static_cast<int>(kSides.size())) {
    const int w = f.grid.tile_width, h = f.grid.tile_height;
    // Whole pixels of travel; even the smallest frame shows the first column (or row).
    const int dx = static_cast<int>((w - 1) * f.frame * 0.01);
    const int dy = static_cast<int>((h - 1) * f.frame * 0.01);
    const BandRect& side = kSides[type];
    region.Add({BandRange(side.x, dx, w), BandRange(side.y, dy, h)});
  }
  WipeRegion(f, region);
}

}  // namespace orvane::compose
