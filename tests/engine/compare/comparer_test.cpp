// The comparer's behaviour on the cases that pin each stage down.
#include "comparer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "compare_test_support.h"

namespace orvane::compare {

void PrintTo(const ContentRect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

using testing::Bytes;
using testing::Image;
using testing::RandomImage;
using testing::UniformImage;

Bytes DifferenceBytes(const Comparer& comparer) {
  return Bytes(comparer.Difference(),
               comparer.Difference() +
                   ImageByteCount(comparer.DifferenceWidth(), comparer.DifferenceHeight()));
}

int GreyAt(const Comparer& comparer, int x, int y) {
  return comparer.Difference()[ImageByteCount(comparer.DifferenceWidth(), y) + 4 * x];
}

Comparer WithOptions(CompareOptions options) {
  Comparer comparer;
  comparer.Options() = options;
  return comparer;
}

TEST(Comparer, IdenticalImagesAreEqualBelowAnyPositiveLevel) {
  const Image image = RandomImage(13, 7, 1);
  const struct {
    double level;
    bool equal;
  } rows[] = {{0.0, false}, {-5.0, false}, {1e-300, true},
              {3.0, true},  {250.0, true}, {std::numeric_limits<double>::quiet_NaN(), false}};
  for (int preset = PresetDefault; preset <= PresetCheckAll; ++preset) {
    for (const auto& row : rows) {
      Comparer comparer;
      comparer.Preset(preset);
      comparer.Options().check_level = row.level;
      EXPECT_EQ(comparer.Measure(image.Input(), image.Input()), 0.0);
      EXPECT_EQ(comparer.Compare(image.Input(), image.Input()), row.equal)
          << "preset " << preset << " level " << row.level;
    }
  }
}

// One pixel's green byte 30 higher: a lightness difference of 17.7, grey 18. Alone it touches
// only zeros, so the erosion clears it wherever it lies; without the erosion it counts (18 > 15)
// as one pixel of the 6 x 5.
TEST(Comparer, ALoneDifferenceIsNoiseWhereverItLies) {
  const Image base = UniformImage(6, 5, 90, 100, 110);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      Image changed = base;
      changed.Pixel(x, y)[1] = 130;
      const std::string at = std::to_string(x) + ", " + std::to_string(y);

      Comparer with_noise;  // PresetDefault, borders off
      with_noise.Options().check_borders = 0;
      EXPECT_EQ(with_noise.Measure(base.Input(), changed.Input()), 0.0) << at;
      EXPECT_TRUE(with_noise.Compare(base.Input(), changed.Input())) << at;
      EXPECT_EQ(DifferenceBytes(with_noise), testing::GreyImage(6, 5, 0)) << at;

      Comparer without_noise;
      without_noise.Options().check_borders = 0;
      without_noise.Options().check_noise = 0;
      EXPECT_EQ(without_noise.Measure(base.Input(), changed.Input()), 100.0 / 30) << at;
      EXPECT_FALSE(without_noise.Compare(base.Input(), changed.Input())) << at;
      EXPECT_EQ(GreyAt(without_noise, x, y), 18) << at;
    }
  }
}

// A block of two pixels survives the erosion only where all its neighbours differ too.
TEST(Comparer, DifferencesSurroundedByDifferencesSurviveTheErosion) {
  const Image a = UniformImage(5, 5, 0, 0, 0);
  Image b = a;
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) b.Pixel(x, y)[1] = x < 4 ? 100 : 0;  // column 4 equal
  }
  Comparer comparer = WithOptions({0, 0, 0, 0, 1, 0, 3.0});
  ASSERT_TRUE(comparer.BuildDifference(a.Input(), b.Input()));
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(GreyAt(comparer, x, y), x < 3 ? 59 : 0) << x << ", " << y;
    }
  }
}

