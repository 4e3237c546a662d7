#include "effect_frame.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "compose_test_support.h"

namespace orvane::compose {
namespace {

using testing::Bytes;
using testing::Composition;

enum class Outcome { kUntouched, kFirstCopy, kLastCopy, kEffectRuns };

struct FrameCase {
  double frame;
  Outcome outcome;
};

TEST(EffectPrologue, FramePositionsDecideBetweenNothingCopiesAndTheEffect) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const FrameCase cases[] = {
      {-0.5, Outcome::kUntouched},  {100.5, Outcome::kUntouched},  {nan, Outcome::kUntouched},
      {0.0, Outcome::kFirstCopy},   {0.009, Outcome::kFirstCopy},  {0.01, Outcome::kEffectRuns},
      {50.0, Outcome::kEffectRuns}, {99.99, Outcome::kEffectRuns}, {99.991, Outcome::kLastCopy},
      {100.0, Outcome::kLastCopy},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "frame " << c.frame);
    auto comp = Composition::Random(7, 5);
    const Bytes before = comp.out;
    bool ran = false;
    comp.Render(c.frame, [&](const EffectFrame& f) {
      ran = true;
      EXPECT_EQ(f.frame, c.frame);
    });
    EXPECT_EQ(ran, c.outcome == Outcome::kEffectRuns);
    switch (c.outcome) {
      case Outcome::kUntouched:
      case Outcome::kEffectRuns:
        EXPECT_EQ(comp.out, before);
        break;
      case Outcome::kFirstCopy:
        EXPECT_EQ(comp.out, comp.first);  // the fourth byte included
        break;
      case Outcome::kLastCopy:
        EXPECT_EQ(comp.out, comp.last);
        break;
    }
  }
}

TEST(EffectPrologue, ImagesThatDoNotFitTheHeldOnesAreLeftUntouched) {
  auto comp = Composition::Random(6, 4);
  struct Case {
    const char* name;
    int width;
    int height;
    int channels;
    bool null_data;
  } const cases[] = {
      {"one pixel wider", 7, 4, 4, false}, {"one row higher", 6, 5, 4, false},
      {"3 channels", 6, 4, 3, false},      {"1 pixel wide", 1, 4, 4, false},
      {"unreadable array", 6, 4, 4, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes image = testing::RandomImage(c.width, c.height, 5);
    const Bytes before = image;
    const ImageView view{c.null_data ? nullptr : image.data(), c.width, c.height};
    EXPECT_FALSE(EffectPrologue(comp.state, view, c.channels, 0.0));
    EXPECT_EQ(image, before);
  }
}

TEST(EffectPrologue, NothingIsWrittenUntilBothImagesAreHeld) {
  ComposerState state;
  Bytes image = testing::RandomImage(4, 4, 1);
  const Bytes before = image;
  EXPECT_FALSE(EffectPrologue(state, ImageView{image.data(), 4, 4}, 4, 0.0));
  state.AcceptImage(ImageSlot::kFirst, image.data(), 4, 4, 4);
  EXPECT_FALSE(EffectPrologue(state, ImageView{image.data(), 4, 4}, 4, 100.0));
  // A 3-channel first image leaves no first image behind.
  state.AcceptImage(ImageSlot::kLast, image.data(), 4, 4, 4);
  state.AcceptImage(ImageSlot::kFirst, image.data(), 3, 4, 4);
  Bytes out(image.size(), 7);
  EXPECT_FALSE(EffectPrologue(state, ImageView{out.data(), 4, 4}, 4, 0.0));
  EXPECT_EQ(out, Bytes(image.size(), 7));
  EXPECT_EQ(image, before);
}

TEST(TileGrid, TilesBelowTwoMeanTheWholeImage) {
  struct Case {
    int tiles_width;
    int tiles_height;
    int tile_width;
    int tile_height;
  } const cases[] = {{1, 0, 10, 6}, {-5, 2, 10, 2}, {2, 7, 2, 7}, {40, 40, 40, 40}};
  for (const auto& c : cases) {
    auto comp = Composition::Random(10, 6, c.tiles_width, c.tiles_height);
    const TileGrid grid = TileGrid::For(comp.state);
    EXPECT_EQ(grid.tile_width, c.tile_width) << c.tiles_width;
    EXPECT_EQ(grid.tile_height, c.tile_height) << c.tiles_height;
  }
}

TEST(TileGrid, WalkVisitsEveryPixelOnceInMemoryOrderWithPartialTilesAtTheEdges) {
  auto comp = Composition::Random(10, 5, 4, 3);
  std::vector<TileSpan> spans;
  comp.Render(50.0, [&](const EffectFrame& f) {
    ForEachTileSpan(f, [&](const TileSpan& s) { spans.push_back(s); });
  });
  ASSERT_EQ(spans.size(), 15u);
  const int expected_x0[] = {0, 4, 8};
  const int expected_count[] = {4, 4, 2};
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const int y = static_cast<int>(i / 3);
    EXPECT_EQ(spans[i].y, y);
    EXPECT_EQ(spans[i].ty, y % 3);
    EXPECT_EQ(spans[i].tile_y0, y - y % 3);
    EXPECT_EQ(spans[i].x0, expected_x0[i % 3]);
    EXPECT_EQ(spans[i].count, expected_count[i % 3]);
  }
}

}  // namespace
}  // namespace orvane::compose
