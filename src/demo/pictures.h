// Pictures in the layout the controls exchange: four bytes per pixel (blue, green, red, a
// fourth byte), the bottom row first.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gdiplus_include.h"

namespace orvane::demo {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

enum class Sample { kDay, kNight };

// One of the two built-in pictures, drawn in code.
Picture SamplePicture(Sample sample, int width, int height);

// A picture file (PNG, BMP, JPEG, whatever GDI+ reads) scaled to width x height; false when it
// cannot be read.
bool LoadPicture(const std::wstring& path, int width, int height, Picture& picture);

// The size a picture file has, or {0, 0}.
SIZE PictureFileSize(const std::wstring& path);

// A new 4 x width x height byte array holding the picture.
SAFEARRAY* ToImageArray(const Picture& picture);

// The picture an image array holds (an empty picture for anything else).
Picture FromImageArray(SAFEARRAY* array);

std::unique_ptr<Gdiplus::Bitmap> ToBitmap(const Picture& picture);

}  // namespace orvane::demo
