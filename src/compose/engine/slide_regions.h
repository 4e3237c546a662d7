// The tables of the slide and push effects: which pixels of a tile take their colour from which
// held image, shifted by how much. A family builds one small table per call and hands it to
// RenderMoves, which does all the pixel work.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <optional>

#include "effect_frame.h"
#include "travel.h"

namespace orvane::compose {

// Tile positions from `low` to `high`, both included.
struct TileRange {
  int low;
  int high;
};

inline constexpr TileRange kWholeTile{INT_MIN, INT_MAX};

inline TileRange Intersect(TileRange a, TileRange b) {
  return {a.low > b.low ? a.low : b.low, a.high < b.high ? a.high : b.high};
}

// One row of a table: the pixels whose tile position lies in `columns` x `rows` take the colour
// of `held` at their own position shifted by (ox, oy).
struct Move {
  TileRange columns;
  TileRange rows;
  Held held;
  int ox;
  int oy;
  // The move holds only on the odd squares of the image's 8 x 8 chessboard (x div 8 + y div 8
  // odd); on the even squares the rows after it decide. This is how two overlapping pieces
  // share their overlap.
  bool odd_squares_only = false;
};

// What the pixels that no move covers get.
enum class Uncovered : std::uint8_t { kFirst, kLast, kUntouched };

// Moves tested in order; the first one that covers a pixel decides it.
struct MoveTable {
  static constexpr int kCapacity = 4;
  std::array<Move, kCapacity> moves{};
  int count = 0;
  Uncovered uncovered = Uncovered::kFirst;

  void Add(const Move& move) {
    if (count < kCapacity) moves[count++] = move;
  }
};

// Writes every pixel of the frame from the table.
void RenderMoves(const EffectFrame& f, const MoveTable& table);

// The edges a side movement enters from: from_x +1 from the left edge, -1 from the right edge;
// from_y +1 from the bottom edge, -1 from the top edge; 0 for no movement along that axis.
struct SideDirection {
  int from_x;
  int from_y;
};

// The direction of a SideType value, none for a value outside the enumeration.
std::optional<SideDirection> SideDirectionOf(int type);

// The last image entering a tile from `direction`, limited to the strip `columns` x `rows`.
Move SideEntrance(const Travel& t, const TileGrid& grid, SideDirection direction,
                  TileRange columns = kWholeTile, TileRange rows = kWholeTile);

// The first image pushed ahead of that entrance through the same strip; listed after the
// entrance, it covers what the entrance leaves.
Move SidePushed(const Travel& t, SideDirection direction, TileRange columns = kWholeTile,
                TileRange rows = kWholeTile);

// A move along one axis only: tile positions `along` of that axis (rows when `vertical`),
// shifted by `offset` along it.
inline Move AxisMove(bool vertical, TileRange along, Held held, int offset) {
  return vertical ? Move{kWholeTile, along, held, 0, offset}
                  : Move{along, kWholeTile, held, offset, 0};
}

}  // namespace orvane::compose
