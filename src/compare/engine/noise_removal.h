// Removal of isolated differences: an erosion of the non-zero values of a grey plane over the
// 8-neighbourhood.
#pragma once

#include <cstdint>

namespace orvane::compare {

// Clears, in place, every value of the `width` x `height` plane that has a 0 among its in-plane
// neighbours (horizontal, vertical and diagonal), judging each one by the plane as it was
// before the call. False, with the plane untouched, when its few rows of scratch memory cannot
// be had.
bool RemoveNoise(std::uint8_t* plane, int width, int height);

}  // namespace orvane::compare
