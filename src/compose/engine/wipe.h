// The wipes: the last image shows through a region that grows over each tile (a door, two
// strips, a side or corner, or a shape about the tile's centre); every pixel is the pixel at
// the same position of either the first or the last image.
#pragma once

#include "effect_frame.h"

namespace orvane::compose {

// `type` is a DoorType value (0 to 5).
void WipeDoor(const EffectFrame& frame, int type);

// `type` is a StripsType value (0 or 1).
void WipeStrips(const EffectFrame& frame, int type);

// `type` is a SideType value (0 to 7).
void WipeSide(const EffectFrame& frame, int type);

// `type` is a CenterType value (0 to 7).
void WipeCenter(const EffectFrame& frame, int type);

// Any other `type` shows the first image everywhere.

}  // namespace orvane::compose
