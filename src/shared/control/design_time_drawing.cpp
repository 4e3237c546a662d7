#include "design_time_drawing.h"

namespace orvane {

void DrawDesignTime(HDC dc, const RECT& bounds, const wchar_t* caption) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_APPWORKSPACE));
  HGDIOBJ previous_pen = SelectObject(dc, pen);
  HGDIOBJ previous_brush = SelectObject(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  Rectangle(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  SelectObject(dc, previous_brush);
  SelectObject(dc, previous_pen);
  DeleteObject(pen);

  if (caption == nullptr) return;
  // The text goes over the fill without a box of its own background colour.
  const int previous_mode = SetBkMode(dc, TRANSPARENT);
  // Inside the outline, which a long caption must not cover.
  RECT text = bounds;
  InflateRect(&text, -1, -1);
  DrawTextW(dc, caption, -1, &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  SetBkMode(dc, previous_mode);
}

}  // namespace orvane
