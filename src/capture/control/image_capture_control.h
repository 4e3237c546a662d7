// The ImageCapture control: grabs frames from a video capture driver.
#pragma once

#include "OrvaneImageCapture.h"
#include "control.h"

namespace orvane {

class ImageCaptureControl final : public Control<IImageCapture> {
 public:
  ImageCaptureControl();

  HRESULT STDMETHODCALLTYPE GetImage(SAFEARRAY** image, VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE GetDriverCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE GetDriverName(LONG index, BSTR* driver_name) override;
  HRESULT STDMETHODCALLTYPE StartCapture(LONG driver, VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE StartCaptureEx(LONG driver, LONG width, LONG height,
                                           VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE StopCapture() override;
  HRESULT STDMETHODCALLTYPE IsCapturing(VARIANT_BOOL* capturing) override;
  HRESULT STDMETHODCALLTYPE IsFormatSupported(LONG driver, LONG width, LONG height,
                                              VARIANT_BOOL* supported) override;
  HRESULT STDMETHODCALLTYPE ShowVideoSourceDialog() override;
  HRESULT STDMETHODCALLTYPE ShowVideoFormatDialog() override;
};

}  // namespace orvane
