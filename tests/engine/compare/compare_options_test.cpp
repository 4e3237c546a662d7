#include "compare_options.h"

#include <gtest/gtest.h>

#include "comparer.h"

namespace orvane::compare {
namespace {

TEST(CompareOptions, ANewComparerHoldsTheDefaultPreset) {
  const CompareOptions expected{1, 0, 0, 0, 1, 1, 3.0};
  EXPECT_EQ(Comparer().Options(), expected);
}

TEST(CompareOptions, EveryPresetSetsAllSevenOptions) {
  const struct {
    int type;
    CompareOptions options;
  } rows[] = {
      {PresetDefault, {1, 0, 0, 0, 1, 1, 3.0}},
      {PresetAllowBorders, {1, 0, 1, 0, 1, 0, 5.0}},
      {PresetAllowResize, {1, 0, 0, 0, 1, 0, 15.0}},
      {PresetAllowSmooth, {1, 0, 1, 1, 1, 0, 15.0}},
      {PresetAllowNoise, {1, 0, 1, 0, 1, 1, 1.0}},
      {PresetCheckAll, {1, 1, 1, 1, 1, 0, 10.0}},
      // Values that name no preset give the default.
      {6, {1, 0, 0, 0, 1, 1, 3.0}},
      {-1, {1, 0, 0, 0, 1, 1, 3.0}},
      {1000, {1, 0, 0, 0, 1, 1, 3.0}},
      {INT32_MIN, {1, 0, 0, 0, 1, 1, 3.0}},
  };
  for (const auto& row : rows) {
    Comparer comparer;
    // Start from values no preset has, so that a field a preset forgot would show.
    comparer.Options() = CompareOptions{7, 7, 7, 7, 7, 7, -42.0};
    comparer.Preset(row.type);
    EXPECT_EQ(comparer.Options(), row.options) << "preset " << row.type;
  }
}

TEST(CompareOptions, OnlyVariantTrueSwitchesAnOptionOn) {
  const struct {
    VariantBool put;
    std::int32_t stored;
  } rows[] = {{-1, 1}, {0, 0}, {1, 0}, {2, 0}, {-2, 0}, {0x7FFF, 0}, {INT16_MIN, 0}};
  for (const auto& row : rows) {
    EXPECT_EQ(VariantToFlag(row.put), row.stored) << "put " << row.put;
    EXPECT_EQ(FlagToVariant(VariantToFlag(row.put)), row.stored ? kVariantTrue : kVariantFalse);
  }
  // A stored flag reads back as VARIANT_TRUE whenever it is not 0.
  EXPECT_EQ(FlagToVariant(1), kVariantTrue);
  EXPECT_EQ(FlagToVariant(7), kVariantTrue);
  EXPECT_EQ(FlagToVariant(0), kVariantFalse);
}

TEST(CompareOptions, ASinglePutAfterAPresetChangesThatOptionAlone) {
  Comparer comparer;
  comparer.Preset(PresetCheckAll);
  comparer.Options().check_smooth = VariantToFlag(kVariantFalse);
  EXPECT_EQ(comparer.Options(), (CompareOptions{1, 1, 1, 0, 1, 0, 10.0}));
}

}  // namespace
}  // namespace orvane::compare
