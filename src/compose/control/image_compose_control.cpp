#include "image_compose_control.h"

#include "diffuse.h"
#include "fade.h"
#include "mosaic.h"
#include "push.h"
#include "rotate.h"
#include "slide.h"
#include "stretch.h"
#include "wipe.h"
#include "image_buffer.h"

namespace orvane {

using compose::EffectFrame;

ImageComposeControl::ImageComposeControl()
    : Control(kControlDescriptor), random_(compose::RandomSource::FromEntropy()) {}

void ImageComposeControl::AcceptImage(compose::ImageSlot slot, SAFEARRAY** image) {
  ImageBufferExtents extents;
  // A null parameter keeps the held copy; any other failure leaves the slot empty.
  if (ImageBufferCopy(image, extents, state_.Slot(slot)) != CopyOk) return;
  state_.AdoptCopy(slot, extents.channels, extents.width, extents.height);
}

template <class Effect>
HRESULT ImageComposeControl::RunEffect(SAFEARRAY** image, double frame, Effect&& effect) {
  ImageBufferExtents extents;
  std::uint8_t* data = ImageBufferView(image, extents);
  const auto prepared = compose::EffectPrologue(
      state_, ImageView{data, extents.width, extents.height}, extents.channels, frame);
  if (prepared) effect(*prepared);
  return S_OK;
}

HRESULT ImageComposeControl::SetFirstImage(SAFEARRAY** image) {
  AcceptImage(compose::ImageSlot::kFirst, image);
  return S_OK;
}

HRESULT ImageComposeControl::SetLastImage(SAFEARRAY** image) {
  AcceptImage(compose::ImageSlot::kLast, image);
  return S_OK;
}

HRESULT ImageComposeControl::get_TilesWidth(int* value) {
  if (value == nullptr) return E_POINTER;
  *value = state_.TilesWidth();
  return S_OK;
}

HRESULT ImageComposeControl::put_TilesWidth(int value) {
  state_.SetTilesWidth(value);
  return S_OK;
}

HRESULT ImageComposeControl::get_TilesHeight(int* value) {
  if (value == nullptr) return E_POINTER;
  *value = state_.TilesHeight();
  return S_OK;
}

HRESULT ImageComposeControl::put_TilesHeight(int value) {
  state_.SetTilesHeight(value);
  return S_OK;
}

// The effects, each one line over RunEffect.

HRESULT ImageComposeControl::Fade(SAFEARRAY** image, double frame, Pattern type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::Fade(f, type); });
}

HRESULT ImageComposeControl::Mosaic(SAFEARRAY** image, double frame, MosaicType mosaic) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::Mosaic(f, mosaic); });
}

HRESULT ImageComposeControl::Diffuse(SAFEARRAY** image, double frame, SideType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::Diffuse(f, type, random_); });
}

HRESULT ImageComposeControl::Rotate(SAFEARRAY** image, double frame, RotateType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::Rotate(f, type); });
}

HRESULT ImageComposeControl::WipeDoor(SAFEARRAY** image, double frame, DoorType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::WipeDoor(f, type); });
}

HRESULT ImageComposeControl::WipeStrips(SAFEARRAY** image, double frame, StripsType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::WipeStrips(f, type); });
}

HRESULT ImageComposeControl::WipeSide(SAFEARRAY** image, double frame, SideType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::WipeSide(f, type); });
}

HRESULT ImageComposeControl::WipeCenter(SAFEARRAY** image, double frame, CenterType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::WipeCenter(f, type); });
}

HRESULT ImageComposeControl::SlideDoor(SAFEARRAY** image, double frame, DoorType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::SlideDoor(f, type); });
}

HRESULT ImageComposeControl::SlideStrips(SAFEARRAY** image, double frame, StripsType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::SlideStrips(f, type); });
}

HRESULT ImageComposeControl::SlideSide(SAFEARRAY** image, double frame, SideType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::SlideSide(f, type); });
}

HRESULT ImageComposeControl::SlideCenter(SAFEARRAY** image, double frame, CenterType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::SlideCenter(f, type); });
}

HRESULT ImageComposeControl::PushDoor(SAFEARRAY** image, double frame, DoorType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::PushDoor(f, type); });
}

HRESULT ImageComposeControl::PushStrips(SAFEARRAY** image, double frame, StripsType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::PushStrips(f, type); });
}

HRESULT ImageComposeControl::PushSide(SAFEARRAY** image, double frame, SideType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::PushSide(f, type); });
}

HRESULT ImageComposeControl::StretchDoor(SAFEARRAY** image, double frame, DoorType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::StretchDoor(f, type); });
}

HRESULT ImageComposeControl::StretchStrips(SAFEARRAY** image, double frame, StripsType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::StretchStrips(f, type); });
}

HRESULT ImageComposeControl::StretchSide(SAFEARRAY** image, double frame, SideType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::StretchSide(f, type); });
}

HRESULT ImageComposeControl::StretchCenter(SAFEARRAY** image, double frame, CenterType type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::StretchCenter(f, type); });
}

}  // namespace orvane
