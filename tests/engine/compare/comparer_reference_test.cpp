// The comparer's fast paths (row gathering, the vectorised lightness, the colour table, the
// erosion on a byte plane, the in-place widening) against the pipeline written out pixel by
// pixel exactly as defined.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "compare_test_support.h"
#include "comparer.h"
#include "grey_difference.h"
#include "noise_removal.h"
#include "sample_map.h"

namespace orvane::compare {
namespace {

using testing::Bytes;
using testing::Image;

// ---- The definition, one pixel at a time ----

bool DiffersBy8(const std::uint8_t* p, const std::uint8_t* q) {
  for (int c = 0; c < 3; ++c) {
    if (std::abs(p[c] - q[c]) > 8) return true;
  }
  return false;
}

ContentRect ReferenceRect(const Image& image) {
  const int w = image.width, h = image.height;
  ContentRect r{w, h, 0, 0};
  const std::uint8_t* first = image.Pixel(0, 0);
  const std::uint8_t* last = image.Pixel(w - 1, h - 1);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (DiffersBy8(image.Pixel(x, y), first)) {
        r.left = std::min(r.left, x);
        r.top = std::min(r.top, y);
      }
      if (DiffersBy8(image.Pixel(x, y), last)) {
        r.right = std::max(r.right, x);
        r.bottom = std::max(r.bottom, y);
      }
    }
  }
  return r;
}

// Byte `c` of the sample at (sx, sy); products in 64 bits as the comparer takes them.
int ReferenceSample(const Image& image, double sx, double sy, int c, bool smooth) {
  const int w = image.width, h = image.height;
  int i = static_cast<int>(std::floor(sx)), j = static_cast<int>(std::floor(sy));
  if (!smooth) return i >= 0 && i < w && j >= 0 && j < h ? image.Pixel(i, j)[c] : 0;
  const double fx = sx - i, fy = sy - j;
  if (i == w - 1) {
    sx -= 1;
    i -= 1;
  }
  if (j == h - 1) {
    sy -= 1;
    j -= 1;
  }
  if (i < 0 || i + 1 >= w || j < 0 || j + 1 >= h) return 0;
  const double v =
      image.Pixel(i, j)[c] * (1 - fx) * (1 - fy) + image.Pixel(i + 1, j)[c] * fx * (1 - fy) +
      image.Pixel(i, j + 1)[c] * (1 - fx) * fy + image.Pixel(i + 1, j + 1)[c] * fx * fy;
  return static_cast<int>(v);
}

struct ReferenceResult {
  bool built = false;  // reached stage 4
  int width = 0;
  int height = 0;
  Bytes difference;
  double measure = 0;
};

ReferenceResult ReferencePipeline(const Image& a, const Image& b, const CompareOptions& o) {
  ReferenceResult result;
  ContentRect ra{0, 0, a.width - 1, a.height - 1}, rb{0, 0, b.width - 1, b.height - 1};
  if (o.check_borders) {
    ra = ReferenceRect(a);
    rb = ReferenceRect(b);
  }
  if (o.check_sizes && (std::abs(ra.right - ra.left) != std::abs(rb.right - rb.left) ||
                        std::abs(ra.bottom - ra.top) != std::abs(rb.bottom - rb.top))) {
    return result;
  }
  const int W = std::max(a.width, b.width), H = std::max(a.height, b.height);
  result.built = true;
  result.width = W;
  result.height = H;
  Image diff{W, H, Bytes(ImageByteCount(W, H))};
  const bool smooth = o.check_smooth != 0;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      int s[2][3];
      for (int k = 0; k < 2; ++k) {
        const Image& img = k == 0 ? a : b;
        const ContentRect& r = k == 0 ? ra : rb;
        std::int64_t sx, sy;
        if (!smooth) {
          sx = r.left + (std::int64_t{r.right} - r.left + 1) * x / W;
          sy = r.top + (std::int64_t{r.bottom} - r.top + 1) * y / H;
        } else {
          sx = r.left + (std::int64_t{r.right} - r.left) * x / (W - 1);
          sy = r.top + (std::int64_t{r.bottom} - r.top) * y / (H - 1);
        }
        for (int c = 0; c < 3; ++c) {
          s[k][c] =
              ReferenceSample(img, static_cast<double>(sx), static_cast<double>(sy), c, smooth);
        }
      }
      const int a0 = s[0][0], a1 = s[0][1], a2 = s[0][2];
      const int b0 = s[1][0], b1 = s[1][1], b2 = s[1][2];
      double d;
      if (o.check_colors) {
        d = std::hypot(std::hypot(a2 - b2, a1 - b1), a0 - b0) / std::sqrt(3.0);
      } else {
        d = (0.11 * a0 + 0.59 * a1 + 0.3 * a2) - (0.11 * b0 + 0.59 * b1 + 0.3 * b2);
      }
      const double v = std::abs(d) + 0.5;
      const int g = v > 255 ? 255 : static_cast<int>(v);
      std::uint8_t* out = diff.Pixel(x, y);
      out[0] = out[1] = out[2] = static_cast<std::uint8_t>(g);
      out[3] = 255;
    }
  }
  if (o.check_noise) {
    const Image before = diff;
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        int t = before.Pixel(x, y)[0];
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= W || ny >= H) continue;
            if (t != 0 && before.Pixel(nx, ny)[0] == 0) t = 0;
          }
        }
        std::uint8_t* out = diff.Pixel(x, y);
        out[0] = out[1] = out[2] = static_cast<std::uint8_t>(t);
        out[3] = 255;
      }
    }
  }
  int count = 0;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      const int v = diff.Pixel(x, y)[0];
      if (o.check_maximals ? v > 15 : v != 0) ++count;
    }
  }
  result.measure = count * 100.0 / (W * H);
  result.difference = std::move(diff.bytes);
  return result;
}

