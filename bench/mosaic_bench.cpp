// One benchmark per mosaic type, each a whole frame with no tiles, plus a tiled one.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "composer_state.h"
#include "effect_frame.h"
#include "frame_baseline.h"
#include "mosaic.h"

namespace orvane::compose {
namespace {

void RunMosaic(benchmark::State& bench, int mosaic, double frame, int tiles) {
  const int width = static_cast<int>(bench.range(0)), height = static_cast<int>(bench.range(1));
  ComposerState state;
  std::mt19937 rng(7);
  std::vector<std::uint8_t> bytes(ImageByteCount(width, height));
  for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
  state.AcceptImage(ImageSlot::kFirst, bytes.data(), 4, width, height);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
  state.AcceptImage(ImageSlot::kLast, bytes.data(), 4, width, height);
  state.SetTilesWidth(tiles);
  state.SetTilesHeight(tiles);
  std::vector<std::uint8_t> out(bytes.size());
  for (auto _ : bench) {
    if (auto f = EffectPrologue(state, ImageView{out.data(), width, height}, 4, frame)) {
      Mosaic(*f, mosaic);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
}

const char* const kTypeNames[] = {
    "Outside",
    "SpiralIn",
    "SpiralOut",
    "Strips",
    "Dissolve",
    "Clockwise",
    "CounterClockwise",
    "Random",
    "LeftTopToRightBottom",
    "RightTopToLeftBottom",
    "RightBottomToLeftTop",
    "LeftBottomToRightTop",
    "WallLeftToRight",
    "WallRightToLeft",
    "WallTopToBottom",
    "WallBottomToTop",
    "ChessLeftToRight",
    "ChessRightToLeft",
    "ChessTopToBottom",
    "ChessBottomToTop",
};

// Half of the cells have switched: the rows alternate between the two images most often.
constexpr double kFrame = 50.0;

[[maybe_unused]] const bool kRegistered = [] {
  for (int mosaic = 0; mosaic <= 19; ++mosaic) {
    benchmark::RegisterBenchmark(
        (std::string("Mosaic/") + kTypeNames[mosaic]).c_str(),
        [mosaic](benchmark::State& bench) { RunMosaic(bench, mosaic, kFrame, 0); })
        ->Apply(bench::FrameSizes);
  }
  benchmark::RegisterBenchmark("Mosaic/DissolveTiles16", [](benchmark::State& bench) {
    RunMosaic(bench, 4, kFrame, 16);
  })->Apply(bench::FrameSizes);
  return true;
}();

}  // namespace
}  // namespace orvane::compose
