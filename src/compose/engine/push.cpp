#include "push.h"

#include "slide_regions.h"
#include "travel.h"

namespace orvane::compose {
namespace {

constexpr int kStraightTypes = 4;  // the first four DoorType and SideType values

// One strip entered from `direction` by the last image while the first image moves ahead.
void AddPushedStrip(MoveTable& table, const Travel& t, const TileGrid& grid,
                    SideDirection direction, TileRange columns = kWholeTile,
                    TileRange rows = kWholeTile) {
  table.Add(SideEntrance(t, grid, direction, columns, rows));
  table.Add(SidePushed(t, direction, columns, rows));
}

}  // namespace

void PushDoor(const EffectFrame& f, int type) {
  MoveTable table;
  if (type >= 0 && type < kStraightTypes) {
    const Travel t = Travel::For(f.grid, f.frame);
    const bool vertical = type < 2;
    const int n = vertical ? f.grid.tile_height : f.grid.tile_width;
    const int c = vertical ? t.cy : t.cx;
    if (type % 2 == 0) {
      // In: the last image's halves enter from both edges as in the slide; the first image's
      // halves move toward the middle line by h and vanish there. Tested in this order.
      const int h = vertical ? t.hy : t.hx;
      table.Add(AxisMove(vertical, {0, h}, Held::kLast, c - h));
      table.Add(AxisMove(vertical, {0, c}, Held::kFirst, -h));
      table.Add(AxisMove(vertical, {n - 1 - h, n - 1}, Held::kLast, h - c));
      table.Add(AxisMove(vertical, kWholeTile, Held::kFirst, h));
    } else {
      // Out: the first image's halves move outward, their inner edges at r from the tile's
      // edges, and the last image's halves follow them out of the middle.
      const int r = vertical ? t.ry : t.rx;
      table.Add(AxisMove(vertical, {0, r}, Held::kFirst, c - r));
      table.Add(AxisMove(vertical, {n - 1 - r, n - 1}, Held::kFirst, r - c));
      table.Add(AxisMove(vertical, {0, c}, Held::kLast, -r));
      table.Add(AxisMove(vertical, kWholeTile, Held::kLast, r));
    }
  }
  RenderMoves(f, table);
}

void PushStrips(const EffectFrame& f, int type) {
  const Travel t = Travel::For(f.grid, f.frame);
  MoveTable table;
  if (type == 0) {
    AddPushedStrip(table, t, f.grid, {0, 1}, {0, t.cx});
    AddPushedStrip(table, t, f.grid, {0, -1}, {t.cx + 1, INT_MAX});
  } else if (type == 1) {
    AddPushedStrip(table, t, f.grid, {1, 0}, kWholeTile, {0, t.cy});
    AddPushedStrip(table, t, f.grid, {-1, 0}, kWholeTile, {t.cy + 1, INT_MAX});
  }
  RenderMoves(f, table);
}

void PushSide(const EffectFrame& f, int type) {
  MoveTable table;
  if (type >= 0 && type < kStraightTypes) {
    AddPushedStrip(table, Travel::For(f.grid, f.frame), f.grid, *SideDirectionOf(type));
  }
  RenderMoves(f, table);
}

}  // namespace orvane::compose
