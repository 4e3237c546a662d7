#include "moving_effect_bench.h"
#include "push.h"

namespace orvane::compose::bench {
namespace {

const bool kRegistered = RegisterFamily("PushSide", PushSide, kSideTypes) &&
                         RegisterFamily("PushStrips", PushStrips, kStripsTypes) &&
                         RegisterFamily("PushDoor", PushDoor, kDoorTypes);

}  // namespace
}  // namespace orvane::compose::bench
