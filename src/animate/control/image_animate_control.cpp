#include "image_animate_control.h"

namespace orvane {

ImageAnimateControl::ImageAnimateControl()
    : Control(kControlDescriptor), back_color_(static_cast<LONG>(GetSysColor(COLOR_BTNFACE))) {}

void ImageAnimateControl::DrawContent(HDC dc, const RECT& bounds) {
  // The colour value is used as it is, without translating system-colour codes.
  const COLORREF previous = SetBkColor(dc, static_cast<COLORREF>(back_color_));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bounds, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

// The two persisted properties: stored as given, then the window is redrawn. They do not mark
// the control as modified.

HRESULT ImageAnimateControl::get_FrameDelay(LONG* delay) {
  if (delay == nullptr) return E_POINTER;
  *delay = frame_delay_;
  return S_OK;
}

HRESULT ImageAnimateControl::put_FrameDelay(LONG delay) {
  frame_delay_ = delay;
  ContentChanged();
  return S_OK;
}

HRESULT ImageAnimateControl::get_BackColor(LONG* color) {
  if (color == nullptr) return E_POINTER;
  *color = back_color_;
  return S_OK;
}

HRESULT ImageAnimateControl::put_BackColor(LONG color) {
  back_color_ = color;
  ContentChanged();
  return S_OK;
}

// The player and the frame collection answer E_NOTIMPL until the control's engine is built.

HRESULT ImageAnimateControl::Start(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::Stop(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::Pause(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::get_CurrentStatus(LONG*) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::get_CurrentFrame(LONG*) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::GetFrameCount(LONG*) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::RemoveAt(LONG) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::RemoveAll() { return E_NOTIMPL; }

HRESULT ImageAnimateControl::AddImage(SAFEARRAY**, LONG, VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageAnimateControl::AddFileAvi(BSTR, LONG, VARIANT_BOOL*) { return E_NOTIMPL; }

}  // namespace orvane
