// The four operations every control applies to the image arrays it receives and hands back:
// three-dimensional VT_UI1 safe arrays of channels x width x height bytes, row 0 at the bottom.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <vector>

namespace orvane {

// An image array read in place: valid only during the call that received it.
struct ImageBufferExtents {
  int channels = 0;
  int width = 0;
  int height = 0;
};

// Reads an [in] or [in,out] image array in place. Returns its data pointer, or null when the
// parameter is null or the array is no three-dimensional array of single bytes with readable
// bounds (or too large to address). Extents are zero unless the checks pass. The channel count
// and the minimum size are the caller's to test.
std::uint8_t* ImageBufferView(SAFEARRAY** image, ImageBufferExtents& extents);

enum CopyResult {
  CopyOk = 0,          // the slot holds a byte-for-byte copy of the array's data
  CopyNoMemory = 1,    // the array was fine but no block could be had; the slot is empty
  CopyBadArray = 2,    // the array failed a check of ImageBufferView; the slot is empty
  CopyNoArgument = 4,  // the parameter was null; nothing changed, the slot keeps its copy
};

// Replaces the copy held in `slot` by a private copy of an [in] image array. Apart from a null
// parameter, the previous copy is freed first, so a failed copy always leaves the slot empty.
CopyResult ImageBufferCopy(SAFEARRAY** image, ImageBufferExtents& extents,
                           std::vector<std::uint8_t>& slot);

// Clears an [out] array parameter: an array it holds is destroyed once and the parameter set
// to null.
void ImageBufferRelease(SAFEARRAY** image);

// Hands a picture back through an [out] parameter: releases what it held, then stores a new
// 4 x width x height array (lower bounds 0) filled from `pixels`. False when the parameter or
// the pixels are missing or no array could be created; the parameter is then null (or, for a
// missing argument, unchanged).
bool ImageBufferCreate(SAFEARRAY** image, int width, int height, const std::uint8_t* pixels);

}  // namespace orvane
