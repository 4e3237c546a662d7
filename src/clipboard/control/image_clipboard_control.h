// The ImageClipboard control: reads a picture from the clipboard and puts one there.
#pragma once

#include "OrvaneImageClipboard.h"
#include "control.h"

namespace orvane {

class ImageClipboardControl final : public Control<IImageClipboard> {
 public:
  ImageClipboardControl();

  HRESULT STDMETHODCALLTYPE GetImage(SAFEARRAY** image, VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE SetImage(SAFEARRAY** image) override;
  HRESULT STDMETHODCALLTYPE IsImageAvailable(VARIANT_BOOL* available) override;
};

}  // namespace orvane
