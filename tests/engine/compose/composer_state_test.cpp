#include "composer_state.h"

#include <gtest/gtest.h>

#include "compose_test_support.h"

namespace orvane::compose {
namespace {

using testing::RandomImage;

struct Offer {
  ImageSlot slot;
  int channels;
  int width;
  int height;
  bool first_held;
  bool last_held;
  int image_width;
  int image_height;
};

// Each row offers one image and states what the composer holds afterwards.
void RunSequence(const char* name, const std::vector<Offer>& offers) {
  ComposerState state;
  for (std::size_t i = 0; i < offers.size(); ++i) {
    const Offer& o = offers[i];
    const auto bytes = RandomImage(o.width * o.channels, o.height, static_cast<unsigned>(i));
    state.AcceptImage(o.slot, bytes.data(), o.channels, o.width, o.height);
    SCOPED_TRACE(::testing::Message() << name << ", offer " << i);
    EXPECT_EQ(!state.Slot(ImageSlot::kFirst).empty(), o.first_held);
    EXPECT_EQ(!state.Slot(ImageSlot::kLast).empty(), o.last_held);
    EXPECT_EQ(state.ImageWidth(), o.image_width);
    EXPECT_EQ(state.ImageHeight(), o.image_height);
  }
}

constexpr auto kFirst = ImageSlot::kFirst;
constexpr auto kLast = ImageSlot::kLast;

TEST(ComposerState, SizeIsAdoptedOnlyWhileTheOtherSlotIsEmpty) {
  RunSequence("moving to a new size", {
                                          {kFirst, 4, 100, 80, true, false, 100, 80},
                                          {kLast, 4, 90, 80, true, false, 100, 80},
                                          {kFirst, 4, 90, 80, true, false, 90, 80},
                                          {kLast, 4, 90, 80, true, true, 90, 80},
                                          {kFirst, 4, 100, 80, false, true, 90, 80},
                                          {kFirst, 4, 90, 80, true, true, 90, 80},
                                      });
}

TEST(ComposerState, ImagesThatAreNoImagesLeaveTheSlotEmpty) {
  RunSequence("3 channels", {{kFirst, 4, 10, 10, true, false, 10, 10},
                             {kFirst, 3, 10, 10, false, false, 10, 10}});
  RunSequence("one row",
              {{kFirst, 4, 10, 10, true, false, 10, 10}, {kFirst, 4, 10, 1, false, false, 10, 10}});
  RunSequence("one column", {{kLast, 4, 1, 10, false, false, 0, 0}});
  RunSequence("2 x 2 is the smallest", {{kLast, 4, 2, 2, false, true, 2, 2}});
}

TEST(ComposerState, TilePropertiesAreStoredUnchanged) {
  ComposerState state;
  for (int value : {-5, 0, 1, 2, 100000}) {
    state.SetTilesWidth(value);
    state.SetTilesHeight(-value);
    EXPECT_EQ(state.TilesWidth(), value);
    EXPECT_EQ(state.TilesHeight(), -value);
  }
}

}  // namespace
}  // namespace orvane::compose