// A uniform 8 x 6 picture (all 50) with content at columns 3..4 of rows 2..3, and one more
// pixel that differs from the first and the last pixel by 8 (still margin) or 9 (content).
TEST(Comparer, ContentRectangleToleratesEightAndNotNine) {
  const struct {
    int x, y, channel, delta;
    ContentRect rect;
  } rows[] = {
      {0, 4, 0, 8, {3, 2, 4, 3}},  {0, 4, 0, 9, {0, 2, 4, 4}}, {7, 1, 2, -8, {3, 2, 4, 3}},
      {7, 1, 2, -9, {3, 1, 7, 3}}, {5, 5, 1, 8, {3, 2, 4, 3}}, {5, 5, 1, 9, {3, 2, 5, 5}},
      {1, 0, 1, -9, {1, 0, 4, 3}}, {0, 0, 0, 0, {3, 2, 4, 3}},
  };
  for (const auto& row : rows) {
    Image image = UniformImage(8, 6, 50, 50, 50);
    for (int y = 2; y <= 3; ++y) {
      for (int x = 3; x <= 4; ++x) image.Pixel(x, y)[0] = 200;
    }
    image.Pixel(row.x, row.y)[row.channel] = static_cast<std::uint8_t>(50 + row.delta);
    EXPECT_EQ(FindContentRect(*AcceptImage(image.Input())), row.rect)
        << row.x << ", " << row.y << " by " << row.delta;
  }
}

TEST(Comparer, AUniformImageHasTheReversedRectangle) {
  const Image image = UniformImage(5, 4, 1, 2, 3);
  EXPECT_EQ(FindContentRect(*AcceptImage(image.Input())), (ContentRect{5, 4, 0, 0}));
}

// With check_sizes, reversed rectangles compare by their absolute spans: two uniform images of
// one size pass, of different sizes fail.
TEST(Comparer, SizeCheckUsesAbsoluteSpans) {
  const CompareOptions options{1, 0, 1, 0, 1, 1, 3.0};
  const Image a = UniformImage(5, 4, 1, 2, 3);
  Comparer comparer = WithOptions(options);
  EXPECT_TRUE(comparer.BuildDifference(a.Input(), UniformImage(5, 4, 200, 2, 3).Input()));
  EXPECT_FALSE(comparer.BuildDifference(a.Input(), UniformImage(6, 4, 1, 2, 3).Input()));
  EXPECT_FALSE(comparer.BuildDifference(a.Input(), UniformImage(5, 3, 1, 2, 3).Input()));
}

TEST(Comparer, SizeCheckRefusesDifferentSizesWithoutComparing) {
  const Image a = RandomImage(10, 10, 3);
  const Image b = RandomImage(10, 11, 4);
  Comparer comparer = WithOptions({0, 0, 1, 0, 1, 1, 250.0});
  ASSERT_TRUE(comparer.BuildDifference(a.Input(), a.Input()));
  EXPECT_FALSE(comparer.Compare(a.Input(), b.Input()));
  EXPECT_FALSE(comparer.BuildDifference(a.Input(), b.Input()));
  EXPECT_EQ(comparer.DifferenceHeight(), 10);  // the held image is that of the last stage 4

  comparer.Options().check_sizes = 0;
  EXPECT_TRUE(comparer.Compare(a.Input(), b.Input()));
  EXPECT_EQ(comparer.DifferenceWidth(), 10);
  EXPECT_EQ(comparer.DifferenceHeight(), 11);
}

// With the end-point mapping the last column and row of the grid read the second-to-last ones
// of the sources: changes to the last ones go unseen, changes to the second-to-last ones are
// seen twice.
TEST(Comparer, SmoothMappingReadsTheSecondToLastColumnAndRow) {
  const Image a = RandomImage(7, 6, 8);
  Image last_changed = a, second_changed = a;
  for (int y = 0; y < 6; ++y) {
    last_changed.Pixel(6, y)[0] ^= 0x80;
    second_changed.Pixel(5, y)[0] ^= 0x80;
  }
  for (int x = 0; x < 7; ++x) {
    last_changed.Pixel(x, 5)[1] ^= 0x80;
    second_changed.Pixel(x, 4)[1] ^= 0x80;
  }
  Comparer comparer = WithOptions({0, 1, 0, 1, 0, 0, 3.0});
  ASSERT_TRUE(comparer.BuildDifference(a.Input(), last_changed.Input()));
  EXPECT_EQ(DifferenceBytes(comparer), testing::GreyImage(7, 6, 0));

  ASSERT_TRUE(comparer.BuildDifference(a.Input(), second_changed.Input()));
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 7; ++x) {
      EXPECT_EQ(GreyAt(comparer, x, y) != 0, x >= 5 || y >= 4) << x << ", " << y;
    }
  }
}

