// Plain views of four-byte-per-pixel images as they cross the controls' interfaces:
// bytes blue, green, red and a fourth byte; row 0 is the bottom row; rows are packed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

inline constexpr int kBytesPerPixel = 4;

inline constexpr std::size_t ImageByteCount(int width, int height) {
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kBytesPerPixel;
}

struct ImageView {
  std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;

  std::uint8_t* Row(int y) const { return data + ImageByteCount(width, y); }
};

struct ConstImageView {
  const std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;

  ConstImageView() = default;
  ConstImageView(const std::uint8_t* d, int w, int h) : data(d), width(w), height(h) {}
  ConstImageView(const ImageView& v) : data(v.data), width(v.width), height(v.height) {}  // NOLINT

  const std::uint8_t* Row(int y) const { return data + ImageByteCount(width, y); }
};

}  // namespace orvane
