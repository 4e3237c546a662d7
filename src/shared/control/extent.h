// Control extents: HIMETRIC (hundredths of a millimetre) from and to screen pixels.
#pragma once

#include <windows.h>

namespace orvane {

// The screen's logical pixels per inch, across and down.
SIZE ScreenPixelsPerInch();

// pixels x 2540 / pixels per inch, each axis on its own, truncated.
SIZEL PixelsToHimetric(SIZE pixels, SIZE pixels_per_inch);

// himetric x pixels per inch / 2540, each axis on its own, truncated.
SIZE HimetricToPixels(SIZEL himetric, SIZE pixels_per_inch);

}  // namespace orvane
