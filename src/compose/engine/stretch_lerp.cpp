#include "stretch_lerp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace orvane::compose {
namespace {

constexpr std::int64_t kOne = std::int64_t{1} << LerpWeight::kShift;

// Why the integer form holds. With d = p1 - p0 the exact sum of the two products is
// p0 + a x d + p0 x ((1 - a) rounded - (1 - a)), and the definition's three roundings and that
// last term move it by less than 6 x 2^-46 (every value stays below 512). So wherever a x d
// keeps 2^-43 clear of whole numbers, the defined byte is p0 + floor(a x d) whatever p0 is.
// A weight W = round(a x 2^23) errs by at most 2^-24, so d x W / 2^23 errs by less than 1.6e-5
// for |d| <= 255: where no a x d comes that close to a whole number, the form with W and no
// rounding term is exact. Where some do (a near a fraction with a small denominator), the 510
// quotients floor(a x d) bound an integer weight and rounding term by linear inequalities, which
// a few weights next to the nearest are tried against. Where a x d is within 2^-43 of a whole
// number the roundings decide, and the result can depend on p0: such weights keep to the
// definition. Equal bytes (d = 0) must give the byte itself, which is checked for all 256.
constexpr double kNear = 1.6e-5;
constexpr double kRoundingDecides = 0x1p-43;

// Rounds 0 <= x < 2^52 to the nearest whole number: adding 2^52 leaves no fraction bits.
double Nearest(double x) {
  constexpr double kNoFraction = 0x1p52;
  return (x + kNoFraction) - kNoFraction;
}

// How close a x d comes to a whole number for 1 <= d <= 255, for a = numerator / 2^52 (every
// fraction of a position of 1 or more is such a number): exactly, in units of 2^-52. The closest
// approach over d below a bound is made by the last convergent of a's continued fraction whose
// denominator is within the bound (convergents are the best approximations), so a few steps of
// Euclid's algorithm on exact integers decide it.
std::int64_t ClosestApproach(std::int64_t numerator) {
  constexpr std::int64_t kDenominator = std::int64_t{1} << 52;
  std::int64_t p_before = 0, p_last = 1;  // convergents' numerators
  std::int64_t q_before = 1, q_last = 0;  // and denominators
  std::int64_t best_p = 0, best_q = 1;
  std::int64_t n = numerator, m = kDenominator;
  while (m != 0) {
    const std::int64_t quotient = n / m;
    const std::int64_t p = quotient * p_last + p_before;
    const std::int64_t q = quotient * q_last + q_before;
    if (q > 255) break;
    best_p = p;
    best_q = q;
    p_before = p_last;
    p_last = p;
    q_before = q_last;
    q_last = q;
    const std::int64_t remainder = n - quotient * m;
    n = m;
    m = remainder;
  }
  return std::abs(best_q * numerator - best_p * kDenominator);
}

// The same by trying every d, for fractions with more than 52 bits (positions below 1).
double ClosestApproach(const std::array<double, 256>& a_times) {
  double closest = 1.0;
  for (int d = 1; d < 256; ++d) {
    const double distance = std::abs(a_times[d] - Nearest(a_times[d]));
    closest = distance < closest ? distance : closest;
  }
  return closest;
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

  const double rest = w.rest_;
  int equal_pairs_differ = 0;  // a whole scan without early exit, which vectorises
  for (int p = 0; p < 256; ++p) equal_pairs_differ |= static_cast<int>(p * a + p * rest) ^ p;
  if (equal_pairs_differ != 0) return w;

  std::array<double, 256> up{};  // p x a as the definition rounds it, where needed below
  const double scaled_52 = a * 0x1p52;
  const bool whole_52 = scaled_52 == Nearest(scaled_52);
  if (!whole_52) {
    for (int p = 0; p < 256; ++p) up[p] = p * a;
  }
  const double closest =
      whole_52
          ? static_cast<double>(ClosestApproach(static_cast<std::int64_t>(scaled_52))) * 0x1p-52
          : ClosestApproach(up);
  if (closest <= kRoundingDecides) return w;
  const auto nearest = static_cast<std::int64_t>(Nearest(scaled));
  if (closest > kNear) {
    w.SetForm(static_cast<std::int32_t>(nearest), 0);
    return w;
  }

  // floor(a x d): exact from the integer numerator, or from the rounded product, which keeps
  // more than 2^-43 from whole numbers here and so has the same floor.
  std::array<std::int64_t, 256> below{};
  for (int d = 1; d < 256; ++d) {
    if (whole_52) {
      below[d] = (d * static_cast<std::int64_t>(scaled_52)) >> 52;
    } else {
      const double whole = Nearest(up[d]);
      below[d] = static_cast<std::int64_t>(whole > up[d] ? whole - 1 : whole);
    }
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
