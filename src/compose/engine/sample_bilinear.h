// The bilinear sampler of the rotating and stretching effects.
#pragma once

#include <cmath>
#include <cstdint>

#include "image_view.h"

namespace orvane::compose {

// Byte of channel `c` of `image` (w x h, four bytes per pixel) at the real position (x, y).
// A position on the last column or the top row samples the cell one step back with the
// fractions of the original position; anything outside the image gives 0.
inline std::uint8_t SampleBilinear(double x, double y, const std::uint8_t* image, int w, int h,
                                   int c) {
  // Positions outside [0, w) x [0, h) always end in 0 (a floor below 0, or a cell whose right
  // or upper neighbour lies outside); testing them first also keeps the integer conversion
  // below in range.
  if (!(x >= 0.0 && x < w && y >= 0.0 && y < h)) return 0;
  int ix = static_cast<int>(std::floor(x));
  int iy = static_cast<int>(std::floor(y));
  const double fx = x - ix;
  const double fy = y - iy;
  if (ix == w - 1) ix = w - 2;
  if (iy == h - 1) iy = h - 2;
  if (ix < 0 || ix + 1 >= w || iy < 0 || iy + 1 >= h) return 0;

  const auto p = [&](int i, int j) -> double {
    return image[(static_cast<std::size_t>(j) * static_cast<std::size_t>(w) +
                  static_cast<std::size_t>(i)) *
                     kBytesPerPixel +
                 static_cast<std::size_t>(c)];
  };
  const double value = p(ix + 1, iy + 1) * fy * fx + p(ix, iy + 1) * (1 - fx) * fy +
                       p(ix + 1, iy) * (1 - fy) * fx + p(ix, iy) * (1 - fy) * (1 - fx);
  return static_cast<std::uint8_t>(value);
}

}  // namespace orvane::compose
