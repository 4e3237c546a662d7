#include "image_buffer.h"

#include <climits>
#include <cstring>
#include <new>

namespace orvane {
namespace {

// Extent of one dimension from its bounds, or -1 when the bounds cannot be read or describe
// more elements than an int holds.
long long ExtentOf(SAFEARRAY* array, UINT dimension) {
  LONG lower = 0, upper = 0;
  if (FAILED(SafeArrayGetLBound(array, dimension, &lower)) ||
      FAILED(SafeArrayGetUBound(array, dimension, &upper))) {
    return -1;
  }
  const long long extent = static_cast<long long>(upper) - lower + 1;
  return extent >= 0 && extent <= INT_MAX ? extent : -1;
}

}  // namespace

std::uint8_t* ImageBufferView(SAFEARRAY** image, ImageBufferExtents& extents) {
  if (image == nullptr) return nullptr;
  extents = {};
  SAFEARRAY* array = *image;
  if (SafeArrayGetDim(array) != 3) return nullptr;
  VARTYPE type = VT_EMPTY;
  if (FAILED(SafeArrayGetVartype(array, &type)) || type != VT_UI1) return nullptr;
  if (SafeArrayGetElemsize(array) != 1) return nullptr;
  const long long channels = ExtentOf(array, 1);
  const long long width = ExtentOf(array, 2);
  const long long height = ExtentOf(array, 3);
  if (channels < 0 || width < 0 || height < 0) return nullptr;
  // Every byte offset a caller computes must fit in an int; larger arrays are refused like
  // unreadable ones rather than indexed past their end.
  if (channels != 0 && width != 0 && height != 0 && channels * width > INT_MAX / height) {
    return nullptr;
  }
  extents = {static_cast<int>(channels), static_cast<int>(width), static_cast<int>(height)};
  return static_cast<std::uint8_t*>(array->pvData);
}

CopyResult ImageBufferCopy(SAFEARRAY** image, ImageBufferExtents& extents,
                           std::vector<std::uint8_t>& slot) {
  if (image == nullptr) return CopyNoArgument;
  extents = {};
  std::vector<std::uint8_t>().swap(slot);
  const std::uint8_t* data = ImageBufferView(image, extents);
  if (data == nullptr) return CopyBadArray;
  const std::size_t size = static_cast<std::size_t>(extents.channels) *
                           static_cast<std::size_t>(extents.width) *
                           static_cast<std::size_t>(extents.height);
  try {
    slot.assign(data, data + size);
  } catch (const std::bad_alloc&) {
    std::vector<std::uint8_t>().swap(slot);
    return CopyNoMemory;
  }
  return CopyOk;
}

void ImageBufferRelease(SAFEARRAY** image) {
  if (image == nullptr || *image == nullptr) return;
  if (SafeArrayGetElemsize(*image) != 0) {
    SafeArrayDestroy(*image);
    *image = nullptr;
  }
}

bool ImageBufferCreate(SAFEARRAY** image, int width, int height, const std::uint8_t* pixels) {
  if (image == nullptr || pixels == nullptr) return false;
  ImageBufferRelease(image);
  if (width <= 0 || height <= 0 || width > INT_MAX / 4 / height) return false;
  SAFEARRAYBOUND bounds[3] = {{4, 0},
                              {static_cast<ULONG>(width), 0},
                              {static_cast<ULONG>(height), 0}};
  SAFEARRAY* array = SafeArrayCreate(VT_UI1, 3, bounds);
  if (array == nullptr) return false;
  std::memcpy(array->pvData, pixels, static_cast<std::size_t>(width) * height * 4);
  *image = array;
  return true;
}

}  // namespace orvane
