// The seven comparison options of an ImageCompare control, the presets that set them all at
// once, and the conversions between the stored flags and the VARIANT_BOOL values that cross
// the interface.
#pragma once

#include <cstdint>

namespace orvane::compare {

// A VARIANT_BOOL as it crosses the interface: -1 for true, 0 for false.
using VariantBool = std::int16_t;
inline constexpr VariantBool kVariantTrue = -1;
inline constexpr VariantBool kVariantFalse = 0;

// The flags hold 0 or 1 (never a VARIANT_BOOL); what each one switches is in comparer.h.
struct CompareOptions {
  std::int32_t check_borders = 0;
  std::int32_t check_colors = 0;
  std::int32_t check_sizes = 0;
  std::int32_t check_smooth = 0;
  std::int32_t check_noise = 0;
  std::int32_t check_maximals = 0;
  double check_level = 0.0;  // percent; equal means strictly below it

  friend bool operator==(const CompareOptions&, const CompareOptions&) = default;
};

enum PresetType : int {
  PresetDefault = 0,
  PresetAllowBorders = 1,
  PresetAllowResize = 2,
  PresetAllowSmooth = 3,
  PresetAllowNoise = 4,
  PresetCheckAll = 5,
};

// The options of preset `type`; any value that names no preset gives PresetDefault's.
CompareOptions PresetOptions(int type);

// What a property get reports for a stored flag.
constexpr VariantBool FlagToVariant(std::int32_t flag) {
  return flag != 0 ? kVariantTrue : kVariantFalse;
}

// What a property put stores: only VARIANT_TRUE itself switches an option on, so a caller
// passing 1 (or any other non-zero value) switches it off.
constexpr std::int32_t VariantToFlag(VariantBool value) { return value == kVariantTrue ? 1 : 0; }

}  // namespace orvane::compare
