#include "comparer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "grey_difference.h"
#include "image_view.h"
#include "noise_removal.h"
#include "sample_map.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvane::compare {
namespace {

constexpr std::uint8_t kMaximalThreshold = 15;

// Where one source image is read along the common grid, row by row.
class GridReader {
 public:
  GridReader(const SourceView& view, int grid_width, int grid_height, bool smooth)
      : view_(view),
        columns_(SampleIndices(view.rect.left, view.rect.right, grid_width, view.width, smooth)),
        rows_(SampleIndices(view.rect.top, view.rect.bottom, grid_height, view.height, smooth)),
        gathered_(ImageByteCount(grid_width, 1)) {
    while (direct_columns_ < grid_width && columns_[direct_columns_] == direct_columns_) {
      ++direct_columns_;
    }
  }

  int SourceRow(int y) const { return rows_[static_cast<std::size_t>(y)]; }

  // How many columns from the first on read the source column of the same index: all of them
  // for two images of one size without borders, all but the last under the end-point mapping.
  int DirectColumns() const { return direct_columns_; }

  // The samples of grid row `y` are `zeros` where the row reads 0, else, for the columns below
  // `from`, the source row itself (`from` at most DirectColumns()), and for the others the
  // samples gathered into a row of the reader's own, at the same offsets.
  const std::uint8_t* DirectRow(int y, const std::uint8_t* zeros) const {
    const int j = SourceRow(y);
    return j == kOutside ? zeros : ConstImageView(view_.data, view_.width, view_.height).Row(j);
  }
  const std::uint8_t* GatheredRow(int y, int from, const std::uint8_t* zeros) {
    const int j = SourceRow(y);
    if (j == kOutside) return zeros;
    if (j != gathered_row_ || from != gathered_from_) {
      const std::uint8_t* source = DirectRow(y, zeros);
      std::uint8_t* out = gathered_.data() + static_cast<std::size_t>(from) * kBytesPerPixel;
      for (std::size_t x = static_cast<std::size_t>(from); x < columns_.size(); ++x) {
        const int i = columns_[x];
        if (i == kOutside) {
          std::memset(out, 0, kBytesPerPixel);
        } else {
          std::memcpy(out, source + static_cast<std::size_t>(i) * kBytesPerPixel, kBytesPerPixel);
        }
        out += kBytesPerPixel;
      }
      gathered_row_ = j;
      gathered_from_ = from;
    }
    return gathered_.data();
  }

 private:
  const SourceView& view_;
  std::vector<int> columns_;
  std::vector<int> rows_;
  std::vector<std::uint8_t> gathered_;
  int direct_columns_ = 0;
  int gathered_row_ = kOutside;
  int gathered_from_ = 0;
};

std::size_t CountAbove(const std::uint8_t* plane, std::size_t count, std::uint8_t threshold) {
  std::size_t above = 0;
  std::size_t i = 0;
#if defined(__SSE2__)
  // v > threshold exactly where v less the threshold (saturated) is not 0; the sums of the
  // 0/1 bytes go to two 64-bit lanes.
  const __m128i limit = _mm_set1_epi8(static_cast<char>(threshold));
  const __m128i one = _mm_set1_epi8(1);
  __m128i sums = _mm_setzero_si128();
  for (; i + 16 <= count; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(plane + i));
    const __m128i not_above = _mm_cmpeq_epi8(_mm_subs_epu8(v, limit), _mm_setzero_si128());
    sums = _mm_add_epi64(sums, _mm_sad_epu8(_mm_andnot_si128(not_above, one), _mm_setzero_si128()));
  }
  std::uint64_t lanes[2];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes), sums);
  above = static_cast<std::size_t>(lanes[0] + lanes[1]);
#endif
  for (; i < count; ++i) above += plane[i] > threshold ? 1 : 0;
  return above;
}

// Widens the grey plane that fills the last quarter of `image` (n pixels) into its pixels
// g, g, g, 255, in place, from the first pixel on. Every step reads its greys before it writes
// their pixels, and the pixels of a step of k greys from i end before the next step's greys
// begin: 4 (i + k) <= 3 n + i + k whenever i + k <= n. Nothing is overwritten before it is read.
void WidenGreyPlane(std::uint8_t* image, std::size_t pixels) {
  const std::uint8_t* plane = image + 3 * pixels;
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i fourth = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  for (; i + 16 <= pixels; i += 16) {
    const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i*>(plane + i));
    const __m128i low = _mm_unpacklo_epi8(g, g);
    const __m128i high = _mm_unpackhi_epi8(g, g);
    __m128i* out = reinterpret_cast<__m128i*>(image + 4 * i);
    _mm_storeu_si128(out, _mm_or_si128(_mm_unpacklo_epi16(low, low), fourth));
    _mm_storeu_si128(out + 1, _mm_or_si128(_mm_unpackhi_epi16(low, low), fourth));
    _mm_storeu_si128(out + 2, _mm_or_si128(_mm_unpacklo_epi16(high, high), fourth));
    _mm_storeu_si128(out + 3, _mm_or_si128(_mm_unpackhi_epi16(high, high), fourth));
  }
