#include "grey_difference.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::compare {
namespace {

constexpr int kMaxSumOfSquares = 3 * 255 * 255;

// Why the colour distance is a table. Mathematically g = floor(sqrt(S / 3) + 1/2) for the sum
// S of the three squared byte differences, and S / 3 never comes within 1/12 of a rounding
// boundary (n - 1/2)^2, whose fractional part is 1/4 where that of S / 3 is 0, 1/3 or 2/3. In
// d that is a margin above 1e-4, against rounding errors of hypot, the division and the
// addition below 1e-13: the defined value of every pixel pair is the exact one, and this table
// holds it, computed in integers: g is the largest n with 3 (2n - 1)^2 <= 4 S.
std::array<std::uint8_t, kMaxSumOfSquares + 1> BuildColourTable() {
  std::array<std::uint8_t, kMaxSumOfSquares + 1> table{};
  int n = 0;
  for (int s = 0; s <= kMaxSumOfSquares; ++s) {
    while (n < 255 && 3 * (2 * n + 1) * (2 * n + 1) <= 4 * s) ++n;
    table[static_cast<std::size_t>(s)] = static_cast<std::uint8_t>(n);
  }
  return table;
}

const std::array<std::uint8_t, kMaxSumOfSquares + 1>& ColourTable() {
  static const auto table = BuildColourTable();
  return table;
}

// The definition for one pixel pair.
inline std::uint8_t LightnessGrey(const std::uint8_t* p, const std::uint8_t* q) {
  const double la = 0.11 * p[0] + 0.59 * p[1] + 0.3 * p[2];
  const double lb = 0.11 * q[0] + 0.59 * q[1] + 0.3 * q[2];
  const double v = std::fabs(la - lb) + 0.5;
  return static_cast<std::uint8_t>(v > 255 ? 255 : static_cast<int>(v));
}

inline std::uint8_t ColourGrey(const std::uint8_t* p, const std::uint8_t* q,
                               const std::uint8_t* table) {
  const int d0 = p[0] - q[0];
  const int d1 = p[1] - q[1];
  const int d2 = p[2] - q[2];
  return table[d0 * d0 + d1 * d1 + d2 * d2];
}

#if defined(__SSE2__)
constexpr int kBlock = 16;  // pixels per step of the vector loops

// Whether 16 pixels of `a` and `b` agree in all their colour bytes: then both measures give 0
// (the same bytes give the very same doubles).
inline bool SameColours(const std::uint8_t* a, const std::uint8_t* b) {
  const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
  __m128i any = _mm_setzero_si128();
  for (int i = 0; i < 4; ++i) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a) + i);
    const __m128i q = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b) + i);
    any = _mm_or_si128(any, _mm_and_si128(_mm_xor_si128(p, q), colour));
  }
  return _mm_movemask_epi8(_mm_cmpeq_epi8(any, _mm_setzero_si128())) == 0xFFFF;
}

// 100 x lightness, 11 b + 59 g + 30 r, of four pixels as 32-bit lanes: the weighted pairs
// (b, g) and (r, fourth byte) summed by one multiply-add, then the two halves by another.
inline __m128i Lightness100(__m128i pixels) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i weights = _mm_setr_epi16(11, 59, 30, 0, 11, 59, 30, 0);
  const __m128i low = _mm_madd_epi16(_mm_unpacklo_epi8(pixels, zero), weights);
  const __m128i high = _mm_madd_epi16(_mm_unpackhi_epi8(pixels, zero), weights);
  return _mm_madd_epi16(_mm_packs_epi32(low, high), _mm_set1_epi16(1));
}

// 100 x lightness of eight pixels as 16-bit lanes (at most 25500).
inline __m128i Lightness100Of8(const std::uint8_t* pixels) {
  const __m128i* p = reinterpret_cast<const __m128i*>(pixels);
  return _mm_packs_epi32(Lightness100(_mm_loadu_si128(p)), Lightness100(_mm_loadu_si128(p + 1)));
}

// Why the lightness needs no doubles. With D = 100 la - 100 lb, a whole number, the exact
// |d| + 1/2 is (|D| + 50) / 100, and the definition's roundings move it by less than 1e-12.
// Unless |D| ends in 50 its distance to the next whole number is at least 0.01, so g is
// exactly floor((|D| + 50) / 100), taken here as ((|D| + 50) x 5243) >> 19, which equals it
// for every value up to 25550. Where |D| ends in 50 the exact value is a whole number and the
// roundings decide: those pixels are given the definition itself. Returns the greys of eight
// pixels as 16-bit lanes, and in `ties` the lanes to recompute.
inline __m128i LightnessGrey8(const std::uint8_t* a, const std::uint8_t* b, __m128i& ties) {
  const __m128i d = _mm_sub_epi16(Lightness100Of8(a), Lightness100Of8(b));
  const __m128i x =
      _mm_add_epi16(_mm_max_epi16(d, _mm_sub_epi16(_mm_setzero_si128(), d)), _mm_set1_epi16(50));
  const __m128i g = _mm_srli_epi16(_mm_mulhi_epu16(x, _mm_set1_epi16(5243)), 3);
  ties = _mm_cmpeq_epi16(_mm_mullo_epi16(g, _mm_set1_epi16(100)), x);
  return g;
}
#endif

}  // namespace

std::uint8_t ColourDistanceGrey(int sum_of_squares) {
  return ColourTable()[static_cast<std::size_t>(sum_of_squares)];
}

void LightnessDifferenceRun(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* grey,
                            int count) {
  int x = 0;
#if defined(__SSE2__)
  for (; x + kBlock <= count; x += kBlock) {
    const std::uint8_t* p = a + 4 * x;
    const std::uint8_t* q = b + 4 * x;
    if (SameColours(p, q)) {
      std::memset(grey + x, 0, kBlock);
      continue;
    }
    __m128i ties_low, ties_high;
    const __m128i low = LightnessGrey8(p, q, ties_low);
    const __m128i high = LightnessGrey8(p + 32, q + 32, ties_high);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(grey + x), _mm_packus_epi16(low, high));
    int ties = _mm_movemask_epi8(_mm_packs_epi16(ties_low, ties_high));
    while (ties != 0) {
      const int k = std::countr_zero(static_cast<unsigned>(ties));
      grey[x + k] = LightnessGrey(p + 4 * k, q + 4 * k);
      ties &= ties - 1;
    }
  }
#endif
  for (; x < count; ++x) grey[x] = LightnessGrey(a + 4 * x, b + 4 * x);
}

void ColourDifferenceRun(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* grey,
                         int count) {
  const std::uint8_t* table = ColourTable().data();
  int x = 0;
#if defined(__SSE2__)
  for (; x + kBlock <= count; x += kBlock) {
    const std::uint8_t* p = a + 4 * x;
    const std::uint8_t* q = b + 4 * x;
    if (SameColours(p, q)) {
      std::memset(grey + x, 0, kBlock);
      continue;
    }
    for (int k = 0; k < kBlock; ++k) grey[x + k] = ColourGrey(p + 4 * k, q + 4 * k, table);
  }
#endif
  for (; x < count; ++x) grey[x] = ColourGrey(a + 4 * x, b + 4 * x, table);
}

}  // namespace orvane::compare
