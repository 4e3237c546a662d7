#include "stretch_lines.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::compose {
namespace {

#if defined(__SSE2__)
// One pixel's four channels from 16-bit (p1, p0) pairs by an integer form: (p1 x W + p0 x W')
// is formed as high-part products shifted by 8 plus low-part products, since W needs 23 bits.
inline __m128i Lerp(__m128i pairs, __m128i high, __m128i low, __m128i rounding) {
  const __m128i sum =
      _mm_add_epi32(_mm_slli_epi32(_mm_madd_epi16(pairs, high), 8), _mm_madd_epi16(pairs, low));
  return _mm_srai_epi32(_mm_add_epi32(sum, rounding), LerpWeight::kShift);
}

// One pixel's four channels by the definition, from `cells` holding p0 in bytes 0-3 and p1 in
// bytes 4-7: trunc(p1 x a + p0 x (1 - a)), each product and the sum rounded as in scalar code.
inline __m128i LerpByDefinition(__m128i cells, __m128d a, __m128d rest) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i words = _mm_unpacklo_epi8(cells, zero);
  const __m128i p0 = _mm_unpacklo_epi16(words, zero);
  const __m128i p1 = _mm_unpackhi_epi16(words, zero);
  const __m128d low =
      _mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(p1), a), _mm_mul_pd(_mm_cvtepi32_pd(p0), rest));
  const __m128d high = _mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(_mm_shuffle_epi32(p1, 0xEE)), a),
                                  _mm_mul_pd(_mm_cvtepi32_pd(_mm_shuffle_epi32(p0, 0xEE)), rest));
  return _mm_unpacklo_epi64(_mm_cvttpd_epi32(low), _mm_cvttpd_epi32(high));
}

// Packs four pixels' channel lanes into 16 bytes and keeps the fourth bytes of `kept`.
inline __m128i PackKeepingFourth(__m128i p0, __m128i p1, __m128i p2, __m128i p3, __m128i kept) {
  const __m128i fourth = _mm_set1_epi32(static_cast<std::int32_t>(0xFF000000u));
  const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(p0, p1), _mm_packs_epi32(p2, p3));
  return _mm_or_si128(_mm_andnot_si128(fourth, bytes), _mm_and_si128(fourth, kept));
}

inline __m128i Load(const std::uint8_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// The last group of a run, fewer than four pixels: `group` computes four pixels' bytes from the
// bytes they replace, and only the first `count` pixels are written.
template <class Group>
inline void PartialGroup(std::uint8_t* out, int count, Group&& group) {
  alignas(16) std::uint8_t bytes[16] = {};
  std::memcpy(bytes, out, std::size_t{4} * count);
  _mm_store_si128(reinterpret_cast<__m128i*>(bytes),
                  group(_mm_load_si128(reinterpret_cast<const __m128i*>(bytes))));
  std::memcpy(out, bytes, std::size_t{4} * count);
}
#endif

}  // namespace

void LerpRows(std::uint8_t* out, const std::uint8_t* upper, const std::uint8_t* lower, int count,
              const LerpWeight& w) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i high = _mm_set1_epi32(w.HighPair());
  const __m128i low = _mm_set1_epi32(w.LowPair());
  const __m128i rounding = _mm_set1_epi32(w.Rounding());
  const __m128d a = _mm_set1_pd(w.Fraction()), rest = _mm_set1_pd(w.Rest());
  const bool integer = w.HasIntegerForm();
  // Four pixels from 16 bytes of each row.
  const auto group = [&](__m128i u, __m128i l, __m128i kept) {
    if (integer) {
      const __m128i pairs_01 = _mm_unpacklo_epi8(u, l);
      const __m128i pairs_23 = _mm_unpackhi_epi8(u, l);
      return PackKeepingFourth(Lerp(_mm_unpacklo_epi8(pairs_01, zero), high, low, rounding),
                               Lerp(_mm_unpackhi_epi8(pairs_01, zero), high, low, rounding),
                               Lerp(_mm_unpacklo_epi8(pairs_23, zero), high, low, rounding),
                               Lerp(_mm_unpackhi_epi8(pairs_23, zero), high, low, rounding), kept);
    }
    // Each pixel's p0 bytes followed by its p1 bytes.
    const __m128i cells_01 = _mm_unpacklo_epi32(l, u);
    const __m128i cells_23 = _mm_unpackhi_epi32(l, u);
    return PackKeepingFourth(LerpByDefinition(cells_01, a, rest),
                             LerpByDefinition(_mm_srli_si128(cells_01, 8), a, rest),
                             LerpByDefinition(cells_23, a, rest),
                             LerpByDefinition(_mm_srli_si128(cells_23, 8), a, rest), kept);
  };
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    const std::size_t at = std::size_t{4} * i;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at),
                     group(Load(upper + at), Load(lower + at), Load(out + at)));
  }
  if (i < count) {
    // Copies of the rows' last pixels, so nothing past them is read.
    const std::size_t at = std::size_t{4} * i, bytes = std::size_t{4} * (count - i);
    alignas(16) std::uint8_t u[16] = {}, l[16] = {};
    std::memcpy(u, upper + at, bytes);
    std::memcpy(l, lower + at, bytes);
    PartialGroup(out + at, count - i, [&](__m128i kept) {
      return group(_mm_load_si128(reinterpret_cast<const __m128i*>(u)),
                   _mm_load_si128(reinterpret_cast<const __m128i*>(l)), kept);
    });
  }
#else
  for (int i = 0; i < count; ++i) {
    const std::size_t at = std::size_t{4} * i;
    for (int c = 2; c >= 0; --c) out[at + c] = w(upper[at + c], lower[at + c]);
  }
#endif
}

