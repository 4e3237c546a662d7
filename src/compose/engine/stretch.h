// Stretch transitions: inside every tile the incoming last image grows while the outgoing first
// image shrinks, both resampled with the bilinear sampler.
#pragma once

#include "effect_frame.h"

namespace orvane::compose {

// `type` is a DoorType value; the four straight types are supported.
void StretchDoor(const EffectFrame& frame, int type);

// `type` is a StripsType value.
void StretchStrips(const EffectFrame& frame, int type);

// `type` is a SideType value; all eight are supported.
void StretchSide(const EffectFrame& frame, int type);

// `type` is a CenterType value; CenterTypeBoxIn and CenterTypeBoxOut are supported.
//
// Unsupported values of every method resample the first image at each pixel's own position.
void StretchCenter(const EffectFrame& frame, int type);

}  // namespace orvane::compose