TEST(Comparer, RefusesImagesThatAreNoFourChannelPicturesOfTwoByTwo) {
  const Image good = RandomImage(3, 3, 1);
  const Bytes bytes(4 * 3 * 3 * 4, 0);
  const struct {
    const char* name;
    InputImage image;
    bool accepted;
  } rows[] = {
      {"3 channels", {bytes.data(), 3, 3, 3}, false},
      {"5 channels", {bytes.data(), 5, 3, 3}, false},
      {"1 pixel wide", {bytes.data(), 4, 1, 3}, false},
      {"1 row high", {bytes.data(), 4, 3, 1}, false},
      {"empty", {bytes.data(), 4, 0, 0}, false},
      {"negative", {bytes.data(), 4, -3, -3}, false},
      {"no data", {nullptr, 4, 3, 3}, false},
      {"2 x 2", {bytes.data(), 4, 2, 2}, true},
      {"2 x 3", {bytes.data(), 4, 2, 3}, true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(AcceptImage(row.image).has_value(), row.accepted) << row.name;
    Comparer comparer;
    comparer.Options().check_level = 250;
    EXPECT_EQ(comparer.Compare(row.image, good.Input()), row.accepted) << row.name << " first";
    EXPECT_EQ(comparer.Compare(good.Input(), row.image), row.accepted) << row.name << " second";
    EXPECT_EQ(comparer.BuildDifference(good.Input(), row.image), row.accepted) << row.name;
  }
}

TEST(Comparer, ALevelEqualToTheMeasureIsNotEqual) {
  const Image a = RandomImage(9, 8, 11);
  const Image b = testing::AlteredCopy(a, 12, 3);
  Comparer comparer;
  comparer.Options().check_borders = 0;
  comparer.Options().check_noise = 0;
  const double p = *comparer.Measure(a.Input(), b.Input());
  ASSERT_GT(p, 0.0);
  comparer.Options().check_level = p;
  EXPECT_FALSE(comparer.Compare(a.Input(), b.Input()));
  comparer.Options().check_level = std::nextafter(p, 1000.0);
  EXPECT_TRUE(comparer.Compare(a.Input(), b.Input()));
}

// Pixels g, g, g, 255 on the grid of the larger width and height; the fourth input bytes play
// no part.
TEST(Comparer, DifferenceImageIsGreyOnTheLargerGrid) {
  Image a = RandomImage(9, 4, 21);
  Image b = RandomImage(5, 7, 22);
  for (int preset = PresetDefault; preset <= PresetCheckAll; ++preset) {
    Comparer comparer;
    comparer.Preset(preset);
    comparer.Options().check_sizes = 0;
    ASSERT_TRUE(comparer.BuildDifference(a.Input(), b.Input()));
    ASSERT_EQ(comparer.DifferenceWidth(), 9);
    ASSERT_EQ(comparer.DifferenceHeight(), 7);
    const Bytes difference = DifferenceBytes(comparer);
    for (std::size_t i = 0; i < difference.size(); i += 4) {
      EXPECT_EQ(difference[i + 1], difference[i]);
      EXPECT_EQ(difference[i + 2], difference[i]);
      EXPECT_EQ(difference[i + 3], 255);
    }
    for (std::size_t i = 3; i < a.bytes.size(); i += 4) a.bytes[i] ^= 0xFF;
    for (std::size_t i = 3; i < b.bytes.size(); i += 4) b.bytes[i] ^= 0x5A;
    ASSERT_TRUE(comparer.BuildDifference(a.Input(), b.Input()));
    EXPECT_EQ(DifferenceBytes(comparer), difference) << "preset " << preset;
  }
}

TEST(Comparer, HoldsNoDifferenceImageBeforeTheFirstRun) {
  Comparer comparer;
  EXPECT_EQ(comparer.Difference(), nullptr);
  EXPECT_EQ(comparer.DifferenceWidth(), 0);
  EXPECT_EQ(comparer.DifferenceHeight(), 0);
}

}  // namespace
}  // namespace orvane::compare
