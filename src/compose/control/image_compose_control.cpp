#include "image_compose_control.h"

#include "fade.h"
#include "image_buffer.h"

namespace orvane {

using compose::EffectFrame;

ImageComposeControl::ImageComposeControl() : Control(kControlDescriptor) {}

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

// The effects. Each is one line over RunEffect; an effect whose engine has not been built yet
// answers E_NOTIMPL.

HRESULT ImageComposeControl::Fade(SAFEARRAY** image, double frame, Pattern type) {
  return RunEffect(image, frame, [&](const EffectFrame& f) { compose::Fade(f, type); });
}

HRESULT ImageComposeControl::Mosaic(SAFEARRAY**, double, MosaicType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::Diffuse(SAFEARRAY**, double, SideType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::Rotate(SAFEARRAY**, double, RotateType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::WipeDoor(SAFEARRAY**, double, DoorType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::WipeStrips(SAFEARRAY**, double, StripsType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::WipeSide(SAFEARRAY**, double, SideType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::WipeCenter(SAFEARRAY**, double, CenterType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::SlideDoor(SAFEARRAY**, double, DoorType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::SlideStrips(SAFEARRAY**, double, StripsType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::SlideSide(SAFEARRAY**, double, SideType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::SlideCenter(SAFEARRAY**, double, CenterType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::PushDoor(SAFEARRAY**, double, DoorType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::PushStrips(SAFEARRAY**, double, StripsType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::PushSide(SAFEARRAY**, double, SideType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::StretchDoor(SAFEARRAY**, double, DoorType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::StretchStrips(SAFEARRAY**, double, StripsType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::StretchSide(SAFEARRAY**, double, SideType) { return E_NOTIMPL; }

HRESULT ImageComposeControl::StretchCenter(SAFEARRAY**, double, CenterType) { return E_NOTIMPL; }

}  // namespace orvane
