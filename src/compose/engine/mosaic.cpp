#include "mosaic.h"

#include <array>
#include <cstdint>

#include "cell_bands.h"
#include "wipe_runs.h"

namespace orvane::compose {
namespace {

// The rank of every cell, at py x 8 + px (row 0 at the bottom of a tile, column 0 at its left).
using OrderTable = std::array<std::uint8_t, 64>;

template <class Rank>
constexpr OrderTable ByRule(Rank rank) {
  OrderTable table{};
  for (int py = 0; py < 8; ++py) {
    for (int px = 0; px < 8; ++px) table[py * 8 + px] = static_cast<std::uint8_t>(rank(px, py));
  }
  return table;
}

// A sweep run in another direction: the cell (px, py) takes the rank the base table gives the
// cell it lands on after mirroring left-right, mirroring bottom-top, then exchanging the axes.
struct Orientation {
  bool flip_x = false;
  bool flip_y = false;
  bool swap_axes = false;
};

constexpr OrderTable Oriented(const OrderTable& base, Orientation o) {
  return ByRule([&](int px, int py) {
    const int x = o.flip_x ? 7 - px : px;
    const int y = o.flip_y ? 7 - py : py;
    return o.swap_axes ? base[x * 8 + y] : base[y * 8 + x];
  });
}

// Ranks by the distance 0 to 14 along the diagonals from the bottom-left corner.
constexpr OrderTable Diagonal(const std::array<std::uint8_t, 15>& by_distance) {
  return ByRule([&](int px, int py) { return by_distance[px + py]; });
}

constexpr std::array<std::uint8_t, 15> kDiagonal1 = {0,  4,  9,  13, 17, 21, 27, 31,
                                                     35, 39, 44, 49, 53, 58, 63};
constexpr std::array<std::uint8_t, 15> kDiagonal2 = {0,  4,  9,  13, 17, 21, 27, 31,
                                                     35, 39, 44, 49, 53, 59, 63};
constexpr std::array<std::uint8_t, 15> kDiagonal3 = {0,  4,  8,  13, 17, 21, 26, 30,
                                                     34, 39, 43, 48, 52, 57, 63};

// Rows from the bottom; each fills column by column, even rows from the left, odd ones from the
// right, all rows at once.
constexpr OrderTable kStrips =
    ByRule([](int px, int py) { return py % 2 == 0 ? 8 * px + 7 : 8 * (7 - px) + 7; });

constexpr OrderTable kDissolve = ByRule([](int px, int py) {
  constexpr int kBlock[4][4] = {
      {35, 55, 19, 59}, {47, 23, 63, 31}, {27, 51, 39, 11}, {43, 15, 7, 3}};
  return kBlock[py % 4][px % 4];
});

// Columns from the left, alternately bottom-up and top-down.
constexpr OrderTable kWallLeftToRight =
    ByRule([](int px, int py) { return px % 2 == 0 ? 8 * px + py : 8 * px + 7 - py; });

// Columns from the left, the cells of one colour of a chessboard before those of the other.
constexpr OrderTable kChessLeftToRight = ByRule(
    [](int px, int py) { return (px + py) % 2 == 0 ? 4 * px + py / 2 : 32 + 4 * px + py / 2; });

// The tables without a rule, each row from px = 0, row 0 (the bottom) first.
constexpr OrderTable kSpiralIn = {
    0,  1,  2,  3,  4,  5,  6,  7,   //
    27, 28, 29, 30, 31, 32, 33, 8,   //
    26, 47, 48, 49, 50, 51, 34, 9,   //
    25, 46, 59, 60, 61, 52, 35, 10,  //
    24, 45, 58, 63, 62, 53, 36, 11,  //
    23, 44, 57, 56, 55, 54, 37, 12,  //
    22, 43, 42, 41, 40, 39, 38, 13,  //
    21, 20, 19, 18, 17, 16, 15, 14,  //
};

constexpr OrderTable kSpiralOut = {
    42, 43, 44, 45, 46, 47, 48, 49,  //
    41, 20, 21, 22, 23, 24, 25, 50,  //
    40, 19, 6,  7,  8,  9,  26, 51,  //
    39, 18, 5,  0,  1,  10, 27, 52,  //
    38, 17, 4,  3,  2,  11, 28, 53,  //
    37, 16, 15, 14, 13, 12, 29, 54,  //
    36, 35, 34, 33, 32, 31, 30, 55,  //
    63, 62, 61, 60, 59, 58, 57, 56,  //
};

// Ranks 0 to 64 without 52: the cell of rank 64 switches only with the last image's early copy.
constexpr OrderTable kClockwise = {
    9,  6,  5,  3,  64, 63, 60, 58,  //
    10, 8,  4,  2,  62, 59, 57, 55,  //
    13, 12, 7,  1,  61, 56, 54, 53,  //
    15, 14, 11, 0,  48, 49, 50, 51,  //
    16, 17, 19, 26, 36, 45, 46, 47,  //
    18, 20, 22, 29, 34, 39, 42, 44,  //
    21, 23, 27, 30, 32, 37, 40, 43,  //
    24, 25, 28, 31, 33, 35, 38, 41,  //
};

constexpr OrderTable kCounterClockwise = {
    60, 61, 63, 3,  5,  6,  9,  12,  //
    57, 59, 62, 2,  4,  8,  11, 13,  //
    55, 56, 58, 1,  7,  10, 15, 16,  //
    54, 53, 52, 0,  14, 17, 18, 19,  //
    51, 50, 48, 34, 24, 22, 20, 21,  //
    49, 46, 43, 37, 31, 27, 25, 23,  //
    47, 44, 41, 38, 35, 32, 28, 26,  //
    45, 42, 40, 39, 36, 33, 30, 29,  //
};

// A fixed scattered order: the same frame always gives the same picture.
constexpr OrderTable kRandom = {
    0,  54, 48, 13, 61, 5,  51, 45,  //
    24, 29, 4,  33, 44, 25, 9,  20,  //
    43, 63, 37, 55, 17, 30, 40, 56,  //
    21, 14, 23, 10, 27, 12, 2,  32,  //
    38, 53, 34, 47, 1,  62, 46, 8,   //
    59, 7,  57, 22, 39, 18, 36, 41,  //
    15, 42, 16, 60, 11, 50, 31, 19,  //
    49, 28, 3,  35, 58, 26, 6,  52,  //
};

// Indexed by MosaicType - 1.
constexpr std::array<OrderTable, 19> kOrders = {
    kSpiralIn,                                             // MosaicTypeSpiralIn
    kSpiralOut,                                            // MosaicTypeSpiralOut
    kStrips,                                               // MosaicTypeStrips
    kDissolve,                                             // MosaicTypeDissolve
    kClockwise,                                            // MosaicTypeClockwise
    kCounterClockwise,                                     // MosaicTypeCounterClockwise
    kRandom,                                               // MosaicTypeRandom
    Oriented(Diagonal(kDiagonal1), {false, true, false}),  // MosaicTypeLeftTopToRightBottom
    Oriented(Diagonal(kDiagonal2), {true, true, false}),   // MosaicTypeRightTopToLeftBottom
    Oriented(Diagonal(kDiagonal2), {true, false, false}),  // MosaicTypeRightBottomToLeftTop
    Diagonal(kDiagonal3),                                  // MosaicTypeLeftBottomToRightTop
    kWallLeftToRight,                                      // MosaicTypeWallLeftToRight
    Oriented(kWallLeftToRight, {true, false, false}),      // MosaicTypeWallRightToLeft
    Oriented(kWallLeftToRight, {false, true, true}),       // MosaicTypeWallTopToBottom
    Oriented(kWallLeftToRight, {false, false, true}),      // MosaicTypeWallBottomToTop
    kChessLeftToRight,                                     // MosaicTypeChessLeftToRight
    Oriented(kChessLeftToRight, {true, false, false}),     // MosaicTypeChessRightToLeft
    Oriented(kChessLeftToRight, {false, true, true}),      // MosaicTypeChessTopToBottom
    Oriented(kChessLeftToRight, {false, false, true}),     // MosaicTypeChessBottomToTop
};

constexpr OrderTable kAllAtOnce{};  // every cell rank 0

}  // namespace

void Mosaic(const EffectFrame& f, int mosaic) {
  const OrderTable& order =
      mosaic >= 1 && mosaic <= static_cast<int>(kOrders.size()) ? kOrders[mosaic - 1] : kAllAtOnce;
  // Cells ranked below k show the last image: none below frame 1/0.63, at most ranks 0 to 61.
  const int k = static_cast<int>(f.frame * 0.63);
  const int tile_width = f.grid.tile_width, tile_height = f.grid.tile_height;
  const CellBands columns(tile_width);
  WipeByRows(f, [&](int ty) {
    const int py = CellOf(ty, tile_height);
    LastRuns runs;
    columns.ForEachRun(tile_width, [&](int px, int begin, int end) {
      if (order[py * 8 + px] < k) runs.Add({begin, end});
    });
    return runs;
  });
}

}  // namespace orvane::compose
