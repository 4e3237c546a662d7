#include "image_compare_control.h"

#include "image_buffer.h"

namespace orvane {
namespace {

// An image argument as the comparer reads it: in place, with the extents of its dimensions;
// no data when the array is no readable byte cube. The comparer checks the rest.
compare::InputImage InputOf(SAFEARRAY** image) {
  ImageBufferExtents extents;
  const std::uint8_t* data = ImageBufferView(image, extents);
  return compare::InputImage{data, extents.channels, extents.width, extents.height};
}

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

ImageCompareControl::ImageCompareControl() : Control(kControlDescriptor) {}

// A null result pointer is refused before anything runs: the difference image and the
// caller's arrays stay as they were.
HRESULT ImageCompareControl::Compare(SAFEARRAY** image1, SAFEARRAY** image2, VARIANT_BOOL* equal) {
  if (equal == nullptr) return E_POINTER;
  *equal = VARIANT_FALSE;
  *equal = ToVariantBool(comparer_.Compare(InputOf(image1), InputOf(image2)));
  return S_OK;
}

HRESULT ImageCompareControl::GetDifference(SAFEARRAY** image1, SAFEARRAY** image2,
                                           SAFEARRAY** difference, VARIANT_BOOL* success) {
  if (success == nullptr) return E_POINTER;
  *success = VARIANT_FALSE;
  if (!comparer_.BuildDifference(InputOf(image1), InputOf(image2))) return S_OK;
  // A null `difference` makes the creation fail: the result stays FALSE.
  *success = ToVariantBool(ImageBufferCreate(difference, comparer_.DifferenceWidth(),
                                             comparer_.DifferenceHeight(), comparer_.Difference()));
  return S_OK;
}

// A value that names no preset selects the default one, through the interface like any caller.
HRESULT ImageCompareControl::Preset(PresetType type) {
  if (type < PresetDefault || type > PresetCheckAll) {
    return static_cast<IImageCompare*>(this)->Preset(PresetDefault);
  }
  comparer_.Preset(type);
  return S_OK;
}

// The flags: get reports VARIANT_TRUE for any stored non-zero value; put stores 1 only for
// VARIANT_TRUE itself. A null result pointer is refused.

HRESULT ImageCompareControl::get_CheckBorders(VARIANT_BOOL* value) {
  if (value == nullptr) return E_POINTER;
  *value = compare::FlagToVariant(comparer_.Options().check_borders);
  return S_OK;
}

HRESULT ImageCompareControl::put_CheckBorders(VARIANT_BOOL value) {
  comparer_.Options().check_borders = compare::VariantToFlag(value);
  return S_OK;
}

HRESULT ImageCompareControl::get_CheckColors(VARIANT_BOOL* value) {
  if (value == nullptr) return E_POINTER;
  *value = compare::FlagToVariant(comparer_.Options().check_colors);
  return S_OK;
}

HRESULT ImageCompareControl::put_CheckColors(VARIANT_BOOL value) {
  comparer_.Options().check_colors = compare::VariantToFlag(value);
  return S_OK;
}

HRESULT ImageCompareControl::get_CheckSizes(VARIANT_BOOL* value) {
  if (value == nullptr) return E_POINTER;
  *value = compare::FlagToVariant(comparer_.Options().check_sizes);
  return S_OK;
}

HRESULT ImageCompareControl::put_CheckSizes(VARIANT_BOOL value) {
  comparer_.Options().check_sizes = compare::VariantToFlag(value);
  return S_OK;
}

HRESULT ImageCompareControl::get_CheckSmooth(VARIANT_BOOL* value) {
  if (value == nullptr) return E_POINTER;
  *value = compare::FlagToVariant(comparer_.Options().check_smooth);
  return S_OK;
}

HRESULT ImageCompareControl::put_CheckSmooth(VARIANT_BOOL value) {
  comparer_.Options().check_smooth = compare::VariantToFlag(value);
  return S_OK;
}

HRESULT ImageCompareControl::get_CheckNoise(VARIANT_BOOL* value) {
  if (value == nullptr) return E_POINTER;
  *value = compare::FlagToVariant(comparer_.Options().check_noise);
  return S_OK;
}

HRESULT ImageCompareControl::put_CheckNoise(VARIANT_BOOL value) {
  comparer_.Options().check_noise = compare::VariantToFlag(value);
  return S_OK;
}

HRESULT ImageCompareControl::get_CheckMaximals(VARIANT_BOOL* value) {
  if (value == nullptr) return E_POINTER;
  *value = compare::FlagToVariant(comparer_.Options().check_maximals);
  return S_OK;
}

HRESULT ImageCompareControl::put_CheckMaximals(VARIANT_BOOL value) {
  comparer_.Options().check_maximals = compare::VariantToFlag(value);
  return S_OK;
}

HRESULT ImageCompareControl::get_CheckLevel(double* value) {
  if (value == nullptr) return E_POINTER;
  *value = comparer_.Options().check_level;
  return S_OK;
}

// Stored as given: 0, negative values and values above 100 included.
HRESULT ImageCompareControl::put_CheckLevel(double value) {
  comparer_.Options().check_level = value;
  return S_OK;
}

}  // namespace orvane
