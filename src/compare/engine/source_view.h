// The comparer's view of one input image: the caller's pixels, read in place for the length of
// one call, and the content rectangle the comparison stretches over the common grid.
#pragma once

#include <cstdint>
#include <optional>

namespace orvane::compare {

// An image as the control receives it: its data pointer and the extents of its three
// dimensions, not yet checked.
struct InputImage {
  const std::uint8_t* data = nullptr;
  int channels = 0;
  int width = 0;
  int height = 0;
};

// Inclusive columns left..right and rows top..bottom, in buffer order (row 0 first). A uniform
// image has the reversed rectangle (width, height, 0, 0).
struct ContentRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  friend bool operator==(const ContentRect&, const ContentRect&) = default;
};

struct SourceView {
  const std::uint8_t* data = nullptr;  // borrowed, 4 bytes per pixel, rows packed
  int width = 0;
  int height = 0;
  ContentRect rect;
};

// Accepts an image of 4 channels and at least 2 x 2 pixels, with the whole image as its
// rectangle; nothing otherwise. Nothing is copied.
std::optional<SourceView> AcceptImage(const InputImage& image);

// The content rectangle: the margins along the four edges whose pixels stay within 8 (in each
// colour byte) of the first pixel, for the left and the first rows, or of the last pixel, for
// the right and the last rows, are cut off.
ContentRect FindContentRect(const SourceView& view);

}  // namespace orvane::compare
