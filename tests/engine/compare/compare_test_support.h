// Images for the comparer's engine tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "image_view.h"
#include "source_view.h"

namespace orvane::compare::testing {

using Bytes = std::vector<std::uint8_t>;

// An image of the tests: its pixels and its size.
struct Image {
  int width = 0;
  int height = 0;
  Bytes bytes;

  InputImage Input(int channels = kBytesPerPixel) const {
    return InputImage{bytes.data(), channels, width, height};
  }
  std::uint8_t* Pixel(int x, int y) {
    return &bytes[ImageByteCount(width, y) + static_cast<std::size_t>(x) * kBytesPerPixel];
  }
  const std::uint8_t* Pixel(int x, int y) const {
    return &bytes[ImageByteCount(width, y) + static_cast<std::size_t>(x) * kBytesPerPixel];
  }
};

inline Image UniformImage(int width, int height, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  Image image{width, height, Bytes(ImageByteCount(width, height))};
  for (std::size_t i = 0; i < image.bytes.size(); i += 4) {
    image.bytes[i] = b;
    image.bytes[i + 1] = g;
    image.bytes[i + 2] = r;
    image.bytes[i + 3] = 0;
  }
  return image;
}

// A difference image of one grey value: pixels g, g, g, 255.
inline Bytes GreyImage(int width, int height, std::uint8_t g) {
  Bytes bytes(ImageByteCount(width, height), g);
  for (std::size_t i = 3; i < bytes.size(); i += 4) bytes[i] = 255;
  return bytes;
}

// Random bytes biased toward 0 and 255, the values at the ends of every range.
inline Image RandomImage(int width, int height, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Image image{width, height, Bytes(ImageByteCount(width, height))};
  for (auto& b : image.bytes) {
    const unsigned r = rng();
    b = (r & 7) == 0 ? 0 : (r & 7) == 1 ? 255 : static_cast<std::uint8_t>(r >> 8);
  }
  return image;
}

// A copy of `image` in which about one pixel in `one_in` has its colour bytes moved by small
// or large random amounts: differences that are isolated, clustered, below and above 15.
inline Image AlteredCopy(const Image& image, std::uint32_t seed, unsigned one_in = 10) {
  std::mt19937 rng(seed);
  Image copy = image;
  for (std::size_t i = 0; i < copy.bytes.size(); i += 4) {
    if (rng() % one_in != 0) continue;
    const int step = rng() % 2 == 0 ? 1 + static_cast<int>(rng() % 20) : static_cast<int>(rng());
    const std::size_t c = i + rng() % 3;
    copy.bytes[c] = static_cast<std::uint8_t>(copy.bytes[c] + step);
  }
  return copy;
}

// A random picture inside a frame of near-uniform colour: the frame's pixels stay within
// `jitter` of the colour (a jitter of 9 leaves no frame at all) and its sides are of random
// width, so each side's margin ends somewhere else.
inline Image FramedImage(int width, int height, std::uint32_t seed, int jitter = 8) {
  std::mt19937 rng(seed);
  Image image = RandomImage(width, height, seed + 1);
  const int left = static_cast<int>(rng() % (width / 2 + 1));
  const int right = width - 1 - static_cast<int>(rng() % (width / 2 + 1));
  const int top = static_cast<int>(rng() % (height / 2 + 1));
  const int bottom = height - 1 - static_cast<int>(rng() % (height / 2 + 1));
  const int colour = static_cast<int>(rng() % 256);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (x >= left && x <= right && y >= top && y <= bottom) continue;
      for (int c = 0; c < 3; ++c) {
        const int v = colour + static_cast<int>(rng() % (2 * jitter + 1)) - jitter;
        image.Pixel(x, y)[c] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
      }
    }
  }
  return image;
}

}  // namespace orvane::compare::testing
