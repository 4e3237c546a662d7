#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "comparer.h"
#include "frame_baseline.h"
#include "image_view.h"

namespace orvane::compare {
namespace {

// A photograph-like pair: smooth gradients with a little grain, and a copy of it in which a
// small patch has changed and a few hundred pixels carry isolated noise.
class ComparePair {
 public:
  explicit ComparePair(const benchmark::State& state)
      : width_(static_cast<int>(state.range(0))),
        height_(static_cast<int>(state.range(1))),
        first_(ImageByteCount(width_, height_)) {
    std::mt19937 rng(3);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        std::uint8_t* p = first_.data() + ImageByteCount(width_, y) + 4 * x;
        const int grain = static_cast<int>(rng() % 7);
        p[0] = static_cast<std::uint8_t>((x * 255 / width_ + grain) & 0xFF);
        p[1] = static_cast<std::uint8_t>((y * 255 / height_ + grain) & 0xFF);
        p[2] = static_cast<std::uint8_t>(((x + y) / 8 + grain) & 0xFF);
        p[3] = 0;
      }
    }
    second_ = first_;
    for (int y = height_ / 3; y < height_ / 3 + height_ / 20; ++y) {
      for (int x = width_ / 2; x < width_ / 2 + width_ / 20; ++x) {
        second_[ImageByteCount(width_, y) + 4 * x + 1] ^= 0x40;
      }
    }
    for (int i = 0; i < 500; ++i) {
      second_[(rng() % (static_cast<std::size_t>(width_) * height_)) * 4 + rng() % 3] ^= 0x20;
    }
  }

  InputImage First() const { return {first_.data(), kBytesPerPixel, width_, height_}; }
  InputImage Second() const { return {second_.data(), kBytesPerPixel, width_, height_}; }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> first_;
  std::vector<std::uint8_t> second_;
};

void RunCompare(benchmark::State& state, int preset) {
  const ComparePair pair(state);
  Comparer comparer;
  comparer.Preset(preset);
  for (auto _ : state) {
    benchmark::DoNotOptimize(comparer.Compare(pair.First(), pair.Second()));
    benchmark::ClobberMemory();
  }
}

void CompareDefault(benchmark::State& state) { RunCompare(state, PresetDefault); }
BENCHMARK(CompareDefault)->Apply(bench::FrameSizes);

void CompareCheckAll(benchmark::State& state) { RunCompare(state, PresetCheckAll); }
BENCHMARK(CompareCheckAll)->Apply(bench::FrameSizes);

// Two unrelated random images: no pixel agrees, every one takes the full arithmetic.
void RunCompareRandom(benchmark::State& state, int preset) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  std::mt19937 rng(11);
  std::vector<std::uint8_t> first(ImageByteCount(width, height)), second(first.size());
  for (auto& b : first) b = static_cast<std::uint8_t>(rng());
  for (auto& b : second) b = static_cast<std::uint8_t>(rng());
  Comparer comparer;
  comparer.Preset(preset);
  for (auto _ : state) {
    benchmark::DoNotOptimize(comparer.Compare({first.data(), kBytesPerPixel, width, height},
                                              {second.data(), kBytesPerPixel, width, height}));
    benchmark::ClobberMemory();
  }
}

void CompareDefaultRandom(benchmark::State& state) { RunCompareRandom(state, PresetDefault); }
BENCHMARK(CompareDefaultRandom)->Apply(bench::FrameSizes);

void CompareCheckAllRandom(benchmark::State& state) { RunCompareRandom(state, PresetCheckAll); }
BENCHMARK(CompareCheckAllRandom)->Apply(bench::FrameSizes);

// The worst case of the border search: a uniform image is read whole, twice.
void CompareDefaultUniform(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  const std::vector<std::uint8_t> grey(ImageByteCount(width, height), 128);
  const InputImage image{grey.data(), kBytesPerPixel, width, height};
  Comparer comparer;
  for (auto _ : state) {
    benchmark::DoNotOptimize(comparer.Compare(image, image));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CompareDefaultUniform)->Apply(bench::FrameSizes);

}  // namespace
}  // namespace orvane::compare
