#include "image_compress_control.h"

namespace orvane {

ImageCompressControl::ImageCompressControl() : Control(kControlDescriptor) {}

// The members answer E_NOTIMPL until the control's engine is built.

HRESULT ImageCompressControl::GetCompressorCount(LONG, LONG, LONG*) { return E_NOTIMPL; }

HRESULT ImageCompressControl::GetCompressorName(LONG, BSTR*) { return E_NOTIMPL; }

HRESULT ImageCompressControl::GetCompressorDesc(LONG, BSTR*) { return E_NOTIMPL; }

HRESULT ImageCompressControl::ConfigureCompressor(LONG) { return E_NOTIMPL; }

HRESULT ImageCompressControl::StartCompress(LONG, LONG, LONG, VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompressControl::StopCompress(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompressControl::IsCompress(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompressControl::Compress(SAFEARRAY**, LONG, SAFEARRAY**, VARIANT_BOOL*) {
  return E_NOTIMPL;
}

HRESULT ImageCompressControl::Decompress(SAFEARRAY**, SAFEARRAY**, VARIANT_BOOL*) {
  return E_NOTIMPL;
}

}  // namespace orvane
