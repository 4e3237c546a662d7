// What an ImageCompose control holds between calls: the private copies of the first and the
// last image, their common size and the two tile properties.
#pragma once

#include <cstdint>
#include <vector>

namespace orvane::compose {

enum class ImageSlot { kFirst, kLast };

class ComposerState {
 public:
  using Bytes = std::vector<std::uint8_t>;

  // The slot an incoming private copy is written into (empty when nothing is held).
  Bytes& Slot(ImageSlot slot) { return slot == ImageSlot::kFirst ? first_copy_ : last_copy_; }
  const Bytes& Slot(ImageSlot slot) const {
    return slot == ImageSlot::kFirst ? first_copy_ : last_copy_;
  }

  // Decides whether the copy just written into `slot` is kept. A size is adopted only by an
  // image that arrives while the other slot is empty; a copy that is no image of at least
  // 2 x 2 pixels with 4 channels, or that differs from the held size, is dropped.
  void AdoptCopy(ImageSlot slot, int channels, int width, int height);

  // Copies `channels` x `width` x `height` bytes into `slot` and adopts them, the way the
  // control does with a caller's array.
  void AcceptImage(ImageSlot slot, const std::uint8_t* data, int channels, int width, int height);

  bool HoldsBothImages() const { return !first_copy_.empty() && !last_copy_.empty(); }
  const std::uint8_t* FirstCopy() const { return first_copy_.data(); }
  const std::uint8_t* LastCopy() const { return last_copy_.data(); }
  int ImageWidth() const { return image_width_; }
  int ImageHeight() const { return image_height_; }

  int TilesWidth() const { return tiles_width_; }
  int TilesHeight() const { return tiles_height_; }
  void SetTilesWidth(int value) { tiles_width_ = value; }
  void SetTilesHeight(int value) { tiles_height_ = value; }

 private:
  static void Free(Bytes& bytes) { Bytes().swap(bytes); }

  int image_width_ = 0;
  int image_height_ = 0;
  Bytes first_copy_;
  Bytes last_copy_;
  int tiles_width_ = 0;
  int tiles_height_ = 0;
};

}  // namespace orvane::compose
