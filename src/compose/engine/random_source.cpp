#include "random_source.h"

#include <chrono>
#include <random>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::compose {
namespace {

std::uint64_t SplitMix(std::uint64_t& counter) {
  std::uint64_t z = (counter += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

std::uint32_t Rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

// One xoshiro128++ step of the lane whose four state words are s0 to s3; returns its output.
std::uint32_t Step(std::uint32_t& s0, std::uint32_t& s1, std::uint32_t& s2, std::uint32_t& s3) {
  const std::uint32_t result = Rotl(s0 + s3, 7) + s0;
  const std::uint32_t t = s1 << 9;
  s2 ^= s0;
  s3 ^= s1;
  s1 ^= s2;
  s0 ^= s3;
  s2 ^= t;
  s3 = Rotl(s3, 11);
  return result;
}

}  // namespace

RandomSource::RandomSource(std::uint64_t seed) {
  for (int lane = 0; lane < kLanes; ++lane) {
    const std::uint64_t low = SplitMix(seed);
    const std::uint64_t high = SplitMix(seed);
    state_[0][lane] = static_cast<std::uint32_t>(low);
    state_[1][lane] = static_cast<std::uint32_t>(low >> 32);
    state_[2][lane] = static_cast<std::uint32_t>(high);
    // An all-zero state would only ever give zeros.
    state_[3][lane] = static_cast<std::uint32_t>(high >> 32) | 1u;
  }
}

RandomSource RandomSource::FromEntropy() {
  std::uint64_t clock = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::uint64_t entropy = 0;
  try {
    std::random_device device;
    entropy = (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(device());
  } catch (...) {
    // No entropy source on this system: the clock alone still varies from control to control.
  }
  return RandomSource(entropy ^ SplitMix(clock));
}

// One step of every lane, one lane at a time: the path of single draws, and of every draw where
// vector registers are not available. The vector path must give the same draws.
void RandomSource::StepBlock(std::uint8_t* percent) {
  for (int lane = 0; lane < kLanes; ++lane) {
    const std::uint32_t result =
        Step(state_[0][lane], state_[1][lane], state_[2][lane], state_[3][lane]);
    percent[2 * lane] = static_cast<std::uint8_t>((result & 0xFFFFu) % 100);
    percent[2 * lane + 1] = static_cast<std::uint8_t>((result >> 16) % 100);
  }
}

int RandomSource::NextPercent() {
  if (used_ == kBlockDraws) {
    StepBlock(block_);
    used_ = 0;
  }
  return block_[used_++];
}

void RandomSource::FillPercent(std::uint8_t* percent, int count) {
  while (count > 0 && used_ < kBlockDraws) {
    *percent++ = block_[used_++];
    --count;
  }
  const int blocks = count / kBlockDraws;
  FillBlocks(percent, blocks);
  percent += blocks * kBlockDraws;
  count -= blocks * kBlockDraws;
  while (count-- > 0) *percent++ = static_cast<std::uint8_t>(NextPercent());
}

#if defined(__SSE2__)

void RandomSource::FillBlocks(std::uint8_t* percent, int blocks) {
  if (blocks <= 0) return;
  __m128i s[4][2];
  for (int w = 0; w < 4; ++w) {
    for (int h = 0; h < 2; ++h) {
      s[w][h] = _mm_load_si128(reinterpret_cast<const __m128i*>(&state_[w][4 * h]));
    }
  }
  const auto rotl = [](__m128i x, int k) {
    return _mm_or_si128(_mm_slli_epi32(x, k), _mm_srli_epi32(x, 32 - k));
  };
  // x div 100 = ((x div 4) * 20972) >> 19 for every 16-bit x; the one-by-one path takes plain
  // remainders, and the tests compare the two over millions of draws.
  const __m128i reciprocal = _mm_set1_epi16(20972);
  const __m128i hundred = _mm_set1_epi16(100);
  for (int b = 0; b < blocks; ++b) {
    __m128i remainders[2];
    for (int h = 0; h < 2; ++h) {
      __m128i& s0 = s[0][h];
      __m128i& s1 = s[1][h];
      __m128i& s2 = s[2][h];
      __m128i& s3 = s[3][h];
      const __m128i result = _mm_add_epi32(rotl(_mm_add_epi32(s0, s3), 7), s0);
      const __m128i t = _mm_slli_epi32(s1, 9);
      s2 = _mm_xor_si128(s2, s0);
      s3 = _mm_xor_si128(s3, s1);
      s1 = _mm_xor_si128(s1, s2);
      s0 = _mm_xor_si128(s0, s3);
      s2 = _mm_xor_si128(s2, t);
      s3 = rotl(s3, 11);
      // Seen as eight 16-bit draws: each lane's low half, then its high half.
      const __m128i quotient =
          _mm_srli_epi16(_mm_mulhi_epu16(_mm_srli_epi16(result, 2), reciprocal), 3);
      remainders[h] = _mm_sub_epi16(result, _mm_mullo_epi16(quotient, hundred));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(percent + b * kBlockDraws),
                     _mm_packus_epi16(remainders[0], remainders[1]));
  }
  for (int w = 0; w < 4; ++w) {
    for (int h = 0; h < 2; ++h) {
      _mm_store_si128(reinterpret_cast<__m128i*>(&state_[w][4 * h]), s[w][h]);
    }
  }
}

#else

void RandomSource::FillBlocks(std::uint8_t* percent, int blocks) {
  for (int b = 0; b < blocks; ++b) StepBlock(percent + b * kBlockDraws);
}

#endif

}  // namespace orvane::compose