#endif
  for (; i < pixels; ++i) {
    const std::uint8_t g = plane[i];
    std::uint8_t* out = image + 4 * i;
    out[0] = g;
    out[1] = g;
    out[2] = g;
    out[3] = 255;
  }
}

}  // namespace

bool Comparer::AllocateDifference(int width, int height) {
  const std::size_t bytes = ImageByteCount(width, height);
  if (difference_ && bytes == difference_bytes_) {
    width_ = width;
    height_ = height;
    return true;
  }
  difference_.reset();
  difference_bytes_ = 0;
  width_ = 0;
  height_ = 0;
  difference_.reset(new (std::nothrow) std::uint8_t[bytes]);
  if (!difference_) return false;
  difference_bytes_ = bytes;
  width_ = width;
  height_ = height;
  return true;
}

bool Comparer::Run(const InputImage& first, const InputImage& second, std::size_t* different) {
  std::optional<SourceView> a = AcceptImage(first);
  if (!a) return false;
  std::optional<SourceView> b = AcceptImage(second);
  if (!b) return false;

  if (options_.check_borders != 0) {
    a->rect = FindContentRect(*a);
    b->rect = FindContentRect(*b);
  }
  // Absolute spans, so that the reversed rectangles of two uniform images of one size match.
  if (options_.check_sizes != 0 &&
      (std::abs(a->rect.right - a->rect.left) != std::abs(b->rect.right - b->rect.left) ||
       std::abs(a->rect.bottom - a->rect.top) != std::abs(b->rect.bottom - b->rect.top))) {
    return false;
  }

  const int width = std::max(a->width, b->width);
  const int height = std::max(a->height, b->height);
  if (!AllocateDifference(width, height)) return false;
  const std::size_t pixels = ImageByteCount(width, height) / kBytesPerPixel;
  const auto w = static_cast<std::size_t>(width);

  // The grey values go to a plane of one byte per pixel in the buffer's last quarter, where
  // noise removal and counting read a quarter of the bytes, and are widened at the end.
  std::uint8_t* plane = difference_.get() + 3 * pixels;
  try {
    const bool smooth = options_.check_smooth != 0;
    GridReader reader_a(*a, width, height, smooth);
    GridReader reader_b(*b, width, height, smooth);
    const std::vector<std::uint8_t> zeros(ImageByteCount(width, 1), 0);
    // Columns both images read in place are compared straight from the sources.
    const int direct = std::min(reader_a.DirectColumns(), reader_b.DirectColumns());
    const auto difference_run =
        options_.check_colors != 0 ? ColourDifferenceRun : LightnessDifferenceRun;
    for (int y = 0; y < height; ++y) {
      std::uint8_t* grey = plane + static_cast<std::size_t>(y) * w;
      // A grid row reading the same two source rows as the one before is the same row.
      if (y > 0 && reader_a.SourceRow(y) == reader_a.SourceRow(y - 1) &&
          reader_b.SourceRow(y) == reader_b.SourceRow(y - 1)) {
        std::memcpy(grey, grey - w, w);
        continue;
      }
      difference_run(reader_a.DirectRow(y, zeros.data()), reader_b.DirectRow(y, zeros.data()), grey,
                     direct);
      if (direct < width) {
        const std::size_t at = static_cast<std::size_t>(direct) * kBytesPerPixel;
        difference_run(reader_a.GatheredRow(y, direct, zeros.data()) + at,
                       reader_b.GatheredRow(y, direct, zeros.data()) + at, grey + direct,
                       width - direct);
      }
    }
  } catch (const std::bad_alloc&) {
    // The few rows of sampling bookkeeping count as part of the difference image.
    difference_.reset();
    difference_bytes_ = 0;
    width_ = 0;
    height_ = 0;
    return false;
  }

  // Without the memory for it, noise removal is skipped and the comparison goes on.
  if (options_.check_noise != 0) RemoveNoise(plane, width, height);
  if (different != nullptr) {
    *different = CountAbove(plane, pixels, options_.check_maximals != 0 ? kMaximalThreshold : 0);
  }
  WidenGreyPlane(difference_.get(), pixels);
  return true;
}

bool Comparer::BuildDifference(const InputImage& first, const InputImage& second) {
  return Run(first, second, nullptr);
}

std::optional<double> Comparer::Measure(const InputImage& first, const InputImage& second) {
  std::size_t different = 0;
  if (!Run(first, second, &different)) return std::nullopt;
  // The pixel count is taken whole: as a 32-bit product it would wrap for the largest grids.
  const double pixels = static_cast<double>(static_cast<std::int64_t>(width_) * height_);
  return static_cast<double>(different) * 100 / pixels;
}

bool Comparer::Compare(const InputImage& first, const InputImage& second) {
  const std::optional<double> p = Measure(first, second);
  // A level that is not a number makes the test false.
  return p && *p < options_.check_level;
}

}  // namespace orvane::compare
