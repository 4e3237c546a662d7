#include "slide_regions.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::compose {
namespace {

constexpr int kUncovered = -1;

bool Covers(TileRange range, int t) { return range.low <= t && t <= range.high; }

bool SameSource(const Move& a, const Move& b) {
  return a.held == b.held && a.ox == b.ox && a.oy == b.oy;
}

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
    int even_move = move;
    if (move != kUncovered && table.moves[move].odd_squares_only) {
      even_move = first_covering(move + 1, begin, true);
      // Outside the overlap the even squares fall to the same piece: no chessboard there.
      if (even_move != kUncovered && SameSource(table.moves[move], table.moves[even_move])) {
        even_move = move;
      }
    }
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
// Asks for the start of the next row's stretch of `row` (a source or the output) ahead of
// time. A row split between two sources reads each in pieces that do not continue from one row
// to the next, which the processor's own stream detection picks up late.
inline void PrefetchNextRow(const EffectFrame& f, const std::uint8_t* row, int y, int x) {
#if defined(__GNUC__)
  if (y + 1 >= f.Height()) return;
  const std::uint8_t* next = row + PixelOffset(f, x, 1);
  for (int line = 0; line < 4; ++line) __builtin_prefetch(next + 64 * line);
#else
  (void)f, (void)row, (void)y, (void)x;
#endif
}

void WriteMove(const EffectFrame& f, const MoveTable& table, int move, int y, int x_begin,
               int x_end) {
  const int count = x_end - x_begin;
  if (move == kUncovered) {
    const std::size_t at = PixelOffset(f, x_begin, y);
    if (table.uncovered != Uncovered::kUntouched) {
      PrefetchNextRow(
          f, (table.uncovered == Uncovered::kFirst ? f.first : f.last) + PixelOffset(f, 0, y), y,
          x_begin);
    }
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
  const std::uint8_t* held = m.held == Held::kFirst ? f.first : f.last;
  const std::int64_t sy = std::int64_t{y} + m.oy, sx = std::int64_t{x_begin} + m.ox;
  if (sy >= 0 && sy < f.Height() && sx >= 0 && sx < f.Width()) {
    PrefetchNextRow(f, held + PixelOffset(f, 0, static_cast<int>(sy)), static_cast<int>(sy),
                    static_cast<int>(sx));
  }
  AssignRun(f, held, x_begin, y, count, m.ox, m.oy);
}

// CopyColourRun for one whole square row of 8 pixels.
inline void CopyColourSquare(std::uint8_t* out, const std::uint8_t* source) {
#if defined(__SSE2__)
  const __m128i fourth = _mm_set1_epi32(static_cast<std::int32_t>(0xFF000000u));
  for (int half = 0; half < 32; half += 16) {
    const __m128i kept = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + half));
    const __m128i colour = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + half));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + half),
                     _mm_or_si128(_mm_and_si128(fourth, kept), _mm_andnot_si128(fourth, colour)));
  }
#else
  CopyColourRun(out, source, 8);
#endif
}

// Where a move takes the pixels [x_begin, x_end) of row y from: a pointer that, offset like
// column 0 of the output row, addresses each pixel's source; null unless every source lies
// inside the image (then the pixels need the per-pixel fallback of AssignRun).
const std::uint8_t* MoveSource(const EffectFrame& f, const MoveTable& table, int move, int y,
                               int x_begin, int x_end) {
  if (move == kUncovered) {
    switch (table.uncovered) {
      case Uncovered::kFirst:
        return f.first + PixelOffset(f, 0, y);
      case Uncovered::kLast:
        return f.last + PixelOffset(f, 0, y);
      case Uncovered::kUntouched:
        return nullptr;
    }
  }
  const Move& m = table.moves[move];
  const std::int64_t sy = std::int64_t{y} + m.oy;
  if (sy < 0 || sy >= f.Height() || x_begin + std::int64_t{m.ox} < 0 ||
      x_end + std::int64_t{m.ox} > f.Width()) {
    return nullptr;
  }
  // Row sy shifted by ox pixels: stays inside the held image for x in [x_begin, x_end).
  return (m.held == Held::kFirst ? f.first : f.last) + PixelOffset(f, 0, static_cast<int>(sy)) +
         std::int64_t{4} * m.ox;
}

void WritePiece(const EffectFrame& f, const MoveTable& table, const Piece& piece, int y,
                int x_begin, int x_end) {
  if (piece.move == piece.even_move) {
    WriteMove(f, table, piece.move, y, x_begin, x_end);
    return;
  }
  // The chessboard squares are aligned to the image, not to the tile.
  const int row_square = y / 8;
  const std::uint8_t* odd_source = MoveSource(f, table, piece.move, y, x_begin, x_end);
  const std::uint8_t* even_source = MoveSource(f, table, piece.even_move, y, x_begin, x_end);
  if (odd_source != nullptr && even_source != nullptr) {
    // Both pieces lie inside the image along the whole stretch: copy square by square straight
    // from the two shifted rows.
    std::uint8_t* out = f.out.data + PixelOffset(f, 0, y);
    for (int x = x_begin; x < x_end;) {
      const int square_end = std::min(x_end, (x / 8 + 1) * 8);
      const bool odd = ((x / 8 + row_square) & 1) != 0;
      const std::size_t at = std::size_t{4} * static_cast<std::size_t>(x);
      const std::uint8_t* source = (odd ? odd_source : even_source) + at;
      if (square_end - x == 8) {
        CopyColourSquare(out + at, source);
      } else {
        CopyColourRun(out + at, source, square_end - x);
      }
      x = square_end;
    }
    return;
  }
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
