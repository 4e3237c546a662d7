// The stretch pass's kernels for sample positions on a line (one fraction 0), four pixels at a
// time: a weight with an integer form runs it; a weight without one runs the definition's double
// arithmetic, the same operations on the same operands, two channels per instruction.
#pragma once

#include <cstdint>

#include "stretch_lerp.h"

namespace orvane::compose {

// Colour bytes of `count` pixels: each byte is `w` of the bytes at the same offset of `upper`
// (p1, the row above the cell) and `lower` (p0). Fourth bytes are kept.
void LerpRows(std::uint8_t* out, const std::uint8_t* upper, const std::uint8_t* lower, int count,
              const LerpWeight& w);

// One column's weight along a row: the byte offset of its cell in the row and its weight, the
// operands repeated over the channel lanes so the vector loop only loads them.
struct alignas(16) ColumnForm {
  std::int32_t high_pair[4];
  std::int32_t low_pair[4];
  std::int32_t rounding[4];
  double fraction[2];
  double rest[2];
  std::int32_t offset;
  std::int32_t by_definition;  // 1 for a weight without an integer form

  // A column used only with both fractions in play: no integer form needed.
  static ColumnForm Of(std::int32_t offset, double fraction) {
    ColumnForm form{};
    form.fraction[0] = form.fraction[1] = fraction;
    form.rest[0] = form.rest[1] = 1 - fraction;
    form.offset = offset;
    form.by_definition = 1;
    return form;
  }

  static ColumnForm Of(std::int32_t offset, double fraction, const LerpWeight& w) {
    ColumnForm form{};
    for (int lane = 0; lane < 4; ++lane) {
      form.high_pair[lane] = w.HighPair();
      form.low_pair[lane] = w.LowPair();
      form.rounding[lane] = w.Rounding();
    }
    form.fraction[0] = form.fraction[1] = fraction;
    form.rest[0] = form.rest[1] = 1 - fraction;
    form.offset = offset;
    form.by_definition = w.HasIntegerForm() ? 0 : 1;
    return form;
  }
};

// Colour bytes of the pixels [begin, end) of `out_row`: pixel x takes form x's weight of the
// bytes of `source_row` at its cell (p0) and the next pixel (p1). Fourth bytes are kept.
void LerpColumns(std::uint8_t* out_row, const std::uint8_t* source_row, const ColumnForm* forms,
                 int begin, int end);

// Colour bytes of the pixels [begin, end) of `out_row` by SampleBilinear's four terms, in their
// order: pixel x samples the cell at form x's offset in `lower` (row iy) and `upper` (row
// iy + 1) with form x's fraction and the row's fraction `fy`. Only the forms' offsets and
// fractions are read. Fourth bytes are kept.
void BilinearColumns(std::uint8_t* out_row, const std::uint8_t* lower, const std::uint8_t* upper,
                     const ColumnForm* forms, double fy, int begin, int end);

}  // namespace orvane::compose
