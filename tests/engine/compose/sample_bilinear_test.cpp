#include "sample_bilinear.h"

#include <gtest/gtest.h>

#include "compose_test_support.h"

namespace orvane::compose {
namespace {

// A 4 x 3 image whose channel 1 holds 10 x column + 100 x row, so every sample names its cell.
testing::Bytes Ramp() {
  testing::Bytes image(ImageByteCount(4, 3));
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) image[ImageByteCount(4, y) + x * 4u + 1] = 10 * x + 100 * y;
  }
  return image;
}

TEST(SampleBilinear, LastColumnAndTopRowStepBackAndOutsideIsZero) {
  const auto image = Ramp();
  struct Case {
    double x;
    double y;
    int expected;
  } const cases[] = {
      {0.0, 0.0, 0},   {1.0, 1.0, 110}, {1.5, 0.0, 15},
      {1.25, 0.5, 62}, {3.0, 1.0, 120},  // w - 1: column 2 with fraction 0
      {3.5, 1.0, 125},                   // w - 0.5: the truncated mean of columns 2 and 3
      {4.0, 1.0, 0},                     // w: outside
      {-0.5, 1.0, 0},                    // left of the image
      {1.0, 2.0, 110},                   // top row: the row below, fraction 0
      {1.0, 2.5, 160},  // half a row above the top row's centre: mean of rows 1 and 2
      {1.0, 3.0, 0},    // above the image
      {0.0, -0.25, 0},  // below the image
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SampleBilinear(c.x, c.y, image.data(), 4, 3, 1), c.expected)
        << "at (" << c.x << ", " << c.y << ")";
  }
}

TEST(SampleBilinear, SumsTheFourTermsInTheStatedOrderAndTruncates) {
  const auto image = testing::RandomImage(5, 5, 3);
  for (double x = 0.0; x < 5.0; x += 0.37) {
    for (double y = 0.0; y < 5.0; y += 0.41) {
      int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
      const double fx = x - ix, fy = y - iy;
      if (ix == 4) ix = 3;
      if (iy == 4) iy = 3;
      for (int c = 0; c < 3; ++c) {
        auto p = [&](int i, int j) { return static_cast<double>(image[(j * 5 + i) * 4 + c]); };
        const double v = p(ix + 1, iy + 1) * fy * fx + p(ix, iy + 1) * (1 - fx) * fy +
                         p(ix + 1, iy) * (1 - fy) * fx + p(ix, iy) * (1 - fy) * (1 - fx);
        ASSERT_EQ(SampleBilinear(x, y, image.data(), 5, 5, c), static_cast<int>(v))
            << x << ", " << y << ", channel " << c;
      }
    }
  }
}

}  // namespace
}  // namespace orvane::compose
