#include "stretch_lerp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvane::compose {
namespace {

constexpr std::int64_t kOne = std::int64_t{1} << LerpWeight::kShift;

// Why the integer form holds. With d = p1 - p0 the exact sum of the two products is
// p0 + a x d + p0 x ((1 - a) rounded - (1 - a)), and the definition's three roundings move it by
// less than 2^-43 (every value stays below 512). So wherever a x d keeps more than 2^-42 clear of
// whole numbers, the defined byte is p0 + floor(a x d) whatever p0 is. A weight W = round(a x
// 2^23) errs by at most 2^-24, so d x W / 2^23 errs by less than 1.6e-5 for |d| <= 255: where no
// a x d comes that close to a whole number, the form with W and no rounding term is exact. Where
// some do (a near a fraction with a small denominator), the 510 quotients floor(a x d) bound an
// integer weight and rounding term by linear inequalities, which a few weights next to the
// nearest are tried against. Where a x d is within 2^-39 of a whole number the roundings decide
// and the result can depend on p0: such weights keep to the definition.
constexpr double kNear = 1.6e-5;
constexpr double kRoundingDecides = 0x1p-43;

// Rounds 0 <= x < 2^51 to the nearest whole number: adding 2^52 leaves no fraction bits.
double Nearest(double x) {
  constexpr double kNoFraction = 0x1p52;
  return (x + kNoFraction) - kNoFraction;
}

}  // namespace

LerpWeight LerpWeight::For(double a) {
  LerpWeight w;
  w.a_ = a;
  w.rest_ = 1 - a;
  if (a == 0) {
    // The definition gives p0. With W = 1 the sum is p0 x 2^23 + (p1 - p0), and a rounding term
    // of 255 keeps it within p0's step for every p1.
    w.SetForm(1, 255);
    return w;
  }
  const double scaled = a * static_cast<double>(kOne);
  if (scaled == Nearest(scaled)) {
    // a has at most 23 fraction bits: every product and sum of the definition is exact.
    w.SetForm(static_cast<std::int32_t>(scaled), 0);
    return w;
  }

  std::array<double, 256> up, down;  // p x a and p x (1 - a), as the definition rounds them
  for (int p = 0; p < 256; ++p) {
    up[p] = p * a;
    down[p] = p * w.rest_;
  }
  // Pairs of equal bytes must give the byte itself, and no a x d may come so close to a whole
  // number that the roundings decide. (Whole scans without early exits, which vectorise.)
  int equal_pairs_differ = 0;
  for (int p = 0; p < 256; ++p) equal_pairs_differ |= static_cast<int>(up[p] + down[p]) ^ p;
  std::array<double, 256> distance;  // of a x d from the nearest whole number
  for (int d = 0; d < 256; ++d) distance[d] = std::abs(up[d] - Nearest(up[d]));
  std::int64_t near_whole = 0, rounding_decides = 0;
  for (int d = 1; d < 256; ++d) {
    near_whole += distance[d] <= kNear ? 1 : 0;
    rounding_decides += distance[d] <= kRoundingDecides ? 1 : 0;
  }
  if (equal_pairs_differ != 0 || rounding_decides != 0) return w;
  const auto nearest = static_cast<std::int64_t>(Nearest(scaled));
  if (near_whole == 0) {
    w.SetForm(static_cast<std::int32_t>(nearest), 0);
    return w;
  }

  std::array<std::int64_t, 256> below{};  // floor(a x d)
  for (int d = 1; d < 256; ++d) {
    const double whole = Nearest(up[d]);
    below[d] = static_cast<std::int64_t>(whole > up[d] ? whole - 1 : whole);
  }
  for (const std::int64_t weight : {nearest, nearest - 1, nearest + 1, nearest - 2, nearest + 2}) {
    if (weight < 1 || weight >= kOne) continue;
    // quotient x 2^23 <= d x weight + rounding < (quotient + 1) x 2^23 for every d; d = 0
    // asks 0 <= rounding < 2^23.
    std::int64_t low = 0, high = kOne;
    for (int d = 1; d < 256; ++d) {
      low = std::max(low, below[d] * kOne - d * weight);
      high = std::min(high, (below[d] + 1) * kOne - d * weight);
      const std::int64_t negative = -below[d] - 1;  // floor(-a x d): a x d is not whole
      low = std::max(low, negative * kOne + d * weight);
      high = std::min(high, (negative + 1) * kOne + d * weight);
    }
    if (low < high) {
      w.SetForm(static_cast<std::int32_t>(weight), static_cast<std::int32_t>(low));
      return w;
    }
  }
  return w;
}

void LerpWeight::SetForm(std::int32_t weight, std::int32_t rounding) {
  const std::int32_t other = static_cast<std::int32_t>(kOne) - weight;
  const auto pair = [](std::int32_t p1_weight, std::int32_t p0_weight) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p0_weight) << 16 |
                                     static_cast<std::uint32_t>(p1_weight));
  };
  integer_ = true;
  high_pair_ = pair(weight >> 8, other >> 8);
  low_pair_ = pair(weight & 0xFF, other & 0xFF);
  rounding_ = rounding;
}

}  // namespace orvane::compose
