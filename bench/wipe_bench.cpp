// One benchmark per wipe type, each a whole frame with no tiles, plus a few tiled ones.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "composer_state.h"
#include "effect_frame.h"
#include "frame_baseline.h"
#include "wipe.h"

namespace orvane::compose {
namespace {

// Renders `effect` at `frame` into a frame of the benchmark's size, from two random images.
void RunWipe(benchmark::State& bench, void (*effect)(const EffectFrame&, int), int type,
             double frame, int tiles) {
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
      effect(*f, type);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
}

struct WipeCase {
  const char* family;
  void (*effect)(const EffectFrame&, int);
  const char* type_name;
  int type;
  int tiles;
};

const WipeCase kCases[] = {
    {"WipeDoor", WipeDoor, "VerticalIn", 0, 0},
    {"WipeDoor", WipeDoor, "VerticalOut", 1, 0},
    {"WipeDoor", WipeDoor, "HorizontalIn", 2, 0},
    {"WipeDoor", WipeDoor, "HorizontalOut", 3, 0},
    {"WipeDoor", WipeDoor, "Diagonal", 4, 0},
    {"WipeDoor", WipeDoor, "DiagonalRotated", 5, 0},
    {"WipeStrips", WipeStrips, "Vertical", 0, 0},
    {"WipeStrips", WipeStrips, "Horizontal", 1, 0},
    {"WipeSide", WipeSide, "LeftToRight", 0, 0},
    {"WipeSide", WipeSide, "RightToLeft", 1, 0},
    {"WipeSide", WipeSide, "TopToBottom", 2, 0},
    {"WipeSide", WipeSide, "BottomToTop", 3, 0},
    {"WipeSide", WipeSide, "LeftTopToRightBottom", 4, 0},
    {"WipeSide", WipeSide, "LeftBottomToRightTop", 5, 0},
    {"WipeSide", WipeSide, "RightBottomToLeftTop", 6, 0},
    {"WipeSide", WipeSide, "RightTopToLeftBottom", 7, 0},
    {"WipeCenter", WipeCenter, "BoxIn", 0, 0},
    {"WipeCenter", WipeCenter, "BoxOut", 1, 0},
    {"WipeCenter", WipeCenter, "DiamondIn", 2, 0},
    {"WipeCenter", WipeCenter, "DiamondOut", 3, 0},
    {"WipeCenter", WipeCenter, "CircleIn", 4, 0},
    {"WipeCenter", WipeCenter, "CircleOut", 5, 0},
    {"WipeCenter", WipeCenter, "CrossIn", 6, 0},
    {"WipeCenter", WipeCenter, "CrossOut", 7, 0},
    // Tiles: many short runs per row instead of a few long ones.
    {"WipeCenter", WipeCenter, "CircleOutTiles64", 5, 64},
    {"WipeCenter", WipeCenter, "CircleOutTiles16", 5, 16},
    {"WipeSide", WipeSide, "LeftToRightTiles16", 0, 16},
};

// The frame sits where every shape covers a fair part of the tile with both images.
constexpr double kFrame = 37.3;

[[maybe_unused]] const bool kRegistered = [] {
  for (const WipeCase& c : kCases) {
    benchmark::RegisterBenchmark(
        (std::string(c.family) + "/" + c.type_name).c_str(),
        [c](benchmark::State& bench) { RunWipe(bench, c.effect, c.type, kFrame, c.tiles); })
        ->Apply(bench::FrameSizes);
  }
  return true;
}();

}  // namespace
}  // namespace orvane::compose
