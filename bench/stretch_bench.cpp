#include "moving_effect_bench.h"
#include "sample_bilinear.h"
#include "stretch.h"

namespace orvane::compose::bench {
namespace {

const bool kRegistered = RegisterFamily("StretchSide", StretchSide, kSideTypes) &&
                         RegisterFamily("StretchStrips", StretchStrips, kStripsTypes) &&
                         RegisterFamily("StretchDoor", StretchDoor, kDoorTypes) &&
                         RegisterFamily("StretchCenter", StretchCenter, kCenterTypes);

// What the stretch targets are set against: every pixel sampled bilinearly at a fractional
// position, three SampleBilinear calls per pixel and nothing hoisted.
void StraightforwardBilinear(const EffectFrame& f, int) {
  for (int y = 0; y < f.Height(); ++y) {
    for (int x = 0; x < f.Width(); ++x) {
      const double sx = x * 0.625, sy = y * 0.625;
      std::uint8_t* out = f.out.data + PixelOffset(f, x, y);
      for (int c = 2; c >= 0; --c) {
        out[c] = SampleBilinear(sx, sy, f.first, f.Width(), f.Height(), c);
      }
    }
  }
}
const bool kStraightforward =
    RegisterFamily("StraightforwardBilinear", StraightforwardBilinear, {{0, "Pass"}});

}  // namespace
}  // namespace orvane::compose::bench
