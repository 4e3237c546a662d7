#include "blend_table.h"

#include <algorithm>
#include <climits>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::compose {
namespace {

constexpr int kShift = 15;
constexpr std::int64_t kOne = 1 << kShift;

// Why an integer form exists. With d = last - first, the exact sum of the two products is
// first x (a + (1 - a)) + a x d, and every rounding of the definition moves it by less than
// 1e-13 (all values stay below 512). So wherever a x d keeps clear of whole numbers, the blend
// is exactly first + floor(a x d), whatever `first` is. The 511 quotients floor(a x d) then
// bound an integer weight and rounding term by a handful of linear inequalities. Where a x d
// lies (nearly) on a whole number the rounding decides: a weight with few binary digits makes
// every step of the definition exact, so floor(a x d) holds there too; otherwise the
// definition is evaluated for every pair with that difference, and a result that depends on
// `first` leaves the weight without an integer form. Equal pairs (d = 0) are listed apart.
bool FindIntegerForm(const BlendTable& exact, double a, BlendTable::IntegerForm& form) {
  const bool exact_arithmetic = std::ldexp(a, 44) == std::floor(std::ldexp(a, 44));
  std::array<std::int64_t, 511> quotient{};  // for d = -255 ... 255
  for (int d = -255; d <= 255; ++d) {
    const double product = a * d;
    if (d == 0) continue;
    if (exact_arithmetic || std::abs(product - std::round(product)) > 1e-9) {
      quotient[d + 255] = static_cast<std::int64_t>(std::floor(product));
      continue;
    }
    int seen = INT_MIN;
    for (int first = std::max(0, -d); first <= std::min(255, 255 - d); ++first) {
      const int q =
          exact(static_cast<std::uint8_t>(first + d), static_cast<std::uint8_t>(first)) - first;
      if (seen != INT_MIN && q != seen) return false;
      seen = q;
    }
    quotient[d + 255] = seen;
  }
  const auto nearest = static_cast<std::int64_t>(std::floor(a * kOne));
  for (std::int64_t weight = nearest - 2; weight <= nearest + 2; ++weight) {
    // Both weights must fit in a signed 16-bit lane.
    if (weight < 1 || weight >= kOne) continue;
    std::int64_t low = 0, high = kOne;  // quotient x 2^15 <= d x weight + rounding < ...
    for (int d = -255; d <= 255; ++d) {
      const std::int64_t q = quotient[d + 255];
      low = std::max(low, q * kOne - d * weight);
      high = std::min(high, (q + 1) * kOne - d * weight);
    }
    if (low < high) {
      form.exists = true;
      form.weight = static_cast<std::int16_t>(weight);
      form.rounding = static_cast<std::int32_t>(low);
      return true;
    }
  }
  return false;
}

#if defined(__SSE2__)
// Lane constants of one integer form: the (weight, 2^15 - weight) pair and the rounding term.
struct FormLanes {
  __m128i weights;
  __m128i rounding;

  explicit FormLanes(const BlendTable::IntegerForm& form)
      : weights(_mm_set1_epi32(static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::uint16_t>(kOne - form.weight)) << 16 |
            static_cast<std::uint16_t>(form.weight)))),
        rounding(_mm_set1_epi32(form.rounding)) {}
};

// Blends four pixels (16 bytes); the fourth bytes keep `out`'s.
inline __m128i BlendFour(__m128i l, __m128i f, __m128i o, const FormLanes& form) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i fourth_bytes = _mm_set1_epi32(static_cast<std::int32_t>(0xFF000000u));
  // (last, first) byte pairs widened to 16-bit pairs, multiplied and summed pairwise.
  const __m128i pairs_low = _mm_unpacklo_epi8(l, f);
  const __m128i pairs_high = _mm_unpackhi_epi8(l, f);
  auto blend = [&](__m128i pairs) {
    return _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(pairs, form.weights), form.rounding),
                          kShift);
  };
  const __m128i b0 = blend(_mm_unpacklo_epi8(pairs_low, zero));
  const __m128i b1 = blend(_mm_unpackhi_epi8(pairs_low, zero));
  const __m128i b2 = blend(_mm_unpacklo_epi8(pairs_high, zero));
  const __m128i b3 = blend(_mm_unpackhi_epi8(pairs_high, zero));
  const __m128i blended = _mm_packus_epi16(_mm_packs_epi32(b0, b1), _mm_packs_epi32(b2, b3));
  return _mm_or_si128(_mm_andnot_si128(fourth_bytes, blended), _mm_and_si128(fourth_bytes, o));
}

