#include "fade.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "blend_table.h"
#include "cell_bands.h"

namespace orvane::compose {
namespace {

using PatternCells = std::array<std::uint8_t, 64>;

// Each pattern as its eight rows of eight cells, row 0 (the bottom of a tile) first and each row
// from its left. Cells with 0 blend during the first half of the transition, cells with 1 during
// the second.
constexpr PatternCells Cells(std::string_view rows) {
  PatternCells cells{};
  std::size_t index = 0;
  for (char c : rows) {
    if (c != ' ') cells[index++] = c == '1' ? 1 : 0;
  }
  return cells;
}

constexpr int kFirstPattern = 2;  // PatternDots
constexpr std::array<PatternCells, 12> kPatterns = {
    // PatternDots
    Cells("10001000 00000000 00000000 00000000 10001000 00000000 00000000 00000000"),
    // PatternDotsDense
    Cells("10101010 00000000 10101010 00000000 10101010 00000000 10101010 00000000"),
    // PatternGrid
    Cells("11111111 10001000 10001000 10001000 11111111 10001000 10001000 10001000"),
    // PatternGridRotated
    Cells("10000001 01000010 00100100 00011000 00011000 00100100 01000010 10000001"),
    // PatternLineVertical
    Cells("10001000 10001000 10001000 10001000 10001000 10001000 10001000 10001000"),
    // PatternLineHorizontal
    Cells("11111111 00000000 00000000 00000000 11111111 00000000 00000000 00000000"),
    // PatternLineDiagonal
    Cells("00010000 00100000 01000000 10000000 00000001 00000010 00000100 00001000"),
    // PatternLineDiagonalRotated
    Cells("00001000 00000100 00000010 00000001 10000000 01000000 00100000 00010000"),
    // PatternChess
    Cells("11110000 11110000 11110000 11110000 00001111 00001111 00001111 00001111"),
    // PatternDashes
    Cells("10000000 01000000 00100000 00000000 00000010 00000100 00001000 00000000"),
    // PatternSpiner
    Cells("00010100 00001100 11001000 01111001 10011110 00010011 00110000 00101000"),
    // PatternThatches
    Cells("11111000 01110100 00100010 01000111 10001111 00010111 00100010 01110001"),
};

void FadeUniform(const EffectFrame& f) {
  const BlendTable blend(f.frame * 0.01, ImageByteCount(f.Width(), f.Height()) / 4);
  for (int y = 0; y < f.Height(); ++y) {
    const std::size_t row = PixelOffset(f, 0, y);
    blend.BlendRun(f.out.data + row, f.last + row, f.first + row, f.Width());
  }
}

// Under one of the two cell values the weight of the last image is a whole 0 or 1 at every
// frame (0 cells reach the last image at 50, 1 cells leave the first image only after 50), and
// trunc(0 x last + 1 x first) is `first` exactly (likewise for 1): those pixels are copied.
void FadeThroughPattern(const EffectFrame& f, const PatternCells& cells) {
  const double frame = f.frame;
  const bool first_half = frame < 50;
  const std::uint8_t blended_cell = first_half ? 0 : 1;
  const BlendTable blend(first_half ? frame * 0.02 : (frame - 50) * 0.02,
                         ImageByteCount(f.Width(), f.Height()) / 4);
  const std::uint8_t* copied = first_half ? f.first : f.last;

  // Which pixels of one tile row are copied (-1) rather than blended (0); rebuilt whenever the
  // walk enters another row of cells.
  // A tile wider than the image shows only its first `Width()` columns.
  const int tile_width = f.grid.tile_width;
  const int visible_width = std::min(tile_width, f.Width());
  std::vector<std::int32_t> copy_masks(static_cast<std::size_t>(visible_width));
  int row_in_cells = -1;
  const CellBands columns(tile_width);
  ForEachTileSpan(f, [&](const TileSpan& span) {
    const int py = CellOf(span.ty, f.grid.tile_height);
    if (py != row_in_cells) {
      row_in_cells = py;
      columns.ForEachRun(visible_width, [&](int cell, int begin, int end) {
        std::fill(copy_masks.begin() + begin, copy_masks.begin() + end,
                  cells[py * 8 + cell] == blended_cell ? 0 : -1);
      });
    }
    const std::size_t at = PixelOffset(f, span.x0, span.y);
    blend.BlendRunOrCopy(copy_masks.data(), copied + at, f.out.data + at, f.last + at, f.first + at,
                         span.count);
  });
}

}  // namespace

void Fade(const EffectFrame& frame, int pattern) {
  const int index = pattern - kFirstPattern;
  if (index >= 0 && index < static_cast<int>(kPatterns.size())) {
    FadeThroughPattern(frame, kPatterns[index]);
  } else {
    FadeUniform(frame);
  }
}

}  // namespace orvane::compose
