#include "image_capture_control.h"

namespace orvane {

ImageCaptureControl::ImageCaptureControl() : Control(kControlDescriptor) {}

// The members answer E_NOTIMPL until the control's engine is built.

HRESULT ImageCaptureControl::GetImage(SAFEARRAY**, VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCaptureControl::GetDriverCount(LONG*) { return E_NOTIMPL; }

HRESULT ImageCaptureControl::GetDriverName(LONG, BSTR*) { return E_NOTIMPL; }

HRESULT ImageCaptureControl::StartCapture(LONG, VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCaptureControl::StartCaptureEx(LONG, LONG, LONG, VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCaptureControl::StopCapture() { return E_NOTIMPL; }

HRESULT ImageCaptureControl::IsCapturing(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCaptureControl::IsFormatSupported(LONG, LONG, LONG, VARIANT_BOOL*) {
  return E_NOTIMPL;
}

HRESULT ImageCaptureControl::ShowVideoSourceDialog() { return E_NOTIMPL; }

HRESULT ImageCaptureControl::ShowVideoFormatDialog() { return E_NOTIMPL; }

}  // namespace orvane
