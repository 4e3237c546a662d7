#include "slide_regions.h"

#include <algorithm>

namespace orvane::compose {
namespace {

constexpr int kUncovered = -1;

bool Covers(TileRange range, int t) { return range.low <= t && t <= range.high; }

// A stretch of tile columns [begin, end) of one tile row that a single move decides: `move`, or
// for a chessboard move `move` on the odd squares and `even_move` on the even ones.
struct Piece {
  int begin;
  int end;
  int move;
  int even_move;
};

// The pieces of one tile row, left to right, covering the columns 0 ... limit - 1.
struct RowLayout {
  std::array<Piece, 2 * MoveTable::kCapacity + 1> pieces;
  int count = 0;
};

RowLayout LayoutRow(const MoveTable& table, int ty, int limit) {
  // Every column range starts or ends at a cut, so between two cuts each move either covers
  // all columns or none.
  std::array<int, 2 * MoveTable::kCapacity + 2> cuts;
  int cut_count = 0;
  cuts[cut_count++] = 0;
  cuts[cut_count++] = limit;
  const auto clip = [limit](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, limit));
  };
  for (int i = 0; i < table.count; ++i) {
    const Move& m = table.moves[i];
    if (!Covers(m.rows, ty)) continue;
    cuts[cut_count++] = clip(m.columns.low);
    cuts[cut_count++] = clip(std::int64_t{m.columns.high} + 1);
  }
  // At most ten cuts: sorted by insertion, dropping repeats.
  int unique_count = 0;
  for (int i = 0; i < cut_count; ++i) {
    const int cut = cuts[i];
    int at = unique_count;
    while (at > 0 && cuts[at - 1] > cut) --at;
    if (at > 0 && cuts[at - 1] == cut) continue;
    for (int j = unique_count; j > at; --j) cuts[j] = cuts[j - 1];
    cuts[at] = cut;
    ++unique_count;
  }

  const auto first_covering = [&](int from, int tx, bool skip_chessboard) {
    for (int i = from; i < table.count; ++i) {
      const Move& m = table.moves[i];
      if (skip_chessboard && m.odd_squares_only) continue;
      if (Covers(m.rows, ty) && Covers(m.columns, tx)) return i;
    }
    return kUncovered;
  };

  RowLayout layout;
  for (int c = 0; c + 1 < unique_count; ++c) {
    const int begin = cuts[c], end = cuts[c + 1];
    const int move = first_covering(0, begin, false);
    const int even_move = move != kUncovered && table.moves[move].odd_squares_only
                              ? first_covering(move + 1, begin, true)
                              : move;
    if (layout.count > 0) {
      Piece& last = layout.pieces[layout.count - 1];
      if (last.move == move && last.even_move == even_move) {
        last.end = end;
        continue;
      }
    }
    layout.pieces[layout.count++] = Piece{begin, end, move, even_move};
  }
  return layout;
}

// Writes the image columns [x_begin, x_end) of row y as `move` decides them.
void WriteMove(const EffectFrame& f, const MoveTable& table, int move, int y, int x_begin,
               int x_end) {
  const int count = x_end - x_begin;
  if (move == kUncovered) {
    const std::size_t at = PixelOffset(f, x_begin, y);
    switch (table.uncovered) {
      case Uncovered::kFirst:
        CopyColourRun(f.out.data + at, f.first + at, count);
        break;
      case Uncovered::kLast:
        CopyColourRun(f.out.data + at, f.last + at, count);
        break;
      case Uncovered::kUntouched:
        break;
    }
    return;
  }
  const Move& m = table.moves[move];
  AssignRun(f, m.held == Held::kFirst ? f.first : f.last, x_begin, y, count, m.ox, m.oy);
}

void WritePiece(const EffectFrame& f, const MoveTable& table, const Piece& piece, int y,
                int x_begin, int x_end) {
  if (piece.move == piece.even_move) {
    WriteMove(f, table, piece.move, y, x_begin, x_end);
    return;
  }
  // The chessboard squares are aligned to the image, not to the tile.
  const int row_square = y / 8;
  for (int x = x_begin; x < x_end;) {
    const int square_end = std::min(x_end, (x / 8 + 1) * 8);
    const bool odd = ((x / 8 + row_square) & 1) != 0;
    WriteMove(f, table, odd ? piece.move : piece.even_move, y, x, square_end);
    x = square_end;
  }
}

}  // namespace

void RenderMoves(const EffectFrame& f, const MoveTable& table) {
  // The layout of a tile row depends on ty only, so it is worked out once per image row and
  // reused by every tile of that row; a partial tile uses its left part.
  const int limit = std::min(f.grid.tile_width, f.Width());
  RowLayout layout;
  int layout_row = -1;
  ForEachTileSpan(f, [&](const TileSpan& span) {
    if (span.y != layout_row) {
      layout = LayoutRow(table, span.ty, limit);
      layout_row = span.y;
    }
    for (int i = 0; i < layout.count; ++i) {
      const Piece& piece = layout.pieces[i];
      if (piece.begin >= span.count) break;
      WritePiece(f, table, piece, span.y, span.x0 + piece.begin,
                 span.x0 + std::min(piece.end, span.count));
    }
  });
}

std::optional<SideDirection> SideDirectionOf(int type) {
  // SideTypeLeftToRight, RightToLeft, TopToBottom, BottomToTop, LeftTopToRightBottom,
  // LeftBottomToRightTop, RightBottomToLeftTop, RightTopToLeftBottom.
  static constexpr SideDirection kDirections[] = {{1, 0},  {-1, 0}, {0, -1}, {0, 1},
                                                  {1, -1}, {1, 1},  {-1, 1}, {-1, -1}};
  if (type < 0 || type >= static_cast<int>(std::size(kDirections))) return std::nullopt;
  return kDirections[type];
}

Move SideEntrance(const Travel& t, const TileGrid& grid, SideDirection direction, TileRange columns,
                  TileRange rows) {
  // Entering from the left, the columns 0 ... dx show the last image's columns ex ... W - 1;
  // from the right, the columns ex ... W - 1 show its columns 0 ... dx. Rows alike.
  const auto band = [](int from, int travelled, int to_go, int size) {
    return from > 0 ? TileRange{0, travelled} : from < 0 ? TileRange{to_go, size - 1} : kWholeTile;
  };
  return Move{Intersect(columns, band(direction.from_x, t.dx, t.ex, grid.tile_width)),
              Intersect(rows, band(direction.from_y, t.dy, t.ey, grid.tile_height)), Held::kLast,
              direction.from_x * t.ex, direction.from_y * t.ey};
}

Move SidePushed(const Travel& t, SideDirection direction, TileRange columns, TileRange rows) {
  return Move{columns, rows, Held::kFirst, -direction.from_x * t.dx, -direction.from_y * t.dy};
}

}  // namespace orvane::compose
