// Slide transitions: copies of the last image move into every tile over the still first image
// (or, for CenterTypeCrossOut, pieces of the first image move away and uncover the last).
#pragma once

#include "effect_frame.h"

namespace orvane::compose {

// `type` is a DoorType value: the straight types slide in two halves, the diagonal types two
// whole copies from opposite corners; other values show the first image.
void SlideDoor(const EffectFrame& frame, int type);

// `type` is a StripsType value: two strips per tile slide in opposite directions.
void SlideStrips(const EffectFrame& frame, int type);

// `type` is a SideType value: one copy enters from a side or a corner.
void SlideSide(const EffectFrame& frame, int type);

// `type` is a CenterType value; only the cross types move anything, every other value leaves
// the image exactly as the caller passed it.
void SlideCenter(const EffectFrame& frame, int type);

}  // namespace orvane::compose
