// Runs every benchmark, then prints each one's time as a ratio to the baseline pass of the same
// frame size measured in the same run: reading two 4-byte-per-pixel buffers and writing a third,
// which is one frame's memory traffic.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "frame_baseline.h"

namespace {

void Baseline(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0) * state.range(1) * 4);
  std::vector<std::uint8_t> a(size, 1), b(size, 2), out(size);
  for (auto _ : state) {
    const std::uint8_t* pa = a.data();
    const std::uint8_t* pb = b.data();
    std::uint8_t* po = out.data();
    for (std::size_t i = 0; i < size; ++i) po[i] = static_cast<std::uint8_t>(pa[i] ^ pb[i]);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(Baseline)->Apply(orvane::bench::FrameSizes);

// The size suffix of a benchmark name: "Fade/2/1920/1080" -> "1920/1080".
std::string SizeOf(const std::string& name) {
  const auto last = name.rfind('/');
  if (last == std::string::npos || last == 0) return {};
  const auto before = name.rfind('/', last - 1);
  return before == std::string::npos ? std::string{} : name.substr(before + 1);
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      times_.emplace_back(run.benchmark_name(), run.GetAdjustedRealTime());
    }
  }

  void PrintRatios() const {
    std::map<std::string, double> baseline;
    for (const auto& [name, time] : times_) {
      if (name.rfind("Baseline/", 0) == 0) baseline[SizeOf(name)] = time;
    }
    std::printf("\n%-56s %10s\n", "benchmark", "x baseline");
    for (const auto& [name, time] : times_) {
      const auto it = baseline.find(SizeOf(name));
      if (it == baseline.end() || it->second <= 0) continue;
      std::printf("%-56s %10.2f\n", name.c_str(), time / it->second);
    }
  }

 private:
  std::vector<std::pair<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
