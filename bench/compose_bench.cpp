#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "composer_state.h"
#include "effect_frame.h"
#include "fade.h"
#include "frame_baseline.h"

namespace orvane::compose {
namespace {

// A composer holding two random images of the benchmark's size, and the frame to render into.
class ComposeBench {
 public:
  explicit ComposeBench(const benchmark::State& state, int tiles = 0)
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

  template <class Effect>
  void Run(benchmark::State& state, double frame, Effect&& effect) {
    for (auto _ : state) {
      if (auto f = EffectPrologue(state_, ImageView{out_.data(), width_, height_}, 4, frame)) {
        effect(*f);
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

// Frames 33.3 (an ordinary weight), 37.5 (a weight with few binary digits) and 30 (a round
// weight whose blend has no integer form: the table path).
void FadeUniform(benchmark::State& state) {
  ComposeBench(state).Run(state, 33.3, [](const EffectFrame& f) { Fade(f, 0); });
}
BENCHMARK(FadeUniform)->Apply(bench::FrameSizes);

void FadeUniformFrame37_5(benchmark::State& state) {
  ComposeBench(state).Run(state, 37.5, [](const EffectFrame& f) { Fade(f, 0); });
}
BENCHMARK(FadeUniformFrame37_5)->Apply(bench::FrameSizes);

void FadeUniformFrame30(benchmark::State& state) {
  ComposeBench(state).Run(state, 30.0, [](const EffectFrame& f) { Fade(f, 0); });
}
BENCHMARK(FadeUniformFrame30)->Apply(bench::FrameSizes);

void FadeThatchesPattern(benchmark::State& state) {
  ComposeBench(state).Run(state, 66.6, [](const EffectFrame& f) { Fade(f, 13); });
}
BENCHMARK(FadeThatchesPattern)->Apply(bench::FrameSizes);

void FadeChessPatternTiles16(benchmark::State& state) {
  ComposeBench(state, 16).Run(state, 33.3, [](const EffectFrame& f) { Fade(f, 10); });
}
BENCHMARK(FadeChessPatternTiles16)->Apply(bench::FrameSizes);

// The cost of the plainest effect: every pixel's colour from one held image.
void CopyColourFrame(benchmark::State& state) {
  ComposeBench(state).Run(state, 50.0, [](const EffectFrame& f) {
    for (int y = 0; y < f.Height(); ++y) {
      const std::size_t row = PixelOffset(f, 0, y);
      CopyColourRun(f.out.data + row, f.last + row, f.Width());
    }
  });
}
BENCHMARK(CopyColourFrame)->Apply(bench::FrameSizes);

}  // namespace
}  // namespace orvane::compose
