// The bilinear sampler along a line: where one of the two fractions of a sample position is 0,
// SampleBilinear's four terms reduce exactly (every dropped term is a product with 0, every
// kept factor 1 - 0 is exactly 1) to trunc(p1 x a + p0 x (1 - a)), with a the other fraction,
// p0 the byte at the position's cell and p1 the byte of the next cell along the line. This is
// that reduced form for one fraction, and where possible an integer form giving the same bytes
// for all 65536 byte pairs, which SSE2 evaluates four pixels at a time.
#pragma once

#include <cstdint>

namespace orvane::compose {

class LerpWeight {
 public:
  static constexpr int kShift = 23;

  LerpWeight() = default;
  static LerpWeight For(double a);

  // The defined byte: both products rounded, summed, truncated.
  std::uint8_t operator()(int p1, int p0) const {
    return static_cast<std::uint8_t>(p1 * a_ + p0 * rest_);
  }

  double Fraction() const { return a_; }
  double Rest() const { return rest_; }

  // Whether (p1 x W + p0 x (2^23 - W) + R) >> 23 gives the defined byte for every pair.
  bool HasIntegerForm() const { return integer_; }

  // The integer form as SSE2 multiply-add operands: W and 2^23 - W split into their high bits
  // (>> 8) and their low 8 bits, each pair packed as two 16-bit lanes (p1's weight low).
  std::int32_t HighPair() const { return high_pair_; }
  std::int32_t LowPair() const { return low_pair_; }
  std::int32_t Rounding() const { return rounding_; }

  // The byte by the integer form (only meaningful when HasIntegerForm()).
  int Integer(int p1, int p0) const {
    return IntegerForm(p1, p0, high_pair_, low_pair_, rounding_);
  }

  // The integer form for operands packed as above.
  static int IntegerForm(int p1, int p0, std::int32_t high_pair, std::int32_t low_pair,
                         std::int32_t rounding) {
    const std::int32_t high = p1 * (high_pair & 0xFFFF) + p0 * (high_pair >> 16);
    const std::int32_t low = p1 * (low_pair & 0xFFFF) + p0 * (low_pair >> 16);
    return ((high << 8) + low + rounding) >> kShift;
  }

 private:
  void SetForm(std::int32_t weight, std::int32_t rounding);

  double a_ = 0.0;
  double rest_ = 1.0;
  bool integer_ = false;
  std::int32_t high_pair_ = 0;
  std::int32_t low_pair_ = 0;
  std::int32_t rounding_ = 0;
};

}  // namespace orvane::compose
