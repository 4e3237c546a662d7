#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "composer_state.h"
#include "diffuse.h"
#include "effect_frame.h"
#include "frame_baseline.h"
#include "random_source.h"

namespace orvane::compose {
namespace {

// Two random images of the benchmark's size held by a composer, and the image to render into.
class DiffuseBench {
 public:
  DiffuseBench(const benchmark::State& state, int tiles)
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
    RandomSource random(1);
    for (auto _ : state) {
      if (auto f = EffectPrologue(state_, ImageView{out_.data(), width_, height_}, 4, frame)) {
        Diffuse(*f, type, random);
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

// A front across the columns, one along the rows, small tiles (many short spans) and a diagonal
// (no draws: a plain copy of the first image).
void LeftToRight(benchmark::State& state) { DiffuseBench(state, 0).Run(state, 37.3, 0); }
void TopToBottom(benchmark::State& state) { DiffuseBench(state, 0).Run(state, 37.3, 2); }
void RightToLeftTiles16(benchmark::State& state) { DiffuseBench(state, 16).Run(state, 62.1, 1); }
void Diagonal(benchmark::State& state) { DiffuseBench(state, 0).Run(state, 37.3, 4); }

BENCHMARK(LeftToRight)->Name("Diffuse/LeftToRight")->Apply(bench::FrameSizes);
BENCHMARK(TopToBottom)->Name("Diffuse/TopToBottom")->Apply(bench::FrameSizes);
BENCHMARK(RightToLeftTiles16)->Name("Diffuse/RightToLeftTiles16")->Apply(bench::FrameSizes);
BENCHMARK(Diagonal)->Name("Diffuse/Diagonal")->Apply(bench::FrameSizes);

}  // namespace
}  // namespace orvane::compose
