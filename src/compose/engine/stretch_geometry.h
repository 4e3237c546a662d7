// The geometry of the stretch transitions along one axis of a tile: the real-valued travel
// amounts, and the source coordinate each table row gives a tile position. Every stretch type
// is one or two of these per axis; the pixel decides from its column's and its row's results.
#pragma once

#include <cstdint>

namespace orvane::compose {

// The travel amounts along one axis (the tile's width or height n), in double precision and
// never truncated.
struct StretchAxis {
  int n;
  double last;    // n - 1: the last position of a tile (Wm, Hm)
  double travel;  // (last x frame) x 0.01: travel so far (DX, DY)
  double half;    // (last x frame) x 0.005: half of it (HX, HY)
  double rest;    // ((100 - frame) x last) x 0.005: half of the travel still to go (RX, RY)
  double middle;  // last x 0.5: the middle of a tile (CX, CY)

  static StretchAxis For(int n, double frame) {
    const double last = n - 1;
    return {
        n,         last, last * frame * 0.01, last * frame * 0.005, (100 - frame) * last * 0.005,
        last * 0.5};
  }
};

// The divisor guard: a span narrower than one pixel divides by 1.
inline double Guard(double v) { return v >= 1 ? v : 1; }

// The table row that holds for a tile position, and the source coordinate it gives.
struct AxisSource {
  int row;
  double position;
};

// Every function below takes the position t within the tile and the tile's origin along the
// axis, and tests its rows in the stated order. The integer products (n - 1) x t and the
// differences t - (n - 1) are exact integers (formed in 64 bits, so a tile far larger than the
// image cannot overflow them) before they meet a real value.

// Entering from the low end (SideTypeLeftToRight along x, SideTypeBottomToTop along y):
// row 0 (last image) where t <= travel, row 1 (first image) elsewhere.
inline AxisSource SideFromLow(const StretchAxis& a, int t, int origin) {
  if (t <= a.travel) {
    return {0, static_cast<double>(std::int64_t{a.n - 1} * t) / Guard(a.travel) + origin};
  }
  return {1, (t - a.travel) / Guard(a.last - a.travel) * a.last + origin};
}

// Entering from the high end (SideTypeRightToLeft along x, SideTypeTopToBottom along y):
// row 0 (last image) where t >= last - travel, row 1 (first image) elsewhere.
inline AxisSource SideFromHigh(const StretchAxis& a, int t, int origin) {
  if (t >= a.last - a.travel) {
    const auto from_end = static_cast<double>(std::int64_t{t} - (a.n - 1));
    return {0, (from_end + a.travel) / Guard(a.travel) * a.last + origin};
  }
  return {1, static_cast<double>(std::int64_t{a.n - 1} * t) / Guard(a.last - a.travel) + origin};
}

// DoorTypeVerticalIn along y, DoorTypeHorizontalIn along x: rows 0 and 2 take the last image's
// halves into the outer bands, rows 1 and 3 the first image's halves into the inner ones.
inline AxisSource DoorIn(const StretchAxis& a, int t, int origin) {
  if (t <= a.half) return {0, t / Guard(a.half) * a.middle + origin};
  if (t <= a.middle) return {1, (t - a.half) / Guard(a.middle - a.half) * a.middle + origin};
  if (t >= a.last - a.half) {
    const auto from_end = static_cast<double>(std::int64_t{t} - (a.n - 1));
    return {2, (from_end + a.half) / Guard(a.half) * a.middle + origin + a.middle};
  }
  return {3, (t - a.middle) / Guard(a.middle - a.half) * a.middle + origin + a.middle};
}

// DoorTypeVerticalOut along y, DoorTypeHorizontalOut along x: rows 0 and 1 take the first
// image's halves into the outer bands, rows 2 and 3 the last image's halves into the inner ones.
inline AxisSource DoorOut(const StretchAxis& a, int t, int origin) {
  if (t <= a.rest) return {0, t / Guard(a.rest) * a.middle + origin};
  if (t >= a.last - a.rest) {
    const auto from_end = static_cast<double>(std::int64_t{t} - (a.n - 1));
    return {1, ((from_end + a.rest) / Guard(a.rest) + 1) * a.middle + origin};
  }
  if (t <= a.middle) return {2, (t - a.rest) / Guard(a.middle - a.rest) * a.middle + origin};
  return {3, (t - a.middle) / Guard(a.middle - a.rest) * a.middle + origin + a.middle};
}

// One side of the centred box of StretchCenter, inset by `inset` (half for CenterTypeBoxIn,
// rest for CenterTypeBoxOut) from both ends: row 0 inside the box, row 1 outside.
inline AxisSource Box(const StretchAxis& a, double inset, int t, int origin) {
  const bool inside = inset <= t && t <= a.last - inset;
  return {inside ? 0 : 1, (t - inset) / Guard(a.last - 2 * inset) * a.last + origin};
}

}  // namespace orvane::compose