// Colour bytes of the four pixels at `l`/`f` whose last and first bytes are equal, as bits.
inline int EqualColourBytes(__m128i l, __m128i f) {
  return _mm_movemask_epi8(_mm_cmpeq_epi8(l, f)) & 0x7777;
}
#endif

}  // namespace

// Below this many pixels, building the 65536-entry table costs more than it saves.
constexpr std::size_t kPairTablePixels = 1 << 15;

BlendTable::BlendTable(double a, std::size_t pixels) {
  for (int v = 0; v < 256; ++v) {
    last_term_[v] = a * v;
    first_term_[v] = (1 - a) * v;
  }
  if (!FindIntegerForm(*this, a, integer_)) {
    if (pixels >= kPairTablePixels) {
      by_pair_.resize(65536);
      for (int last = 0; last < 256; ++last) {
        for (int first = 0; first < 256; ++first) {
          by_pair_[last << 8 | first] =
              (*this)(static_cast<std::uint8_t>(last), static_cast<std::uint8_t>(first));
        }
      }
    }
    return;
  }
  for (int v = 0; v < 256; ++v) {
    integer_.equal_pair[v] = (*this)(static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v));
    if (integer_.equal_pair[v] != v) integer_.equal_pairs_differ = true;
  }
}

void BlendTable::BlendPixel(std::uint8_t* out, const std::uint8_t* last,
                            const std::uint8_t* first) const {
  if (!by_pair_.empty()) {
    out[2] = by_pair_[last[2] << 8 | first[2]];
    out[1] = by_pair_[last[1] << 8 | first[1]];
    out[0] = by_pair_[last[0] << 8 | first[0]];
    return;
  }
  out[2] = (*this)(last[2], first[2]);
  out[1] = (*this)(last[1], first[1]);
  out[0] = (*this)(last[0], first[0]);
}

void BlendTable::BlendRun(std::uint8_t* out, const std::uint8_t* last, const std::uint8_t* first,
                          int count) const {
  int i = 0;
#if defined(__SSE2__)
  if (integer_.exists) {
    const FormLanes lanes(integer_);
    for (; i + 4 <= count; i += 4) {
      const std::size_t at = static_cast<std::size_t>(i) * 4;
      const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(last + at));
      const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + at));
      const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + at));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), BlendFour(l, f, o, lanes));
      if (integer_.equal_pairs_differ) {
        for (int bits = EqualColourBytes(l, f); bits != 0; bits &= bits - 1) {
          const std::size_t byte = at + static_cast<std::size_t>(__builtin_ctz(bits));
          out[byte] = integer_.equal_pair[last[byte]];
        }
      }
    }
  }
#endif
  for (; i < count; ++i) {
    const std::size_t at = static_cast<std::size_t>(i) * 4;
    BlendPixel(out + at, last + at, first + at);
  }
}

void BlendTable::BlendRunOrCopy(const std::int32_t* copy_masks, const std::uint8_t* copied,
                                std::uint8_t* out, const std::uint8_t* last,
                                const std::uint8_t* first, int count) const {
  int i = 0;
#if defined(__SSE2__)
  if (integer_.exists) {
    const FormLanes lanes(integer_);
    const __m128i colour_bytes = _mm_set1_epi32(0x00FFFFFF);
    for (; i + 4 <= count; i += 4) {
      const std::size_t at = static_cast<std::size_t>(i) * 4;
      const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(last + at));
      const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + at));
      const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + at));
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(copied + at));
      const __m128i copy = _mm_and_si128(
          colour_bytes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(copy_masks + i)));
      const __m128i blended = BlendFour(l, f, o, lanes);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at),
                       _mm_or_si128(_mm_and_si128(copy, c), _mm_andnot_si128(copy, blended)));
      if (integer_.equal_pairs_differ) {
        const int blended_bytes = ~_mm_movemask_epi8(copy);
        for (int bits = EqualColourBytes(l, f) & blended_bytes; bits != 0; bits &= bits - 1) {
          const std::size_t byte = at + static_cast<std::size_t>(__builtin_ctz(bits));
          out[byte] = integer_.equal_pair[last[byte]];
        }
      }
    }
  }
#endif
  for (; i < count; ++i) {
    const std::size_t at = static_cast<std::size_t>(i) * 4;
    if (copy_masks[i]) {
      out[at + 2] = copied[at + 2];
      out[at + 1] = copied[at + 1];
      out[at] = copied[at];
    } else {
      BlendPixel(out + at, last + at, first + at);
    }
  }
}

}  // namespace orvane::compose
