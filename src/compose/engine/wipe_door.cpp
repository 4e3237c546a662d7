#include <array>

#include "wipe.h"
#include "wipe_region.h"

namespace orvane::compose {
namespace {

// Which travel amount a door's bands use.
enum class Travel {
  kWhole,  // dx, dy: the full travel, for the diagonal doors' corner rectangles
  kHalf,   // hx, hy: each of two edges covers half, for the closing doors
  kRest,   // rx, ry: the part of the half still to go, for the opening doors
};

struct DoorGeometry {
  Travel travel;
  int rect_count;
  std::array<BandRect, 2> rects;
};

constexpr std::array<DoorGeometry, 6> kDoors = {{
    // DoorTypeVerticalIn: closes in from the bottom and the top edges.
    {Travel::kHalf, 2, {{{Band::kWhole, Band::kLowEdge}, {Band::kWhole, Band::kHighEdge}}}},
    // DoorTypeVerticalOut: a horizontal band about the middle row that widens.
    {Travel::kRest, 1, {{{Band::kWhole, Band::kMiddle}}}},
    // DoorTypeHorizontalIn: closes in from the left and the right edges.
    {Travel::kHalf, 2, {{{Band::kLowEdge, Band::kWhole}, {Band::kHighEdge, Band::kWhole}}}},
    // DoorTypeHorizontalOut: a vertical band about the middle column that widens.
    {Travel::kRest, 1, {{{Band::kMiddle, Band::kWhole}}}},
    // DoorTypeDiagonal: from the bottom-left and the top-right corners.
    {Travel::kWhole, 2, {{{Band::kLowEdge, Band::kLowEdge}, {Band::kHighEdge, Band::kHighEdge}}}},
    // DoorTypeDiagonalRotated: from the top-left and the bottom-right corners.
    {Travel::kWhole, 2, {{{Band::kLowEdge, Band::kHighEdge}, {Band::kHighEdge, Band::kLowEdge}}}},
}};

// The travel amount along an axis of `size` positions, as whole pixels.
int TravelAmount(Travel travel, int size, double frame) {
  switch (travel) {
    case Travel::kWhole:
      return static_cast<int>((size - 1) * frame * 0.01);
    case Travel::kHalf:
      return static_cast<int>((size - 1) * frame * 0.005);
    case Travel::kRest:
      return static_cast<int>((100 - frame) * (size - 1) * 0.005);
  }
  return 0;
}

}  // namespace

void WipeDoor(const EffectFrame& f, int type) {
  TileRegion region;
  if (type >= 0 && type < static_cast<int>(kDoors.size())) {
    const int w = f.grid.tile_width, h = f.grid.tile_height;
    const DoorGeometry& door = kDoors[type];
    const int ax = TravelAmount(door.travel, w, f.frame);
    const int ay = TravelAmount(door.travel, h, f.frame);
    for (int i = 0; i < door.rect_count; ++i) {
      region.Add({BandRange(door.rects[i].x, ax, w), BandRange(door.rects[i].y, ay, h)});
    }
  }
  WipeRegion(f, region);
}

}  // namespace orvane::compose