// ---- Inputs ----

CompareOptions OptionsFromBits(int bits) {
  CompareOptions o;
  o.check_borders = bits & 1;
  o.check_colors = (bits >> 1) & 1;
  o.check_sizes = (bits >> 2) & 1;
  o.check_smooth = (bits >> 3) & 1;
  o.check_noise = (bits >> 4) & 1;
  o.check_maximals = (bits >> 5) & 1;
  o.check_level = 3.0;
  return o;
}

struct Pair {
  std::string name;
  Image a;
  Image b;
};

// Pairs of equal and of different sizes, with content that makes every stage do something:
// frames for the content rectangle, uniform images for the reversed one, sparse alterations for
// the erosion, random images for the ends of the difference scale.
std::vector<Pair> Pairs() {
  using namespace testing;
  std::vector<Pair> pairs;
  const struct {
    int wa, ha, wb, hb;
  } sizes[] = {{2, 2, 2, 2},  {7, 5, 7, 5},     {16, 9, 16, 9},   {37, 23, 37, 23}, {2, 2, 9, 7},
               {7, 5, 12, 3}, {33, 17, 31, 20}, {10, 10, 10, 11}, {64, 3, 5, 40},   {3, 2, 2, 3}};
  std::uint32_t seed = 1;
  for (const auto& s : sizes) {
    const std::string size = std::to_string(s.wa) + "x" + std::to_string(s.ha) + " vs " +
                             std::to_string(s.wb) + "x" + std::to_string(s.hb);
    const Image random = RandomImage(s.wa, s.ha, seed++);
    pairs.push_back({"random " + size, random, RandomImage(s.wb, s.hb, seed++)});
    if (s.wa == s.wb && s.ha == s.hb) {
      pairs.push_back({"altered " + size, random, AlteredCopy(random, seed++)});
      pairs.push_back({"sparsely altered " + size, random, AlteredCopy(random, seed++, 40)});
      const Image framed = FramedImage(s.wa, s.ha, seed++);
      pairs.push_back({"framed altered " + size, framed, AlteredCopy(framed, seed++, 25)});
    }
    pairs.push_back({"framed " + size, FramedImage(s.wa, s.ha, seed++),
                     FramedImage(s.wb, s.hb, seed++, seed % 2 ? 8 : 9)});
    pairs.push_back({"uniform " + size, UniformImage(s.wa, s.ha, 10, 200, 30),
                     UniformImage(s.wb, s.hb, 12, 190, 30)});
    pairs.push_back({"uniform and framed " + size, UniformImage(s.wa, s.ha, 0, 0, 0),
                     FramedImage(s.wb, s.hb, seed++)});
  }
  return pairs;
}

// ---- The comparisons ----

