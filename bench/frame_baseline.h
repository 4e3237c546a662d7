// Shared by the benchmarks: frame sizes, and the baseline every effect is measured against.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace orvane::bench {

// Benchmarks take the frame size as their last two arguments, so that the report can set
// each one against the baseline of the same size.
inline void FrameSizes(benchmark::internal::Benchmark* b) {
  b->Args({1920, 1080})->Args({640, 480})->Unit(benchmark::kMicrosecond);
}

}  // namespace orvane::bench
