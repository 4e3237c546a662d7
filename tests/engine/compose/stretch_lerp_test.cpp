#include "stretch_lerp.h"

#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "stretch_lines.h"

namespace orvane::compose {
namespace {

// Fractions as the stretch positions produce them: random ones, ones next to fractions with
// small denominators (at several magnitudes of the position, which leave them more or fewer
// bits), tiny ones and ones just below 1, and the exact ones.
std::vector<double> Fractions() {
  std::vector<double> fractions = {0.0,     0.5,   0.25, 0.375, 1.0 / 1024, 0x1p-23,
                                   0x1p-24, 1e-17, 1e-9, 2e-5,  1 - 1e-9,   1 - 0x1p-40,
                                   0.9999,  0.1,   0.2,  0.3};
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 200; ++i) fractions.push_back(unit(rng));
  for (double magnitude : {0.0, 1.0, 37.0, 1000.0, 123456.0}) {
    for (int q = 2; q <= 12; ++q) {
      for (int p = 1; p < q; ++p) {
        const double position = magnitude + static_cast<double>(p) / q;
        fractions.push_back(position - std::floor(position));
        const double scaled = (magnitude * q + p) * (1.0 / q);  // another rounding of it
        fractions.push_back(scaled - std::floor(scaled));
      }
    }
  }
  return fractions;
}

TEST(LerpWeight, IntegerFormGivesTheDefinedByteForEveryPair) {
  for (double a : Fractions()) {
    const LerpWeight w = LerpWeight::For(a);
    for (int p1 = 0; p1 < 256; ++p1) {
      for (int p0 = 0; p0 < 256; ++p0) {
        const int defined = static_cast<std::uint8_t>(p1 * a + p0 * (1 - a));
        ASSERT_EQ(w(p1, p0), defined) << "a " << a;
        if (w.HasIntegerForm()) {
          ASSERT_EQ(w.Integer(p1, p0), defined) << "a " << a << " pair " << p1 << ", " << p0;
        }
      }
    }
  }
}

TEST(LerpWeight, FractionsOfGeneralPositionsHaveIntegerForms) {
  // The forms are what makes the line kernels fast. A fraction without one lies close to a
  // fraction with a denominator below 256, or (only for positions below 1, whose fractions keep
  // all 53 bits) makes some pair of equal bytes round down.
  std::mt19937_64 rng(6);
  std::uniform_real_distribution<double> positions(1.0, 4096.0);
  int without_form = 0;
  for (int i = 0; i < 2000; ++i) {
    const double position = positions(rng);
    without_form += !LerpWeight::For(position - std::floor(position)).HasIntegerForm();
  }
  EXPECT_LT(without_form, 20);
  for (double a : {0.0, 0.5, 0.375, 0x1p-23}) {
    EXPECT_TRUE(LerpWeight::For(a).HasIntegerForm()) << a;
  }
}

TEST(LerpWeight, VectorKernelsGiveTheDefinedBytesAndKeepTheFourthByte) {
  std::mt19937 rng(11);
  const int count = 37;  // four-pixel groups and a tail
  std::vector<std::uint8_t> upper(4 * count), lower(4 * (count + 3)), out(4 * count);
  for (auto* bytes : {&upper, &lower, &out}) {
    for (auto& b : *bytes) b = static_cast<std::uint8_t>(rng());
  }
  // Weights with and without integer forms, and a row of columns mixing them.
  const double weights[] = {0.0, 0.5, 0.7071, 37.123456 - 37, 1.0 / 3, 0.3};
  EXPECT_FALSE(LerpWeight::For(1.0 / 3).HasIntegerForm());
  EXPECT_TRUE(LerpWeight::For(0.7071).HasIntegerForm());
  for (double a : weights) {
    const LerpWeight w = LerpWeight::For(a);
    auto rows = out;
    LerpRows(rows.data(), upper.data(), lower.data(), count, w);
    for (int i = 0; i < 4 * count; ++i) {
      const int expected = i % 4 == 3 ? out[i] : w(upper[i], lower[i]);
      ASSERT_EQ(rows[i], expected) << "a " << a << ", byte " << i;
    }
  }
  // Along a row: column x's cell is pixel x + x mod 3 of `lower`, its weight one of the above.
  std::vector<ColumnForm> forms(count);
  for (int x = 0; x < count; ++x) {
    const double a = weights[x % std::size(weights)];
    forms[x] = ColumnForm::Of(4 * (x + x % 3), a, LerpWeight::For(a));
  }
  auto columns = out;
  LerpColumns(columns.data(), lower.data(), forms.data(), 0, count);
  for (int x = 0; x < count; ++x) {
    const LerpWeight w = LerpWeight::For(weights[x % std::size(weights)]);
    const int cell = 4 * (x + x % 3);
    for (int c = 0; c < 3; ++c) {
      ASSERT_EQ(columns[4 * x + c], w(lower[cell + 4 + c], lower[cell + c])) << "at " << x;
    }
    ASSERT_EQ(columns[4 * x + 3], out[4 * x + 3]);
  }
}

}  // namespace
}  // namespace orvane::compose