TEST(ComparerReference, EveryOptionCombinationGivesTheDefinedDifferenceAndMeasure) {
  const std::vector<Pair> pairs = Pairs();
  for (const Pair& pair : pairs) {
    for (int bits = 0; bits < 64; ++bits) {
      const CompareOptions options = OptionsFromBits(bits);
      const ReferenceResult expected = ReferencePipeline(pair.a, pair.b, options);
      Comparer comparer;
      comparer.Options() = options;
      const std::optional<double> measure = comparer.Measure(pair.a.Input(), pair.b.Input());
      const std::string row = pair.name + ", options " + std::to_string(bits);
      ASSERT_EQ(measure.has_value(), expected.built) << row;
      if (!expected.built) continue;
      ASSERT_EQ(*measure, expected.measure) << row;
      ASSERT_EQ(comparer.DifferenceWidth(), expected.width) << row;
      ASSERT_EQ(comparer.DifferenceHeight(), expected.height) << row;
      const Bytes got(comparer.Difference(),
                      comparer.Difference() + ImageByteCount(expected.width, expected.height));
      ASSERT_EQ(got, expected.difference) << row;

      // GetDifference's run builds the very same image; Compare's verdict is the strict test.
      Comparer builder;
      builder.Options() = options;
      ASSERT_TRUE(builder.BuildDifference(pair.a.Input(), pair.b.Input())) << row;
      ASSERT_EQ(Bytes(builder.Difference(), builder.Difference() + got.size()), got) << row;
      ASSERT_EQ(comparer.Compare(pair.a.Input(), pair.b.Input()), expected.measure < 3.0) << row;
    }
  }
}

// One comparer reused across sizes and options, as a control is: nothing of an earlier run
// leaks into a later one (the buffer is reused at one size and replaced at another).
TEST(ComparerReference, ARepeatedlyUsedComparerMatchesFreshRuns) {
  const std::vector<Pair> pairs = Pairs();
  Comparer comparer;
  std::mt19937 rng(5);
  for (int run = 0; run < 300; ++run) {
    const Pair& pair = pairs[rng() % pairs.size()];
    const CompareOptions options = OptionsFromBits(static_cast<int>(rng() % 64));
    comparer.Options() = options;
    const ReferenceResult expected = ReferencePipeline(pair.a, pair.b, options);
    const bool built = comparer.BuildDifference(pair.a.Input(), pair.b.Input());
    ASSERT_EQ(built, expected.built) << pair.name;
    if (!built) continue;
    ASSERT_EQ(Bytes(comparer.Difference(),
                    comparer.Difference() + ImageByteCount(expected.width, expected.height)),
              expected.difference)
        << pair.name;
  }
}

TEST(ComparerReference, ContentRectanglesMatchTheDefinition) {
  std::uint32_t seed = 100;
  for (int w : {2, 3, 8, 19}) {
    for (int h : {2, 5, 13}) {
      for (int jitter : {0, 4, 8, 9}) {
        for (int k = 0; k < 20; ++k) {
          const Image image = testing::FramedImage(w, h, seed++, jitter);
          const auto view = AcceptImage(image.Input());
          ASSERT_TRUE(view);
          ASSERT_EQ(FindContentRect(*view), ReferenceRect(image))
              << w << "x" << h << " jitter " << jitter << " seed " << seed - 1;
        }
      }
    }
  }
}

// The table against the definition for every triple of byte differences (the sign of a
// difference does not matter to hypot).
TEST(ComparerReference, ColourTableHoldsTheDefinedGreyOfEveryDifferenceTriple) {
  for (int d0 = 0; d0 < 256; ++d0) {
    for (int d1 = 0; d1 < 256; ++d1) {
      for (int d2 = 0; d2 < 256; ++d2) {
        const double v = std::hypot(std::hypot(d2, d1), d0) / std::sqrt(3.0) + 0.5;
        const int g = v > 255 ? 255 : static_cast<int>(v);
        const int table = ColourDistanceGrey(d0 * d0 + d1 * d1 + d2 * d2);
        if (table != g) FAIL() << d0 << ", " << d1 << ", " << d2 << ": " << table << " vs " << g;
      }
    }
  }
}

// Long runs (the vectorised body and its tail) against the definition, for both measures,
// with signs of the differences in both directions.
TEST(ComparerReference, DifferenceRunsGiveTheDefinedGrey) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    const int count = static_cast<int>(seed * 37 % 301);
    const Image a = testing::RandomImage(count + 1, 1, seed);
    const Image b = seed % 2 ? testing::RandomImage(count + 1, 1, seed + 1000)
                             : testing::AlteredCopy(a, seed + 2000, 2);
    Bytes lightness(static_cast<std::size_t>(count) + 1, 0xEE), colour = lightness;
    LightnessDifferenceRun(a.bytes.data(), b.bytes.data(), lightness.data(), count);
    ColourDifferenceRun(a.bytes.data(), b.bytes.data(), colour.data(), count);
    for (int x = 0; x < count; ++x) {
      const std::uint8_t* p = a.Pixel(x, 0);
      const std::uint8_t* q = b.Pixel(x, 0);
      const double dl =
          (0.11 * p[0] + 0.59 * p[1] + 0.3 * p[2]) - (0.11 * q[0] + 0.59 * q[1] + 0.3 * q[2]);
      const double dc =
          std::hypot(std::hypot(p[2] - q[2], p[1] - q[1]), p[0] - q[0]) / std::sqrt(3.0);
      const double vl = std::abs(dl) + 0.5, vc = std::abs(dc) + 0.5;
      ASSERT_EQ(lightness[x], vl > 255 ? 255 : static_cast<int>(vl))
          << "seed " << seed << " x " << x;
      ASSERT_EQ(colour[x], vc > 255 ? 255 : static_cast<int>(vc)) << "seed " << seed << " x " << x;
    }
    ASSERT_EQ(lightness[count], 0xEE);
    ASSERT_EQ(colour[count], 0xEE);
  }
}

