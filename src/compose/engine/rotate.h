// One image spinning about the centre of every tile while it shrinks into it or grows out of it,
// over the other image.
#pragma once

#include "effect_frame.h"

namespace orvane::compose {

// `type` is a RotateType value (0 to 3); any other value leaves the image as the caller passed it.
void Rotate(const EffectFrame& frame, int type);

}  // namespace orvane::compose
