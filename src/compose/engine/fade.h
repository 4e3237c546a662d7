// Cross-fade from the first to the last image, uniform or through a two-tone 8 x 8 fill pattern
// stretched over every tile.
#pragma once

#include "effect_frame.h"

namespace orvane::compose {

// `pattern` is a Pattern value: 2 to 13 fade in two phases through that fill pattern, any
// other value fades uniformly.
void Fade(const EffectFrame& frame, int pattern);

}  // namespace orvane::compose
