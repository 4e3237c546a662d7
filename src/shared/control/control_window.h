// The window a control shows itself in while it is active in place.
#pragma once

#include <windows.h>

namespace orvane {

// Whoever draws the window's content.
class WindowPainter {
 public:
  virtual void PaintWindow(HDC dc, const RECT& client) = 0;

 protected:
  ~WindowPainter() = default;
};

// A visible child window of `parent` at `position` (parent coordinates) that `painter` paints
// until the window is destroyed.
HWND CreateControlWindow(WindowPainter* painter, HWND parent, const RECT& position);

// Called when the DLL unloads.
void UnregisterControlWindowClass();

}  // namespace orvane
