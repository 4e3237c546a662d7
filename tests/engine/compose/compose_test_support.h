// Images and composer set-ups shared by the composer's engine tests.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "composer_state.h"
#include "effect_frame.h"
#include "image_view.h"

namespace orvane::compose::testing {

using Bytes = std::vector<std::uint8_t>;

// Random bytes biased toward 0 and 255, the values that break blending and truncation.
inline Bytes RandomImage(int width, int height, std::uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes bytes(ImageByteCount(width, height));
  for (auto& b : bytes) {
    const unsigned r = rng();
    b = (r & 7) == 0 ? 0 : (r & 7) == 1 ? 255 : static_cast<std::uint8_t>(r >> 8);
  }
  return bytes;
}

inline Bytes UniformImage(int width, int height, std::uint8_t b, std::uint8_t g, std::uint8_t r,
                          std::uint8_t fourth) {
  Bytes bytes(ImageByteCount(width, height));
  for (std::size_t i = 0; i < bytes.size(); i += 4) {
    bytes[i] = b;
    bytes[i + 1] = g;
    bytes[i + 2] = r;
    bytes[i + 3] = fourth;
  }
  return bytes;
}

inline const std::uint8_t* PixelAt(const Bytes& image, int width, int x, int y) {
  return &image[ImageByteCount(width, y) + static_cast<std::size_t>(x) * kBytesPerPixel];
}

// A composer holding a first and a last image of one size, and an output image to render into.
struct Composition {
  int width;
  int height;
  ComposerState state;
  Bytes first;
  Bytes last;
  Bytes out;

  Composition(int w, int h, Bytes first_image, Bytes last_image, int tiles_width = 0,
              int tiles_height = 0)
      : width(w), height(h), first(std::move(first_image)), last(std::move(last_image)) {
    state.AcceptImage(ImageSlot::kFirst, first.data(), kBytesPerPixel, w, h);
    state.AcceptImage(ImageSlot::kLast, last.data(), kBytesPerPixel, w, h);
    state.SetTilesWidth(tiles_width);
    state.SetTilesHeight(tiles_height);
    out = RandomImage(w, h, 99);
  }

  static Composition Random(int w, int h, int tiles_width = 0, int tiles_height = 0,
                            std::uint32_t seed = 1) {
    return Composition(w, h, RandomImage(w, h, seed), RandomImage(w, h, seed + 1), tiles_width,
                       tiles_height);
  }

  ImageView Out() { return ImageView{out.data(), width, height}; }

  // Runs the shared prologue and, where it lets the effect run, `effect` on the output image.
  template <class Effect>
  void Render(double frame, Effect&& effect) {
    if (auto f = EffectPrologue(state, Out(), kBytesPerPixel, frame)) effect(*f);
  }

  const std::uint8_t* OutPixel(int x, int y) const { return PixelAt(out, width, x, y); }
  const std::uint8_t* FirstPixel(int x, int y) const { return PixelAt(first, width, x, y); }
  const std::uint8_t* LastPixel(int x, int y) const { return PixelAt(last, width, x, y); }
};

}  // namespace orvane::compose::testing
