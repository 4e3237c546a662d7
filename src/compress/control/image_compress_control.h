// The ImageCompress control: compresses single images with the installed video compressors.
#pragma once

#include "OrvaneImageCompress.h"
#include "control.h"

namespace orvane {

class ImageCompressControl final : public Control<IImageCompress> {
 public:
  ImageCompressControl();

  HRESULT STDMETHODCALLTYPE GetCompressorCount(LONG width, LONG height, LONG* count) override;
  HRESULT STDMETHODCALLTYPE GetCompressorName(LONG compressor, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE GetCompressorDesc(LONG compressor, BSTR* desc) override;
  HRESULT STDMETHODCALLTYPE ConfigureCompressor(LONG compressor) override;
  HRESULT STDMETHODCALLTYPE StartCompress(LONG compressor, LONG width, LONG height,
                                          VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE StopCompress(VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE IsCompress(VARIANT_BOOL* compress) override;
  HRESULT STDMETHODCALLTYPE Compress(SAFEARRAY** image, LONG quality, SAFEARRAY** array,
                                     VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE Decompress(SAFEARRAY** array, SAFEARRAY** image,
                                       VARIANT_BOOL* success) override;
};

}  // namespace orvane
