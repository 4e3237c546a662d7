#include "effect_frame.h"

#include <cmath>
#include <cstring>

namespace orvane::compose {

std::optional<EffectFrame> EffectPrologue(const ComposerState& state, ImageView image, int channels,
                                          double frame) {
  // A position that is not a number would pass every comparison below; it is refused like
  // any other position outside 0 to 100.
  if (std::isnan(frame) || frame < 0.0 || frame > 100.0) return std::nullopt;
  if (image.data == nullptr) return std::nullopt;
  if (image.width < 2 || image.height < 2 || channels != kBytesPerPixel) return std::nullopt;
  if (image.width != state.ImageWidth() || image.height != state.ImageHeight()) {
    return std::nullopt;
  }
  if (!state.HoldsBothImages()) return std::nullopt;

  const std::size_t size = ImageByteCount(image.width, image.height);
  if (frame < 0.01) {
    std::memcpy(image.data, state.FirstCopy(), size);
    return std::nullopt;
  }
  if (frame > 99.99) {
    std::memcpy(image.data, state.LastCopy(), size);
    return std::nullopt;
  }
  return EffectFrame{state.FirstCopy(), state.LastCopy(), image, TileGrid::For(state), frame};
}

}  // namespace orvane::compose
