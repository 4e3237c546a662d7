#include "composer_state.h"

#include <new>

#include "image_view.h"

namespace orvane::compose {

void ComposerState::AdoptCopy(ImageSlot slot, int channels, int width, int height) {
  Bytes& copy = Slot(slot);
  const Bytes& other = Slot(slot == ImageSlot::kFirst ? ImageSlot::kLast : ImageSlot::kFirst);
  if (copy.empty()) return;
  if (width < 2 || height < 2 || channels != kBytesPerPixel) {
    Free(copy);
    return;
  }
  if (other.empty()) {
    image_width_ = width;
    image_height_ = height;
    return;
  }
  if (width != image_width_ || height != image_height_) Free(copy);
}

void ComposerState::AcceptImage(ImageSlot slot, const std::uint8_t* data, int channels, int width,
                                int height) {
  Bytes& copy = Slot(slot);
  Free(copy);
  if (data == nullptr || channels <= 0 || width <= 0 || height <= 0) return;
  const std::size_t size = static_cast<std::size_t>(channels) * static_cast<std::size_t>(width) *
                           static_cast<std::size_t>(height);
  try {
    copy.assign(data, data + size);
  } catch (const std::bad_alloc&) {
    Free(copy);
    return;
  }
  AdoptCopy(slot, channels, width, height);
}

}  // namespace orvane::compose
