// The ImageCompose control: holds the first and the last image of a transition and renders
// frames of it into the caller's array.
#pragma once

#include "OrvaneImageCompose.h"
#include "composer_state.h"
#include "control.h"
#include "effect_frame.h"
#include "random_source.h"

namespace orvane {

class ImageComposeControl final : public Control<IImageCompose> {
 public:
  ImageComposeControl();

  HRESULT STDMETHODCALLTYPE SetFirstImage(SAFEARRAY** image) override;
  HRESULT STDMETHODCALLTYPE SetLastImage(SAFEARRAY** image) override;
  HRESULT STDMETHODCALLTYPE get_TilesWidth(int* value) override;
  HRESULT STDMETHODCALLTYPE put_TilesWidth(int value) override;
  HRESULT STDMETHODCALLTYPE get_TilesHeight(int* value) override;
  HRESULT STDMETHODCALLTYPE put_TilesHeight(int value) override;

  HRESULT STDMETHODCALLTYPE Fade(SAFEARRAY** image, double frame, Pattern type) override;
  HRESULT STDMETHODCALLTYPE Mosaic(SAFEARRAY** image, double frame, MosaicType mosaic) override;
  HRESULT STDMETHODCALLTYPE Diffuse(SAFEARRAY** image, double frame, SideType type) override;
  HRESULT STDMETHODCALLTYPE Rotate(SAFEARRAY** image, double frame, RotateType type) override;
  HRESULT STDMETHODCALLTYPE WipeDoor(SAFEARRAY** image, double frame, DoorType type) override;
  HRESULT STDMETHODCALLTYPE WipeStrips(SAFEARRAY** image, double frame, StripsType type) override;
  HRESULT STDMETHODCALLTYPE WipeSide(SAFEARRAY** image, double frame, SideType type) override;
  HRESULT STDMETHODCALLTYPE WipeCenter(SAFEARRAY** image, double frame, CenterType type) override;
  HRESULT STDMETHODCALLTYPE SlideDoor(SAFEARRAY** image, double frame, DoorType type) override;
  HRESULT STDMETHODCALLTYPE SlideStrips(SAFEARRAY** image, double frame, StripsType type) override;
  HRESULT STDMETHODCALLTYPE SlideSide(SAFEARRAY** image, double frame, SideType type) override;
  HRESULT STDMETHODCALLTYPE SlideCenter(SAFEARRAY** image, double frame, CenterType type) override;
  HRESULT STDMETHODCALLTYPE PushDoor(SAFEARRAY** image, double frame, DoorType type) override;
  HRESULT STDMETHODCALLTYPE PushStrips(SAFEARRAY** image, double frame, StripsType type) override;
  HRESULT STDMETHODCALLTYPE PushSide(SAFEARRAY** image, double frame, SideType type) override;
  HRESULT STDMETHODCALLTYPE StretchDoor(SAFEARRAY** image, double frame, DoorType type) override;
  HRESULT STDMETHODCALLTYPE StretchStrips(SAFEARRAY** image, double frame,
                                          StripsType type) override;
  HRESULT STDMETHODCALLTYPE StretchSide(SAFEARRAY** image, double frame, SideType type) override;
  HRESULT STDMETHODCALLTYPE StretchCenter(SAFEARRAY** image, double frame,
                                          CenterType type) override;

 private:
  void AcceptImage(compose::ImageSlot slot, SAFEARRAY** image);

  // The frame protocol every effect member shares: the prologue's checks and early answers on
  // the caller's array, then `effect` on the frame when it has to run.
  template <class Effect>
  HRESULT RunEffect(SAFEARRAY** image, double frame, Effect&& effect);

  compose::ComposerState state_;
  // The grain of Diffuse: seeded once per control, so that every control and every call
  // draws a grain of its own.
  compose::RandomSource random_;
};

}  // namespace orvane
