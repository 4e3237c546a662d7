// The engine of an ImageCompare control: its options and the pipeline that decides whether two
// images are equal within a tolerance or hands back their grey difference image.
//
// The pipeline, each stage switched by an option:
//   1. accept both images (4 channels, at least 2 x 2 pixels);
//   2. check_borders: cut each image down to its content rectangle;
//   3. check_sizes: images whose content sizes differ are unequal, without a pixel comparison;
//   4. stretch both rectangles over the grid of the larger width and the larger height and take
//      a grey difference per pixel, by lightness or, with check_colors, by colour distance;
//      check_smooth selects the end-point mapping and the interpolating sampler instead of the
//      proportional mapping and the nearest one;
//   5. check_noise: clear every difference that touches a pixel without one;
//   6. measure the share of pixels whose difference is above 15 (check_maximals) or above 0,
//      in percent; the images are equal when it is strictly below check_level.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "compare_options.h"
#include "source_view.h"

namespace orvane::compare {

class Comparer {
 public:
  Comparer() : options_(PresetOptions(PresetDefault)) {}

  CompareOptions& Options() { return options_; }
  const CompareOptions& Options() const { return options_; }
  void Preset(int type) { options_ = PresetOptions(type); }

  // Stages 1 to 6: true when the images are equal within the tolerance; false as well when an
  // image is refused, the content sizes differ or no difference image could be allocated.
  bool Compare(const InputImage& first, const InputImage& second);

  // Stages 1 to 6: the share of different pixels in percent, or nothing where the pipeline
  // stops before measuring.
  std::optional<double> Measure(const InputImage& first, const InputImage& second);

  // Stages 1 to 5: true when the difference image was built; it is then held (see
  // Difference()) until the next run of stage 4 or the comparer's end.
  bool BuildDifference(const InputImage& first, const InputImage& second);

  // The difference image of the latest run of stage 4: DifferenceWidth() x DifferenceHeight()
  // pixels of bytes g, g, g, 255, rows packed; null before any run and after a failed
  // allocation.
  const std::uint8_t* Difference() const { return difference_.get(); }
  int DifferenceWidth() const { return width_; }
  int DifferenceHeight() const { return height_; }

 private:
  // Stages 1 to 5 and the difference image; counts the different pixels of stage 6 into
  // `different` when given.
  bool Run(const InputImage& first, const InputImage& second, std::size_t* different);

  // Holds a difference buffer for `width` x `height` pixels; false, with no buffer, when it
  // cannot be had. A buffer of the same size is reused.
  bool AllocateDifference(int width, int height);

  CompareOptions options_;
  std::unique_ptr<std::uint8_t[]> difference_;
  std::size_t difference_bytes_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace orvane::compare
