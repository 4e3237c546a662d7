// The ImageAnimate control: plays a collection of frames in its window, the one control that is
// visible at run time and takes any extent.
#pragma once

#include "OrvaneImageAnimate.h"
#include "control.h"

namespace orvane {

class ImageAnimateControl final : public Control<IImageAnimate> {
 public:
  ImageAnimateControl();

  HRESULT STDMETHODCALLTYPE Start(VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE Stop(VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE Pause(VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE get_CurrentStatus(LONG* status) override;
  HRESULT STDMETHODCALLTYPE get_CurrentFrame(LONG* frame) override;
  HRESULT STDMETHODCALLTYPE get_FrameDelay(LONG* delay) override;
  HRESULT STDMETHODCALLTYPE put_FrameDelay(LONG delay) override;
  HRESULT STDMETHODCALLTYPE get_BackColor(LONG* color) override;
  HRESULT STDMETHODCALLTYPE put_BackColor(LONG color) override;
  HRESULT STDMETHODCALLTYPE GetFrameCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE RemoveAt(LONG image_index) override;
  HRESULT STDMETHODCALLTYPE RemoveAll() override;
  HRESULT STDMETHODCALLTYPE AddImage(SAFEARRAY** image, LONG color, VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE AddFileAvi(BSTR path, LONG color, VARIANT_BOOL* success) override;

 protected:
  // With no current frame the control shows its back colour; the player draws the frames.
  void DrawContent(HDC dc, const RECT& bounds) override;

 private:
  LONG frame_delay_ = 100;
  LONG back_color_;
};

}  // namespace orvane
