#include "moving_effect_bench.h"
#include "slide.h"

namespace orvane::compose::bench {
namespace {

const bool kRegistered = RegisterFamily("SlideSide", SlideSide, kSideTypes) &&
                         RegisterFamily("SlideStrips", SlideStrips, kStripsTypes) &&
                         RegisterFamily("SlideDoor", SlideDoor, kDoorTypes) &&
                         RegisterFamily("SlideCenter", SlideCenter, kCenterTypes);

}  // namespace
}  // namespace orvane::compose::bench
