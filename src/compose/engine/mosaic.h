// The picture switches from the first to the last image cell by cell: every tile is split into
// 8 x 8 cells, and an order table of the chosen type ranks them.
#pragma once

#include "effect_frame.h"

namespace orvane::compose {

// `mosaic` is a MosaicType value (1 to 19); any other value ranks every cell 0, so that the
// whole picture switches at once.
void Mosaic(const EffectFrame& frame, int mosaic);

}  // namespace orvane::compose
