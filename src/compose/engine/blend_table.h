// trunc(a x last + (1 - a) x first) for the colour bytes of pixel runs, at one weight a.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane::compose {

class BlendTable {
 public:
  // `pixels` is how many pixels the table will blend; for large images without an integer form
  // (see the .cpp) a table of all 65536 byte pairs is worth building.
  explicit BlendTable(double a, std::size_t pixels = 0);

  // The defined blend of one byte pair, by looking up the two products: they are the very
  // same doubles the definition computes (each one rounded multiplication of the same
  // operands), which leaves one addition and one truncation.
  std::uint8_t operator()(std::uint8_t last, std::uint8_t first) const {
    return static_cast<std::uint8_t>(last_term_[last] + first_term_[first]);
  }

  // Blends the colour bytes of `count` consecutive pixels; fourth bytes are left alone.
  void BlendRun(std::uint8_t* out, const std::uint8_t* last, const std::uint8_t* first,
                int count) const;

  // The same, except that pixels whose entry of `copy_masks` is -1 (all bits set) rather than 0
  // take the colour bytes of `copied` instead of the blend.
  void BlendRunOrCopy(const std::int32_t* copy_masks, const std::uint8_t* copied, std::uint8_t* out,
                      const std::uint8_t* last, const std::uint8_t* first, int count) const;

  // The blend as integer arithmetic, where one exists for the weight:
  // (last x weight + first x (2^15 - weight) + rounding) >> 15, except for pairs of equal
  // bytes, whose results are listed.
  struct IntegerForm {
    bool exists = false;
    bool equal_pairs_differ = false;
    std::int16_t weight = 0;
    std::int32_t rounding = 0;
    std::array<std::uint8_t, 256> equal_pair{};
  };

 private:
  // Blends one pixel's colour bytes without the integer form.
  void BlendPixel(std::uint8_t* out, const std::uint8_t* last, const std::uint8_t* first) const;

  std::array<double, 256> last_term_;
  std::array<double, 256> first_term_;
  IntegerForm integer_;
  std::vector<std::uint8_t> by_pair_;  // last x 256 + first -> blend, when built
};

}  // namespace orvane::compose
