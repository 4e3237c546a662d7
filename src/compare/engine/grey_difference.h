// The grey difference value of two pixels, by lightness or by colour distance, for runs of
// pixels.
#pragma once

#include <cstdint>

namespace orvane::compare {

// g = |d| + 0.5 truncated, at most 255, of the lightness difference
// d = (0.11 a0 + 0.59 a1 + 0.3 a2) - (0.11 b0 + 0.59 b1 + 0.3 b2) of the colour bytes of
// `count` pixels of 4 bytes; one byte per pixel into `grey`.
void LightnessDifferenceRun(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* grey,
                            int count);

// The same with d = hypot(hypot(a2 - b2, a1 - b1), a0 - b0) / sqrt(3).
void ColourDifferenceRun(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* grey,
                         int count);

// The grey value of the colour distance as a function of the sum of squared byte differences
// (0 to 3 x 255^2), which is all it depends on; see the .cpp.
std::uint8_t ColourDistanceGrey(int sum_of_squares);

}  // namespace orvane::compare
