#include "compare_options.h"

#include <array>

namespace orvane::compare {
namespace {

constexpr std::array<CompareOptions, 6> kPresets = {{
    // borders colors sizes smooth noise maximals level
    {1, 0, 0, 0, 1, 1, 3.0},   // PresetDefault
    {1, 0, 1, 0, 1, 0, 5.0},   // PresetAllowBorders
    {1, 0, 0, 0, 1, 0, 15.0},  // PresetAllowResize
    {1, 0, 1, 1, 1, 0, 15.0},  // PresetAllowSmooth
    {1, 0, 1, 0, 1, 1, 1.0},   // PresetAllowNoise
    {1, 1, 1, 1, 1, 0, 10.0},  // PresetCheckAll
}};

}  // namespace

CompareOptions PresetOptions(int type) {
  if (type < 0 || type >= static_cast<int>(kPresets.size())) type = PresetDefault;
  return kPresets[static_cast<std::size_t>(type)];
}

}  // namespace orvane::compare
