// Shared by the benchmarks of the moving effects: a composer with two random images of the
// benchmark's size, and registration of one benchmark per type of an effect family.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "composer_state.h"
#include "effect_frame.h"
#include "frame_baseline.h"

namespace orvane::compose::bench {

// Every moving effect is measured at this position: far enough from the ends that both images
// take part, and not a position where the travel amounts are round numbers.
inline constexpr double kBenchFrame = 37.5;

using Effect = void (*)(const EffectFrame&, int);

inline void RunEffect(benchmark::State& state, Effect effect, int type, int tiles) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  ComposerState composer;
  std::mt19937 rng(7);
  std::vector<std::uint8_t> bytes(ImageByteCount(width, height));
  for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
  composer.AcceptImage(ImageSlot::kFirst, bytes.data(), 4, width, height);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
  composer.AcceptImage(ImageSlot::kLast, bytes.data(), 4, width, height);
  composer.SetTilesWidth(tiles);
  composer.SetTilesHeight(tiles);
  std::vector<std::uint8_t> out(bytes.size());
  for (auto _ : state) {
    if (auto f = EffectPrologue(composer, ImageView{out.data(), width, height}, 4, kBenchFrame)) {
      effect(*f, type);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
}

// Registers "<family>/<type name>" for every named type, and "<family>/<first type>Tiles16".
inline bool RegisterFamily(const std::string& family, Effect effect,
                           const std::vector<std::pair<int, std::string>>& types) {
  for (const auto& [type, name] : types) {
    benchmark::RegisterBenchmark((family + "/" + name).c_str(), [effect,
                                                                 type](benchmark::State& state) {
      RunEffect(state, effect, type, 0);
    })->Apply(orvane::bench::FrameSizes);
  }
  const auto& [type, name] = types.front();
  benchmark::RegisterBenchmark(
      (family + "/" + name + "Tiles16").c_str(),
      [effect, type](benchmark::State& state) { RunEffect(state, effect, type, 16); })
      ->Apply(orvane::bench::FrameSizes);
  return true;
}

inline const std::vector<std::pair<int, std::string>> kSideTypes = {
    {0, "LeftToRight"},          {1, "RightToLeft"},          {2, "TopToBottom"},
    {3, "BottomToTop"},          {4, "LeftTopToRightBottom"}, {5, "LeftBottomToRightTop"},
    {6, "RightBottomToLeftTop"}, {7, "RightTopToLeftBottom"}, {8, "Unsupported"}};
inline const std::vector<std::pair<int, std::string>> kStripsTypes = {
    {0, "Vertical"}, {1, "Horizontal"}, {2, "Unsupported"}};
inline const std::vector<std::pair<int, std::string>> kDoorTypes = {
    {0, "VerticalIn"}, {1, "VerticalOut"},     {2, "HorizontalIn"}, {3, "HorizontalOut"},
    {4, "Diagonal"},   {5, "DiagonalRotated"}, {6, "Unsupported"}};
inline const std::vector<std::pair<int, std::string>> kCenterTypes = {
    {0, "BoxIn"},     {1, "BoxOut"},  {2, "DiamondIn"}, {3, "DiamondOut"}, {4, "CircleIn"},
    {5, "CircleOut"}, {6, "CrossIn"}, {7, "CrossOut"},  {8, "Unsupported"}};

}  // namespace orvane::compose::bench
