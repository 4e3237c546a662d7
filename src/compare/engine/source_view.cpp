#include "source_view.h"

#include <cstdlib>
#include <cstring>

#include "image_view.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::compare {
namespace {

constexpr int kBorderTolerance = 8;

// Whether a pixel differs from the reference in any colour byte by more than the tolerance.
inline bool Differs(const std::uint8_t* pixel, const std::uint8_t* reference) {
  return std::abs(pixel[0] - reference[0]) > kBorderTolerance ||
         std::abs(pixel[1] - reference[1]) > kBorderTolerance ||
         std::abs(pixel[2] - reference[2]) > kBorderTolerance;
}

#if defined(__SSE2__)
// Whether any of the 16 pixels at `pixels` differs from the reference repeated in `reference`:
// the saturated differences both ways give |a - b|, and that less 8 (saturated) is non-zero
// exactly where |a - b| > 8.
inline bool AnyDiffers16(const std::uint8_t* pixels, __m128i reference) {
  const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
  const __m128i tolerance = _mm_set1_epi8(kBorderTolerance);
  __m128i over = _mm_setzero_si128();
  for (int i = 0; i < 4; ++i) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels) + i);
    const __m128i d = _mm_or_si128(_mm_subs_epu8(p, reference), _mm_subs_epu8(reference, p));
    over = _mm_or_si128(over, _mm_subs_epu8(d, tolerance));
  }
  over = _mm_and_si128(over, colour);
  return _mm_movemask_epi8(_mm_cmpeq_epi8(over, _mm_setzero_si128())) != 0xFFFF;
}

inline __m128i Repeated(const std::uint8_t* pixel) {
  std::int32_t value;
  std::memcpy(&value, pixel, sizeof value);
  return _mm_set1_epi32(value);
}
#endif

// The first column in [begin, end) of `row` whose pixel differs from the reference, or end.
int FirstDiffering(const std::uint8_t* row, int begin, int end, const std::uint8_t* reference) {
  int x = begin;
#if defined(__SSE2__)
  const __m128i repeated = Repeated(reference);
  while (x + 16 <= end && !AnyDiffers16(row + 4 * x, repeated)) x += 16;
#endif
  for (; x < end; ++x) {
    if (Differs(row + 4 * x, reference)) return x;
  }
  return end;
}

// The last column in [begin, end) of `row` whose pixel differs from the reference, or
// begin - 1.
int LastDiffering(const std::uint8_t* row, int begin, int end, const std::uint8_t* reference) {
  int x = end;
#if defined(__SSE2__)
  const __m128i repeated = Repeated(reference);
  while (x - 16 >= begin && !AnyDiffers16(row + 4 * (x - 16), repeated)) x -= 16;
#endif
  for (--x; x >= begin; --x) {
    if (Differs(row + 4 * x, reference)) return x;
  }
  return begin - 1;
}

}  // namespace

std::optional<SourceView> AcceptImage(const InputImage& image) {
  if (image.data == nullptr || image.channels != kBytesPerPixel || image.width < 2 ||
      image.height < 2) {
    return std::nullopt;
  }
  return SourceView{image.data, image.width, image.height,
                    ContentRect{0, 0, image.width - 1, image.height - 1}};
}

// The four bounds come from two row walks, one from the first row forward and one from the
// last row back. Until a walk meets a differing pixel it reads whole rows, so the first row
// that holds one fixes the top (or bottom) bound; after that each row is read only as far as
// it could still move the left (or right) bound. Framed pictures thus cost little more than
// their margins.
ContentRect FindContentRect(const SourceView& view) {
  const int w = view.width;
  const int h = view.height;
  const ConstImageView image(view.data, w, h);
  ContentRect rect{w, h, 0, 0};

  const std::uint8_t* first = image.Row(0);
  for (int y = 0; y < h && rect.left > 0; ++y) {
    const int x = FirstDiffering(image.Row(y), 0, rect.left, first);
    if (x < rect.left) {
      if (rect.top == h) rect.top = y;
      rect.left = x;
    }
  }

  const std::uint8_t* last = image.Row(h - 1) + (w - 1) * kBytesPerPixel;
  bool found = false;
  for (int y = h - 1; y >= 0 && rect.right < w - 1; --y) {
    const int begin = found ? rect.right + 1 : 0;
    const int x = LastDiffering(image.Row(y), begin, w, last);
    if (x >= begin) {
      if (!found) rect.bottom = y;
      found = true;
      rect.right = x;
    }
  }
  return rect;
}

}  // namespace orvane::compare
