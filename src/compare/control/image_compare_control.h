// The ImageCompare control: decides whether two images are equal within a tolerance.
#pragma once

#include "OrvaneImageCompare.h"
#include "comparer.h"
#include "control.h"

namespace orvane {

class ImageCompareControl final : public Control<IImageCompare> {
 public:
  ImageCompareControl();

  HRESULT STDMETHODCALLTYPE Compare(SAFEARRAY** image1, SAFEARRAY** image2,
                                    VARIANT_BOOL* equal) override;
  HRESULT STDMETHODCALLTYPE GetDifference(SAFEARRAY** image1, SAFEARRAY** image2,
                                          SAFEARRAY** difference, VARIANT_BOOL* success) override;
  HRESULT STDMETHODCALLTYPE Preset(PresetType type) override;
  HRESULT STDMETHODCALLTYPE get_CheckBorders(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_CheckBorders(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_CheckColors(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_CheckColors(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_CheckSizes(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_CheckSizes(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_CheckSmooth(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_CheckSmooth(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_CheckNoise(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_CheckNoise(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_CheckMaximals(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_CheckMaximals(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_CheckLevel(double* value) override;
  HRESULT STDMETHODCALLTYPE put_CheckLevel(double value) override;

 private:
  // The options, and the difference image kept between calls.
  compare::Comparer comparer_;
};

}  // namespace orvane
