// Push transitions: the last image moves in as in the slides and pushes the first image out of
// the tile ahead of it. Straight directions only.
#pragma once

#include "effect_frame.h"

namespace orvane::compose {

// `type` is a DoorType value; the diagonal types and values outside the enumeration show the
// first image.
void PushDoor(const EffectFrame& frame, int type);

// `type` is a StripsType value.
void PushStrips(const EffectFrame& frame, int type);

// `type` is a SideType value; the diagonal types and values outside the enumeration show the
// first image.
void PushSide(const EffectFrame& frame, int type);

}  // namespace orvane::compose
