// How the controls that are invisible at run time look in a designer: an outlined box with the
// control's name in the middle.
#pragma once

#include <windows.h>

namespace orvane {

// Draws into `bounds` of `dc` a rectangle outlined with a one-pixel pen in the application
// workspace colour and filled with the button highlight brush, then `caption` on one line,
// centred both ways. The device context's pen, brush and background mode are restored.
void DrawDesignTime(HDC dc, const RECT& bounds, const wchar_t* caption);

}  // namespace orvane
