#include "slide.h"

#include "slide_regions.h"
#include "travel.h"

namespace orvane::compose {
namespace {

constexpr int kDoorTypeDiagonal = 4;
constexpr int kDoorTypeDiagonalRotated = 5;
constexpr int kCenterTypeCrossIn = 6;
constexpr int kCenterTypeCrossOut = 7;

// Along one axis of a tile: its size n, and the half travel h so far, r still to go, middle c.
struct DoorAxis {
  int n;
  int h;
  int r;
  int c;
};

DoorAxis AxisOf(const Travel& t, const TileGrid& grid, bool vertical) {
  return vertical ? DoorAxis{grid.tile_height, t.hy, t.ry, t.cy}
                  : DoorAxis{grid.tile_width, t.hx, t.rx, t.cx};
}

// DoorTypeVerticalIn, VerticalOut, HorizontalIn, HorizontalOut: the two halves of the last
// image's tile close in from the edges, each leading with its inner edge, or emerge at the
// middle and move outward, each leading with its outer edge.
void AddStraightDoor(MoveTable& table, const DoorAxis& a, bool vertical, bool in) {
  if (in) {
    table.Add(AxisMove(vertical, {0, a.h}, Held::kLast, a.c - a.h));
    table.Add(AxisMove(vertical, {a.n - 1 - a.h, a.n - 1}, Held::kLast, a.h - a.c));
  } else {
    table.Add(AxisMove(vertical, {a.r, a.c}, Held::kLast, -a.r));
    table.Add(AxisMove(vertical, {a.c + 1, a.n - 1 - a.r}, Held::kLast, a.r));
  }
}

}  // namespace

void SlideDoor(const EffectFrame& f, int type) {
  const Travel t = Travel::For(f.grid, f.frame);
  MoveTable table;
  if (type >= 0 && type < kDoorTypeDiagonal) {
    const bool vertical = type < 2;
    AddStraightDoor(table, AxisOf(t, f.grid, vertical), vertical, type % 2 == 0);
  } else if (type == kDoorTypeDiagonal || type == kDoorTypeDiagonalRotated) {
    // Two whole copies from opposite corners: bottom-left and top-right, or top-left and
    // bottom-right. Where they overlap, the first piece takes the odd chessboard squares.
    const SideDirection a = type == kDoorTypeDiagonal ? SideDirection{1, 1} : SideDirection{1, -1};
    const SideDirection b{-a.from_x, -a.from_y};
    Move odd_piece = SideEntrance(t, f.grid, a);
    odd_piece.odd_squares_only = true;
    table.Add(odd_piece);
    table.Add(SideEntrance(t, f.grid, b));
    table.Add(SideEntrance(t, f.grid, a));
  }
  RenderMoves(f, table);
}

void SlideStrips(const EffectFrame& f, int type) {
  const Travel t = Travel::For(f.grid, f.frame);
  MoveTable table;
  if (type == 0) {
    // StripsTypeVertical: the left strip slides up from the bottom, the right one down.
    table.Add(SideEntrance(t, f.grid, {0, 1}, {0, t.cx}));
    table.Add(SideEntrance(t, f.grid, {0, -1}, {t.cx + 1, INT_MAX}));
  } else if (type == 1) {
    // StripsTypeHorizontal: the bottom strip slides in from the left, the top one from the right.
    table.Add(SideEntrance(t, f.grid, {1, 0}, kWholeTile, {0, t.cy}));
    table.Add(SideEntrance(t, f.grid, {-1, 0}, kWholeTile, {t.cy + 1, INT_MAX}));
  }
  RenderMoves(f, table);
}

void SlideSide(const EffectFrame& f, int type) {
  MoveTable table;
  if (const auto direction = SideDirectionOf(type)) {
    table.Add(SideEntrance(Travel::For(f.grid, f.frame), f.grid, *direction));
  }
  RenderMoves(f, table);
}

void SlideCenter(const EffectFrame& f, int type) {
  if (type != kCenterTypeCrossIn && type != kCenterTypeCrossOut) return;
  const Travel t = Travel::For(f.grid, f.frame);
  const bool in = type == kCenterTypeCrossIn;
  // The four quarters of a picture in the tile's corners, each shifted toward or away from the
  // centre: the last image's quarters slide in, or the first image's slide out over the last.
  const int hx = in ? t.hx : t.rx;
  const int hy = in ? t.hy : t.ry;
  const int w1 = f.grid.tile_width - 1, h1 = f.grid.tile_height - 1;
  const TileRange left{0, hx}, right{w1 - hx, w1}, bottom{0, hy}, top{h1 - hy, h1};
  const Held held = in ? Held::kLast : Held::kFirst;
  MoveTable table;
  table.uncovered = in ? Uncovered::kFirst : Uncovered::kLast;
  table.Add({left, bottom, held, t.cx - hx, t.cy - hy});
  table.Add({left, top, held, t.cx - hx, hy - t.cy});
  table.Add({right, top, held, hx - t.cx, hy - t.cy});
  table.Add({right, bottom, held, hx - t.cx, t.cy - hy});
  RenderMoves(f, table);
}

}  // namespace orvane::compose
