// GDI+'s C++ classes expect min and max, which NOMINMAX keeps out of the Windows headers.
#pragma once

#include <windows.h>

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <objidl.h>
#include <gdiplus.h>
