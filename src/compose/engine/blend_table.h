// trunc(a x last + (1 - a) x first) for byte pairs at one weight a, by table lookup.
#pragma once

#include <array>
#include <cstdint>

namespace orvane::compose {

// The two products are looked up rather than recomputed, which yields the very same doubles
// (each is one rounded multiplication of the same operands) and leaves one addition and one
// truncation per byte.
class BlendTable {
 public:
  explicit BlendTable(double a) {
    for (int v = 0; v < 256; ++v) {
      last_term_[v] = a * v;
      first_term_[v] = (1 - a) * v;
    }
  }

  std::uint8_t operator()(std::uint8_t last, std::uint8_t first) const {
    return static_cast<std::uint8_t>(last_term_[last] + first_term_[first]);
  }

  // Blends the colour bytes of `count` consecutive pixels; fourth bytes are left alone.
  void BlendRun(std::uint8_t* out, const std::uint8_t* last, const std::uint8_t* first,
                int count) const {
    for (int i = 0; i < count * 4; i += 4) {
      out[i + 2] = (*this)(last[i + 2], first[i + 2]);
      out[i + 1] = (*this)(last[i + 1], first[i + 1]);
      out[i] = (*this)(last[i], first[i]);
    }
  }

 private:
  std::array<double, 256> last_term_;
  std::array<double, 256> first_term_;
};

}  // namespace orvane::compose