// Every colour against black and against white, both ways round: every lightness difference
// the integer path can meet from one side, the half-way ties among them, and the ends of the
// scale.
TEST(ComparerReference, LightnessRunsGiveTheDefinedGreyForEveryColour) {
  Bytes colours(65536 * 4), grey(65536);
  for (int red = 0; red < 256; ++red) {
    for (int i = 0; i < 65536; ++i) {
      colours[4 * i] = static_cast<std::uint8_t>(i & 0xFF);
      colours[4 * i + 1] = static_cast<std::uint8_t>(i >> 8);
      colours[4 * i + 2] = static_cast<std::uint8_t>(red);
      colours[4 * i + 3] = static_cast<std::uint8_t>(i * 7);
    }
    for (const std::uint8_t other : {0, 255}) {
      const Bytes plain(colours.size(), other);
      for (const bool colour_first : {true, false}) {
        const Bytes& a = colour_first ? colours : plain;
        const Bytes& b = colour_first ? plain : colours;
        LightnessDifferenceRun(a.data(), b.data(), grey.data(), 65536);
        for (int i = 0; i < 65536; ++i) {
          const std::uint8_t* p = &a[4 * i];
          const std::uint8_t* q = &b[4 * i];
          const double d =
              (0.11 * p[0] + 0.59 * p[1] + 0.3 * p[2]) - (0.11 * q[0] + 0.59 * q[1] + 0.3 * q[2]);
          const double v = std::abs(d) + 0.5;
          const int expected = v > 255 ? 255 : static_cast<int>(v);
          if (grey[i] != expected) {
            FAIL() << "colour " << int{p[0]} << ", " << int{p[1]} << ", " << int{p[2]}
                   << " against " << int{q[0]} << ", " << int{q[1]} << ", " << int{q[2]} << ": "
                   << int{grey[i]} << " vs " << expected;
          }
        }
      }
    }
  }
}

// Planes of every small shape, dense and sparse in zeros, against the erosion read from an
// unmodified copy.
TEST(ComparerReference, NoiseRemovalMatchesTheErosionOfTheUnmodifiedPlane) {
  std::mt19937 rng(9);
  for (int w = 1; w <= 19; ++w) {
    for (int h = 1; h <= 9; ++h) {
      for (unsigned zeros : {2u, 5u, 20u}) {
        Bytes plane(static_cast<std::size_t>(w) * h);
        for (auto& v : plane)
          v = rng() % zeros == 0 ? 0 : static_cast<std::uint8_t>(1 + rng() % 255);
        Bytes expected = plane;
        for (int y = 0; y < h; ++y) {
          for (int x = 0; x < w; ++x) {
            for (int dy = -1; dy <= 1; ++dy) {
              for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                if (plane[ny * w + nx] == 0) expected[y * w + x] = 0;
              }
            }
          }
        }
        ASSERT_TRUE(RemoveNoise(plane.data(), w, h));
        ASSERT_EQ(plane, expected) << w << "x" << h << " zeros 1 in " << zeros;
      }
    }
  }
}

// Where 32-bit products would wrap: a 50000-pixel axis maps its last position onto its last
// index.
TEST(ComparerReference, SampleIndicesOfLongAxesDoNotWrap) {
  EXPECT_EQ(SampleIndex(0, 49999, 49999, 50000, 50000, false), 49999);
  EXPECT_EQ(SampleIndex(0, 49999, 49998, 50000, 50000, true), 49998);
  EXPECT_EQ(SampleIndex(0, 49999, 49999, 50000, 50000, true), 49998);
  EXPECT_EQ(SampleIndex(0, 24999, 49999, 50000, 25000, false), 24999);
}

}  // namespace
}  // namespace orvane::compare
