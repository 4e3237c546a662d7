#include "extent.h"

namespace orvane {
namespace {

constexpr long long kHimetricPerInch = 2540;

LONG Scale(LONG value, long long multiplier, long long divisor) {
  if (divisor == 0) return 0;
  return static_cast<LONG>(static_cast<long long>(value) * multiplier / divisor);
}

}  // namespace

SIZE ScreenPixelsPerInch() {
  SIZE ppi = {96, 96};
  HDC screen = GetDC(nullptr);
  if (screen != nullptr) {
    const int x = GetDeviceCaps(screen, LOGPIXELSX);
    const int y = GetDeviceCaps(screen, LOGPIXELSY);
    if (x > 0) ppi.cx = x;
    if (y > 0) ppi.cy = y;
    ReleaseDC(nullptr, screen);
  }
  return ppi;
}

SIZEL PixelsToHimetric(SIZE pixels, SIZE ppi) {
  return {Scale(pixels.cx, kHimetricPerInch, ppi.cx), Scale(pixels.cy, kHimetricPerInch, ppi.cy)};
}

SIZE HimetricToPixels(SIZEL himetric, SIZE ppi) {
  return {Scale(himetric.cx, ppi.cx, kHimetricPerInch),
          Scale(himetric.cy, ppi.cy, kHimetricPerInch)};
}

}  // namespace orvane
