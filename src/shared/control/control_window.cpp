#include "control_window.h"

#include "module.h"

namespace orvane {
namespace {

constexpr wchar_t kClassName[] = L"OrvaneControlWindow";
ATOM g_class = 0;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* painter = reinterpret_cast<WindowPainter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND:
      return 1;  // the paint covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc != nullptr && painter != nullptr) {
        RECT client;
        GetClientRect(window, &client);
        painter->PaintWindow(dc, client);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: {
      // A container that renders the window into a device context of its own.
      RECT client;
      GetClientRect(window, &client);
      if (painter != nullptr && wparam != 0)
        painter->PaintWindow(reinterpret_cast<HDC>(wparam), client);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool EnsureClass() {
  if (g_class != 0) return true;
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = module::Instance();
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.lpszClassName = kClassName;
  g_class = RegisterClassExW(&window_class);
  return g_class != 0;
}

}  // namespace

HWND CreateControlWindow(WindowPainter* painter, HWND parent, const RECT& position) {
  if (!EnsureClass()) return nullptr;
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, position.left,
                         position.top, position.right - position.left,
                         position.bottom - position.top, parent, nullptr, module::Instance(),
                         painter);
}

void UnregisterControlWindowClass() {
  if (g_class == 0) return;
  UnregisterClassW(kClassName, module::Instance());
  g_class = 0;
}

}  // namespace orvane
