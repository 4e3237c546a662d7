#include "image_clipboard_control.h"

namespace orvane {

ImageClipboardControl::ImageClipboardControl() : Control(kControlDescriptor) {}

// The members answer E_NOTIMPL until the control's engine is built.

HRESULT ImageClipboardControl::GetImage(SAFEARRAY**, VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageClipboardControl::SetImage(SAFEARRAY**) { return E_NOTIMPL; }

HRESULT ImageClipboardControl::IsImageAvailable(VARIANT_BOOL*) { return E_NOTIMPL; }

}  // namespace orvane
