// The random source of the grainy transitions: a stream of uniform draws, one per pixel, of which
// an effect keeps the remainder modulo 100.
#pragma once

#include <cstdint>

namespace orvane::compose {

// The draws are 16-bit uniform integers from eight interleaved xoshiro128++ generators: one step
// of the eight gives sixteen draws, generator 0's output first, each output's low half before
// its high half. The generators' states come from splitmix64 over the seed.
//
// Why not the C library's rand(): it keeps one state per thread, shared with any other code on
// the host's thread, and one call per pixel costs more than the rest of the effect. Eight
// independent lanes let the draws be made in vector registers, four lanes per instruction.
// Sixteen bits keep the remainder's bias negligible: the values 0 to 35 come up 656 times in
// 65536 and the others 655 times.
//
// Each control owns one source, seeded once when it is created, so the grain differs from call
// to call and from control to control; tests seed it to replay a sequence.
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed);

  // A source seeded from the system's entropy and the clock (the clock covers C runtimes whose
  // random_device gives a fixed sequence).
  static RandomSource FromEntropy();

  // The next draw modulo 100 (0 to 99).
  int NextPercent();

  // The next `count` draws modulo 100, exactly as `count` calls of NextPercent would give them.
  void FillPercent(std::uint8_t* percent, int count);

 private:
  static constexpr int kLanes = 8;
  static constexpr int kBlockDraws = 2 * kLanes;

  // Steps every lane once and stores the 16 draws modulo 100.
  void StepBlock(std::uint8_t* percent);
  // Steps every lane `blocks` times and stores the 16 x `blocks` draws modulo 100.
  void FillBlocks(std::uint8_t* percent, int blocks);

  alignas(16) std::uint32_t state_[4][kLanes];  // word w of lane l at [w][l]
  std::uint8_t block_[kBlockDraws] = {};        // the step now being handed out one by one
  int used_ = kBlockDraws;                      // how many of block_ were handed out
};

}  // namespace orvane::compose