void LerpColumns(std::uint8_t* out_row, const std::uint8_t* source_row, const ColumnForm* forms,
                 int begin, int end) {
  int x = begin;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const auto lerp = [&](int column) {
    const ColumnForm& form = forms[column];
    // The cell's pixel and the next one: p0 in bytes 0-3, p1 in bytes 4-7.
    const __m128i cells =
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source_row + form.offset));
    if (form.by_definition) {
      return LerpByDefinition(cells, _mm_load_pd(form.fraction), _mm_load_pd(form.rest));
    }
    const __m128i pairs = _mm_unpacklo_epi8(_mm_srli_si128(cells, 4), cells);
    return Lerp(_mm_unpacklo_epi8(pairs, zero),
                _mm_load_si128(reinterpret_cast<const __m128i*>(form.high_pair)),
                _mm_load_si128(reinterpret_cast<const __m128i*>(form.low_pair)),
                _mm_load_si128(reinterpret_cast<const __m128i*>(form.rounding)));
  };
  for (; x + 4 <= end; x += 4) {
    std::uint8_t* out = out_row + std::size_t{4} * x;
    const __m128i v0 = lerp(x), v1 = lerp(x + 1), v2 = lerp(x + 2), v3 = lerp(x + 3);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), PackKeepingFourth(v0, v1, v2, v3, Load(out)));
  }
  if (x < end) {
    // The missing pixels repeat the run's last column, whose form is valid.
    const int last = end - 1;
    PartialGroup(out_row + std::size_t{4} * x, end - x, [&](__m128i kept) {
      return PackKeepingFourth(lerp(x), lerp(std::min(x + 1, last)), lerp(std::min(x + 2, last)),
                               lerp(last), kept);
    });
  }
#else
  for (; x < end; ++x) {
    const ColumnForm& form = forms[x];
    const std::uint8_t* p0 = source_row + form.offset;
    std::uint8_t* out = out_row + std::size_t{4} * x;
    for (int c = 2; c >= 0; --c) {
      out[c] = static_cast<std::uint8_t>(
          form.by_definition ? p0[4 + c] * form.fraction[0] + p0[c] * form.rest[0]
                             : LerpWeight::IntegerForm(p0[4 + c], p0[c], form.high_pair[0],
                                                       form.low_pair[0], form.rounding[0]));
    }
  }
#endif
}

void BilinearColumns(std::uint8_t* out_row, const std::uint8_t* lower, const std::uint8_t* upper,
                     const ColumnForm* forms, double fy, int begin, int end) {
  const double rest_y = 1 - fy;
  int x = begin;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128d fy2 = _mm_set1_pd(fy), rest_y2 = _mm_set1_pd(rest_y);
  const auto sample = [&](int column) {
    const ColumnForm& form = forms[column];
    const __m128d fx = _mm_load_pd(form.fraction), rest_x = _mm_load_pd(form.rest);
    const __m128i low_words = _mm_unpacklo_epi8(
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(lower + form.offset)), zero);
    const __m128i high_words = _mm_unpacklo_epi8(
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(upper + form.offset)), zero);
    const __m128i p00 = _mm_unpacklo_epi16(low_words, zero);   // p(ix, iy)
    const __m128i p10 = _mm_unpackhi_epi16(low_words, zero);   // p(ix + 1, iy)
    const __m128i p01 = _mm_unpacklo_epi16(high_words, zero);  // p(ix, iy + 1)
    const __m128i p11 = _mm_unpackhi_epi16(high_words, zero);  // p(ix + 1, iy + 1)
    // Channels 0 and 1 from lanes 0 and 1, channels 2 and 3 from lanes 2 and 3.
    const auto sum = [&](int shuffle_high) {
      const auto d = [&](__m128i v) {
        return _mm_cvtepi32_pd(shuffle_high ? _mm_shuffle_epi32(v, 0xEE) : v);
      };
      const __m128d t1 = _mm_mul_pd(_mm_mul_pd(d(p11), fy2), fx);
      const __m128d t2 = _mm_mul_pd(_mm_mul_pd(d(p01), rest_x), fy2);
      const __m128d t3 = _mm_mul_pd(_mm_mul_pd(d(p10), rest_y2), fx);
      const __m128d t4 = _mm_mul_pd(_mm_mul_pd(d(p00), rest_y2), rest_x);
      return _mm_cvttpd_epi32(_mm_add_pd(_mm_add_pd(_mm_add_pd(t1, t2), t3), t4));
    };
    return _mm_unpacklo_epi64(sum(0), sum(1));
  };
  for (; x + 4 <= end; x += 4) {
    std::uint8_t* out = out_row + std::size_t{4} * x;
    const __m128i v0 = sample(x), v1 = sample(x + 1), v2 = sample(x + 2), v3 = sample(x + 3);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), PackKeepingFourth(v0, v1, v2, v3, Load(out)));
  }
  if (x < end) {
    const int last = end - 1;
    PartialGroup(out_row + std::size_t{4} * x, end - x, [&](__m128i kept) {
      return PackKeepingFourth(sample(x), sample(std::min(x + 1, last)),
                               sample(std::min(x + 2, last)), sample(last), kept);
    });
  }
#else
  for (; x < end; ++x) {
    const ColumnForm& form = forms[x];
    const double fx = form.fraction[0], rest_x = form.rest[0];
    const std::uint8_t* q0 = lower + form.offset;
    const std::uint8_t* q1 = upper + form.offset;
    std::uint8_t* out = out_row + std::size_t{4} * x;
    for (int c = 2; c >= 0; --c) {
      out[c] = static_cast<std::uint8_t>(q1[4 + c] * fy * fx + q1[c] * rest_x * fy +
                                         q0[4 + c] * rest_y * fx + q0[c] * rest_y * rest_x);
    }
  }
#endif
}

}  // namespace orvane::compose
