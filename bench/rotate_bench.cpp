#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "composer_state.h"
#include "effect_frame.h"
#include "frame_baseline.h"
#include "rotate.h"

namespace orvane::compose {
namespace {

// Two random images of the benchmark's size held by a composer, and the image to render into.
class RotateBench {
 public:
  RotateBench(const benchmark::State& state, int tiles)
      : width_(static_cast<int>(state.range(0))), height_(static_cast<int>(state.range(1))) {
    std::mt19937 rng(7);
    std::vector<std::uint8_t> bytes(ImageByteCount(width_, height_));
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    state_.AcceptImage(ImageSlot::kFirst, bytes.data(), 4, width_, height_);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    state_.AcceptImage(ImageSlot::kLast, bytes.data(), 4, width_, height_);
    state_.SetTilesWidth(tiles);
    state_.SetTilesHeight(tiles);
    out_.resize(bytes.size());
  }

  void Run(benchmark::State& state, double frame, int type) {
    for (auto _ : state) {
      if (auto f = EffectPrologue(state_, ImageView{out_.data(), width_, height_}, 4, frame)) {
        Rotate(*f, type);
      }
      benchmark::DoNotOptimize(out_.data());
      benchmark::ClobberMemory();
    }
  }

 private:
  int width_;
  int height_;
  ComposerState state_;
  std::vector<std::uint8_t> out_;
};

// Early in a shrinking turn nearly every pixel is resampled (the costly case); half way out
// about a third; with tiles of 64 each row's geometry serves thirty tiles.
void SingleIn(benchmark::State& state) { RotateBench(state, 0).Run(state, 10.0, 0); }
void TwiceOutHalfWay(benchmark::State& state) { RotateBench(state, 0).Run(state, 50.0, 3); }
void SingleInTiles64(benchmark::State& state) { RotateBench(state, 64).Run(state, 10.0, 0); }

BENCHMARK(SingleIn)->Name("Rotate/SingleIn")->Apply(bench::FrameSizes);
BENCHMARK(TwiceOutHalfWay)->Name("Rotate/TwiceOutHalfWay")->Apply(bench::FrameSizes);
BENCHMARK(SingleInTiles64)->Name("Rotate/SingleInTiles64")->Apply(bench::FrameSizes);

}  // namespace
}  // namespace orvane::compose
