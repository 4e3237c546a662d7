#include "image_compare_control.h"

namespace orvane {

ImageCompareControl::ImageCompareControl() : Control(kControlDescriptor) {}

// The members answer E_NOTIMPL until the control's engine is built.

HRESULT ImageCompareControl::Compare(SAFEARRAY**, SAFEARRAY**, VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::GetDifference(SAFEARRAY**, SAFEARRAY**, SAFEARRAY**, VARIANT_BOOL*) {
  return E_NOTIMPL;
}

HRESULT ImageCompareControl::Preset(PresetType) { return E_NOTIMPL; }

HRESULT ImageCompareControl::get_CheckBorders(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::put_CheckBorders(VARIANT_BOOL) { return E_NOTIMPL; }

HRESULT ImageCompareControl::get_CheckColors(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::put_CheckColors(VARIANT_BOOL) { return E_NOTIMPL; }

HRESULT ImageCompareControl::get_CheckSizes(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::put_CheckSizes(VARIANT_BOOL) { return E_NOTIMPL; }

HRESULT ImageCompareControl::get_CheckSmooth(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::put_CheckSmooth(VARIANT_BOOL) { return E_NOTIMPL; }

HRESULT ImageCompareControl::get_CheckNoise(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::put_CheckNoise(VARIANT_BOOL) { return E_NOTIMPL; }

HRESULT ImageCompareControl::get_CheckMaximals(VARIANT_BOOL*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::put_CheckMaximals(VARIANT_BOOL) { return E_NOTIMPL; }

HRESULT ImageCompareControl::get_CheckLevel(double*) { return E_NOTIMPL; }

HRESULT ImageCompareControl::put_CheckLevel(double) { return E_NOTIMPL; }

}  // namespace orvane
