// A side wipe with a grainy front: every pixel of a tile shows the last image with a chance that
// falls linearly from certain behind the front line to nothing at the far side of the tile.
#pragma once

#include "effect_frame.h"
#include "random_source.h"

namespace orvane::compose {

// `type` is a SideType value. The four straight directions (0 to 3) take exactly one draw from
// `random` per pixel, in memory order over the whole image; the diagonals and unknown values show
// the first image everywhere and take no draw.
void Diffuse(const EffectFrame& frame, int type, RandomSource& random);

}  // namespace orvane::compose
